#pragma once

#include <string>

namespace palvren {

struct PromptContext;

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
  // Lets the window repaint and handle pending events.
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

  // Shows the conflict window for the filled context and returns the answer it leaves
  // (0 Keep Both, 1 Keep Option 1, 2 Keep Option 2, 3 Keep Neither).
  virtual int askConflict(PromptContext& context) = 0;
};

}  // namespace palvren
