#include "vcard/value_forms.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/text.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

constexpr std::string_view kOctetStream = "application/octet-stream";

// TYPE names of formats and the media types they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kFormats{{
    {"JPEG", "image/jpeg"},
    {"JPG", "image/jpeg"},
    {"PNG", "image/png"},
    {"GIF", "image/gif"},
    {"BMP", "image/bmp"},
    {"TIFF", "image/tiff"},
    {"WAVE", "audio/wav"},
    {"WAV", "audio/wav"},
    {"MP3", "audio/mpeg"},
    {"BASIC", "audio/basic"},
    {"PGP", "application/pgp-keys"},
    {"X509", "application/pkix-cert"},
}};

bool isEscapable(char c) { return c == ',' || c == ';' || c == '\\' || c == 'n' || c == 'N'; }

// Appends a line break of text at i (CR LF, LF or CR) as "\n"; false when there is none.
bool takeLineBreak(std::string_view text, std::size_t& i, std::string& out) {
  if (text[i] != '\r' && text[i] != '\n') return false;
  if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  out += "\\n";
  return true;
}

}  // namespace

ValueKind valueKindOf(std::string_view upperName) {
  // Every property's value is read by it: the names are told apart by length first.
  const auto is = [upperName](std::string_view name) { return upperName == name; };
  switch (upperName.size()) {
    case 1:
      return is("N") ? ValueKind::Structured : ValueKind::Other;
    case 2:
      return is("FN") ? ValueKind::Text : ValueKind::Other;
    case 3:
      return is("ADR") || is("ORG") ? ValueKind::Structured : ValueKind::Other;
    case 4:
      return is("NOTE") || is("ROLE") ? ValueKind::Text : ValueKind::Other;
    case 5:
      return is("TITLE") || is("LABEL") || is("AGENT") ? ValueKind::Text : ValueKind::Other;
    case 6:
      return is("MAILER") ? ValueKind::Text : ValueKind::Other;
    case 7:
      return is("X-LABEL") || is("X-AGENT") ? ValueKind::Text : ValueKind::Other;
    case 8:
      return is("NICKNAME") ? ValueKind::TextList : ValueKind::Other;
    case 10:
      return is("CATEGORIES") ? ValueKind::TextList : ValueKind::Other;
    case 11:
      return is("SORT-STRING") ? ValueKind::Text : ValueKind::Other;
    default:
      return ValueKind::Other;
  }
}

std::string heldFrom21(std::string_view text, ValueKind kind) {
  if (kind == ValueKind::Other) return heldFrom30(std::string(text), kind);
  std::string held;
  held.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (takeLineBreak(text, i, held)) continue;
    const bool escapedBreak =
        c == '\\' && i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n');
    if (escapedBreak) continue;  // the line break after it is the value's
    if (c == '\\') {
      const bool escape = i + 1 < text.size() && isEscapable(text[i + 1]);
      held += escape ? std::string{c, text[++i]} : std::string("\\\\");
    } else if (c == ',' && kind != ValueKind::TextList) {
      held += "\\,";
    } else if (c == ';' && kind != ValueKind::Structured) {
      held += "\\;";
    } else {
      held += c;
    }
  }
  return held;
}

namespace {

// Whether a 3.0 or 4.0 value is in the held form as it stands.
bool heldAsItStands(std::string_view text, ValueKind kind) {
  static constexpr ByteSet kHeldIn30("\r\n,;");
  static constexpr ByteSet kLineBreaks("\r\n");
  return findAnyOf(text, kind == ValueKind::Text ? kHeldIn30 : kLineBreaks) == std::string::npos;
}

}  // namespace

std::string heldFrom30(std::string&& text, ValueKind kind) {
  if (heldAsItStands(text, kind)) return std::move(text);
  std::string held;
  heldFrom30Into(text, kind, held);
  return held;
}

