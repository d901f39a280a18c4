#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "redundancy/check_interface.h"
#include "redundancy/check_options.h"
#include "redundancy/prompt_context.h"
#include "support/fake_progress.h"

namespace palvren::testing {

// The redundancy check's questions, scripted, and its messages, recorded.
template <class Port = CheckInterface>
class FakeCheckOf : public FakeProgressOf<Port> {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
  };
  struct Conflict {
    std::string tag;
    int firstPosition;
    int secondPosition;
    bool operator==(const Conflict&) const = default;
  };

  void showMessage(const Message& text, const Message& title, MessageIcon icon) override {
    messages.push_back({text.english(), title.english(), icon});
    this->events.push_back("message:" + title.english());
  }
  bool askYesNo(const Message& text, const Message& title) override {
    questions.push_back({text.english(), title.english(), MessageIcon::Information});
    this->events.push_back("question:" + title.english());
    if (yesNoAnswers.empty()) return true;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
  }
  ConflictDecision askConflict(const PromptContext& context) override {
    conflicts.push_back({context.conflictTag, context.firstPosition, context.secondPosition});
    return conflictPolicy ? conflictPolicy(context) : ConflictDecision();
  }

  // The check the script asks for.
  CheckOptions checkOptions() const { return {redundancy, rule}; }

  // Script.
  RedundancyMode redundancy = RedundancyMode::Pass1Only;
  MatchRule rule;
  std::deque<bool> yesNoAnswers;
  std::function<ConflictDecision(const PromptContext&)> conflictPolicy;

  // Record.
  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<Conflict> conflicts;
};

using FakeCheck = FakeCheckOf<>;

}  // namespace palvren::testing
