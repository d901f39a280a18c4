#include "vcard/counting.h"

#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"

namespace palvren {

int CountContacts(const std::string& path, UserInterface& ui, long long* size, FileIo& io) {
  int count = 0;
  if (fileExists(path)) {
    ui.setStatus("Verifying Input File...");
    ui.yield();
    LineReader reader(path, -1, io);
    reader.shortenLongLines();
    std::string_view line;
    while (reader.readLine(line)) {
      if (isContactBegin(line)) ++count;
    }
    if (size) *size = reader.sizeAtOpen();
  }
  ui.setCount("vCard Count = " + std::to_string(count) + " Cards");
  return count;
}

int CountVcfFiles(const std::string& folder) {
  if (!folderExists(folder)) return 0;
  int count = 0;
  for (const std::string& file : listFiles(folder)) {
    if (hasVcfExtension(file)) ++count;
  }
  return count;
}

}  // namespace palvren
