#include "redundancy/redundancy_run.h"

#include <gtest/gtest.h>

#include <map>

#include "driver/run_driver.h"
#include "platform/errors.h"
#include "redundancy/prompt_context.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/merge_recombine.h"
#include "vcard/selection.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::string card(const std::vector<std::string>& lines) {
  std::vector<std::string> all{"BEGIN:VCARD"};
  all.insert(all.end(), lines.begin(), lines.end());
  all.push_back("END:VCARD");
  return crlfLines(all);
}

struct RedundancyCase {
  TempFolder folder;
  FakeUserInterface ui;
  std::string output;
  int result = 0;

  void split(const std::string& bytes) {
    std::string input = folder.write("in.vcf", bytes);
    const Written written =
        splitWithRedundancyCheck(OpenInput(input), ui, ui.checkOptions(), ui.naming);
    result = written.count;
    output = written.path;
    EXPECT_EQ(readBytes(input), bytes);
  }
  std::string file(const std::string& name) const { return readBytes(output + "/" + name); }
};

TEST(RedundancyRun, IdenticalContactsAreRemovedInPassOne) {
  RedundancyCase run;
  run.split(card({"FN:A"}) + card({"FN:A"}) + card({"FN:A"}));
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(fileNames(run.output), std::vector<std::string>{"contact0001.vcf"});
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_EQ(run.ui.messages[0].text, "Pass 1 redundancy operation removed 2 contacts.");
  EXPECT_EQ(run.ui.messages[0].title, "Pass 1 Completed");
  EXPECT_EQ(run.ui.statuses,
            (std::vector<std::string>{"Loading File Data...", "Performing Contact Cleaner...",
                                      "PASS 1 - Checking Redundancies 1 of 3", "2 Contacts Removed",
                                      "Writing Output Files..."}));
}

TEST(RedundancyRun, WritesRemainingContactsWithoutGapsRebuiltFromTheirRecords) {
  RedundancyCase run;
  run.split(card({"FN:A"}) + card({"FN:B"}) + card({"FN:C"}) + card({"FN:B"}) +
            "begin:vcard\r\nFN:D\r\nTEL;CELL:1\r\nNOTE:\r\n:x\r\nNOTE:folded\r\n  more\r\n"
            "TEL;CELL:2\r\nend:vcard\r\n" +
            card({"FN:A"}) + card({"FN:E", ":junk"}));  // no repeat: the empty tag is kept
  EXPECT_EQ(run.result, 5);
  EXPECT_EQ(run.file("contact0003.vcf"), card({"FN:C"}));
  EXPECT_EQ(run.file("contact0004.vcf"),
            crlfLines({"begin:vcard", "FN:D", "TEL;CELL:2", "NOTE:folded", "  more", "end:vcard"}));
  EXPECT_EQ(run.file("contact0005.vcf"), card({"FN:E"}));
  EXPECT_EQ(fileNames(run.output).size(), 5u);
}

TEST(RedundancyRun, PassTwoIsOfferedAndNoWritesWhatPassOneLeft) {
  const std::string bytes = card({"FN:Ann", "EMAIL:a@x.org"}) + card({"FN:Annie", "EMAIL:a@x.org"});
  RedundancyCase no;
  no.ui.redundancy = RedundancyMode::Pass1And2;
  no.ui.yesNoAnswers = {false};
  no.split(bytes);
  EXPECT_EQ(no.result, 2);
  ASSERT_EQ(no.ui.questions.size(), 1u);
  EXPECT_EQ(
      no.ui.questions[0].text,
      "Pass 1 redundancy operation removed 0 contacts.\r\nWould you like to continue to Pass 2?");
  EXPECT_TRUE(no.ui.messages.empty());
  EXPECT_TRUE(no.ui.conflicts.empty());

  RedundancyCase yes;
  yes.ui.redundancy = RedundancyMode::Pass1And2;
  yes.ui.conflictPolicy = [](const PromptContext&) { return ConflictChoice::KeepOption2; };
  yes.split(bytes);
  EXPECT_EQ(yes.result, 1);
  EXPECT_EQ(yes.file("contact0001.vcf"), card({"FN:Annie", "EMAIL:a@x.org"}));
  ASSERT_EQ(yes.ui.messages.size(), 1u);
  EXPECT_EQ(yes.ui.messages[0].text, "Pass 2 redundancy operation removed 1 additional contacts.");
  EXPECT_EQ(yes.ui.messages[0].title, "Pass 2 Completed");
  EXPECT_EQ(yes.ui.statuses[yes.ui.statuses.size() - 2], "1 Contacts Removed");
}

