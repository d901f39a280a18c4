#pragma once

#include <optional>
#include <string>

#include "platform/line_writer.h"
#include "platform/output_folder.h"
#include "platform/run_progress.h"
#include "vcard/naming.h"
#include "vcard/output_plan.h"

namespace palvren {

// The folder "Split-vCards" (numbered as the plan says) beside inputFile (not created).
std::string splitFolderFor(const std::string& inputFile, const OutputPlan& plan = {});

// The folder "Split-vCards" beside inputFile, created when missing; nothing when inputFile does
// not exist. Throws OperationError when the folder cannot be created or something other than a
// folder (a file, a link) has its name. A numbered folder of the plan is made anew: where one
// stands already, the next free number is taken.
std::optional<OutputFolder> prepareSplitFolder(const std::string& inputFile,
                                               const OutputPlan& plan = {});
// The highest number of a numbered contact file in folder; 0 when there is none.
int highestContactNumber(const std::string& folder);

// The numbered name of contact file number (contact0001.vcf, ...).
std::string numberedContactName(int number);
// The number a numbered name was made from; 0 for any other name.
int numberOfContactName(std::string_view name);

// Writes single-contact files into the split folder, one contact at a time: each goes under its
// number, or under a name formed from its lines. A contact file appears only whole.
class ContactFolderWriter {
 public:
  // For at most contacts files, into the folder prepareSplitFolder gives.
  // Numbered from firstNumber.
  ContactFolderWriter(OutputFolder folder, int contacts, FileIo& io = systemFileIo(),
                      int firstNumber = 1);

  const std::string& folderPath() const { return folder_.path(); }
  int written() const { return number_ - firstNumber_ + 1 - (current_ ? 1 : 0); }

  // The file of the next contact: write its lines, then call finishContact. A file to be named
  // from its lines is written aside; a numbered one straight at its name where it is free.
  LineWriter& startContact(bool named = false);
  // Puts the contact's file in place: under a name from its lines when named (unless none can
  // be had), otherwise under its number, replacing an earlier file of that number. The files
  // written so far are counted on ui.
  void finishContact(const ContactLines& lines, bool named, RunProgress& ui);

 private:
  OutputFolder folder_;
  FileIo& io_;
  NamingSession naming_;
  std::optional<LineWriter> current_;
  int contacts_ = 0;
  int firstNumber_ = 1;
  int number_ = 0;
};

}  // namespace palvren
