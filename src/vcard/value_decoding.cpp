#include "vcard/value_decoding.h"

#include <array>
#include <cstdint>

#include "platform/text.h"

namespace palvren {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned places keep their C1 control.
constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(char(code));
  } else if (code < 0x800) {
    out.push_back(char(0xC0 | (code >> 6)));
    out.push_back(char(0x80 | (code & 0x3F)));
  } else {
    out.push_back(char(0xE0 | (code >> 12)));
    out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(char(0x80 | (code & 0x3F)));
  }
}

std::optional<char> windows1252Byte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return char(code);
  for (std::size_t k = 0; k < kWindows1252High.size(); ++k) {
    if (kWindows1252High[k] == code) return char(0x80 + k);
  }
  return std::nullopt;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int base64Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+' || c == '-') return 62;
  if (c == '/' || c == '_') return 63;
  return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isBase64Encoded(std::string_view tag) {
  const std::string_view encoding = parameterOf(tag, "ENCODING");
  return equalsUpper(encoding, "BASE64") || equalsUpper(encoding, "B");
}

std::optional<std::string> imageFormat(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xD8\xFF")) return "JPEG";
  if (bytes.starts_with("\x89PNG\r\n\x1A\n")) return "PNG";
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return "GIF";
  return std::nullopt;
}

// The base64 text of a picture value, or nothing when it carries none.
std::optional<std::string_view> base64Payload(std::string_view tag, std::string_view value) {
  const std::string_view trimmed = trimSpaces(value);
  if (startsWithUpper(trimmed, "DATA:")) {
    const std::size_t comma = trimmed.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string header = toUpperAscii(trimmed.substr(0, comma));
    if (!header.ends_with(";BASE64")) return std::nullopt;
    return trimmed.substr(comma + 1);
  }
  if (isBase64Encoded(tag)) return value;
  return std::nullopt;
}

}  // namespace

Charset charsetNamed(std::string_view name) {
  const std::string upper = toUpperAscii(trimSpaces(name));
  if (upper == "UTF-8" || upper == "UTF8" || upper == "US-ASCII" || upper == "ASCII") {
    return Charset::Utf8;
  }
  if (upper == "ISO-8859-1" || upper == "ISO8859-1" || upper == "LATIN1" || upper == "ISO_8859-1") {
    return Charset::Latin1;
  }
  if (upper == "WINDOWS-1252" || upper == "CP1252" || upper == "CP-1252") {
    return Charset::Windows1252;
  }
  return Charset::Unknown;
}

std::string_view ungroupedName(std::string_view tag) {
  std::string_view name = tag.substr(0, tag.find(';'));
  const std::size_t dot = name.rfind('.');
  return trimSpaces(dot == std::string_view::npos ? name : name.substr(dot + 1));
}

void forEachParameter(std::string_view tag, const ParameterVisitor& visit) {
  std::size_t start = tag.find(';');
  while (start != std::string_view::npos) {
    const std::size_t end = tag.find(';', start + 1);
    const std::string_view parameter = tag.substr(start + 1, end - start - 1);
    const std::size_t equals = parameter.find('=');
    if (equals == std::string_view::npos) {
      if (visit({}, trimSpaces(parameter))) return;
    } else {
      std::string_view value = trimSpaces(parameter.substr(equals + 1));
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
      }
      if (visit(trimSpaces(parameter.substr(0, equals)), value)) return;
    }
    start = end;
  }
}

std::string_view parameterOf(std::string_view tag, std::string_view upperName) {
  std::string_view found;
  forEachParameter(tag, [&](std::string_view name, std::string_view value) {
    // vCard 2.1 names encodings bare.
    const bool bareEncoding =
        name.empty() && upperName == "ENCODING" &&
        (equalsUpper(value, "QUOTED-PRINTABLE") || equalsUpper(value, "BASE64"));
    if (!bareEncoding && (name.empty() || !equalsUpper(name, upperName))) return false;
    found = value;
    return true;
  });
  return found;
}

bool isQuotedPrintable(std::string_view tag) {
  return equalsUpper(parameterOf(tag, "ENCODING"), "QUOTED-PRINTABLE");
}

Charset charsetOf(std::string_view tag) { return charsetNamed(parameterOf(tag, "CHARSET")); }

std::string unfold(std::string_view value) {
  std::string joined;
  joined.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 2 < value.size() && value[i + 1] == '\n' &&
        (value[i + 2] == ' ' || value[i + 2] == '\t')) {
      i += 2;
      continue;
    }
    joined.push_back(value[i]);
  }
  return joined;
}

std::string decodeQuotedPrintable(std::string_view value) {
  std::string bytes;
  bytes.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '=') {
      bytes.push_back(value[i]);
      continue;
    }
    const std::string_view rest = value.substr(i + 1);
    if (rest.starts_with("\r\n")) {
      i += 2;  // a soft line break
    } else if (rest.starts_with("\n")) {
      i += 1;
    } else if (rest.size() >= 2 && hexDigit(rest[0]) >= 0 && hexDigit(rest[1]) >= 0) {
      bytes.push_back(char(hexDigit(rest[0]) * 16 + hexDigit(rest[1])));
      i += 2;
    } else {
      bytes.push_back('=');
    }
  }
  return bytes;
}

