#include "vcard/merge_recombine.h"

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "platform/text.h"

namespace palvren {

namespace {

constexpr char kNul = '\0';

// Copies every line of one file; returns the number of lines that read BEGIN:VCARD once
// upper-cased (not trimmed).
int copyLines(const std::string& path, LineWriter& output) {
  LineReader reader(path);
  std::string_view line;
  int begins = 0;
  while (reader.readLine(line)) {
    if (equalsUpper(line, "BEGIN:VCARD")) ++begins;
    output.writeLine(line);
  }
  return begins;
}

void refuseAboveLimit(long long count, const std::string& what) {
  if (count > kMaxCount) {
    throw OperationError("More than " + std::to_string(kMaxCount) + " " + what +
                         ", the most this program can process.");
  }
}

}  // namespace

std::string CombinedFileName() { return localDateText() + "_CONBINED_CONTACTS.vcf"; }

std::string ParseMultiSelection(const std::string& selectedInput, FileList& fileList) {
  if (selectedInput.empty()) return std::string();
  fileList.assign(1, std::string());
  std::size_t nul = selectedInput.find(kNul);
  std::string folder = selectedInput.substr(0, nul);
  if (nul == std::string::npos) return folder;
  std::string rest(trimSpaces(std::string_view(selectedInput).substr(nul + 1)));
  if (rest.find(kNul) == std::string::npos) return folder;
  while (true) {
    refuseAboveLimit(static_cast<long long>(fileList.size()), "selected files");
    nul = rest.find(kNul);
    fileList.push_back(rest.substr(0, nul));
    if (nul == std::string::npos) return folder;
    rest = std::string(trimSpaces(std::string_view(rest).substr(nul + 1)));
  }
}

int MergeFiles(const std::string& folder, const FileList& fileList, std::string& outputPath) {
  if (fileList.size() < 3) return 0;
  outputPath = folder + "/" + CombinedFileName();
  LineWriter output(outputPath, LineWriter::Mode::ReplaceOnCommit);
  long long count = 0;
  for (std::size_t i = 1; i < fileList.size(); ++i) {
    const std::string path = folder + "/" + fileList[i];
    if (!hasVcfExtension(path)) continue;
    count += copyLines(path, output);
    refuseAboveLimit(count, "contacts");
  }
  output.commit();
  return static_cast<int>(count);
}

int RecombineFolder(const std::string& folder, std::string& outputPath, UserInterface& ui) {
  const std::string target = folder + CombinedFileName();
  LineWriter output(target, LineWriter::Mode::ReplaceOnCommit);
  int files = 0;
  for (const std::string& file : listFiles(folder)) {
    if (file == target || file == output.writtenPath() || !hasVcfExtension(file)) continue;
    refuseAboveLimit(files + 1LL, "files");
    ui.setStatus("Processing " + std::to_string(files + 1));
    ui.yield();
    if (files > 0) output.writeLine("");
    copyLines(file, output);
    ++files;
  }
  output.commit();
  outputPath = target;
  return files;
}

}  // namespace palvren
