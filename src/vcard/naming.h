#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_writer.h"
#include "platform/run_progress.h"

namespace palvren {

// How a split names its contact files: numbered, or from each contact's own lines.
enum class NamingMode { Numeric, ContactInfo };

// The lines of one written contact; entry 0 is empty and never read.
using ContactLines = std::vector<std::string>;

// What one run's naming remembers: which numbered names the run has still to write (so that
// no contact takes a name the writer will need later, its own number included), and where each
// name's "-#" sequence stands, so that many contacts of one name do not probe the whole
// sequence again.
class NamingSession {
 public:
  explicit NamingSession(int numberedFiles = 0) : numberedFiles_(numberedFiles) {}

  // The contact with this number is being named.
  void startContact(int number) { current_ = number; }
  bool isReserved(const std::string& name) const;
  std::string continueFrom(const std::string& first) const;
  void remember(const std::string& first, const std::string& assigned);

 private:
  int numberedFiles_;
  int current_ = 1;
  std::map<std::string, std::string> lastAssigned_;
};

// Puts a freshly written single-contact file under a name formed from its lines, made unique
// with "-#" and a counter; a name is taken only when nothing at all stands there. Returns false,
// with the file still unplaced, when no name can be formed or the file system refuses it.
bool renameToContactName(LineWriter& written, const ContactLines& contactLines, RunProgress& ui,
                         NamingSession& session);

// The file name for a stem in outputFolder: leading dots (which would hide the file) removed,
// cut at a character boundary so that the whole path stays within 255 bytes; "" when nothing
// is left.
std::string contactFileName(const std::string& outputFolder, std::string_view stem);

std::string nameFromContactLines(const ContactLines& contactLines);
std::string cleanNameText(std::string_view text);
std::string swapFirstWord(std::string_view text);
std::string emailLocalPart(std::string_view text);
// The next "-#" candidate for a path; the empty text when the counter cannot be raised within
// 16 bits (or the path is empty).
std::string nextUniqueName(const std::string& path);

}  // namespace palvren
