#pragma once

#include <string>

#include "platform/user_interface.h"

namespace palvren {

enum RunMode : int { kSplit = 0, kRecombine = 1, kMerge = 2, kExport = 3 };

// Runs one operation on what the input dialog returned and reports the outcome: message box,
// then status text, then (on success) the file browser. Failures of files and limits end in a
// critical message naming the file and the reason; nothing is thrown.
void RunOperation(const std::string& selectedInput, int runMode, UserInterface& ui);

}  // namespace palvren
