#include "app/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <cmath>
#include <deque>
#include <functional>
#include <map>

#include "app/conflict_window.h"
#include "app/elided_label.h"
#include "app/qt_text.h"
#include "app/settings.h"
#include "app/window_dialogs.h"
#include "app/window_port.h"
#include "driver/run_driver.h"
#include "gui/scripted_dialogs.h"
#include "gui/widget_parts.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"

namespace palvren {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    userSettings()->remove("window");  // each test starts from the design's choices
    auto owned = std::make_unique<ScriptedDialogs>();
    dialogs = owned.get();
    window = std::make_unique<MainWindow>(std::move(owned));
  }
  void TearDown() override {
    window.reset();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString() << " left open";
    }
  }
  void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // A control of the window by its object name.
  template <typename T = QWidget>
  T* child(const QString& name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QRadioButton* option(const char* array, int index) {
    return child<QRadioButton>(QString("%1%2").arg(array).arg(index));
  }
  QLabel* label(const char* name) { return child<QLabel>(name); }
  QLabel* explanation(int index) {
    return child<QLabel>(QString("explanationLabels%1").arg(index));
  }
  QCheckBox* check() { return child<QCheckBox>("redundancyCheckBox"); }
  QPushButton* button(const char* name) { return child<QPushButton>(name); }
  QAction* action(const char* name) { return child<QAction>(name); }
  std::vector<QWidget*> redundancyControls() {
    return {child("passFrame"),   child("passLabels0"),     child("passLabels1"),
            child("passLabels2"), option("passButtons", 0), option("passButtons", 1)};
  }
  std::vector<QWidget*> splitOnlyControls() {
    return {child("namingFrame"), option("namingButtons", 0), option("namingButtons", 1)};
  }
  std::vector<QWidget*> checkControls() { return {check(), button("redundancyInfoButton")}; }

  ScriptedDialogs* dialogs;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsWithSplitSelectedAndTheDesignStates) {
  EXPECT_EQ(window->windowTitle(), "Palvren - Main Window");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(option("operationButtons", 0)->isChecked());
  EXPECT_EQ(window->currentRunMode(), RunMode::Split);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(explanation(i)->isVisibleTo(window.get()), i == 0);
  for (QWidget* w : splitOnlyControls()) EXPECT_TRUE(w->isEnabled());
  for (QWidget* w : redundancyControls()) EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(option("namingButtons", 0)->isChecked());
  EXPECT_TRUE(option("passButtons", 0)->isChecked());
  EXPECT_FALSE(check()->isChecked());
  EXPECT_EQ(label("statusPanel")->toolTip(), "Please Choose Options and Click Run...");
  EXPECT_EQ(label("countPanel")->text(), "No Card");
  EXPECT_FALSE(label("clockPanel")->text().isEmpty());
}

// Every operation, option and command has its own access key, clashing with no menu's.
// The operation, naming, check box and passes come back in the next session; held paths still
// choose the operation they fit.
TEST_F(MainWindowTest, TheWindowsChoicesAreKeptBetweenSessions) {
  window->show();
  click(option("operationButtons", int(RunMode::Merge)));
  click(check());
  click(option("passButtons", 1));
  click(option("operationButtons", int(RunMode::Split)));
  click(option("namingButtons", 1));
  {
    MainWindow next(std::make_unique<ScriptedDialogs>());
    EXPECT_EQ(next.currentRunMode(), RunMode::Split);
    EXPECT_EQ(next.namingMode(), NamingMode::ContactInfo);
    EXPECT_TRUE(next.redundancyCheckTicked());
    EXPECT_EQ(next.redundancyMode(), RedundancyMode::Pass1And2);
    EXPECT_TRUE(next.findChild<QWidget*>("passButtons1")->isEnabled());
    TempFolder folder;
    next.holdPaths({folder.path()});
    EXPECT_EQ(next.currentRunMode(), RunMode::Recombine);
  }
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).currentRunMode(), RunMode::Recombine);
  userSettings()->setValue("window/operation", 9);  // not one the window offers
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).currentRunMode(), RunMode::Split);
}

