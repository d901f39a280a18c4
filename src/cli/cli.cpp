#include "cli/cli.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <new>
#include <ostream>

#include "cli/cli_help.h"
#include "cli/report_target.h"
#include "cli/terminal_ui.h"
#include "driver/run_driver.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "platform/text.h"
#include "platform/version.h"
#include "redundancy/redundancy_run.h"
#include "vcard/contact_copier.h"
#include "vcard/counting.h"
#include "vcard/csv_import.h"
#include "vcard/export_formats.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

struct UsageError {
  std::string message;
};

struct Options {
  std::string command;
  std::vector<std::string> operands;
  NamingMode naming = NamingMode::Numeric;
  int check = 0;
  ConflictPolicy conflicts = ConflictPolicy::Ask;
  std::string report;
  bool dryRun = false;
  ExportFormat format = ExportFormat::Raw;
  MatchRule rule;
  EarlierPolicy earlier = EarlierPolicy::Ask;
  VcardVersion version = VcardVersion::AsRead;
  ColumnSet columns = ColumnSet::Auto;
};

// The flags that say what to do where an earlier result stands, by command.
bool parseEarlierFlag(Options& options, const std::string& argument) {
  const bool split = options.command == "split";
  const bool file = options.command == "merge" || options.command == "recombine" ||
                    options.command == "export" || options.command == "import";
  EarlierPolicy policy = EarlierPolicy::Ask;
  if ((split && argument == "--new-folder") || (file && argument == "--keep-both")) {
    policy = EarlierPolicy::WriteFresh;
  } else if ((split && argument == "--add") || (file && argument == "--replace")) {
    policy = EarlierPolicy::Reuse;
  } else {
    return false;
  }
  if (options.earlier != EarlierPolicy::Ask && options.earlier != policy) {
    throw UsageError{"choose one of " +
                     std::string(split ? "--new-folder and --add" : "--replace and --keep-both")};
  }
  options.earlier = policy;
  return true;
}

std::string absolutePath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().native();
}

template <typename T>
T choose(const std::string& option, const std::string& value,
         const std::map<std::string, T>& choices) {
  auto found = choices.find(value);
  if (found == choices.end()) throw UsageError{"invalid value '" + value + "' for " + option};
  return found->second;
}

void parseOption(Options& options, const std::string& option, const std::string& value) {
  if (option == "--format" && options.command == "export") {
    const std::optional<ExportFormat> format = exportFormatNamed(value);
    if (!format) throw UsageError{"invalid value '" + value + "' for " + option};
    options.format = *format;
    return;
  }
  if (options.command == "import" && option == "--columns") {
    const std::optional<ColumnSet> columns = columnSetNamed(value);
    if (!columns) throw UsageError{"invalid value '" + value + "' for " + option};
    options.columns = *columns;
    return;
  }
  const bool imports = options.command == "import";
  const bool checks =
      options.command == "split" || options.command == "merge" || options.command == "recombine";
  const bool eitherOption = option == "--vcard-version" || option == "--report";
  if ((!checks && !(imports && eitherOption)) ||
      (option == "--names" && options.command != "split")) {
    throw UsageError{"unknown option '" + option + "'"};
  }
  if (option == "--names") {
    options.naming = choose<NamingMode>(
        option, value, {{"number", NamingMode::Numeric}, {"contact", NamingMode::ContactInfo}});
  } else if (option == "--check") {
    options.check = choose<int>(option, value, {{"none", 0}, {"1", 1}, {"2", 2}});
  } else if (option == "--conflicts") {
    options.conflicts = choose<ConflictPolicy>(option, value,
                                               {{"ask", ConflictPolicy::Ask},
                                                {"first", ConflictPolicy::First},
                                                {"second", ConflictPolicy::Second},
                                                {"both", ConflictPolicy::Both},
                                                {"neither", ConflictPolicy::Neither},
                                                {"both-values", ConflictPolicy::BothValues}});
  } else if (option == "--report") {
    options.report = value;
  } else if (option == "--vcard-version") {
    const std::optional<VcardVersion> version = versionNamed(value);
    if (!version) throw UsageError{"invalid value '" + value + "' for " + option};
    options.version = *version;
  } else if (option == "--match") {
    options.rule.tolerant = choose<bool>(option, value, {{"exact", false}, {"tolerant", true}});
  } else if (option == "--country-code") {
    const bool digits = !value.empty() && value.size() <= 3 &&
                        value.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) throw UsageError{"invalid value '" + value + "' for " + option};
    options.rule.countryCode = value;
  } else {
    throw UsageError{"unknown option '" + option + "'"};
  }
}

