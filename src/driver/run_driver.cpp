#include "driver/run_driver.h"

#include <functional>

#include "platform/errors.h"
#include "redundancy/redundancy_run.h"
#include "vcard/counting.h"
#include "vcard/csv_export.h"
#include "vcard/merge_recombine.h"
#include "vcard/split_writer.h"

namespace palvren {

namespace {

constexpr char kCrLf[] = "\r\n";

// The texts of one branch's outcome.
struct Outcome {
  std::string failureText;
  std::string failureTitle;
  std::string failureStatus;
  std::string successText;
  std::string countPhrase;
  std::string successTitle;
  std::string successStatus;
};

const Outcome kSplitOutcome{"vCard has not been successfully split.",
                            "vCard Split Failed",
                            "vCard Split Failed",
                            "vCard has been split successfully.",
                            " files have been created in...",
                            "vCard Split Successfull",
                            "vCard Split Successful"};
const Outcome kRecombineOutcome{"vCard recombination has not been completed.",
                                "vCard Recombine Failed",
                                "vCard Recombination Failed",
                                "vCard files have been successfully recombined.",
                                " total files have been combined into...",
                                "vCard Recombine Successfull",
                                "vCard Recombination Successful"};
const Outcome kMergeOutcome{"vCards have not been successfully merged.",
                            "vCard Processing Failed",
                            "vCard Merge Failed",
                            "vCards have been merged successfully.",
                            " cards have been combined into...",
                            "vCard Merge Successfull",
                            "vCard Merge Successful"};
const Outcome kExportOutcome{"vCard has not been successfully exported.",
                             "vCard Processing Failed",
                             "vCard Export Failed",
                             "vCard has been exported successfully.",
                             " cards have been exported into...",
                             "vCard Export Successfull",
                             "vCard Export Successful"};

const char kNotMultipleContacts[] =
    "The selected vCard does not contain multiple contacts.\r\n"
    "Please choose a multiple-entry vCard file.";
const char kNotMultipleFiles[] =
    "The selected location does not contain multiple vCard contact files.\r\n"
    "Please choose a path containing multiple vCards to be recombined.";

void refuse(UserInterface& ui, const std::string& text) {
  ui.showMessage(text, "Nothing to Process", MessageIcon::Critical);
}

void reportFailure(UserInterface& ui, const Outcome& outcome, const std::string& reason) {
  std::string text = outcome.failureText;
  if (!reason.empty()) text += std::string(kCrLf) + kCrLf + reason;
  ui.showMessage(text, outcome.failureTitle, MessageIcon::Critical);
  ui.setStatus(outcome.failureStatus);
}

// Runs one step of a branch; a failure it throws is reported as the branch's failure, and the
// branch stops.
template <typename Step>
bool attempt(UserInterface& ui, const Outcome& outcome, Step&& step) {
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    reportFailure(ui, outcome, error.what());
    return false;
  }
}

// Runs the operation and reports its outcome; browseTarget maps the output path to what the
// file browser is given.
void runAndReport(UserInterface& ui, const Outcome& outcome,
                  const std::function<int(std::string&)>& operation,
                  const std::function<std::string(const std::string&)>& browseTarget) {
  std::string outputPath;
  int written = 0;
  if (!attempt(ui, outcome, [&] { written = operation(outputPath); })) return;
  if (written == 0) {
    reportFailure(ui, outcome, std::string());
    return;
  }
  ui.showMessage(outcome.successText + kCrLf + std::to_string(written) + outcome.countPhrase +
                     kCrLf + kCrLf + "\"" + outputPath + "\"",
                 outcome.successTitle, MessageIcon::Information);
  ui.setStatus(outcome.successStatus);
  ui.openInFileBrowser(browseTarget(outputPath));
}

std::string itself(const std::string& path) { return path; }

std::string folderWithSeparator(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

// Counts the contacts of a file for Split and Export; false when the branch must stop.
bool verifyContacts(const std::string& input, UserInterface& ui, const Outcome& outcome) {
  int count = 0;
  if (!attempt(ui, outcome, [&] { count = CountContacts(input, ui); })) return false;
  if (count > 1) return true;
  refuse(ui, kNotMultipleContacts);
  return false;
}

void runSplit(const std::string& input, UserInterface& ui) {
  if (!verifyContacts(input, ui, kSplitOutcome)) return;
  const bool checkRedundancy = ui.redundancyCheckTicked();
  runAndReport(
      ui, kSplitOutcome,
      [&](std::string& outputPath) {
        return checkRedundancy ? SplitWithRedundancyCheck(input, outputPath, ui)
                               : SplitContacts(input, outputPath, ui);
      },
      itself);
}

void runRecombine(const std::string& input, UserInterface& ui) {
  if (input == "*.*") return;
  const std::string folder = folderWithSeparator(input);
  int files = 0;
  if (!attempt(ui, kRecombineOutcome, [&] { files = CountVcfFiles(folder); })) return;
  if (files <= 1) return refuse(ui, kNotMultipleFiles);
  ui.setCount(std::to_string(files) + " vCard Files Found");
  runAndReport(
      ui, kRecombineOutcome,
      [&](std::string& outputPath) { return RecombineFolder(folder, outputPath, ui); },
      folderWithSeparator);
}

void runMerge(const std::string& input, UserInterface& ui) {
  FileList fileList(1);
  std::string folder;
  if (!attempt(ui, kMergeOutcome, [&] { folder = ParseMultiSelection(input, fileList); })) return;
  const int selected = static_cast<int>(fileList.size()) - 1;
  if (selected <= 1) return;
  ui.setCount(std::to_string(selected) + " files selected");
  ui.setStatus("Merging...");
  runAndReport(
      ui, kMergeOutcome,
      [&](std::string& outputPath) { return MergeFiles(folder, fileList, outputPath); },
      folderWithSeparator);
}

void runExport(const std::string& input, UserInterface& ui) {
  if (!verifyContacts(input, ui, kExportOutcome)) return;
  ui.setStatus("Exporting...");
  runAndReport(
      ui, kExportOutcome,
      [&](std::string& outputPath) { return ExportContactsToCsv(input, outputPath); }, itself);
}

}  // namespace

void RunOperation(const std::string& selectedInput, int runMode, UserInterface& ui) {
  const std::string input = selectedInput;
  switch (runMode) {
    case kSplit:
      return runSplit(input, ui);
    case kRecombine:
      return runRecombine(input, ui);
    case kMerge:
      return runMerge(input, ui);
    case kExport:
      return runExport(input, ui);
    default:
      return;
  }
}

}  // namespace palvren
