#include "vcard/counting.h"

#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"
#include "vcard/merge_recombine.h"

namespace palvren {

namespace {
// Lines read between two yields while counting, so that the window repaints in time.
constexpr long long kLinesPerYield = 4096;
}  // namespace

int countContacts(const std::optional<OpenInput>& input, RunProgress& ui, FileIo& io) {
  int count = 0;
  if (input) {
    ui.setStatus("Verifying Input File...");
    ui.yield();
    LineReader reader(*input, io);
    reader.shortenLongLines();
    std::string_view line;
    for (long long lines = 1; reader.readLine(line); ++lines) {
      if (isContactBegin(line)) ++count;
      if (lines % kLinesPerYield == 0) ui.yield();
    }
  }
  ui.setCount("vCard Count = " + std::to_string(count) + " Cards");
  return count;
}

int countVcfFiles(const std::string& folder) {
  if (!folderExists(folder)) return 0;
  int count = 0;
  for (const std::string& file : listFiles(folder)) {
    if (hasVcfExtension(file) && !isCombinedFileName(fileNameOf(file))) ++count;
  }
  return count;
}

}  // namespace palvren
