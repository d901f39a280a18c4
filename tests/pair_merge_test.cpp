// Merging two contacts of one person written by two programs: whatever the spelling, version or
// line ends, the merged contact holds one of each single field, one version, and every value of
// both contacts, or the report names it as dropped.
#include "redundancy/pair_merge.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/text.h"
#include "redundancy/cleaner.h"
#include "redundancy/field_key.h"
#include "support/corpus.h"
#include "support/fake_check.h"
#include "support/records.h"
#include "vcard/value_decoding.h"

namespace palvren {
namespace {

using testing::FakeCheck;
using testing::Lines;

constexpr auto card = testing::recordOf;

// A value as a person reads it: decoded, unescaped, a picture by its bytes.
std::string meaning(std::string_view tag, std::string_view value) {
  if (const std::optional<InlineImage> image = inlineImage(tag, value)) return image->bytes;
  std::string text = displayUtf8(tag, value);
  std::string plain;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char next = k + 1 < text.size() ? text[k + 1] : '\0';
    if (text[k] == '\\' && (next == 'n' || next == 'N')) {
      plain += '\n';
      ++k;
    } else if (text[k] != '\\' || std::string_view(",;\\:").find(next) == std::string_view::npos) {
      plain += text[k];
    }
  }
  while (!plain.empty() && (plain.back() == '\r' || plain.back() == '\n')) plain.pop_back();
  return replaceAll(plain, "\r\n", "\n");  // a line break in the form of the version written
}

// The merged contact holds one version and at most one of each single field (or as many as
// the first had), and every value of both, unless the report names it as dropped.
void expectSoundMerge(const ContactRecord& a, const ContactRecord& b, const ContactRecord& merged,
                      const std::string& report, const std::string& name) {
  std::set<std::string> kept;
  std::map<std::string, int> singles;
  std::map<std::string, int> singlesOfFirst;
  for (const FieldLine& line : fieldLines(merged, MatchRule())) {
    kept.insert(meaning(merged.tagAt(line.ordinal), merged.valueAt(line.ordinal)));
    if (line.kind != FieldKind::Multiple && !merged.valueAt(line.ordinal).empty()) {
      ++singles[line.upperName];
    }
  }
  for (const FieldLine& line : fieldLines(a, MatchRule())) {
    if (line.kind != FieldKind::Multiple && !a.valueAt(line.ordinal).empty()) {
      ++singlesOfFirst[line.upperName];
    }
  }
  for (const auto& [field, count] : singles) {
    if (field == "BEGIN" || field == "END") continue;
    EXPECT_LE(count, std::max(1, singlesOfFirst[field])) << name << ": " << field;
  }
  // The report shows values with their control characters escaped, line breaks in the form
  // of the version written.
  const std::string dropped = replaceAll(report, "\\x0D", "");
  for (const ContactRecord* contact : {&a, &b}) {
    for (const FieldLine& line : fieldLines(*contact, MatchRule())) {
      const std::string_view tag = contact->tagAt(line.ordinal);
      const std::string_view value = contact->valueAt(line.ordinal);
      if (line.kind == FieldKind::Frame || value.empty() || meaning(tag, value).empty()) continue;
      if (kept.count(meaning(tag, value))) continue;
      const std::string shown =
          replaceAll(escapeControls(fieldForDisplay(tag, value)), "\\x0D", "");
      EXPECT_NE(dropped.find("\"" + shown + "\""), std::string::npos)
          << name << ": " << tag << ":" << value << " neither kept nor named as dropped\n"
          << report;
    }
  }
}

struct Merged {
  MergeOutcome outcome;
  ContactRecord contact;
  std::vector<std::string> asked;
  std::string report;
};

Merged merge(ContactRecord a, ContactRecord b, ConflictChoice answer, const MatchRule& rule = {}) {
  FakeCheck ui;
  ui.conflictPolicy = [answer](const PromptContext&) { return ConflictDecision(answer); };
  RedundancyReport report;
  CheckState state;
  state.report = &report;
  state.rule = rule;
  const MergeOutcome outcome = mergePair(a, b, 1, 2, ui, state);
  std::vector<std::string> asked;
  for (const auto& conflict : ui.conflicts) asked.push_back(conflict.tag);
  return {outcome, std::move(a), asked, report.text()};
}

Lines written(const ContactRecord& record) {
  Lines lines;
  for (int k = 1; k <= record.orderCount(); ++k) {
    if (!record.valueAt(k).empty()) lines.emplace_back(record.tagAt(k), record.valueAt(k));
  }
  return lines;
}

TEST(MergeByField, PairsAcrossSpellingsAndVersionsGiveOneContact) {
  const std::string photoA = "R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=";
  const std::string photoB = "R0lGODlhAQABAIAAAAAAAP///ywAAAAAAQABAAACAUwAOw==";
  struct Case {
    const char* name;
    Lines first;
    Lines second;
    ConflictChoice answer;
    std::vector<std::string> asked;
    Lines merged;
  };
  const Case cases[] = {
      {"2.1 quoted-printable Latin-1 beside 3.0 UTF-8: nothing to ask",
       {{"BEGIN", "VCARD"},
        {"VERSION", "2.1"},
        {"N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "M=FCller;J=FCrgen;;;"},
        {"FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "J=FCrgen M=FCller"},
        {"EMAIL", "j@x.de"},
        {"END", "VCARD"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", "M\xC3\xBCller;J\xC3\xBCrgen;;;"},
        {"FN", "J\xC3\xBCrgen M\xC3\xBCller"},
        {"EMAIL", "j@x.de"},
        {"ORG", "Acme"},
        {"END", "VCARD"}},
       ConflictChoice::KeepBoth,
       {},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", "M\xC3\xBCller;J\xC3\xBCrgen;;;"},
        {"FN", "J\xC3\xBCrgen M\xC3\xBCller"},
        {"EMAIL", "j@x.de"},
        {"ORG", "Acme"},
        {"END", "VCARD"}}},
      {"TEL;CELL beside TEL;TYPE=CELL, Keep Option 2",
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"TEL;CELL", "111"},
        {"END", "VCARD"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"TEL;TYPE=CELL", "222"},
        {"END", "VCARD"}},
       ConflictChoice::KeepOption2,
       {"TEL;TYPE=CELL"},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", ";;;;"},  // as 3.0 requires
        {"FN", "Ann"},
        {"TEL;TYPE=CELL", "222"},
        {"END", "VCARD"}}},
      {"TEL;CELL beside TEL;TYPE=CELL, Keep Both Values",
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"TEL;CELL", "111"},
        {"END", "VCARD"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"TEL;TYPE=CELL,PREF", "222"},
        {"END", "VCARD"}},
       ConflictChoice::KeepBothValues,
       {"TEL;TYPE=CELL"},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", ";;;;"},  // as 3.0 requires
        {"FN", "Ann"},
        {"TEL;TYPE=CELL", "111"},
        {"TEL;TYPE=CELL,PREF", "222"},
        {"END", "VCARD"}}},
      {"grouped beside plain, the same address once with the types of both",
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"item1.EMAIL;TYPE=INTERNET", "ann@x.org"},
        {"item1.X-ABLabel", "_$!<Other>!$_"},
        {"END", "VCARD"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"EMAIL;TYPE=INTERNET,PREF", "ann@x.org"},
        {"END", "VCARD"}},
       ConflictChoice::KeepBoth,
       {},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", ";;;;"},  // as 3.0 requires
        {"FN", "Ann"},
        {"item1.EMAIL;TYPE=INTERNET,PREF", "ann@x.org"},
        {"item1.X-ABLABEL", "_$!<Other>!$_"},
        {"END", "VCARD"}}},
      {"CR CR LF lines beside CR LF: no question about BEGIN or VERSION",
       {{"BEGIN", "VCARD\r\n"},
        {"VERSION", "3.0\r\n"},
        {"FN", "Ann\r\n"},
        {"EMAIL", "ann@x.org\r\n"},
        {"END", "VCARD\r\n"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"EMAIL", "ann@x.org"},
        {"TEL", "1"},
        {"END", "VCARD"}},
       ConflictChoice::KeepBoth,
       {},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", ";;;;"},  // as 3.0 requires
        {"FN", "Ann"},
        {"EMAIL", "ann@x.org"},
        {"TEL", "1"},
        {"END", "VCARD"}}},
      {"two photos: one is kept, Keep Both Values is no answer for it",
       {{"BEGIN", "VCARD"},
        {"VERSION", "2.1"},
        {"FN", "Ann"},
        {"PHOTO;ENCODING=BASE64;TYPE=GIF", photoA},
        {"END", "VCARD"}},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"FN", "Ann"},
        {"PHOTO;ENCODING=b;TYPE=GIF", photoB},
        {"END", "VCARD"}},
       ConflictChoice::KeepOption2,
       {"PHOTO;ENCODING=b;TYPE=GIF"},
       {{"BEGIN", "VCARD"},
        {"VERSION", "3.0"},
        {"N", ";;;;"},  // as 3.0 requires
        {"FN", "Ann"},
        {"PHOTO;ENCODING=b;TYPE=GIF", photoB},
        {"END", "VCARD"}}},
      {"two e-mails spelled alike, Keep Both Values",
       {{"BEGIN", "VCARD"}, {"FN", "Ann"}, {"EMAIL", "a@home.org"}, {"TEL", "1"}, {"END", "VCARD"}},
       {{"BEGIN", "VCARD"}, {"FN", "Ann"}, {"EMAIL", "a@work.org"}, {"TEL", "1"}, {"END", "VCARD"}},
       ConflictChoice::KeepBothValues,
       {"EMAIL"},
       {{"BEGIN", "VCARD"},
        {"FN", "Ann"},
        {"EMAIL", "a@home.org"},
        {"TEL", "1"},
        {"EMAIL", "a@work.org"},
        {"END", "VCARD"}}},
  };
  for (const Case& c : cases) {
    Merged merged = merge(card(c.first), card(c.second), c.answer);
    ASSERT_EQ(merged.outcome, MergeOutcome::Merged) << c.name;
    EXPECT_EQ(merged.asked, c.asked) << c.name;
    EXPECT_EQ(written(merged.contact), c.merged) << c.name;
    expectSoundMerge(card(c.first), card(c.second), merged.contact, merged.report, c.name);
  }
  // Keep Both, whatever was converted to ask, leaves both as they were; so does an answer the
  // pass does not know.
  const Case& spelled = cases[1];
  ContactRecord a = card(spelled.first);
  for (ConflictChoice answer : {ConflictChoice::KeepBoth, ConflictChoice(9)}) {
    Merged kept = merge(a, card(spelled.second), answer);
    EXPECT_EQ(kept.outcome, MergeOutcome::NotRedundant);
    EXPECT_EQ(written(kept.contact), written(a));
  }
}

// Every pair of neighbouring contacts of the real-world files, merged under each answer.
TEST(MergeByField, RealContactsMergeSoundlyUnderEveryAnswer) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int merges = 0;
  for (const auto& file : files) {
    ContactList list;
    ContactTable table(1);
    try {
      loadContacts(file.string(), list, table);
    } catch (const std::exception&) {
      continue;
    }
    cleanContacts(table);  // as the check does before its passes
    for (std::size_t k = 1; k + 1 < table.size(); ++k) {
      for (ConflictChoice answer : {ConflictChoice::KeepOption1, ConflictChoice::KeepOption2,
                                    ConflictChoice::KeepBothValues}) {
        Merged merged = merge(table[k], table[k + 1], answer);
        if (merged.outcome != MergeOutcome::Merged) continue;
        ++merges;
        expectSoundMerge(table[k], table[k + 1], merged.contact, merged.report,
                         file.filename().string() + " contact " + std::to_string(k));
      }
    }
  }
  EXPECT_GT(merges, 1000) << merges;
}

}  // namespace
}  // namespace palvren
