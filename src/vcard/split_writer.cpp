#include "vcard/split_writer.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"
#include "vcard/naming.h"

namespace palvren {

namespace {

struct InputExtent {
  int blocks = 0;
  long long bytes = 0;
};

// Reads the input once with the split's block rules and refuses what the writer could not
// number. The writing reads no further than this reading saw.
InputExtent checkSplitLimits(const std::string& inputFile, long long inputSize, FileIo& io) {
  LineReader bounded(inputFile, inputSize, io);
  std::string_view line;
  int blocks = 0;
  while (bounded.readLine(line)) {
    if (!isContactBegin(line)) continue;
    checkLimit(++blocks, quoted(inputFile), "contacts");
    int lines = 0;
    while (!isSplitEnd(line) && bounded.readLine(line)) {
      checkLimit(++lines, "Contact " + std::to_string(blocks) + " of " + quoted(inputFile),
                 "lines");
    }
  }
  const long long size = bounded.sizeAtOpen();
  return {blocks, inputSize < 0 ? size : std::min(size, inputSize)};
}

// Copies one block, from its BEGIN line through its END line, into the next contact file.
void writeBlock(std::string_view& line, LineReader& reader, ContactFolderWriter& writer, bool named,
                UserInterface& ui) {
  ContactLines contactLines(1);
  LineWriter& output = writer.startContact(named);
  output.writeLine("BEGIN:VCARD");
  while (!isSplitEnd(line) && reader.readLine(line)) {
    output.writeLine(line);
    if (named) contactLines.emplace_back(line);
  }
  writer.finishContact(contactLines, named, ui);
}

}  // namespace

int SplitContacts(const std::string& inputFile, std::string& outputPath, UserInterface& ui,
                  long long inputSize, FileIo& io, const OutputPlan& plan) {
  const InputExtent extent = checkSplitLimits(inputFile, inputSize, io);
  std::optional<OutputFolder> folder = PrepareSplitFolder(inputFile, plan);
  if (!folder) return 0;
  outputPath = folder->path();
  ContactFolderWriter writer(std::move(*folder), extent.blocks, io, plan.firstContactNumber);
  LineReader reader(inputFile, extent.bytes, io);
  std::string_view line;
  int counter = 1;
  const bool named = ui.namingMode() == NamingMode::ContactInfo;
  try {
    while (counter <= extent.blocks && !reader.atEnd()) {
      ui.setStatus("Processing " + std::to_string(counter));
      stepDone(ui, counter - 1, extent.blocks);
      reader.readLine(line);
      if (!isContactBegin(line)) continue;
      writeBlock(line, reader, writer, named, ui);
      ++counter;
    }
  } catch (RunStopped& stop) {
    stop.written = writer.written();
    stop.total = extent.blocks;
    throw;
  }
  return counter - 1;
}

}  // namespace palvren
