#pragma once

#include <string>

#include "driver/run_input.h"
#include "driver/run_options.h"
#include "driver/user_interface.h"
#include "platform/file_io.h"

namespace palvren {

// The refusal of a file without two contacts, for Split, Export and a check's dry run.
inline Message notMultipleContacts() {
  return Message(PALVREN_TEXT("Run", "The selected vCard does not contain multiple contacts.")) +
         lineBreak() + Message(PALVREN_TEXT("Run", "Please choose a multiple-entry vCard file."));
}

// How a run ended.
struct RunOutcome {
  enum class Kind {
    NotRun,   // nothing to work on: a cancelled choice, fewer than two files, an unknown mode
    Refused,  // "Nothing to Process": fewer than two contacts or files
    Failed,   // the operation wrote nothing usable, or a file or limit stopped it
    Stopped,  // the person stopped it; count files were written (a split keeps them)
    Done,
  };
  Kind kind = Kind::NotRun;
  int count = 0;           // Done: contacts or files written
  std::string outputPath;  // Done: the folder or file written
  std::string reason;      // Refused, Failed: what the message said, without its title
  std::string report;      // a split with the redundancy check: what the check did
};

// Runs the operation the options name on input and reports the outcome to the person: message
// box, then status text, then (on success) the file browser.
// Failures of files, limits and memory end in a critical message naming the file and the
// reason, and come back as a Failed outcome; only what the user interface itself throws to
// abandon the run passes through.
// Files are read and written through io.
RunOutcome runOperation(const RunInput& input, const RunOptions& options, UserInterface& ui,
                        FileIo& io = systemFileIo());

}  // namespace palvren