TEST_F(MainWindowTest, AccessKeysAreDistinct) {
  auto key = [](const QString& text) {
    const qsizetype at = text.indexOf('&');
    return at < 0 || at + 1 >= text.size() ? QChar() : text[at + 1].toLower();
  };
  std::map<QChar, QString> taken;
  auto claim = [&](const QString& text) {
    const QChar letter = key(text);
    ASSERT_FALSE(letter.isNull()) << text.toStdString() << " has no access key";
    EXPECT_TRUE(taken.emplace(letter, text).second)
        << text.toStdString() << " clashes with " << taken[letter].toStdString();
  };
  for (QAction* menu : window->menuBar()->actions()) claim(menu->text());
  for (int i = 0; i < 4; ++i) claim(option("operationButtons", i)->text());
  for (int i = 0; i < 2; ++i) claim(option("namingButtons", i)->text());
  claim(check()->text());
  claim(button("redundancyInfoButton")->text());
  claim("&Run Now");
  claim("&Stop");
  EXPECT_EQ(button("runButton")->text(), "&Run Now");
  // Within each menu, too.
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    taken.clear();
    for (QAction* item : menu->actions()) {
      if (!item->isSeparator()) claim(item->text());
    }
  }
}

TEST_F(MainWindowTest, TickingTheCheckEnablesTheRedundancyOptions) {
  window->show();
  click(check());
  for (QWidget* w : redundancyControls()) EXPECT_TRUE(w->isEnabled());
  EXPECT_TRUE(window->redundancyCheckTicked());
  click(check());
  for (QWidget* w : redundancyControls()) EXPECT_FALSE(w->isEnabled());
}

TEST_F(MainWindowTest, OtherOperationsDisableSplitOptionsButKeepTheirStates) {
  window->show();
  click(check());
  click(option("namingButtons", 1));
  // The check serves Split, Recombine and Merge; naming is Split's alone.
  for (int mode = 0; mode < 4; ++mode) {
    click(option("operationButtons", mode));
    for (QWidget* w : splitOnlyControls()) EXPECT_EQ(w->isEnabled(), mode == 0) << mode;
    for (QWidget* w : checkControls()) EXPECT_EQ(w->isEnabled(), mode != 3) << mode;
  }
  click(option("operationButtons", 2));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(explanation(i)->isVisible(), i == 2);
  for (QWidget* w : splitOnlyControls()) EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(check()->isChecked());
  for (QWidget* w : redundancyControls()) EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(window->namingMode(), NamingMode::ContactInfo);
  click(option("operationButtons", 0));
  for (QWidget* w : splitOnlyControls()) EXPECT_TRUE(w->isEnabled());
  EXPECT_TRUE(check()->isChecked());
  click(option("passButtons", 1));
  EXPECT_EQ(window->redundancyMode(), RedundancyMode::Pass1And2);
}

TEST_F(MainWindowTest, EachModeSetsItsDialogAndCancelReturnsItsPreset) {
  struct Expected {
    const char* title;
    const char* filter;
    bool multi;
    bool folder;
    const char* cancelled;
  };
  const Expected expected[4] = {
      {"Select a multiple-contact vCard file to split",
       "vCard File (*.vcf)|*.vcf|All Files (*.*)|*.*", false, false, ""},
      {"Select the parent folder containing, single-contact vCard files",
       "vCard File (*.vcf)|*.vcf|All Files (*.*)|*.*", false, true, "*.*"},
      {"Select several multiple-contact vCard files to merge",
       "vCard File (*.vcf)|*.vcf|All Files (*.*)|*.*", true, false, ""},
      {"Select a multiple-contact vCard file to export",
       "vCard File (*.vcf)|*.vcf|All Files (*.*)|*.*", false, false, ""},
  };
  // The first dialog starts in the home folder (no sample file beside the test), each later one
  // in the folder of the last choice.
  TempFolder folder;
  const std::string picked = folder.write("picked.vcf", "");
  std::string start = pathBytes(QDir::homePath());
  for (int mode = 0; mode < 4; ++mode) {
    const std::string choice =
        RunMode(mode) == RunMode::Recombine ? folderSelectionText(folder.path()) : picked;
    dialogs->choices = {choice, ScriptedDialogs::kCancel};
    window->selectInput(RunMode(mode));
    EXPECT_EQ(dialogs->dialogs.back().initialFolder, start) << mode;
    start = folder.path();
    EXPECT_EQ(window->selectInput(RunMode(mode)).kind, RunInput::Kind::None) << mode;
    EXPECT_EQ(window->sourceDialog().fileName, expected[mode].cancelled) << mode;
    const SourceDialogSettings& shown = dialogs->dialogs.back();
    EXPECT_EQ(shown.title, expected[mode].title);
    EXPECT_EQ(shown.filter, expected[mode].filter);  // Recombine keeps the earlier filter
    EXPECT_EQ(shown.multiSelect, expected[mode].multi);
    EXPECT_EQ(shown.pickFolder, expected[mode].folder);
    EXPECT_EQ(shown.initialFolder, folder.path());
  }
  // Kept for the next start.
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).startFolder(), folder.path());
}

