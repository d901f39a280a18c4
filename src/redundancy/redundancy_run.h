#pragma once

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/user_interface.h"
#include "redundancy/contact_model.h"
#include "redundancy/report.h"
#include "vcard/output_plan.h"

namespace palvren {

// Split with the redundancy check: loads, cleans, removes identical contacts (pass 1),
// optionally merges similar ones (pass 2), then writes the remaining contacts as numbered
// single-contact files, named from their lines when that naming is selected. Returns the number
// of files written; outputPath receives the folder.
// No more than inputSize bytes of the input are read (all of it when negative).
// What the check did is written to report when one is given.
// The folder and the first number are the plan's.
int SplitWithRedundancyCheck(const std::string& inputFile, std::string& outputPath,
                             UserInterface& ui, long long inputSize = -1,
                             FileIo& io = systemFileIo(), RedundancyReport* report = nullptr,
                             const OutputPlan& plan = {});

// What a check over several files did, for the success message.
struct JoinSummary {
  int read = 0;
  int identical = 0;
  int merged = 0;
  int written = 0;
  std::string text() const;
};

// Merge or Recombine with the check: loads every file in order (the 32767 limit counts the
// contacts of all of them), checks them as a split does, and writes the remaining contacts in
// order into target (numbered as the plan says), one file, which appears only whole. Returns the
// contacts written; target receives the path written.
int JoinWithRedundancyCheck(const std::vector<std::string>& files, std::string& target,
                            UserInterface& ui, JoinSummary& summary, FileIo& io = systemFileIo(),
                            RedundancyReport* report = nullptr, const OutputPlan& plan = {});

// The check alone over several files, writing nothing; returns the contacts kept.
int CheckFiles(const std::vector<std::string>& files, ContactList& list, ContactTable& table,
               UserInterface& ui, RedundancyReport* report, FileIo& io = systemFileIo());

// The check alone, writing nothing: loads, cleans, runs pass 1 and (when wanted) pass 2 into
// list and table (which hold only entry 0 on entry), and returns the number of contacts kept.
int CheckContacts(const std::string& inputFile, ContactList& list, ContactTable& table,
                  UserInterface& ui, RedundancyReport* report, long long inputSize = -1,
                  FileIo& io = systemFileIo());

}  // namespace palvren
