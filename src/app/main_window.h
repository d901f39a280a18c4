#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "app/source_dialog.h"
#include "app/window_dialogs.h"
#include "driver/held_input.h"
#include "driver/run_input.h"
#include "driver/run_options.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QCheckBox;
class QGroupBox;
class QLabel;

namespace palvren {
class ElidedLabel;
}
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace palvren {

// The program's main window: the operation, its options, an explanation, the Run command and
// the status bar. A run talks to it through a WindowPort; tests reach its controls by their
// object names.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(std::unique_ptr<WindowDialogs> dialogs = nullptr);
  ~MainWindow() override;

  // Holds paths handed to the program as the next run's input: selects the operation that fits
  // and says what is held. Paths handed over while a run goes on (its last message open, say)
  // are held once it ends, and the status says so meanwhile.
  void holdPaths(const std::vector<std::string>& paths);
  const HeldInput& heldInput() const { return held_; }
  // Where the next file dialog starts: the folder of the last choice, else the program's own
  // folder when the sample file is there (a build tree), else the home folder.
  std::string startFolder() const;

  // Asks for the input of mode with its file dialog; nothing when the person cancels.
  RunInput selectInput(RunMode mode);
  RunMode currentRunMode() const;
  bool isRunning() const { return running_; }
  const SourceDialogSettings& sourceDialog() const { return sourceDialog_; }

  // The option states.
  NamingMode namingMode() const;
  RedundancyMode redundancyMode() const;
  bool redundancyCheckTicked() const;
  ExportFormat exportFormat() const;
  VcardVersion vcardVersion() const;
  const MatchRule& matchRule() const { return matchRule_; }
  // Everything a run started now would do, read at once.
  RunOptions runOptions() const;

  // The two text panels of the status bar.
  void showStatus(const Message& text);
  void showCount(const Message& text);
  // The progress bar beside them: done of total, named by the phase the status line says,
  // hidden for a total of 0.
  void showProgress(int done, int total);
  // Whether the person ended the program, or asked the run to stop, while a run goes on.
  bool runAbandoned() const { return abandoned_; }
  bool stopRequested() const { return stopRequested_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void load();
  void fitToContents();
  // Keeps the operation, naming, check box and passes for the next session.
  void saveChoices();
  QWidget* buildStartWithFrame();
  QWidget* buildRedundancyFrame();
  QWidget* buildRunOptionFrame();
  void buildStatusBar();
  void buildMenus();
  void buildOptionsMenu();
  void buildVersionMenu(QMenu* options);
  void onCountryCodeTriggered();
  void setTabOrder();
  void updateClock();

  void onOperationChosen(int index);
  void onRedundancyCheckToggled();
  void onRunClicked();
  void onRunTriggered();
  void onRedundancyInfoClicked();
  void onRedundancyLogicTriggered();
  void onAboutTriggered();
  void onExitTriggered();
  void setRunning(bool running);
  // Whether the person, asked, wants to end the run under way and quit.
  bool mayQuit();

  std::array<QRadioButton*, 5> operationButtons;
  std::array<QRadioButton*, 2> namingButtons;
  std::array<QRadioButton*, 2> passButtons;
  std::array<QLabel*, 3> passLabels;
  QLabel* tolerantLabel;
  std::array<QLabel*, 5> explanationLabels;
  QGroupBox* operationFrame;
  QGroupBox* passFrame;
  QGroupBox* runFrame;
  QGroupBox* namingFrame;
  QCheckBox* redundancyCheckBox;
  QPushButton* redundancyInfoButton;
  QPushButton* runButton;
  ElidedLabel* statusPanel;
  ElidedLabel* countPanel;
  ElidedLabel* clockPanel;
  QProgressBar* progressBar;
  QAction* runAction;
  QAction* exitAction;
  QAction* redundancyLogicAction;
  QAction* aboutAction;
  // Options > Export Format: Raw, Google Contacts, Outlook, in that order.
  QMenu* exportFormatMenu;
  std::vector<QAction*> formatActions;
  // Options > Write vCards As: As Read, vCard 2.1, 3.0, 4.0, in the order of VcardVersion.
  QMenu* vcardVersionMenu;
  std::vector<QAction*> versionActions;
  QAction* tolerantMatchingAction;
  QAction* countryCodeAction;
  MatchRule matchRule_;
  HeldInput held_;
  std::vector<std::string> handedDuringRun_;
  std::string statusSource_;  // the status line's text in English, which names the phase

  std::unique_ptr<WindowDialogs> dialogs_;
  SourceDialogSettings sourceDialog_;
  bool running_ = false;
  bool loaded_ = false;  // the saved choices are shown: from now on changes are saved
  bool abandoned_ = false;
  bool stopRequested_ = false;
};

// Thrown out of a run when the user ends the program while it goes on.
struct RunAbandoned {};

}  // namespace palvren
