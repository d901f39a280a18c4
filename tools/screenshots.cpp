// Renders the program's windows offscreen into PNG files, for the documentation.
#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <iostream>
#include <memory>

#include "app/column_mapping_dialog.h"
#include "app/conflict_window.h"
#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/review_window.h"
#include "app/translations.h"
#include "app/window_dialogs.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"

namespace {

using palvren::Message;
using palvren::TextId;

void save(QWidget& widget, const QString& folder, const QString& name, bool hide = true) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder + "/" + name;
  if (!widget.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
  if (hide) widget.hide();
}

// A small drawn portrait, base64-encoded as a phone stores it.
std::string portrait(QColor background, QColor face, const char* format) {
  QImage image(96, 96, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(face);
  painter.drawEllipse(QRectF(30, 14, 36, 40));
  painter.drawEllipse(QRectF(14, 58, 68, 60));
  painter.end();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return buffer.data().toBase64().toStdString();
}

palvren::ContactRecord contact(std::initializer_list<std::pair<const char*, std::string>> lines) {
  palvren::ContactRecord record;
  for (const auto& [tag, value] : lines) {
    record.appendTag(tag);
    record.setValue(tag, value);
  }
  return record;
}

// Picks a generated address book and takes pictures while the run goes on.
class ShotDialogs : public palvren::WindowDialogs {
 public:
  ShotDialogs(QString input, std::function<void()> midRun)
      : input_(std::move(input)), midRun_(std::move(midRun)) {}
  void run(palvren::SourceDialogSettings& settings) override {
    settings.fileName = input_.toStdString();
  }
  void message(const std::string&, const std::string&, palvren::MessageIcon) override {}
  bool yesNo(const std::string&, const std::string&) override {
    midRun_();  // at "continue to Pass 2?": the progress bar and Stop show
    return true;
  }
  void messageWithReport(const std::string& text, const std::string&, palvren::MessageIcon,
                         const std::string& report, const std::string&) override {
    successText = text;
    this->report = report;
  }
  bool confirm(const std::string&, const std::string&) override { return false; }
  int choose(const std::string&, const std::string&, const std::vector<std::string>&) override {
    return 0;
  }
  std::optional<std::string> askText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  palvren::ConflictDecision conflict(const palvren::PromptContext&) override {
    return palvren::ConflictChoice::KeepOption1;
  }
  std::vector<bool> reviewMerges(const std::vector<palvren::MergeReview>& merges) override {
    return std::vector<bool>(merges.size(), true);
  }
  void browse(const std::string&) override {}
  void showAbout() override {}
  void showRedundancyLogic(const palvren::MatchRule&) override {}
  std::optional<std::vector<palvren::ImportField>> chooseColumns(
      const std::vector<std::string>&, const std::vector<std::vector<std::string>>&,
      const std::vector<palvren::ImportField>& proposed) override {
    return proposed;
  }

  std::string successText;
  std::string report;

 private:
  QString input_;
  std::function<void()> midRun_;
};

QString addressBook(const QString& folder) {
  const QString path = folder + "/contacts.vcf";
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  for (int i = 0; i < 3000; ++i) {
    const QByteArray n = QByteArray::number(i % 2600);
    file.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person " + n + "\r\nEMAIL:person" + n +
               "@example.org\r\nTEL;TYPE=CELL:+1 555 01" + QByteArray::number(i) +
               "\r\nEND:VCARD\r\n");
  }
  return path;
}

QPalette darkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(45, 45, 48));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Base, QColor(30, 30, 32));
  dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::Button, QColor(60, 60, 64));
  dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
  dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
  }
  return dark;
}

// The main window in the middle of a two-pass check, and the success message with its report.
void runShots(const QString& folder, const QString& suffix) {
  QTemporaryDir work;
  const QString input = addressBook(work.path());
  palvren::MainWindow* windowSeen = nullptr;
  auto owned = std::make_unique<ShotDialogs>(
      input, [&] { save(*windowSeen, folder, "main_window_running" + suffix + ".png", false); });
  ShotDialogs* dialogs = owned.get();
  palvren::MainWindow window(std::move(owned));
  windowSeen = &window;
  window.show();
  window.findChild<QAbstractButton*>("redundancyCheckBox")->click();
  window.findChild<QAbstractButton*>("passButtons1")->click();
  window.findChild<QAbstractButton*>("runButton")->click();
  QMessageBox box(QMessageBox::Information, "vCard Split Successfull",
                  QString::fromStdString(dialogs->successText).replace("\r\n", "\n"),
                  QMessageBox::Ok, &window);
  box.setDetailedText(QString::fromStdString(dialogs->report));
  box.addButton("&Save Report...", QMessageBox::ActionRole);
  box.show();
  for (QAbstractButton* button : box.findChildren<QAbstractButton*>()) {
    if (button->text().startsWith("Show Details")) button->click();
  }
  save(box, folder, "success_report" + suffix + ".png");
  window.hide();
}

