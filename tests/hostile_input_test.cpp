// Bad input and faults through the program's operations on real files: an orderly end, a clear
// message, the input unchanged and nothing half-written left behind.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "driver/run_driver.h"
#include "redundancy/prompt_context.h"
#include "support/failing_io.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"

namespace palvren {
namespace {

namespace fs = std::filesystem;
using testing::crlfLines;
using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::string contacts(int n, const std::string& extra = "") {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    text += "BEGIN:VCARD\r\nFN:Person " + std::to_string(i) + "\r\n" + extra + "END:VCARD\r\n";
  }
  return text;
}

// The ways a file can be split (plain, named, with either redundancy check) or exported.
struct Variant {
  const char* name;
  RunMode mode;
  bool check;
  RedundancyMode redundancy;
  NamingMode naming;
  ExportFormat format = ExportFormat::Raw;
};
const Variant kFileOperations[] = {
    {"split", RunMode::Split, false, RedundancyMode::Pass1Only, NamingMode::Numeric},
    {"split named", RunMode::Split, false, RedundancyMode::Pass1Only, NamingMode::ContactInfo},
    {"split pass 1", RunMode::Split, true, RedundancyMode::Pass1Only, NamingMode::ContactInfo},
    {"split pass 2", RunMode::Split, true, RedundancyMode::Pass1And2, NamingMode::Numeric},
    {"export", RunMode::Export, false, RedundancyMode::Pass1Only, NamingMode::Numeric},
    {"export google", RunMode::Export, false, RedundancyMode::Pass1Only, NamingMode::Numeric,
     ExportFormat::Google},
    {"export outlook", RunMode::Export, false, RedundancyMode::Pass1Only, NamingMode::Numeric,
     ExportFormat::Outlook},
};

FakeUserInterface runVariant(const Variant& v, const std::string& input,
                             FileIo& io = systemFileIo()) {
  FakeUserInterface ui;
  ui.redundancyCheck = v.check;
  ui.redundancy = v.redundancy;
  ui.naming = v.naming;
  ui.format = v.format;
  ui.conflictPolicy = [](const PromptContext& c) { return ConflictChoice(c.firstPosition % 4); };
  const std::string before = readBytes(input);
  runSelected(input, v.mode, ui, io);
  EXPECT_EQ(readBytes(input), before) << v.name << ": the input changed";
  return ui;
}

bool refusedAsNothing(const FakeUserInterface& ui) {
  return ui.messages.size() == 1 && ui.messages[0].title == "Nothing to Process";
}

bool failedNaming(const FakeUserInterface& ui, const std::string& part) {
  const auto& last = ui.messages.back();
  return last.icon == MessageIcon::Critical && last.text.find(part) != std::string::npos &&
         ui.status.find("Failed") != std::string::npos;
}

TEST(HostileInput, FilesWithoutTwoContactsAreRefused) {
  const std::string inputs[] = {"",
                                "\r\r\r\r",
                                "\n\n\n",
                                std::string(2 * 1024 * 1024, 'x'),
                                std::string("\0\0\0BEGIN:VCARD\0", 15),
                                contacts(1)};
  for (const std::string& bytes : inputs) {
    TempFolder folder;
    const std::string input = folder.write("in.vcf", bytes);
    for (const Variant& v : kFileOperations) {
      FakeUserInterface ui = runVariant(v, input);
      EXPECT_TRUE(refusedAsNothing(ui)) << v.name << " on " << bytes.size() << " bytes";
    }
    EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"in.vcf"});
  }
}

