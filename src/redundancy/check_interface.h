#pragma once

#include <string>
#include <vector>

#include "platform/run_progress.h"
#include "redundancy/prompt_context.h"

namespace palvren {

enum class MessageIcon { Information, Critical };

// What the redundancy check needs from the person: its progress, the messages between its
// passes, and the conflicts of pass 2.
class CheckInterface : public RunProgress {
 public:
  // A modal message box with an OK button. Texts use CR LF for line breaks.
  virtual void showMessage(const Message& text, const Message& title, MessageIcon icon) = 0;
  // A modal Yes/No question, Yes the default; true for Yes.
  virtual bool askYesNo(const Message& text, const Message& title) = 0;
  // Puts one conflict of pass 2 to the person and returns the decision: the answer and the
  // fields typed meanwhile. The contacts are not changed here; pass 2 applies the decision.
  virtual ConflictDecision askConflict(const PromptContext& context) = 0;
  // When pass 2 has merged or removed contacts, before anything is written: which of its
  // merges to keep (true) and which to undo, one answer per entry. Keeps them all unless the
  // person is asked.
  virtual std::vector<bool> reviewMerges(const std::vector<MergeReview>& merges) {
    return std::vector<bool>(merges.size(), true);
  }
};

}  // namespace palvren
