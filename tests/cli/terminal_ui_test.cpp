// A terminal session scripted through the streams the program uses for its terminal.
#include "cli/terminal_ui.h"

#include <gtest/gtest.h>

#include <sstream>

#include "redundancy/prompt_context.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::readBytes;
using testing::TempFolder;

TEST(TerminalSession, AskShowsBothContactsAndTakesAnEditAndAnAnswer) {
  TempFolder folder;
  folder.write("in.vcf",
               crlfLines({"BEGIN:VCARD", "N:Lee;Ann;;;", "EMAIL:ann@x.org",
                          "NOTE:\x1b[2J\x1b[Hfake\nrow \xC2\x9B", "END:VCARD", "BEGIN:VCARD",
                          "N:Lee;Annie;;;", "EMAIL:ann@x.org", "END:VCARD"}));
  std::istringstream in("x\ne\n1\nLee;Anne\n1\n");
  std::ostringstream out;
  std::ostringstream err;
  Terminal terminal{in, out, err, true, true};
  const int status = runCli({"split", folder.file("in.vcf"), "--check", "2"}, terminal);
  EXPECT_EQ(status, 0) << err.str();
  const std::string shown = out.str();
  EXPECT_NE(shown.find("the values of Name differ"), std::string::npos);
  EXPECT_NE(shown.find("=>  1 Name"), std::string::npos);
  EXPECT_NE(shown.find(" =  2 E-mail"), std::string::npos);  // the field they matched on
  EXPECT_NE(shown.find("Lee Ann"), std::string::npos);
  EXPECT_NE(shown.find("Lee Annie"), std::string::npos);
  EXPECT_NE(shown.find("Enter the value for the \"Name\" field here:"), std::string::npos);
  EXPECT_NE(shown.find("=>  1 Name" + std::string(20, ' ') + "Lee Anne"), std::string::npos);
  // Control characters of the data are shown escaped, never sent to the terminal.
  EXPECT_NE(shown.find("\\x1B[2J\\x1B[Hfake\\x0Arow \\x9B"), std::string::npos);
  EXPECT_EQ(shown.find('\x1b'), std::string::npos);
  EXPECT_EQ(shown.find("\xC2\x9B"), std::string::npos);
  EXPECT_EQ(readBytes(folder.file("Split-vCards/contact0001.vcf")),
            crlfLines({"BEGIN:VCARD", "N:Lee;Anne;;;", "EMAIL:ann@x.org",
                       "NOTE:\x1b[2J\x1b[Hfake\nrow \xC2\x9B", "END:VCARD"}));
  // Progress is one line rewritten in place on the terminal.
  EXPECT_NE(err.str().find("\rLoading File Data...\x1b[K"), std::string::npos);
}

TEST(TerminalSession, ClosedInputKeepsBoth) {
  TempFolder folder;
  folder.write("in.vcf", crlfLines({"BEGIN:VCARD", "FN:A", "EMAIL:a@x.org", "END:VCARD",
                                    "BEGIN:VCARD", "FN:B", "EMAIL:a@x.org", "END:VCARD"}));
  std::istringstream in("");
  std::ostringstream out;
  std::ostringstream err;
  Terminal terminal{in, out, err, true, false};
  EXPECT_EQ(runCli({"split", folder.file("in.vcf"), "--check=2"}, terminal), 0);
  EXPECT_NE(out.str().find("2 files have been created"), std::string::npos);
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace palvren