void heldFrom30Into(std::string_view view, ValueKind kind, std::string& held) {
  if (heldAsItStands(view, kind)) {
    assignText(held, view);
    return;
  }
  held.clear();
  // What is changed or kept with the byte after it; runs between them are copied at once.
  static constexpr ByteSet kSpecialIn30("\r\n,;\\");
  static constexpr ByteSet kSpecial("\r\n\\");
  const ByteSet& special = kind == ValueKind::Text ? kSpecialIn30 : kSpecial;
  held.reserve(view.size() + 16);
  std::size_t from = 0;
  for (std::size_t i = findAnyOf(view, special); i != std::string_view::npos;) {
    held.append(view.substr(from, i - from));
    from = i + 1;
    if (takeLineBreak(view, i, held)) {
      from = i + 1;
    } else if (view[i] == '\\') {
      const std::size_t length = i + 1 < view.size() ? 2 : 1;  // an escape, kept as it is
      held.append(view.substr(i, length));
      from = i + length;
    } else {
      held += '\\';
      held += view[i];
    }
    i = findAnyOf(view, special, from);
  }
  held.append(view.substr(from));
}

std::string heldTo21(std::string_view held, ValueKind kind) {
  std::string text;
  text.reserve(held.size());
  for (std::size_t i = 0; i < held.size(); ++i) {
    const char next = i + 1 < held.size() ? held[i + 1] : '\0';
    if (held[i] == '\\' && (next == 'n' || next == 'N')) {
      text += "\r\n";
      ++i;
    } else if (held[i] == '\\' && next == ',' && kind != ValueKind::TextList &&
               kind != ValueKind::Other) {
      text += ',';
      ++i;
    } else if (held[i] == '\\' && isEscapable(next)) {
      text += held.substr(i, 2);
      ++i;
    } else if (held[i] == '\\') {
      text += "\\\\";  // a backslash meant as itself, escaped so that 2.1 reads it so
    } else {
      text += held[i];
    }
  }
  return text;
}

std::string plainToHeld(std::string_view plain) {
  std::string held;
  appendHeld(held, plain);
  return held;
}

void appendHeld(std::string& held, std::string_view plain) {
  static constexpr ByteSet kEscaped(",;\\\r\n");
  std::size_t i = findAnyOf(plain, kEscaped);
  std::size_t from = 0;
  while (i != std::string_view::npos) {
    held.append(plain.substr(from, i - from));  // the run before it, as it stands
    if (!takeLineBreak(plain, i, held)) {
      held += '\\';
      held += plain[i];
    }
    from = i + 1;
    i = findAnyOf(plain, kEscaped, from);
  }
  held.append(plain.substr(from));
}

std::string heldToParameter(std::string_view held) {
  std::string parameter;
  for (std::size_t i = 0; i < held.size(); ++i) {
    const char next = i + 1 < held.size() ? held[i + 1] : '\0';
    if (held[i] == '\\' && (next == ',' || next == ';')) {
      parameter += next;
      ++i;
    } else {
      parameter += held[i];
    }
  }
  return parameter;
}

std::string parameterToHeld(std::string_view parameter) {
  std::string held;
  for (char c : parameter) {
    if (c == ',' || c == ';') held += '\\';
    held += c;
  }
  return held;
}

std::string encodeBase64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned n = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8 |
                       (unsigned char)bytes[i + 2];
    for (int shift : {18, 12, 6, 0}) text += kDigits[(n >> shift) & 63];
  }
  if (i < bytes.size()) {
    const bool two = i + 1 < bytes.size();
    const unsigned n =
        (unsigned char)bytes[i] << 16 | (two ? (unsigned char)bytes[i + 1] << 8 : 0u);
    text += kDigits[(n >> 18) & 63];
    text += kDigits[(n >> 12) & 63];
    text += two ? kDigits[(n >> 6) & 63] : '=';
    text += '=';
  }
  return text;
}

// What a character is in base64 text: 0 a digit of the standard alphabet, 1 white space, 2 the
// padding, 3 anything else.
constexpr std::array<unsigned char, 256> kBase64Classes = [] {
  std::array<unsigned char, 256> classes{};
  classes.fill(3);
  for (int c = 'A'; c <= 'Z'; ++c) classes[std::size_t(c)] = 0;
  for (int c = 'a'; c <= 'z'; ++c) classes[std::size_t(c)] = 0;
  for (int c = '0'; c <= '9'; ++c) classes[std::size_t(c)] = 0;
  classes['+'] = classes['/'] = 0;
  classes[' '] = classes['\t'] = classes['\r'] = classes['\n'] = 1;
  classes['='] = 2;
  return classes;
}();