// The Options menu with Write vCards As open beside it, as one picture.
void saveVersionMenu(const QString& folder, const QString& suffix) {
  palvren::MainWindow window;
  window.show();
  auto* options = window.findChild<QMenu*>("optionsMenu");
  auto* versions = window.findChild<QMenu*>("vcardVersionMenu");
  options->ensurePolished();
  options->adjustSize();
  versions->ensurePolished();
  versions->adjustSize();
  options->setActiveAction(versions->menuAction());
  const QPixmap menu = options->grab();
  const QPixmap submenu = versions->grab();
  const int top = options->actionGeometry(versions->menuAction()).top();
  QPixmap both(menu.width() + submenu.width(), std::max(menu.height(), top + submenu.height()));
  both.fill(window.palette().color(QPalette::Window));
  QPainter painter(&both);
  painter.drawPixmap(0, 0, menu);
  painter.drawPixmap(menu.width(), top, submenu);
  painter.end();
  const QString path = folder + "/options_menu" + suffix + ".png";
  if (!both.save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
}

// The dialog that asks where the columns of an unknown CSV go, grabbed while it is open.
void saveColumnMapping(const QString& folder, const QString& suffix, QWidget* parent) {
  const std::vector<std::string> header = {"Full Name", "Email", "Cell",  "Street Address",
                                           "ZIP",       "Town",  "Member"};
  const std::vector<std::vector<std::string>> values = {
      {"Jos\xC3\xA9 Br\xC3\xBCning", "Anna Weber"},
      {"jose@example.org", "anna@example.org"},
      {"+49 162 2433834", "+49 170 1234567"},
      {"Hauptstra\xC3\x9F"
       "e 5",
       "Ringweg 2"},
      {"48143", "10115"},
      {"M\xC3\xBCnster", "Berlin"},
      {"yes", "no"}};
  std::vector<palvren::ImportField> proposed;
  for (const std::string& name : header) proposed.push_back(palvren::guessedField(name));
  QTimer::singleShot(200, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      const QString path = folder + "/column_mapping" + suffix + ".png";
      if (!dialog->grab().save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
      dialog->close();
    }
  });
  palvren::showColumnMappingDialog(header, values, proposed, parent);
}

}  // namespace

// One person from two programs: a phone's vCard 2.1 (quoted-printable names) and a mail
// program's 3.0, with two photos; and a review of three merges.
struct Example {
  palvren::ContactRecord first;
  palvren::ContactRecord second;
  palvren::PromptContext context;
  std::vector<palvren::MergeReview> merges;
};

