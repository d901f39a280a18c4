#pragma once

#include <string>

#include "platform/file_io.h"
#include "platform/user_interface.h"
#include "redundancy/contact_model.h"
#include "redundancy/report.h"

namespace palvren {

// Split with the redundancy check: loads, cleans, removes identical contacts (pass 1),
// optionally merges similar ones (pass 2), then writes the remaining contacts as numbered
// single-contact files, named from their lines when that naming is selected. Returns the number
// of files written; outputPath receives the folder.
// No more than inputSize bytes of the input are read (all of it when negative).
// What the check did is written to report when one is given.
int SplitWithRedundancyCheck(const std::string& inputFile, std::string& outputPath,
                             UserInterface& ui, long long inputSize = -1,
                             FileIo& io = systemFileIo(), RedundancyReport* report = nullptr);

// The check alone, writing nothing: loads, cleans, runs pass 1 and (when wanted) pass 2 into
// list and table (which hold only entry 0 on entry), and returns the number of contacts kept.
int CheckContacts(const std::string& inputFile, ContactList& list, ContactTable& table,
                  UserInterface& ui, RedundancyReport* report, long long inputSize = -1,
                  FileIo& io = systemFileIo());

}  // namespace palvren
