#include "driver/run_driver.h"

#include <functional>
#include <new>

#include "driver/earlier_results.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "redundancy/redundancy_run.h"
#include "vcard/counting.h"
#include "vcard/csv_import.h"
#include "vcard/export_formats.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"
#include "vcard/split_writer.h"

namespace palvren {

namespace {

// The texts of one branch's outcome.
struct BranchTexts {
  TextId failureText;
  TextId failureTitle;
  TextId failureStatus;
  TextId stoppedTitle;  // and status
  TextId successText;
  TextId countPhrase;  // %n is the count
  TextId successTitle;
  TextId successStatus;
};

// The deliberate misspellings of the success titles ("Successfull") are the program's own:
// they stay as they are.
const BranchTexts kSplitTexts{PALVREN_TEXT("Run", "vCard has not been successfully split."),
                              PALVREN_TEXT("Run", "vCard Split Failed"),
                              PALVREN_TEXT("Run", "vCard Split Failed"),
                              PALVREN_TEXT("Run", "vCard Split Stopped"),
                              PALVREN_TEXT("Run", "vCard has been split successfully."),
                              PALVREN_COUNTED_TEXT("Run", "%n files have been created in..."),
                              PALVREN_TEXT("Run", "vCard Split Successfull"),
                              PALVREN_TEXT("Run", "vCard Split Successful")};
const BranchTexts kRecombineTexts{
    PALVREN_TEXT("Run", "vCard recombination has not been completed."),
    PALVREN_TEXT("Run", "vCard Recombine Failed"),
    PALVREN_TEXT("Run", "vCard Recombination Failed"),
    PALVREN_TEXT("Run", "vCard Recombination Stopped"),
    PALVREN_TEXT("Run", "vCard files have been successfully recombined."),
    PALVREN_COUNTED_TEXT("Run", "%n total files have been combined into..."),
    PALVREN_TEXT("Run", "vCard Recombine Successfull"),
    PALVREN_TEXT("Run", "vCard Recombination Successful")};
const BranchTexts kMergeTexts{PALVREN_TEXT("Run", "vCards have not been successfully merged."),
                              PALVREN_TEXT("Run", "vCard Processing Failed"),
                              PALVREN_TEXT("Run", "vCard Merge Failed"),
                              PALVREN_TEXT("Run", "vCard Merge Stopped"),
                              PALVREN_TEXT("Run", "vCards have been merged successfully."),
                              PALVREN_COUNTED_TEXT("Run", "%n cards have been combined into..."),
                              PALVREN_TEXT("Run", "vCard Merge Successfull"),
                              PALVREN_TEXT("Run", "vCard Merge Successful")};
const BranchTexts kExportTexts{PALVREN_TEXT("Run", "vCard has not been successfully exported."),
                               PALVREN_TEXT("Run", "vCard Processing Failed"),
                               PALVREN_TEXT("Run", "vCard Export Failed"),
                               PALVREN_TEXT("Run", "vCard Export Stopped"),
                               PALVREN_TEXT("Run", "vCard has been exported successfully."),
                               PALVREN_COUNTED_TEXT("Run", "%n cards have been exported into..."),
                               PALVREN_TEXT("Run", "vCard Export Successfull"),
                               PALVREN_TEXT("Run", "vCard Export Successful")};

const BranchTexts kImportTexts{PALVREN_TEXT("Run", "CSV file has not been imported."),
                               PALVREN_TEXT("Run", "CSV Import Failed"),
                               PALVREN_TEXT("Run", "CSV Import Failed"),
                               PALVREN_TEXT("Run", "CSV Import Stopped"),
                               PALVREN_TEXT("Run", "CSV file has been imported successfully."),
                               PALVREN_COUNTED_TEXT("Run", "%n contacts have been written into..."),
                               PALVREN_TEXT("Run", "CSV Import Successful"),
                               PALVREN_TEXT("Run", "CSV Import Successful")};

Message notMultipleFiles() {
  return Message(PALVREN_TEXT(
             "Run", "The selected location does not contain multiple vCard contact files.")) +
         lineBreak() +
         Message(PALVREN_TEXT("Run",
                              "Please choose a path containing multiple vCards to be recombined."));
}

// One branch of the driver: its texts, its input, and the outcome it comes to.
class Branch {
 public:
  Branch(UserInterface& ui, const BranchTexts& texts, const RunInput& input,
         const RunOptions& options, FileIo& io)
      : ui_(ui), io_(io), texts_(texts), input_(input), options_(options) {
    if (options.mode == RunMode::Import) {
      converter_.emplace(options.vcardVersion == VcardVersion::AsRead ? VcardVersion::V30
                                                                      : options.vcardVersion);
    } else if (options.vcardVersion != VcardVersion::AsRead && options.mode != RunMode::Export) {
      converter_.emplace(options.vcardVersion);
    }
  }

