#include "platform/text.h"
#include "redundancy/field_key.h"
#include "redundancy/match_rule.h"
#include "redundancy/matcher.h"
#include "redundancy/prompt_context.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

enum class Kind { Email, Place, Name, Other };

Kind kindOf(std::string_view tag) {
  const std::string_view name = propertyName(tag, Group::Kept);
  if (equalsUpper(name, "EMAIL")) return Kind::Email;
  if (equalsUpper(name, "TEL") || equalsUpper(name, "ADR")) return Kind::Place;
  if (equalsUpper(name, "FN") || equalsUpper(name, "N")) return Kind::Name;
  return Kind::Other;
}

}  // namespace

bool findSharedTag(const ContactRecord& a, const ContactRecord& b, std::string_view prefix,
                   int& ordinal) {
  const int count = a.orderCount();
  // An empty name (";;;;") is no name: two contacts without one are not named alike.
  const bool name = prefix == "FN" || prefix == "N";
  for (int k = 1; k <= count; ++k) {
    const std::string_view tag = a.tagAt(k);
    if (!equalsUpper(propertyName(tag, Group::Kept), prefix)) continue;
    const std::string_view value = a.valueAt(k);
    if (name && isEmptyName(value)) continue;
    if (!value.empty() && value == b.value(tag)) {
      ordinal = k;
      return true;
    }
  }
  return false;
}

namespace {
// The first e-mail entry of a that b holds under the same tag, and that is a plausible address.
bool findSharedEmail(const ContactRecord& a, const ContactRecord& b, int& ordinal) {
  const int count = a.orderCount();
  for (int k = 1; k <= count; ++k) {
    const std::string_view tag = a.tagAt(k);
    const std::string_view value = a.valueAt(k);
    if (equalsUpper(propertyName(tag, Group::Kept), "EMAIL") && value == b.value(tag) &&
        isPlausibleEmail(value)) {
      ordinal = k;
      return true;
    }
  }
  return false;
}
}  // namespace

bool isSimilar(const ContactRecord& a, const ContactRecord& b) {
  int k = 0;
  if (findSharedEmail(a, b, k)) return true;
  auto sharedName = [&] { return findSharedTag(a, b, "FN", k) || findSharedTag(a, b, "N", k); };
  if (findSharedTag(a, b, "TEL", k) && sharedName()) return true;
  return findSharedTag(a, b, "ADR", k) && sharedName();
}

Message matchReasonWords(const ContactRecord& a, const ContactRecord& b) {
  int k = 0;
  if (findSharedEmail(a, b, k)) {
    return Message(PALVREN_TEXT("Check", "Same e-mail: %1"), {fieldForDisplay(a, a.tagAt(k))});
  }
  int n = 0;
  if (!findSharedTag(a, b, "FN", n) && !findSharedTag(a, b, "N", n)) return Message();
  const std::string name = fieldForDisplay(a, a.tagAt(n));
  if (findSharedTag(a, b, "TEL", k)) {
    return Message(PALVREN_TEXT("Check", "Same telephone and name: %1, %2"),
                   {fieldForDisplay(a, a.tagAt(k)), name});
  }
  if (findSharedTag(a, b, "ADR", k)) {
    return Message(PALVREN_TEXT("Check", "Same address and name: %1, %2"),
                   {fieldForDisplay(a, a.tagAt(k)), name});
  }
  return Message();
}

std::string matchReason(const ContactRecord& a, const ContactRecord& b) {
  return matchReasonWords(a, b).english();
}

namespace {

// Tags and values compared as written.
class ExactMatcher : public Matcher {
 public:
  MatchKeys keysOf(const ContactRecord& contact) const override {
    MatchKeys keys;
    for (const auto& [tag, value] : contact.tagValues()) {
      if (value.empty()) continue;
      switch (kindOf(tag)) {
        case Kind::Email:
          keys.emails.push_back(matchKey(tag, value));
          break;
        case Kind::Place:
          keys.places.push_back(matchKey(tag, value));
          break;
        case Kind::Name:
          keys.names.push_back(matchKey(tag, value));
          break;
        case Kind::Other:
          break;
      }
    }
    return keys;
  }

  std::optional<Message> match(const ContactRecord& a, const ContactRecord& b) const override {
    if (!isSimilar(a, b)) return std::nullopt;
    return matchReasonWords(a, b);
  }
};

}  // namespace

std::unique_ptr<Matcher> exactMatcher() { return std::make_unique<ExactMatcher>(); }

}  // namespace palvren