// Files and folders dropped on the window (or named on the command line) are held for Run Now,
// with the operation that fits selected.
TEST_F(MainWindowTest, DroppedPathsAreHeldForRunNowOnce) {
  TempFolder folder;
  TempFolder other;
  const std::string twoContacts =
      "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n";
  const std::string a = folder.write("a.vcf", twoContacts);
  const std::string b = folder.write("b.vcf", twoContacts);
  const std::string elsewhere = other.write("c.vcf", twoContacts);
  const std::string sheet = folder.write("people.csv", "Full Name,Mail\r\nCy,cy@x.org\r\n");
  struct Case {
    std::vector<std::string> paths;
    RunMode selectedBefore;
    std::optional<RunMode> mode;
    const char* status;
  };
  const Case cases[] = {
      {{a}, RunMode::Split, RunMode::Split, "Holding \"a.vcf\": click Run Now to split it."},
      {{a}, RunMode::Export, RunMode::Export, "Holding \"a.vcf\": click Run Now to export it."},
      {{sheet},
       RunMode::Split,
       RunMode::Import,
       "Holding \"people.csv\": click Run Now to import it."},
      {{a, b}, RunMode::Split, RunMode::Merge, "click Run Now to merge them."},
      {{folder.path()},
       RunMode::Split,
       RunMode::Recombine,
       "click Run Now to recombine its files."},
      {{a, elsewhere},
       RunMode::Merge,
       std::nullopt,
       "Files from several folders cannot be merged together; nothing is held."},
      {{folder.path(), a},
       RunMode::Split,
       std::nullopt,
       "is not a file or folder; nothing is held."},
  };
  window->show();
  for (const Case& c : cases) {
    click(option("operationButtons", int(c.selectedBefore)));
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : c.paths) urls << QUrl::fromLocalFile(pathText(path));
    data.setUrls(urls);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Sent straight to the window: the application delivers drops only during a real drag.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(window.get())->event(&enter);
    EXPECT_TRUE(enter.isAccepted());
    static_cast<QObject*>(window.get())->event(&drop);
    const HeldInput& held = window->heldInput();
    EXPECT_EQ(held.holds() ? std::optional(held.mode) : std::nullopt, c.mode) << c.status;
    if (c.mode) {
      EXPECT_EQ(window->currentRunMode(), *c.mode);
    }
    EXPECT_TRUE(label("statusPanel")->toolTip().endsWith(c.status))
        << label("statusPanel")->toolTip().toStdString();
  }
  // A status too long for its panel is cut at a word, never mid-word, and never widens it.
  const QFontMetrics metrics(label("statusPanel")->font());
  const QString full = "Holding 2 files of \"Contacts\": click Run Now to merge them.";
  const QString cut =
      elidedAtWord(full, metrics,
                   metrics.horizontalAdvance(QString::fromUtf8("Holding 2 files of\xE2\x80\xA6")));
  EXPECT_EQ(cut, QString::fromUtf8("Holding 2 files of\xE2\x80\xA6"));
  EXPECT_EQ(elidedAtWord(full, metrics, metrics.horizontalAdvance(full)), full);
  const int before = window->width();
  window->holdPaths({folder.path() + "/" + std::string(300, 'x') + " " + std::string(300, 'y')});
  EXPECT_EQ(window->width(), before);
  QMimeData web;
  web.setUrls({QUrl("https://example.org/a.vcf")});
  QDragEnterEvent remote(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
  static_cast<QObject*>(window.get())->event(&remote);
  EXPECT_FALSE(remote.isAccepted());  // only files of this machine
  // Run Now takes what is held without asking; the next run asks again.
  window->show();
  window->holdPaths({a});
  const std::size_t asked = dialogs->dialogs.size();
  click(button("runButton"));
  EXPECT_EQ(dialogs->dialogs.size(), asked);
  EXPECT_EQ(dialogs->messages.back().title, "vCard Split Successfull");
  dialogs->choices = {ScriptedDialogs::kCancel};
  click(button("runButton"));
  EXPECT_EQ(dialogs->dialogs.size(), asked + 1);
  // A file handed over while the run's message is open is held once the message closes.
  window->holdPaths({a});
  dialogs->whileMessage = [&] {
    window->holdPaths({b});
    EXPECT_TRUE(label("statusPanel")->toolTip().contains("held when this run ends"));
  };
  click(button("runButton"));
  dialogs->whileMessage = nullptr;
  EXPECT_EQ(window->heldInput().input, RunInput::file(b));
  EXPECT_EQ(label("statusPanel")->toolTip(), "Holding \"b.vcf\": click Run Now to split it.");
}

