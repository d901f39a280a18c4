#pragma once

#include <string>
#include <string_view>

namespace palvren {

// How pass 2 tells that two contacts are the same person: exactly, by the same tag holding the
// same text, or tolerantly, by the property name alone with values folded (e-mails without case,
// telephone numbers by their digits, addresses without case or extra spaces, names without case,
// accents, punctuation or "Last, First" order).
struct MatchRule {
  bool tolerant = false;
  // Digits of the default country calling code: with it, a national number's trunk "0" reads
  // as this code ("020 7946 0000" as "+44 20 7946 0000" for 44). Empty: none.
  std::string countryCode;

  // The rule in words, for questions and the report.
  std::string description() const;
};

// What a property is to the tolerant rule, by its name without group or parameters.
enum class MatchField { Email, Telephone, Address, FormattedName, Name, Other };
MatchField matchFieldOf(std::string_view tag);

// Lower case, Latin accents removed, punctuation as spaces, runs of spaces folded; UTF-8 in and
// out. Letters of other scripts are kept as they are.
std::string foldText(std::string_view utf8);
std::string foldEmail(std::string_view value);
// "+" and the digits; empty when there are no digits.
std::string foldTelephone(std::string_view value, std::string_view countryCode);
std::string foldAddress(std::string_view value);
// A formatted name, "Last, First" read as "First Last".
std::string foldFormattedName(std::string_view value);
// N: given, additional and family name in that order.
std::string foldStructuredName(std::string_view value);

// The folded form the tolerant rule compares for a value (already decoded to UTF-8); empty when
// the value cannot match anything.
std::string foldedValue(MatchField field, std::string_view text, const MatchRule& rule);

}  // namespace palvren
