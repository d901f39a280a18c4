#include "cli/cli.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <new>
#include <ostream>

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

// "raw|google|outlook": the keys of the export formats.
std::string formatKeys() {
  std::string keys;
  for (const ExportFormatInfo& format : exportFormats()) {
    if (!keys.empty()) keys += '|';
    keys += format.key;
  }
  return keys;
}

// Text wrapped into lines of at most 88 characters, each later line indented by indent.
std::string wrapped(const std::string& first, const std::string& text, std::size_t indent) {
  std::string out = first;
  std::size_t lineStart = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const bool atStart = out.size() == first.size() || out.back() == ' ';
    if (!atStart && out.size() - lineStart + 1 + word.size() > 88) {
      out += "\n";
      lineStart = out.size();
      out += std::string(indent, ' ');
    } else if (!atStart) {
      out += ' ';
    }
    out += word;
    start = end + 1;
  }
  return out + "\n";
}

// The --format lines of the export command's help.
std::string formatOptions() {
  std::string lines;
  for (const ExportFormatInfo& format : exportFormats()) {
    std::string option = "  --format " + std::string(format.key);
    option.resize(21, ' ');
    lines += wrapped(option, std::string(format.fileName) + ": " + std::string(format.summary), 21);
  }
  return lines;
}

const std::string kUsage =
    "usage: palvren-cli <command> [options]\n"
    "       palvren-cli split FILE [--names number|contact] [--check none|1|2]\n"
    "                   [--conflicts ask|first|second|both|neither]\n"
    "                   [--match exact|tolerant] [--country-code N]\n"
    "                   [--vcard-version keep|2.1|3.0|4.0]\n"
    "                   [--report REPORT|-] [--dry-run] [--new-folder | --add]\n"
    "       palvren-cli recombine FOLDER [--check none|1|2] [--conflicts ...] [--match ...]\n"
    "                   [--country-code N] [--vcard-version ...] [--report ...]\n"
    "                   [--dry-run] [--replace | --keep-both]\n"
    "       palvren-cli merge FILE FILE... [--check none|1|2] [--conflicts ...] [--match ...]\n"
    "                   [--country-code N] [--vcard-version ...] [--report ...]\n"
    "                   [--dry-run] [--replace | --keep-both]\n"
    "       palvren-cli export FILE [--format " +
    formatKeys() +
    "] [--replace | --keep-both]\n"
    "       palvren-cli import FILE [--columns auto|google|outlook|raw]\n"
    "                   [--vcard-version 3.0|4.0|2.1] [--report ...] [--dry-run]\n"
    "                   [--replace | --keep-both]\n"
    "       palvren-cli count FILE\n"
    "       palvren-cli --help | --version\n";

// The options of a check, shared by split, recombine and merge.
#define PALVREN_CHECK_OPTIONS                                                                \
  "  --check none       copy every contact as it is (the default)\n"                         \
  "  --check 1          clean each contact and remove identical contacts first\n"            \
  "  --check 2          also merge similar contacts (same e-mail, or same telephone or\n"    \
  "                     address and the same name)\n"                                        \
  "  --conflicts POLICY how to settle differing values when merging similar contacts:\n"     \
  "                     ask (at the terminal, the default), first, second,\n"                \
  "                     both (they are different people), neither (drop both);\n"            \
  "                     asking, 'a' applies the next answer to all remaining conflicts\n"    \
  "                     and 's' stops the questions, keeping both of every remaining pair\n" \
  "  --match exact      pass 2 compares the same tag holding the same text (the default)\n"  \
  "  --match tolerant   pass 2 compares e-mails without case, telephone numbers as the\n"    \
  "                     international number they stand for, addresses without case or\n"    \
  "                     extra spaces, and names without case, accents, punctuation or\n"     \
  "                     Last, First order\n"                                                 \
  "  --country-code N   with --match tolerant: a national number is read as one of +N\n"     \
  "  --vcard-version V  write the vCards as 2.1, 3.0 or 4.0: every value decoded to\n"       \
  "                     UTF-8 and written in that version's form, FN and N added where\n"    \
  "                     it needs them; keep (the default) copies every byte as read\n"       \
  "  --report REPORT    with --check: write what the check removed and merged, and why;\n"   \
  "                     with --vcard-version: what the conversion changed in each\n"         \
  "                     contact; '-' writes it to standard output. An input or an\n"         \
  "                     output of the run is refused as REPORT before anything runs\n"       \
  "  --dry-run          with --check or --vcard-version: print that report and write no\n"   \
  "                     contact file\n"

// What a merge, recombine or export does where its file's name is taken.
#define PALVREN_EARLIER_FILE_OPTIONS                                                     \
  "  --replace          replace a file of the same name that an earlier run wrote\n"     \
  "  --keep-both        keep it, and write the new file as NAME (2), (3), ...\n"         \
  "                     (without either, a run whose name is taken writes nothing and\n" \
  "                     exits 2)\n"

