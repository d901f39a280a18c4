#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/elided_label.h"
#include "app/qt_text.h"
#include "app/settings.h"
#include "app/window_port.h"
#include "driver/run_driver.h"
#include "platform/file_system.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

constexpr int kTwipsPerPixel = 15;
int px(int twips) { return twips / kTwipsPerPixel; }

QGroupBox* namedFrame(const QString& caption, const char* name, QWidget* parent = nullptr) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

const char* const kExplanations[5] = {
    QT_TRANSLATE_NOOP(
        "palvren::MainWindow",
        "This option will request the file name of a singe multiple-contact vCard file (.vcf), "
        "and create a folder in that directory with the name \"Split-vCards\".  Within that "
        "folder, a single VCF file will be created for each contact found in the original "
        "multiple-contact vCard.  These single-contact VCF files should be compatible with most "
        "devices and software (such as MS-Outlook, cell-phones, etc.)"),
    QT_TRANSLATE_NOOP(
        "palvren::MainWindow",
        "This option will request the path to the folder containing multiple, single-contact "
        "vCard files.  It will then re-combine all of the contacts into one large "
        "multiple-contact vCard file.  This option is effectively the reverse function of the "
        "first (Split) option."),
    QT_TRANSLATE_NOOP(
        "palvren::MainWindow",
        "This option will request the file names of several multiple-contact vCard files and "
        "merge them together into one large vCard file.  From here, the other options may be "
        "employed to split, export, or check for redundancies."),
    QT_TRANSLATE_NOOP(
        "palvren::MainWindow",
        "This option will request the file name of a singe, multiple-contact vCard file (.vcf), "
        "and create a comma-delimted text file (.csv) containing all of the information.  This "
        "file may be imported in MS-Excel (or similar) so that all of the contact information "
        "may be manually parsed or concatenated by the user."),
    QT_TRANSLATE_NOOP(
        "palvren::MainWindow",
        "This option will request the file name of a CSV file (.csv) that a spreadsheet, Google "
        "Contacts, Outlook, Thunderbird or this program wrote, and create the multiple-contact "
        "vCard file \"Contacts_Imported.vcf\" beside it, one contact for each row.  When it does "
        "not know the columns, it asks where each one goes before anything is written."),
};

// The blue of the explanatory lines and the arrow, readable on the window's own background:
// the plain blue on a light one, a light blue on a dark one (each above 4.5:1).
QColor explanationBlue(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128 ? QColor(0x8A, 0xB4, 0xF8)
                                                           : QColor(Qt::blue);
}

// Two short blue lines forming an arrowhead that points at the redundancy check box.
class ArrowHead : public QWidget {
 public:
  explicit ArrowHead(QWidget* parent) : QWidget(parent) {
    setObjectName("arrowHead");
    setFixedSize(px(240) + 2, px(600) + 2);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(explanationBlue(palette()), 2));
    painter.drawLine(0, 0, px(240), px(240));
    painter.drawLine(0, px(600), px(240), px(360));
  }
};

void setAllEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

void paintBlue(QLabel* label, const QPalette& window) {
  QPalette palette = label->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, explanationBlue(window));
  }
  label->setPalette(palette);
}

