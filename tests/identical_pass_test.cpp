#include "redundancy/identical_pass.h"

#include <gtest/gtest.h>

#include "support/fake_check.h"
#include "support/random_contacts.h"
#include "support/records.h"

namespace palvren {
namespace {

constexpr auto card = testing::recordOf;

using testing::FakeCheck;

ContactList listOf(int n) {
  ContactList list;
  for (int i = 1; i <= n; ++i) list.append(i);
  return list;
}

// The pairwise walk, written out plainly: every remaining pair in list order.
int pairwiseWalk(std::vector<int>& list, ContactTable& table, std::vector<std::string>& statuses) {
  int removed = 0;
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    statuses.push_back("PASS 1 - Checking Redundancies " + std::to_string(i + 1) + " of " +
                       std::to_string(list.size()));
    std::size_t j = i + 1;
    while (j < list.size()) {
      if (areIdentical(table[list[i]], table[list[j]])) {
        table[list[j]].clear();
        list.erase(list.begin() + long(j));
        ++removed;
      } else {
        ++j;
      }
    }
  }
  return removed;
}

TEST(RemoveIdenticalContacts, KeepsTheFirstOfEachIdenticalGroup) {
  ContactTable table{ContactRecord(), card({{"BEGIN", "VCARD"}, {"FN", "A"}, {"END", "VCARD"}}),
                     card({{"BEGIN", "VCARD"}, {"FN", "B"}, {"END", "VCARD"}}),
                     card({{"BEGIN", "VCARD"}, {"FN", "A"}, {"END", "VCARD"}})};
  ContactList list = listOf(3);
  FakeCheck ui;
  EXPECT_EQ(removeIdenticalContacts(list, table, ui), 1);
  EXPECT_EQ(list.numbers(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(table[3].empty());
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"PASS 1 - Checking Redundancies 1 of 3"});
}

TEST(RemoveIdenticalContacts, CaseOrderAndSkippedLinesMakeContactsDifferent) {
  const std::vector<std::pair<std::string, std::string>> base = {{"FN", "Ann"}, {"TEL;CELL", "1"}};
  ContactTable table{ContactRecord(),
                     card(base),
                     card({{"FN", "ann"}, {"TEL;CELL", "1"}}),
                     card({{"TEL;CELL", "1"}, {"FN", "Ann"}}),
                     card({{"FN", "Ann"}, {"tel;cell", "1"}}),
                     card({{"FN", "Ann"}, {"TEL;CELL", "1"}, {"NOTE", ""}})};
  ContactList list = listOf(5);
  FakeCheck ui;
  EXPECT_EQ(removeIdenticalContacts(list, table, ui), 0);
  EXPECT_EQ(list.size(), 5);
}

TEST(RemoveIdenticalContacts, OneContactSetsNoStatus) {
  ContactTable table{ContactRecord(), card({{"FN", "A"}})};
  ContactList list = listOf(1);
  FakeCheck ui;
  EXPECT_EQ(removeIdenticalContacts(list, table, ui), 0);
  EXPECT_TRUE(ui.statuses.empty());
}

TEST(RemoveIdenticalContacts, AgreesWithThePairwiseWalkOnRandomSets) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    testing::RandomContacts random(seed);
    const int n = 1 + random.pick(25);
    ContactTable fast = random.table(n);
    ContactTable plain = fast;
    ContactList list = listOf(n);
    std::vector<int> plainList(n);
    for (int i = 0; i < n; ++i) plainList[i] = i + 1;
    FakeCheck ui;
    std::vector<std::string> plainStatuses;
    RedundancyReport report;
    const int removed = removeIdenticalContacts(list, fast, ui, &report);
    ASSERT_EQ(report.identicalCount(), removed);  // the report misses none
    ASSERT_EQ(removed, pairwiseWalk(plainList, plain, plainStatuses)) << "seed " << seed;
    ASSERT_EQ(list.numbers(), plainList) << "seed " << seed;
    ASSERT_EQ(ui.statuses, plainStatuses) << "seed " << seed;
    for (int c = 1; c <= n; ++c) ASSERT_EQ(fast[c].empty(), plain[c].empty()) << "seed " << seed;
  }
}

}  // namespace
}  // namespace palvren