TEST(RedundancyRun, NamesFilesFromTheWrittenLines) {
  RedundancyCase run;
  run.ui.naming = NamingMode::ContactInfo;
  run.split(card({"N:Doe;John;;;"}) + card({"FN:Ann"}) + card({"NOTE:none"}) +
            card({"FN:Ann", "X:1"}));
  EXPECT_EQ(run.result, 4);
  EXPECT_EQ(fileNames(run.output),
            (std::vector<std::string>{"Ann-#1.vcf", "Ann.vcf", "John Doe.vcf", "contact0003.vcf"}));
}

TEST(RedundancyRun, EveryPhaseYieldsForEachContactSoTheWindowRepaintsInTime) {
  std::string bytes;
  for (int i = 0; i < 120; ++i) bytes += card({"FN:P" + std::to_string(i % 100)});
  RedundancyCase run;
  run.ui.redundancy = RedundancyMode::Pass1And2;
  std::map<std::string, int> yieldsIn;
  run.ui.onYield = [&] { ++yieldsIn[run.ui.status.substr(0, 14)]; };
  run.split(bytes);
  EXPECT_EQ(run.result, 100);
  EXPECT_GE(yieldsIn["Loading File D"], 120);
  EXPECT_GE(yieldsIn["PASS 1 - Check"], 99);  // its walk of the 100 it keeps
  EXPECT_GE(yieldsIn["PASS 2 - Check"], 99);
  EXPECT_GE(yieldsIn["Writing Output"], 100);
}

