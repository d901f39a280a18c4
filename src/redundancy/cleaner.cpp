#include "redundancy/cleaner.h"

#include <unordered_set>

namespace palvren {

namespace {

// The distinct non-empty tags in order of first occurrence; sets repeated when a tag recurs.
std::vector<std::string> keptTags(const std::vector<std::string>& order, bool& repeated) {
  std::vector<std::string> kept;
  std::unordered_set<std::string_view> seen;
  repeated = false;
  for (const std::string& tag : order) {
    if (seen.count(tag)) {
      repeated = true;
    } else if (!tag.empty()) {
      seen.insert(tag);
      kept.push_back(tag);
    }
  }
  return kept;
}

}  // namespace

void CleanContacts(ContactTable& table) {
  for (std::size_t c = 1; c < table.size(); ++c) {
    bool repeated = false;
    std::vector<std::string> kept = keptTags(table[c].tagOrder(), repeated);
    if (repeated) table[c].setTagOrder(std::move(kept));
  }
}

}  // namespace palvren
