#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/user_interface.h"
#include "redundancy/prompt_context.h"

namespace palvren::testing {

// A scripted user interface that records everything the operations show, in order.
class FakeUserInterface : public UserInterface {
 public:
  struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
  };

  void setStatus(const std::string& text) override {
    status = text;
    statuses.push_back(text);
    events.push_back("status:" + text);
  }
  void setCount(const std::string& text) override {
    count = text;
    events.push_back("count:" + text);
  }
  void setProgress(int done, int total) override { progress.emplace_back(done, total); }
  void yield() override {
    ++yields;
    if (onYield) onYield();
  }
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
    events.push_back("message:" + title);
  }
  bool askYesNo(const std::string& text, const std::string& title) override {
    questions.push_back({text, title, MessageIcon::Information});
    events.push_back("question:" + title);
    if (yesNoAnswers.empty()) return true;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
  }
  EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) override {
    earlierResults.push_back(earlier);
    events.push_back("earlier:" + earlier.title);
    if (earlierAnswers.empty()) return EarlierResultAnswer::Reuse;
    const EarlierResultAnswer answer = earlierAnswers.front();
    earlierAnswers.pop_front();
    return answer;
  }
  void openInFileBrowser(const std::string& path) override {
    browsed.push_back(path);
    events.push_back("browse:" + path);
  }
  NamingMode namingMode() override { return naming; }
  RedundancyMode redundancyMode() override { return redundancy; }
  bool redundancyCheckTicked() override { return redundancyCheck; }
  MatchRule matchRule() override { return rule; }
  ConflictDecision askConflict(const PromptContext& context) override {
    conflicts.push_back({context.conflictTag, context.firstPosition, context.secondPosition});
    return conflictPolicy ? conflictPolicy(context) : ConflictDecision();
  }

  struct Conflict {
    std::string tag;
    int firstPosition;
    int secondPosition;
    bool operator==(const Conflict&) const = default;
  };

  // Script.
  NamingMode naming = NamingMode::Numeric;
  RedundancyMode redundancy = RedundancyMode::Pass1Only;
  bool redundancyCheck = false;
  MatchRule rule;
  std::deque<bool> yesNoAnswers;
  // Where an earlier result stands; the answer is Reuse, today's behaviour, when none is left.
  std::deque<EarlierResultAnswer> earlierAnswers;
  std::function<ConflictDecision(const PromptContext&)> conflictPolicy;
  std::function<void()> onYield;

  // Record.
  std::string status;
  std::string count;
  std::vector<std::string> statuses;
  std::vector<std::string> events;
  std::vector<Message> messages;
  std::vector<Message> questions;
  std::vector<EarlierResult> earlierResults;
  std::vector<std::string> browsed;
  std::vector<Conflict> conflicts;
  std::vector<std::pair<int, int>> progress;
  int yields = 0;
};

}  // namespace palvren::testing
