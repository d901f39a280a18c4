#include "driver/run_driver.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "redundancy/prompt_context.h"
#include "support/allocation_watch.h"
#include "support/failing_io.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/csv_import.h"
#include "vcard/merge_recombine.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::string contacts(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += crlfLines({"BEGIN:VCARD", "FN:P" + std::to_string(i), "END:VCARD"});
  return text;
}

TEST(RunOperation, SplitReportsMessageThenStatusThenBrowser) {
  TempFolder folder;
  FakeUserInterface ui;
  runSelected(folder.write("in.vcf", contacts(12)), RunMode::Split, ui);
  const std::string out = folder.file("Split-vCards");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "vCard has been split successfully.\r\n12 files have been created in..."
            "\r\n\r\n\"" +
                out + "\"");
  EXPECT_EQ(ui.messages[0].title, "vCard Split Successfull");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
  const std::vector<std::string> tail(ui.events.end() - 3, ui.events.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"message:vCard Split Successfull",
                                            "status:vCard Split Successful", "browse:" + out}));
  EXPECT_EQ(ui.events[0], "status:Verifying Input File...");
  EXPECT_EQ(ui.events[1], "count:vCard Count = 12 Cards");
  EXPECT_EQ(fileNames(out).size(), 12u);
}

TEST(RunOperation, SplitAndExportRefuseFewerThanTwoContacts) {
  TempFolder folder;
  for (RunMode mode : {RunMode::Split, RunMode::Export}) {
    for (const std::string& input :
         {folder.write("one.vcf", contacts(1)), folder.file("missing.vcf"), folder.path()}) {
      FakeUserInterface ui;
      runSelected(input, mode, ui);
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text,
                "The selected vCard does not contain multiple contacts.\r\n"
                "Please choose a multiple-entry vCard file.");
      EXPECT_EQ(ui.messages[0].title, "Nothing to Process");
      EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
      EXPECT_TRUE(ui.browsed.empty());
    }
  }
  EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"one.vcf"});
}

TEST(RunOperation, SplitWithTheCheckTickedUsesTheRedundancyRun) {
  TempFolder folder;
  FakeUserInterface ui;
  ui.redundancyCheck = true;
  runSelected(folder.write("in.vcf", contacts(2) + contacts(2)), RunMode::Split, ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].title, "Pass 1 Completed");
  EXPECT_EQ(ui.messages[1].text.substr(0, 40), "vCard has been split successfully.\r\n2 fi");
  EXPECT_EQ(ui.status, "vCard Split Successful");
}

// Split, Merge and Recombine, with and without the check, write the chosen version, say so, and
// offer what the conversion changed; Export is not a vCard and stays as it is.
TEST(RunOperation, EveryVcardWriterWritesTheChosenVersionAndSaysSo) {
  const std::string converted = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:P1\r\nEND:VCARD\r\n";
  struct Case {
    RunMode mode;
    bool check;
  };
  for (const Case c : {Case{RunMode::Split, false}, Case{RunMode::Split, true},
                       Case{RunMode::Merge, false}, Case{RunMode::Merge, true},
                       Case{RunMode::Recombine, false}, Case{RunMode::Recombine, true}}) {
    SCOPED_TRACE(static_cast<int>(c.mode) * 2 + c.check);
    TempFolder folder;
    folder.write("a.vcf", contacts(2));
    folder.write("b.vcf", contacts(1));
    FakeUserInterface ui;
    ui.redundancyCheck = c.check;
    ui.vcardVersion = VcardVersion::V30;
    const std::string selection = c.mode == RunMode::Split ? folder.file("a.vcf")
                                  : c.mode == RunMode::Merge
                                      ? folder.path() + std::string("\0a.vcf\0b.vcf", 12)
                                      : folder.path() + "/";
    const RunOutcome outcome = runSelected(selection, c.mode, ui);
    ASSERT_EQ(outcome.kind, RunOutcome::Kind::Done);
    EXPECT_TRUE(ui.messages.back().text.ends_with("\r\nWritten as vCard 3.0."));
    EXPECT_NE(outcome.report.find("Written as vCard 3.0: "), std::string::npos);
    EXPECT_NE(outcome.report.find("contact 1: N added"), std::string::npos);
    const std::string first = c.mode == RunMode::Split
                                  ? readBytes(outcome.outputPath + "/contact0001.vcf")
                                  : readBytes(outcome.outputPath).substr(0, converted.size());
    EXPECT_EQ(first, converted);
  }
  TempFolder folder;
  FakeUserInterface exported;
  exported.vcardVersion = VcardVersion::V30;
  runSelected(folder.write("in.vcf", contacts(2)), RunMode::Export, exported);
  EXPECT_EQ(exported.messages.back().text.find("vCard 3.0"), std::string::npos);
}

