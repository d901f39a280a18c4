#pragma once

#include <optional>
#include <string>
#include <vector>

#include "redundancy/check_interface.h"
#include "vcard/csv_columns.h"

namespace palvren {

// An earlier result standing where a run is about to write, and the question put about it.
struct EarlierResult {
  bool folder = false;    // a split folder that holds files; else a result file
  std::string path;       // what stands there
  std::string freshName;  // the next free numbered name beside it
  Message text;           // the question
  Message title;
  Message freshButton;  // write under freshName
  Message reuseButton;  // add to the folder, or replace the file
};
enum class EarlierResultAnswer { Cancel, WriteFresh, Reuse };

// What a run needs from the person in front of the program: the check's questions, and the
// driver's own messages. The main window implements it; tests use a scripted fake.
class UserInterface : public CheckInterface {
 public:
  // A success message that offers a report behind its details, to be saved beside outputPath
  // (what the run wrote).
  virtual void showMessageWithReport(const Message& text, const Message& title, MessageIcon icon,
                                     const std::string& report, const std::string& outputPath) {
    (void)report;
    (void)outputPath;
    showMessage(text, title, icon);
  }
  // What to do where an earlier result stands; asked before anything is written.
  virtual EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) = 0;

  // Fire and forget: shows a folder, or opens a file with its associated program.
  virtual void openInFileBrowser(const std::string& path) = 0;

  // Where the columns of a CSV file whose header no known set matches go: proposed holds what
  // each header's words suggest, firstValues a few cells of each column. The fields chosen, one
  // per column, or nothing when the person cancelled. By default the proposal is taken.
  virtual std::optional<std::vector<ImportField>> askColumnMapping(
      const std::vector<std::string>& header,
      const std::vector<std::vector<std::string>>& firstValues,
      const std::vector<ImportField>& proposed) {
    (void)header;
    (void)firstValues;
    return proposed;
  }
};

}  // namespace palvren
