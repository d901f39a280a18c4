#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <map>

#include "app/column_mapping_dialog.h"
#include "app/conflict_window.h"
#include "app/elided_label.h"
#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/review_window.h"
#include "app/settings.h"
#include "app/translations.h"
#include "gui/scripted_dialogs.h"
#include "gui/widget_parts.h"
#include "support/temp_folder.h"
#include "vcard/selection.h"

namespace palvren {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

// What a window shows in words: its title, captions, labels, tips, headers and the first column
// of a table (its values are the contacts', the same in every language).
void collectTexts(const QWidget& window, QStringList& texts) {
  texts << window.windowTitle();
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* elided = dynamic_cast<ElidedLabel*>(widget)) {
      texts << elided->fullText();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      texts << label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) texts << box->title();
    if (auto* browser = qobject_cast<QTextBrowser*>(widget)) texts << browser->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
      for (int c = 0; c < tree->columnCount(); ++c) texts << tree->headerItem()->text(c);
      for (int r = 0; r < tree->topLevelItemCount(); ++r) texts << tree->topLevelItem(r)->text(0);
    }
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    }
    texts << widget->toolTip();
  }
  for (QAction* action : window.findChildren<QAction*>()) texts << action->text();
}

// The access keys of texts, each letter taken once.
void expectDistinctKeys(const QStringList& texts, const QString& where) {
  std::map<QChar, QString> taken;
  for (const QString& text : texts) {
    const qsizetype at = text.indexOf('&');
    if (at < 0 || at + 1 >= text.size()) continue;
    const QChar letter = text[at + 1].toLower();
    EXPECT_TRUE(taken.emplace(letter, text).second)
        << where.toStdString() << ": " << text.toStdString() << " clashes with "
        << taken[letter].toStdString();
  }
}

QStringList buttonTexts(const QWidget& window) {
  QStringList texts;
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  return texts;
}

// The main window's keys and each menu's, in the language installed.
void expectDistinctKeys(MainWindow& window, const QString& language) {
  QStringList windowKeys = buttonTexts(window);
  for (QAction* menu : window.menuBar()->actions()) windowKeys << menu->text();
  windowKeys << MainWindow::tr("&Stop");  // the Run button while a run goes on
  windowKeys.removeOne(MainWindow::tr("&Run Now"));
  expectDistinctKeys(windowKeys, language + " main window");
  for (QMenu* menu : window.findChildren<QMenu*>()) {
    QStringList items;
    for (QAction* item : menu->actions()) items << item->text();
    expectDistinctKeys(items, language + " " + menu->title());
  }
}

// The dialog open now: its words collected, then closed.
void collectOpenDialog(QStringList& texts) {
  QTimer::singleShot(0, [&texts] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    collectTexts(*dialog, texts);
    dialog->close();
  });
}