const std::map<std::string, std::string> kCommandHelp = {
    {"split",
     "usage: palvren-cli split FILE [--names number|contact] [--check none|1|2]\n"
     "                   [--conflicts ask|first|second|both|neither]\n"
     "                   [--match exact|tolerant] [--country-code N]\n"
     "                   [--vcard-version keep|2.1|3.0|4.0]\n"
     "                   [--report REPORT|-] [--dry-run] [--new-folder | --add]\n\n"
     "Splits a multiple-contact vCard file into one file per contact, in the folder\n"
     "Split-vCards beside it.\n\n"
     "  --names number     contact0001.vcf, contact0002.vcf, ... (the default)\n"
     "  --names contact    named from each contact's formatted name, name, title or "
     "e-mail\n" PALVREN_CHECK_OPTIONS
     "  --new-folder       when Split-vCards already holds files, write into the next free\n"
     "                     Split-vCards (2), (3), ...\n"
     "  --add              when Split-vCards already holds files, add to them, numbered after\n"
     "                     the highest contactNNNN.vcf there (without either, a split into a\n"
     "                     folder that holds files writes nothing and exits 2)\n"},
    {"recombine",
     "usage: palvren-cli recombine FOLDER [--check none|1|2] [--conflicts POLICY]\n"
     "                   [--match exact|tolerant] [--country-code N]\n"
     "                   [--vcard-version keep|2.1|3.0|4.0]\n"
     "                   [--report REPORT|-] [--dry-run] [--replace | --keep-both]\n\n"
     "Joins every .vcf file directly in FOLDER, in name order, into one file named\n"
     "mm-dd-yyyy_CONBINED_CONTACTS.vcf in that folder; today's combined files, numbered or\n"
     "not, are not read. With --check, the contacts of all the files are checked as split\n"
     "checks them, and those that remain are written.\n\n" PALVREN_CHECK_OPTIONS
         PALVREN_EARLIER_FILE_OPTIONS},
    {"merge",
     "usage: palvren-cli merge FILE FILE... [--check none|1|2] [--conflicts POLICY]\n"
     "                   [--match exact|tolerant] [--country-code N]\n"
     "                   [--vcard-version keep|2.1|3.0|4.0]\n"
     "                   [--report REPORT|-] [--dry-run] [--replace | --keep-both]\n\n"
     "Joins several vCard files of one folder, in the order given, into one file named\n"
     "mm-dd-yyyy_CONBINED_CONTACTS.vcf in that folder. With --check, the contacts of all\n"
     "the files are checked as split checks them, and those that remain are "
     "written.\n\n" PALVREN_CHECK_OPTIONS PALVREN_EARLIER_FILE_OPTIONS},
    {"export", "usage: palvren-cli export FILE [--format " + formatKeys() +
                   "] [--replace | --keep-both]\n\n"
                   "Writes a CSV file of the contacts of FILE, one row per contact, in the folder\n"
                   "Split-vCards beside it.\n\n" +
                   formatOptions() + PALVREN_EARLIER_FILE_OPTIONS},
    {"import",
     "usage: palvren-cli import FILE [--columns auto|google|outlook|raw]\n"
     "                   [--vcard-version 3.0|4.0|2.1] [--report REPORT|-] [--dry-run]\n"
     "                   [--replace | --keep-both]\n\n"
     "Reads a CSV file (comma, semicolon or tab delimited; UTF-8, UTF-16 or Windows-1252)\n"
     "and writes one contact per row into Contacts_Imported.vcf beside it.\n\n"
     "  --columns auto     find the columns from the header: Google Contacts, Outlook,\n"
     "                     Thunderbird, or Palvren's own exports (the default); a header no\n"
     "                     set knows is read by its words (mail, phone, street, ...)\n"
     "  --columns google   the header is Google Contacts'; exits 2, naming the columns it\n"
     "                     lacks, when it is not (so too outlook and raw)\n"
     "  --vcard-version V  write vCard 3.0 (the default), 4.0 or 2.1\n"
     "  --report REPORT    write where each column went and each contact that needed a\n"
     "                     repair; '-' writes it to standard output\n"
     "  --dry-run          print that report and write no file\n" PALVREN_EARLIER_FILE_OPTIONS},
    {"count",
     "usage: palvren-cli count FILE\n\n"
     "Prints how many contacts FILE holds.\n"},
};

#undef PALVREN_CHECK_OPTIONS
#undef PALVREN_EARLIER_FILE_OPTIONS

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
                                                {"neither", ConflictPolicy::Neither}});
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
  if (!kCommandHelp.count(options.command)) {
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
    throw UsageError{"--conflicts ask needs a terminal; choose first, second, both or neither"};
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
    ui.setStatus("");
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
        ui.showMessage(kNotMultipleContacts, "Nothing to Process", MessageIcon::Critical);
        return kExitRefused;
      }
    }
    const std::string text = dryRunReport(options, operand, input, ui);
    ui.setStatus("");
    if (options.report != "-") terminal.out << text;
    if (!options.report.empty() && !writeReport(options.report, text, terminal)) {
      return kExitFailure;
    }
    return kExitSuccess;
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
    terminal.err << kUsage;
    return kExitRefused;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    if (arguments.size() > 1 && kCommandHelp.count(arguments[1])) {
      terminal.out << kCommandHelp.at(arguments[1]);
    } else {
      terminal.out << kUsage;
    }
    return kExitSuccess;
  }
  if (arguments[0] == "--version") {
    terminal.out << "palvren-cli " << kVersionMajor << "." << kVersionMinor << "."
                 << kVersionRevision << "\n";
    return kExitSuccess;
  }
  if (kCommandHelp.count(arguments[0])) {
    for (const std::string& argument : arguments) {
      if (argument == "--help" || argument == "-h") {
        terminal.out << kCommandHelp.at(arguments[0]);
        return kExitSuccess;
      }
    }
  }
  try {
    return runCommand(parseArguments(arguments, terminal), terminal);
  } catch (const UsageError& error) {
    terminal.err << "palvren-cli: " << escapeControls(error.message) << "\n" << kUsage;
    return kExitRefused;
  }
}

}  // namespace palvren
