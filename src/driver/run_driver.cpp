#include "driver/run_driver.h"

#include <functional>
#include <new>

#include "driver/earlier_results.h"
#include "platform/errors.h"
#include "redundancy/redundancy_run.h"
#include "vcard/counting.h"
#include "vcard/csv_export.h"
#include "vcard/mapped_export.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"
#include "vcard/split_writer.h"

namespace palvren {

namespace {

constexpr char kCrLf[] = "\r\n";

// The texts of one branch's outcome.
struct BranchTexts {
  std::string failureText;
  std::string failureTitle;
  std::string failureStatus;
  std::string stoppedTitle;  // and status
  std::string successText;
  std::string countPhrase;
  std::string successTitle;
  std::string successStatus;
};

// The deliberate misspellings of the success titles ("Successfull") are the program's own:
// they stay as they are.
const BranchTexts kSplitTexts{"vCard has not been successfully split.",
                              "vCard Split Failed",
                              "vCard Split Failed",
                              "vCard Split Stopped",
                              "vCard has been split successfully.",
                              " files have been created in...",
                              "vCard Split Successfull",
                              "vCard Split Successful"};
const BranchTexts kRecombineTexts{"vCard recombination has not been completed.",
                                  "vCard Recombine Failed",
                                  "vCard Recombination Failed",
                                  "vCard Recombination Stopped",
                                  "vCard files have been successfully recombined.",
                                  " total files have been combined into...",
                                  "vCard Recombine Successfull",
                                  "vCard Recombination Successful"};
const BranchTexts kMergeTexts{"vCards have not been successfully merged.",
                              "vCard Processing Failed",
                              "vCard Merge Failed",
                              "vCard Merge Stopped",
                              "vCards have been merged successfully.",
                              " cards have been combined into...",
                              "vCard Merge Successfull",
                              "vCard Merge Successful"};
const BranchTexts kExportTexts{"vCard has not been successfully exported.",
                               "vCard Processing Failed",
                               "vCard Export Failed",
                               "vCard Export Stopped",
                               "vCard has been exported successfully.",
                               " cards have been exported into...",
                               "vCard Export Successfull",
                               "vCard Export Successful"};

const char kNotMultipleFiles[] =
    "The selected location does not contain multiple vCard contact files.\r\n"
    "Please choose a path containing multiple vCards to be recombined.";

// One branch of the driver: its texts, its input, and the outcome it comes to.
class Branch {
 public:
  Branch(UserInterface& ui, const BranchTexts& texts, std::string input, FileIo& io)
      : ui_(ui), io_(io), texts_(texts), input_(std::move(input)) {}

  UserInterface& ui() { return ui_; }
  FileIo& io() { return io_; }
  const std::string& input() const { return input_; }
  // The input's size at the run's first reading: later readings see no more.
  long long inputSize = -1;
  // The contacts that reading counted.
  int contacts = 0;
  // What a redundancy check did, offered with the success message.
  std::string report;
  // A check over several files: what it read, removed, merged and wrote, in one line.
  std::string summary;
  // Where the output goes, as the person chose where an earlier result stood.
  OutputPlan plan;
  RunOutcome outcome() const { return outcome_; }

  // The person cancelled at the question about an earlier result: nothing is written.
  void cancel() {
    ui_.setStatus("Nothing was written.");
    ui_.setProgress(0, 0);
    outcome_ = {};
  }

  // Settles the plan where an earlier result stands; false when the person cancelled.
  bool settle(const std::optional<OutputPlan>& chosen) {
    if (!chosen) {
      cancel();
      return false;
    }
    plan = *chosen;
    return true;
  }

  void refuse(const std::string& text) {
    ui_.showMessage(text, "Nothing to Process", MessageIcon::Critical);
    outcome_ = {RunOutcome::Kind::Refused, 0, {}, text, {}};
  }

  void reportFailure(const std::string& reason) {
    std::string text = texts_.failureText;
    if (!reason.empty()) text += std::string(kCrLf) + kCrLf + reason;
    ui_.showMessage(text, texts_.failureTitle, MessageIcon::Critical);
    ui_.setStatus(texts_.failureStatus);
    ui_.setProgress(0, 0);
    outcome_ = {RunOutcome::Kind::Failed, 0, {}, text, {}};
  }

