#pragma once

#include <string>
#include <vector>

namespace palvren {

// Paths handed to the program (on its command line, by a drop, or by a second start), held as
// the next run's input in place of the file dialog's answer.
struct HeldInput {
  int runMode = -1;       // the operation that fits; -1 when nothing is held
  std::string selection;  // what the file dialog would have given for it
  std::string folder;     // the folder it is in, for the next dialog
  std::string status;     // the status line: what is held, or why nothing is
};

// One file: Split, or Export when Export is selected; several files of one folder: Merge; one
// folder: Recombine. Files from several folders, a folder among files, or a path that is neither
// hold nothing, and the status says why.
HeldInput HoldPaths(const std::vector<std::string>& paths, int currentRunMode);

}  // namespace palvren