// The fifth operation: a CSV file becomes one file of vCards beside it. A named column set the
// header lacks refuses the run; a header no set knows is read by its words.
TEST(RunOperation, ImportWritesOneContactPerRowAndSaysWhatItDid) {
  TempFolder folder;
  const std::string csv = folder.write(
      "people.csv",
      "First Name,Last Name,E-mail Address\r\nAnn,Lee,ann@example.org\r\nBob,Roe,\r\n");
  FakeUserInterface ui;
  const RunOutcome outcome = runSelected(csv, RunMode::Import, ui);
  ASSERT_EQ(outcome.kind, RunOutcome::Kind::Done) << outcome.reason;
  const std::string written = folder.file(kImportedFileName);
  EXPECT_EQ(ui.messages.back().text,
            "CSV file has been imported successfully.\r\n2 contacts have been written into..."
            "\r\n\r\n\"" +
                written + "\"\r\n2 rows read, 2 contacts written. Written as vCard 3.0.");
  EXPECT_EQ(ui.messages.back().title, "CSV Import Successful");
  EXPECT_EQ(ui.browsed, std::vector<std::string>{folder.path() + "/"});
  EXPECT_NE(outcome.report.find("Outlook columns"), std::string::npos) << outcome.report;
  EXPECT_TRUE(readBytes(written).starts_with(
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\nEMAIL;TYPE=INTERNET:ann@"));

  FakeUserInterface raw;
  raw.columns = ColumnSet::Raw;
  EXPECT_EQ(runSelected(csv, RunMode::Import, raw).kind, RunOutcome::Kind::Refused);
  EXPECT_NE(raw.messages.back().text.find("does not have the columns \"VERSION, N or FN"),
            std::string::npos)
      << raw.messages.back().text;

  folder.write("words.csv", "Full Name,Mail\r\nCy Doe,cy@example.org\r\n");
  FakeUserInterface words;
  words.earlierAnswers = {EarlierResultAnswer::WriteFresh};
  const RunOutcome read = runSelected(folder.file("words.csv"), RunMode::Import, words);
  EXPECT_EQ(readBytes(read.outputPath),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:Cy Doe\r\n"
            "EMAIL;TYPE=INTERNET:cy@example.org\r\nEND:VCARD\r\n");
}

TEST(RunOperation, FailuresNameTheFileAndReasonAndSetTheFailureStatus) {
  TempFolder folder;
  FakeUserInterface ui;
  const std::string input = folder.write("in.vcf", contacts(3));
  auto disk = testing::FailingFileIo::failingWritesAfter(20);
  const RunOutcome outcome = runSelected(input, RunMode::Split, ui, disk);
  EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "vCard Split Failed");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
  EXPECT_NE(ui.messages[0].text.find("contact0001.vcf"), std::string::npos);
  EXPECT_NE(ui.messages[0].text.find("No space left on device"), std::string::npos);
  EXPECT_EQ(ui.status, "vCard Split Failed");
  // The message first, then the status line.
  EXPECT_EQ(std::vector<std::string>(ui.events.end() - 2, ui.events.end()),
            (std::vector<std::string>{"message:vCard Split Failed", "status:vCard Split Failed"}));
  EXPECT_TRUE(ui.browsed.empty());
  EXPECT_EQ(readBytes(input), contacts(3));
}

TEST(RunOperation, RunningOutOfMemoryIsAFailureSaidInWords) {
  TempFolder folder;
  const std::string input =
      folder.write("in.vcf", "BEGIN:VCARD\rBEGIN:VCARD\rNOTE:" + std::string(3000000, 'x'));
  for (RunMode mode : {RunMode::Split, RunMode::Export}) {
    FakeUserInterface ui;
    RunOutcome outcome;
    {
      testing::AllocationWatch watch(1024 * 1024);
      outcome = runSelected(input, mode, ui);
    }
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("not enough memory to read \"" + input + "\""),
              std::string::npos)
        << ui.messages[0].text;
  }
}

