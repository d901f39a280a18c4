#include "redundancy/cleaner.h"

#include <gtest/gtest.h>

#include "support/records.h"

namespace palvren {
namespace {

constexpr auto loaded = testing::recordOf;

TEST(CleanContacts, KeepsOneOrdinalPerTagAtItsFirstPlaceWithTheLastValue) {
  ContactTable table(2);
  table[1] = loaded({{"BEGIN", "VCARD"},
                     {"FN", "Ann"},
                     {"TEL;CELL", "1"},
                     {"EMAIL", "a"},
                     {"TEL;CELL", "2"},
                     {"TEL;CELL", "3"},
                     {"END", "VCARD"}});
  cleanContacts(table);
  EXPECT_EQ(table[1].tagOrder(),
            (std::vector<std::string>{"BEGIN", "FN", "TEL;CELL", "EMAIL", "END"}));
  EXPECT_EQ(table[1].value("TEL;CELL"), "3");
}

TEST(CleanContacts, TheEmptyTagGoesOnlyWhenSomethingRepeats) {
  ContactTable table(3);
  table[1] = loaded({{"BEGIN", "VCARD"}, {"", "x"}, {"FN", "A"}, {"END", "VCARD"}});
  table[2] = loaded({{"BEGIN", "VCARD"}, {"", "x"}, {"FN", "A"}, {"FN", "B"}, {"END", "VCARD"}});
  cleanContacts(table);
  EXPECT_EQ(table[1].tagOrder(), (std::vector<std::string>{"BEGIN", "", "FN", "END"}));
  EXPECT_EQ(table[2].tagOrder(), (std::vector<std::string>{"BEGIN", "FN", "END"}));
  EXPECT_EQ(table[2].value(""), "x");  // values are not touched
}

TEST(CleanContacts, TagsDifferingInCaseOrParametersAreAllKeptAndEntryZeroIsNotVisited) {
  ContactTable table(2);
  table[0] = loaded({{"X", "1"}, {"X", "2"}});
  table[1] = loaded({{"TEL;HOME", "1"}, {"TEL;WORK", "1"}, {"tel;home", "1"}});
  cleanContacts(table);
  EXPECT_EQ(table[0].orderCount(), 2);
  EXPECT_EQ(table[1].orderCount(), 3);
}

}  // namespace
}  // namespace palvren