TEST(HostileInput, StrangeButReadableFilesAreProcessed) {
  const std::pair<const char*, std::string> inputs[] = {
      {"nul bytes", contacts(2, std::string("NOTE:a\0b\r\n", 10))},
      {"latin-1 and broken utf-8", contacts(2,
                                            "N:Jos\xE9;N\xFA\xF1"
                                            "ez;;;\r\nX:\xC3\x28\r\n")},
      {"byte-order mark", "\xEF\xBB\xBF" + contacts(3)},
      {"unix line ends", "BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nEND:VCARD\n"},
      {"missing end", contacts(2) + "BEGIN:VCARD\r\nFN:Cut short\r\n"},
      {"nested five deep",
       "BEGIN:VCARD\r\nFN:0\r\nBEGIN:VCARD\r\nBEGIN:VCARD\r\nBEGIN:VCARD\r\n"
       "BEGIN:VCARD\r\nFN:5\r\nEND:VCARD\r\nEND:VCARD\r\nEND:VCARD\r\n"
       "END:VCARD\r\nEND:VCARD\r\n" +
           contacts(1)},
      {"names of forbidden characters",
       "BEGIN:VCARD\r\nFN:/\\:?\"\x01\x02\r\nN:;;;;\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nFN:..\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:.\r\nEND:VCARD\r\n"},
      {"one huge line", "BEGIN:VCARD\r\nPHOTO:" + std::string(16 * 1024 * 1024, 'A') +
                            "\r\nEND:VCARD\r\n" + contacts(1)},
  };
  for (const auto& [name, bytes] : inputs) {
    TempFolder folder;
    const std::string input = folder.write("in.vcf", bytes);
    for (const Variant& v : kFileOperations) {
      FakeUserInterface ui = runVariant(v, input);
      ASSERT_FALSE(ui.messages.empty()) << name << " / " << v.name;
      EXPECT_EQ(ui.messages.back().icon, MessageIcon::Information)
          << name << " / " << v.name << ": " << ui.messages.back().text;
      EXPECT_NE(ui.status.find("Successful"), std::string::npos) << name << " / " << v.name;
    }
  }
}

TEST(HostileInput, Latin1NamesBecomeUtf8FileNames) {
  TempFolder folder;
  FakeUserInterface ui;
  ui.naming = NamingMode::ContactInfo;
  runSelected(folder.write("in.vcf", "BEGIN:VCARD\r\nFN:Jos\xE9\r\nEND:VCARD\r\n" + contacts(1)),
              RunMode::Split, ui);
  EXPECT_EQ(fileNames(folder.file("Split-vCards")),
            (std::vector<std::string>{"Jos\xC3\xA9.vcf", "Person 1.vcf"}));
}

TEST(HostileInput, TheLimitsAreRefusedBeforeAnythingIsWritten) {
  std::string longContact = "BEGIN:VCARD\r\n";
  for (int i = 0; i < 40000; ++i) longContact += "NOTE;X-" + std::to_string(i) + ":line\r\n";
  const std::pair<const char*, std::string> inputs[] = {
      {"32768 contacts", contacts(32768)},
      {"a contact of 40000 lines", contacts(1) + longContact + "END:VCARD\r\n"},
  };
  for (const auto& [name, bytes] : inputs) {
    TempFolder folder;
    const std::string input = folder.write("in.vcf", bytes);
    for (const Variant& v : kFileOperations) {
      FakeUserInterface ui = runVariant(v, input);
      ASSERT_FALSE(ui.messages.empty()) << name << " / " << v.name;
      EXPECT_TRUE(failedNaming(ui, "32767"))
          << name << " / " << v.name << ": " << ui.messages.back().text;
      EXPECT_TRUE(!fs::exists(folder.file("Split-vCards")) ||
                  fileNames(folder.file("Split-vCards")).empty())
          << name << " / " << v.name;
    }
  }
}

TEST(HostileInput, The32767thContactIsStillSplit) {
  TempFolder folder;
  FakeUserInterface ui;
  runSelected(folder.write("in.vcf", contacts(32767)), RunMode::Split, ui);
  EXPECT_EQ(ui.status, "vCard Split Successful");
  EXPECT_EQ(readBytes(folder.file("Split-vCards/contact32767.vcf")),
            crlfLines({"BEGIN:VCARD", "FN:Person 32767", "END:VCARD"}));
}

TEST(HostileInput, FoldersAndFilesInTheWrongPlace) {
  TempFolder folder;
  fs::create_directory(folder.file("dir.vcf"));
  for (const Variant& v : kFileOperations) {
    EXPECT_TRUE(refusedAsNothing(runVariant(v, folder.file("dir.vcf")))) << v.name;
  }
  const std::string file = folder.write("file.vcf", contacts(2));
  FakeUserInterface recombine;
  runSelected(file + "/", RunMode::Recombine, recombine);
  EXPECT_TRUE(refusedAsNothing(recombine));
  FakeUserInterface merge;
  runSelected(folder.path() + std::string(1, '\0') + "dir.vcf" + std::string(1, '\0') + "file.vcf",
              RunMode::Merge, merge);
  EXPECT_TRUE(failedNaming(merge, "dir.vcf"));
  EXPECT_EQ(fileNames(folder.path()), (std::vector<std::string>{"dir.vcf", "file.vcf"}));
}

