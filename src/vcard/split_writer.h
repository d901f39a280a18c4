#pragma once

#include <string>

#include "platform/user_interface.h"
#include "vcard/contact_folder.h"

namespace palvren {

// Copies every contact block of inputFile into its own numbered file (contact0001.vcf, ...) in
// the split folder, naming each from its lines when naming from contact information is
// selected. Returns the number of files written; outputPath receives the folder.
// Refuses (OperationError) an input of more than 32767 contacts or a block of more than 32767
// lines before anything is written. No more than inputSize bytes are read (the size an earlier
// reading of the run saw; all of the file when negative): what is appended to the input while
// the split runs is not read.
// The folder and the first number are the plan's.
int SplitContacts(const std::string& inputFile, std::string& outputPath, UserInterface& ui,
                  long long inputSize = -1, FileIo& io = systemFileIo(),
                  const OutputPlan& plan = {});

}  // namespace palvren