QLabel* blueLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  paintBlue(label, parent->palette());
  return label;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<WindowDialogs> dialogs) : dialogs_(std::move(dialogs)) {
  if (!dialogs_) dialogs_ = std::make_unique<QtWindowDialogs>(this);
  setObjectName("MainWindow");
  setWindowTitle(tr("Palvren - Main Window"));
  setWindowIcon(applicationIcon());
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(px(240), px(240), px(240), px(120));
  grid->setHorizontalSpacing(px(240));
  grid->addWidget(buildStartWithFrame(), 0, 0);
  grid->addWidget(buildRedundancyFrame(), 1, 0);
  grid->addWidget(buildRunOptionFrame(), 0, 1, 2, 1);
  runButton = new QPushButton(tr("&Run Now"), central);
  runButton->setObjectName("runButton");
  runButton->setToolTip(tr("Split a multi-contact vCard into separate vCard files"));
  // The text colour goes with the background: a dark scheme's light text is unreadable on green.
  runButton->setStyleSheet(
      "QPushButton { background-color: rgb(96, 200, 96); color: black; font-weight: bold;"
      " border: 1px solid rgb(40, 110, 40); border-radius: 3px; }"
      // Keyboard focus shows as a thick dark frame, plain on the green in any colour scheme.
      "QPushButton:focus { border: 3px solid rgb(0, 40, 120); }");
  runButton->setMinimumHeight(px(495));
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (running_) stopRequested_ = true;
  });
  grid->addWidget(runButton, 2, 0, 1, 2);
  setCentralWidget(central);
  buildMenus();
  setAcceptDrops(true);
  buildStatusBar();
  setTabOrder();
  connect(runButton, &QPushButton::clicked, this, &MainWindow::onRunClicked);
  load();
  if (!settingsUsable()) {
    statusPanel->setFullText(tr("\"%1\" is not a regular file: the options start at their "
                                "defaults and are not saved.")
                                 .arg(settingsFilePath()));
  }
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildStartWithFrame() {
  operationFrame = namedFrame(tr("What to Do"), "operationFrame");
  auto* layout = new QVBoxLayout(operationFrame);
  const QString captions[5] = {tr("&Multiple-Contact vCard to Individual vCard Split"),
                               tr("R&ecombine Single vCard Files into Mutiple-Contact File"),
                               tr("Mer&ge Multiple vCard Files Together"),
                               tr("E&xport Multiple-Contact vCard File to Raw CSV"),
                               tr("Im&port CSV File into Multiple-Contact vCard")};
  for (int i = 0; i < 5; ++i) {
    operationButtons[i] = new QRadioButton(captions[i], operationFrame);
    operationButtons[i]->setObjectName(QString("operationButtons%1").arg(i));
    layout->addWidget(operationButtons[i]);
    connect(operationButtons[i], &QRadioButton::clicked, this, [this, i] { onOperationChosen(i); });
  }
  operationButtons[0]->setChecked(true);
  return operationFrame;
}

QWidget* MainWindow::buildRedundancyFrame() {
  passFrame = namedFrame(tr("Redundancy Options"), "passFrame");
  auto* layout = new QVBoxLayout(passFrame);
  passLabels[0] = new QLabel(
      tr("Any time a contact redundancy is found (as described in the \"More Info\" box above), "
         "the following action(s) will be taken:"),
      passFrame);
  passLabels[0]->setWordWrap(true);
  passButtons[0] = new QRadioButton(tr("1 PASS - Eliminate Perfect Duplicates Only"), passFrame);
  passLabels[1] = blueLabel(tr("* Only take action on identical fields and contents"), passFrame);
  passButtons[1] = new QRadioButton(
      tr("2 PASS - Perfect Dupliicates + Attempt to Merge \"Similar\""), passFrame);
  passLabels[2] =
      blueLabel(tr("* User will be prompted for dissimilar data in identical fields"), passFrame);
  layout->addWidget(passLabels[0]);
  layout->addWidget(passButtons[0]);
  layout->addWidget(passLabels[1]);
  layout->addWidget(passButtons[1]);
  layout->addWidget(passLabels[2]);
  tolerantLabel =
      blueLabel(tr("Tolerant Matching is on: Pass 2 ignores case, spacing, accents and number "
                   "format."),
                passFrame);
  tolerantLabel->setObjectName("tolerantLabel");
  tolerantLabel->setWordWrap(true);
  layout->addWidget(tolerantLabel);
  for (QLabel* label : {passLabels[1], passLabels[2]}) label->setIndent(px(240));
  for (int i = 0; i < 3; ++i) passLabels[i]->setObjectName(QString("passLabels%1").arg(i));
  for (int i = 0; i < 2; ++i) passButtons[i]->setObjectName(QString("passButtons%1").arg(i));
  passButtons[0]->setChecked(true);
  for (QRadioButton* passes : passButtons) {
    connect(passes, &QRadioButton::toggled, this, [this] { saveChoices(); });
  }
  return passFrame;
}

