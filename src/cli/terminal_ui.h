#pragma once

#include <string>

#include "cli/cli.h"
#include "platform/user_interface.h"
#include "redundancy/prompt_context.h"

namespace palvren {

enum class ConflictPolicy { Ask, First, Second, Both, Neither };
// What the command line said to do where an earlier result stands: nothing (the run stops and
// says which options there are), write fresh (--new-folder, --keep-both), or reuse (--add,
// --replace).
enum class EarlierPolicy { Unsaid, WriteFresh, Reuse };

// The user interface of a headless run: messages are printed, progress is one line updated in
// place on a terminal, questions are answered by the chosen options or at the terminal.
class TerminalUserInterface : public UserInterface {
 public:
  TerminalUserInterface(Terminal& terminal, NamingMode naming, int check, ConflictPolicy policy)
      : terminal_(terminal), naming_(naming), check_(check), policy_(policy) {}

  void setStatus(const std::string& text) override;
  void setCount(const std::string& text) override;
  void yield() override {}
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) override;
  void setEarlierPolicy(EarlierPolicy policy) { earlier_ = policy; }
  void openInFileBrowser(const std::string&) override {}
  NamingMode namingMode() override { return naming_; }
  RedundancyMode redundancyMode() override {
    return check_ == 2 ? RedundancyMode::Pass1And2 : RedundancyMode::Pass1Only;
  }
  bool redundancyCheckTicked() override { return check_ > 0; }
  ExportFormat exportFormat() override { return format_; }
  void setExportFormat(ExportFormat format) { format_ = format; }
  MatchRule matchRule() override { return rule_; }
  void setMatchRule(const MatchRule& rule) { rule_ = rule; }
  ConflictDecision askConflict(const PromptContext& context) override;

  const std::string& countLine() const { return count_; }

 private:
  void clearProgress();
  void showConflict(const PromptContext& context, const ConflictDecision& decision);
  void editField(const PromptContext& context, ConflictDecision& decision);

  Terminal& terminal_;
  NamingMode naming_;
  int check_;
  ConflictPolicy policy_;
  ExportFormat format_ = ExportFormat::Raw;
  MatchRule rule_;
  EarlierPolicy earlier_ = EarlierPolicy::Unsaid;
  bool progressShown_ = false;
  std::string count_;
};

}  // namespace palvren
