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

#define RUN_TEXT(source) PALVREN_TEXT("Run", source)
#define RUN_COUNT(source) PALVREN_COUNTED_TEXT("Run", source)

// The deliberate misspellings of the success titles ("Successfull") are the program's own:
// they stay as they are.
const BranchTexts kSplitTexts{RUN_TEXT("vCard has not been successfully split."),
                              RUN_TEXT("vCard Split Failed"),
                              RUN_TEXT("vCard Split Failed"),
                              RUN_TEXT("vCard Split Stopped"),
                              RUN_TEXT("vCard has been split successfully."),
                              RUN_COUNT("%n files have been created in..."),
                              RUN_TEXT("vCard Split Successfull"),
                              RUN_TEXT("vCard Split Successful")};
const BranchTexts kRecombineTexts{RUN_TEXT("vCard recombination has not been completed."),
                                  RUN_TEXT("vCard Recombine Failed"),
                                  RUN_TEXT("vCard Recombination Failed"),
                                  RUN_TEXT("vCard Recombination Stopped"),
                                  RUN_TEXT("vCard files have been successfully recombined."),
                                  RUN_COUNT("%n total files have been combined into..."),
                                  RUN_TEXT("vCard Recombine Successfull"),
                                  RUN_TEXT("vCard Recombination Successful")};
const BranchTexts kMergeTexts{RUN_TEXT("vCards have not been successfully merged."),
                              RUN_TEXT("vCard Processing Failed"),
                              RUN_TEXT("vCard Merge Failed"),
                              RUN_TEXT("vCard Merge Stopped"),
                              RUN_TEXT("vCards have been merged successfully."),
                              RUN_COUNT("%n cards have been combined into..."),
                              RUN_TEXT("vCard Merge Successfull"),
                              RUN_TEXT("vCard Merge Successful")};
const BranchTexts kExportTexts{RUN_TEXT("vCard has not been successfully exported."),
                               RUN_TEXT("vCard Processing Failed"),
                               RUN_TEXT("vCard Export Failed"),
                               RUN_TEXT("vCard Export Stopped"),
                               RUN_TEXT("vCard has been exported successfully."),
                               RUN_COUNT("%n cards have been exported into..."),
                               RUN_TEXT("vCard Export Successfull"),
                               RUN_TEXT("vCard Export Successful")};

const BranchTexts kImportTexts{RUN_TEXT("CSV file has not been imported."),
                               RUN_TEXT("CSV Import Failed"),
                               RUN_TEXT("CSV Import Failed"),
                               RUN_TEXT("CSV Import Stopped"),
                               RUN_TEXT("CSV file has been imported successfully."),
                               RUN_COUNT("%n contacts have been written into..."),
                               RUN_TEXT("CSV Import Successful"),
                               RUN_TEXT("CSV Import Successful")};

Message notMultipleFiles() {
  return Message(RUN_TEXT("The selected location does not contain multiple vCard contact files.")) +
         lineBreak() +
         Message(RUN_TEXT("Please choose a path containing multiple vCards to be recombined."));
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
    ui_.setStatus(Message(RUN_TEXT("Nothing was written.")));
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
    ui_.showMessage(text, Message(RUN_TEXT("Nothing to Process")), MessageIcon::Critical);
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
    Message text(
        RUN_TEXT("Stopped: nothing was written; an earlier file of that name is as it was."));
    if (&texts_ == &kSplitTexts) {
      const int total = stop.total > 0 ? stop.total : contacts;
      text = Message(RUN_COUNT("Stopped: %1 of %n contact files were written in"), total,
                     {std::to_string(stop.written)}) +
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
      reportFailure(Message(RUN_TEXT("There is not enough memory to read \"%1\"."), {input_.path}));
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
  branch.ui().setCount(Message(RUN_COUNT("%n vCard Files Found"), files));
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
  branch.ui().setCount(
      Message(RUN_COUNT("%n files selected"), static_cast<long long>(files.names.size())));
  if (!branch.settle(planResultFile(files.folder, combinedFileName(),
                                    branch.options().earlierResults, branch.ui()))) {
    return branch.outcome();
  }
  branch.ui().setStatus(Message(RUN_TEXT("Merging...")));
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
  branch.ui().setStatus(Message(RUN_TEXT("Exporting...")));
  if (format.format != ExportFormat::Raw) {
    branch.summary = Message(RUN_TEXT("Format:")) + Message::asIs(" ") + Message(format.title) +
                     Message::asIs(".");
  }
  branch.runAndReport(
      [&] {
        std::size_t moved = 0;
        Written rows = format.write(*branch.openInput, format.format, branch.io(), &branch.ui(),
                                    branch.plan, &moved);
        if (moved > 0) {
          branch.summary +=
              Message::asIs(" ") +
              Message(RUN_COUNT("%n values past the tenth of their kind were written to Notes."),
                      static_cast<long long>(moved));
        }
        return rows;
      },
      itself);
  return branch.outcome();
}

Message noRowsToImport() {
  return Message(RUN_TEXT("The selected CSV file holds no contacts to import.")) + lineBreak() +
         Message(RUN_TEXT(
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
    branch.refuse(Message(RUN_TEXT("\"%1\" does not have the columns %2 of the column set chosen."),
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
  branch.ui().setStatus(Message(RUN_TEXT("Importing...")));
  branch.runAndReport(
      [&] {
        ImportLog log;
        ContactConverter& converter = *branch.converter();
        Written written = importRows(table, mapping, converter, log, folder + "/", branch.io(),
                                     &branch.ui(), branch.plan);
        branch.summary = Message(RUN_TEXT("%1 rows read, %2 contacts written."),
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
