#include "vcard/split_writer.h"

#include "platform/errors.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"
#include "vcard/contact_copier.h"
#include "vcard/naming.h"

namespace palvren {

namespace {

// Reads the input once with the split's block rules, refuses what the writer could not number,
// and returns the number of blocks.
int checkSplitLimits(const OpenInput& input, FileIo& io) {
  const std::string& inputFile = input.path();
  LineReader bounded(input, io);
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
  return blocks;
}

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

// Converts one block, from its BEGIN line through its END line, into the next contact file.
void convertBlock(std::string_view& line, LineReader& reader, ContactFolderWriter& writer,
                  bool named, RunProgress& ui, ContactConverter& converter, int number) {
  thread_local std::vector<std::string> block;  // its strings reused from contact to contact
  std::size_t count = 0;
  auto add = [&](std::string_view text) {
    if (count == block.size()) block.emplace_back();
    block[count++].assign(text);
  };
  add("BEGIN:VCARD");
  while (!isSplitEnd(line) && reader.readLine(line)) add(line);
  block.resize(count);
  const std::span<const std::string> lines =
      writeContact(block, number, &converter, &writer.startContact(named));
  ContactLines contactLines(1);
  if (named) contactLines.insert(contactLines.end(), lines.begin() + 1, lines.end());
  writer.finishContact(contactLines, named, ui);
}

}  // namespace

Written splitContacts(const OpenInput& input, RunProgress& ui, NamingMode naming, FileIo& io,
                      const OutputPlan& plan, ContactConverter* converter) {
  const int blocks = checkSplitLimits(input, io);
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path(), plan);
  if (!folder) return {};
  Written written{0, folder->path()};
  ContactFolderWriter writer(std::move(*folder), blocks, io, plan.firstContactNumber);
  LineReader reader(input, io);
  std::string_view line;
  const bool named = naming == NamingMode::ContactInfo;
  ui.countWritten(0, blocks);
  while (written.count < blocks && !reader.atEnd()) {
    ui.setStatus("Processing " + std::to_string(written.count + 1));
    stepDone(ui, written.count, blocks);
    reader.readLine(line);
    if (!isContactBegin(line)) continue;
    if (converter) {
      convertBlock(line, reader, writer, named, ui, *converter, written.count + 1);
    } else {
      writeBlock(line, reader, writer, named, ui);
    }
    ++written.count;
  }
  return written;
}

}  // namespace palvren
