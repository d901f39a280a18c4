#pragma once

#include <QElapsedTimer>
#include <functional>

#include "app/window_dialogs.h"
#include "driver/user_interface.h"

namespace palvren {

class MainWindow;

// What a run started from the main window talks to: the window's status panels, its dialogs,
// and a repaint at most every 25 ms. Lives for one run.
class WindowPort : public UserInterface {
 public:
  // Milliseconds from a fixed start; tests give a clock of their own.
  using Clock = std::function<qint64()>;

  WindowPort(MainWindow& window, WindowDialogs& dialogs, Clock clock = {});

  // How many times yield let the window repaint.
  int repaints() const { return repaints_; }

  void setStatus(const Message& text) override;
  void setCount(const Message& text) override;
  // Throws RunStopped once the person has asked the run to stop, RunAbandoned once the person
  // has ended the program.
  void yield() override;
  void setProgress(int done, int total) override;
  void showMessageWithReport(const Message& text, const Message& title, MessageIcon icon,
                             const std::string& report, const std::string& outputPath) override;
  void showMessage(const Message& text, const Message& title, MessageIcon icon) override;
  bool askYesNo(const Message& text, const Message& title) override;
  EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) override;
  void openInFileBrowser(const std::string& path) override;
  std::optional<std::vector<ImportField>> askColumnMapping(
      const std::vector<std::string>& header,
      const std::vector<std::vector<std::string>>& firstValues,
      const std::vector<ImportField>& proposed) override;
  ConflictDecision askConflict(const PromptContext& context) override;
  std::vector<bool> reviewMerges(const std::vector<MergeReview>& merges) override;

 private:
  // Throws what the person asked for: RunAbandoned after Exit, RunStopped after Stop.
  void endIfAsked() const;

  MainWindow& window_;
  WindowDialogs& dialogs_;
  Clock clock_;
  qint64 lastRepaint_ = -1;
  int repaints_ = 0;
};

}  // namespace palvren
