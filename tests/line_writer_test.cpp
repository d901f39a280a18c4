#include "platform/line_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

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
  // A write of nothing at all is no progress either: taking it as done would leave a short file.
  for (const long long budget : {10, 0})
    for (const std::string& path : {fresh, replaced}) {
      auto disk = budget > 0 ? testing::FailingFileIo::failingWritesAfter(budget)
                             : testing::FailingFileIo::writingNothing();
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

// Raises a signal the moment the file being written exists, before anything else runs.
class SignalOnCreate : public FileIo {
 public:
  int create(int folder, const char* name, int flags, mode_t mode) override {
    const int fd = FileIo::create(folder, name, flags, mode);
    ::raise(SIGTERM);
    return fd;
  }
};

// The file being written, aside or at its own name, is gone after an interrupting signal,
// whether the signal comes while it is written or the moment it is created.
TEST(LineWriter, AnInterruptedProgramLeavesNoPartialFile) {
  using Placement = LineWriter::Placement;
  for (const Placement placement : {Placement::Temporary, Placement::InPlaceWhereFree}) {
    for (const bool atCreation : {false, true}) {
      TempFolder folder;
      const pid_t child = ::fork();
      if (child == 0) {
        pending_files::removeOnInterrupt();
        SignalOnCreate signalling;
        const OutputFolder output(folder.path());
        LineWriter writer(output, "contact0001.vcf", atCreation ? signalling : systemFileIo(),
                          placement);
        writer.writeLine(std::string(100000, 'x'));  // past the buffer: on disk already
        ::raise(SIGTERM);
        ::_exit(0);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      EXPECT_TRUE(WIFSIGNALED(status)) << atCreation;
      EXPECT_EQ(testing::fileNames(folder.path()), std::vector<std::string>{}) << atCreation;
    }
  }
}

// Plants a hard link to another file at every name the writer creates, as another user could.
class LinkPlanter : public FileIo {
 public:
  explicit LinkPlanter(std::string victim) : victim_(std::move(victim)) {}
  int create(int folder, const char* name, int flags, mode_t mode) override {
    if (!planted_) planted_ = ::linkat(AT_FDCWD, victim_.c_str(), folder, name, 0) == 0;
    return FileIo::create(folder, name, flags, mode);
  }

 private:
  std::string victim_;
  bool planted_ = false;
};

// Creation fails with errno for every name.
class RefusingCreation : public FileIo {
 public:
  explicit RefusingCreation(int error) : error_(error) {}
  int create(int, const char*, int, mode_t) override {
    errno = error_;
    return -1;
  }

 private:
  int error_;
};

TEST(LineWriter, CreationNeverWritesThroughWhatStandsAtTheNameAndReportsTheRealReason) {
  TempFolder folder;
  const std::string victim = folder.write("victim.txt", "precious");
  LinkPlanter planter(victim);
  LineWriter writer(folder.file("out.vcf"), planter);
  writer.writeLine("new");
  writer.commit();
  EXPECT_EQ(readBytes(victim), "precious");
  EXPECT_EQ(readBytes(folder.file("out.vcf")), "new\r\n");
  for (const int error : {EACCES, ENOSPC, EROFS}) {
    RefusingCreation refusing(error);
    try {
      LineWriter refused(folder.file("other.vcf"), refusing);
      ADD_FAILURE() << error;
    } catch (const OperationError& failure) {
      EXPECT_NE(std::string(failure.what()).find(std::strerror(error)), std::string::npos)
          << failure.what();
    }
  }
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
