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
  // Names are taken exactly as given: " a.vcf" is a file of its own, not a.vcf.
  std::string_view rest = std::string_view(selectedInput).substr(nul + 1);
  if (rest.find(kNul) == std::string_view::npos) return folder;
  while (true) {
    refuseAboveLimit(static_cast<long long>(fileList.size()), "selected files");
    nul = rest.find(kNul);
    fileList.emplace_back(rest.substr(0, nul));
    if (nul == std::string_view::npos) return folder;
    rest.remove_prefix(nul + 1);
  }
}

int MergeFiles(const std::string& folder, const FileList& fileList, std::string& outputPath) {
  if (fileList.size() < 3) return 0;
  const std::string target = folder + "/" + CombinedFileName();
  for (std::size_t i = 1; i < fileList.size(); ++i) {
    if (fileList[i] == CombinedFileName()) {
      throw OperationError("\"" + target +
                           "\" is the file this merge writes, so it cannot be merged too. Leave "
                           "it out or rename it, then merge again.");
    }
  }
  outputPath = target;
  LineWriter output(target);
  long long count = 0;
  for (std::size_t i = 1; i < fileList.size(); ++i) {
    const std::string path = folder + "/" + fileList[i];
    if (!hasVcfExtension(path)) continue;
    count += copyLines(path, output);
    refuseAboveLimit(count, "contacts");
  }
  // A merge that copied no contact leaves an earlier combined file as it was.
  if (count > 0) output.commit();
  return static_cast<int>(count);
}

int RecombineFolder(const std::string& folder, std::string& outputPath, UserInterface& ui) {
  const std::string target = folder + CombinedFileName();
  std::vector<std::string> inputs;
  for (std::string& file : listFiles(folder)) {
    if (file != target && hasVcfExtension(file)) inputs.push_back(std::move(file));
  }
  refuseAboveLimit(static_cast<long long>(inputs.size()), "files");
  LineWriter output(target);
  int files = 0;
  for (const std::string& file : inputs) {
    ui.setStatus("Processing " + std::to_string(files + 1));
    ui.yield();
    if (files > 0) output.writeLine("");
    copyLines(file, output);
    ++files;
  }
  if (files > 0) output.commit();
  outputPath = target;
  return files;
}

}  // namespace palvren
