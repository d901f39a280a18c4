#pragma once

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/user_interface.h"
#include "vcard/output_plan.h"

namespace palvren {

// File names in selection order from entry 1; entry 0 is empty and never used.
using FileList = std::vector<std::string>;

// "mm-dd-yyyy_CONBINED_CONTACTS.vcf" for today's local date.
std::string CombinedFileName();
// Whether a file name is one today's merge or recombine writes, numbered or not.
bool isCombinedFileName(const std::string& name);

// Splits the text of several selected files (see FileSelection) into the folder, which it
// returns, and fileList; names are kept exactly as given.
std::string ParseMultiSelection(const std::string& selectedInput, FileList& fileList);

// The paths of the .vcf files of fileList, in order. Refuses (OperationError) today's combined
// file among them: it is the file the merge writes.
// Today's combined file is refused only when the plan replaces it.
std::vector<std::string> MergeInputs(const std::string& folder, const FileList& fileList,
                                     const OutputPlan& plan = {});
// The .vcf files directly in folder (which ends with '/'), in name order, without today's
// combined files, numbered or not; refuses more than 32767 before anything is written.
std::vector<std::string> RecombineInputs(const std::string& folder);

// Copies the .vcf files of fileList, in order, into the combined file in folder. Returns the
// number of contact starts copied; 0 without writing when fewer than two names were given.
// Shows its progress on ui, when one is given, and yields to it. The combined file's name is
// numbered, and an earlier one replaced, as the plan says.
int MergeFiles(const std::string& folder, const FileList& fileList, std::string& outputPath,
               FileIo& io = systemFileIo(), UserInterface* ui = nullptr,
               const OutputPlan& plan = {});

// Copies every .vcf file directly in folder (which ends with '/'), in name order, into the
// combined file there, one empty line between files. Returns the number of files copied.
int RecombineFolder(const std::string& folder, std::string& outputPath, UserInterface& ui,
                    FileIo& io = systemFileIo(), const OutputPlan& plan = {});

}  // namespace palvren
