#include "vcard/merge_recombine.h"

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "vcard/block_rules.h"
#include "vcard/contact_copier.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

// Copies every line of one file; returns the number of lines that read BEGIN:VCARD once
// upper-cased (not trimmed).
int copyLines(const std::string& path, ContactCopier& output, FileIo& io, RunProgress* ui) {
  constexpr long long kLinesPerYield = 4096;  // a large file still lets the window repaint
  LineReader reader(path, io);
  std::string_view line;
  int begins = 0;
  for (long long lines = 1; reader.readLine(line); ++lines) {
    if (isMergeBegin(line)) ++begins;
    output.copy(line);
    if (ui && lines % kLinesPerYield == 0) ui->yield();
  }
  output.endOfFile();
  return begins;
}

}  // namespace

// "CONBINED" is the name's own spelling: files made by earlier versions carry it, and users look
// for it. It stays as it is.
std::string combinedFileName() { return localDateText() + "_CONBINED_CONTACTS.vcf"; }

bool isCombinedFileName(const std::string& name) {
  return numberOfName(name, combinedFileName()) > 0;
}

std::vector<std::string> mergeInputs(const FileSelection& files, const OutputPlan& plan) {
  checkLimit(static_cast<long long>(files.names.size()),
             PALVREN_TEXT("Limits",
                          "The selection holds more than %1 files, the most this "
                          "program can process."));
  std::vector<std::string> inputs;
  for (const std::string& name : files.names) {
    if (plan.replaceResult && name == numberedName(combinedFileName(), plan.resultNumber)) {
      throw OperationError(
          Message(PALVREN_TEXT("Files",
                               "\"%1\" is the file this merge writes, so it cannot be "
                               "merged too. Leave it out or rename it, then merge again."),
                  {files.folder + "/" + combinedFileName()}));
    }
    if (hasVcfExtension(name)) inputs.push_back(files.folder + "/" + name);
  }
  return inputs;
}

std::vector<std::string> recombineInputs(const std::string& folder) {
  std::vector<std::string> inputs;
  for (std::string& file : listFiles(folder)) {
    if (!isCombinedFileName(fileNameOf(file)) && hasVcfExtension(file)) {
      inputs.push_back(std::move(file));
    }
  }
  checkLimit(static_cast<long long>(inputs.size()),
             PALVREN_TEXT("Limits",
                          "%2 holds more than %1 .vcf files, the most this program can process."),
             {quoted(folder)});
  return inputs;
}

Written mergeFiles(const FileSelection& files, FileIo& io, RunProgress* ui, const OutputPlan& plan,
                   ContactConverter* converter) {
  if (files.names.size() < 2) return {};
  const std::vector<std::string> inputs = mergeInputs(files, plan);
  LineWriter output(files.folder + "/" + numberedName(combinedFileName(), plan.resultNumber), io);
  ContactCopier copier(&output, converter);
  std::string outputPath = output.path();
  long long count = 0;
  const int total = static_cast<int>(inputs.size());
  for (int i = 0; i < total; ++i) {
    if (ui) stepDone(*ui, i, total);
    count += copyLines(inputs[std::size_t(i)], copier, io, ui);
    checkLimit(count, PALVREN_TEXT("Limits",
                                   "The merge holds more than %1 contacts, the most "
                                   "this program can process."));
  }
  // A merge that copied no contact leaves an earlier combined file as it was.
  if (count > 0) outputPath = commitResult(output, combinedFileName(), plan);
  return {static_cast<int>(count), outputPath};
}

void convertWithoutWriting(const std::vector<std::string>& files, ContactConverter& converter,
                           FileIo& io) {
  ContactCopier copier(nullptr, &converter);
  for (const std::string& file : files) copyLines(file, copier, io, nullptr);
}

Written recombineFolder(const std::string& folder, RunProgress& ui, FileIo& io,
                        const OutputPlan& plan, ContactConverter* converter) {
  const std::vector<std::string> inputs = recombineInputs(folder);
  LineWriter output(folder + numberedName(combinedFileName(), plan.resultNumber), io);
  ContactCopier copier(&output, converter);
  std::string outputPath = output.path();
  int files = 0;
  for (const std::string& file : inputs) {
    ui.setStatus(processingStatus(files + 1));
    stepDone(ui, files, static_cast<int>(inputs.size()));
    if (files > 0) output.writeLine("");
    copyLines(file, copier, io, &ui);
    ++files;
  }
  if (files > 0) outputPath = commitResult(output, combinedFileName(), plan);
  return {files, outputPath};
}

}  // namespace palvren
