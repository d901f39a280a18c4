#include "vcard/naming.h"

#include <gtest/gtest.h>

#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

TEST(CleanNameText, MakesTextFitForAFileName) {
  const std::pair<std::string, std::string> cases[] = {
      {"Smith, John", "Smith John"},
      {"A/B Company", "AB Company"},
      {"Mary_Ann", "Mary Ann"},
      {"::??", ""},
      {"  \"Quoted\"  ", "Quoted"},
      {"a\\b|c;d", "ab c d"},
      {"tab\there", "tab here"},
      {"a      b", "a b"},     // six spaces: 2 after the five-run pass, then 1
      {"a         b", "a b"},  // nine spaces
      {"O'Brien & Sons (#2) @x", "O'Brien & Sons (#2) @x"},
      {"Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
       "ez",
       "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
       "ez"},
      {std::string("nul\0byte", 8), "nul byte"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CleanNameText(in), out) << in;
}

TEST(NamingTextFunctions, SwapFirstWordAndEmailLocalPart) {
  EXPECT_EQ(SwapFirstWord("Doe John"), "John Doe");
  EXPECT_EQ(SwapFirstWord("Doe John Q Dr. Jr."), "John Q Dr. Jr. Doe");
  EXPECT_EQ(SwapFirstWord("van der Berg Anna"), "der Berg Anna van");
  EXPECT_EQ(SwapFirstWord("Single"), "Single");
  EXPECT_EQ(EmailLocalPart(" ann.lee @example.org"), "ann.lee");
  EXPECT_EQ(EmailLocalPart("no-at-sign"), "no-at-sign");
  EXPECT_EQ(EmailLocalPart("@example.org"), "");
}

TEST(NextUniqueName, RaisesOrAppendsTheCounter) {
  EXPECT_EQ(NextUniqueName("/d/Ann.vcf"), "/d/Ann-#1.vcf");
  EXPECT_EQ(NextUniqueName("/d/Ann-#1.vcf"), "/d/Ann-#2.vcf");
  EXPECT_EQ(NextUniqueName("/d/Ann-#4.vcf"), "/d/Ann-#5.vcf");
  EXPECT_EQ(NextUniqueName("/d/Ann-#0.vcf"), "/d/Ann-#0-#1.vcf");
  EXPECT_EQ(NextUniqueName("/d/Ann-#x.vcf"), "/d/Ann-#x-#1.vcf");
  EXPECT_EQ(NextUniqueName("/d/a-#1-#7.vcf"), "/d/a-#1-#8.vcf");
  EXPECT_EQ(NextUniqueName("/d/Ann-# 9 .vcf"), "/d/Ann-#10.vcf");
  EXPECT_EQ(NextUniqueName(""), "");
  EXPECT_EQ(NextUniqueName("/d/Ann-#32767.vcf"), "");  // cannot be raised in 16 bits
  EXPECT_EQ(NextUniqueName("/d/Ann-#99999.vcf"), "");
}

TEST(NameFromContactLines, TriesFormattedNameThenNameThenTitleThenEmail) {
  struct Case {
    std::vector<std::string> lines;
    std::string stem;
  };
  const Case cases[] = {
      {{"FN:", "N:Doe;John;;;"}, "John Doe"},
      {{"FN;CHARSET=UTF-8:Skipped", "N:Doe;John;;;"}, "John Doe"},
      {{"N:Doe;John;Q;Dr.;Jr.", "FN:Johnny"}, "Johnny"},
      {{"TITLE:Manager", "EMAIL:boss@example.org"}, "Manager"},
      {{"EMAIL;TYPE=INTERNET:ann.lee@example.org"}, "ann.lee"},
      {{"EMAIL:plain"}, "plain"},
      {{"EMAIL:@example.org", "EMAIL:second@example.org"}, ""},  // the first usable EMAIL ends it
      {{"FN:::??", "fn:lower case key"}, "lower case key"},
      {{"item1.EMAIL:grouped@example.org", " FN:leading space"}, ""},
      {{"NOTE:nothing usable"}, ""},
  };
  for (const Case& c : cases) {
    ContactLines lines(1);
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(NameFromContactLines(lines), c.stem) << c.lines.front();
  }
}

class RenameTest : public ::testing::Test {
 protected:
  std::string writeNumbered(int number, const std::string& fn) {
    std::string path = folder.file("contact000" + std::to_string(number) + ".vcf");
    testing::writeBytes(path, fn);
    return path;
  }
  void rename(const std::string& path, const std::string& fnValue) {
    session.numberedFileWritten(++written);
    RenameToContactName(folder.path(), path, {"", "FN:" + fnValue}, ui, session);
  }
  TempFolder folder;
  FakeUserInterface ui;
  NamingSession session{9};
  int written = 0;
};

TEST_F(RenameTest, SameNamesGetACounterAndNothingIsOverwritten) {
  rename(writeNumbered(1, "a"), "Ann");
  rename(writeNumbered(2, "b"), "Ann");
  rename(writeNumbered(3, "c"), "Ann");
  EXPECT_EQ(fileNames(folder.path()),
            (std::vector<std::string>{"Ann-#1.vcf", "Ann-#2.vcf", "Ann.vcf"}));
  EXPECT_EQ(readBytes(folder.file("Ann.vcf")), "a");
  EXPECT_EQ(readBytes(folder.file("Ann-#2.vcf")), "c");
  EXPECT_EQ(ui.yields, 3);
}

TEST_F(RenameTest, AnEarlierFileOfTheSameNameIsKept) {
  folder.write("Ann.vcf", "earlier");
  folder.write("Ann-#1.vcf", "earlier too");
  rename(writeNumbered(1, "new"), "Ann");
  EXPECT_EQ(readBytes(folder.file("Ann.vcf")), "earlier");
  EXPECT_EQ(readBytes(folder.file("Ann-#2.vcf")), "new");
}

TEST_F(RenameTest, UsesUtf8NamesAsTheyAre) {
  rename(writeNumbered(1, "x"),
         "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
         "ez");
  EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
                                                               "ez.vcf"});
}

