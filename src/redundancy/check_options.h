#pragma once

#include <string>

namespace palvren {

enum class RedundancyMode { Pass1Only, Pass1And2 };

// How pass 2 tells that two contacts are the same person: exactly, by the same tag holding the
// same text, or tolerantly, by the property name alone with values folded (e-mails without case,
// telephone numbers as libphonenumber reads them, addresses without case or extra spaces, names
// without case, accents, punctuation or "Last, First" order). Under the tolerant rule, when both
// contacts have a formatted name those decide; N decides only when one of them has none.
struct MatchRule {
  bool tolerant = false;
  // Digits of the default country calling code: with it, a national number is read as one of
  // that country ("020 7946 0000" as "+44 20 7946 0000" for 44). Empty: none.
  std::string countryCode;
};

// What a redundancy check does: pass 1 alone, or pass 2 after it under a match rule.
struct CheckOptions {
  RedundancyMode passes = RedundancyMode::Pass1Only;
  MatchRule rule;
};

}  // namespace palvren