TEST_F(MainWindowTest, RecombineFirstUseHasTheAllFilesFilter) {
  window->selectInput(RunMode::Recombine);
  EXPECT_EQ(dialogs->dialogs.back().filter, "All Files (*.*)|*.*");
}

TEST_F(MainWindowTest, ACancelledRunChangesNothing) {
  for (int mode = 0; mode < 4; ++mode) {
    click(option("operationButtons", mode));
    click(button("runButton"));
  }
  EXPECT_EQ(dialogs->dialogs.size(), 4u);
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(label("statusPanel")->toolTip(), "Please Choose Options and Click Run...");
  EXPECT_EQ(label("countPanel")->text(), "No Card");
}

TEST_F(MainWindowTest, WithNoOperationSelectedRunActsAsExport) {
  for (int i = 0; i < 5; ++i) option("operationButtons", i)->setAutoExclusive(false);
  for (int i = 0; i < 5; ++i) option("operationButtons", i)->setChecked(false);
  EXPECT_EQ(window->currentRunMode(), RunMode::Export);
  action("runAction")->trigger();
  EXPECT_EQ(dialogs->dialogs.back().title, "Select a multiple-contact vCard file to export");
}

TEST_F(MainWindowTest, ARunDuringARunDoesNothing) {
  int nested = 0;
  dialogs->whileOpen = [&] {
    if (++nested == 1) button("runButton")->click();
  };
  button("runButton")->click();
  EXPECT_EQ(nested, 1);
  EXPECT_FALSE(window->isRunning());
}