// Also when a file ends inside a contact: what the plain merge joins to that contact stays in
// it, and every contact written ends with its END line.
TEST(RedundancyRun, AMergeWithTheCheckWritesWhatASplitWithTheCheckOfThePlainMergeWould) {
  for (const bool unterminated : {false, true}) {
    std::string a =
        card({"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}) + card({"FN:Bob"}) + card({"FN:Cy", "TEL:5"});
    std::string b = card({"FN:Bob"}) + card({"FN:Ann Lee", "EMAIL:ann@x.org", "TEL:2"}) +
                    card({"FN:Di", "EMAIL:di@x.org"});
    if (unterminated) {
      a += crlfLines({"BEGIN:VCARD", "FN:Eve"});
      b = crlfLines({"NOTE:joined to Eve", "END:VCARD"}) + b + crlfLines({"BEGIN:VCARD", "FN:Zed"});
    }
    auto checking = [](FakeUserInterface& ui) {
      ui.redundancyCheck = true;
      ui.redundancy = RedundancyMode::Pass1And2;
      ui.conflictPolicy = [](const PromptContext&) { return ConflictChoice::KeepOption2; };
    };
    TempFolder joined;
    joined.write("a.vcf", a);
    joined.write("b.vcf", b);
    FakeUserInterface mergeUi;
    checking(mergeUi);
    const RunOutcome merged = runSelected(FileSelection{joined.path(), {"a.vcf", "b.vcf"}}.toText(),
                                          RunMode::Merge, mergeUi);
    ASSERT_EQ(merged.kind, RunOutcome::Kind::Done) << merged.reason;
    EXPECT_EQ(merged.count, unterminated ? 6 : 4);

    TempFolder stepwise;
    stepwise.write("a.vcf", a);
    stepwise.write("b.vcf", b);
    FakeUserInterface plainUi;
    runSelected(FileSelection{stepwise.path(), {"a.vcf", "b.vcf"}}.toText(), RunMode::Merge,
                plainUi);
    FakeUserInterface splitUi;
    checking(splitUi);
    runSelected(stepwise.file(combinedFileName()), RunMode::Split, splitUi);
    std::string expected;
    for (const std::string& name : fileNames(stepwise.file("Split-vCards"))) {
      const std::string contact = readBytes(stepwise.file("Split-vCards/" + name));
      EXPECT_TRUE(contact.ends_with("END:VCARD\r\n")) << contact;
      expected += contact;
    }
    const std::string written = readBytes(joined.file(combinedFileName()));
    EXPECT_EQ(written, expected);
    EXPECT_EQ(mergeUi.conflicts, splitUi.conflicts);
    if (unterminated) {
      EXPECT_NE(written.find(crlfLines({"FN:Eve", "NOTE:joined to Eve", "END:VCARD"})),
                std::string::npos);
    }
  }
}

// A checked recombine says how many files it read, shows its writing to the last contact, reports
// what the person typed, and writes no file when no contact is left.
TEST(RedundancyRun, AJoinCountsFilesReportsEditsAndWritesNothingWhenNoneIsLeft) {
  TempFolder folder;
  folder.write("a.vcf", card({"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}));
  folder.write("b.vcf", card({"FN:Ann", "EMAIL:ann@x.org", "TEL:2"}));
  folder.write("c.vcf", card({"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}));
  FakeUserInterface ui;
  ui.redundancyCheck = true;
  ui.redundancy = RedundancyMode::Pass1And2;
  ui.conflictPolicy = [](const PromptContext&) {
    ConflictDecision decision(ConflictChoice::KeepOption1);
    decision.edits = {{"TEL", "99"}};
    return decision;
  };
  const RunOutcome recombined = runSelected(folder.path() + "/", RunMode::Recombine, ui);
  ASSERT_EQ(recombined.kind, RunOutcome::Kind::Done) << recombined.reason;
  EXPECT_EQ(recombined.count, 3);  // files read, not the one contact written
  EXPECT_NE(ui.messages.back().text.find("3 total files have been combined"), std::string::npos);
  EXPECT_NE(recombined.report.find("TEL typed: 99"), std::string::npos) << recombined.report;
  EXPECT_EQ(readBytes(folder.file(combinedFileName())),
            card({"FN:Ann", "EMAIL:ann@x.org", "TEL:99"}));
  std::vector<std::pair<int, int>> shown;
  for (const auto& step : ui.progress) {
    if (step.second > 0) shown.push_back(step);
  }
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), (std::pair<int, int>{1, 1}));  // the written contact counted

  TempFolder none;
  none.write("a.vcf", card({"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}));
  none.write("b.vcf", card({"FN:Ann", "EMAIL:ann@x.org", "TEL:2"}));
  FakeUserInterface neither;
  neither.redundancyCheck = true;
  neither.redundancy = RedundancyMode::Pass1And2;
  neither.conflictPolicy = [](const PromptContext&) { return ConflictChoice::KeepNeither; };
  const RunOutcome empty =
      runSelected(FileSelection{none.path(), {"a.vcf", "b.vcf"}}.toText(), RunMode::Merge, neither);
  EXPECT_EQ(empty.kind, RunOutcome::Kind::Failed);
  EXPECT_EQ(fileNames(none.path()), (std::vector<std::string>{"a.vcf", "b.vcf"}));
}

// A checked split stopped while it writes counts what it meant to write, not what it read.
TEST(RedundancyRun, AStopWhileWritingCountsTheContactsLeftToWrite) {
  TempFolder folder;
  const std::string input =
      folder.write("in.vcf", card({"FN:A"}) + card({"FN:A"}) + card({"FN:B"}));
  FakeUserInterface ui;
  ui.redundancyCheck = true;
  int writingYields = 0;
  ui.onYield = [&] {
    if (ui.status == "Writing Output Files..." && ++writingYields == 2) throw RunStopped{};
  };
  const RunOutcome stopped = runSelected(input, RunMode::Split, ui);
  EXPECT_EQ(stopped.kind, RunOutcome::Kind::Stopped);
  EXPECT_EQ(ui.messages.back().text.substr(0, 40), "Stopped: 1 of 2 contact files were writt");
}

TEST(RedundancyRun, NoContactWritesNothing) {
  RedundancyCase run;
  run.split("FN:nobody\r\n");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(fileNames(run.folder.path()), std::vector<std::string>{"in.vcf"});
  EXPECT_EQ(run.ui.statuses, std::vector<std::string>{"Loading File Data..."});
}

}  // namespace
}  // namespace palvren
