#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_interface.h"

namespace palvren {

// The lines of one written contact; entry 0 is empty and never read.
using ContactLines = std::vector<std::string>;

// What one run's renaming remembers: which numbered names the run has still to write (so that
// no contact is moved onto a name the writer will need later), and where each name's "-#"
// sequence stands, so that many contacts of one name do not probe the whole sequence again.
class NamingSession {
 public:
  explicit NamingSession(int numberedFiles = 0) : numberedFiles_(numberedFiles) {}

  void numberedFileWritten(int number) { lastWritten_ = number; }
  bool isTaken(const std::string& path) const;
  std::string continueFrom(const std::string& target) const;
  void remember(const std::string& target, const std::string& assigned);

 private:
  bool isReservedNumberedName(const std::string& path) const;

  int numberedFiles_;
  int lastWritten_ = 0;
  std::map<std::string, std::string> lastAssigned_;
};

// Moves a freshly written single-contact file to a name formed from its lines. The numbered
// file stays where no name can be formed or the file system refuses the name.
void RenameToContactName(const std::string& outputFolder, const std::string& writtenFile,
                         const ContactLines& contactLines, UserInterface& ui,
                         NamingSession& session);

std::string NameFromContactLines(const ContactLines& contactLines);
std::string CleanNameText(std::string_view text);
std::string SwapFirstWord(std::string_view text);
std::string EmailLocalPart(std::string_view text);
// The next "-#" candidate for a path; the empty text when the counter cannot be raised within
// 16 bits (or the path is empty).
std::string NextUniqueName(const std::string& path);

}  // namespace palvren
