// palvren-cli run as a process on files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "support/temp_folder.h"
#include "vcard/merge_recombine.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

struct Result {
  int status;
  std::string out;
  std::string err;
};

std::string slurp(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(got));
  return text;
}

// Runs the program with stdin from /dev/null and captures both outputs.
Result run(const std::vector<std::string>& arguments, const std::string& folder = "/") {
  int out[2];
  int err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return {-1, "", ""};
  pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(99);
    dup2(out[1], 1);
    dup2(err[1], 2);
    freopen("/dev/null", "r", stdin);
    std::vector<char*> argv{const_cast<char*>(PALVREN_CLI)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(PALVREN_CLI, argv.data());
    _exit(98);
  }
  close(out[1]);
  close(err[1]);
  std::string errText;
  std::string outText = slurp(out[0]);
  errText = slurp(err[0]);
  int status = 0;
  waitpid(child, &status, 0);
  close(out[0]);
  close(err[0]);
  return {WEXITSTATUS(status), outText, errText};
}

std::string cards(const std::vector<std::vector<std::string>>& contacts) {
  std::string text;
  for (const auto& lines : contacts) {
    std::vector<std::string> all{"BEGIN:VCARD"};
    all.insert(all.end(), lines.begin(), lines.end());
    all.push_back("END:VCARD");
    text += crlfLines(all);
  }
  return text;
}

const std::string kSimilar = cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"},
                                    {"FN:Ann Lee", "EMAIL:ann@x.org", "TEL:2"},
                                    {"FN:Bob", "EMAIL:bob@x.org"}});
// The same person twice, named alike.
const std::string kSameName = cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"},
                                     {"FN:Ann", "EMAIL:ann@x.org", "TEL:2"},
                                     {"FN:Bob", "EMAIL:bob@x.org"}});

TEST(Cli, SplitWritesTheSameFilesAsTheWindowAndPrintsTheMessage) {
  TempFolder folder;
  folder.write("in.vcf", cards({{"FN:Ann"}, {"N:Doe;John;;;"}}));
  Result result = run({"split", "in.vcf", "--names", "contact"}, folder.path());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "vCard has been split successfully.\n2 files have been created in...\n\n\"" +
                folder.file("Split-vCards") + "\"\n");
  EXPECT_EQ(result.err, "");  // no progress when not on a terminal
  EXPECT_EQ(fileNames(folder.file("Split-vCards")),
            (std::vector<std::string>{"Ann.vcf", "John Doe.vcf"}));
  EXPECT_EQ(readBytes(folder.file("Split-vCards/Ann.vcf")), cards({{"FN:Ann"}}));
}

TEST(Cli, RefusalsAndFailuresGoToStandardErrorWithTheirStatus) {
  TempFolder folder;
  folder.write("one.vcf", cards({{"FN:A"}}));
  Result refused = run({"split", folder.file("one.vcf")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err,
            "Nothing to Process: The selected vCard does not contain multiple contacts.\n"
            "Please choose a multiple-entry vCard file.\n");
  folder.write("two.vcf", cards({{"FN:A"}, {"FN:B"}}));
  folder.write("Split-vCards", "a file in the way");
  Result failed = run({"export", folder.file("two.vcf")});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("vCard Processing Failed: vCard has not been successfully exported."),
            std::string::npos);
  EXPECT_NE(failed.err.find(folder.file("Split-vCards")), std::string::npos);
}