TEST_F(MainWindowTest, RunNowSplitsTheChosenFileAndReports) {
  TempFolder folder;
  std::string contacts;
  for (int i = 0; i < 3; ++i)
    contacts += "BEGIN:VCARD\r\nFN:P" + std::to_string(i) + "\r\nEND:VCARD\r\n";
  dialogs->choices = {folder.write("in.vcf", contacts)};
  window->show();
  click(button("runButton"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "vCard Split Successfull");
  EXPECT_EQ(label("statusPanel")->toolTip(), "vCard Split Successful");
  EXPECT_EQ(label("countPanel")->text(), "vCard Count = 3 Cards");
  EXPECT_EQ(dialogs->browsed, std::vector<std::string>{folder.file("Split-vCards")});
  EXPECT_EQ(testing::fileNames(folder.file("Split-vCards")).size(), 3u);

  // Again: the window asks, a new folder first; then adding, then cancelling.
  dialogs->choices = {folder.file("in.vcf"), folder.file("in.vcf"), folder.file("in.vcf")};
  dialogs->chooseAnswers = {0, 1, -1};
  for (int run = 0; run < 3; ++run) click(button("runButton"));
  ASSERT_EQ(dialogs->chosenAmong.size(), 3u);
  EXPECT_EQ(dialogs->chosenAmong[0],
            (std::vector<std::string>{"Write to \"Split-vCards (2)\"", "Add to \"Split-vCards\""}));
  EXPECT_EQ(testing::fileNames(folder.file("Split-vCards (2)")).size(), 3u);
  EXPECT_EQ(testing::fileNames(folder.file("Split-vCards")).size(), 6u);
  EXPECT_EQ(dialogs->browsed.size(), 3u);
}

// What the person does at "continue to Pass 2?" of a two-pass split of two contacts, and how
// the window and the disk stand afterwards.
TEST_F(MainWindowTest, DuringARunTheOptionsAreHeldAndStopOrExitEndItInOrder) {
  std::string folderPath;
  struct Case {
    const char* name;
    std::function<void()> action;
    std::deque<bool> confirmAnswers;
    const char* status;
    std::size_t filesWritten;
    bool quits;
  };
  const Case cases[] = {
      {"nothing", [] {}, {}, "vCard Split Successful", 2, false},
      {"Stop", [this] { button("runButton")->click(); }, {}, "vCard Split Stopped", 0, false},
      {"Escape",
       [this] { QTest::keyClick(window.get(), Qt::Key_Escape); },
       {},
       "vCard Split Stopped",
       0,
       false},
      {"Exit, then No",
       [this] { action("exitAction")->trigger(); },
       {false},
       "vCard Split Successful",
       2,
       false},
      {"Exit, then Yes", [this] { action("exitAction")->trigger(); }, {true}, nullptr, 0, true},
      {"a file in the way",
       [&folder = folderPath] { testing::writeBytes(folder + "/Split-vCards", ""); },
       {},
       "vCard Split Failed",
       0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folderPath = folder.path();
    userSettings()->remove("window");
    auto owned = std::make_unique<ScriptedDialogs>();
    dialogs = owned.get();
    window = std::make_unique<MainWindow>(std::move(owned));
    const std::string contacts =
        "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n";
    dialogs->choices = {folder.write("in.vcf", contacts)};
    dialogs->confirmAnswers = c.confirmAnswers;
    window->show();
    click(check());
    click(option("passButtons", 1));
    bool heldDuringRun = false;
    dialogs->whileAsking = [&] {
      heldDuringRun =
          !child("operationFrame")->isEnabled() && !check()->isEnabled() &&
          !option("namingButtons", 1)->isEnabled() && !action("runAction")->isEnabled() &&
          !child<QMenu>("exportFormatMenu")->isEnabled() &&
          !child<QMenu>("vcardVersionMenu")->isEnabled() && button("runButton")->isEnabled() &&
          button("runButton")->text() == "&Stop" && action("exitAction")->isEnabled();
      c.action();
    };
    click(button("runButton"));
    EXPECT_TRUE(heldDuringRun);
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(button("runButton")->text(), "&Run Now");
    EXPECT_TRUE(check()->isEnabled());
    EXPECT_TRUE(option("passButtons", 1)->isEnabled());
    EXPECT_FALSE(child<QProgressBar>("progressBar")->isVisible());
    if (c.status) {
      EXPECT_EQ(label("statusPanel")->toolTip(), c.status);
    }
    const std::string out = folder.file("Split-vCards");
    EXPECT_EQ(std::filesystem::is_directory(out) ? testing::fileNames(out).size() : 0u,
              c.filesWritten);
    EXPECT_EQ(testing::readBytes(folder.file("in.vcf")), contacts);
    if (std::string(c.name) == "Stop") {
      EXPECT_EQ(dialogs->messages.back().text.substr(0, 42),
                "Stopped: 0 of 2 contact files were written");
    }
    if (c.quits) {
      EXPECT_EQ(dialogs->messages.size(), 2u);  // the two questions; nothing after them
    }
  }
}

TEST_F(MainWindowTest, AMergeWithTheCheckWritesOneCleanFileAndOffersTheReport) {
  TempFolder folder;
  folder.write("a.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n");
  folder.write("b.vcf", "BEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:C\r\nEND:VCARD\r\n");
  dialogs->choices = {FileSelection{folder.path(), {"a.vcf", "b.vcf"}}.toText()};
  window->show();
  click(option("operationButtons", 2));
  click(check());
  click(button("runButton"));
  EXPECT_EQ(testing::readBytes(folder.file(combinedFileName())),
            "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nFN:C\r\nEND:VCARD\r\n");
  ASSERT_EQ(dialogs->reports.size(), 1u);
  EXPECT_NE(dialogs->reports[0].find("Pass 1 removed contact 3 (B): identical to contact 2 (B)"),
            std::string::npos);
  EXPECT_EQ(dialogs->messages.back().title, "vCard Merge Successfull");
  EXPECT_NE(dialogs->messages.back().text.find(
                "3 cards have been combined into...\r\n\r\n\"" + folder.file(combinedFileName()) +
                "\"\r\n4 contacts read, 1 identical contacts removed, 0 similar contacts "
                "merged, 3 contacts written."),
            std::string::npos)
      << dialogs->messages.back().text;
}

// One person from two programs is asked about whole and merged into one contact of one version;
// an answer for all never reaches a pair named otherwise; the review undoes what the person
// unticks, writing those contacts byte for byte as they were.
TEST_F(MainWindowTest, Pass2MergesAcrossProgramsAsksWholeAndIsReviewed) {
  TempFolder folder;
  const std::string sarah =
      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Sarah Brown\r\nEMAIL:info@acme.example\r\nNOTE:a\r\n"
      "END:VCARD\r\n";
  const std::string peter =
      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Peter Brown\r\nEMAIL:info@acme.example\r\nNOTE:b\r\n"
      "END:VCARD\r\n";
  dialogs->choices = {folder.write(
      "in.vcf",
      "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;"
      "J=FCrgen;;;\r\nFN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrgen M=FCller\r\n"
      "EMAIL:j@x.de\r\nTEL;CELL:111\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\xC3\xBCller;J\xC3\xBCrgen;;;\r\n"
      "FN:J\xC3\xBCrgen M\xC3\xBCller\r\nEMAIL:j@x.de\r\nTEL;TYPE=CELL:222\r\n"
      "EMAIL;TYPE=WORK:jm@work.de\r\nEND:VCARD\r\n" +
          sarah + peter +
          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEMAIL:ann@x.org\r\nTEL:1\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEMAIL:ann@x.org\r\nTEL:2\r\nEND:VCARD\r\n")};
  std::vector<std::string> asked;
  dialogs->conflictAnswer = [&](const PromptContext& context) {
    asked.push_back(context.conflictTag);
    ConflictWindow shown(context, nullptr);
    auto* table = shown.findChild<QTreeWidget*>("conflictTable");
    if (asked.size() == 1) {  // the 2.1 and the 3.0 contact side by side, both columns filled
      EXPECT_EQ(table->topLevelItem(0)->text(0), "Name");
      EXPECT_EQ(table->topLevelItem(0)->text(1), QString::fromUtf8("M\xC3\xBCller J\xC3\xBCrgen"));
      EXPECT_EQ(table->topLevelItem(0)->text(2), table->topLevelItem(0)->text(1));
      ConflictDecision both(ConflictChoice::KeepBothValues);
      both.applyToRemaining = true;
      return both;
    }
    EXPECT_FALSE(context.namesAgree);  // Sarah and Peter: put to the person
    return ConflictDecision(ConflictChoice::KeepOption1);
  };
  dialogs->reviewAnswer = [](const std::vector<MergeReview>& merges) {
    std::vector<bool> kept(merges.size(), true);
    if (kept.size() == 3) kept[1] = false;  // Sarah and Peter are two people after all
    return kept;
  };
  window->show();
  click(check());
  click(option("passButtons", 1));
  click(button("runButton"));
  EXPECT_EQ(asked, (std::vector<std::string>{"TEL;TYPE=CELL", "FN", "NOTE"}));
  ASSERT_EQ(dialogs->reviews.size(), 1u);
  ASSERT_EQ(dialogs->reviews[0].size(), 3u);
  EXPECT_NE(dialogs->reviews[0][1].steps[0].english().find(
                "Merged, decided by you: Contact (2) Sarah Brown "
                "and Contact (3) Peter Brown \u2014 Same e-mail: "
                "info@acme.example"),
            std::string::npos)
      << dialogs->reviews[0][1].steps[0].english();
  EXPECT_NE(dialogs->reviews[0][2].steps[0].english().find("decided by an answer for all"),
            std::string::npos);
  const std::string split = folder.file("Split-vCards/");
  EXPECT_EQ(testing::readBytes(split + "contact0001.vcf"),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\xC3\xBCller;J\xC3\xBCrgen;;;\r\n"
            "FN:J\xC3\xBCrgen M\xC3\xBCller\r\nEMAIL:j@x.de\r\nTEL;TYPE=CELL:111\r\n"
            "TEL;TYPE=CELL:222\r\nEMAIL;TYPE=WORK:jm@work.de\r\nEND:VCARD\r\n");
  EXPECT_EQ(testing::readBytes(split + "contact0002.vcf"), sarah);
  EXPECT_EQ(testing::readBytes(split + "contact0003.vcf"), peter);
  EXPECT_EQ(testing::readBytes(split + "contact0004.vcf"),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEMAIL:ann@x.org\r\nTEL:1\r\nTEL:2\r\n"
            "END:VCARD\r\n");
  EXPECT_FALSE(pathTaken(split + "contact0005.vcf"));
  EXPECT_NE(dialogs->messages.back().text.find("6 contacts read, 0 identical contacts removed, 2 "
                                               "similar contacts merged, 4 contacts written."),
            std::string::npos)
      << dialogs->messages.back().text;
}

// The export format is an option kept between sessions; an export writes the chosen format and
// its success message names it.
TEST_F(MainWindowTest, TheChosenExportFormatIsKeptAndNamedOnSuccess) {
  action("googleFormatAction")->trigger();
  EXPECT_EQ(window->exportFormat(), ExportFormat::Google);
  MainWindow second(std::make_unique<ScriptedDialogs>());
  EXPECT_EQ(second.exportFormat(), ExportFormat::Google);  // saved for the next start
  TempFolder folder;
  dialogs->choices = {folder.write(
      "in.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n")};
  window->show();
  click(option("operationButtons", 3));
  click(button("runButton"));
  EXPECT_EQ(testing::fileNames(folder.file("Split-vCards")),
            std::vector<std::string>{"Contacts_Google.csv"});
  EXPECT_NE(dialogs->messages.back().text.find("\r\nFormat: Google Contacts CSV."),
            std::string::npos)
      << dialogs->messages.back().text;
  action("rawFormatAction")->trigger();
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).exportFormat(), ExportFormat::Raw);
}

// The import asks where the columns of an unknown header go before it writes, and writes what
// was chosen; the redundancy check does not apply to it.
TEST_F(MainWindowTest, AnImportOfUnknownColumnsWritesWhatThePersonChose) {
  TempFolder folder;
  dialogs->choices = {folder.write("club.csv", "Member,Mail,Since\r\nCy Doe,cy@x.org,2019\r\n")};
  window->show();
  click(option("operationButtons", 4));
  EXPECT_EQ(window->currentRunMode(), RunMode::Import);
  EXPECT_FALSE(check()->isEnabled());
  dialogs->columnAnswer = [](std::vector<ImportField> fields) {
    fields[0] = ImportField("FN");  // "Member" is the person's name
    return std::optional(fields);
  };
  click(button("runButton"));
  ASSERT_EQ(dialogs->columnsAsked.size(), 1u);
  EXPECT_EQ(dialogs->columnsAsked[0], (std::vector<std::string>{"Member", "Mail", "Since"}));
  EXPECT_EQ(dialogs->dialogs.back().title, "Select a CSV file to import");
  EXPECT_EQ(testing::readBytes(folder.file("Contacts_Imported.vcf")),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:Cy Doe\r\n"
            "EMAIL;TYPE=INTERNET:cy@x.org\r\nX-CSV-SINCE:2019\r\nEND:VCARD\r\n");
  dialogs->columnAnswer = [](std::vector<ImportField>) {
    return std::optional<std::vector<ImportField>>();
  };
  dialogs->choices = {folder.file("club.csv")};
  click(button("runButton"));
  EXPECT_EQ(label("statusPanel")->text(), "Nothing was written.");
}

// The version vCards are written in is kept too, and named on success.
TEST_F(MainWindowTest, TheChosenVcardVersionIsKeptAndNamedOnSuccess) {
  EXPECT_EQ(window->vcardVersion(), VcardVersion::AsRead);
  action("vcard30Action")->trigger();
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).vcardVersion(), VcardVersion::V30);
  TempFolder folder;
  dialogs->choices = {folder.write(
      "in.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n")};
  window->show();
  click(button("runButton"));
  EXPECT_TRUE(dialogs->messages.back().text.ends_with("\r\nWritten as vCard 3.0."))
      << dialogs->messages.back().text;
  EXPECT_EQ(testing::readBytes(folder.file("Split-vCards/contact0001.vcf")),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:A\r\nEND:VCARD\r\n");
  action("asReadAction")->trigger();
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).vcardVersion(), VcardVersion::AsRead);
}

