#include "redundancy/cleaner.h"

#include <unordered_set>

namespace palvren {

namespace {

// The distinct non-empty tags in order of first occurrence; sets repeated when a tag recurs.
std::vector<std::string_view> keptTags(const ContactRecord& record, bool& repeated) {
  std::vector<std::string_view> kept;
  std::unordered_set<std::string_view> seen;
  repeated = false;
  for (int k = 1; k <= record.orderCount(); ++k) {
    const std::string_view tag = record.tagAt(k);
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

void cleanContacts(ContactTable& table, RunProgress* ui) {
  for (std::size_t c = 1; c < table.size(); ++c) {
    if (ui && c % 1024 == 0) ui->yield();
    bool repeated = false;
    const std::vector<std::string_view> kept = keptTags(table[c], repeated);
    if (repeated) table[c].setTagOrder(kept);
  }
}

}  // namespace palvren