TEST(HostileInput, LinksFifosAndFoldersInTheWayNeitherRedirectNorHang) {
  TempFolder folder;
  const std::string input = folder.write("contact0001.vcf", contacts(2));
  fs::create_directory_symlink(".", folder.file("Split-vCards"));
  for (const Variant& v : kFileOperations) {
    FakeUserInterface ui = runVariant(v, input);
    EXPECT_TRUE(failedNaming(ui, "\"" + folder.file("Split-vCards") + "\" is a link")) << v.name;
  }
  fs::remove(folder.file("Split-vCards"));

  // What stands in the output folder: links to elsewhere at numbered and at the temporary names
  // earlier versions used, a FIFO at a numbered name, a folder at a contact's name.
  const std::string out = folder.file("Split-vCards") + "/";
  fs::create_directory(out);
  fs::create_symlink(folder.file("elsewhere"), out + "contact0002.vcf");
  fs::create_symlink(folder.file("elsewhere"), out + ".contact0001.vcf.palvren-part");
  fs::create_symlink(folder.file("elsewhere"), out + ".Contacts_Export.csv.palvren-part");
  ASSERT_EQ(::mkfifo((out + "contact0001.vcf").c_str(), 0600), 0);
  fs::create_directory(out + "Person 1.vcf");
  for (const Variant& v : kFileOperations) {
    FakeUserInterface ui = runVariant(v, input);
    EXPECT_NE(ui.status.find("Successful"), std::string::npos) << v.name;
  }
  EXPECT_FALSE(fs::exists(folder.file("elsewhere")));
  EXPECT_EQ(readBytes(input), contacts(2));
  EXPECT_EQ(readBytes(out + "contact0001.vcf"),
            crlfLines({"BEGIN:VCARD", "FN:Person 1", "END:VCARD"}));
  EXPECT_TRUE(fs::is_directory(out + "Person 1.vcf"));
  EXPECT_TRUE(fs::exists(out + "Person 1-#1.vcf"));

  // A FIFO as an input is refused at once.
  ASSERT_EQ(::mkfifo(folder.file("pipe.vcf").c_str(), 0600), 0);
  for (RunMode mode : {RunMode::Split, RunMode::Export}) {
    FakeUserInterface ui;
    EXPECT_EQ(runSelected(folder.file("pipe.vcf"), mode, ui).kind, RunOutcome::Kind::Refused);
  }
  FakeUserInterface merge;
  runSelected(FileSelection{folder.path(), {"contact0001.vcf", "pipe.vcf"}}.toText(),
              RunMode::Merge, merge);
  EXPECT_TRUE(failedNaming(merge, "pipe.vcf\": it is not a regular file"))
      << merge.messages.back().text;
}

TEST(HostileInput, AFileGrowingWhileItIsSplitIsTakenAsItWasAtTheStart) {
  for (const Variant& v : kFileOperations) {
    TempFolder folder;
    const std::string input = folder.write("in.vcf", contacts(3));
    FakeUserInterface ui;
    ui.naming = v.naming;
    ui.redundancyCheck = v.check;
    ui.onYield = [&] {
      if (ui.yields != 2) return;  // once the run has counted the contacts
      std::ofstream grow(input, std::ios::app | std::ios::binary);
      grow << "BEGIN:VCARD\r\nFN:contact0001\r\nEND:VCARD\r\n" << contacts(40000);
    };
    const RunOutcome outcome = runSelected(input, v.mode, ui);
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::Done) << v.name << ": " << outcome.reason;
    EXPECT_EQ(outcome.count, 3) << v.name;
    if (v.mode == RunMode::Export) continue;
    const auto names = fileNames(folder.file("Split-vCards"));
    EXPECT_EQ(names.size(), 3u) << v.name;
    EXPECT_EQ(readBytes(folder.file("Split-vCards/" + names.front())),
              crlfLines({"BEGIN:VCARD", "FN:Person 1", "END:VCARD"}))
        << v.name;
  }
}

TEST(HostileInput, AnUnreadableFileIsReportedByNameAndReason) {
  TempFolder folder;
  const std::string input = folder.write("in.vcf", contacts(500));
  const long long size = static_cast<long long>(fs::file_size(input));
  for (const Variant& v : kFileOperations) {
    // While counting, and while the operation reads. Every operation reads its input once
    // after counting (the split's limits are taken with the count), so a failure of a third
    // reading is never met.
    for (long long budget : {0LL, size + 4000, 2 * size + 4000}) {
      auto disk = testing::FailingFileIo::failingReadsAfter(budget);
      FakeUserInterface ui = runVariant(v, input, disk);
      if (budget <= size + 4000) {
        EXPECT_TRUE(failedNaming(ui, input + "\": Input/output error"))
            << v.name << " after " << budget;
        EXPECT_TRUE(ui.browsed.empty());
      } else {
        EXPECT_NE(ui.status.find("Successful"), std::string::npos) << v.name << " after " << budget;
      }
    }
  }
}