namespace {

// How many bytes from from on are digits of the standard base64 alphabet, sixteen compared at
// once where the processor can.
std::size_t base64DigitsAt(std::string_view text, std::size_t from) {
  std::size_t i = from;
#if defined(__SSE2__)
  for (; i + 16 <= text.size(); i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    const auto within = [&block](char low, char high) {  // bytes past 127 are below both
      return _mm_and_si128(_mm_cmpgt_epi8(block, _mm_set1_epi8(char(low - 1))),
                           _mm_cmplt_epi8(block, _mm_set1_epi8(char(high + 1))));
    };
    const __m128i digits = _mm_or_si128(
        _mm_or_si128(within('A', 'Z'), within('a', 'z')),
        _mm_or_si128(within('0', '9'), _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('+')),
                                                    _mm_cmpeq_epi8(block, _mm_set1_epi8('/')))));
    const unsigned others = ~unsigned(_mm_movemask_epi8(digits)) & 0xFFFFu;
    if (others != 0) return i + std::size_t(std::countr_zero(others)) - from;
  }
#endif
  while (i < text.size() && kBase64Classes[static_cast<unsigned char>(text[i])] == 0) ++i;
  return i - from;
}

}  // namespace

std::optional<std::string> cleanBase64(std::string_view text) {
  std::string clean(text.size() + 3, '\0');
  std::size_t length = 0;
  std::size_t padding = 0;
  bool standard = true;
  for (std::size_t i = 0; i < text.size();) {
    if (padding == 0) {  // a run of digits before any padding is copied as it stands
      const std::size_t run = base64DigitsAt(text, i);
      std::memcpy(clean.data() + length, text.data() + i, run);
      length += run;
      i += run;
      if (i == text.size()) break;
    }
    const char c = text[i++];
    const unsigned char kind = kBase64Classes[static_cast<unsigned char>(c)];
    if (kind == 1) continue;
    if (kind == 2) {
      ++padding;
    } else if (kind == 3 || padding > 0) {
      standard = false;
    }
    clean[length++] = c;
  }
  // Padding left off is put back; a single character past a whole group is no base64.
  if (standard && padding == 0 && length % 4 > 1) {
    while (length % 4 != 0) clean[length++] = '=';
  }
  clean.resize(length);
  if (standard && padding <= 2 && length % 4 == 0) return clean;
  if (standard) return std::nullopt;  // a group cut short: no reading of it is right
  std::optional<std::string> bytes = decodeBase64(text);
  if (!bytes) return std::nullopt;
  return encodeBase64(*bytes);
}

std::optional<std::string> mediaTypeOfFormat(std::string_view type) {
  for (const auto& [format, media] : kFormats) {
    if (equalsUpper(type, format)) return std::string(media);
  }
  if (startsWithUpper(type, "IMAGE/") || startsWithUpper(type, "AUDIO/")) {
    return toLowerAscii(type);
  }
  return std::nullopt;
}

std::string formatOfMediaType(std::string_view mediaType) {
  const std::string media = toLowerAscii(mediaType);
  for (const auto& [format, known] : kFormats) {
    if (media == known) return std::string(format);
  }
  if (media == kOctetStream || media.empty()) return {};
  return toUpperAscii(media.substr(media.find('/') + 1));
}

std::string sniffedMediaType(std::string_view bytes) {
  const std::optional<std::string> format = imageFormat(bytes);
  return format ? *mediaTypeOfFormat(*format) : std::string(kOctetStream);
}

bool explained(std::string_view bytes, std::string_view utf8) {
  if (bytes == utf8) return true;
  for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const auto next = static_cast<unsigned char>(utf8[i + 1]);
    const bool c1 = lead == 0xC2 && next >= 0x80 && next <= 0x9F;
    const bool replacement = lead == 0xEF && next == 0xBF && i + 2 < utf8.size() &&
                             static_cast<unsigned char>(utf8[i + 2]) == 0xBD;
    if (c1 || replacement) return false;
  }
  return true;
}

}  // namespace palvren
