#include "vcard/split_writer.h"

#include "platform/errors.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"
#include "vcard/conversion_pipeline.h"
#include "vcard/naming.h"

namespace palvren {

namespace {

// Copies one block, from its BEGIN line through its END line, into the next contact file.
void writeBlock(std::string_view& line, LineReader& reader, ContactFolderWriter& writer, bool named,
                RunProgress& ui) {
  ContactLines contactLines(1);
  LineWriter& output = writer.startContact(named);
  output.writeLine("BEGIN:VCARD");
  while (!isSplitEnd(line) && reader.readLine(line)) {
    output.writeLine(line);
    if (named) contactLines.emplace_back(line);
  }
  writer.finishContact(contactLines, named, ui);
}

// Reads the next block, from its BEGIN line through its END line, into block's strings; false at
// the input's end.
bool readBlock(LineReader& reader, std::vector<std::string>& block) {
  std::string_view line;
  std::size_t count = 0;
  auto add = [&](std::string_view text) {
    if (count == block.size()) block.emplace_back();
    block[count++].assign(text);
  };
  while (reader.readLine(line)) {
    if (!isContactBegin(line)) continue;
    add("BEGIN:VCARD");
    while (!isSplitEnd(line) && reader.readLine(line)) add(line);
    block.resize(count);
    return true;
  }
  return false;
}

// The next batch of blocks of the input, numbered on from firstNumber, read into the strings of
// spare contacts; empty at the input's end.
ConversionPipeline::Batch readBatch(LineReader& reader, int firstNumber, int blocks,
                                    std::vector<std::vector<std::string>>& spare) {
  ConversionPipeline::Batch batch{{}, firstNumber};
  while (batch.contacts.size() < ConversionPipeline::kBatch &&
         firstNumber + int(batch.contacts.size()) <= blocks) {
    std::vector<std::string> block;
    if (!spare.empty()) {
      block = std::move(spare.back());
      spare.pop_back();
    }
    if (!readBlock(reader, block)) break;
    batch.contacts.push_back(std::move(block));
  }
  return batch;
}

// Writes one converted contact into the next contact file.
void writeConverted(const std::vector<std::string>& lines, ContactFolderWriter& writer, bool named,
                    RunProgress& ui) {
  LineWriter& output = writer.startContact(named);
  for (const std::string& line : lines) output.writeLine(line);
  ContactLines contactLines(1);
  if (named) contactLines.insert(contactLines.end(), lines.begin() + 1, lines.end());
  writer.finishContact(contactLines, named, ui);
}

// Splits with the blocks converted on a second thread, a batch ahead of the one being written;
// returns the files written.
int splitConverted(LineReader& reader, ContactFolderWriter& writer, int blocks, bool named,
                   RunProgress& ui, ContactConverter& converter) {
  ConversionPipeline pipeline(converter);
  int submitted = 0;
  std::size_t inFlight = 0;
  int written = 0;
  std::vector<std::vector<std::string>> spare;  // contacts written, their strings to reuse
  for (;;) {
    while (inFlight < ConversionPipeline::kBatches) {
      ConversionPipeline::Batch batch = readBatch(reader, submitted + 1, blocks, spare);
      if (batch.contacts.empty()) break;
      submitted += int(batch.contacts.size());
      pipeline.submit(std::move(batch));
      ++inFlight;
    }
    if (inFlight == 0) return written;
    std::vector<std::vector<std::string>> contacts = pipeline.next();
    --inFlight;
    for (std::vector<std::string>& lines : contacts) {
      ui.setStatus(processingStatus(written + 1));
      stepDone(ui, written, blocks);
      writeConverted(lines, writer, named, ui);
      ++written;
      spare.push_back(std::move(lines));
    }
  }
}

}  // namespace

Written splitContacts(const OpenInput& input, RunProgress& ui, NamingMode naming, FileIo& io,
                      const OutputPlan& plan, ContactConverter* converter,
                      const SplitSurvey* survey) {
  const SplitSurvey own = survey ? SplitSurvey() : surveySplit(input, io);
  if (!survey) survey = &own;
  if (!survey->refusal.empty()) throw OperationError(survey->refusal);
  const int blocks = survey->blocks;
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path(), plan);
  if (!folder) return {};
  Written written{0, folder->path()};
  ContactFolderWriter writer(std::move(*folder), blocks, io, plan.firstContactNumber);
  LineReader reader(input, io);
  std::string_view line;
  const bool named = naming == NamingMode::ContactInfo;
  ui.countWritten(0, blocks);
  if (converter) {
    written.count = splitConverted(reader, writer, blocks, named, ui, *converter);
    return written;
  }
  while (written.count < blocks && !reader.atEnd()) {
    ui.setStatus(processingStatus(written.count + 1));
    stepDone(ui, written.count, blocks);
    reader.readLine(line);
    if (!isContactBegin(line)) continue;
    writeBlock(line, reader, writer, named, ui);
    ++written.count;
  }
  return written;
}

}  // namespace palvren
