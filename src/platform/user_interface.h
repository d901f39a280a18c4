#pragma once

#include <string>

namespace palvren {

struct PromptContext;
struct ConflictDecision;

enum class MessageIcon { Information, Critical };
enum class NamingMode { Numeric, ContactInfo };
enum class RedundancyMode { Pass1Only, Pass1And2 };

// What the operations need from the person in front of the program. The main window implements
// it; tests use a scripted fake. Option states are read anew each time, since the window may
// change while a run goes on.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The two lines of the status display.
  virtual void setStatus(const std::string& text) = 0;
  virtual void setCount(const std::string& text) = 0;
  // Lets the window repaint and handle pending events. It may throw to abandon the run (the
  // window does when the program is ended meanwhile): callers hold what they write in objects
  // that remove it as the exception passes.
  virtual void yield() = 0;

  // A modal message box with an OK button. Texts use CR LF for line breaks.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // A modal Yes/No question, Yes the default; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;

  // Fire and forget: shows a folder, or opens a file with its associated program.
  virtual void openInFileBrowser(const std::string& path) = 0;

  virtual NamingMode namingMode() = 0;
  virtual RedundancyMode redundancyMode() = 0;
  virtual bool redundancyCheckTicked() = 0;

  // Puts one conflict of pass 2 to the person and returns the decision: the answer and the
  // fields typed meanwhile. The contacts are not changed here; pass 2 applies the decision.
  virtual ConflictDecision askConflict(const PromptContext& context) = 0;
};

}  // namespace palvren