  // What a stopped run says: a split keeps the contact files it completed; the others write one
  // file, which a stop leaves unwritten.
  void reportStopped(const RunStopped& stop) {
    std::string text = "Stopped: nothing was written; an earlier file of that name is as it was.";
    if (&texts_ == &kSplitTexts) {
      const int total = stop.total > 0 ? stop.total : contacts;
      text = "Stopped: " + std::to_string(stop.written) + " of " + std::to_string(total) +
             " contact files were written in" + std::string(kCrLf) + kCrLf + "\"" +
             splitFolderFor(input_, plan) + "\"";
    }
    ui_.showMessage(text, texts_.stoppedTitle, MessageIcon::Information);
    ui_.setStatus(texts_.stoppedTitle);
    ui_.setProgress(0, 0);
    outcome_ = {RunOutcome::Kind::Stopped, stop.written, {}, text, {}};
  }

  // Runs one step; a failure it throws is reported as the branch's failure, a stop as a stop,
  // and the branch ends.
  template <typename Step>
  bool attempt(Step&& step) {
    try {
      step();
      return true;
    } catch (const RunStopped& stop) {
      reportStopped(stop);
    } catch (const std::bad_alloc&) {
      reportFailure("There is not enough memory to read \"" + input_ + "\".");
    } catch (const std::exception& error) {
      reportFailure(error.what());
    }
    return false;
  }

  // Runs the operation and reports its outcome; browseTarget maps the output path to what the
  // file browser is given.
  void runAndReport(const std::function<int(std::string&)>& operation,
                    const std::function<std::string(const std::string&)>& browseTarget) {
    std::string outputPath;
    int written = 0;
    if (!attempt([&] { written = operation(outputPath); })) return;
    if (written == 0) return reportFailure(std::string());
    ui_.setProgress(0, 0);
    std::string text = texts_.successText + std::string(kCrLf) + std::to_string(written) +
                       texts_.countPhrase + kCrLf + kCrLf + "\"" + outputPath + "\"";
    if (!summary.empty()) text += std::string(kCrLf) + summary;
    if (report.empty()) {
      ui_.showMessage(text, texts_.successTitle, MessageIcon::Information);
    } else {
      ui_.showMessageWithReport(text, texts_.successTitle, MessageIcon::Information, report,
                                outputPath);
    }
    ui_.setStatus(texts_.successStatus);
    ui_.openInFileBrowser(browseTarget(outputPath));
    outcome_ = {RunOutcome::Kind::Done, written, outputPath, {}, report};
  }

