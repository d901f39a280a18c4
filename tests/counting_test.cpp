#include "vcard/counting.h"

#include <gtest/gtest.h>

#include "support/allocation_watch.h"
#include "support/fake_progress.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::FakeProgress;
using testing::TempFolder;

int count(const std::string& bytes, FakeProgress& ui) {
  TempFolder folder;
  return countContacts(OpenInput::ifPresent(folder.write("in.vcf", bytes)), ui);
}

TEST(CountContacts, CountsWholeBeginLinesAfterUpperCasingAndTrimming) {
  FakeProgress ui;
  EXPECT_EQ(count("begin:vcard\r\n  BEGIN:VCARD  \r\n", ui), 2);
  EXPECT_EQ(count("BEGIN:VCARD;X=1\r\nxBEGIN:VCARD\r\nBEGIN:VCARD\t\r\n", ui), 0);
  EXPECT_EQ(count("BEGIN:VCARD\r\nBEGIN:VCARD\r\n", ui), 2);  // no END looked for
}

TEST(CountContacts, ALineWithoutEndIsCountedInLittleMemory) {
  const std::string spaces(3000000, ' ');
  const std::string noise(3000000, 'x');
  const std::pair<std::string, int> cases[] = {
      {spaces + "BEGIN:VCARD" + spaces + "\rBEGIN:VCARD", 2},
      {"BEGIN:VCARD" + spaces + "X\rBEGIN:VCARD" + spaces, 1},
      {noise + "BEGIN:VCARD\r" + noise, 0},
      {"BEGIN:" + spaces + "VCARD\r", 0},
  };
  for (const auto& [bytes, expected] : cases) {
    FakeProgress ui;
    TempFolder folder;
    const std::string path = folder.write("in.vcf", bytes);
    testing::AllocationWatch watch;
    EXPECT_EQ(countContacts(OpenInput::ifPresent(path), ui), expected) << bytes.substr(0, 20);
    EXPECT_LE(watch.largest(), 2u * 1024 * 1024);
  }
}

TEST(CountContacts, ReadsUnixAndByteOrderMarkedFiles) {
  FakeProgress ui;
  EXPECT_EQ(count("BEGIN:VCARD\nFN:a\nEND:VCARD\nBEGIN:VCARD\nEND:VCARD\n", ui), 2);
  EXPECT_EQ(count("\xEF\xBB\xBF"
                  "BEGIN:VCARD\r\nEND:VCARD\r\nBEGIN:VCARD\r\n",
                  ui),
            2);
}

TEST(CountContacts, ReportsOnBothStatusLines) {
  FakeProgress ui;
  count("BEGIN:VCARD\r\nBEGIN:VCARD\r\nBEGIN:VCARD\r\n", ui);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"status:Verifying Input File...",
                                                 "count:vCard Count = 3 Cards"}));
  EXPECT_EQ(ui.yields, 1);
}

TEST(CountContacts, MissingFileOrFolderCountsZeroAndLeavesTheStatusLine) {
  TempFolder folder;
  FakeProgress ui;
  ui.setStatus(Message::asIs("before"));
  EXPECT_EQ(countContacts(OpenInput::ifPresent(folder.file("missing.vcf")), ui), 0);
  EXPECT_EQ(countContacts(OpenInput::ifPresent(folder.path()), ui), 0);
  EXPECT_EQ(ui.status, "before");
  EXPECT_EQ(ui.count, "vCard Count = 0 Cards");
}

TEST(CountVcfFiles, CountsVcfExtensionsInAnyCaseDirectlyInTheFolder) {
  TempFolder folder;
  for (const char* name : {"a.vcf", "b.VCF", "c.Vcf", "d.txt", "vcf", "e.vcf.bak"}) {
    folder.write(name, "x");
  }
  std::filesystem::create_directory(folder.file("sub.vcf"));
  folder.write("sub.vcf/inner.vcf", "x");
  EXPECT_EQ(countVcfFiles(folder.path() + "/"), 3);
  EXPECT_EQ(countVcfFiles(folder.file("sub.vcf")), 1);
  EXPECT_EQ(countVcfFiles(folder.file("none")), 0);
  EXPECT_EQ(countVcfFiles(""), 0);
}

}  // namespace
}  // namespace palvren