TEST(Cli, UsageErrorsNameTheArgumentAndShowTheUsage) {
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"frobnicate"},
                                             {"split"},
                                             {"split", "a.vcf", "--names", "letters"},
                                             {"count", "a", "b"},
                                             {"export", "a.vcf", "--check", "1"},
                                             {"split", "a.vcf", "--format", "google"},
                                             {"export", "a.vcf", "--format", "vcf"},
                                             {"merge", "a.vcf"},
                                             {"split", "a.vcf", "--check", "2"},
                                             {"split", "a.vcf", "--vcard-version", "5.0"},
                                             {"export", "a.vcf", "--vcard-version", "3.0"}}) {
    Result result = run(arguments);
    EXPECT_EQ(result.status, 2) << (arguments.empty() ? "" : arguments[0]);
    EXPECT_NE(result.err.find("usage: palvren-cli"), std::string::npos);
  }
  Result wrong = run({"split", "a.vcf", "--names", "letters"});
  EXPECT_NE(wrong.err.find("invalid value 'letters' for --names"), std::string::npos);
  Result ask = run({"split", "a.vcf", "--check", "2"});
  EXPECT_NE(ask.err.find("--conflicts ask needs a terminal"), std::string::npos);
}

TEST(Cli, HelpAndVersion) {
  EXPECT_EQ(run({"--version"}).out, "palvren-cli 1.0.0\n");
  Result help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("palvren-cli split FILE"), std::string::npos);
  Result splitHelp = run({"split", "--help"});
  EXPECT_NE(splitHelp.out.find("--conflicts POLICY"), std::string::npos);
}

TEST(Cli, EachConflictPolicySettlesTheSimilarPair) {
  struct Case {
    const char* policy;
    const std::string& input;
    std::vector<std::string> files;
    std::string first;
  };
  const std::vector<std::string> two{"contact0001.vcf", "contact0002.vcf"};
  const std::vector<std::string> three{"contact0001.vcf", "contact0002.vcf", "contact0003.vcf"};
  const Case cases[] = {
      {"first", kSameName, two, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}})},
      {"second", kSameName, two, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:2"}})},
      {"both", kSameName, three, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}})},
      {"neither", kSameName, {"contact0001.vcf"}, cards({{"FN:Bob", "EMAIL:bob@x.org"}})},
      {"both-values", kSameName, two, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1", "TEL:2"}})},
      // Named otherwise, a pair is never merged unseen: both are kept.
      {"first", kSimilar, three, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}})},
      {"both-values", kSimilar, three, cards({{"FN:Ann", "EMAIL:ann@x.org", "TEL:1"}})},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    folder.write("in.vcf", c.input);
    Result result = run({"split", folder.file("in.vcf"), "--check", "2", "--conflicts", c.policy});
    EXPECT_EQ(result.status, 0) << c.policy << result.err;
    EXPECT_NE(result.out.find("Would you like to continue to Pass 2? Yes"), std::string::npos);
    EXPECT_EQ(fileNames(folder.file("Split-vCards")), c.files) << c.policy;
    EXPECT_EQ(readBytes(folder.file("Split-vCards/contact0001.vcf")), c.first) << c.policy;
  }
}

