#include "redundancy/contact_model.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace palvren {
namespace {

using testing::crlfLines;
using testing::TempFolder;

struct Loaded {
  ContactList list;
  ContactTable table{1};
};

Loaded load(const std::string& bytes) {
  TempFolder folder;
  Loaded loaded;
  loadContacts(folder.write("in.vcf", bytes), loaded.list, loaded.table);
  return loaded;
}

std::vector<std::string> order(const ContactRecord& r) { return r.tagOrder(); }

TEST(LoadContacts, SplitsEachLineAtItsFirstColon) {
  auto loaded = load(crlfLines({"junk:before", "  begin:vcard", "NOTE:a:b", ":x", "TEL;CELL:111",
                                "tel;cell:9", "TEL;CELL:222", "end:vcard", "after:ignored"}));
  ASSERT_EQ(loaded.list.numbers(), std::vector<int>{1});
  ASSERT_EQ(loaded.table.size(), 2u);
  EXPECT_TRUE(loaded.table[0].empty());
  const ContactRecord& r = loaded.table[1];
  EXPECT_EQ(order(r), (std::vector<std::string>{"  begin", "NOTE", "", "TEL;CELL", "tel;cell",
                                                "TEL;CELL", "end"}));
  EXPECT_EQ(r.value("  begin"), "vcard");
  EXPECT_EQ(r.value("NOTE"), "a:b");
  EXPECT_EQ(r.value(""), "x");
  EXPECT_EQ(r.value("TEL;CELL"), "222");
  EXPECT_EQ(r.value("tel;cell"), "9");
  EXPECT_EQ(r.valueCount(), 6);
}

TEST(LoadContacts, LinesWithoutAColonContinueTheCurrentValue) {
  auto loaded = load(
      crlfLines({"BEGIN:VCARD", "NOTE:first", " second", "", "PHOTO:abc", " def:gh", "END:VCARD"}));
  const ContactRecord& r = loaded.table[1];
  EXPECT_EQ(r.value("NOTE"), "first\r\n second\r\n");
  EXPECT_EQ(r.value("PHOTO"), "abc");
  EXPECT_EQ(r.value(" def"), "gh");
}

TEST(LoadContacts, NestedCardEndsAtTheFirstEndAndTheRestIsSkipped) {
  auto loaded = load(crlfLines({"BEGIN:VCARD", "FN:Outer", "BEGIN:VCARD", "FN:Inner", "END:VCARD",
                                "TEL:1", "END:VCARD", "BEGIN:VCARD", "FN:Next", "END:VCARD"}));
  EXPECT_EQ(loaded.list.numbers(), (std::vector<int>{1, 2}));
  EXPECT_EQ(order(loaded.table[1]),
            (std::vector<std::string>{"BEGIN", "FN", "BEGIN", "FN", "END"}));
  EXPECT_EQ(loaded.table[1].value("FN"), "Inner");
}

TEST(LoadContacts, AFileEndingInsideAContactKeepsIt) {
  auto loaded = load("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Cut");
  EXPECT_EQ(loaded.list.size(), 2);
  EXPECT_EQ(order(loaded.table[2]), (std::vector<std::string>{"BEGIN", "FN"}));
}

TEST(LoadContacts, IdenticalContactsAreBothLoadedAndNoBeginLoadsNothing) {
  auto two =
      load(crlfLines({"BEGIN:VCARD", "FN:A", "END:VCARD", "BEGIN:VCARD", "FN:A", "END:VCARD"}));
  EXPECT_EQ(two.list.numbers(), (std::vector<int>{1, 2}));
  auto none = load("FN:A\r\n");
  EXPECT_EQ(none.list.size(), 0);
  EXPECT_EQ(none.table.size(), 1u);
}

TEST(LoadContacts, RefusesMoreThan32767ContactsOrColonLines) {
  std::string tooMany;
  for (int i = 0; i < 32768; ++i) tooMany += "BEGIN:VCARD\rEND:VCARD\r";
  EXPECT_THROW(load(tooMany), OperationError);
  std::string longContact = "BEGIN:VCARD\r";
  for (int i = 0; i < 32767; ++i) longContact += "X:" + std::to_string(i) + "\r";
  EXPECT_THROW(load(longContact), OperationError);
}

TEST(LoadContacts, ManyDistinctTagsAndAFarColonLoad) {
  std::string bytes = "BEGIN:VCARD\r" + std::string(100000, 'k') + ":far\r";
  for (int i = 0; i < 5000; ++i) bytes += "X-" + std::to_string(i) + ":" + std::to_string(i) + "\r";
  auto loaded = load(bytes + "END:VCARD\r");
  const ContactRecord& r = loaded.table[1];
  EXPECT_EQ(r.orderCount(), 5003);
  EXPECT_EQ(r.value(std::string(100000, 'k')), "far");
  EXPECT_EQ(r.value("X-4321"), "4321");
}

TEST(ContactRecord, IndexedAndSmallRecordsAgreeOnEraseAndSet) {
  for (int size : {5, 100}) {
    ContactRecord r;
    for (int i = 0; i < size; ++i) r.setValue("T" + std::to_string(i), std::to_string(i));
    r.eraseValue("T1");
    r.setValue("T3", "three");
    EXPECT_FALSE(r.holdsTag("T1"));
    EXPECT_EQ(r.value("T3"), "three");
    EXPECT_EQ(r.value(("T" + std::to_string(size - 1))), std::to_string(size - 1));
    EXPECT_EQ(r.valueCount(), size - 1);
  }
}

TEST(ContactList, PositionsFollowRemovalsLikeAPlainList) {
  std::mt19937 random(7);
  ContactList list;
  std::vector<int> plain;
  for (int n = 1; n <= 300; ++n) {
    list.append(n);
    plain.push_back(n);
  }
  while (!plain.empty()) {
    int position = 1 + int(random() % plain.size());
    ASSERT_EQ(list.numberAt(position), plain[position - 1]);
    ASSERT_EQ(list.positionOfSlot(list.slotOfPosition(position)), position);
    list.removeAt(position);
    plain.erase(plain.begin() + position - 1);
    ASSERT_EQ(list.size(), int(plain.size()));
  }
  EXPECT_TRUE(list.numbers().empty());
}

}  // namespace
}  // namespace palvren
