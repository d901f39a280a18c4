#include "vcard/merge_recombine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "support/failing_io.h"
#include "support/fake_progress.h"
#include "support/temp_folder.h"
#include "vcard/selection.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::FakeProgress;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::string contacts(int n, const std::string& name) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += crlfLines({"BEGIN:VCARD", "FN:" + name + std::to_string(i), "END:VCARD"});
  return text;
}

TEST(FileSelection, SplitsTheFolderFromTheNames) {
  using Names = std::vector<std::string>;
  FileSelection read = FileSelection::fromText(std::string("C:/dir\0a.vcf\0b.vcf", 18));
  EXPECT_EQ(read.folder, "C:/dir");
  EXPECT_EQ(read.names, (Names{"a.vcf", "b.vcf"}));
  read = FileSelection::fromText(std::string("/d\0 a.vcf \0  b c.vcf  ", 22));
  EXPECT_EQ(read.folder, "/d");
  EXPECT_EQ(read.names, (Names{" a.vcf ", "  b c.vcf  "}));  // names exactly as given
  const FileSelection selection{"/d", {" a.vcf", "b.vcf "}};
  read = FileSelection::fromText(selection.toText());
  EXPECT_EQ(read.folder, "/d");
  EXPECT_EQ(read.names, (Names{" a.vcf", "b.vcf "}));
  for (const char* folder : {"/a/b", "/a/b/", "/a/b//"}) {
    EXPECT_EQ(folderSelectionText(folder), "/a/b/") << folder;
  }
  EXPECT_EQ(folderSelectionText("/"), "/");
}

TEST(FileSelection, TextWithoutNamesGivesNoNames) {
  EXPECT_EQ(FileSelection::fromText("").folder, "");
  EXPECT_TRUE(FileSelection::fromText("").names.empty());
  EXPECT_EQ(FileSelection::fromText("/home/a/one.vcf").folder, "/home/a/one.vcf");
  EXPECT_TRUE(FileSelection::fromText("/home/a/one.vcf").names.empty());
  EXPECT_EQ(FileSelection::fromText(std::string("/d\0only.vcf", 11)).folder, "/d");
  EXPECT_TRUE(FileSelection::fromText(std::string("/d\0only.vcf", 11)).names.empty());
}

TEST(CombinedFileName, StartsWithTodaysDate) {
  const std::string name = combinedFileName();
  EXPECT_EQ(name.substr(0, 10), localDateText());
  EXPECT_EQ(name.substr(10), "_CONBINED_CONTACTS.vcf");
}

TEST(MergeFiles, JoinsTheFilesInSelectionOrderAndCountsBeginLines) {
  TempFolder folder;
  folder.write("a.vcf", contacts(2, "a"));
  folder.write("b.VCF", contacts(3, "b") + "  BEGIN:VCARD\r\nbegin:vcard\r\ntrailer");
  folder.write("c.vcf", contacts(1, "c"));
  folder.write("skip.txt", contacts(5, "t"));
  const Written merged = mergeFiles({folder.path(), {"c.vcf", "a.vcf", "skip.txt", "b.VCF"}});
  EXPECT_EQ(merged.count, 7);
  EXPECT_EQ(merged.path, folder.path() + "/" + combinedFileName());
  EXPECT_EQ(readBytes(merged.path), contacts(1, "c") + contacts(2, "a") + contacts(3, "b") +
                                        "  BEGIN:VCARD\r\nbegin:vcard\r\ntrailer\r\n");
}

TEST(MergeFiles, FewerThanTwoNamesWriteNothing) {
  TempFolder folder;
  const Written merged = mergeFiles({folder.path(), {"a.vcf"}});
  EXPECT_EQ(merged.count, 0);
  EXPECT_EQ(merged.path, "");
  EXPECT_TRUE(fileNames(folder.path()).empty());
}

TEST(MergeFiles, SelectingTodaysCombinedFileStopsAndLeavesItAsItWas) {
  TempFolder folder;
  folder.write(combinedFileName(), contacts(2, "old"));
  folder.write("new.vcf", contacts(1, "new"));
  EXPECT_THROW(mergeFiles({folder.path(), {combinedFileName(), "new.vcf"}}), OperationError);
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), contacts(2, "old"));
  EXPECT_EQ(fileNames(folder.path()), (std::vector<std::string>{combinedFileName(), "new.vcf"}));
}

TEST(MergeFiles, AFailedMergeLeavesTheEarlierOutputAsItWas) {
  TempFolder folder;
  folder.write(combinedFileName(), "earlier good file");
  folder.write("a.vcf", contacts(1, "a"));
  folder.write("empty.vcf", "");
  ASSERT_EQ(::mkfifo(folder.file("pipe.vcf").c_str(), 0600), 0);
  for (const char* missing : {"gone.vcf", " a.vcf", "pipe.vcf"}) {
    try {
      mergeFiles({folder.path(), {"a.vcf", missing}});
      ADD_FAILURE() << missing;
    } catch (const OperationError& error) {
      EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }
  }
  EXPECT_EQ(mergeFiles({folder.path(), {"empty.vcf", "empty.vcf"}}).count, 0);
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), "earlier good file");
  EXPECT_EQ(fileNames(folder.path()).size(), 4u);
}

TEST(RecombineFolder, JoinsVcfFilesInNameOrderWithABlankLineBetween) {
  TempFolder folder;
  folder.write("contact0002.vcf", contacts(1, "b"));
  folder.write("contact0001.vcf", contacts(1, "a"));
  folder.write("contact0003.Vcf", contacts(1, "c"));
  folder.write("notes.txt", "no");
  folder.write("01-01-2000_CONBINED_CONTACTS.vcf", contacts(1, "old day"));
  folder.write(combinedFileName(), "today's output, never read");
  folder.write(numberedName(combinedFileName(), 2), "today's second output, never read");
  FakeProgress ui;
  const Written recombined = recombineFolder(folder.path() + "/", ui);
  EXPECT_EQ(recombined.count, 4);
  EXPECT_EQ(recombined.path, folder.path() + "/" + combinedFileName());
  EXPECT_EQ(readBytes(recombined.path), contacts(1, "old day") + "\r\n" + contacts(1, "a") +
                                            "\r\n" + contacts(1, "b") + "\r\n" + contacts(1, "c"));
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Processing 1", "Processing 2", "Processing 3",
                                                   "Processing 4"}));
}

TEST(RecombineFolder, RefusesMoreFilesThanItCanCountBeforeWriting) {
  TempFolder folder;
  for (int i = 0; i <= 32767; ++i) folder.write(std::to_string(i) + ".vcf", "");
  FakeProgress ui;
  EXPECT_THROW(recombineFolder(folder.path() + "/", ui), OperationError);
  EXPECT_TRUE(ui.statuses.empty());
  EXPECT_EQ(fileNames(folder.path()).size(), 32768u);
}

TEST(RecombineFolder, FullDiskLeavesTheEarlierOutputInPlace) {
  TempFolder folder;
  folder.write("a.vcf", contacts(50, "a"));
  folder.write("b.vcf", contacts(50, "b"));
  folder.write(combinedFileName(), "earlier");
  FakeProgress ui;
  auto disk = testing::FailingFileIo::failingWritesAfter(100);
  EXPECT_THROW(recombineFolder(folder.path() + "/", ui, disk), OperationError);
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), "earlier");
  EXPECT_EQ(fileNames(folder.path()).size(), 3u);
}

}  // namespace
}  // namespace palvren
