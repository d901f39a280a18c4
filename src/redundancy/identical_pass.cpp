#include "redundancy/identical_pass.h"

#include <functional>
#include <unordered_map>

namespace palvren {

namespace {

std::size_t combine(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

std::size_t contentHash(const ContactRecord& record) {
  std::hash<std::string_view> hash;
  std::size_t seed = combine(record.orderCount(), record.valueCount());
  for (int k = 1; k <= record.orderCount(); ++k) {
    const std::string_view tag = record.tagAt(k);
    seed = combine(seed, hash(tag));
    seed = combine(seed, hash(record.valueAt(k)));
  }
  return seed;
}

}  // namespace

bool areIdentical(const ContactRecord& a, const ContactRecord& b) {
  if (a.orderCount() != b.orderCount() || a.valueCount() != b.valueCount()) return false;
  for (int k = 1; k <= a.orderCount(); ++k) {
    const std::string_view tag = a.tagAt(k);
    if (tag != b.tagAt(k) || a.valueAt(k) != b.valueAt(k)) return false;
  }
  return true;
}

int removeIdenticalContacts(ContactList& list, ContactTable& table, RunProgress& ui,
                            RedundancyReport* report) {
  // Survivors are the first contact of each group of identical ones, in list order.
  std::unordered_multimap<std::size_t, int> survivorsByHash;
  std::vector<int> survivors;
  std::vector<int> duplicatesOf;  // per survivor index
  std::vector<int> removedPositions;
  for (int position = 1; position <= list.size(); ++position) {
    if (position % 1024 == 0) ui.yield();
    const int number = list.numberAt(position);
    const std::size_t hash = contentHash(table[number]);
    int survivor = -1;
    auto [first, last] = survivorsByHash.equal_range(hash);
    for (auto it = first; it != last && survivor < 0; ++it) {
      if (areIdentical(table[survivors[it->second]], table[number])) survivor = it->second;
    }
    if (survivor >= 0) {
      ++duplicatesOf[survivor];
      removedPositions.push_back(position);
      const int kept = survivors[std::size_t(survivor)];
      if (report) report->identical(number, table[number], kept, table[kept]);
    } else {
      survivorsByHash.emplace(hash, static_cast<int>(survivors.size()));
      survivors.push_back(number);
      duplicatesOf.push_back(0);
    }
  }
  // The pairwise walk's status texts: at position i the list has lost the duplicates of the
  // survivors before i.
  int size = list.size();
  for (int i = 1; i <= size - 1; ++i) {
    ui.setStatus(Message(PALVREN_TEXT("Check", "PASS 1 - Checking Redundancies %1 of %2"),
                         {std::to_string(i), std::to_string(size)}));
    stepDone(ui, i, size);
    size -= duplicatesOf[i - 1];
  }
  ui.yield();
  for (auto it = removedPositions.rbegin(); it != removedPositions.rend(); ++it) {
    table[list.numberAt(*it)].clear();
    list.removeAt(*it);
  }
  return static_cast<int>(removedPositions.size());
}

}  // namespace palvren
