#pragma once

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "redundancy/check_interface.h"
#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"
#include "redundancy/record_conversion.h"
#include "redundancy/report.h"
#include "vcard/naming.h"
#include "vcard/output_plan.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// Split with the redundancy check: loads, cleans, removes identical contacts (pass 1),
// optionally merges similar ones (pass 2), then writes the remaining contacts as numbered
// single-contact files, named from their lines when that naming is selected. Returns the files
// written and the folder.
// What the check did is written to report when one is given.
// The folder and the first number are the plan's. With a converter, each contact is written in
// its version.
Written splitWithRedundancyCheck(const OpenInput& input, CheckInterface& ui,
                                 const CheckOptions& options, NamingMode naming,
                                 FileIo& io = systemFileIo(), RedundancyReport* report = nullptr,
                                 const OutputPlan& plan = {},
                                 ContactConverter* converter = nullptr);

// What a check over several files did, for the success message.
struct JoinSummary {
  int read = 0;
  int identical = 0;
  int merged = 0;
  int written = 0;
  Message text() const;
};

// Merge or Recombine with the check: loads every file in order (the 32767 limit counts the
// contacts of all of them), checks them as a split does, and writes the remaining contacts in
// order into target (numbered as the plan says), one file, which appears only whole, each contact
// in the converter's version when one is given. Returns the
// contacts written and the path written.
Written joinWithRedundancyCheck(const std::vector<std::string>& files, const std::string& target,
                                CheckInterface& ui, const CheckOptions& options,
                                JoinSummary& summary, FileIo& io = systemFileIo(),
                                RedundancyReport* report = nullptr, const OutputPlan& plan = {},
                                ContactConverter* converter = nullptr);

// The check alone over several files, writing nothing; returns the contacts kept.
int checkFiles(const std::vector<std::string>& files, ContactList& list, ContactTable& table,
               CheckInterface& ui, const CheckOptions& options, RedundancyReport* report,
               FileIo& io = systemFileIo());

// The check alone, writing nothing: loads, cleans, runs pass 1 and (when wanted) pass 2 into
// list and table (which hold only entry 0 on entry), and returns the number of contacts kept.
int checkContacts(const OpenInput& input, ContactList& list, ContactTable& table,
                  CheckInterface& ui, const CheckOptions& options, RedundancyReport* report,
                  FileIo& io = systemFileIo());

}  // namespace palvren