QWidget* MainWindow::buildRunOptionFrame() {
  runFrame = namedFrame(tr("Execution Details/Options"), "runFrame");
  auto* layout = new QVBoxLayout(runFrame);
  auto* explanations = new QWidget(runFrame);
  auto* stack = new QGridLayout(explanations);
  stack->setContentsMargins(0, 0, 0, 0);
  QFont font("Franklin Gothic Medium", 9);
  const int width = px(4605);
  int height = px(2175);
  for (int i = 0; i < 5; ++i) {
    explanationLabels[i] = new QLabel(tr(kExplanations[i]), explanations);
    explanationLabels[i]->setObjectName(QString("explanationLabels%1").arg(i));
    explanationLabels[i]->setWordWrap(true);
    explanationLabels[i]->setFont(font);
    explanationLabels[i]->setFrameShape(QFrame::Box);
    explanationLabels[i]->setMargin(3);
    explanationLabels[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanationLabels[i]->setAutoFillBackground(true);
    QPalette palette = explanationLabels[i]->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    explanationLabels[i]->setPalette(palette);
    height = std::max(height, explanationLabels[i]->heightForWidth(width) + 4);
    stack->addWidget(explanationLabels[i], 0, 0);
  }
  for (QLabel* label : explanationLabels) label->setFixedSize(width, height);
  layout->addWidget(explanations);

  namingFrame = namedFrame(tr("vCard Naming Options"), "namingFrame", runFrame);
  auto* naming = new QVBoxLayout(namingFrame);
  namingButtons[0] = new QRadioButton(tr("Name vCards &Numerically"), namingFrame);
  namingButtons[0]->setToolTip(
      tr("Every vCard file will be named per its index without reguard to contents"));
  namingButtons[1] = new QRadioButton(tr(" Name vCards from &Contact Info"), namingFrame);
  namingButtons[1]->setToolTip(
      tr("vCard files will be named per the first valid field in the following sequence: "
         "Formatted Name, Name, Title, Email"));
  for (int i = 0; i < 2; ++i) {
    namingButtons[i]->setObjectName(QString("namingButtons%1").arg(i));
    naming->addWidget(namingButtons[i]);
  }
  namingButtons[0]->setChecked(true);
  for (QRadioButton* naming : namingButtons) {
    connect(naming, &QRadioButton::toggled, this, [this] { saveChoices(); });
  }
  layout->addWidget(namingFrame);

  auto* checkRow = new QHBoxLayout;
  checkRow->setContentsMargins(0, 0, 0, 0);
  checkRow->addWidget(new ArrowHead(runFrame));
  redundancyCheckBox = new QCheckBox(tr("Check for Re&dundancies"), runFrame);
  redundancyCheckBox->setObjectName("redundancyCheckBox");
  redundancyInfoButton = new QPushButton(tr("More &Info"), runFrame);
  redundancyInfoButton->setObjectName("redundancyInfoButton");
  checkRow->addWidget(redundancyCheckBox);
  checkRow->addWidget(redundancyInfoButton);
  checkRow->addStretch(1);
  layout->addStretch(1);
  layout->addLayout(checkRow);
  layout->setContentsMargins(px(120), px(240), px(120), 0);
  connect(redundancyCheckBox, &QCheckBox::clicked, this, &MainWindow::onRedundancyCheckToggled);
  connect(redundancyInfoButton, &QPushButton::clicked, this, &MainWindow::onRedundancyInfoClicked);
  return runFrame;
}

void MainWindow::setTabOrder() {
  QList<QWidget*> order = {operationButtons[0], operationButtons[1], operationButtons[2],
                           operationButtons[3], operationButtons[4], namingButtons[0],
                           namingButtons[1],    redundancyCheckBox,  redundancyInfoButton,
                           passButtons[0],      passButtons[1],      runButton};
  for (int i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

// The window's fixed size follows what it shows (the tolerant line comes and goes).
void MainWindow::fitToContents() {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  adjustSize();
  setFixedSize(sizeHint());
}

void MainWindow::load() {
  // Fixed size, centred on the screen; the Run button spans both columns.
  fitToContents();
  if (const QScreen* shown = screen()) {
    move(shown->availableGeometry().center() - rect().center());
  }
  // The choices of the last session, the first time the design's: Split, numbered, unticked,
  // one pass.
  const WindowChoices choices = savedWindowChoices();
  operationButtons[std::size_t(choices.operation)]->setChecked(true);
  namingButtons[std::size_t(choices.naming)]->setChecked(true);
  redundancyCheckBox->setChecked(choices.check);
  passButtons[std::size_t(choices.passes - 1)]->setChecked(true);
  loaded_ = true;
  onOperationChosen(choices.operation);
  onRedundancyCheckToggled();
}

void MainWindow::saveChoices() {
  if (!loaded_) return;
  saveWindowChoices({static_cast<int>(currentRunMode()), namingButtons[1]->isChecked() ? 1 : 0,
                     redundancyCheckBox->isChecked(), passButtons[1]->isChecked() ? 2 : 1});
}

void MainWindow::onOperationChosen(int index) {
  saveChoices();
  for (int i = 0; i < 5; ++i) explanationLabels[i]->setVisible(i == index);
  // Naming is Split's alone; the redundancy check serves every operation but the export and the
  // import (run Split or the check on what an import wrote).
  const RunMode mode = static_cast<RunMode>(index);
  setAllEnabled({namingFrame, namingButtons[0], namingButtons[1]}, mode == RunMode::Split);
  setAllEnabled({redundancyCheckBox, redundancyInfoButton},
                mode != RunMode::Export && mode != RunMode::Import);
}

void MainWindow::onRedundancyCheckToggled() {
  saveChoices();
  const bool on = redundancyCheckBox->isChecked();
  setAllEnabled(
      {passFrame, passLabels[0], passLabels[1], passLabels[2], passButtons[0], passButtons[1]}, on);
}

RunMode MainWindow::currentRunMode() const {
  for (int i = 0; i < 5; ++i) {
    if (operationButtons[std::size_t(i)]->isChecked()) return static_cast<RunMode>(i);
  }
  return RunMode::Export;  // as the program always has, when none is selected
}

RunInput MainWindow::selectInput(RunMode mode) {
  const RunInput input =
      inputOfSelection(runSourceDialog(mode, sourceDialog_, *dialogs_, startFolder()), mode);
  switch (input.kind) {
    case RunInput::Kind::File:
      saveLastFolder(parentFolder(input.path));
      break;
    case RunInput::Kind::Files:
    case RunInput::Kind::Folder:
      saveLastFolder(input.path);
      break;
    case RunInput::Kind::None:
      break;
  }
  return input;
}

std::string MainWindow::startFolder() const {
  const std::string last = savedLastFolder();
  if (!last.empty() && folderExists(last)) return last;
  const std::string programFolder = pathBytes(QCoreApplication::applicationDirPath());
  if (fileExists(programFolder + "/sample_contacts.vcf")) return programFolder;
  return pathBytes(QDir::homePath());
}

void MainWindow::holdPaths(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  if (running_) {
    // Held once the run and its message are over; the run's own status comes first.
    handedDuringRun_ = paths;
    showStatus(paths.size() == 1
                   ? Message(PALVREN_TEXT("palvren::MainWindow",
                                          "\"%1\" was handed over: it is held when this run ends."),
                             {fileNameOf(paths[0])})
                   : Message(PALVREN_COUNTED_TEXT(
                                 "palvren::MainWindow",
                                 "%n files were handed over: they are held when this run ends."),
                             static_cast<long long>(paths.size())));
    return;
  }
  held_ = palvren::holdPaths(paths, currentRunMode());
  if (held_.holds()) {
    const int index = static_cast<int>(held_.mode);
    operationButtons[std::size_t(index)]->setChecked(true);
    onOperationChosen(index);
    saveLastFolder(held_.folder);
  }
  showStatus(held_.status);
}

// Files and folders dragged from the file browser are held as the next input.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (running_ || !event->mimeData()->hasUrls()) return;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) return;
  }
  event->acceptProposedAction();
}

// A palette change (a light or dark scheme chosen on the desktop) recolours the explanations.
void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  for (QLabel* label : {passLabels[1], passLabels[2], tolerantLabel}) {
    paintBlue(label, palette());
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) paths.push_back(pathBytes(url.toLocalFile()));
  holdPaths(paths);
  event->acceptProposedAction();
}

