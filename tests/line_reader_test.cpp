#include "platform/line_reader.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::TempFolder;

std::vector<std::string> readAll(const std::string& bytes) {
  TempFolder folder;
  LineReader reader(folder.write("in.vcf", bytes));
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.readLine(line)) lines.emplace_back(line);
  return lines;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitsAsTheLineRulesSay) {
  EXPECT_EQ(readAll(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineReader, LineRules,
    ::testing::Values(LineCase{"Empty", "", {}}, LineCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      LineCase{"LoneCr", "a\rb\r", {"a", "b"}},
                      LineCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      LineCase{"LoneLfInsideCrLfFile", "a\r\nb\nc\r\n", {"a", "b\nc"}},
                      LineCase{"LfOnlyFile", "a\nb\nc", {"a", "b", "c"}},
                      LineCase{"LfFileStillEndsAtCr", "a\nb\r\nc\rd", {"a", "b", "c", "d"}},
                      LineCase{"CrCrLfGivesBlankLines", "a\r\r\nb\r\r\n", {"a", "", "b", ""}},
                      LineCase{"OnlyCr", "\r\r\r", {"", "", ""}},
                      LineCase{"OnlyLf", "\n\n", {"", ""}},
                      LineCase{"ByteOrderMarkSkipped",
                               "\xEF\xBB\xBF"
                               "BEGIN:VCARD\r\nX\r\n",
                               {"BEGIN:VCARD", "X"}},
                      LineCase{"MarkOnlyAtStart", "a\r\n\xEF\xBB\xBFz\r\n", {"a", "\xEF\xBB\xBFz"}},
                      LineCase{
                          "NulBytesPass", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineReader, LinesLongerThanTheBufferAndCrLfAcrossRefills) {
  std::string longLine(700 * 1024, 'x');
  // Put a CR exactly at the end of the first 256 KiB read, its LF at the start of the next.
  std::string first(256 * 1024 - 1, 'y');
  auto lines = readAll(first + "\r\n" + longLine + "\r\nend");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], first);
  EXPECT_EQ(lines[1], longLine);
  EXPECT_EQ(lines[2], "end");
}

TEST(LineReader, AtEndSeesATrailingLineFeedAfterARefill) {
  TempFolder folder;
  LineReader reader(folder.write("in.vcf", std::string(256 * 1024 - 1, 'y') + "\r\n"));
  std::string_view line;
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_TRUE(reader.atEnd());
  EXPECT_FALSE(reader.readLine(line));
}

TEST(LineReader, MissingFileIsReportedByName) {
  try {
    LineReader reader("/nonexistent/folder/x.vcf");
    FAIL() << "no error";
  } catch (const OperationError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/folder/x.vcf"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos);
  }
}

}  // namespace
}  // namespace palvren