std::unique_ptr<Example> conflictExample() {
  const char* name = "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";
  const char* photo = "PHOTO;ENCODING=BASE64;TYPE=JPEG";
  const char* secondPhoto = "PHOTO;ENCODING=b;TYPE=JPEG";
  auto made = std::make_unique<Example>();
  made->first = contact({{"BEGIN", "VCARD"},
                         {"VERSION", "2.1"},
                         {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE", "Br=C3=BCning;Jos=C3=A9;;;"},
                         {name, "Jos=C3=A9 Br=C3=BCning"},
                         {"TEL;CELL", "+49 162 2433834"},
                         {"EMAIL;INTERNET", "jose.bruening@example.org"},
                         {photo, portrait(QColor(120, 170, 220), QColor(250, 220, 190), "JPEG")},
                         {"END", "VCARD"}});
  made->second =
      contact({{"BEGIN", "VCARD"},
               {"VERSION", "3.0"},
               {"N", "Br\xC3\xBCning;Jos\xC3\xA9;;;"},
               {"FN", "Jos\xC3\xA9 Br\xC3\xBCning"},
               {"EMAIL;TYPE=INTERNET", "jose.bruening@example.org"},
               {"TEL;TYPE=WORK", "+49 30 901820"},
               {secondPhoto, portrait(QColor(230, 200, 120), QColor(140, 100, 70), "JPEG")},
               {"END", "VCARD"}});
  const auto sameEmail = [](const char* address) {
    return Message(PALVREN_TEXT("Check", "Same e-mail: %1"), {address});
  };
  made->context = palvren::PromptContext{
      &made->first, &made->second, 3, 7, photo, sameEmail("jose.bruening@example.org")};
  made->context.secondTag = secondPhoto;
  made->context.matchedKey = "EMAIL";
  // A step of the review as pass 2 words it.
  const auto step = [](TextId outcome, TextId decider, int first, const char* firstName, int second,
                       const char* secondName, const Message& why) {
    const auto named = [](int position, const char* name) {
      return Message(PALVREN_TEXT("Check", "Contact (%1)"), {std::to_string(position)}) +
             Message::asIs(std::string(" ") + name);
    };
    return Message(outcome) + Message(decider) + Message::asIs(": ") + named(first, firstName) +
           Message(PALVREN_TEXT("Check", " and ")) + named(second, secondName) +
           Message::asIs(" \u2014 ") + why;
  };
  const TextId merged = PALVREN_TEXT("Check", "Merged, ");
  const TextId byYou = PALVREN_TEXT("Check", "decided by you");
  const char* jose = "Jos\xC3\xA9 Br\xC3\xBCning";
  made->merges = {
      {{step(merged, byYou, 3, jose, 7, jose, sameEmail("jose.bruening@example.org"))}, false},
      {{step(merged, PALVREN_TEXT("Check", "no conflict to decide"), 12, "Ann Lee", 40, "Ann Lee",
             Message(PALVREN_TEXT("Check", "Same telephone and name: %1, %2"),
                     {"555 0100", "Ann Lee"})),
        step(merged, PALVREN_TEXT("Check", "decided by an answer for all remaining conflicts"), 12,
             "Ann Lee", 41, "Ann Lee", sameEmail("ann@example.org"))},
       false},
      {{step(PALVREN_TEXT("Check", "Both removed (Keep Neither), "), byYou, 20, "Sarah Brown", 21,
             "Peter Brown", sameEmail("info@acme.example"))},
       true}};
  return made;
}

// The main window (with the check's options shown), the conflict window and the review in the
// language of locale, as main_window_<locale>.png and so on.
int saveTranslated(const QString& folder, const QString& locale) {
  palvren::installTranslations(QLocale(locale));
  palvren::MainWindow window;
  // The check's options shown, whatever the last session left.
  if (!window.findChild<QAbstractButton*>("redundancyCheckBox")->isChecked()) {
    window.findChild<QAbstractButton*>("redundancyCheckBox")->click();
  }
  for (const char* name : {"passButtons1", "namingButtons1"}) {
    window.findChild<QAbstractButton*>(name)->click();
  }
  save(window, folder, "main_window_" + locale + ".png");
  window.show();
  const std::unique_ptr<Example> example = conflictExample();
  palvren::ConflictWindow prompt(example->context, &window);
  save(prompt, folder, "conflict_window_" + locale + ".png");
  palvren::ReviewWindow review(example->merges, &window);
  save(review, folder, "review_window_" + locale + ".png");
  QApplication::setStyle("Fusion");
  QApplication::setPalette(darkPalette());
  save(window, folder, "main_window_" + locale + "_dark.png");
  palvren::ConflictWindow promptDark(example->context, &window);
  save(promptDark, folder, "conflict_window_" + locale + "_dark.png");
  return 0;
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString folder = argc > 1 ? argv[1] : "docs/screenshots";
  QDir().mkpath(folder);
  if (argc > 2) return saveTranslated(folder, argv[2]);
  palvren::MainWindow window;
  save(window, folder, "main_window.png");
  {
    // After a file is dropped on the window (or named on the command line).
    QTemporaryDir held;
    const QString file = held.path() + "/phone-contacts.vcf";
    QFile(file).open(QIODevice::WriteOnly);
    palvren::MainWindow dropped(std::make_unique<ShotDialogs>(QString(), [] {}));
    dropped.holdPaths({file.toStdString()});
    save(dropped, folder, "main_window_held.png");
  }
  for (const char* name : {"redundancyCheckBox", "passButtons1", "namingButtons1"}) {
    window.findChild<QAbstractButton*>(name)->click();
  }
  save(window, folder, "main_window_redundancy.png");
  window.show();
  palvren::AboutWindow about(&window);
  save(about, folder, "about.png");
  palvren::MoreWindow more(&window, palvren::MatchRule());
  save(more, folder, "redundancy_logic.png");
  const std::unique_ptr<Example> example = conflictExample();
  const palvren::PromptContext& context = example->context;
  const std::vector<palvren::MergeReview>& merges = example->merges;
  palvren::ReviewWindow review(merges, &window);
  save(review, folder, "review_window.png");
  palvren::ConflictWindow prompt(context, &window);
  save(prompt, folder, "conflict_window.png");
  runShots(folder, "");
  saveVersionMenu(folder, "");
  saveColumnMapping(folder, "", &window);
  QApplication::setStyle("Fusion");
  QApplication::setPalette(darkPalette());
  runShots(folder, "_dark");
  saveVersionMenu(folder, "_dark");
  saveColumnMapping(folder, "_dark", &window);
  palvren::ConflictWindow promptDark(context, &window);
  save(promptDark, folder, "conflict_window_dark.png");
  palvren::ReviewWindow reviewDark(merges, &window);
  save(reviewDark, folder, "review_window_dark.png");
  return 0;
}
