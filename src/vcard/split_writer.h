#pragma once

#include <string>

#include "platform/user_interface.h"

namespace palvren {

// The folder "Split-vCards" beside inputFile, created when missing; "" when inputFile does not
// exist. Throws OperationError when the folder cannot be created.
std::string PrepareSplitFolder(const std::string& inputFile);

// Copies every contact block of inputFile into its own numbered file (contact0001.vcf, ...) in
// the split folder, renaming each from its lines when naming from contact information is
// selected. Returns the number of files written; outputPath receives the folder.
// Refuses (OperationError) an input of more than 32767 contacts or a block of more than 32767
// lines before anything is written.
int SplitContacts(const std::string& inputFile, std::string& outputPath, UserInterface& ui);

// The folder "Split-vCards" beside inputFile (not created).
std::string splitFolderFor(const std::string& inputFile);

// The numbered name of one contact file in folder.
std::string numberedContactPath(const std::string& folder, int number);

}  // namespace palvren
