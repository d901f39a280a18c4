#include "vcard/mapped_export.h"

#include <gtest/gtest.h>

#include "support/corpus.h"
#include "support/temp_folder.h"
#include "vcard/value_decoding.h"

namespace palvren {
namespace {

using testing::readBytes;
using testing::TempFolder;

// The rows of a CSV text, each a list of cells, read as RFC 4180 says.
std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& cell = rows.back().back();
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      if (i + 1 < text.size()) rows.emplace_back(1);
    } else {
      cell += c;
    }
  }
  return rows;
}

// A hand-written address book (a 2.1 phone card with quoted-printable in three charsets, a 3.0
// desktop card, a 4.0 server card) and the CSV each mapped format must give, checked by hand.
TEST(MappedExport, WritesTheExpectedCsvForEachFormat) {
  const std::string fixture = std::string(PALVREN_TEST_DATA) + "/export_profiles/";
  for (const auto& [format, expected] :
       {std::pair{ExportFormat::Google, "google.csv"}, {ExportFormat::Outlook, "outlook.csv"}}) {
    SCOPED_TRACE(expected);
    TempFolder folder;
    const std::string input =
        folder.write("address_book.vcf", readBytes(fixture + "address_book.vcf"));
    const Written exported = exportMappedCsv(OpenInput(input), format);
    EXPECT_EQ(exported.count, 3);
    EXPECT_EQ(exported.path,
              folder.path() + "/Split-vCards/" + std::string(exportFormatInfo(format).fileName));
    const std::string written = readBytes(exported.path);
    EXPECT_EQ(written, readBytes(fixture + expected));
    EXPECT_EQ(written.starts_with("\xEF\xBB\xBF"), format == ExportFormat::Outlook);
    const auto rows = parseCsv(written);
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size());
  }
}

// What a spreadsheet would run is written as text, telephone numbers stay numbers, and one
// contact never widens the table past ten of a kind: the rest goes to its notes and is counted.
TEST(MappedExport, NoLiveFormulasAndNoUnboundedColumns) {
  std::vector<MappedProperty> properties = {
      {"FN", "FN", {}, "=HYPERLINK(\"http://x\",\"y\")"},
      {"NICKNAME", "NICKNAME", {}, "@SUM(1)"},
      {"TITLE", "TITLE", {}, "-5"},
      {"NOTE", "NOTE", {}, "\tnote"},
      {"TEL", "TEL", {}, "+44 (20) 7946-0000"},
      {"TEL", "TEL", {}, "-1-800-FLOWERS"},
  };
  for (int i = 1; i <= 12; ++i) {
    properties.push_back({"EMAIL", "EMAIL", {}, "p" + std::to_string(i) + "@example.org"});
  }
  for (ExportFormat format : {ExportFormat::Google, ExportFormat::Outlook}) {
    std::string csv;
    const std::size_t moved =
        writeMappedCsv({mapContact(properties)}, format, [&csv](std::string_view line) {
          csv += line;
          csv += "\r\n";
        });
    const auto rows = parseCsv(csv.starts_with("\xEF\xBB\xBF") ? csv.substr(3) : csv);
    ASSERT_EQ(rows.size(), 2u);
    std::string cells;
    for (const std::string& cell : rows[1]) cells += cell + "\x1F";
    for (const char* text :
         {"'=HYPERLINK(\"http://x\",\"y\")", "'@SUM(1)", "'-5", "\x1F+44 (20) 7946-0000"}) {
      EXPECT_NE(cells.find(text), std::string::npos) << text << " in " << cells;
    }
    if (format == ExportFormat::Google) {
      EXPECT_EQ(moved, 2u);
      EXPECT_NE(std::find(rows[0].begin(), rows[0].end(), "E-mail 10 - Value"), rows[0].end());
      EXPECT_EQ(std::find(rows[0].begin(), rows[0].end(), "E-mail 11 - Value"), rows[0].end());
      EXPECT_NE(cells.find("Other: p12@example.org"), std::string::npos);
      EXPECT_NE(cells.find("'-1-800-FLOWERS"), std::string::npos);
    }
  }
  // The mobile types as 3.0 (CELL), 4.0 and Google's own exports (MOBILE) and 2.1 write them.
  TempFolder folder;
  const std::string input =
      folder.write("types.vcf",
                   "BEGIN:VCARD\r\nTEL;TYPE=MOBILE:1\r\nTEL;TYPE=cell:2\r\nTEL;CELL:3\r\n"
                   "TEL;TYPE=\"work,voice\":4\r\nEND:VCARD\r\n");
  std::vector<MappedContact> mapped;
  forEachMappedContact(OpenInput(input),
                       [&mapped](const auto& p) { mapped.push_back(mapContact(p)); });
  ASSERT_EQ(mapped.size(), 1u);
  std::vector<std::string> kinds;
  for (const auto& phone : mapped[0].phones) kinds.push_back(phone.kind);
  EXPECT_EQ(kinds, (std::vector<std::string>{"mobile", "mobile", "mobile", "work"}));
}

// A formatted name may be spread over the name's cells: each of its words must be there.
std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words(1);
  for (char c : text) {
    if (c == ' ' || c == ',') {
      if (!words.back().empty()) words.emplace_back();
    } else {
      words.back() += c;
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// What a cell must hold of a property's value for nothing to be lost.
std::vector<std::string> expectedTexts(const MappedProperty& property) {
  if (property.name == "N" || property.name == "ADR" || property.name == "ORG") {
    return structuredParts(property.value);
  }
  std::string text = unescapeText(property.value);
  if (property.name == "FN") return wordsOf(text);
  for (std::string_view scheme : {"mailto:", "MAILTO:", "tel:", "TEL:"}) {
    if (text.starts_with(scheme)) text.erase(0, scheme.size());
  }
  return {text};
}

std::string withoutDashes(std::string text) {
  std::erase(text, '-');
  return text;
}

// Over real address books: every property but the card's frame and its pictures lands in some
// cell of its contact's row, in both mapped formats.
TEST(MappedExport, NoPropertyOfARealContactIsDropped) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int checked = 0;
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    std::vector<std::vector<MappedProperty>> contacts;
    try {
      forEachMappedContact(OpenInput(file.string()),
                           [&contacts](const auto& properties) { contacts.push_back(properties); });
    } catch (const std::exception&) {
      continue;  // a file over the limits is refused before anything is written
    }
    std::vector<MappedContact> mapped;
    for (const auto& properties : contacts) mapped.push_back(mapContact(properties));
    for (ExportFormat format : {ExportFormat::Google, ExportFormat::Outlook}) {
      std::string csv;
      writeMappedCsv(mapped, format, [&csv](std::string_view line) {
        csv += line;
        csv += "\r\n";
      });
      const auto rows = parseCsv(csv);
      ASSERT_EQ(rows.size(), contacts.size() + 1);
      for (std::size_t c = 0; c < contacts.size(); ++c) {
        ASSERT_EQ(rows[c + 1].size(), rows[0].size());
        std::string row;
        for (const std::string& cell : rows[c + 1]) row += cell + "\x1F";
        for (const MappedProperty& property : contacts[c]) {
          if (property.name == "BEGIN" || property.name == "VERSION" || property.name == "PHOTO" ||
              property.name == "LOGO") {
            continue;
          }
          for (const std::string& text : expectedTexts(property)) {
            const bool found = property.name == "BDAY"
                                   ? withoutDashes(row).find(withoutDashes(text)) != row.npos
                                   : row.find(text) != std::string::npos;
            EXPECT_TRUE(found) << "contact " << c + 1 << ": " << property.tag << ": " << text;
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

}  // namespace
}  // namespace palvren
