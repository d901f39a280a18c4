#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message.h"
#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"

namespace palvren {

// The values a contact can match by: its e-mail entries, and its telephone and address entries
// each paired with each of its names, as the rule pairs them. Keys are hashes of what the rule
// compares; a collision merely proposes a candidate the comparison rejects.
struct MatchKeys {
  std::vector<std::uint64_t> emails;
  std::vector<std::uint64_t> places;  // telephone and address entries alone
  std::vector<std::uint64_t> names;
};

// How pass 2 tells that two contacts are the same person, under one match rule.
class Matcher {
 public:
  virtual ~Matcher() = default;
  // The keys of every value a contact holds.
  virtual MatchKeys keysOf(const ContactRecord& contact) const = 0;
  // Why a and b match, in words; nothing when they do not.
  virtual std::optional<Message> match(const ContactRecord& a, const ContactRecord& b) const = 0;
};

// The matcher of a rule: exact, or tolerant.
std::unique_ptr<Matcher> matcherFor(const MatchRule& rule);
std::unique_ptr<Matcher> exactMatcher();
std::unique_ptr<Matcher> tolerantMatcher(const MatchRule& rule);

// A key of one value under one field (a tag, or a tolerant field).
std::uint64_t matchKey(std::string_view field, std::string_view value);

// The exact rule. A HIT: a shared e-mail address containing "@", or a shared telephone number or
// address together with a shared formatted name or name, each under the same tag.
bool isSimilar(const ContactRecord& a, const ContactRecord& b);
// Why a and b count as similar, in words: "Same e-mail: …", "Same telephone and name: …, …" or
// "Same address and name: …, …"; empty when they do not.
std::string matchReason(const ContactRecord& a, const ContactRecord& b);
// The same, to be shown in the person's language.
Message matchReasonWords(const ContactRecord& a, const ContactRecord& b);
// The first ordinal of a's TagOrder whose tag has the property name prefix (upper-case) and
// whose non-empty value b holds identically under the same tag; false when there is none.
bool findSharedTag(const ContactRecord& a, const ContactRecord& b, std::string_view prefix,
                   int& ordinal);

}  // namespace palvren
