#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message.h"
#include "redundancy/check_options.h"

namespace palvren {

// The rule in words, for questions and the report.
std::string matchRuleDescription(const MatchRule& rule);
// The same, to be shown in the person's language.
Message matchRuleWords(const MatchRule& rule);

// What a property is to the tolerant rule, by its name without group or parameters.
enum class MatchField { Email, Telephone, Address, FormattedName, Name, Other };
MatchField matchFieldOf(std::string_view tag);

// Text as the tolerant rule compares it, through ICU: NFKC, Latin letters as ASCII (accents
// removed; ø, ł, æ, ß, curly quotes spelled out), full case folding, every punctuation mark and
// symbol as a space, runs of spaces as one. UTF-8 in and out; other scripts keep their letters.
std::string foldText(std::string_view utf8);
// Whether a value (a "mailto:" allowed) is an e-mail address that can match: a local part, "@",
// and a domain with a dot in it.
bool isPlausibleEmail(std::string_view value);
// Case folded, without spaces or "mailto:"; empty when it is no plausible address.
std::string foldEmail(std::string_view value);
// The number in E.164 (with ";ext=" and its extension) as libphonenumber reads it, a leading
// "00" as "+" and a national number in the region of the country code; a number it cannot read
// keeps its "+", digits and letters when it has seven digits or more; else empty.
std::string foldTelephone(std::string_view value, std::string_view countryCode);
// Coarse keys that every spelling of one number shares, for finding candidates cheaply: tails of
// the digits it holds (letters read as a telephone keypad reads them). However a number is
// written, its digits end with its national number and extension, after at most six digits of
// international, trunk or carrier prefix; so its last seven digits, and for a short national
// number (four to six digits) the tails that leave at most six digits before them, are shared.
// Numbers sharing a key may still differ: foldTelephone decides.
std::vector<std::string> telephoneTails(std::string_view value);
// The parts case folded with their spacing folded, trailing empty parts left out.
std::string foldAddress(std::string_view value);
// A formatted name, "Last, First" read as "First Last".
std::string foldFormattedName(std::string_view value);
// N: given, additional and family name in that order; empty without a given name.
std::string foldStructuredName(std::string_view value);

// The folded form the tolerant rule compares for a value (already decoded to UTF-8); empty when
// the value cannot match anything.
std::string foldedValue(MatchField field, std::string_view text, const MatchRule& rule);

}  // namespace palvren