std::string encodeQuotedPrintable(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    const bool lastSpace = (c == ' ' || c == '\t') && i + 1 == bytes.size();
    if ((c >= 33 && c <= 126 && c != '=') || (c == ' ' && !lastSpace)) {
      encoded.push_back(char(c));
    } else {
      encoded.push_back('=');
      encoded.push_back(kHex[c >> 4]);
      encoded.push_back(kHex[c & 15]);
    }
  }
  return encoded;
}

std::optional<std::string> decodeBase64(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 4 * 3);
  std::uint32_t bits = 0;
  int held = 0;
  std::size_t padding = 0;
  for (char c : text) {
    if (isBlank(c)) continue;
    if (c == '=') {
      ++padding;
      continue;
    }
    const int digit = base64Digit(c);
    if (digit < 0 || padding > 0) return std::nullopt;
    bits = (bits << 6) | std::uint32_t(digit);
    held += 6;
    if (held >= 8) {
      held -= 8;
      bytes.push_back(char((bits >> held) & 0xFF));
    }
  }
  if (padding > 2 || held >= 6) return std::nullopt;
  return bytes;
}

std::string toUtf8(std::string_view bytes, Charset from) {
  if (from != Charset::Latin1 && from != Charset::Windows1252) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    const unsigned char c = static_cast<unsigned char>(byte);
    if (from == Charset::Windows1252 && c >= 0x80 && c < 0xA0) {
      appendUtf8(text, kWindows1252High[c - 0x80]);
    } else {
      appendUtf8(text, c);
    }
  }
  return text;
}

std::optional<std::string> fromUtf8(std::string_view utf8, Charset to) {
  if (to != Charset::Latin1 && to != Charset::Windows1252) return std::string(utf8);
  if (!isValidUtf8(utf8)) return std::nullopt;
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t code = nextCodePoint(utf8, i);
    if (to == Charset::Latin1) {
      if (code > 0xFF) return std::nullopt;
      bytes.push_back(char(code));
    } else {
      const std::optional<char> byte = windows1252Byte(code);
      if (!byte) return std::nullopt;
      bytes.push_back(*byte);
    }
  }
  return bytes;
}

std::string displayUtf8(std::string_view tag, std::string_view value, bool contactUtf8) {
  const bool quoted = isQuotedPrintable(tag);
  const std::string bytes = quoted ? decodeQuotedPrintable(unfold(value)) : unfold(value);
  Charset charset = charsetOf(tag);
  if (charset == Charset::Unknown || (charset == Charset::Utf8 && !isValidUtf8(bytes))) {
    const bool utf8 = quoted ? isValidUtf8(bytes) : contactUtf8 && isValidUtf8(bytes);
    charset = utf8 ? Charset::Utf8 : Charset::Latin1;
  }
  return toUtf8(bytes, charset);
}

std::optional<std::string> encodeTypedValue(std::string_view tag, std::string_view typed,
                                            bool contactUtf8) {
  std::optional<std::string> bytes = std::string(typed);
  if (isValidUtf8(typed)) {
    Charset charset = charsetOf(tag);
    if (charset == Charset::Unknown) charset = contactUtf8 ? Charset::Utf8 : Charset::Latin1;
    bytes = fromUtf8(typed, charset);
  }
  if (bytes && isQuotedPrintable(tag)) return encodeQuotedPrintable(*bytes);
  return bytes;
}

std::optional<InlineImage> inlineImage(std::string_view tag, std::string_view value) {
  const std::string name = toUpperAscii(ungroupedName(tag));
  if (name != "PHOTO" && name != "LOGO") return std::nullopt;
  const std::optional<std::string_view> payload = base64Payload(tag, value);
  if (!payload) return std::nullopt;
  std::optional<std::string> bytes = decodeBase64(*payload);
  if (!bytes) return std::nullopt;
  std::optional<std::string> format = imageFormat(*bytes);
  if (!format) return std::nullopt;
  return InlineImage{std::move(*format), std::move(*bytes)};
}

std::vector<std::string> StructuredParts(std::string_view value) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      parts.back() += value.substr(i, 2);
      ++i;
    } else if (value[i] == ';') {
      parts.emplace_back();
    } else {
      parts.back() += value[i];
    }
  }
  for (std::string& part : parts) part = std::string(trimSpaces(UnescapeText(part)));
  return parts;
}

std::string UnescapeText(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char next = i + 1 < value.size() ? value[i + 1] : '\0';
    if (value[i] != '\\' ||
        (next != 'n' && next != 'N' && next != ',' && next != ';' && next != '\\')) {
      text += value[i];
      continue;
    }
    text += (next == 'n' || next == 'N') ? '\n' : next;
    ++i;
  }
  return text;
}

}  // namespace palvren