 private:
  UserInterface& ui_;
  FileIo& io_;
  const BranchTexts& texts_;
  std::string input_;
  RunOutcome outcome_;
};

std::string itself(const std::string& path) { return path; }

std::string folderWithSeparator(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

// Counts the contacts of a file for Split and Export; false when the branch must stop.
bool verifyContacts(Branch& branch) {
  int count = 0;
  if (!branch.attempt([&] {
        count = CountContacts(branch.input(), branch.ui(), &branch.inputSize, branch.io());
      })) {
    return false;
  }
  branch.contacts = count;
  if (count > 1) return true;
  branch.refuse(kNotMultipleContacts);
  return false;
}

RunOutcome runSplit(Branch branch) {
  if (!verifyContacts(branch)) return branch.outcome();
  UserInterface& ui = branch.ui();
  if (!branch.settle(planSplitFolder(branch.input(), ui))) return branch.outcome();
  const bool checkRedundancy = ui.redundancyCheckTicked();
  branch.runAndReport(
      [&](std::string& outputPath) {
        if (!checkRedundancy) {
          return SplitContacts(branch.input(), outputPath, ui, branch.inputSize, branch.io(),
                               branch.plan);
        }
        RedundancyReport report;
        const int written = SplitWithRedundancyCheck(
            branch.input(), outputPath, ui, branch.inputSize, branch.io(), &report, branch.plan);
        branch.report = report.text();
        return written;
      },
      itself);
  return branch.outcome();
}

// Merge or Recombine with the check: one file of the contacts that remain.
int joinChecked(Branch& branch, const std::vector<std::string>& inputs, std::string& target) {
  RedundancyReport report;
  JoinSummary summary;
  const int written = JoinWithRedundancyCheck(inputs, target, branch.ui(), summary, branch.io(),
                                              &report, branch.plan);
  branch.report = report.text();
  branch.summary = summary.text();
  return written;
}

RunOutcome runRecombine(Branch branch) {
  if (branch.input() == kCancelledFolderSelection) return branch.outcome();
  const std::string folder = folderWithSeparator(branch.input());
  int files = 0;
  if (!branch.attempt([&] { files = CountVcfFiles(folder); })) return branch.outcome();
  if (files <= 1) {
    branch.refuse(kNotMultipleFiles);
    return branch.outcome();
  }
  branch.ui().setCount(std::to_string(files) + " vCard Files Found");
  if (!branch.settle(
          planResultFile(folder.substr(0, folder.size() - 1), CombinedFileName(), branch.ui()))) {
    return branch.outcome();
  }
  const bool checkRedundancy = branch.ui().redundancyCheckTicked();
  branch.runAndReport(
      [&](std::string& outputPath) {
        if (!checkRedundancy) {
          return RecombineFolder(folder, outputPath, branch.ui(), branch.io(), branch.plan);
        }
        const std::vector<std::string> inputs = RecombineInputs(folder);
        outputPath = folder + CombinedFileName();
        return joinChecked(branch, inputs, outputPath) > 0 ? static_cast<int>(inputs.size()) : 0;
      },
      folderWithSeparator);
  return branch.outcome();
}

RunOutcome runMerge(Branch branch) {
  FileList fileList(1);
  std::string folder;
  if (!branch.attempt([&] { folder = ParseMultiSelection(branch.input(), fileList); })) {
    return branch.outcome();
  }
  const int selected = static_cast<int>(fileList.size()) - 1;
  if (selected <= 1) return branch.outcome();
  branch.ui().setCount(std::to_string(selected) + " files selected");
  if (!branch.settle(planResultFile(folder, CombinedFileName(), branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus("Merging...");
  const bool checkRedundancy = branch.ui().redundancyCheckTicked();
  branch.runAndReport(
      [&](std::string& outputPath) {
        if (!checkRedundancy) {
          return MergeFiles(folder, fileList, outputPath, branch.io(), &branch.ui(), branch.plan);
        }
        outputPath = folder + "/" + CombinedFileName();
        return joinChecked(branch, MergeInputs(folder, fileList, branch.plan), outputPath);
      },
      folderWithSeparator);
  return branch.outcome();
}

RunOutcome runExport(Branch branch) {
  if (!verifyContacts(branch)) return branch.outcome();
  const ExportFormat format = branch.ui().exportFormat();
  if (!branch.settle(planResultFile(splitFolderFor(branch.input()),
                                    std::string(ExportFileName(format)), branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus("Exporting...");
  if (format != ExportFormat::Raw) {
    branch.summary = "Format: " + std::string(ExportFormatTitle(format)) + ".";
  }
  branch.runAndReport(
      [&](std::string& outputPath) {
        if (format != ExportFormat::Raw) {
          std::size_t moved = 0;
          const int rows = ExportMappedCsv(branch.input(), format, outputPath, branch.inputSize,
                                           branch.io(), &branch.ui(), branch.plan, &moved);
          if (moved > 0) {
            branch.summary += " " + std::to_string(moved) +
                              " values past the tenth of their kind were written to Notes.";
          }
          return rows;
        }
        return ExportContactsToCsv(branch.input(), outputPath, branch.inputSize, branch.io(),
                                   &branch.ui(), branch.plan);
      },
      itself);
  return branch.outcome();
}

}  // namespace

RunOutcome RunOperation(const std::string& selectedInput, int runMode, UserInterface& ui,
                        FileIo& io) {
  switch (runMode) {
    case kSplit:
      return runSplit(Branch(ui, kSplitTexts, selectedInput, io));
    case kRecombine:
      return runRecombine(Branch(ui, kRecombineTexts, selectedInput, io));
    case kMerge:
      return runMerge(Branch(ui, kMergeTexts, selectedInput, io));
    case kExport:
      return runExport(Branch(ui, kExportTexts, selectedInput, io));
    default:
      return RunOutcome{};
  }
}

}  // namespace palvren
