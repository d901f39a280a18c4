// Properties that hold for any generated file: what one operation writes, another gives back.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "driver/run_driver.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/text.h"
#include "redundancy/cleaner.h"
#include "redundancy/contact_model.h"
#include "redundancy/identical_pass.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/csv_export.h"
#include "vcard/merge_recombine.h"
#include "vcard/split_writer.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::FakeUserInterface;
using testing::readBytes;
using testing::TempFolder;

// Random well-formed contacts: repeated tags, folded lines, quotes, commas, empty values.
std::vector<std::vector<std::string>> randomContacts(std::mt19937& random, int count) {
  const char* const tags[] = {"FN",    "N",    "TEL;TYPE=CELL",   "TEL;TYPE=HOME,VOICE",
                              "EMAIL", "NOTE", "item1.X-ABLabel", "ADR",
                              "tel"};
  const char* const values[] = {"Ann", "say \"hi\"", "a, b", "", "Doe;John;;;", "x:y", "  padded"};
  std::vector<std::vector<std::string>> result;
  for (int c = 0; c < count; ++c) {
    std::vector<std::string> lines{"BEGIN:VCARD", "VERSION:3.0"};
    const int n = 1 + int(random() % 8);
    for (int i = 0; i < n; ++i) {
      std::string line = std::string(tags[random() % 9]) + ":" + values[random() % 7];
      lines.push_back(line);
      if (random() % 5 == 0) lines.push_back(" folded" + std::to_string(i));
    }
    lines.push_back("END:VCARD");
    result.push_back(lines);
  }
  return result;
}

std::string joined(const std::vector<std::vector<std::string>>& contacts) {
  std::string text;
  for (const auto& lines : contacts) text += crlfLines(lines);
  return text;
}

// A strict reader of RFC 4180 records with CR LF row ends.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  bool wasQuoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      EXPECT_TRUE(field.empty() && !wasQuoted) << "quote inside an unquoted field";
      quoted = wasQuoted = true;
    } else if (c == ',') {
      rows.back().push_back(field);
      field.clear();
      wasQuoted = false;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.back().push_back(field);
      field.clear();
      wasQuoted = false;
      rows.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  EXPECT_FALSE(quoted);
  rows.pop_back();  // after the last CR LF
  return rows;
}

TEST(RoundTrip, SplitThenRecombineGivesBackEveryContactInOrder) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    TempFolder folder;
    auto contacts = randomContacts(random, 2 + int(random() % 30));
    FakeUserInterface ui;
    runSelected(folder.write("in.vcf", joined(contacts)), RunMode::Split, ui);
    ASSERT_EQ(ui.status, "vCard Split Successful");
    FakeUserInterface recombine;
    runSelected(folder.file("Split-vCards/"), RunMode::Recombine, recombine);
    std::string expected;
    for (std::size_t c = 0; c < contacts.size(); ++c)
      expected += (c ? "\r\n" : "") + crlfLines(contacts[c]);
    EXPECT_EQ(readBytes(folder.file("Split-vCards/" + combinedFileName())), expected) << seed;
  }
}

TEST(RoundTrip, MergeHoldsExactlyTheLinesOfItsFiles) {
  std::mt19937 random(5);
  TempFolder folder;
  std::string selection = folder.path();
  std::string expected;
  int begins = 0;
  for (int k = 0; k < 6; ++k) {
    auto contacts = randomContacts(random, 1 + int(random() % 5));
    begins += int(contacts.size());
    const std::string name = "part" + std::to_string(k) + ".vcf";
    folder.write(name, joined(contacts) + "trailing text without line end");
    expected += joined(contacts) + "trailing text without line end\r\n";
    selection += std::string(1, '\0') + name;
  }
  FakeUserInterface ui;
  runSelected(selection, RunMode::Merge, ui);
  EXPECT_EQ(readBytes(folder.file(combinedFileName())), expected);
  EXPECT_NE(ui.messages.at(0).text.find(std::to_string(begins) + " cards"), std::string::npos);
}

TEST(RoundTrip, ExportHasOneRowPerContactWithTheLastValueOfEachTag) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::mt19937 random(seed);
    TempFolder folder;
    auto contacts = randomContacts(random, 2 + int(random() % 20));
    const std::string input = folder.write("in.vcf", joined(contacts));
    const Written exported = exportContactsToCsv(OpenInput(input));
    ASSERT_EQ(exported.count, int(contacts.size()));
    auto rows = parseCsv(readBytes(exported.path));
    ASSERT_EQ(rows.size(), contacts.size() + 1) << seed;
    const auto& header = rows[0];
    for (std::size_t c = 0; c < contacts.size(); ++c) {
      ASSERT_EQ(rows[c + 1].size(), header.size()) << seed;
      // The last value of each tag, folded lines joined with CR LF, as the export reads it.
      std::map<std::string, std::string> last;
      std::string current;
      for (std::size_t i = 1; i + 1 < contacts[c].size(); ++i) {
        const std::string line(trimSpaces(contacts[c][i]));
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
          last[current] += "\r\n" + line;
          continue;
        }
        current = std::string(trimSpaces(line.substr(0, colon)));
        last[current] = std::string(trimSpaces(line.substr(colon + 1)));
      }
      for (std::size_t column = 0; column < header.size(); ++column) {
        auto found = last.find(header[column]);
        EXPECT_EQ(rows[c + 1][column],
                  found == last.end() ? "" : std::string(trimSpaces(found->second)))
            << seed << " contact " << c << " column " << header[column];
      }
    }
  }
}

TEST(RoundTrip, PassOneOnlyRemovesContactsIdenticalToAKeptOne) {
  for (unsigned seed = 1; seed <= 50; ++seed) {
    std::mt19937 random(seed);
    auto contacts = randomContacts(random, 20);
    for (int d = 0; d < 10; ++d) contacts.push_back(contacts[random() % contacts.size()]);
    std::shuffle(contacts.begin(), contacts.end(), random);
    TempFolder folder;
    ContactTable table(1);
    ContactList list;
    loadContacts(folder.write("in.vcf", joined(contacts)), list, table);
    cleanContacts(table);
    const ContactTable before = table;
    FakeUserInterface ui;
    const int removed = removeIdenticalContacts(list, table, ui);
    const auto kept = list.numbers();
    EXPECT_EQ(int(kept.size()) + removed, int(contacts.size()));
    for (int c = 1; c <= int(contacts.size()); ++c) {
      if (!table[c].empty()) continue;
      bool matchesAKeptEarlierOne = false;
      for (int k : kept) matchesAKeptEarlierOne |= k < c && areIdentical(before[k], before[c]);
      EXPECT_TRUE(matchesAKeptEarlierOne) << seed << " contact " << c;
    }
    for (std::size_t a = 0; a < kept.size(); ++a) {
      for (std::size_t b = a + 1; b < kept.size(); ++b) {
        EXPECT_FALSE(areIdentical(before[kept[a]], before[kept[b]])) << seed;
      }
    }
  }
}

}  // namespace
}  // namespace palvren
