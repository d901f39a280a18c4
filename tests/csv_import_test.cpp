// Importing CSV files as programs write them, and the round trip through the mapped exports.
#include "vcard/csv_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/errors.h"
#include "support/corpus.h"
#include "support/temp_folder.h"
#include "vcard/csv_export.h"
#include "vcard/mapped_csv.h"
#include "vcard/mapped_export.h"

namespace palvren {
namespace {

using testing::readBytes;
using testing::TempFolder;

std::string utf16(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += char(c & 0xFF);
    bytes += char(c >> 8);
  }
  return bytes;
}

// The vCards an import writes of csv, and its repairs.
std::string imported(const std::string& csv, ImportLog& log) {
  const CsvTable table = csvTableOf(csv, false, "test.csv");
  const std::optional<ColumnMapping> mapping = mapColumns(table.header, ColumnSet::Auto);
  EXPECT_TRUE(mapping && mapping->recognised);
  if (!mapping) return {};
  TempFolder folder;
  ContactConverter converter(VcardVersion::V30);
  importRows(table, *mapping, converter, log, folder.path() + "/");
  return readBytes(folder.file(kImportedFileName));
}

TEST(CsvImport, ReadsWhatProgramsWrite) {
  struct Case {
    const char* what;
    std::string csv;
    const char* vcards;  // lines joined by CR LF
    std::vector<std::string> repairs;
  };
  const Case cases[] = {
      {"semicolons, a byte-order mark, a quoted address over two lines",
       "\xEF\xBB\xBF"
       "First Name;Last Name;E-mail Address;Mobile Phone;Home Street;Home City\r\n"
       "Anna;Weber;anna@example.org;+49 170 1234567;\"Ringweg 2\r\nHinterhaus\";Berlin\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Weber;Anna;;;\r\nFN:Anna Weber\r\n"
       "EMAIL;TYPE=INTERNET:anna@example.org\r\nTEL;TYPE=CELL:+49 170 1234567\r\n"
       "ADR;TYPE=HOME:;;Ringweg 2\\nHinterhaus;Berlin;;;\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns"}},
      {"UTF-16 with its mark, Google's labels (the preferred one starred)",
       utf16(u"First Name,Last Name,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - "
             u"Value\r\nJos\u00E9,Br\u00FCning,* Work,jose@example.org,Mobile,+49 162 2433834\r\n"),
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Br\xC3\xBCning;Jos\xC3\xA9;;;\r\nFN:Jos\xC3\xA9 "
       "Br\xC3\xBCning\r\nEMAIL;TYPE=INTERNET,WORK,PREF:jose@example.org\r\n"
       "TEL;TYPE=CELL:+49 162 2433834\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns"}},
      {"Windows-1252, Google's older names, a date no one can read for sure, a guarded formula, "
       "an unknown column, a short row and a long one",
       "Given Name,Family Name,Birthday,Notes,Favourite Colour\r\n"
       "Jos\xE9,M\xFCller,05/03/1980,'=1+1,blue\r\n,Short\r\n"
       "Lee,Long,1980-03-05,note,x,past the header\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\xC3\xBCller;Jos\xC3\xA9;;;\r\nFN:Jos\xC3\xA9 "
       "M\xC3\xBCller\r\nX-CSV-BIRTHDAY:05/03/1980\r\nX-CSV-FAVOURITE-COLOUR:blue\r\n"
       "NOTE:=1+1\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Short;;;;\r\nFN:Short\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Long;Lee;;;\r\nFN:Lee Long\r\nBDAY:1980-03-05\r\n"
       "X-CSV-FAVOURITE-COLOUR:x\r\nNOTE:note\\nColumn 6: past the header\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns",
        "contact 1: birthday \"05/03/1980\" is no ISO 8601 date: kept as text in X-CSV-BIRTHDAY",
        "contact 2: FN made from the name columns", "contact 3: FN made from the name columns",
        "contact 3: cells past the header went to NOTE"}},
      {"Google's older groups: a starred type, an organization",
       "Given Name,Family Name,E-mail 1 - Type,E-mail 1 - Value,Organization 1 - Name\r\n"
       "Ann,Lee,* Home,ann@x.org,Acme\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\n"
       "EMAIL;TYPE=INTERNET,HOME,PREF:ann@x.org\r\nORG:Acme\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns"}},
      {"tabs, Thunderbird's birthday in three columns",
       "First Name\tLast Name\tDisplay Name\tPrimary Email\tBirth Year\tBirth Month\tBirth Day\r\n"
       "Ann\tLee\tAnn Lee\tann@example.org\t1980\t3\t5\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\n"
       "EMAIL;TYPE=INTERNET:ann@example.org\r\nBDAY:1980-03-05\r\nEND:VCARD\r\n",
       {}},
      {"runs of quoted empty cells, longer and shorter than the reader takes at once",
       [] {
         // Outlook's columns, each empty but the first name, the e-mail after 8 empty ones and
         // the notes after 26.
         std::string header, row;
         for (const ColumnField& column : outlookColumns()) {
           const std::string_view name = column.column;
           header += (header.empty() ? "" : ",") + std::string(name);
           const std::string cell = name == "First Name"       ? "Ann"
                                    : name == "E-mail Address" ? "ann@example.org"
                                    : name == "Notes"          ? "Met at the fair"
                                                               : "\"\"";
           row += (row.empty() ? "" : ",") + cell;
         }
         return header + "\r\n" + row + "\r\n";
       }(),
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;Ann;;;\r\nFN:Ann\r\n"
       "EMAIL;TYPE=INTERNET:ann@example.org\r\nNOTE:Met at the fair\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns"}},
      {"rows that only look blank, blank ones, line ends inside quotes and quotes inside a cell, "
       "and the same past the sixteen bytes a search takes at once",
       "First Name,Last Name\r\n\"\"\"\",\r\n, \r\n\" \",\"\"\nAnn,\"Lee\rSmith\"\r"
       "Bo\"b,x\"y,Z\n, , , , , , , , , , , , \r\n\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
       "\"                    Kim\",Lee\r\n\"Ann Marie Louise\r\nSecond\",X\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;\";;;\r\nFN:\"\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee\\nSmith;Ann;;;\r\nFN:Ann Lee\\nSmith\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Z;Bob\\,xy;;;\r\nFN:Bob\\,xy Z\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Kim;;;\r\nFN:Kim Lee\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:X;Ann Marie Louise\\nSecond;;;\r\n"
       "FN:Ann Marie Louise\\nSecond X\r\nEND:VCARD\r\n",
       {"contact 1: FN made from the name columns", "contact 2: FN made from the name columns",
        "contact 3: FN made from the name columns", "contact 4: FN made from the name columns",
        "contact 5: FN made from the name columns"}},
      {"a raw export of folded values (one by a tab): unfolded, a quoted-printable one by its "
       "soft break",
       "VERSION,N,NOTE,NOTE;ENCODING=QUOTED-PRINTABLE,TITLE\r\n"
       "\"3.0\",\"A;B;;;\",\"Met at the fair, pr\r\nefers e-mail\r\n\tand calls\",\"\",\"\"\r\n"
       "\"2.1\",\"C;D\",\"\",\"one=0D=0A=\r\ntwo\",\"a title fol\nded\"\r\n",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:B A\r\nN:A;B;;;\r\n"
       "NOTE:Met at the fair\\, prefers e-mailand calls\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:D C\r\nN:C;D\r\nNOTE:one\\ntwo\r\n"
       "TITLE:a title folded\r\nEND:VCARD\r\n",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportLog log;
    EXPECT_EQ(imported(c.csv, log), c.vcards);
    EXPECT_EQ(log.repairs, c.repairs);
  }
}

