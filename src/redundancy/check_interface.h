#pragma once

#include <string>

#include "platform/run_progress.h"

namespace palvren {

struct PromptContext;
struct ConflictDecision;

enum class MessageIcon { Information, Critical };

// What the redundancy check needs from the person: its progress, the messages between its
// passes, and the conflicts of pass 2.
class CheckInterface : public RunProgress {
 public:
  // A modal message box with an OK button. Texts use CR LF for line breaks.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // A modal Yes/No question, Yes the default; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // Puts one conflict of pass 2 to the person and returns the decision: the answer and the
  // fields typed meanwhile. The contacts are not changed here; pass 2 applies the decision.
  virtual ConflictDecision askConflict(const PromptContext& context) = 0;
};

}  // namespace palvren