// A small tmpfs mounted for the test, which needs root (CI runs as root).
class SmallDisk {
 public:
  SmallDisk(const std::string& where, const char* size) : where_(where) {
    fs::create_directories(where);
    mounted_ = geteuid() == 0 && ::mount("tmpfs", where.c_str(), "tmpfs", 0,
                                         (std::string("size=") + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  bool makeReadOnly() {
    return ::mount("tmpfs", where_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string where_;
  bool mounted_ = false;
};

TEST(HostileInput, AFullDiskDuringSplitAndExportLeavesNoHalfWrittenFile) {
  TempFolder folder;
  SmallDisk disk(folder.file("disk"), "400k");
  if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  const std::string input = folder.file("disk/in.vcf");
  testing::writeBytes(input, contacts(150, "NOTE:" + std::string(900, 'n') + "\r\n"));
  FakeUserInterface split;
  runSelected(input, RunMode::Split, split);
  EXPECT_TRUE(failedNaming(split, "No space left on device")) << split.messages.back().text;
  EXPECT_EQ(split.status, "vCard Split Failed");
  for (const std::string& name : fileNames(folder.file("disk/Split-vCards"))) {
    EXPECT_EQ(readBytes(folder.file("disk/Split-vCards/" + name)).substr(0, 11), "BEGIN:VCARD")
        << name;
    EXPECT_EQ(name.find("palvren-part"), std::string::npos);
  }
  fs::remove_all(folder.file("disk/Split-vCards"));
  fs::create_directory(folder.file("disk/Split-vCards"));
  testing::writeBytes(folder.file("disk/Split-vCards/Contacts_Export.csv"), "earlier good export");
  testing::writeBytes(folder.file("disk/filler"), std::string(150 * 1024, 'f'));
  FakeUserInterface exportUi;
  runSelected(input, RunMode::Export, exportUi);
  EXPECT_TRUE(failedNaming(exportUi, "No space left on device"));
  EXPECT_EQ(exportUi.status, "vCard Export Failed");
  EXPECT_EQ(readBytes(folder.file("disk/Split-vCards/Contacts_Export.csv")), "earlier good export");
  EXPECT_EQ(fileNames(folder.file("disk/Split-vCards")),
            std::vector<std::string>{"Contacts_Export.csv"});
  EXPECT_EQ(readBytes(input), contacts(150, "NOTE:" + std::string(900, 'n') + "\r\n"));
}

TEST(HostileInput, AReadOnlyFolderIsReported) {
  TempFolder folder;
  SmallDisk disk(folder.file("disk"), "1m");
  if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  const std::string input = folder.file("disk/in.vcf");
  testing::writeBytes(input, contacts(3));
  ASSERT_TRUE(disk.makeReadOnly());
  for (const Variant& v : kFileOperations) {
    FakeUserInterface ui = runVariant(v, input);
    EXPECT_TRUE(failedNaming(ui, "Read-only file system"))
        << v.name << ": " << ui.messages.back().text;
  }
  FakeUserInterface recombine;
  testing::writeBytes(folder.file("x"), "");  // outside the disk: still writable
  runSelected(folder.path() + "/disk/", RunMode::Recombine, recombine);
  EXPECT_TRUE(refusedAsNothing(recombine));
}

TEST(HostileInput, AwkwardPathsWork) {
  TempFolder folder;
  const std::string awkward = folder.file("-my \"odd\" 'folder'\nwith é");
  fs::create_directory(awkward);
  const std::string input = awkward + "/-in put \"x\".vcf";
  testing::writeBytes(input, contacts(3));
  for (const Variant& v : kFileOperations) {
    FakeUserInterface ui = runVariant(v, input);
    EXPECT_NE(ui.status.find("Successful"), std::string::npos) << v.name;
  }
  FakeUserInterface merge;
  runSelected(awkward + std::string(1, '\0') + "-in put \"x\".vcf" + std::string(1, '\0') +
                  "-in put \"x\".vcf",
              RunMode::Merge, merge);
  EXPECT_EQ(merge.status, "vCard Merge Successful");
  FakeUserInterface recombine;
  runSelected(awkward + "/Split-vCards/", RunMode::Recombine, recombine);
  EXPECT_EQ(recombine.status, "vCard Recombination Successful");
}

}  // namespace
}  // namespace palvren
