#pragma once

#include <array>
#include <string>
#include <string_view>

namespace palvren {

constexpr std::string_view kCrLf = "\r\n";

// Puts text in place of what s held, in its storage: what assign does, with less to decide when
// text lies elsewhere, as it does where a string's content is replaced line after line.
inline void assignText(std::string& s, std::string_view text) {
  const char* data = s.data();
  if (text.data() >= data && text.data() <= data + s.size()) {
    s.assign(text);
    return;
  }
  s.clear();
  s.append(text);
}

// ASCII-only upper-casing: bytes of other scripts pass unchanged.
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
std::string toUpperAscii(std::string_view text);
// The same into result, replacing what it held.
void toUpperAsciiInto(std::string_view text, std::string& result);
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
std::string toLowerAscii(std::string_view text);
void toLowerAsciiInto(std::string_view text, std::string& result);

// Removes leading and trailing spaces (code 32) only; tabs stay.
inline std::string_view trimSpaces(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return text.substr(begin, end - begin);
}
// A few bytes to look for, made once (constexpr) so that a search costs one lookup a character,
// where string_view::find_first_of searches its set for each one.
class ByteSet {
 public:
  // At most this many bytes are also kept as a list, which a search compares sixteen bytes of a
  // text with at once.
  static constexpr std::size_t kListed = 6;

  constexpr explicit ByteSet(std::string_view bytes) {
    for (char c : bytes) {
      if (contains(c)) continue;
      members_[static_cast<unsigned char>(c)] = true;
      if (count_ < kListed) listed_[count_] = c;
      ++count_;
    }
  }
  constexpr bool contains(char c) const { return members_[static_cast<unsigned char>(c)]; }
  // The set's bytes, when it has at most kListed of them; empty otherwise.
  constexpr std::string_view listed() const {
    return count_ <= kListed ? std::string_view(listed_.data(), count_) : std::string_view();
  }

 private:
  std::array<bool, 256> members_{};
  std::array<char, kListed> listed_{};
  std::size_t count_ = 0;
};

// The first position of a byte of the set in text; npos when none.
std::size_t findAnyOf(std::string_view text, const ByteSet& set);
// The same from position from on.
inline std::size_t findAnyOf(std::string_view text, const ByteSet& set, std::size_t from) {
  if (from >= text.size()) return std::string_view::npos;
  const std::size_t found = findAnyOf(text.substr(from), set);
  return found == std::string_view::npos ? found : from + found;
}

// Whether text, upper-cased, equals upperWord (which must already be upper case).
bool equalsUpper(std::string_view text, std::string_view upperWord);
// Whether text, upper-cased, begins with upperPrefix.
bool startsWithUpper(std::string_view text, std::string_view upperPrefix);

// Replaces every occurrence of from (non-empty) by to, scanning left to right once.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

bool isValidUtf8(std::string_view text);
// Whether every byte is below 0x80.
bool isAscii(std::string_view text);

// Text as a terminal or a saved report may show it: control characters (escape sequences, line
// breaks, C1 codes) written as \xNN, so that data cannot redraw a screen or write a clipboard.
std::string escapeControls(std::string_view text);
// The same for each line of a text (lines end in LF or CR LF), lines joined by LF.
std::string escapeControlsByLine(std::string_view text);
// Number of characters: code points when the text is valid UTF-8, bytes otherwise.
std::size_t characterCount(std::string_view text);
// The first n characters (in the sense of characterCount).
std::string_view firstCharacters(std::string_view text, std::size_t n);

// The code point at i of valid UTF-8, moving i past it.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

// "0000" number format: at least four digits, zero-padded.
std::string fourDigits(int number);

}  // namespace palvren