Options parseArguments(const std::vector<std::string>& arguments, const Terminal& terminal) {
  Options options;
  options.command = arguments.at(0);
  if (!commandHelp().count(options.command)) {
    throw UsageError{"unknown command '" + options.command + "'"};
  }
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--dry-run" && options.command != "export" && options.command != "count") {
      options.dryRun = true;
    } else if (parseEarlierFlag(options, argument)) {
      continue;
    } else if (argument.size() > 2 && argument.compare(0, 2, "--") == 0) {
      std::size_t equals = argument.find('=');
      if (equals != std::string::npos) {
        parseOption(options, argument.substr(0, equals), argument.substr(equals + 1));
      } else if (i + 1 < arguments.size()) {
        parseOption(options, argument, arguments[++i]);
      } else {
        throw UsageError{"option '" + argument + "' needs a value"};
      }
    } else {
      options.operands.push_back(argument);
    }
  }
  const std::size_t needed = options.command == "merge" ? 2 : 1;
  if (options.operands.size() < needed) throw UsageError{"missing operand for " + options.command};
  if (options.command != "merge" && options.operands.size() > 1) {
    throw UsageError{"unexpected operand '" + options.operands[1] + "'"};
  }
  const bool reported =
      options.check > 0 || options.version != VcardVersion::AsRead || options.command == "import";
  if ((options.dryRun || !options.report.empty()) && !reported) {
    throw UsageError{"--report and --dry-run go with --check 1 or 2, or with --vcard-version"};
  }
  if (options.check == 2 && options.conflicts == ConflictPolicy::Ask && !terminal.inIsTerminal) {
    throw UsageError{
        "--conflicts ask needs a terminal; choose first, second, both, neither or both-values"};
  }
  return options;
}

// The files to merge, all of one folder.
FileSelection mergeSelection(const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  for (const std::string& file : files) paths.push_back(absolutePath(file));
  std::optional<FileSelection> selection = filesOfOneFolder(paths);
  if (selection) return *selection;
  const std::string folder = parentFolder(paths.front());
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (parentFolder(paths[i]) != folder) {
      throw UsageError{"merge: '" + files[i] + "' is not in " + folder};
    }
  }
  return {};
}

// What the run was asked to do, as the options the driver takes.
RunOptions runOptionsOf(const Options& options, RunMode mode) {
  RunOptions run;
  run.mode = mode;
  run.naming = options.naming;
  run.check = options.check > 0;
  run.checkOptions.passes =
      options.check == 2 ? RedundancyMode::Pass1And2 : RedundancyMode::Pass1Only;
  run.checkOptions.rule = options.rule;
  run.format = options.format;
  run.earlierResults = options.earlier;
  run.vcardVersion = options.version;
  run.columns = options.columns;
  return run;
}

int exitStatusOf(const RunOutcome& outcome) {
  switch (outcome.kind) {
    case RunOutcome::Kind::Done:
      return kExitSuccess;
    case RunOutcome::Kind::Failed:
    case RunOutcome::Kind::Stopped:
      return kExitFailure;
    case RunOutcome::Kind::Refused:
    case RunOutcome::Kind::NotRun:
      break;
  }
  return kExitRefused;
}

