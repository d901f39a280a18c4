#pragma once

#include <string>

#include "cli/cli.h"
#include "driver/user_interface.h"
#include "redundancy/prompt_context.h"

namespace palvren {

enum class ConflictPolicy { Ask, First, Second, Both, Neither, BothValues };

// The user interface of a headless run: messages are printed, progress is one line updated in
// place on a terminal, questions are answered by the chosen options or at the terminal. Where
// an earlier result stands and the command line did not say what to do (--new-folder, --add,
// --replace, --keep-both), the run stops and says which options there are.
class TerminalUserInterface : public UserInterface {
 public:
  TerminalUserInterface(Terminal& terminal, ConflictPolicy policy)
      : terminal_(terminal), policy_(policy) {}

  void setStatus(const Message& text) override;
  void setCount(const Message& text) override;
  void yield() override {}
  void showMessage(const Message& text, const Message& title, MessageIcon icon) override;
  bool askYesNo(const Message& text, const Message& title) override;
  EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) override;
  void openInFileBrowser(const std::string&) override {}
  ConflictDecision askConflict(const PromptContext& context) override;

 private:
  void clearProgress();
  void showConflict(const PromptContext& context, const ConflictDecision& decision);
  void editField(const PromptContext& context, ConflictDecision& decision);

  Terminal& terminal_;
  ConflictPolicy policy_;
  bool progressShown_ = false;
};

}  // namespace palvren