TEST_F(RenameTest, ANumberedNameStillToBeWrittenIsNeverTaken) {
  rename(writeNumbered(1, "first"), "contact0001");   // its own name: exists, takes -#1
  rename(writeNumbered(2, "second"), "contact0003");  // the writer still needs contact0003
  EXPECT_EQ(fileNames(folder.path()),
            (std::vector<std::string>{"contact0001-#1.vcf", "contact0003-#1.vcf"}));
}

TEST_F(RenameTest, ANameTheFileSystemRefusesKeepsTheNumberedFile) {
  std::string longName(200, 'x');
  for (int i = 0; i < 30; ++i) longName += "\xC3\xA9";  // 230 characters but 260 bytes
  std::string path = writeNumbered(1, "kept");
  rename(path, longName);
  EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"contact0001.vcf"});
  rename(writeNumbered(2, "named"), "Bob");  // the run goes on
  EXPECT_EQ(readBytes(folder.file("Bob.vcf")), "named");
}

TEST(RenameToContactName, CutsTheTargetToTheCharacterLimit) {
  TempFolder root;
  std::string folder = root.path();
  while (folder.size() < 240) {
    const std::size_t rest = 240 - folder.size();
    const std::size_t chunk = rest <= 61 ? rest - 1 : std::min<std::size_t>(60, rest - 3);
    folder += "/" + std::string(chunk, 'd');
    std::filesystem::create_directory(folder);
  }
  ASSERT_EQ(folder.size(), 240u);
  std::string path = folder + "/contact0001.vcf";
  testing::writeBytes(path, "x");
  FakeUserInterface ui;
  NamingSession session(1);
  session.numberedFileWritten(1);
  RenameToContactName(folder, path, {"", "FN:" + std::string(40, 'n')}, ui, session);
  EXPECT_EQ(fileNames(folder), std::vector<std::string>{std::string(10, 'n') + ".vcf"});
}

}  // namespace
}  // namespace palvren
