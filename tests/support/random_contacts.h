#pragma once

#include <random>
#include <string>
#include <vector>

#include "redundancy/contact_model.h"

namespace palvren::testing {

// Seeded random contact sets full of the cases the passes must tell apart: duplicates,
// near-duplicates differing in one letter's case, reordered lines, empty values, empty and
// repeated tags, and shared e-mail, telephone, address and name values.
class RandomContacts {
 public:
  explicit RandomContacts(unsigned seed) : random_(seed) {}

  ContactTable table(int contacts) {
    ContactTable result(1);
    for (int n = 1; n <= contacts; ++n) {
      if (n > 1 && chance(35)) {
        result.push_back(variantOf(result[1 + pick(n - 1)]));
      } else {
        result.push_back(fresh());
      }
    }
    return result;
  }

  // The shapes real address books have: a switchboard number or an office address shared by
  // many under their own names, names shared by many with their own numbers, and now and then a
  // contact of many numbers and names.
  ContactTable shapedTable(int contacts) {
    ContactTable result(1);
    const int names = 1 + contacts / 3;
    for (int n = 1; n <= contacts; ++n) {
      ContactRecord record;
      add(record, "BEGIN", "VCARD");
      add(record, "FN", "Person " + std::to_string(pick(names)));
      if (chance(60)) add(record, "TEL;WORK", chance(50) ? "555" : "556");
      if (chance(40)) add(record, "TEL;CELL", std::to_string(pick(contacts)));
      if (chance(40)) add(record, "ADR;WORK", "1 Office Park;Town");
      if (chance(10)) add(record, "EMAIL", "person" + std::to_string(pick(names)) + "@x.org");
      if (chance(5)) {
        for (int i = 0; i < 20; ++i) add(record, "TEL;X-" + std::to_string(i), "555");
        for (int i = 0; i < 15; ++i) add(record, "N;X-" + std::to_string(i), "Person 1");
      }
      add(record, "END", "VCARD");
      result.push_back(std::move(record));
    }
    return result;
  }

  int pick(int n) { return int(random_() % unsigned(n)); }
  bool chance(int percent) { return pick(100) < percent; }

 private:
  ContactRecord fresh() {
    static const char* const tags[] = {
        "FN",  "N",     "EMAIL", "EMAIL;TYPE=WORK", "TEL;CELL", "TEL", "ADR;HOME", "NOTE",
        "ORG", "TITLE", "",      "NICKNAME",        "email"};
    static const char* const values[] = {"Ann",        "ann",  "Bob",         "a@x.org",
                                         "b@x.org",    "noat", "555",         "556",
                                         "Doe;Ann;;;", "",     "1 Road;Town", "x"};
    ContactRecord record;
    add(record, "BEGIN", "VCARD");
    add(record, "VERSION", chance(80) ? "3.0" : "2.1");
    const int lines = 1 + pick(6);
    for (int i = 0; i < lines; ++i) add(record, tags[pick(13)], values[pick(12)]);
    add(record, "END", "VCARD");
    return record;
  }

  ContactRecord variantOf(const ContactRecord& original) {
    ContactRecord copy;
    std::vector<std::string> order = original.tagOrder();
    const int change = pick(5);
    if (change == 1 && order.size() > 3) std::swap(order[1], order[2]);
    for (const std::string& tag : order) {
      std::string value(original.value(tag));
      if (change == 2 && !value.empty() && chance(30)) value[0] = char(value[0] ^ 0x20);
      if (change == 3 && chance(20)) value.clear();
      add(copy, tag, value);
    }
    if (change == 4) {
      copy.removeTagAt(copy.orderCount());
      add(copy, chance(50) ? "TITLE" : "EMAIL", chance(50) ? "Boss" : "c@x.org");
      add(copy, "END", "VCARD");
    }
    return copy;
  }

  static void add(ContactRecord& record, const std::string& tag, const std::string& value) {
    if (!record.listsTag(tag)) record.appendTag(tag);
    record.setValue(tag, value);
  }

  std::mt19937 random_;
};

}  // namespace palvren::testing
