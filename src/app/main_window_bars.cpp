// The main window's menu bar and status bar.
#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "app/elided_label.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/settings.h"

namespace palvren {

namespace {

constexpr int kTwipsPerPixel = 15;
int px(int twips) { return twips / kTwipsPerPixel; }

ElidedLabel* statusPanelLabel(const QString& text, int widthTwips, QWidget* parent) {
  auto* label = new ElidedLabel(text, parent);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setMinimumWidth(px(widthTwips));
  return label;
}

// The phase of a status, by the English source of its text.
QString progressPhase(const std::string& status) {
  static const std::pair<const char*, const char*> kPhases[] = {
      {"Verifying Input File", QT_TRANSLATE_NOOP("palvren::MainWindow", "Counting")},
      {"Loading File Data", QT_TRANSLATE_NOOP("palvren::MainWindow", "Loading")},
      {"Performing Contact Cleaner", QT_TRANSLATE_NOOP("palvren::MainWindow", "Cleaning")},
      {"PASS 1", QT_TRANSLATE_NOOP("palvren::MainWindow", "Pass 1:")},
      {"PASS 2", QT_TRANSLATE_NOOP("palvren::MainWindow", "Pass 2:")},
      {"Writing Output Files", QT_TRANSLATE_NOOP("palvren::MainWindow", "Writing")},
      {"Processing", QT_TRANSLATE_NOOP("palvren::MainWindow", "Writing")},
      {"Exporting", QT_TRANSLATE_NOOP("palvren::MainWindow", "Exporting")},
      {"Merging", QT_TRANSLATE_NOOP("palvren::MainWindow", "Merging")}};
  for (const auto& [start, phase] : kPhases) {
    if (status.starts_with(start)) return MainWindow::tr(phase);
  }
  return QString();
}

}  // namespace

void MainWindow::buildMenus() {
  // An entry of a menu, with its object name and handler.
  auto entry = [this](QMenu* menu, const QString& caption, const char* name,
                      void (MainWindow::*click)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, click);
    return action;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("fileMenu");
  runAction = entry(file, tr("&Run Now"), "runAction", &MainWindow::onRunTriggered);
  file->addSeparator();
  exitAction = entry(file, tr("E&xit"), "exitAction", &MainWindow::onExitTriggered);
  buildOptionsMenu();
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName("helpMenu");
  redundancyLogicAction = entry(help, tr("&Redundancy Logic"), "redundancyLogicAction",
                                &MainWindow::onRedundancyLogicTriggered);
  help->addSeparator();
  aboutAction = entry(help, tr("&About"), "aboutAction", &MainWindow::onAboutTriggered);
}

// Options kept between sessions: the match rule, the export format and the form vCards are
// written in.
void MainWindow::buildOptionsMenu() {
  QMenu* options = menuBar()->addMenu(tr("&Options"));
  options->setObjectName("optionsMenu");
  matchRule_ = savedMatchRule();
  tolerantMatchingAction =
      options->addAction(tr("&Tolerant Matching (case, spacing, accents, number format)"));
  tolerantMatchingAction->setObjectName("tolerantMatchingAction");
  tolerantMatchingAction->setCheckable(true);
  tolerantMatchingAction->setChecked(matchRule_.tolerant);
  tolerantLabel->setVisible(matchRule_.tolerant);
  connect(tolerantMatchingAction, &QAction::toggled, this, [this](bool on) {
    matchRule_.tolerant = on;
    tolerantLabel->setVisible(on);
    fitToContents();
    saveMatchRule(matchRule_);
  });
  countryCodeAction = options->addAction(tr("Default &Country Code..."));
  countryCodeAction->setObjectName("countryCodeAction");
  connect(countryCodeAction, &QAction::triggered, this, &MainWindow::onCountryCodeTriggered);
  options->addSeparator();
  exportFormatMenu = options->addMenu(tr("&Export Format"));
  exportFormatMenu->setObjectName("exportFormatMenu");
  auto* group = new QActionGroup(this);
  const ExportFormat saved = savedExportFormat();
  for (const ExportFormatInfo& format : exportFormats()) {
    QAction* action = exportFormatMenu->addAction(translatedText(Message(format.menuCaption)));
    action->setObjectName(QString::fromUtf8(format.key.data(), qsizetype(format.key.size())) +
                          "FormatAction");
    action->setCheckable(true);
    action->setChecked(format.format == saved);
    group->addAction(action);
    const ExportFormat chosen = format.format;
    connect(action, &QAction::triggered, this, [chosen] { saveExportFormat(chosen); });
    formatActions.push_back(action);
  }
  buildVersionMenu(options);
}

// Options > Write vCards As: as read (byte for byte), or converted to one version.
void MainWindow::buildVersionMenu(QMenu* options) {
  vcardVersionMenu = options->addMenu(tr("&Write vCards As"));
  vcardVersionMenu->setObjectName("vcardVersionMenu");
  auto* group = new QActionGroup(this);
  const VcardVersion saved = savedVcardVersion();
  const std::pair<VcardVersion, QString> choices[] = {{VcardVersion::AsRead, tr("As &Read")},
                                                      {VcardVersion::V21, tr("vCard &2.1")},
                                                      {VcardVersion::V30, tr("vCard &3.0")},
                                                      {VcardVersion::V40, tr("vCard &4.0")}};
  for (const auto& [version, caption] : choices) {
    QAction* action = vcardVersionMenu->addAction(caption);
    const std::string_view number = versionNumber(version);
    action->setObjectName(number.empty()
                              ? QString("asReadAction")
                              : "vcard" + QString::fromLatin1(number.data(), 1) +
                                    QString::fromLatin1(number.data() + 2, 1) + "Action");
    action->setCheckable(true);
    action->setChecked(version == saved);
    group->addAction(action);
    const VcardVersion chosen = version;
    connect(action, &QAction::triggered, this, [chosen] { saveVcardVersion(chosen); });
    versionActions.push_back(action);
  }
}

// The calling code read as the trunk "0" of national numbers when matching tolerantly.
void MainWindow::onCountryCodeTriggered() {
  std::optional<std::string> typed = dialogs_->askText(
      tr("Country calling code for national numbers (digits, such as 44 or 1); empty for none:")
          .toStdString(),
      tr("Default Country Code").toStdString(), matchRule_.countryCode);
  if (!typed) return;
  std::string digits;
  for (char c : *typed) {
    if (c >= '0' && c <= '9') digits += c;
  }
  if (digits.size() > 3) {
    dialogs_->message(tr("A country calling code has one to three digits.").toStdString(),
                      tr("Default Country Code").toStdString(), MessageIcon::Critical);
    return;
  }
  matchRule_.countryCode = digits;
  saveMatchRule(matchRule_);
}

void MainWindow::buildStatusBar() {
  statusPanel = statusPanelLabel(tr("Please Choose Options and Click Run..."), 4455, this);
  countPanel = statusPanelLabel(tr("No Card"), 4455, this);
  clockPanel = statusPanelLabel(QString(), 1440, this);
  statusPanel->setObjectName("statusPanel");
  countPanel->setObjectName("countPanel");
  clockPanel->setObjectName("clockPanel");
  clockPanel->setAlignment(Qt::AlignCenter);
  progressBar = new QProgressBar(this);
  progressBar->setObjectName("progressBar");
  progressBar->setMaximumWidth(px(2400));
  progressBar->hide();
  statusBar()->addWidget(statusPanel, 1);
  statusBar()->addWidget(countPanel, 1);
  statusBar()->addWidget(progressBar, 1);
  statusBar()->addPermanentWidget(clockPanel);
  statusBar()->setSizeGripEnabled(false);
  updateClock();
  auto* clock = new QTimer(statusBar());
  connect(clock, &QTimer::timeout, this, &MainWindow::updateClock);
  clock->start(1000);
}

void MainWindow::updateClock() { clockPanel->setFullText(QTime::currentTime().toString("HH:mm")); }

void MainWindow::showStatus(const Message& text) {
  statusPanel->setFullText(translatedText(text));
  statusSource_ = text.empty() ? std::string() : text.pieces().front().text;
}
void MainWindow::showCount(const Message& text) { countPanel->setFullText(translatedText(text)); }

void MainWindow::showProgress(int done, int total) {
  progressBar->setVisible(total > 0);
  if (total <= 0) return;
  // The bar names its phase, with the counts as the person's locale writes them.
  const QString phase = progressPhase(statusSource_);
  const QLocale locale;
  const QString counts = tr("%1 of %2").arg(locale.toString(done), locale.toString(total));
  progressBar->setFormat(phase.isEmpty() ? counts : phase + " " + counts);
  progressBar->setRange(0, total);
  progressBar->setValue(done);
}

}  // namespace palvren