TEST(RunOperation, AStopEndsTheRunInOrderAndSaysWhatWasWritten) {
  TempFolder folder;
  const std::string input = folder.write("in.vcf", contacts(10));
  // As read, and converted (the conversion's thread is stopped with the run).
  for (VcardVersion version : {VcardVersion::AsRead, VcardVersion::V40}) {
    FakeUserInterface split;
    split.vcardVersion = version;
    split.earlierAnswers = {EarlierResultAnswer::WriteFresh};
    split.onYield = [&] {
      if (split.status == "Processing 4") throw RunStopped{};
    };
    const RunOutcome stopped = runSelected(input, RunMode::Split, split);
    const std::string out =
        folder.file(version == VcardVersion::AsRead ? "Split-vCards" : "Split-vCards (2)");
    EXPECT_EQ(stopped.kind, RunOutcome::Kind::Stopped);
    EXPECT_EQ(stopped.count, 3);
    EXPECT_EQ(split.messages.back().text,
              "Stopped: 3 of 10 contact files were written in\r\n\r\n\"" + out + "\"");
    EXPECT_EQ(split.messages.back().title, "vCard Split Stopped");
    EXPECT_EQ(split.status, "vCard Split Stopped");
    EXPECT_EQ(fileNames(out),
              (std::vector<std::string>{"contact0001.vcf", "contact0002.vcf", "contact0003.vcf"}));
    EXPECT_TRUE(split.browsed.empty());
  }

  folder.write(combinedFileName(), "earlier");
  FakeUserInterface merge;
  merge.onYield = [] { throw RunStopped{}; };
  const std::string selection = folder.path() + std::string("\0in.vcf\0in.vcf", 14);
  EXPECT_EQ(runSelected(selection, RunMode::Merge, merge).kind, RunOutcome::Kind::Stopped);
  EXPECT_EQ(merge.status, "vCard Merge Stopped");
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), "earlier");
  EXPECT_EQ(fileNames(folder.path()), (std::vector<std::string>{combinedFileName(), "Split-vCards",
                                                                "Split-vCards (2)", "in.vcf"}));
}

TEST(RunOperation, SplitOfABlocklessFileWithTwoStartsReportsFailure) {
  TempFolder folder;
  FakeUserInterface ui;
  // Counted starts, but the file is refused before writing because it has too many lines in a
  // block: the count passes, the split fails with its reason.
  std::string bytes = "BEGIN:VCARD\rEND:VCARD\rBEGIN:VCARD\r";
  for (int i = 0; i < 32768; ++i) bytes += "X:1\r";
  runSelected(folder.write("in.vcf", bytes), RunMode::Split, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "vCard Split Failed");
  EXPECT_NE(ui.messages[0].text.find("32767"), std::string::npos);
}

TEST(RunOperation, ExportOpensTheCsvFileItself) {
  TempFolder folder;
  FakeUserInterface ui;
  runSelected(folder.write("in.vcf", contacts(3)), RunMode::Export, ui);
  const std::string csv = folder.file("Split-vCards/Contacts_Export.csv");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "vCard has been exported successfully.\r\n3 cards have been exported "
            "into...\r\n\r\n\"" +
                csv + "\"");
  EXPECT_EQ(ui.messages[0].title, "vCard Export Successfull");
  EXPECT_EQ(ui.browsed, std::vector<std::string>{csv});
  EXPECT_EQ(ui.status, "vCard Export Successful");
  EXPECT_NE(std::find(ui.events.begin(), ui.events.end(), "status:Exporting..."), ui.events.end());
}

TEST(RunOperation, RecombineCountsFilesAndOpensTheFolder) {
  TempFolder folder;
  folder.write("a.vcf", contacts(1));
  folder.write("b.vcf", contacts(1));
  FakeUserInterface ui;
  runSelected(folder.path() + "/", RunMode::Recombine, ui);
  const std::string output = folder.path() + "/" + combinedFileName();
  EXPECT_EQ(ui.events.front(), "count:2 vCard Files Found");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "vCard files have been successfully recombined.\r\n2 total files have "
            "been combined into...\r\n\r\n\"" +
                output + "\"");
  EXPECT_EQ(ui.messages[0].title, "vCard Recombine Successfull");
  EXPECT_EQ(ui.status, "vCard Recombination Successful");
  EXPECT_EQ(ui.browsed, std::vector<std::string>{folder.path() + "/"});
}

TEST(RunOperation, RecombineCancelAndTooFewFiles) {
  TempFolder folder;
  FakeUserInterface cancelled;
  runSelected("*.*", RunMode::Recombine, cancelled);
  EXPECT_TRUE(cancelled.events.empty());
  folder.write("a.vcf", contacts(1));
  FakeUserInterface one;
  runSelected(folder.file("anything"), RunMode::Recombine, one);
  ASSERT_EQ(one.messages.size(), 1u);
  EXPECT_EQ(one.messages[0].text,
            "The selected location does not contain multiple vCard contact "
            "files.\r\nPlease choose a path containing multiple vCards to be "
            "recombined.");
  EXPECT_EQ(one.messages[0].title, "Nothing to Process");
}

