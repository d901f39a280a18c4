#pragma once

#include <string>
#include <vector>

#include "driver/run_input.h"
#include "driver/run_options.h"
#include "platform/message.h"

namespace palvren {

// Paths handed to the program (on its command line, by a drop, or by a second start), held as
// the next run's input in place of the file dialog's answer.
struct HeldInput {
  RunMode mode = RunMode::Split;  // the operation that fits, when something is held
  RunInput input;                 // nothing when nothing is held
  std::string folder;             // the folder it is in, for the next dialog
  Message status;                 // the status line: what is held, or why nothing is

  bool holds() const { return input.kind != RunInput::Kind::None; }
};

// One file: Split, or Export when Export is selected; several files of one folder: Merge; one
// folder: Recombine. Files from several folders, a folder among files, or a path that is neither
// hold nothing, and the status says why.
HeldInput holdPaths(const std::vector<std::string>& paths, RunMode currentMode);

}  // namespace palvren