void MainWindow::onRunClicked() {
  // During a run the button is Stop: two runs must never write the same files at once.
  if (running_) {
    stopRequested_ = true;
    return;
  }
  const RunOptions options = runOptions();
  setRunning(true);
  try {
    // Held paths stand in for the dialog once, if they suit the operation still selected.
    const bool useHeld = held_.holds() && held_.mode == options.mode;
    const RunInput input = useHeld ? held_.input : selectInput(options.mode);
    held_ = HeldInput();
    WindowPort port(*this, *dialogs_);
    if (input.kind != RunInput::Kind::None) runOperation(input, options, port);
  } catch (const RunAbandoned&) {
    setRunning(false);
    QCoreApplication::quit();
    return;
  }
  setRunning(false);
  if (!handedDuringRun_.empty()) holdPaths(std::exchange(handedDuringRun_, {}));
}

// While a run goes on, its options are held: the operation, naming and redundancy choices and
// File > Run Now are disabled, and Run Now becomes Stop. Help and Exit stay available.
void MainWindow::setRunning(bool running) {
  running_ = running;
  stopRequested_ = false;
  runButton->setText(running ? tr("&Stop") : tr("&Run Now"));
  runAction->setEnabled(!running);
  exportFormatMenu->setEnabled(!running);
  vcardVersionMenu->setEnabled(!running);
  tolerantMatchingAction->setEnabled(!running);
  countryCodeAction->setEnabled(!running);
  operationFrame->setEnabled(!running);
  if (running) {
    setAllEnabled({namingFrame, namingButtons[0], namingButtons[1], redundancyCheckBox, passFrame,
                   passLabels[0], passLabels[1], passLabels[2], passButtons[0], passButtons[1]},
                  false);
    return;
  }
  showProgress(0, 0);
  onOperationChosen(static_cast<int>(currentRunMode()));
  onRedundancyCheckToggled();
}

