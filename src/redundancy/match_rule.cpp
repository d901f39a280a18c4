#include "redundancy/match_rule.h"

#include <phonenumbers/phonenumberutil.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/text.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

bool isAsciiAlphanumeric(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isAsciiWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// What folding leaves of a character: itself, nothing but a space (punctuation, symbols and
// white space), as ICU's categories say.
bool foldsToSpace(UChar32 c) {
  return (U_GET_GC_MASK(c) & (U_GC_P_MASK | U_GC_S_MASK)) != 0 || u_isUWhiteSpace(c);
}

void appendSpace(std::string& folded) {
  if (!folded.empty() && folded.back() != ' ') folded += ' ';
}

void trimTrailingSpace(std::string& folded) {
  if (!folded.empty() && folded.back() == ' ') folded.pop_back();
}

// The Latin-ASCII transliterator, made once per thread: making one costs far more than using it.
icu::Transliterator& latinToAscii() {
  thread_local std::unique_ptr<icu::Transliterator> transliterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> made(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
  }();
  return *transliterator;
}

icu::UnicodeString unicodeOf(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), int32_t(utf8.size())));
}

// Latin letters as ASCII, as the Latin-ASCII transliterator spells them. The accents most names
// carry are taken off directly (compatibility decomposition, then the marks on Latin letters
// dropped), which is many times faster; the transliterator sees only what is left (ø, ł, æ, ß,
// curly quotes...). Marks on letters of other scripts stay: Й is not И.
icu::UnicodeString latinAsAscii(const icu::UnicodeString& text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(status);
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return text;
  const icu::UnicodeString decomposed = nfkd->normalize(text, status);
  icu::UnicodeString bare;
  bool latinBase = false;
  bool otherLeft = false;
  for (int32_t i = 0; i < decomposed.length();) {
    const UChar32 c = decomposed.char32At(i);
    i += U16_LENGTH(c);
    if (u_charType(c) == U_NON_SPACING_MARK) {
      if (!latinBase) bare.append(c);
      continue;
    }
    UErrorCode scriptStatus = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(c, &scriptStatus);
    latinBase = script == USCRIPT_LATIN;
    otherLeft = otherLeft || (c >= 0x80 && (latinBase || script == USCRIPT_COMMON));
    bare.append(c);
  }
  if (U_FAILURE(status)) return text;
  icu::UnicodeString composed = nfc->normalize(bare, status);
  if (U_FAILURE(status)) return text;
  if (otherLeft) latinToAscii().transliterate(composed);
  return composed;
}

icu::UnicodeString normalizedNfkc(const icu::UnicodeString& text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
  if (U_FAILURE(status)) return text;
  icu::UnicodeString normalized = nfkc->normalize(text, status);
  return U_SUCCESS(status) ? normalized : text;
}

// Case folded text with runs of white space as one space; punctuation kept.
std::string foldCaseAndSpacing(std::string_view utf8) {
  std::string folded;
  if (isAscii(utf8)) {
    for (char c : utf8) {
      if (isAsciiWhiteSpace(c)) {
        appendSpace(folded);
      } else {
        folded += lowerAscii(c);
      }
    }
  } else {
    icu::UnicodeString text = normalizedNfkc(unicodeOf(utf8));
    text.foldCase();
    icu::UnicodeString spaced;
    for (int32_t i = 0; i < text.length();) {
      const UChar32 c = text.char32At(i);
      i += U16_LENGTH(c);
      if (u_isUWhiteSpace(c)) {
        if (spaced.length() > 0 && spaced.charAt(spaced.length() - 1) != u' ') spaced.append(u' ');
      } else {
        spaced.append(c);
      }
    }
    spaced.toUTF8String(folded);
  }
  if (!folded.empty() && folded.front() == ' ') folded.erase(0, 1);
  trimTrailingSpace(folded);
  return folded;
}

PhoneNumberUtil& phoneNumbers() { return *PhoneNumberUtil::GetInstance(); }

// The region libphonenumber reads national numbers in for a calling code; "ZZ" (none) without.
std::string regionOf(std::string_view countryCode) {
  if (countryCode.empty() || countryCode.size() > 3) return "ZZ";
  std::string region;
  phoneNumbers().GetRegionCodeForCountryCode(std::stoi(std::string(countryCode)), &region);
  return region;
}

// A number libphonenumber cannot read: its "+", digits and letters (a vanity number keeps its
// words), when it has seven digits or more.
std::string telephoneText(std::string_view number) {
  std::string key;
  int digits = 0;
  for (char c : number) {
    if (c == '+' && key.empty()) key += c;
    if (isAsciiAlphanumeric(c)) key += upperAscii(c);
    if (c >= '0' && c <= '9') ++digits;
  }
  return digits >= 7 ? key : std::string();
}

std::string telephoneKey(std::string_view value, std::string_view countryCode) {
  std::string number(trimSpaces(value));
  if (startsWithUpper(number, "TEL:")) number.erase(0, 4);
  number = std::string(trimSpaces(number));
  if (number.starts_with("00")) number.replace(0, 2, "+");
  PhoneNumber parsed;
  const auto error = phoneNumbers().Parse(number, regionOf(countryCode), &parsed);
  if (error != PhoneNumberUtil::NO_PARSING_ERROR || !phoneNumbers().IsPossibleNumber(parsed)) {
    return telephoneText(number);
  }
  std::string key;
  phoneNumbers().Format(parsed, PhoneNumberUtil::E164, &key);
  if (parsed.has_extension() && !parsed.extension().empty()) key += ";ext=" + parsed.extension();
  return key;
}

}  // namespace

