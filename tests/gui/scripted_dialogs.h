#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/window_dialogs.h"
#include "redundancy/prompt_context.h"

namespace palvren::testing {

// The main window's dialogs, scripted: no modal window ever opens.
class ScriptedDialogs : public WindowDialogs {
 public:
  struct Shown {
    SourceDialogSettings settings;
  };
  struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
  };

  void run(SourceDialogSettings& settings) override {
    dialogs.push_back(settings);
    if (whileOpen) whileOpen();
    if (choices.empty()) return;  // cancelled
    std::string choice = choices.front();
    choices.pop_front();
    if (choice != kCancel) settings.fileName = choice;
  }
  void message(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
    events.push_back("message:" + title);
    if (whileMessage) whileMessage();
  }
  bool yesNo(const std::string& text, const std::string& title) override {
    messages.push_back({text, title, MessageIcon::Information});
    if (whileAsking) whileAsking();
    return true;
  }
  void messageWithReport(const std::string& text, const std::string& title, MessageIcon icon,
                         const std::string& report, const std::string& outputPath) override {
    message(text, title, icon);
    reports.push_back(report);
    reportBeside.push_back(outputPath);
  }
  bool confirm(const std::string& text, const std::string& title) override {
    messages.push_back({text, title, MessageIcon::Information});
    events.push_back("confirm:" + title);
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  int choose(const std::string& text, const std::string& title,
             const std::vector<std::string>& buttons) override {
    messages.push_back({text, title, MessageIcon::Information});
    events.push_back("choose:" + title);
    chosenAmong.push_back(buttons);
    if (chooseAnswers.empty()) return 0;
    const int answer = chooseAnswers.front();
    chooseAnswers.pop_front();
    return answer;
  }
  ConflictDecision conflict(const PromptContext& context) override {
    return conflictAnswer ? conflictAnswer(context) : ConflictDecision();
  }
  std::vector<bool> reviewMerges(const std::vector<MergeReview>& merges) override {
    reviews.push_back(merges);
    return reviewAnswer ? reviewAnswer(merges) : std::vector<bool>(merges.size(), true);
  }
  void browse(const std::string& path) override {
    browsed.push_back(path);
    events.push_back("browse:" + path);
  }
  std::optional<std::string> askText(const std::string&, const std::string&,
                                     const std::string&) override {
    return typedText;
  }
  void showAbout() override { ++aboutShown; }
  void showRedundancyLogic(const MatchRule& rule) override {
    ++logicShown;
    logicRule = rule;
  }
  // Records the question, and answers it with columnAnswer (the proposal when it is unset).
  std::optional<std::vector<ImportField>> chooseColumns(
      const std::vector<std::string>& header, const std::vector<std::vector<std::string>>&,
      const std::vector<ImportField>& proposed) override {
    columnsAsked.push_back(header);
    if (!columnAnswer) return proposed;
    return columnAnswer(proposed);
  }
  std::function<std::optional<std::vector<ImportField>>(std::vector<ImportField>)> columnAnswer;
  std::vector<std::vector<std::string>> columnsAsked;

  static constexpr const char* kCancel = "<cancel>";
  std::deque<std::string> choices;
  std::function<void()> whileOpen;
  std::function<void()> whileAsking;
  std::function<void()> whileMessage;
  std::function<ConflictDecision(const PromptContext&)> conflictAnswer;
  std::function<std::vector<bool>(const std::vector<MergeReview>&)> reviewAnswer;
  std::vector<std::vector<MergeReview>> reviews;
  std::deque<bool> confirmAnswers;
  std::deque<int> chooseAnswers;  // the first button when none is left
  std::vector<std::vector<std::string>> chosenAmong;
  std::vector<std::string> reports;
  std::vector<std::string> reportBeside;

  std::vector<SourceDialogSettings> dialogs;
  std::vector<Message> messages;
  std::vector<std::string> browsed;
  std::vector<std::string> events;
  int aboutShown = 0;
  std::optional<std::string> typedText;
  int logicShown = 0;
  MatchRule logicRule;
};

}  // namespace palvren::testing
