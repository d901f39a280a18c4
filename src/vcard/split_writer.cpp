#include "vcard/split_writer.h"

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "platform/text.h"
#include "vcard/naming.h"

namespace palvren {

namespace {

constexpr std::string_view kEndLine = "END:VCARD";

// Reads the input once with the split's block rules and refuses what the writer could not
// number. Returns the number of blocks.
int checkSplitLimits(const std::string& inputFile) {
  LineReader reader(inputFile);
  std::string_view line;
  int blocks = 0;
  while (reader.readLine(line)) {
    if (!isBeginLine(line)) continue;
    if (++blocks > kMaxCount) {
      throw OperationError("\"" + inputFile + "\" holds more than " + std::to_string(kMaxCount) +
                           " contacts, the most this program can process.");
    }
    int lines = 0;
    while (line != kEndLine && reader.readLine(line)) {
      if (++lines > kMaxCount) {
        throw OperationError("Contact " + std::to_string(blocks) + " of \"" + inputFile +
                             "\" has more than " + std::to_string(kMaxCount) +
                             " lines, the most this program can process.");
      }
    }
  }
  return blocks;
}

}  // namespace

std::string numberedContactPath(const std::string& folder, int number) {
  return folder + "/contact" + fourDigits(number) + ".vcf";
}

std::string splitFolderFor(const std::string& inputFile) {
  const std::string parent =
      inputFile.find('/') == std::string::npos ? "." : parentFolder(inputFile);
  return parent + "/Split-vCards";
}

std::string PrepareSplitFolder(const std::string& inputFile) {
  if (!fileExists(inputFile)) return std::string();
  const std::string folder = splitFolderFor(inputFile);
  if (!folderExists(folder)) createFolder(folder);
  return folder;
}

int SplitContacts(const std::string& inputFile, std::string& outputPath, UserInterface& ui) {
  const int blocks = checkSplitLimits(inputFile);
  const bool folderExisted = folderExists(splitFolderFor(inputFile));
  outputPath = PrepareSplitFolder(inputFile);
  if (outputPath.empty()) return 0;
  NamingSession naming(blocks);
  LineReader reader(inputFile);
  std::string_view line;
  int counter = 1;
  while (!reader.atEnd()) {
    ui.setStatus("Processing " + std::to_string(counter));
    ui.yield();
    reader.readLine(line);
    if (!isBeginLine(line)) continue;
    // Nothing yields inside a block, so the option read here is the one in force after it.
    const bool named = ui.namingMode() == NamingMode::ContactInfo;
    ContactLines contactLines(1);
    const std::string path = numberedContactPath(outputPath, counter);
    // In a folder this run created, no earlier file can be in the way.
    LineWriter output(path, folderExisted ? LineWriter::keepingEarlierFile(path)
                                          : LineWriter::Mode::Direct);
    output.writeLine("BEGIN:VCARD");
    while (line != kEndLine && reader.readLine(line)) {
      output.writeLine(line);
      if (named) contactLines.emplace_back(line);
    }
    output.commit();
    naming.numberedFileWritten(counter);
    if (named) RenameToContactName(outputPath, path, contactLines, ui, naming);
    ++counter;
  }
  return counter - 1;
}

}  // namespace palvren
