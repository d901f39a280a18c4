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
class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(std::unique_ptr<WindowDialogs> dialogs = nullptr);
  ~frmMain() override;

  // Holds paths handed to the program as the next run's input: selects the operation that fits
  // and says what is held. While a run goes on nothing is taken, and the status says so.
  void holdPaths(const std::vector<std::string>& paths);
  const HeldInput& heldInput() const { return held_; }
  // Where the next file dialog starts: the folder of the last choice, else the program's own
  // folder when the sample file is there (a build tree), else the home folder.
  std::string startFolder() const;

  // Asks for the input of mode with its file dialog; nothing when the person cancels.
  RunInput selectInput(RunMode mode);
  RunMode currentRunMode() const;
  bool isRunning() const { return running_; }
  const SourceDialogSettings& sourceDialog() const { return cdcSource_; }

  // The option states.
  NamingMode namingMode() const;
  RedundancyMode redundancyMode() const;
  bool redundancyCheckTicked() const;
  ExportFormat exportFormat() const;
  const MatchRule& matchRule() const { return matchRule_; }
  // Everything a run started now would do, read at once.
  RunOptions runOptions() const;

  // The two text panels of the status bar.
  void showStatus(const std::string& text);
  void showCount(const std::string& text);
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
  void Form_Load();
  void fitToContents();
  // Keeps the operation, naming, check box and passes for the next session.
  void saveChoices();
  QWidget* buildStartWithFrame();
  QWidget* buildRedundancyFrame();
  QWidget* buildRunOptionFrame();
  void buildStatusBar();
  void buildMenus();
  void buildOptionsMenu();
  void mnuCountryCode_Click();
  void setTabOrder();
  void updateClock();

  void optStartWith_Click(int index);
  void chkRedundancyCheck_Click();
  void cmdRun_Click();
  void mnuRun_Click();
  void cmdRedundancyInfo_Click();
  void mnuRedunLogic_Click();
  void mnuAbout_Click();
  void mnuExit_Click();
  void setRunning(bool running);
  // Whether the person, asked, wants to end the run under way and quit.
  bool mayQuit();

  std::array<QRadioButton*, 4> optStartWith;
  std::array<QRadioButton*, 2> optNaming;
  std::array<QRadioButton*, 2> optRedunActions;
  std::array<QLabel*, 3> lblRedunOptions;
  QLabel* lblTolerant;
  std::array<QLabel*, 4> lblExecutionInfo;
  QGroupBox* fraStartWith;
  QGroupBox* fraRedunOptions;
  QGroupBox* fraRunOption;
  QGroupBox* fraNaming;
  QCheckBox* chkRedundancyCheck;
  QPushButton* cmdRedundancyInfo;
  QPushButton* cmdRun;
  ElidedLabel* statusPanel;
  ElidedLabel* countPanel;
  ElidedLabel* clockPanel;
  QProgressBar* progressBar;
  QAction* mnuRun;
  QAction* mnuExit;
  QAction* mnuRedunLogic;
  QAction* mnuAbout;
  // Options > Export Format: Raw, Google Contacts, Outlook, in that order.
  QMenu* mnuExportFormat;
  std::vector<QAction*> mnuFormat;
  QAction* mnuTolerantMatching;
  QAction* mnuCountryCode;
  MatchRule matchRule_;
  HeldInput held_;

  std::unique_ptr<WindowDialogs> dialogs_;
  SourceDialogSettings cdcSource_;
  bool running_ = false;
  bool loaded_ = false;  // the saved choices are shown: from now on changes are saved
  bool abandoned_ = false;
  bool stopRequested_ = false;
};

// Thrown out of a run when the user ends the program while it goes on.
struct RunAbandoned {};

}  // namespace palvren
