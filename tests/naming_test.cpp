#include "vcard/naming.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/text.h"
#include "support/fake_progress.h"
#include "support/temp_folder.h"
#include "vcard/contact_folder.h"

namespace palvren {
namespace {

using testing::FakeProgress;
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
  for (const auto& [in, out] : cases) EXPECT_EQ(cleanNameText(in), out) << in;
}

TEST(NamingTextFunctions, SwapFirstWordAndEmailLocalPart) {
  EXPECT_EQ(swapFirstWord("Doe John"), "John Doe");
  EXPECT_EQ(swapFirstWord("Doe John Q Dr. Jr."), "John Q Dr. Jr. Doe");
  EXPECT_EQ(swapFirstWord("van der Berg Anna"), "der Berg Anna van");
  EXPECT_EQ(swapFirstWord("Single"), "Single");
  EXPECT_EQ(emailLocalPart(" ann.lee @example.org"), "ann.lee");
  EXPECT_EQ(emailLocalPart("no-at-sign"), "no-at-sign");
  EXPECT_EQ(emailLocalPart("@example.org"), "");
}

TEST(NextUniqueName, RaisesOrAppendsTheCounter) {
  EXPECT_EQ(nextUniqueName("/d/Ann.vcf"), "/d/Ann-#1.vcf");
  EXPECT_EQ(nextUniqueName("/d/Ann-#1.vcf"), "/d/Ann-#2.vcf");
  EXPECT_EQ(nextUniqueName("/d/Ann-#4.vcf"), "/d/Ann-#5.vcf");
  EXPECT_EQ(nextUniqueName("/d/Ann-#0.vcf"), "/d/Ann-#0-#1.vcf");
  EXPECT_EQ(nextUniqueName("/d/Ann-#x.vcf"), "/d/Ann-#x-#1.vcf");
  EXPECT_EQ(nextUniqueName("/d/a-#1-#7.vcf"), "/d/a-#1-#8.vcf");
  EXPECT_EQ(nextUniqueName("/d/Ann-# 9 .vcf"), "/d/Ann-#10.vcf");
  EXPECT_EQ(nextUniqueName(""), "");
  EXPECT_EQ(nextUniqueName("/d/Ann-#32767.vcf"), "");  // cannot be raised in 16 bits
  EXPECT_EQ(nextUniqueName("/d/Ann-#99999.vcf"), "");
}

TEST(NameFromContactLines, TriesFormattedNameThenNameThenTitleThenEmail) {
  struct Case {
    std::vector<std::string> lines;
    std::string stem;
  };
  const Case cases[] = {
      {{"FN:", "N:Doe;John;;;"}, "John Doe"},
      // FN and N are read whatever their parameters, decoded, and named in UTF-8.
      {{"FN;CHARSET=UTF-8:Read", "N:Doe;John;;;"}, "Read"},
      {{"TITLE:Sales", "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Am=E9lie B=", "=E9"},
       "Am\xC3\xA9lie B\xC3\xA9"},
      {{"N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Bianchi;Am=C3=A9lie;;;"},
       "Am\xC3\xA9lie Bianchi"},
      {{"FN:Ren\xE9 M\xFCller"}, "Ren\xC3\xA9 M\xC3\xBCller"},
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
    EXPECT_EQ(nameFromContactLines(lines), c.stem) << c.lines.front();
  }
}

class RenameTest : public ::testing::Test {
 protected:
  // Writes the next contact's file and names it as the contact folder writer does.
  void rename(const std::string& content, const std::string& fnValue, FileIo& io = systemFileIo()) {
    session.startContact(++written);
    LineWriter writer(output, numberedContactName(written), io);
    writer.writeText(content);
    if (!renameToContactName(writer, {"", "FN:" + fnValue}, ui, session)) writer.commit();
  }
  TempFolder folder;
  OutputFolder output{folder.path()};
  FakeProgress ui;
  NamingSession session{9};
  int written = 0;
};

TEST_F(RenameTest, SameNamesGetACounterAndNothingIsOverwritten) {
  rename("a", "Ann");
  rename("b", "Ann");
  rename("c", "Ann");
  EXPECT_EQ(fileNames(folder.path()),
            (std::vector<std::string>{"Ann-#1.vcf", "Ann-#2.vcf", "Ann.vcf"}));
  EXPECT_EQ(readBytes(folder.file("Ann.vcf")), "a");
  EXPECT_EQ(readBytes(folder.file("Ann-#2.vcf")), "c");
  EXPECT_EQ(ui.yields, 3);
}

TEST_F(RenameTest, AnythingAtANameCountsAsTakenAndIsLeftAlone) {
  folder.write("Ann.vcf", "earlier");
  folder.write("Ann-#1.vcf", "earlier too");
  std::filesystem::create_symlink(folder.file("elsewhere.vcf"), folder.file("Bob.vcf"));
  std::filesystem::create_directory(folder.file("Cy.vcf"));
  ASSERT_EQ(::mkfifo(folder.file("Di.vcf").c_str(), 0600), 0);
  rename("new", "Ann");
  for (const char* name : {"Bob", "Cy", "Di"}) rename(name, name);
  EXPECT_EQ(readBytes(folder.file("Ann.vcf")), "earlier");
  EXPECT_EQ(readBytes(folder.file("Ann-#2.vcf")), "new");
  EXPECT_EQ(readBytes(folder.file("Bob-#1.vcf")), "Bob");
  EXPECT_EQ(readBytes(folder.file("Cy-#1.vcf")), "Cy");
  EXPECT_EQ(readBytes(folder.file("Di-#1.vcf")), "Di");
  EXPECT_FALSE(std::filesystem::exists(folder.file("elsewhere.vcf")));
}

TEST_F(RenameTest, ANameTakenBetweenLookingAndTakingGoesToTheOtherRun) {
  // Takes the name the way another run would, between looking and taking.
  struct OtherRun : FileIo {
    std::string folder;
    int moveWithoutReplacing(int at, const char* from, const char* to) override {
      if (std::string(to) == "Ann.vcf") testing::writeBytes(folder + "/" + to, "other run");
      return FileIo::moveWithoutReplacing(at, from, to);
    }
  } otherRun;
  otherRun.folder = folder.path();
  rename("ours", "Ann", otherRun);
  EXPECT_EQ(readBytes(folder.file("Ann.vcf")), "other run");
  EXPECT_EQ(readBytes(folder.file("Ann-#1.vcf")), "ours");
}

TEST_F(RenameTest, UsesUtf8NamesAsTheyAre) {
  rename("x",
         "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
         "ez");
  EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
                                                               "ez.vcf"});
}

