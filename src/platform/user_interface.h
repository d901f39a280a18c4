#pragma once

#include <string>

namespace palvren {

struct PromptContext;
struct ConflictDecision;

enum class MessageIcon { Information, Critical };
enum class NamingMode { Numeric, ContactInfo };
enum class RedundancyMode { Pass1Only, Pass1And2 };
// What an export writes: one column per tag as read, or the columns an address book imports.
enum class ExportFormat { Raw, Google, Outlook };

// How pass 2 tells that two contacts are the same person: exactly, by the same tag holding the
// same text, or tolerantly, by the property name alone with values folded (e-mails without case,
// telephone numbers as libphonenumber reads them, addresses without case or extra spaces, names
// without case, accents, punctuation or "Last, First" order). Under the tolerant rule, when both
// contacts have a formatted name those decide; N decides only when one of them has none.
struct MatchRule {
  bool tolerant = false;
  // Digits of the default country calling code: with it, a national number is read as one of
  // that country ("020 7946 0000" as "+44 20 7946 0000" for 44). Empty: none.
  std::string countryCode;
};

// Thrown out of yield() when the person asks a run to stop: the run ends in order at the next
// contact. Whoever knows how far the run had come fills in the files written of the total.
struct RunStopped {
  int written = 0;
  int total = 0;
};

// An earlier result standing where a run is about to write, and the question put about it.
struct EarlierResult {
  bool folder = false;    // a split folder that holds files; else a result file
  std::string path;       // what stands there
  std::string freshName;  // the next free numbered name beside it
  std::string text;       // the question
  std::string title;
  std::string freshButton;  // write under freshName
  std::string reuseButton;  // add to the folder, or replace the file
};
enum class EarlierResultAnswer { Cancel, WriteFresh, Reuse };

// What the operations need from the person in front of the program. The main window implements
// it; tests use a scripted fake. Option states are read once, when a run starts: the window
// holds its options while the run goes on.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The two lines of the status display.
  virtual void setStatus(const std::string& text) = 0;
  virtual void setCount(const std::string& text) = 0;
  // Lets the window repaint and handle pending events. It may throw RunStopped when the person
  // stops the run, or another exception to abandon it when the program is ended meanwhile:
  // callers hold what they write in objects that remove it as the exception passes.
  virtual void yield() = 0;
  // The phase under way has done so many steps of its total; a total of 0 hides the progress.
  virtual void setProgress(int done, int total) {
    (void)done;
    (void)total;
  }

  // A modal message box with an OK button. Texts use CR LF for line breaks.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // A success message that offers a report behind its details, to be saved beside outputPath
  // (what the run wrote).
  virtual void showMessageWithReport(const std::string& text, const std::string& title,
                                     MessageIcon icon, const std::string& report,
                                     const std::string& outputPath) {
    (void)report;
    (void)outputPath;
    showMessage(text, title, icon);
  }
  // A modal Yes/No question, Yes the default; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // What to do where an earlier result stands; asked before anything is written.
  virtual EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) = 0;

  // Fire and forget: shows a folder, or opens a file with its associated program.
  virtual void openInFileBrowser(const std::string& path) = 0;

  virtual NamingMode namingMode() = 0;
  virtual RedundancyMode redundancyMode() = 0;
  virtual bool redundancyCheckTicked() = 0;
  virtual ExportFormat exportFormat() { return ExportFormat::Raw; }
  // How pass 2 matches contacts; exact unless the person chose otherwise.
  virtual MatchRule matchRule() { return MatchRule(); }

  // Puts one conflict of pass 2 to the person and returns the decision: the answer and the
  // fields typed meanwhile. The contacts are not changed here; pass 2 applies the decision.
  virtual ConflictDecision askConflict(const PromptContext& context) = 0;
};

// One step of a phase of total steps: shows it and yields.
inline void stepDone(UserInterface& ui, int done, int total) {
  ui.setProgress(done, total);
  ui.yield();
}

}  // namespace palvren
