#include "vcard/split_writer.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/line_writer.h"
#include "support/failing_io.h"
#include "support/fake_progress.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::FakeProgress;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

struct SplitResult {
  int count;
  std::string folder;
};

SplitResult split(const TempFolder& folder, const std::string& bytes, FakeProgress& ui,
                  FileIo& io = systemFileIo()) {
  std::string input = folder.write("in.vcf", bytes);
  const Written written = splitContacts(OpenInput(input), ui, NamingMode::Numeric, io);
  return {written.count, written.path};
}

TEST(SplitWriter, CopiesEachBlockIntoANumberedFileWithCrLf) {
  TempFolder folder;
  FakeProgress ui;
  auto result = split(folder,
                      "junk before\nBEGIN:VCARD\nFN:Ann\n  spaced  \nEND:VCARD\n\n"
                      "between\nBEGIN:VCARD\nFN:Bob\nEND:VCARD",
                      ui);
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(result.folder, folder.file("Split-vCards"));
  EXPECT_EQ(fileNames(result.folder),
            (std::vector<std::string>{"contact0001.vcf", "contact0002.vcf"}));
  EXPECT_EQ(readBytes(result.folder + "/contact0001.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:Ann", "  spaced  ", "END:VCARD"}));
  EXPECT_EQ(readBytes(result.folder + "/contact0002.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:Bob", "END:VCARD"}));
}

TEST(SplitWriter, BeginLineIsNormalisedButEndMustMatchExactly) {
  TempFolder folder;
  FakeProgress ui;
  auto result = split(folder,
                      crlfLines({"  begin:Vcard ", "FN:A", "end:vcard", "END:VCARD ", "BEGIN:VCARD",
                                 "FN:B", "END:VCARD", "BEGIN:VCARD", "FN:C", "END:VCARD"}),
                      ui);
  // The second BEGIN is swallowed by the first block, whose lower-case END does not end it.
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(readBytes(result.folder + "/contact0001.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:A", "end:vcard", "END:VCARD ", "BEGIN:VCARD", "FN:B",
                       "END:VCARD"}));
  EXPECT_EQ(readBytes(result.folder + "/contact0002.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:C", "END:VCARD"}));
}

TEST(SplitWriter, NestedBlockEndsTheOuterOneAndTheRestIsSkipped) {
  TempFolder folder;
  FakeProgress ui;
  auto result =
      split(folder,
            crlfLines({"BEGIN:VCARD", "FN:Outer", "AGENT:", "BEGIN:VCARD", "FN:Inner", "END:VCARD",
                       "TEL:1", "END:VCARD", "BEGIN:VCARD", "FN:Next", "END:VCARD"}),
            ui);
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(
      readBytes(result.folder + "/contact0001.vcf"),
      crlfLines({"BEGIN:VCARD", "FN:Outer", "AGENT:", "BEGIN:VCARD", "FN:Inner", "END:VCARD"}));
  EXPECT_EQ(readBytes(result.folder + "/contact0002.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:Next", "END:VCARD"}));
}

TEST(SplitWriter, InputEndingInsideABlockKeepsThePartialContact) {
  TempFolder folder;
  FakeProgress ui;
  auto result =
      split(folder, crlfLines({"BEGIN:VCARD", "FN:A", "END:VCARD", "BEGIN:VCARD", "FN:Cut"}), ui);
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(readBytes(result.folder + "/contact0002.vcf"), crlfLines({"BEGIN:VCARD", "FN:Cut"}));
}

TEST(SplitWriter, StatusCountsTheContactLookedFor) {
  TempFolder folder;
  FakeProgress ui;
  split(folder, crlfLines({"x", "BEGIN:VCARD", "END:VCARD", "", "BEGIN:VCARD", "END:VCARD"}), ui);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Processing 1", "Processing 1", "Processing 2",
                                                   "Processing 2"}));
}

