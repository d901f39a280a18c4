#pragma once

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/run_progress.h"
#include "vcard/output_plan.h"
#include "vcard/selection.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// "mm-dd-yyyy_CONBINED_CONTACTS.vcf" for today's local date.
std::string combinedFileName();
// Whether a file name is one today's merge or recombine writes, numbered or not.
bool isCombinedFileName(const std::string& name);

// The paths of the .vcf files of the selection, in order; refuses (OperationError) more than
// 32767 names, and today's combined file among them when the plan replaces it: it is the file
// the merge writes.
std::vector<std::string> mergeInputs(const FileSelection& files, const OutputPlan& plan = {});
// The .vcf files directly in folder (which ends with '/'), in name order, without today's
// combined files, numbered or not; refuses more than 32767 before anything is written.
std::vector<std::string> recombineInputs(const std::string& folder);

// Copies the .vcf files of the selection, in order, into the combined file in their folder.
// Returns the number of contact starts copied and the file; none without writing when fewer
// than two names were given.
// Shows its progress on ui, when one is given, and yields to it. The combined file's name is
// numbered, and an earlier one replaced, as the plan says. With a converter, each contact is
// written in its version.
Written mergeFiles(const FileSelection& files, FileIo& io = systemFileIo(),
                   RunProgress* ui = nullptr, const OutputPlan& plan = {},
                   ContactConverter* converter = nullptr);

// Converts the contacts of files, in order, as a merge would, for the converter's log; writes
// nothing.
void convertWithoutWriting(const std::vector<std::string>& files, ContactConverter& converter,
                           FileIo& io = systemFileIo());

// Copies every .vcf file directly in folder (which ends with '/'), in name order, into the
// combined file there, one empty line between files. Returns the files copied and the file.
Written recombineFolder(const std::string& folder, RunProgress& ui, FileIo& io = systemFileIo(),
                        const OutputPlan& plan = {}, ContactConverter* converter = nullptr);

}  // namespace palvren
