#include "platform/line_writer.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::readBytes;
using testing::TempFolder;

TEST(LineWriter, EndsEveryLineWithCrLf) {
  TempFolder folder;
  const std::string path = folder.file("out.vcf");
  LineWriter writer(path);
  writer.writeLine("a");
  writer.writeLine("");
  writer.writeLine("b\nc");
  writer.commit();
  EXPECT_EQ(readBytes(path), "a\r\n\r\nb\nc\r\n");
}

TEST(LineWriter, ReplacingModeKeepsTheEarlierFileUntilCommit) {
  TempFolder folder;
  const std::string path = folder.write("out.csv", "old");
  {
    LineWriter writer(path, LineWriter::Mode::ReplaceOnCommit);
    writer.writeLine("new");
    EXPECT_EQ(readBytes(path), "old");
  }
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{"out.csv"});
  LineWriter writer(path, LineWriter::Mode::ReplaceOnCommit);
  writer.writeLine("new");
  writer.commit();
  EXPECT_EQ(readBytes(path), "new\r\n");
}

TEST(LineWriter, FullDiskIsReportedAndLeavesNoHalfWrittenFile) {
  TempFolder folder;
  const std::string direct = folder.file("direct.vcf");
  const std::string replaced = folder.write("replaced.vcf", "good");
  write_fault::failAfterBytes(10);
  for (auto [path, mode] : {std::pair{direct, LineWriter::Mode::Direct},
                            std::pair{replaced, LineWriter::Mode::ReplaceOnCommit}}) {
    try {
      LineWriter writer(path, mode);
      writer.writeLine(std::string(100, 'x'));
      writer.commit();
      ADD_FAILURE() << "no error for " << path;
    } catch (const OperationError& error) {
      EXPECT_NE(std::string(error.what()).find("No space left on device"), std::string::npos);
    }
  }
  write_fault::disarm();
  EXPECT_FALSE(fileExists(direct));
  EXPECT_EQ(readBytes(replaced), "good");
  EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{"replaced.vcf"});
}

TEST(LineWriter, UncreatableFileIsReportedByName) {
  try {
    LineWriter writer("/nonexistent/out.vcf");
    FAIL();
  } catch (const OperationError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/out.vcf"), std::string::npos);
  }
}

}  // namespace
}  // namespace palvren
