#include "platform/line_writer.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/pending_files.h"
#include "support/failing_io.h"
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

TEST(LineWriter, KeepsTheEarlierFileUntilCommitAndLeavesNothingWhenDropped) {
  TempFolder folder;
  const std::string path = folder.write("out.csv", "old");
  {
    LineWriter writer(path);
    writer.writeLine("new");
    EXPECT_EQ(readBytes(path), "old");
  }
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{"out.csv"});
  LineWriter writer(path);
  writer.writeLine("new");
  writer.commit();
  EXPECT_EQ(readBytes(path), "new\r\n");
}

TEST(LineWriter, FullDiskIsReportedByTheTargetNameAndLeavesNoHalfWrittenFile) {
  TempFolder folder;
  const std::string fresh = folder.file("fresh.vcf");
  const std::string replaced = folder.write("replaced.vcf", "good");
  for (const std::string& path : {fresh, replaced}) {
    auto disk = testing::FailingFileIo::failingWritesAfter(10);
    try {
      LineWriter writer(path, disk);
      writer.writeLine(std::string(100, 'x'));
      writer.commit();
      ADD_FAILURE() << "no error for " << path;
    } catch (const OperationError& error) {
      EXPECT_EQ(std::string(error.what()),
                "Cannot write \"" + path + "\": No space left on device");
    }
  }
  EXPECT_FALSE(fileExists(fresh));
  EXPECT_EQ(readBytes(replaced), "good");
  EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{"replaced.vcf"});
}

TEST(LineWriter, AnInterruptedProgramLeavesNoPartialFile) {
  TempFolder folder;
  const pid_t child = ::fork();
  if (child == 0) {
    pending_files::removeOnInterrupt();
    LineWriter writer(folder.file("contact0001.vcf"));
    writer.writeLine(std::string(100000, 'x'));  // past the buffer: on disk already
    ::raise(SIGTERM);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{});
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
