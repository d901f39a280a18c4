// Every operation over real vCard files from other contact software's test suites.
#include "support/corpus.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "driver/run_driver.h"
#include "redundancy/prompt_context.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/counting.h"

namespace palvren {
namespace {

namespace fs = std::filesystem;
using testing::corpusFiles;
using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::string successLine(const FakeUserInterface& ui) {
  for (const auto& message : ui.messages) {
    if (message.icon == MessageIcon::Information &&
        message.title.find("Successfull") != std::string::npos) {
      return message.text;
    }
  }
  return "";
}

constexpr char kNothingSplit[] = "vCard has not been successfully split.";

TEST(Corpus, EveryOperationEndsInOrderAndKeepsEveryContact) {
  const auto files = corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int splitFiles = 0;
  for (const fs::path& original : files) {
    SCOPED_TRACE(original.string());
    TempFolder folder;
    const std::string bytes = readBytes(original.string());
    const std::string input = folder.write("input.vcf", bytes);
    FakeUserInterface counter;
    const int contacts = countContacts(OpenInput::ifPresent(input), counter);

    FakeUserInterface split;
    runSelected(input, RunMode::Split, split);
    const std::string out = folder.file("Split-vCards");
    if (contacts >= 2) {
      // A block ends only at an exact END line, so one file may hold several contacts; but
      // every contact start lands in exactly one file.
      const auto written = fileNames(out);
      int startsWritten = 0;
      for (const std::string& name : written) {
        FakeUserInterface quiet;
        startsWritten += countContacts(OpenInput::ifPresent(out + "/" + name), quiet);
      }
      EXPECT_EQ(startsWritten, contacts);
      EXPECT_EQ(split.status, "vCard Split Successful");
      splitFiles += int(written.size());

      if (written.size() >= 2) {
        FakeUserInterface recombine;
        runSelected(out + "/", RunMode::Recombine, recombine);
        EXPECT_EQ(recombine.status, "vCard Recombination Successful");
        EXPECT_EQ(
            recombine.messages.at(0).text.find(std::to_string(written.size()) + " total files"),
            std::string("vCard files have been successfully recombined.\r\n").size());
      }

      // Converted, every block is still one file, in its version.
      for (VcardVersion version : {VcardVersion::V21, VcardVersion::V30, VcardVersion::V40}) {
        TempFolder convertedFolder;
        FakeUserInterface converted;
        converted.vcardVersion = version;
        const RunOutcome outcome =
            runSelected(convertedFolder.write("input.vcf", bytes), RunMode::Split, converted);
        ASSERT_EQ(outcome.kind, RunOutcome::Kind::Done) << outcome.reason;
        const auto files = fileNames(outcome.outputPath);
        EXPECT_EQ(files.size(), written.size());
        const std::string start = "BEGIN:VCARD\r\nVERSION:" + std::string(versionNumber(version));
        for (const std::string& name : files) {
          EXPECT_TRUE(readBytes(outcome.outputPath + "/" + name).starts_with(start)) << name;
        }
      }

      FakeUserInterface exportUi;
      runSelected(input, RunMode::Export, exportUi);
      EXPECT_EQ(exportUi.status, "vCard Export Successful");
      EXPECT_FALSE(successLine(exportUi).empty());
    } else {
      EXPECT_EQ(split.messages.at(0).title, "Nothing to Process");
    }

    for (NamingMode naming : {NamingMode::Numeric, NamingMode::ContactInfo}) {
      FakeUserInterface checked;
      checked.redundancyCheck = true;
      checked.redundancy = RedundancyMode::Pass1And2;
      checked.naming = naming;
      checked.conflictPolicy = [](const PromptContext& c) {
        return ConflictChoice((c.firstPosition + int(c.conflictTag.size())) % 4);
      };
      const RunOutcome outcome = runSelected(input, RunMode::Split, checked);
      if (contacts < 2) {
        EXPECT_EQ(outcome.kind, RunOutcome::Kind::Refused);
        continue;
      }
      // Keep Neither may remove every contact; then nothing is written and the run says so.
      const bool allRemoved =
          outcome.kind == RunOutcome::Kind::Failed && outcome.reason == kNothingSplit;
      EXPECT_TRUE(outcome.kind == RunOutcome::Kind::Done || allRemoved) << outcome.reason;
      EXPECT_LE(outcome.count, contacts);
      for (const std::string& name : fileNames(out)) {
        EXPECT_EQ(name.find(".palvren-"), std::string::npos) << name;
      }
    }

    FakeUserInterface merge;
    runSelected(
        folder.path() + std::string(1, '\0') + "input.vcf" + std::string(1, '\0') + "input.vcf",
        RunMode::Merge, merge);
    FakeUserInterface convertedMerge;
    convertedMerge.vcardVersion = VcardVersion::V40;
    runSelected(
        folder.path() + std::string(1, '\0') + "input.vcf" + std::string(1, '\0') + "input.vcf",
        RunMode::Merge, convertedMerge);
    if (contacts > 0) {
      EXPECT_EQ(merge.status, "vCard Merge Successful");
      EXPECT_EQ(convertedMerge.status, "vCard Merge Successful");
    }
    EXPECT_EQ(readBytes(input), bytes);
  }
  EXPECT_GT(splitFiles, 0);
}

}  // namespace
}  // namespace palvren