TEST_F(MainWindowTest, TheMatchRuleIsKeptAndTheCountryCodeTakesDigitsOnly) {
  action("tolerantMatchingAction")->trigger();
  dialogs->typedText = "+44";
  action("countryCodeAction")->trigger();
  EXPECT_TRUE(window->matchRule().tolerant);
  EXPECT_EQ(window->matchRule().countryCode, "44");
  dialogs->typedText = "12345";
  action("countryCodeAction")->trigger();
  EXPECT_EQ(window->matchRule().countryCode, "44");
  EXPECT_EQ(dialogs->messages.back().title, "Default Country Code");
  MainWindow second(std::make_unique<ScriptedDialogs>());
  EXPECT_TRUE(second.matchRule().tolerant);
  EXPECT_EQ(second.matchRule().countryCode, "44");

  // A value written into the file by hand is checked as the command line checks it.
  userSettings()->setValue("matching/countryCode", "44; rm");
  EXPECT_EQ(MainWindow(std::make_unique<ScriptedDialogs>()).matchRule().countryCode, "");
  // A settings file that is not a regular file is never opened: defaults, said on the status.
  const QString file = settingsFilePath();
  EXPECT_EQ(file, userSettings()->fileName());
  ASSERT_TRUE(QFile::remove(file));
  ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
  {
    MainWindow fifo(std::make_unique<ScriptedDialogs>());
    EXPECT_FALSE(fifo.matchRule().tolerant);
    EXPECT_TRUE(fifo.findChild<QLabel*>("statusPanel")->toolTip().contains("not a regular file"));
  }
  QFile::remove(file);
}

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b) {
  auto luminance = [](QColor c) {
    auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast of any pixel of a widget, as painted, against the window's background.
double strongestContrast(QWidget& window, QWidget* widget) {
  const QImage image = window.grab().toImage();
  const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
  const QColor background = window.palette().color(QPalette::Window);
  double strongest = 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      strongest = std::max(strongest, contrast(image.pixelColor(x, y), background));
    }
  }
  return strongest;
}

