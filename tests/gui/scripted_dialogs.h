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
  }
  bool yesNo(const std::string& text, const std::string& title) override {
    messages.push_back({text, title, MessageIcon::Information});
    if (whileAsking) whileAsking();
    return true;
  }
  ConflictDecision conflict(const PromptContext& context) override {
    return conflictAnswer ? conflictAnswer(context) : ConflictDecision();
  }
  void browse(const std::string& path) override {
    browsed.push_back(path);
    events.push_back("browse:" + path);
  }
  void showAbout() override { ++aboutShown; }
  void showRedundancyLogic() override { ++logicShown; }

  static constexpr const char* kCancel = "<cancel>";
  std::deque<std::string> choices;
  std::function<void()> whileOpen;
  std::function<void()> whileAsking;
  std::function<ConflictDecision(const PromptContext&)> conflictAnswer;

  std::vector<SourceDialogSettings> dialogs;
  std::vector<Message> messages;
  std::vector<std::string> browsed;
  std::vector<std::string> events;
  int aboutShown = 0;
  int logicShown = 0;
};

}  // namespace palvren::testing
