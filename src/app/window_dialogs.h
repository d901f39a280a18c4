#pragma once

#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "app/source_dialog.h"
#include "driver/user_interface.h"

class QWidget;

namespace palvren {

struct PromptContext;
struct ConflictDecision;
struct MergeReview;

// The modal dialogs and the file browser behind the main window. Tests replace them with a
// script; the program uses the Qt ones.
class WindowDialogs : public SourceDialogRunner {
 public:
  virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  virtual bool yesNo(const std::string& text, const std::string& title) = 0;
  // A success message whose details hold a report, with a button that saves it.
  // Its save dialog starts beside outputPath.
  virtual void messageWithReport(const std::string& text, const std::string& title,
                                 MessageIcon icon, const std::string& report,
                                 const std::string& outputPath) = 0;
  // A question answered by one of buttons, the first the default: the index of the one
  // clicked, or -1 when it was closed or cancelled.
  virtual int choose(const std::string& text, const std::string& title,
                     const std::vector<std::string>& buttons) = 0;
  // A Yes/No question whose default is No: for what cannot be undone.
  virtual bool confirm(const std::string& text, const std::string& title) = 0;
  // A line of text typed in answer to a prompt, starting from initial; nothing when cancelled.
  virtual std::optional<std::string> askText(const std::string& prompt, const std::string& title,
                                             const std::string& initial) = 0;
  virtual ConflictDecision conflict(const PromptContext& context) = 0;
  // The merges of pass 2 to keep (see CheckInterface::reviewMerges).
  virtual std::vector<bool> reviewMerges(const std::vector<MergeReview>& merges) = 0;
  virtual void browse(const std::string& path) = 0;
  virtual void showAbout() = 0;
  virtual void showRedundancyLogic(const MatchRule& rule) = 0;
  // Where each column of a CSV file goes (see UserInterface::askColumnMapping).
  virtual std::optional<std::vector<ImportField>> chooseColumns(
      const std::vector<std::string>& header,
      const std::vector<std::vector<std::string>>& firstValues,
      const std::vector<ImportField>& proposed) = 0;
};

// Where the report of a run that wrote outputPath is offered to be saved: beside it, named after
// it ("Split-vCards-report.txt"); the home folder when there is no output.
std::string suggestedReportPath(const std::string& outputPath);

class QtWindowDialogs : public WindowDialogs {
  Q_DECLARE_TR_FUNCTIONS(palvren::QtWindowDialogs)

 public:
  explicit QtWindowDialogs(QWidget* window) : window_(window), files_(window) {}
  void run(SourceDialogSettings& settings) override { files_.run(settings); }
  void message(const std::string& text, const std::string& title, MessageIcon icon) override;
  bool yesNo(const std::string& text, const std::string& title) override;
  void messageWithReport(const std::string& text, const std::string& title, MessageIcon icon,
                         const std::string& report, const std::string& outputPath) override;
  bool confirm(const std::string& text, const std::string& title) override;
  int choose(const std::string& text, const std::string& title,
             const std::vector<std::string>& buttons) override;
  std::optional<std::string> askText(const std::string& prompt, const std::string& title,
                                     const std::string& initial) override;
  std::vector<bool> reviewMerges(const std::vector<MergeReview>& merges) override;
  ConflictDecision conflict(const PromptContext& context) override;
  std::optional<std::vector<ImportField>> chooseColumns(
      const std::vector<std::string>& header,
      const std::vector<std::vector<std::string>>& firstValues,
      const std::vector<ImportField>& proposed) override;
  void browse(const std::string& path) override;
  void showAbout() override;
  void showRedundancyLogic(const MatchRule& rule) override;

 private:
  void saveReport(const std::string& report, const std::string& outputPath);

  QWidget* window_;
  QtSourceDialogRunner files_;
};

}  // namespace palvren