const char kTwoOfOnePerson[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nEMAIL:ann@example.org\r\nTEL:555 0100\r\n"
    "NOTE:first\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Ann Lee\r\nEMAIL:ann@example.org\r\nTEL:555 0100\r\n"
    "NOTE:second\r\nEND:VCARD\r\n";

// Runs each other operation once to success, then the refusals and a failure, and holds what
// is dropped on the window; the status lines are collected after each.
void runOtherOperations(MainWindow& window, ScriptedDialogs& dialogs, const TempFolder& folder,
                        QStringList& texts) {
  window.findChild<QAbstractButton*>("redundancyCheckBox")->click();  // the check off again
  const std::string other = folder.write("other.vcf", kTwoOfOnePerson);
  const std::string csv = folder.write("club.csv", "Member,Mail\r\nCy Doe,cy@x.org\r\n");
  const std::string emptyCsv = folder.write("empty.csv", "Member,Mail\r\n");
  TempFolder lonely;
  lonely.write("one.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n");
  TempFolder blocked;
  blocked.write("Split-vCards", "a file in the way");
  const std::string blockedInput = blocked.write("in.vcf", kTwoOfOnePerson);
  const std::pair<RunMode, std::string> runs[] = {
      {RunMode::Merge, FileSelection{folder.path(), {"two.vcf", "other.vcf"}}.toText()},
      {RunMode::Export, other},
      {RunMode::Import, csv},
      {RunMode::Import, emptyCsv},
      {RunMode::Recombine, lonely.path() + "/"},
      {RunMode::Split, blockedInput}};
  for (const auto& [mode, choice] : runs) {
    window.findChild<QAbstractButton*>(QString("operationButtons%1").arg(int(mode)))->click();
    dialogs.choices = {choice};
    window.findChild<QAbstractButton*>("runButton")->click();
    collectTexts(window, texts);
  }
  for (const std::vector<std::string>& dropped : {std::vector<std::string>{folder.path()},
                                                  {folder.file("missing.vcf")},
                                                  {folder.file("two.vcf"), other},
                                                  {csv}}) {
    window.holdPaths(dropped);
    collectTexts(window, texts);
  }
}

// Everything the program says on a tour of its windows and of scripted runs, in the language of
// locale: messages and their titles, the windows of the check, the status lines, the About and
// More windows, the column dialog and every menu.
QStringList tour(const QString& locale) {
  installTranslations(QLocale(locale));
  userSettings()->remove("window");
  QStringList texts;
  TempFolder folder;
  auto owned = std::make_unique<ScriptedDialogs>();
  ScriptedDialogs* dialogs = owned.get();
  MainWindow window(std::move(owned));
  collectTexts(window, texts);
  testing::expectNothingClipped(window);
  dialogs->conflictAnswer = [&](const PromptContext& context) {
    ConflictWindow shown(context, nullptr);
    collectTexts(shown, texts);
    expectDistinctKeys(buttonTexts(shown), locale + " conflict window");
    testing::expectNothingClipped(shown);
    return ConflictDecision(ConflictChoice::KeepOption1);
  };
  dialogs->reviewAnswer = [&](const std::vector<MergeReview>& merges) {
    ReviewWindow shown(merges, nullptr);
    collectTexts(shown, texts);
    expectDistinctKeys(buttonTexts(shown), locale + " review");
    testing::expectNothingClipped(shown);
    return std::vector<bool>(merges.size(), true);
  };
  const std::string one = folder.write("one.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n");
  const std::string two = folder.write("two.vcf", kTwoOfOnePerson);
  window.findChild<QAbstractButton*>("redundancyCheckBox")->click();
  window.findChild<QAbstractButton*>("passButtons1")->click();
  dialogs->choices = {one, two, two};
  dialogs->chooseAnswers = {0};
  for (int run = 0; run < 3; ++run) {
    window.findChild<QAbstractButton*>("runButton")->click();
    collectTexts(window, texts);
  }
  runOtherOperations(window, *dialogs, folder, texts);
  for (const ScriptedDialogs::Message& message : dialogs->messages) {
    texts << QString::fromStdString(message.text) << QString::fromStdString(message.title);
  }
  for (const std::vector<std::string>& buttons : dialogs->chosenAmong) {
    for (const std::string& button : buttons) texts << QString::fromStdString(button);
  }
  for (const SourceDialogSettings& shown : dialogs->dialogs) {
    texts << QCoreApplication::translate("palvren::SourceDialog", shown.title.c_str());
  }
  expectDistinctKeys(window, locale);
  MatchRule tolerant;
  tolerant.tolerant = true;
  tolerant.countryCode = "44";
  AboutWindow about(&window);
  MoreWindow more(&window, tolerant);
  collectTexts(about, texts);
  collectTexts(more, texts);
  testing::expectNothingClipped(about);
  testing::expectNothingClipped(more);
  collectOpenDialog(texts);
  showColumnMappingDialog({"Member", "Mail"}, {{"Cy"}, {"cy@x.org"}}, {{}, {"EMAIL"}}, &window);
  texts.removeAll(QString());
  return texts;
}

// A text shown alike in both languages is only right when nothing in it is English words: the
// names, numbers and international words that stay as they are.
bool sharedByLanguages(QString text) {
  static const QRegularExpression kept(
      "\"[^\"]*\"|/[^ ]*|[\\w.+-]+@[\\w.-]+|\\b(vCard|Palvren|Outlook|CSV|JPEG|OK|Version|Format|"
      "Option|Contact|E-mail|Name|Note|Logo|Photo|Fax|Pager|Mobile|Region|Ann|Lee|Type|Tallowbrook|"
      "Software|www|tallowbrook|software|example|Options|Google Contacts)\\b|"
      "[^\\p{L}]");
  return text.remove(kept).isEmpty();
}

class TranslationTest : public ::testing::TestWithParam<const char*> {
 protected:
  void TearDown() override { installTranslations(QLocale::c()); }
};

TEST_P(TranslationTest, EveryWindowAndMessageSpeaksTheLanguageWithDistinctAccessKeys) {
  const QStringList english = tour("en");
  const QStringList translated = tour(GetParam());
  // The standard dialogs' buttons speak it too.
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  ASSERT_EQ(translated.size(), english.size());
  ASSERT_GT(english.size(), 150);
  for (qsizetype i = 0; i < english.size(); ++i) {
    if (translated[i] != english[i]) continue;
    EXPECT_TRUE(sharedByLanguages(english[i])) << GetParam() << ": " << english[i].toStdString();
  }
}

// A language's other countries take its translation; Portuguese takes Brazil's, the only one.
TEST(TranslationChoice, ARegionalLocaleFindsItsLanguage) {
  for (const char* locale : {"de_AT", "fr_CA", "es_MX", "pt_PT"}) {
    installTranslations(QLocale(locale));
    EXPECT_NE(MainWindow::tr("&File"), "&File") << locale;
  }
  installTranslations(QLocale("it_IT"));
  EXPECT_EQ(MainWindow::tr("&File"), "&File");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  installTranslations(QLocale::c());
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::Values("de", "fr", "es", "pt_BR"));

}  // namespace
}  // namespace palvren