TEST(SplitWriter, NumbersPastTenThousandAndReusesTheFolder) {
  TempFolder folder;
  FakeProgress ui;
  std::string many;
  for (int i = 0; i < 10000; ++i) many += "BEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n";
  std::filesystem::create_directory(folder.file("Split-vCards"));
  folder.write("Split-vCards/keep.txt", "mine");
  folder.write("Split-vCards/contact0001.vcf", "old");
  auto result = split(folder, many, ui);
  EXPECT_EQ(result.count, 10000);
  EXPECT_EQ(readBytes(result.folder + "/contact10000.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:x", "END:VCARD"}));
  EXPECT_EQ(readBytes(result.folder + "/contact0001.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:x", "END:VCARD"}));
  EXPECT_EQ(readBytes(result.folder + "/keep.txt"), "mine");
}

TEST(SplitWriter, NoBlockWritesNothingButPreparesTheFolder) {
  TempFolder folder;
  FakeProgress ui;
  auto result = split(folder, "nothing here\r\n", ui);
  EXPECT_EQ(result.count, 0);
  EXPECT_TRUE(fileNames(result.folder).empty());
}

TEST(SplitWriter, RefusesMoreContactsOrLinesThanItCanNumberBeforeWriting) {
  TempFolder folder;
  FakeProgress ui;
  std::string tooMany;
  for (int i = 0; i < 32768; ++i) tooMany += "BEGIN:VCARD\rEND:VCARD\r";
  EXPECT_THROW(split(folder, tooMany, ui), OperationError);
  EXPECT_FALSE(std::filesystem::exists(folder.file("Split-vCards")));

  std::string longBlock = "BEGIN:VCARD\r";
  for (int i = 0; i < 32768; ++i) longBlock += "NOTE:x\r";
  try {
    split(folder, "BEGIN:VCARD\rEND:VCARD\r" + longBlock + "END:VCARD\r", ui);
    FAIL();
  } catch (const OperationError& error) {
    EXPECT_NE(std::string(error.what()).find("32767 lines"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.file("Split-vCards")));
}

TEST(SplitWriter, FullDiskStopsWithAnErrorAndNoHalfWrittenContact) {
  TempFolder folder;
  FakeProgress ui;
  const std::string bytes = crlfLines(
      {"BEGIN:VCARD", "FN:A", "END:VCARD", "BEGIN:VCARD", "FN:B with a longer line", "END:VCARD"});
  auto disk = testing::FailingFileIo::failingWritesAfter(40);
  EXPECT_THROW(split(folder, bytes, ui, disk), OperationError);
  EXPECT_EQ(fileNames(folder.file("Split-vCards")), std::vector<std::string>{"contact0001.vcf"});
  EXPECT_EQ(readBytes(folder.file("in.vcf")), bytes);
}

TEST(SplitWriter, AFailedWriteLeavesAnEarlierFileOfTheSameNameIntact) {
  TempFolder folder;
  FakeProgress ui;
  std::filesystem::create_directory(folder.file("Split-vCards"));
  folder.write("Split-vCards/contact0001.vcf", "earlier good file");
  auto disk = testing::FailingFileIo::failingWritesAfter(5);
  EXPECT_THROW(split(folder, crlfLines({"BEGIN:VCARD", "FN:A", "END:VCARD"}), ui, disk),
               OperationError);
  EXPECT_EQ(readBytes(folder.file("Split-vCards/contact0001.vcf")), "earlier good file");
  EXPECT_EQ(fileNames(folder.file("Split-vCards")), std::vector<std::string>{"contact0001.vcf"});
}

TEST(PrepareSplitFolder, GivesTheFolderBesideTheInputOrNothing) {
  TempFolder folder;
  EXPECT_FALSE(prepareSplitFolder(folder.file("missing.vcf")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("Split-vCards")));
  std::string input = folder.write("in.vcf", "");
  EXPECT_EQ(prepareSplitFolder(input)->path(), folder.file("Split-vCards"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("Split-vCards")));
}

TEST(PrepareSplitFolder, AFileInTheWayIsReported) {
  TempFolder folder;
  std::string input = folder.write("in.vcf", "");
  folder.write("Split-vCards", "a file");
  EXPECT_THROW(prepareSplitFolder(input), OperationError);
}

}  // namespace
}  // namespace palvren