  UserInterface& ui() { return ui_; }
  FileIo& io() { return io_; }
  const RunInput& input() const { return input_; }
  const RunOptions& options() const { return options_; }
  // What converts the contacts written; nullptr when they are written as read.
  ContactConverter* converter() { return converter_ ? &*converter_ : nullptr; }
  // The input file, held open for the whole run.
  std::optional<OpenInput> openInput;
  // The contacts its first reading counted.
  int contacts = 0;
  // The split's survey of the input, taken with the count.
  SplitSurvey survey;
  // What a redundancy check did, offered with the success message.
  std::string report;
  // A check over several files: what it read, removed, merged and wrote, in one line.
  Message summary;
  // Where the output goes, as the person chose where an earlier result stood.
  OutputPlan plan;
  RunOutcome outcome() const { return outcome_; }

  // The person cancelled at the question about an earlier result: nothing is written.
  void cancel() {
    ui_.setStatus(Message(PALVREN_TEXT("Run", "Nothing was written.")));
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

  void refuse(const Message& text) {
    ui_.showMessage(text, Message(PALVREN_TEXT("Run", "Nothing to Process")),
                    MessageIcon::Critical);
    outcome_ = {RunOutcome::Kind::Refused, 0, {}, text.english(), {}};
  }

  void reportFailure(const Message& reason) {
    Message text(texts_.failureText);
    if (!reason.empty()) text += lineBreak() + lineBreak() + reason;
    ui_.showMessage(text, Message(texts_.failureTitle), MessageIcon::Critical);
    ui_.setStatus(Message(texts_.failureStatus));
    ui_.setProgress(0, 0);
    outcome_ = {RunOutcome::Kind::Failed, 0, {}, text.english(), {}};
  }

  // What a stopped run says: a split keeps the contact files it completed; the others write one
  // file, which a stop leaves unwritten.
  void reportStopped() {
    const FilesWritten stop = ui_.filesWritten();
    Message text(PALVREN_TEXT(
        "Run", "Stopped: nothing was written; an earlier file of that name is as it was."));
    if (&texts_ == &kSplitTexts) {
      const int total = stop.total > 0 ? stop.total : contacts;
      text = Message(PALVREN_COUNTED_TEXT("Run", "Stopped: %1 of %n contact files were written in"),
                     total, {std::to_string(stop.written)}) +
             lineBreak() + lineBreak() + quotedPath(splitFolderFor(input_.path, plan));
    }
    ui_.showMessage(text, Message(texts_.stoppedTitle), MessageIcon::Information);
    ui_.setStatus(Message(texts_.stoppedTitle));
    ui_.setProgress(0, 0);
    outcome_ = {RunOutcome::Kind::Stopped, stop.written, {}, text.english(), {}};
  }

  // Runs one step; a failure it throws is reported as the branch's failure, a stop as a stop,
  // and the branch ends.
  template <typename Step>
  bool attempt(Step&& step) {
    try {
      step();
      return true;
    } catch (const RunStopped&) {
      reportStopped();
    } catch (const std::bad_alloc&) {
      reportFailure(Message(PALVREN_TEXT("Run", "There is not enough memory to read \"%1\"."),
                            {input_.path}));
    } catch (const OperationError& error) {
      reportFailure(error.message());
    } catch (const std::exception& error) {
      reportFailure(Message::asIs(error.what()));
    }
    return false;
  }

  // Runs the operation and reports its outcome; browseTarget maps the output path to what the
  // file browser is given.
  void runAndReport(const std::function<Written()>& operation,
                    const std::function<std::string(const std::string&)>& browseTarget) {
    Written result;
    if (!attempt([&] { result = operation(); })) return;
    const int written = result.count;
    const std::string& outputPath = result.path;
    if (written == 0) return reportFailure(Message());
    addConversionLog();
    ui_.setProgress(0, 0);
    Message text = Message(texts_.successText) + lineBreak() +
                   Message(texts_.countPhrase, written) + lineBreak() + lineBreak() +
                   quotedPath(outputPath);
    if (!summary.empty()) text += lineBreak() + summary;
    const Message title(texts_.successTitle);
    if (report.empty()) {
      ui_.showMessage(text, title, MessageIcon::Information);
    } else {
      ui_.showMessageWithReport(text, title, MessageIcon::Information, report, outputPath);
    }
    ui_.setStatus(Message(texts_.successStatus));
    ui_.openInFileBrowser(browseTarget(outputPath));
    outcome_ = {RunOutcome::Kind::Done, written, outputPath, {}, report};
  }

 private:
  UserInterface& ui_;
  FileIo& io_;
  const BranchTexts& texts_;
  const RunInput& input_;
  const RunOptions& options_;
  RunOutcome outcome_;
  std::optional<ContactConverter> converter_;

  // The conversion's line in the success message, and its log in the report (an import's report
  // holds it already).
  void addConversionLog() {
    if (!converter_ || options_.mode == RunMode::Import) return;
    if (!summary.empty()) summary += lineBreak();
    summary += converter_->summary();
    report += converter_->report();
  }
};

std::string itself(const std::string& path) { return path; }

std::string folderWithSeparator(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

// Opens the input of Split and Export and counts its contacts; false when the branch must stop.
bool verifyContacts(Branch& branch) {
  int count = 0;
  if (!branch.attempt([&] {
        branch.openInput = OpenInput::ifPresent(branch.input().path);
        count = countContacts(branch.openInput, branch.ui(), branch.io(), &branch.survey);
      })) {
    return false;
  }
  branch.contacts = count;
  if (count > 1) return true;
  branch.refuse(notMultipleContacts());
  return false;
}

RunOutcome runSplit(Branch& branch) {
  if (branch.input().kind != RunInput::Kind::File || !verifyContacts(branch)) {
    return branch.outcome();
  }
  UserInterface& ui = branch.ui();
  const RunOptions& options = branch.options();
  if (!branch.settle(planSplitFolder(branch.input().path, options.earlierResults, ui))) {
    return branch.outcome();
  }
  const OpenInput& input = *branch.openInput;
  branch.runAndReport(
      [&] {
        if (!options.check) {
          return splitContacts(input, ui, options.naming, branch.io(), branch.plan,
                               branch.converter(), &branch.survey);
        }
        RedundancyReport report;
        Written written =
            splitWithRedundancyCheck(input, ui, options.checkOptions, options.naming, branch.io(),
                                     &report, branch.plan, branch.converter());
        branch.report = report.text();
        if (written.count > 0) {
          branch.summary = JoinSummary{branch.contacts, report.identicalCount(),
                                       report.mergedCount(), written.count}
                               .text();
        }
        return written;
      },
      itself);
  return branch.outcome();
}

// Merge or Recombine with the check: one file of the contacts that remain.
Written joinChecked(Branch& branch, const std::vector<std::string>& inputs,
                    const std::string& target) {
  RedundancyReport report;
  JoinSummary summary;
  Written written =
      joinWithRedundancyCheck(inputs, target, branch.ui(), branch.options().checkOptions, summary,
                              branch.io(), &report, branch.plan, branch.converter());
  branch.report = report.text();
  branch.summary = summary.text();
  return written;
}

RunOutcome runRecombine(Branch& branch) {
  if (branch.input().kind != RunInput::Kind::Folder) return branch.outcome();
  const std::string folder = folderWithSeparator(branch.input().path);
  int files = 0;
  if (!branch.attempt([&] { files = countVcfFiles(folder); })) return branch.outcome();
  if (files <= 1) {
    branch.refuse(notMultipleFiles());
    return branch.outcome();
  }
  branch.ui().setCount(Message(PALVREN_COUNTED_TEXT("Run", "%n vCard Files Found"), files));
  if (!branch.settle(planResultFile(folder.substr(0, folder.size() - 1), combinedFileName(),
                                    branch.options().earlierResults, branch.ui()))) {
    return branch.outcome();
  }
  branch.runAndReport(
      [&] {
        if (!branch.options().check) {
          return recombineFolder(folder, branch.ui(), branch.io(), branch.plan, branch.converter());
        }
        const std::vector<std::string> inputs = recombineInputs(folder);
        Written written = joinChecked(branch, inputs, folder + combinedFileName());
        if (written.count > 0) written.count = static_cast<int>(inputs.size());
        return written;
      },
      folderWithSeparator);
  return branch.outcome();
}

RunOutcome runMerge(Branch& branch) {
  const FileSelection files = branch.input().selection();
  if (branch.input().kind != RunInput::Kind::Files || files.names.size() <= 1) {
    return branch.outcome();
  }
  branch.ui().setCount(Message(PALVREN_COUNTED_TEXT("Run", "%n files selected"),
                               static_cast<long long>(files.names.size())));
  if (!branch.settle(planResultFile(files.folder, combinedFileName(),
                                    branch.options().earlierResults, branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus(Message(PALVREN_TEXT("Run", "Merging...")));
  branch.runAndReport(
      [&] {
        if (!branch.options().check) {
          return mergeFiles(files, branch.io(), &branch.ui(), branch.plan, branch.converter());
        }
        return joinChecked(branch, mergeInputs(files, branch.plan),
                           files.folder + "/" + combinedFileName());
      },
      folderWithSeparator);
  return branch.outcome();
}

RunOutcome runExport(Branch& branch) {
  if (branch.input().kind != RunInput::Kind::File || !verifyContacts(branch)) {
    return branch.outcome();
  }
  const ExportFormatInfo& format = exportFormatInfo(branch.options().format);
  if (!branch.settle(planResultFile(splitFolderFor(branch.input().path),
                                    std::string(format.fileName), branch.options().earlierResults,
                                    branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus(Message(PALVREN_TEXT("Run", "Exporting...")));
  if (format.format != ExportFormat::Raw) {
    branch.summary = Message(PALVREN_TEXT("Run", "Format:")) + Message::asIs(" ") +
                     Message(format.title) + Message::asIs(".");
  }
  branch.runAndReport(
      [&] {
        std::size_t moved = 0;
        Written rows = format.write(*branch.openInput, format.format, branch.io(), &branch.ui(),
                                    branch.plan, &moved);
        if (moved > 0) {
          branch.summary +=
              Message::asIs(" ") +
              Message(PALVREN_COUNTED_TEXT(
                          "Run", "%n values past the tenth of their kind were written to Notes."),
                      static_cast<long long>(moved));
        }
        return rows;
      },
      itself);
  return branch.outcome();
}

Message noRowsToImport() {
  return Message(PALVREN_TEXT("Run", "The selected CSV file holds no contacts to import.")) +
         lineBreak() +
         Message(PALVREN_TEXT(
             "Run",
             "Please choose a CSV file with a header row and at least one row of contacts."));
}

// The columns of an import: a known set's, or what the person chose where none matches; false
// when the branch must stop.
bool settleColumns(Branch& branch, const CsvTable& table, ColumnMapping& mapping) {
  std::vector<std::string> missing;
  std::optional<ColumnMapping> found = mapColumns(table.header, branch.options().columns, &missing);
  if (!found) {
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    branch.refuse(Message(
        PALVREN_TEXT("Run", "\"%1\" does not have the columns %2 of the column set chosen."),
        {branch.input().path, names}));
    return false;
  }
  mapping = std::move(*found);
  if (mapping.recognised) return true;
  std::vector<std::vector<std::string>> firstValues(table.header.size());
  for (std::size_t r = 0; r < table.rows.size() && r < 3; ++r) {
    for (std::size_t c = 0; c < firstValues.size() && c < table.rows[r].size(); ++c) {
      firstValues[c].emplace_back(table.rows[r].at(c));
    }
  }
  std::optional<std::vector<ImportField>> chosen =
      branch.ui().askColumnMapping(table.header, firstValues, mapping.fields);
  if (!chosen) {
    branch.cancel();
    return false;
  }
  mapping.fields = std::move(*chosen);
  for (std::size_t c = 0; c < mapping.fields.size() && c < table.header.size(); ++c) {
    if (mapping.fields[c].property.empty()) {
      mapping.fields[c].property = unknownColumnProperty(table.header[c]);
    }
  }
  return true;
}

RunOutcome runImport(Branch& branch) {
  if (branch.input().kind != RunInput::Kind::File) return branch.outcome();
  const std::string& path = branch.input().path;
  CsvTable table;
  if (!branch.attempt([&] {
        branch.openInput = OpenInput::ifPresent(path);
        if (branch.openInput)
          table = readImportTable(*branch.openInput, branch.options().columns, branch.io());
      })) {
    return branch.outcome();
  }
  if (table.header.empty() || table.rows.empty()) {
    branch.refuse(noRowsToImport());
    return branch.outcome();
  }
  ColumnMapping mapping;
  if (!settleColumns(branch, table, mapping)) return branch.outcome();
  const std::string folder = parentFolder(path);
  if (!branch.settle(planResultFile(folder, kImportedFileName, branch.options().earlierResults,
                                    branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus(Message(PALVREN_TEXT("Run", "Importing...")));
  branch.runAndReport(
      [&] {
        ImportLog log;
        ContactConverter& converter = *branch.converter();
        Written written = importRows(table, mapping, converter, log, folder + "/", branch.io(),
                                     &branch.ui(), branch.plan);
        branch.summary = Message(PALVREN_TEXT("Run", "%1 rows read, %2 contacts written."),
                                 {std::to_string(log.rows), std::to_string(log.contacts)}) +
                         Message::asIs(" ") + converter.summary();
        branch.report = importReport(path, table, mapping, log, converter);
        return written;
      },
      folderWithSeparator);
  return branch.outcome();
}

// In the order of RunMode.
const BranchTexts* const kTextsByMode[] = {&kSplitTexts, &kRecombineTexts, &kMergeTexts,
                                           &kExportTexts, &kImportTexts};

const BranchTexts& textsOf(RunMode mode) {
  const auto index = static_cast<std::size_t>(mode);
  return index < std::size(kTextsByMode) ? *kTextsByMode[index] : kExportTexts;
}

}  // namespace

RunOutcome runOperation(const RunInput& input, const RunOptions& options, UserInterface& ui,
                        FileIo& io) {
  ui.countWritten(0, 0);
  Branch branch(ui, textsOf(options.mode), input, options, io);
  switch (options.mode) {
    case RunMode::Split:
      return runSplit(branch);
    case RunMode::Recombine:
      return runRecombine(branch);
    case RunMode::Merge:
      return runMerge(branch);
    case RunMode::Export:
      return runExport(branch);
    case RunMode::Import:
      return runImport(branch);
  }
  return RunOutcome{};
}

}  // namespace palvren