Message matchRuleWords(const MatchRule& rule) {
  if (!rule.tolerant) {
    return Message(PALVREN_TEXT(
        "Check", "exact (the same e-mail, or the same telephone or address and the same name)"));
  }
  Message text(PALVREN_TEXT("Check", "tolerant (case, spacing, accents, number format)"));
  if (!rule.countryCode.empty()) {
    text += Message(PALVREN_TEXT("Check", ", default country code +%1"), {rule.countryCode});
  }
  return text;
}

std::string matchRuleDescription(const MatchRule& rule) { return matchRuleWords(rule).english(); }

MatchField matchFieldOf(std::string_view tag) {
  const std::string_view name = propertyName(tag);
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
  if (isAscii(utf8)) {
    // What the steps below give for ASCII, without them: the common case stays fast.
    for (char c : utf8) {
      if (isAsciiAlphanumeric(c) ||
          (static_cast<unsigned char>(c) < 0x20 && !isAsciiWhiteSpace(c)) || c == 0x7F) {
        folded += lowerAscii(c);
      } else {
        appendSpace(folded);
      }
    }
  } else {
    icu::UnicodeString text = latinAsAscii(normalizedNfkc(unicodeOf(utf8)));
    text.foldCase();
    for (int32_t i = 0; i < text.length();) {
      const UChar32 c = text.char32At(i);
      i += U16_LENGTH(c);
      if (foldsToSpace(c)) {
        appendSpace(folded);
      } else {
        icu::UnicodeString(c).toUTF8String(folded);
      }
    }
  }
  if (!folded.empty() && folded.front() == ' ') folded.erase(0, 1);
  trimTrailingSpace(folded);
  return folded;
}

bool isPlausibleEmail(std::string_view value) {
  std::string_view address = trimSpaces(value);
  if (startsWithUpper(address, "MAILTO:")) address = trimSpaces(address.substr(7));
  const std::size_t at = address.rfind('@');
  if (at == std::string_view::npos || at == 0) return false;
  const std::string_view domain = address.substr(at + 1);
  const std::size_t dot = domain.find('.');
  return dot != std::string_view::npos && dot > 0 && domain.back() != '.';
}

std::string foldEmail(std::string_view value) {
  std::string_view address = trimSpaces(value);
  if (startsWithUpper(address, "MAILTO:")) address = trimSpaces(address.substr(7));
  std::string folded = foldCaseAndSpacing(address);
  std::erase(folded, ' ');
  return isPlausibleEmail(folded) ? folded : std::string();
}

std::string foldTelephone(std::string_view value, std::string_view countryCode) {
  // Reading a number costs tens of microseconds, and a check reads each one several times.
  thread_local std::unordered_map<std::string, std::string> known;
  std::string question = std::string(countryCode) + '\0' + std::string(value);
  const auto found = known.find(question);
  if (found != known.end()) return found->second;
  if (known.size() > 200000) known.clear();
  std::string key = telephoneKey(value, countryCode);
  known.emplace(std::move(question), key);
  return key;
}

namespace {
void addTails(const std::string& digits, std::vector<std::string>& tails) {
  constexpr std::size_t kLongTail = 7, kShortest = 4, kMostPrefix = 6;
  auto add = [&](std::size_t length) {
    std::string tail = digits.substr(digits.size() - length);
    if (std::find(tails.begin(), tails.end(), tail) == tails.end()) tails.push_back(tail);
  };
  if (digits.size() >= kLongTail) add(kLongTail);
  for (std::size_t length = kShortest; length < kLongTail && length <= digits.size(); ++length) {
    if (digits.size() - length <= kMostPrefix) add(length);
  }
}
}  // namespace

std::vector<std::string> telephoneTails(std::string_view value) {
  // Letters are a vanity number's digits (ABC 2, DEF 3, GHI 4, JKL 5, MNO 6, PQRS 7, TUV 8,
  // WXYZ 9) or an extension's marker ("ext.", "x"): the tails of both readings are keys.
  static constexpr char kKeypad[] = "22233344455566677778889999";
  std::string keypad;
  std::string plain;
  for (char c : value) {
    c = upperAscii(c);
    if (c >= '0' && c <= '9') {
      keypad += c;
      plain += c;
    }
    if (c >= 'A' && c <= 'Z') keypad += kKeypad[c - 'A'];
  }
  std::vector<std::string> tails;
  addTails(keypad, tails);
  addTails(plain, tails);
  return tails;
}

std::string foldAddress(std::string_view value) {
  std::string folded;
  for (const std::string& part : structuredParts(value)) folded += foldCaseAndSpacing(part) + ';';
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
  std::vector<std::string> parts = structuredParts(value);
  parts.resize(std::max<std::size_t>(parts.size(), 3));
  // A family name alone is shared by a whole family: it never matches by itself.
  if (foldText(parts[1]).empty()) return std::string();
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