void MainWindow::onRunTriggered() { onRunClicked(); }
void MainWindow::onRedundancyInfoClicked() { dialogs_->showRedundancyLogic(matchRule_); }
void MainWindow::onRedundancyLogicTriggered() { onRedundancyInfoClicked(); }
void MainWindow::onAboutTriggered() { dialogs_->showAbout(); }

bool MainWindow::mayQuit() {
  if (!running_) return true;
  if (!dialogs_->confirm(tr("A run is in progress. Stop it and quit?").toStdString(), "Palvren")) {
    return false;
  }
  abandoned_ = true;  // the run ends at its next step, removing what it was writing
  return true;
}

void MainWindow::onExitTriggered() {
  if (mayQuit()) QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayQuit()) {
    event->accept();
  } else {
    event->ignore();
  }
}

NamingMode MainWindow::namingMode() const {
  return namingButtons[1]->isChecked() ? NamingMode::ContactInfo : NamingMode::Numeric;
}
RedundancyMode MainWindow::redundancyMode() const {
  return passButtons[1]->isChecked() ? RedundancyMode::Pass1And2 : RedundancyMode::Pass1Only;
}
bool MainWindow::redundancyCheckTicked() const { return redundancyCheckBox->isChecked(); }
ExportFormat MainWindow::exportFormat() const {
  for (std::size_t i = 0; i < formatActions.size(); ++i) {
    if (formatActions[i]->isChecked()) return exportFormats()[i].format;
  }
  return ExportFormat::Raw;
}
VcardVersion MainWindow::vcardVersion() const {
  for (std::size_t i = 0; i < versionActions.size(); ++i) {
    if (versionActions[i]->isChecked()) return static_cast<VcardVersion>(i);
  }
  return VcardVersion::AsRead;
}

RunOptions MainWindow::runOptions() const {
  RunOptions options;
  options.mode = currentRunMode();
  options.naming = namingMode();
  options.check = redundancyCheckTicked();
  options.checkOptions = {redundancyMode(), matchRule_};
  options.format = exportFormat();
  options.vcardVersion = vcardVersion();
  return options;
}

}  // namespace palvren
