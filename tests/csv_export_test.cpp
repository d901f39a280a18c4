#include "vcard/csv_export.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::readBytes;
using testing::TempFolder;

std::string exportCsv(const std::string& bytes, int expectedCount) {
  TempFolder folder;
  std::string input = folder.write("in.vcf", bytes);
  const Written exported = exportContactsToCsv(OpenInput(input));
  EXPECT_EQ(exported.count, expectedCount);
  EXPECT_EQ(exported.path, folder.file("Split-vCards/Contacts_Export.csv"));
  EXPECT_EQ(readBytes(input), bytes);
  return readBytes(exported.path);
}

TEST(CsvExport, OneColumnPerTagAndOneQuotedRowPerContact) {
  std::string csv =
      exportCsv(crlfLines({"BEGIN:VCARD", "VERSION:3.0", "FN:Ann", "TEL;TYPE=CELL:123", "END:VCARD",
                           "between:ignored", "BEGIN:VCARD", "VERSION:3.0", "FN:Bob", "EMAIL:bob",
                           "END:VCARD"}),
                2);
  EXPECT_EQ(csv, crlfLines({"VERSION,FN,TEL;TYPE=CELL,EMAIL", "\"3.0\",\"Ann\",\"123\",\"\"",
                            "\"3.0\",\"Bob\",\"\",\"bob\""}));
}

TEST(CsvExport, TagsDifferingInCaseOrParametersAreSeparateColumnsAndTheLastValueWins) {
  std::string csv = exportCsv(crlfLines({"BEGIN:VCARD", "tel:1", "TEL:2", "TEL;HOME:3", "TEL:4",
                                         "END:VCARD", "BEGIN:VCARD", "END:VCARD"}),
                              2);
  EXPECT_EQ(csv, crlfLines({"tel,TEL,TEL;HOME", "\"1\",\"4\",\"3\"", "\"\",\"\",\"\""}));
}

TEST(CsvExport, ContinuationLinesJoinWithCrLfInsideTheQuotes) {
  std::string csv =
      exportCsv(crlfLines({"BEGIN:VCARD", "NOTE:first", "  second  ", "", "URL:http",
                           " ://example.org", "END:VCARD", "BEGIN:VCARD", "END:VCARD"}),
                2);
  // The blank line continues the note; a folded line with a colon is an item of its own.
  EXPECT_EQ(csv, crlfLines({"NOTE,URL,", "\"first\r\nsecond\r\n\",\"http\",\"//example.org\"",
                            "\"\",\"\",\"\""}));
}

TEST(CsvExport, QuotesInValuesAreDoubledAndAwkwardTagsQuoted) {
  std::string csv =
      exportCsv(crlfLines({"BEGIN:VCARD", "NOTE:say \"hi\", ok", "TEL;TYPE=HOME,VOICE:1",
                           "X-\"Q\":v", "END:VCARD", "BEGIN:VCARD", "END:VCARD"}),
                2);
  EXPECT_EQ(csv, crlfLines({"NOTE,\"TEL;TYPE=HOME,VOICE\",\"X-\"\"Q\"\"\"",
                            "\"say \"\"hi\"\", ok\",\"1\",\"v\"", "\"\",\"\",\"\""}));
}

TEST(CsvExport, LowerCaseEndDoesNotCloseAndATruncatedContactKeepsItsLastItem) {
  std::string csv = exportCsv(crlfLines({"BEGIN:VCARD", "FN:A", "end:vcard", "FN:A2", "END:VCARD",
                                         "BEGIN:VCARD", "FN:Cut", "NOTE:last"}),
                              2);
  EXPECT_EQ(csv, crlfLines({"FN,end,NOTE", "\"A2\",\"vcard\",\"\"", "\"Cut\",\"\",\"last\""}));
}

TEST(CsvExport, TextBeforeTheFirstPropertyIsKeptUnderTheEmptyTag) {
  std::string csv = exportCsv(crlfLines({"BEGIN:VCARD", "stray text", "FN:A", "END:VCARD",
                                         "BEGIN:VCARD", "FN:B", "END:VCARD"}),
                              2);
  EXPECT_EQ(csv, crlfLines({",FN", "\"stray text\",\"A\"", "\"\",\"B\""}));
}

TEST(CsvExport, NoTagWritesEmptyRows) {
  EXPECT_EQ(exportCsv("nothing\r\n", 0), "\r\n");
  EXPECT_EQ(exportCsv(crlfLines({"BEGIN:VCARD", "END:VCARD", "BEGIN:VCARD", "END:VCARD"}), 2),
            "\r\n\r\n\r\n");
}

TEST(CsvExport, MoreThan32767DistinctTagsAreRefused) {
  TempFolder folder;
  std::string bytes = "BEGIN:VCARD\r";
  for (int i = 0; i < 32768; ++i) bytes += "X-" + std::to_string(i) + ":v\r";
  std::string input = folder.write("in.vcf", bytes);
  EXPECT_THROW(exportContactsToCsv(OpenInput(input)), OperationError);
}

TEST(FindColumn, FindsExactTagsOnly) {
  ColumnTags columns;
  columns.append("TEL");
  columns.append("FN");
  EXPECT_EQ(findColumn("FN", columns), 2);
  EXPECT_EQ(findColumn("fn", columns), -1);
  EXPECT_EQ(findColumn("", columns), -1);
}

}  // namespace
}  // namespace palvren