// A report never replaces what the run reads or writes, goes into a device or FIFO without
// replacing it, and shows control characters of the contacts escaped.
TEST(Cli, TheReportNeverReplacesDataAndShowsNoRawControlCharacters) {
  TempFolder folder;
  folder.write("in.vcf", kSimilar);
  const std::string zed = "FN:Zed \x1b]52;c;AAAA\x07";
  folder.write("b.vcf", cards({{zed}, {zed}}));
  const std::vector<std::string> check{"--check", "2", "--conflicts", "first"};
  auto split = [&](std::vector<std::string> more) {
    std::vector<std::string> arguments{"split", folder.file("in.vcf")};
    arguments.insert(arguments.end(), check.begin(), check.end());
    arguments.insert(arguments.end(), more.begin(), more.end());
    return run(arguments);
  };
  ASSERT_EQ(split({}).status, 0);
  folder.write("Split-vCards/notes.txt", "mine");
  for (const std::string& target :
       {folder.file("in.vcf"), folder.file("Split-vCards/contact0001.vcf"),
        folder.file("Split-vCards/new.txt")}) {
    const std::string before = pathTaken(target) ? readBytes(target) : "";
    Result refused = split({"--report", target, "--add"});
    EXPECT_EQ(refused.status, 2) << target;
    EXPECT_NE(refused.err.find("the report cannot be written to"), std::string::npos) << target;
    EXPECT_EQ(pathTaken(target) ? readBytes(target) : "", before) << target;
  }
  Result merged = run(
      {"merge", "in.vcf", "b.vcf", "--check", "1", "--report", combinedFileName(), "--keep-both"},
      folder.path());
  EXPECT_EQ(merged.status, 2) << merged.err;
  EXPECT_FALSE(pathTaken(folder.file(combinedFileName())));

  ::mkfifo(folder.file("fifo").c_str(), 0600);
  const pid_t reader = ::fork();
  if (reader == 0) {
    const std::string read = readBytes(folder.file("fifo"));
    ::_exit(read.find("Matching: exact") != std::string::npos ? 0 : 1);
  }
  EXPECT_EQ(split({"--report", folder.file("fifo"), "--dry-run"}).status, 0);
  int status = -1;
  ::waitpid(reader, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  struct stat info;
  ASSERT_EQ(::lstat(folder.file("fifo").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  Result dry = split({"--report", folder.file("dry.txt"), "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_NE(readBytes(folder.file("dry.txt")).find("contacts would be written"), std::string::npos);
  Result toOutput = split({"--report", "-", "--dry-run"});
  EXPECT_NE(toOutput.out.find("Matching: exact"), std::string::npos);

  Result escaped = run({"merge", "in.vcf", "b.vcf", "--check", "1", "--dry-run"}, folder.path());
  EXPECT_EQ(escaped.status, 0) << escaped.err;
  EXPECT_EQ(escaped.out.find('\x1b'), std::string::npos);
  EXPECT_NE(escaped.out.find("Zed \\x1B]52;c;AAAA\\x07"), std::string::npos) << escaped.out;
  Result named = run({"count", folder.file("no\x1b]0;title\x07.vcf")});
  EXPECT_EQ(named.err.find('\x1b'), std::string::npos) << named.err;
  EXPECT_NE(named.err.find("\\x1B"), std::string::npos) << named.err;
}

TEST(Cli, TheCheckReportsWhatItDidAndADryRunWritesNothing) {
  TempFolder folder;
  folder.write("in.vcf", kSameName);
  Result dry =
      run({"split", folder.file("in.vcf"), "--check", "2", "--conflicts", "first", "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_NE(dry.out.find("Pass 2 matched Contact (1) \"Ann\" and Contact (2) \"Ann\", input "
                         "contacts 1 and 2. Same e-mail"),
            std::string::npos)
      << dry.out;
  EXPECT_NE(dry.out.find("  TEL: Keep Option 1; kept \"1\", dropped \"2\""), std::string::npos)
      << dry.out;
  // The dry run's report is the review the window shows.
  EXPECT_NE(dry.out.find("Review of pass 2, before anything was written:\n  1. Merged, decided by "
                         "you: Contact (1) Ann and Contact (2) Ann \u2014 Same e-mail: ann@x.org"),
            std::string::npos)
      << dry.out;
  EXPECT_NE(dry.out.find("2 contacts would be written; none was."), std::string::npos) << dry.out;
  EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"in.vcf"});
  Result real = run({"split", folder.file("in.vcf"), "--check", "2", "--conflicts", "first",
                     "--report", folder.file("report.txt")});
  EXPECT_EQ(real.status, 0) << real.err;
  EXPECT_NE(readBytes(folder.file("report.txt")).find("  merged; contact 2 removed"),
            std::string::npos);
  EXPECT_NE(real.out.find("3 contacts read, 0 identical contacts removed, 1 similar contacts "
                          "merged, 2 contacts written."),
            std::string::npos)
      << real.out;
  EXPECT_EQ(run({"split", folder.file("in.vcf"), "--dry-run"}).status, 2);  // needs --check

  // A conversion reports what it changed, with or without the check, and a dry run writes nothing.
  const std::vector<std::string> splitBefore = fileNames(folder.file("Split-vCards"));
  Result convertDry = run({"split", folder.file("in.vcf"), "--vcard-version", "4.0", "--dry-run"});
  EXPECT_EQ(convertDry.status, 0) << convertDry.err;
  EXPECT_NE(convertDry.out.find("Written as vCard 4.0: 3 contacts, 0 of them changed beyond their "
                                "form.\n3 contacts would be written; none was."),
            std::string::npos)
      << convertDry.out;
  EXPECT_EQ(fileNames(folder.file("Split-vCards")), splitBefore);
  TempFolder mergeFolder;
  mergeFolder.write("in.vcf", kSimilar);
  Result converted =
      run({"merge", "in.vcf", "in.vcf", "--check", "1", "--vcard-version", "2.1", "--report", "-"},
          mergeFolder.path());
  EXPECT_EQ(converted.status, 0) << converted.err;
  EXPECT_NE(converted.out.find("Written as vCard 2.1.\n"), std::string::npos) << converted.out;
  EXPECT_NE(converted.out.find("Written as vCard 2.1: 3 contacts"), std::string::npos);
  EXPECT_NE(readBytes(mergeFolder.file(combinedFileName())).find("VERSION:2.1\r\nN:;;;;\r\nFN:Ann"),
            std::string::npos);

  // The tolerant rule finds what the exact one misses, and says which rule was in force.
  folder.write("varied.vcf",
               "BEGIN:VCARD\r\nFN:Lee, Ann\r\nTEL:020 7946 0000\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:Ann Lee\r\nTEL:+44 20 7946 0000\r\nEND:VCARD\r\n");
  Result exact = run(
      {"split", folder.file("varied.vcf"), "--check", "2", "--conflicts", "first", "--dry-run"});
  EXPECT_NE(exact.out.find("2 contacts would be written"), std::string::npos) << exact.out;
  Result tolerant = run({"split", folder.file("varied.vcf"), "--check", "2", "--conflicts", "first",
                         "--dry-run", "--match", "tolerant", "--country-code", "44"});
  EXPECT_NE(tolerant.out.find("Matching: tolerant (case, spacing, accents, number format), "
                              "default country code +44"),
            std::string::npos)
      << tolerant.out;
  EXPECT_NE(tolerant.out.find("Same telephone number and name folded: 020 7946 0000 = "
                              "+44 20 7946 0000 (+442079460000), Lee, Ann = Ann Lee (ann lee)"),
            std::string::npos)
      << tolerant.out;
  EXPECT_NE(tolerant.out.find("1 contacts would be written"), std::string::npos);
  EXPECT_NE(tolerant.out.find("Matching for Pass 2: tolerant"), std::string::npos);  // asked
  EXPECT_EQ(exact.out.find("Matching for Pass 2"), std::string::npos);
  EXPECT_EQ(
      run({"split", "a.vcf", "--check", "2", "--conflicts", "first", "--country-code", "x"}).status,
      2);

  // Merge and recombine check the contacts of all their files together.
  folder.write("more.vcf", cards({{"FN:Bob", "EMAIL:bob@x.org"}, {"FN:Cy"}}));
  Result merged = run({"merge", "in.vcf", "more.vcf", "--check", "1"}, folder.path());
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_NE(merged.out.find("5 contacts read, 1 identical contacts removed, 0 similar contacts "
                            "merged, 4 contacts written."),
            std::string::npos)
      << merged.out;
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), kSameName + cards({{"FN:Cy"}}));
  Result recombineDry =
      run({"recombine", ".", "--check", "2", "--conflicts", "second", "--dry-run"},
          folder.file("Split-vCards"));
  EXPECT_EQ(recombineDry.status, 0) << recombineDry.err;
}

TEST(Cli, MergeRecombineExportAndCount) {
  TempFolder folder;
  folder.write("a.vcf", cards({{"FN:A"}, {"FN:B"}}));
  folder.write("b.vcf", cards({{"FN:C"}}));
  Result merged = run({"merge", "a.vcf", "b.vcf"}, folder.path());
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), cards({{"FN:A"}, {"FN:B"}, {"FN:C"}}));
  EXPECT_NE(merged.out.find("3 cards have been combined into..."), std::string::npos);

  Result count = run({"count", folder.file(combinedFileName())});
  EXPECT_EQ(count.out, "3\n");
  for (const std::string& notAFile : {folder.file("missing.vcf"), folder.path()}) {
    Result nothing = run({"count", notAFile});
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.out, "");
    EXPECT_NE(nothing.err.find("is not a file"), std::string::npos) << notAFile;
  }

  Result exported = run({"export", folder.file(combinedFileName())});
  EXPECT_EQ(exported.status, 0);
  EXPECT_EQ(readBytes(folder.file("Split-vCards/Contacts_Export.csv")),
            crlfLines({"FN", "\"A\"", "\"B\"", "\"C\""}));
  Result outlook = run({"export", folder.file(combinedFileName()), "--format", "outlook"});
  EXPECT_EQ(outlook.status, 0);
  EXPECT_NE(outlook.out.find("Format: Outlook CSV."), std::string::npos) << outlook.out;
  EXPECT_TRUE(readBytes(folder.file("Split-vCards/Contacts_Outlook.csv"))
                  .starts_with("\xEF\xBB\xBF"
                               "First Name,Middle Name,Last Name,"));

  // The exports made Split-vCards: a split stops before writing until told where to go.
  Result stopped = run({"split", folder.file("a.vcf")});
  EXPECT_EQ(stopped.status, 2);
  EXPECT_NE(stopped.err.find("--new-folder"), std::string::npos) << stopped.err;
  EXPECT_NE(stopped.err.find("--add"), std::string::npos) << stopped.err;
  EXPECT_EQ(fileNames(folder.file("Split-vCards")).size(), 2u);
  Result split = run({"split", folder.file("a.vcf"), "--add"});
  ASSERT_EQ(split.status, 0);
  Result recombined = run({"recombine", "."}, folder.file("Split-vCards"));
  EXPECT_EQ(recombined.status, 0) << recombined.err;
  EXPECT_NE(recombined.out.find("\"" + folder.file("Split-vCards/" + combinedFileName()) + "\""),
            std::string::npos)
      << recombined.out;
  EXPECT_EQ(readBytes(folder.file("Split-vCards/" + combinedFileName())),
            cards({{"FN:A"}}) + "\r\n" + cards({{"FN:B"}}));
  const auto before = fileNames(folder.path());
  EXPECT_EQ(run({"recombine", "nowhere"}, folder.path()).status, 2);
  EXPECT_EQ(fileNames(folder.path()), before);  // nothing else written

  // The Outlook export read back; a column set the header lacks is named and refused.
  const std::string outlookCsv = folder.file("Split-vCards/Contacts_Outlook.csv");
  Result imported = run({"import", outlookCsv, "--vcard-version", "4.0"});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_NE(imported.out.find("3 rows read, 3 contacts written. Written as vCard 4.0."),
            std::string::npos)
      << imported.out;
  EXPECT_TRUE(readBytes(folder.file("Split-vCards/Contacts_Imported.vcf"))
                  .starts_with("BEGIN:VCARD\r\nVERSION:4.0\r\nN:;A;;;\r\nFN:A\r\n"));
  Result lacking = run({"import", outlookCsv, "--columns", "raw", "--dry-run"});
  EXPECT_EQ(lacking.status, 2);
  EXPECT_NE(lacking.err.find("does not have the columns VERSION, N or FN"), std::string::npos)
      << lacking.err;
  EXPECT_EQ(run({"import", outlookCsv}).status, 2);  // its file stands: --replace or --keep-both
}

}  // namespace
}  // namespace palvren