// Converted to another version on two threads, the contacts are written, and logged, in order.
TEST(CsvImport, ContactsConvertedOnTwoThreadsStayInOrder) {
  std::string csv = "First Name,E-mail 1 - Label,E-mail 1 - Value\r\n";
  for (int row = 1; row <= 300; ++row) csv += "P" + std::to_string(row) + ",* Work,p@x.org\r\n";
  const CsvTable table = csvTableOf(csv, false, "people.csv");
  ContactConverter converter(VcardVersion::V40);
  ImportLog log;
  TempFolder folder;
  importRows(table, *mapColumns(table.header, ColumnSet::Auto), converter, log,
             folder.path() + "/");
  const std::string written = readBytes(folder.file(kImportedFileName));
  std::size_t at = 0;
  for (int row = 1; row <= 300; ++row) {
    at = written.find("FN:P" + std::to_string(row) + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << row;
  }
  ASSERT_EQ(converter.log().contacts, 300);
  ASSERT_EQ(converter.log().entries.size(), 300u);
  for (int row = 1; row <= 300; ++row) {
    EXPECT_EQ(converter.log().entries[std::size_t(row - 1)],
              "contact " + std::to_string(row) + ": TYPE=PREF became PREF=1");
  }
}

TEST(CsvImport, MoreRowsThanTheLimitAreRefusedBeforeAnythingIsWritten) {
  std::string csv = "First Name,Last Name\r\n";
  for (int row = 0; row < 32767; ++row) csv += "A,B\r\n";
  EXPECT_EQ(csvTableOf(csv, false, "big.csv").rows.size(), 32767u);
  csv += "C,D\r\n";
  try {
    csvTableOf(csv, false, "big.csv");
    ADD_FAILURE() << "32768 rows were taken";
  } catch (const OperationError& error) {
    EXPECT_NE(std::string(error.what()).find("\"big.csv\" holds more than 32767 rows"),
              std::string::npos)
        << error.what();
  }
}

// The contacts of a file as the mapped exports read them, without e-mails, telephones,
// addresses and web sites that hold nothing (an import writes no empty property).
std::vector<MappedContact> mappedContactsOf(const std::string& path) {
  std::vector<MappedContact> contacts;
  forEachMappedContact(OpenInput(path), [&](const std::vector<MappedProperty>& properties) {
    contacts.push_back(mapContact(properties));
    for (auto* list : {&contacts.back().emails, &contacts.back().phones, &contacts.back().addresses,
                       &contacts.back().websites}) {
      list->removeIf([](const MappedContact::Typed& typed) {
        return std::all_of(typed.parts.begin(), typed.parts.end(),
                           [](const std::string& part) { return part.empty(); });
      });
    }
  });
  return contacts;
}

std::vector<std::string> csvLinesOf(const std::vector<MappedContact>& contacts,
                                    ExportFormat format) {
  std::vector<std::string> lines;
  writeMappedCsv(contacts, format, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

// Whether the import gave a row with no name an FN (from its organization or e-mail).
bool fnMade(const ImportLog& log, int contact) {
  const std::string prefix = "contact " + std::to_string(contact) + ": FN made from ";
  return std::any_of(log.repairs.begin(), log.repairs.end(), [&](const std::string& repair) {
    return repair.starts_with(prefix) && !repair.ends_with("the name columns");
  });
}

// Export as Google or Outlook, import, export again: every row is as it was, but those of
// contacts that had no name and were given one.
TEST(CsvImport, MappedExportsSurviveAnImport) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int rows = 0;
  for (const auto& file : files) {
    const std::vector<MappedContact> contacts = mappedContactsOf(file.string());
    if (contacts.empty()) continue;
    for (ExportFormat format : {ExportFormat::Google, ExportFormat::Outlook}) {
      SCOPED_TRACE(file.string() + (format == ExportFormat::Google ? " Google" : " Outlook"));
      const std::vector<std::string> first = csvLinesOf(contacts, format);
      std::string csv;
      for (const std::string& line : first) csv += line + "\r\n";
      const CsvTable table = csvTableOf(csv, false, file.string());
      const std::optional<ColumnMapping> mapping = mapColumns(table.header, ColumnSet::Auto);
      ASSERT_TRUE(mapping && mapping->recognised);
      TempFolder folder;
      ContactConverter converter(VcardVersion::V30);
      ImportLog log;
      importRows(table, *mapping, converter, log, folder.path() + "/");
      const std::vector<std::string> second =
          csvLinesOf(mappedContactsOf(folder.file(kImportedFileName)), format);
      ASSERT_EQ(second.size(), first.size());
      EXPECT_EQ(second.front(), first.front());
      for (std::size_t k = 1; k < first.size(); ++k) {
        if (!fnMade(log, int(k))) {
          EXPECT_EQ(second[k], first[k]) << "row " << k;
        }
        ++rows;
      }
    }
  }
  EXPECT_GT(rows, 200);
}

// The raw export keeps, per contact, the last value of each tag: reading it back gives each of
// them under its tag, for the converter to decode by the tag's parameters; byte for byte, but
// that the lines of a folded value are folded again (the export took their leading blanks).
std::string foldedAgain(const std::string& tag, std::string value) {
  if (tag.find("QUOTED-PRINTABLE") != std::string::npos) return value;
  for (std::size_t at = value.find('\n'); at != std::string::npos; at = value.find('\n', at + 1)) {
    if (at + 1 == value.size() || (value[at + 1] != '\t' && value[at + 1] != ' ')) {
      value.insert(at + 1, " ");  // a line folded with a tab keeps it
    }
  }
  return value;
}

TEST(CsvImport, ARawExportReadsBackIntoItsTagsAndValues) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int values = 0;
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    TempFolder folder;
    const OpenInput input(folder.write("in.vcf", readBytes(file.string())));
    const ContactItems items = readContactItems(input);
    if (items.contactCount() == 0) continue;
    ColumnTags tags;
    const std::vector<int> itemColumns = buildCsvColumns(items, tags);
    const Written csv = exportContactsToCsv(input);
    const CsvTable table = readImportTable(OpenInput(csv.path), ColumnSet::Auto);
    const std::optional<ColumnMapping> mapping = mapColumns(table.header, ColumnSet::Auto);
    ASSERT_TRUE(mapping && mapping->setName == kRawExportColumns);
    ASSERT_EQ(table.rows.size(), items.contactCount());
    ImportLog log;
    for (std::size_t c = 0; c < items.contactCount(); ++c) {
      std::vector<std::string> last(std::size_t(tags.size()) + 1);
      for (std::size_t i = items.dataItemsBegin(c); i < items.dataItemsEnd(c); ++i) {
        last[std::size_t(itemColumns[i])] = itemValue(items.itemText(i));
      }
      std::vector<std::string> expected{"BEGIN:VCARD"};
      for (std::size_t k = 1; k < last.size(); ++k) {
        const std::string& tag = table.header[k - 1];
        if (!last[k].empty()) expected.push_back(tag + ":" + foldedAgain(tag, last[k]));
      }
      expected.emplace_back("END:VCARD");
      EXPECT_EQ(contactOfRow(table.rows[c], table, *mapping, int(c) + 1, log), expected);
      values += int(expected.size()) - 2;
    }
  }
  EXPECT_GT(values, 1000);
}

}  // namespace
}  // namespace palvren
