#pragma once

#include <deque>
#include <string>
#include <vector>

#include "driver/run_driver.h"
#include "driver/user_interface.h"
#include "support/fake_check.h"

namespace palvren::testing {

// A scripted user interface that records everything the operations show, in order, and the
// options a run is started with, as the window would hold them.
class FakeUserInterface : public FakeCheckOf<UserInterface> {
 public:
  EarlierResultAnswer askEarlierResult(const EarlierResult& earlier) override {
    earlierResults.push_back(earlier);
    events.push_back("earlier:" + earlier.title.english());
    if (earlierAnswers.empty()) return EarlierResultAnswer::Reuse;
    const EarlierResultAnswer answer = earlierAnswers.front();
    earlierAnswers.pop_front();
    return answer;
  }
  void openInFileBrowser(const std::string& path) override {
    browsed.push_back(path);
    events.push_back("browse:" + path);
  }

  // The options of a run of mode as scripted.
  RunOptions options(RunMode mode) const {
    RunOptions options;
    options.mode = mode;
    options.naming = naming;
    options.check = redundancyCheck;
    options.checkOptions = checkOptions();
    options.format = format;
    options.vcardVersion = vcardVersion;
    options.columns = columns;
    return options;
  }

  // Script.
  NamingMode naming = NamingMode::Numeric;
  bool redundancyCheck = false;
  ExportFormat format = ExportFormat::Raw;
  VcardVersion vcardVersion = VcardVersion::AsRead;
  ColumnSet columns = ColumnSet::Auto;
  // Where an earlier result stands; the answer is Reuse, today's behaviour, when none is left.
  std::deque<EarlierResultAnswer> earlierAnswers;

  // Record.
  std::vector<EarlierResult> earlierResults;
  std::vector<std::string> browsed;
};

// Runs an operation as the window does on what its file dialog answered, with the options the
// script holds.
inline RunOutcome runSelected(const std::string& selection, RunMode mode, FakeUserInterface& ui,
                              FileIo& io = systemFileIo()) {
  return runOperation(inputOfSelection(selection, mode), ui.options(mode), ui, io);
}

}  // namespace palvren::testing
