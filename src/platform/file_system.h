#pragma once

#include <string>
#include <vector>

namespace palvren {

// Paths are byte strings joined with '/'. None of these throws for a path that does not exist.
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// Opens a regular file for reading (a link to one is followed) and returns its descriptor.
// Anything else (a folder, FIFO or device) is refused with an OperationError at once, never
// waited on.
int openRegularFile(const std::string& path);

// The text up to the last '/', without it ("" when there is none).
std::string parentFolder(const std::string& path);
// The text after the last '/'.
std::string fileNameOf(const std::string& path);
// The text after the last '.' of the file name, without the dot ("" when there is none).
std::string extensionOf(const std::string& path);
// The file name without its last extension.
std::string baseNameOf(const std::string& path);
// Whether the extension, upper-cased, reads VCF.
bool hasVcfExtension(const std::string& path);

// The name with " (number)" before its extension ("a.vcf" -> "a (2).vcf", "Folder" ->
// "Folder (2)"); number 1 is the name itself.
std::string numberedName(const std::string& name, int number);
// The number numberedName gave name from base: 1 for base itself, 0 when it is neither.
int numberOfName(const std::string& name, const std::string& base);
// Whether anything at all (a link too) stands at path.
bool pathTaken(const std::string& path);
// The first numberedName of name, from 2 up, that nothing in folder stands at.
int firstFreeNumber(const std::string& folder, const std::string& name);
// Whether folder holds any entry at all.
bool folderHoldsEntries(const std::string& folder);

// Writes text into the device or FIFO at path, which stays as it is; a FIFO that no one reads
// is refused at once rather than waited on. Throws OperationError.
void writeIntoSpecialFile(const std::string& path, const std::string& text);

// Full paths of the regular files directly inside folder, in byte order of their names.
// Throws OperationError when the folder cannot be read.
std::vector<std::string> listFiles(const std::string& folder);

// Today's local date as mm-dd-yyyy.
std::string localDateText();

}  // namespace palvren
