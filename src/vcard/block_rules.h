#pragma once

#include <string>
#include <string_view>

#include "platform/message.h"
#include "platform/text.h"

namespace palvren {

// Where a contact begins and ends. Each operation has its own rule, on purpose: what a file
// means to one operation stays as its users have come to expect, even where another reads it
// differently (a split ends a block only at an exact END:VCARD line, loading at any case).

// A contact start for counting, split, export and loading: the line, upper-cased and trimmed of
// spaces, reads BEGIN:VCARD.
inline bool isContactBegin(std::string_view line) {
  return equalsUpper(trimSpaces(line), "BEGIN:VCARD");
}
// A contact start counted by a merge: the line upper-cased, not trimmed, reads BEGIN:VCARD.
inline bool isMergeBegin(std::string_view line) { return equalsUpper(line, "BEGIN:VCARD"); }
// The end of a split block: exactly END:VCARD.
inline bool isSplitEnd(std::string_view line) { return line == "END:VCARD"; }
// The end of an exported contact: exactly END:VCARD once trimmed of spaces.
inline bool isExportEnd(std::string_view line) { return trimSpaces(line) == "END:VCARD"; }
// The end of a loaded contact: END:VCARD once upper-cased and trimmed of spaces.
inline bool isLoadEnd(std::string_view line) { return equalsUpper(trimSpaces(line), "END:VCARD"); }
// The END property of a loaded contact, after which pass 2 places new fields: END in any case.
inline bool isEndTag(std::string_view tag) { return equalsUpper(tag, "END"); }

// The largest count this program handles: counts, positions, line and file numbers are 16-bit.
constexpr int kMaxCount = 32767;

// Throws the refusal of a count above kMaxCount, whose %1 is kMaxCount and %2, %3 the holders.
[[noreturn]] void refuseAboveLimit(TextId refusal, std::vector<std::string> holders = {});

// refuseAboveLimit when count passes kMaxCount.
inline void checkLimit(long long count, TextId refusal, std::vector<std::string> holders = {}) {
  if (count > kMaxCount) refuseAboveLimit(refusal, std::move(holders));
}

// The quoted name of a file for a refusal.
inline std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// checkLimit for the contacts of a file and for the lines of its contact number `contact`,
// called once a line: the refusal's words are only put together when it is made.
inline void checkFileContacts(long long contacts, const std::string& file) {
  if (contacts > kMaxCount) {
    refuseAboveLimit(
        PALVREN_TEXT("Limits",
                     "%2 holds more than %1 contacts, the most this program can process."),
        {quoted(file)});
  }
}
inline void checkContactLines(long long lines, std::size_t contact, const std::string& file) {
  if (lines > kMaxCount) {
    refuseAboveLimit(
        PALVREN_TEXT(
            "Limits",
            "Contact %2 of %3 holds more than %1 lines, the most this program can process."),
        {std::to_string(contact), quoted(file)});
  }
}

}  // namespace palvren
