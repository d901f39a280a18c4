#include "vcard/merge_recombine.h"

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "vcard/block_rules.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

// Copies every line of one file; returns the number of lines that read BEGIN:VCARD once
// upper-cased (not trimmed).
int copyLines(const std::string& path, LineWriter& output, FileIo& io, UserInterface* ui) {
  constexpr long long kLinesPerYield = 4096;  // a large file still lets the window repaint
  LineReader reader(path, -1, io);
  std::string_view line;
  int begins = 0;
  for (long long lines = 1; reader.readLine(line); ++lines) {
    if (isMergeBegin(line)) ++begins;
    output.writeLine(line);
    if (ui && lines % kLinesPerYield == 0) ui->yield();
  }
  return begins;
}

}  // namespace

// "CONBINED" is the name's own spelling: files made by earlier versions carry it, and users look
// for it. It stays as it is.
std::string CombinedFileName() { return localDateText() + "_CONBINED_CONTACTS.vcf"; }

bool isCombinedFileName(const std::string& name) {
  return numberOfName(name, CombinedFileName()) > 0;
}

std::string ParseMultiSelection(const std::string& selectedInput, FileList& fileList) {
  if (selectedInput.empty()) return std::string();
  FileSelection selection = FileSelection::fromText(selectedInput);
  checkLimit(static_cast<long long>(selection.names.size()), "The selection", "files");
  fileList.assign(1, std::string());
  for (std::string& name : selection.names) fileList.push_back(std::move(name));
  return selection.folder;
}

std::vector<std::string> MergeInputs(const std::string& folder, const FileList& fileList,
                                     const OutputPlan& plan) {
  std::vector<std::string> inputs;
  for (std::size_t i = 1; i < fileList.size(); ++i) {
    if (plan.replaceResult && fileList[i] == numberedName(CombinedFileName(), plan.resultNumber)) {
      throw OperationError("\"" + folder + "/" + CombinedFileName() +
                           "\" is the file this merge writes, so it cannot be merged too. Leave "
                           "it out or rename it, then merge again.");
    }
    if (hasVcfExtension(fileList[i])) inputs.push_back(folder + "/" + fileList[i]);
  }
  return inputs;
}

std::vector<std::string> RecombineInputs(const std::string& folder) {
  std::vector<std::string> inputs;
  for (std::string& file : listFiles(folder)) {
    if (!isCombinedFileName(fileNameOf(file)) && hasVcfExtension(file)) {
      inputs.push_back(std::move(file));
    }
  }
  checkLimit(static_cast<long long>(inputs.size()), quoted(folder), ".vcf files");
  return inputs;
}

int MergeFiles(const std::string& folder, const FileList& fileList, std::string& outputPath,
               FileIo& io, UserInterface* ui, const OutputPlan& plan) {
  if (fileList.size() < 3) return 0;
  const std::vector<std::string> inputs = MergeInputs(folder, fileList, plan);
  LineWriter output(folder + "/" + numberedName(CombinedFileName(), plan.resultNumber), io);
  outputPath = output.path();
  long long count = 0;
  const int files = static_cast<int>(inputs.size());
  for (int i = 0; i < files; ++i) {
    if (ui) stepDone(*ui, i, files);
    count += copyLines(inputs[std::size_t(i)], output, io, ui);
    checkLimit(count, "The merge", "contacts");
  }
  // A merge that copied no contact leaves an earlier combined file as it was.
  if (count > 0) outputPath = commitResult(output, CombinedFileName(), plan);
  return static_cast<int>(count);
}

int RecombineFolder(const std::string& folder, std::string& outputPath, UserInterface& ui,
                    FileIo& io, const OutputPlan& plan) {
  const std::vector<std::string> inputs = RecombineInputs(folder);
  LineWriter output(folder + numberedName(CombinedFileName(), plan.resultNumber), io);
  outputPath = output.path();
  int files = 0;
  for (const std::string& file : inputs) {
    ui.setStatus("Processing " + std::to_string(files + 1));
    stepDone(ui, files, static_cast<int>(inputs.size()));
    if (files > 0) output.writeLine("");
    copyLines(file, output, io, &ui);
    ++files;
  }
  if (files > 0) outputPath = commitResult(output, CombinedFileName(), plan);
  return files;
}

}  // namespace palvren
