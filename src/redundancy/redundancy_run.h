#pragma once

#include <string>

#include "platform/file_io.h"
#include "platform/user_interface.h"

namespace palvren {

// Split with the redundancy check: loads, cleans, removes identical contacts (pass 1),
// optionally merges similar ones (pass 2), then writes the remaining contacts as numbered
// single-contact files, named from their lines when that naming is selected. Returns the number
// of files written; outputPath receives the folder.
// No more than inputSize bytes of the input are read (all of it when negative).
int SplitWithRedundancyCheck(const std::string& inputFile, std::string& outputPath,
                             UserInterface& ui, long long inputSize = -1,
                             FileIo& io = systemFileIo());

}  // namespace palvren
