#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "app/source_dialog.h"
#include "app/window_dialogs.h"
#include "platform/user_interface.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace palvren {

// The program's main window: the operation, its options, an explanation, the Run command and
// the status bar. It is also the operations' user interface.
class frmMain : public QMainWindow, public UserInterface {
  Q_OBJECT
 public:
  explicit frmMain(std::unique_ptr<WindowDialogs> dialogs = nullptr);
  ~frmMain() override;

  std::array<QRadioButton*, 4> optStartWith;
  std::array<QRadioButton*, 2> optNaming;
  std::array<QRadioButton*, 2> optRedunActions;
  std::array<QLabel*, 3> lblRedunOptions;
  std::array<QLabel*, 4> lblExecutionInfo;
  QGroupBox* fraStartWith;
  QGroupBox* fraRedunOptions;
  QGroupBox* fraRunOption;
  QGroupBox* fraNaming;
  QCheckBox* chkRedundancyCheck;
  QPushButton* cmdRedundancyInfo;
  QPushButton* cmdRun;
  QLabel* statusPanel;
  QLabel* countPanel;
  QLabel* clockPanel;
  QAction* mnuRun;
  QAction* mnuExit;
  QAction* mnuRedunLogic;
  QAction* mnuAbout;

  void optStartWith_Click(int index);
  void chkRedundancyCheck_Click();
  void cmdRun_Click();
  void mnuRun_Click();
  void cmdRedundancyInfo_Click();
  void mnuRedunLogic_Click();
  void mnuAbout_Click();
  void mnuExit_Click();
  std::string SelectInput(int runMode);

  int currentRunMode() const;
  bool isRunning() const { return running_; }
  const SourceDialogSettings& sourceDialog() const { return cdcSource_; }

  // UserInterface
  void setStatus(const std::string& text) override;
  void setCount(const std::string& text) override;
  void yield() override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  void openInFileBrowser(const std::string& path) override;
  NamingMode namingMode() override;
  RedundancyMode redundancyMode() override;
  bool redundancyCheckTicked() override;
  ConflictDecision askConflict(const PromptContext& context) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  QWidget* buildStartWithFrame();
  QWidget* buildRedundancyFrame();
  QWidget* buildRunOptionFrame();
  void buildStatusBar();
  void buildMenus();
  void setTabOrder();
  void updateClock();

  std::unique_ptr<WindowDialogs> dialogs_;
  SourceDialogSettings cdcSource_;
  QElapsedTimer sinceRepaint_;
  bool running_ = false;
  bool abandoned_ = false;
};

// Thrown out of a run when the user ends the program while it goes on.
struct RunAbandoned {};

}  // namespace palvren
