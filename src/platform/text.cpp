#include "platform/text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace palvren {

std::string toUpperAscii(std::string_view text) {
  std::string result;
  toUpperAsciiInto(text, result);
  return result;
}

void toUpperAsciiInto(std::string_view text, std::string& result) {
  assignText(result, text);
  for (char& c : result) c = upperAscii(c);
}

std::string toLowerAscii(std::string_view text) {
  std::string result;
  toLowerAsciiInto(text, result);
  return result;
}

void toLowerAsciiInto(std::string_view text, std::string& result) {
  assignText(result, text);
  for (char& c : result) c = lowerAscii(c);
}

char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  char32_t code = lead & (0x3F >> more);
  for (int k = 0; k < more && i < text.size(); ++k) {
    code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return code;
}

namespace {

#if defined(__SSE2__)
// Where the first of the listed bytes is among the text's whole sixteen-byte blocks, or the
// start of the block-less rest when none is; sixteen bytes compared with each at once.
std::size_t findListedInBlocks(std::string_view text, std::string_view listed) {
  __m128i wanted[ByteSet::kListed];
  for (std::size_t k = 0; k < listed.size(); ++k) wanted[k] = _mm_set1_epi8(listed[k]);
  std::size_t i = 0;
  for (; i + 16 <= text.size(); i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    __m128i hits = _mm_cmpeq_epi8(block, wanted[0]);
    for (std::size_t k = 1; k < listed.size(); ++k) {
      hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, wanted[k]));
    }
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return i + std::size_t(__builtin_ctz(unsigned(mask)));
  }
  return i;
}
#endif

}  // namespace

std::size_t findAnyOf(std::string_view text, const ByteSet& set) {
  std::size_t i = 0;
#if defined(__SSE2__)
  if (text.size() >= 16 && !set.listed().empty()) {
    i = findListedInBlocks(text, set.listed());
    if (i + 16 <= text.size()) return i;  // found within a block
  }
#endif
  for (; i < text.size(); ++i) {
    if (set.contains(text[i])) return i;
  }
  return std::string_view::npos;
}

bool equalsUpper(std::string_view text, std::string_view upperWord) {
  return text.size() == upperWord.size() && startsWithUpper(text, upperWord);
}

bool startsWithUpper(std::string_view text, std::string_view upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  for (std::size_t i = 0; i < upperPrefix.size(); ++i) {
    if (upperAscii(text[i]) != upperPrefix[i]) return false;
  }
  return true;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

namespace {

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not well formed.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = byte(i);
  std::size_t length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  if (length == 2 && lead < 0xC2) return 0;  // overlong
  if (length == 3) {
    unsigned code = ((lead & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6);
    if (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  }
  if (length == 4) {
    unsigned code = ((lead & 0x07u) << 18) | ((byte(i + 1) & 0x3Fu) << 12);
    if (code < 0x10000 || code > 0x10FFFF) return 0;
  }
  return length;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    // ASCII, the most of any text, eight bytes a step.
    if (std::uint64_t word = 0; i + 8 <= text.size()) {
      std::memcpy(&word, text.data() + i, 8);
      if ((word & 0x8080808080808080u) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::size_t characterCount(std::string_view text) {
  if (!isValidUtf8(text)) return text.size();
  std::size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t n) {
  if (!isValidUtf8(text)) return text.substr(0, n);
  std::size_t i = 0;
  for (std::size_t taken = 0; i < text.size() && taken < n; ++taken) {
    i += utf8SequenceLength(text, i);
  }
  return text.substr(0, i);
}

std::string fourDigits(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", number);
  return buffer;
}

std::string escapeControls(std::string_view text) {
  const bool utf8 = isValidUtf8(text);
  std::string safe;
  safe.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool c1InUtf8 = utf8 && c == 0xC2 && i + 1 < text.size() &&
                          static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                          static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1InUtf8) ++i;
    const unsigned char shown = c1InUtf8 ? static_cast<unsigned char>(text[i]) : c;
    if (c1InUtf8 || c < 0x20 || c == 0x7F || (!utf8 && c >= 0x80 && c <= 0x9F)) {
      static const char kHex[] = "0123456789ABCDEF";
      safe += "\\x";
      safe.push_back(kHex[shown >> 4]);
      safe.push_back(kHex[shown & 15]);
    } else {
      safe.push_back(char(c));
    }
  }
  return safe;
}

std::string escapeControlsByLine(std::string_view text) {
  std::string shown;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    shown += escapeControls(line);
    if (end < text.size()) shown += '\n';
    start = end + 1;
  }
  return shown;
}

bool isAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace palvren
