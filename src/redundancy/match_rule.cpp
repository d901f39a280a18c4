#include "redundancy/match_rule.h"

#include <array>

#include "platform/text.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// U+00C0 to U+017F (Latin-1 letters and Latin Extended-A) as lower-case ASCII without accents;
// the two signs among them (multiplication, division) as spaces.
constexpr std::array<const char*, 192> kLatinFolds = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c",  "e",  "e", "e", "e", "i",  "i",  "i", "i", "d", "n",
    "o", "o", "o",  "o",  "o", " ", "o",  "u",  "u",  "u", "u", "y", "th", "ss", "a", "a", "a", "a",
    "a", "a", "ae", "c",  "e", "e", "e",  "e",  "i",  "i", "i", "i", "d",  "n",  "o", "o", "o", "o",
    "o", " ", "o",  "u",  "u", "u", "u",  "y",  "th", "y", "a", "a", "a",  "a",  "a", "a", "c", "c",
    "c", "c", "c",  "c",  "c", "c", "d",  "d",  "d",  "d", "e", "e", "e",  "e",  "e", "e", "e", "e",
    "e", "e", "g",  "g",  "g", "g", "g",  "g",  "g",  "g", "h", "h", "h",  "h",  "i", "i", "i", "i",
    "i", "i", "i",  "i",  "i", "i", "ij", "ij", "j",  "j", "k", "k", "k",  "l",  "l", "l", "l", "l",
    "l", "l", "l",  "l",  "l", "n", "n",  "n",  "n",  "n", "n", "n", "n",  "n",  "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r",  "r",  "r",  "r", "s", "s", "s",  "s",  "s", "s", "s", "s",
    "t", "t", "t",  "t",  "t", "t", "u",  "u",  "u",  "u", "u", "u", "u",  "u",  "u", "u", "u", "u",
    "w", "w", "y",  "y",  "y", "z", "z",  "z",  "z",  "z", "z", "s",
};

bool isAsciiAlphanumeric(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

void appendSpace(std::string& folded) {
  if (!folded.empty() && folded.back() != ' ') folded += ' ';
}

}  // namespace

std::string MatchRule::description() const {
  if (!tolerant)
    return "exact (the same e-mail, or the same telephone or address and the same name)";
  std::string text = "tolerant (case, spacing, accents, number format)";
  if (!countryCode.empty()) text += ", default country code +" + countryCode;
  return text;
}

MatchField matchFieldOf(std::string_view tag) {
  const std::string_view name = ungroupedName(tag);
  if (equalsUpper(name, "EMAIL")) return MatchField::Email;
  if (equalsUpper(name, "TEL")) return MatchField::Telephone;
  if (equalsUpper(name, "ADR")) return MatchField::Address;
  if (equalsUpper(name, "FN")) return MatchField::FormattedName;
  if (equalsUpper(name, "N")) return MatchField::Name;
  return MatchField::Other;
}

std::string foldText(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  const bool valid = isValidUtf8(utf8);
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t c = valid ? nextCodePoint(utf8, i) : static_cast<unsigned char>(utf8[i++]);
    if (isAsciiAlphanumeric(c)) {
      folded += lowerAscii(char(c));
    } else if (c >= 0xC0 && c < 0x180) {
      const char* latin = kLatinFolds[c - 0xC0];
      if (latin[0] == ' ') {
        appendSpace(folded);
      } else {
        folded += latin;
      }
    } else if (c < 0xC0) {
      appendSpace(folded);  // ASCII and Latin-1 punctuation, symbols and spaces
    } else {
      folded.append(utf8.substr(start, i - start));  // another script: kept as written
    }
  }
  if (!folded.empty() && folded.back() == ' ') folded.pop_back();
  return folded;
}

std::string foldEmail(std::string_view value) {
  std::string_view address = trimSpaces(value);
  if (startsWithUpper(address, "MAILTO:")) address = trimSpaces(address.substr(7));
  return toLowerAscii(address);
}

std::string foldTelephone(std::string_view value, std::string_view countryCode) {
  std::string_view number = trimSpaces(value);
  if (startsWithUpper(number, "TEL:")) number = number.substr(4);
  std::string digits;
  bool international = false;
  for (char c : number) {
    if (c == '+' && digits.empty()) international = true;
    if (c >= '0' && c <= '9') digits += c;
  }
  if (digits.empty()) return digits;
  if (!international && digits.starts_with("00")) {
    international = true;
    digits.erase(0, 2);
  } else if (!international && !countryCode.empty() && digits.starts_with("0")) {
    international = true;
    digits = std::string(countryCode) + digits.substr(1);  // the national trunk "0"
  }
  return international ? "+" + digits : digits;
}

std::string foldAddress(std::string_view value) {
  std::string folded;
  for (const std::string& part : StructuredParts(value)) {
    std::string spaced;
    for (char c : part) {
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        if (!spaced.empty() && spaced.back() != ' ') spaced += ' ';
      } else {
        spaced += lowerAscii(c);
      }
    }
    if (!spaced.empty() && spaced.back() == ' ') spaced.pop_back();
    folded += spaced + ';';
  }
  // Trailing empty parts say nothing: "1 Road;Town" and "1 Road;Town;;" are one address.
  while (!folded.empty() && folded.back() == ';') folded.pop_back();
  return folded;
}

std::string foldFormattedName(std::string_view value) {
  const std::size_t comma = value.find(',');
  if (comma == std::string_view::npos) return foldText(value);
  return foldText(std::string(value.substr(comma + 1)) + " " + std::string(value.substr(0, comma)));
}

std::string foldStructuredName(std::string_view value) {
  std::vector<std::string> parts = StructuredParts(value);
  parts.resize(std::max<std::size_t>(parts.size(), 3));
  return foldText(parts[1] + " " + parts[2] + " " + parts[0]);
}

std::string foldedValue(MatchField field, std::string_view text, const MatchRule& rule) {
  switch (field) {
    case MatchField::Email:
      return foldEmail(text);
    case MatchField::Telephone:
      return foldTelephone(text, rule.countryCode);
    case MatchField::Address:
      return foldAddress(text);
    case MatchField::FormattedName:
      return foldFormattedName(text);
    case MatchField::Name:
      return foldStructuredName(text);
    case MatchField::Other:
      break;
  }
  return std::string();
}

}  // namespace palvren