TEST(RunOperation, MergeJoinsTheSelectionAndEndsSilentlyForOneFile) {
  TempFolder folder;
  folder.write("a.vcf", contacts(2));
  folder.write("b.vcf", contacts(3));
  FakeUserInterface single;
  runSelected(folder.file("a.vcf"), RunMode::Merge, single);
  EXPECT_TRUE(single.events.empty());
  FakeUserInterface ui;
  runSelected(folder.path() + std::string("\0a.vcf\0b.vcf", 12), RunMode::Merge, ui);
  const std::string output = folder.path() + "/" + combinedFileName();
  EXPECT_EQ(ui.events[0], "count:2 files selected");
  EXPECT_EQ(ui.events[1], "status:Merging...");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "vCards have been merged successfully.\r\n5 cards have been combined "
            "into...\r\n\r\n\"" +
                output + "\"");
  EXPECT_EQ(ui.messages[0].title, "vCard Merge Successfull");
  EXPECT_EQ(ui.status, "vCard Merge Successful");
  EXPECT_EQ(ui.browsed, std::vector<std::string>{folder.path() + "/"});
}

TEST(RunOperation, MergeFailureUsesTheSharedProcessingTitle) {
  TempFolder folder;
  folder.write("a.vcf", contacts(2));
  FakeUserInterface ui;
  runSelected(folder.path() + std::string("\0a.vcf\0gone.vcf", 15), RunMode::Merge, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "vCard Processing Failed");
  EXPECT_NE(ui.messages[0].text.find("gone.vcf"), std::string::npos);
  EXPECT_EQ(ui.status, "vCard Merge Failed");
}

// An earlier result is never replaced or mixed in unasked: the person is asked first, and each
// answer writes where it says.
TEST(RunOperation, AnEarlierResultIsReplacedOrMixedInOnlyWhenThePersonSaysSo) {
  TempFolder folder;
  const std::string input = folder.write("in.vcf", contacts(3));
  FakeUserInterface first;
  runSelected(input, RunMode::Split, first);
  EXPECT_TRUE(first.earlierResults.empty());

  FakeUserInterface fresh;
  fresh.earlierAnswers = {EarlierResultAnswer::WriteFresh};
  const RunOutcome freshOutcome = runSelected(input, RunMode::Split, fresh);
  ASSERT_EQ(fresh.earlierResults.size(), 1u);
  EXPECT_EQ(fresh.earlierResults[0].freshButton.english(), "Write to \"Split-vCards (2)\"");
  EXPECT_EQ(fresh.earlierResults[0].reuseButton.english(), "Add to \"Split-vCards\"");
  EXPECT_EQ(freshOutcome.outputPath, folder.file("Split-vCards (2)"));
  EXPECT_NE(fresh.messages.back().text.find("\"" + folder.file("Split-vCards (2)") + "\""),
            std::string::npos);
  EXPECT_EQ(fileNames(folder.file("Split-vCards (2)")).size(), 3u);

  FakeUserInterface added;
  added.earlierAnswers = {EarlierResultAnswer::Reuse};
  runSelected(input, RunMode::Split, added);
  EXPECT_EQ(fileNames(folder.file("Split-vCards")),
            (std::vector<std::string>{"contact0001.vcf", "contact0002.vcf", "contact0003.vcf",
                                      "contact0004.vcf", "contact0005.vcf", "contact0006.vcf"}));

  FakeUserInterface exported;
  runSelected(input, RunMode::Export, exported);
  folder.write(combinedFileName(), "earlier merge");
  const std::string selection = folder.path() + std::string("\0in.vcf\0in.vcf", 14);
  for (const RunMode mode : {RunMode::Split, RunMode::Export, RunMode::Merge}) {
    FakeUserInterface cancelled;
    cancelled.earlierAnswers = {EarlierResultAnswer::Cancel};
    const RunOutcome outcome =
        runSelected(mode == RunMode::Merge ? selection : input, mode, cancelled);
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::NotRun) << int(mode);
    EXPECT_EQ(cancelled.earlierResults.size(), 1u) << int(mode);
    EXPECT_TRUE(cancelled.browsed.empty()) << int(mode);
  }
  EXPECT_EQ(fileNames(folder.file("Split-vCards")).size(), 7u);  // six contacts, one CSV
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), "earlier merge");

  FakeUserInterface keepBoth;
  keepBoth.earlierAnswers = {EarlierResultAnswer::WriteFresh};
  const RunOutcome both = runSelected(selection, RunMode::Merge, keepBoth);
  ASSERT_EQ(keepBoth.earlierResults.size(), 1u);
  EXPECT_EQ(keepBoth.earlierResults[0].reuseButton.english(), "Replace");
  EXPECT_EQ(keepBoth.earlierResults[0].freshButton.english(), "Keep Both");
  const std::string second = folder.file(numberedName(combinedFileName(), 2));
  EXPECT_EQ(both.outputPath, second);
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), "earlier merge");
  EXPECT_EQ(readBytes(second), contacts(3) + contacts(3));
}

TEST(RunOperation, UnknownModeDoesNothing) {
  FakeUserInterface ui;
  runSelected("/x", static_cast<RunMode>(5), ui);
  EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace palvren