int countCommand(const std::string& operand, const std::string& given, TerminalUserInterface& ui,
                 Terminal& terminal) {
  if (!fileExists(operand)) {
    terminal.err << "palvren-cli: '" << escapeControls(given) << "' is not a file\n";
    return kExitRefused;
  }
  try {
    const int contacts = countContacts(OpenInput::ifPresent(operand), ui);
    ui.setStatus(Message());
    terminal.out << contacts << "\n";
  } catch (const std::bad_alloc&) {
    terminal.err << "There is not enough memory to read \"" << escapeControls(operand) << "\".\n";
    return kExitFailure;
  } catch (const OperationError& error) {
    terminal.err << escapeControlsByLine(error.what()) << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

// Writes the report to standard output ("-"), into a device or FIFO that stands at path (never
// replacing it), or as a new whole file at path.
bool writeReport(const std::string& path, const std::string& report, Terminal& terminal) {
  try {
    if (path == "-") {
      terminal.out << report;
      return true;
    }
    const std::string target = absolutePath(path);
    struct stat info;
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
      writeIntoSpecialFile(target, report);
      return true;
    }
    LineWriter output(target);
    output.writeText(report);
    output.commit();
    return true;
  } catch (const OperationError& error) {
    terminal.err << escapeControlsByLine(error.what()) << "\n";
    return false;
  }
}

// The files a merge or recombine with the check reads.
std::vector<std::string> checkedInputs(const Options& options, const std::string& operand) {
  if (options.command == "recombine") return recombineInputs(folderSelectionText(operand));
  return mergeInputs(mergeSelection(options.operands));
}

// The report of a dry run: what the check would remove and merge, and what converting the
// contacts it keeps (or every contact, without it) would change.
std::string dryRunReport(const Options& options, const std::string& operand,
                         const std::optional<OpenInput>& input, TerminalUserInterface& ui) {
  std::optional<ContactConverter> converter;
  if (options.version != VcardVersion::AsRead) converter.emplace(options.version);
  const bool split = options.command == "split";
  if (options.check == 0) {
    convertWithoutWriting(
        split ? std::vector<std::string>{operand} : checkedInputs(options, operand), *converter);
    return converter->report() + std::to_string(converter->log().contacts) +
           " contacts would be written; none was.\n";
  }
  ContactTable table(1);
  ContactList list;
  RedundancyReport report;
  const CheckOptions checks = runOptionsOf(options, RunMode::Split).checkOptions;
  const int kept =
      split ? checkContacts(*input, list, table, ui, checks, &report)
            : checkFiles(checkedInputs(options, operand), list, table, ui, checks, &report);
  std::string text = report.text();
  if (converter) {
    int number = 0;
    for (int contact : list.numbers()) converter->convert(recordLines(table[contact]), ++number);
    text += converter->report();
  }
  return text + std::to_string(kept) + " contacts would be written; none was.\n";
}

// Prints the report and writes it where --report says.
int printReport(const Options& options, const std::string& text, Terminal& terminal) {
  if (options.report != "-") terminal.out << text;
  if (!options.report.empty() && !writeReport(options.report, text, terminal)) return kExitFailure;
  return kExitSuccess;
}

// An import that writes nothing: where each column would go, and each repair.
int importDryRun(const Options& options, const std::string& operand, Terminal& terminal) {
  const OpenInput input(operand);
  const CsvTable table = readImportTable(input, options.columns);
  std::vector<std::string> missing;
  const std::optional<ColumnMapping> mapping = mapColumns(table.header, options.columns, &missing);
  if (!mapping) {
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    terminal.err << "palvren-cli: '" << escapeControls(options.operands.front())
                 << "' does not have the columns " << escapeControls(names) << "\n";
    return kExitRefused;
  }
  ContactConverter converter(options.version == VcardVersion::AsRead ? VcardVersion::V30
                                                                     : options.version);
  ImportLog log;
  importRows(table, *mapping, converter, log, {});
  return printReport(options,
                     importReport(operand, table, *mapping, log, converter) +
                         std::to_string(log.contacts) + " contacts would be written; none was.\n",
                     terminal);
}

// The check or the conversion alone: what it would do, printed; no contact file is written.
int dryRun(const Options& options, const std::string& operand, TerminalUserInterface& ui,
           Terminal& terminal) {
  try {
    if (options.command == "import") return importDryRun(options, operand, terminal);
    std::optional<OpenInput> input;
    if (options.command == "split") {
      input = OpenInput::ifPresent(operand);
      if (countContacts(input, ui) < 2) {
        ui.showMessage(notMultipleContacts(), Message(PALVREN_TEXT("Run", "Nothing to Process")),
                       MessageIcon::Critical);
        return kExitRefused;
      }
    }
    const std::string text = dryRunReport(options, operand, input, ui);
    ui.setStatus(Message());
    return printReport(options, text, terminal);
  } catch (const std::exception& error) {
    terminal.err << escapeControlsByLine(error.what()) << "\n";
    return kExitFailure;
  }
}

// The files of a run that its report must never replace.
RunFiles runFilesOf(const Options& options, const std::string& operand) {
  RunFiles files;
  if (options.command == "split") {
    files.inputs = {operand};
    files.splitBeside = parentFolder(operand);
  } else if (options.command == "merge") {
    for (const std::string& file : options.operands) files.inputs.push_back(absolutePath(file));
    files.outputFolder = parentFolder(files.inputs.front());
  } else if (options.command == "recombine") {
    for (const std::string& file : listFiles(operand)) {
      if (hasVcfExtension(file)) files.inputs.push_back(file);
    }
    files.outputFolder = operand;
  } else if (options.command == "import") {
    files.inputs = {operand};
    files.outputFolder = parentFolder(operand);
    files.resultName = kImportedFileName;
  }
  return files;
}

// Refuses, before anything runs, a report that would replace an input or an output.
bool reportTargetRefused(const Options& options, const std::string& operand, Terminal& terminal) {
  if (options.report.empty() || options.report == "-") return false;
  std::string refusal;
  try {
    refusal = reportRefusal(absolutePath(options.report), runFilesOf(options, operand));
  } catch (const OperationError& error) {
    refusal = error.what();
  }
  if (refusal.empty()) return false;
  terminal.err << "palvren-cli: the report cannot be written to '" << escapeControls(options.report)
               << "': " << escapeControlsByLine(refusal) << "; nothing was run.\n";
  return true;
}

int runCommand(const Options& options, Terminal& terminal) {
  TerminalUserInterface ui(terminal, options.conflicts);
  const std::string operand = absolutePath(options.operands.front());
  if (options.command == "count") {
    return countCommand(operand, options.operands.front(), ui, terminal);
  }
  if (options.command == "recombine" && !folderExists(operand)) {
    throw UsageError{"'" + options.operands.front() + "' is not a folder"};
  }
  if (reportTargetRefused(options, operand, terminal)) return kExitRefused;
  if (options.dryRun) return dryRun(options, operand, ui, terminal);
  RunOutcome outcome;
  if (options.command == "split") {
    outcome = runOperation(RunInput::file(operand), runOptionsOf(options, RunMode::Split), ui);
  }
  if (options.command == "export") {
    outcome = runOperation(RunInput::file(operand), runOptionsOf(options, RunMode::Export), ui);
  }
  if (options.command == "import") {
    outcome = runOperation(RunInput::file(operand), runOptionsOf(options, RunMode::Import), ui);
  }
  if (options.command == "recombine") {
    outcome =
        runOperation(RunInput::folder(operand), runOptionsOf(options, RunMode::Recombine), ui);
  }
  if (options.command == "merge") {
    outcome = runOperation(RunInput::files(mergeSelection(options.operands)),
                           runOptionsOf(options, RunMode::Merge), ui);
  }
  if (!options.report.empty() && !outcome.report.empty()) {
    if (!writeReport(options.report, outcome.report, terminal)) return kExitFailure;
  }
  return exitStatusOf(outcome);
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, Terminal& terminal) {
  if (arguments.empty()) {
    terminal.err << usageText();
    return kExitRefused;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    if (arguments.size() > 1 && commandHelp().count(arguments[1])) {
      terminal.out << commandHelp().at(arguments[1]);
    } else {
      terminal.out << usageText();
    }
    return kExitSuccess;
  }
  if (arguments[0] == "--version") {
    terminal.out << "palvren-cli " << kVersionMajor << "." << kVersionMinor << "."
                 << kVersionRevision << "\n";
    return kExitSuccess;
  }
  if (commandHelp().count(arguments[0])) {
    for (const std::string& argument : arguments) {
      if (argument == "--help" || argument == "-h") {
        terminal.out << commandHelp().at(arguments[0]);
        return kExitSuccess;
      }
    }
  }
  try {
    return runCommand(parseArguments(arguments, terminal), terminal);
  } catch (const UsageError& error) {
    terminal.err << "palvren-cli: " << escapeControls(error.message) << "\n" << usageText();
    return kExitRefused;
  }
}

}  // namespace palvren