TEST_F(RenameTest, ANumberedNameStillToBeWrittenIsNeverTaken) {
  rename("first", "contact0001");   // its own number: takes -#1
  rename("second", "contact0003");  // the writer still needs contact0003
  rename("third", "contact0001");   // contact0001 is free now and no longer needed
  EXPECT_EQ(
      fileNames(folder.path()),
      (std::vector<std::string>{"contact0001-#1.vcf", "contact0001.vcf", "contact0003-#1.vcf"}));
  EXPECT_EQ(readBytes(folder.file("contact0001.vcf")), "third");
}

TEST_F(RenameTest, NamesNeverHideTheFile) {
  rename("dots", "..");
  rename("hidden", ".hidden");
  rename("spaced", ". . Ann");
  EXPECT_EQ(fileNames(folder.path()),
            (std::vector<std::string>{"Ann.vcf", "contact0001.vcf", "hidden.vcf"}));
}

TEST(ContactFileName, CutsThePathTo255BytesAtACharacterBoundary) {
  const std::string folder = "/" + std::string(239, 'd');
  EXPECT_EQ(contactFileName(folder, std::string(40, 'n')), std::string(10, 'n') + ".vcf");
  std::string accented;
  for (int i = 0; i < 20; ++i) accented += "\xC3\xA9";
  const std::string name = contactFileName(folder + "d", accented);  // room for 9 bytes
  EXPECT_EQ(name, accented.substr(0, 8) + ".vcf");
  EXPECT_EQ(contactFileName("/" + std::string(250, 'd'), "Ann"), "");
}

TEST(RenameToContactName, ALongAccentedNameIsCutToFit) {
  TempFolder root;
  std::string longName(200, 'x');
  for (int i = 0; i < 30; ++i) longName += "\xC3\xA9";  // 230 characters but 260 bytes
  OutputFolder output(root.path());
  FakeProgress ui;
  NamingSession session(1);
  LineWriter writer(output, numberedContactName(1));
  EXPECT_TRUE(renameToContactName(writer, {"", "FN:" + longName}, ui, session));
  const std::string name = fileNames(root.path()).at(0);
  EXPECT_GE(root.file(name).size(), 254u);  // one byte short where a character would split
  EXPECT_LE(root.file(name).size(), 255u);
  EXPECT_TRUE(isValidUtf8(name));
}

}  // namespace
}  // namespace palvren
