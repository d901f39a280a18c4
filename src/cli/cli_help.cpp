#include "cli/cli_help.h"

#include "vcard/export_formats.h"

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
    "                   [--conflicts ask|first|second|both|neither|both-values]\n"
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
  "                     both (they are different people), neither (drop both),\n"            \
  "                     both-values (keep both values of an e-mail, telephone or other\n"    \
  "                     field of several, the first of a name or other single field);\n"     \
  "                     a fixed policy never merges a pair whose names differ;\n"            \
  "                     asking, 'v' keeps both values, 'a' applies the next answer to all\n" \
  "                     remaining conflicts of pairs named alike and 's' stops the\n"        \
  "                     questions, keeping both of every remaining pair\n"                   \
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
     "                   [--conflicts ask|first|second|both|neither|both-values]\n"
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

}  // namespace

const std::string& usageText() { return kUsage; }

const std::map<std::string, std::string>& commandHelp() { return kCommandHelp; }

}  // namespace palvren