// The blue explanations, the tolerant line and the arrow read at 4.5:1 in a light and a dark
// scheme; the tolerant line shows only while the rule is on.
TEST_F(MainWindowTest, ExplanationsReadInLightAndDarkPalettesAndSayTheRuleInForce) {
  EXPECT_TRUE(window->findChild<QLabel*>("tolerantLabel")->isHidden());
  action("tolerantMatchingAction")->trigger();
  EXPECT_FALSE(window->findChild<QLabel*>("tolerantLabel")->isHidden());
  click(check());  // the options are enabled, as the person reads them
  for (const bool dark : {false, true}) {
    QPalette palette;
    palette.setColor(QPalette::Window, dark ? QColor(0x22, 0x20, 0x20) : QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
    window->setPalette(palette);
    window->show();
    QApplication::processEvents();
    for (const char* name : {"passLabels1", "passLabels2", "tolerantLabel", "arrowHead"}) {
      QWidget* widget = window->findChild<QWidget*>(name);
      ASSERT_NE(widget, nullptr) << name;
      EXPECT_GE(strongestContrast(*window, widget), 4.5) << name << (dark ? " dark" : " light");
    }
  }
  action("tolerantMatchingAction")->trigger();
}

TEST_F(MainWindowTest, TheSuccessOfACheckOffersItsReport) {
  TempFolder folder;
  dialogs->choices = {folder.write(
      "in.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n")};
  window->show();
  click(check());
  click(button("runButton"));
  ASSERT_EQ(dialogs->reports.size(), 1u);
  EXPECT_NE(dialogs->reports[0].find("Pass 1 removed contact 2 (A): identical to contact 1 (A)"),
            std::string::npos)
      << dialogs->reports[0];
  EXPECT_EQ(dialogs->messages.back().title, "vCard Split Successfull");
  // The report is offered beside what the run wrote, named after it.
  ASSERT_EQ(dialogs->reportBeside.size(), 1u);
  EXPECT_EQ(dialogs->reportBeside[0], folder.file("Split-vCards"));
  EXPECT_EQ(suggestedReportPath(folder.file("Split-vCards")),
            folder.file("Split-vCards-report.txt"));
  EXPECT_EQ(suggestedReportPath(folder.file("12-08-2026_CONBINED_CONTACTS.vcf")),
            folder.file("12-08-2026_CONBINED_CONTACTS-report.txt"));
  EXPECT_EQ(suggestedReportPath(""), pathBytes(QDir::homePath()) + "/palvren-report.txt");
}

TEST_F(MainWindowTest, ARunRepaintsOnceTwentyFiveMillisecondsHavePassed) {
  qint64 now = 0;
  WindowPort port(*window, *dialogs, [&] { return now; });
  // Milliseconds at which the run yields, and the repaints counted after each.
  const std::pair<qint64, int> steps[] = {{0, 1}, {24, 1}, {25, 2}, {40, 2}, {49, 2}, {50, 3}};
  for (const auto& [at, repaints] : steps) {
    now = at;
    port.yield();
    EXPECT_EQ(port.repaints(), repaints) << at;
  }
}

// The progress bar names the phase the status line is in, counts as the locale writes them, and
// shows nothing while a question waits.
TEST_F(MainWindowTest, TheProgressBarNamesItsPhaseAndHidesWhileAsking) {
  window->show();
  WindowPort port(*window, *dialogs);
  auto* bar = child<QProgressBar>("progressBar");
  const QLocale locale;
  const std::pair<const char*, QString> phases[] = {
      {"Loading File Data...", "Loading"},
      {"PASS 2 - Checking Redundancies 4 of 31", "Pass 2:"},
      {"Writing Output Files...", "Writing"},
      {"Processing 12", "Writing"}};
  for (const auto& [status, phase] : phases) {
    port.setStatus(Message::asIs(status));
    port.setProgress(4000, 31000);
    EXPECT_TRUE(bar->isVisible()) << status;
    EXPECT_EQ(bar->format(), phase + " " + locale.toString(4000) + " of " + locale.toString(31000));
  }
  port.askYesNo(Message::asIs("Would you like to continue to Pass 2?"),
                Message::asIs("Pass 1 Completed"));
  EXPECT_FALSE(bar->isVisible());
}

TEST_F(MainWindowTest, MoreInfoAndTheMenusOpenTheirWindows) {
  click(button("redundancyInfoButton"));
  action("redundancyLogicAction")->trigger();
  action("aboutAction")->trigger();
  EXPECT_EQ(dialogs->logicShown, 2);
  EXPECT_EQ(dialogs->aboutShown, 1);
}

TEST_F(MainWindowTest, NothingIsClippedAtTheDesktopFont) {
  testing::expectNothingClipped(*window);
  window->show();
  for (int i = 0; i < 4; ++i) {
    EXPECT_GE(explanation(i)->height(), explanation(i)->heightForWidth(explanation(i)->width()));
  }
}

}  // namespace
}  // namespace palvren
