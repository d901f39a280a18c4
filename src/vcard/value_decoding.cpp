#include "vcard/value_decoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/text.h"

namespace palvren {

namespace {

// ICU converters, one per character set name, opened once per thread and kept: a run decodes
// many values of the same few sets. Bytes a set does not define are not an error: in a
// single-byte set each becomes the code point of its own value (a C1 control at 0x80..0x9F), in
// any other a U+FFFD, so that decoding always gives text.
void keepUndefinedBytes(const void* context, UConverterToUnicodeArgs* args, const char* codeUnits,
                        int32_t length, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  if (context == nullptr) {
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, error);
    return;
  }
  for (int32_t i = 0; i < length && U_SUCCESS(*error); ++i) {
    const UChar own = static_cast<unsigned char>(codeUnits[i]);
    ucnv_cbToUWriteUChars(args, &own, 1, 0, error);
  }
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// The converter of a charset name; nullptr for a name ICU does not know.
UConverter* converterFor(std::string_view name) {
  thread_local std::unordered_map<std::string, Converter> converters;
  std::string key(trimSpaces(name));
  if (key.empty()) return nullptr;
  auto found = converters.find(key);
  if (found != converters.end()) return found->second.get();
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_open(key.c_str(), &error));
  if (U_FAILURE(error)) converter.reset();
  if (converter) {
    static const char kSingleByte = 1;
    const void* context = ucnv_getMaxCharSize(converter.get()) == 1 ? &kSingleByte : nullptr;
    UConverterToUCallback oldCallback;
    const void* oldContext;
    ucnv_setToUCallBack(converter.get(), keepUndefinedBytes, context, &oldCallback, &oldContext,
                        &error);
    UConverterFromUCallback oldFrom;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, &oldFrom,
                          &oldContext, &error);
    if (U_FAILURE(error)) converter.reset();
  }
  return converters.emplace(std::move(key), std::move(converter)).first->second.get();
}

bool isUtf8Converter(UConverter* converter) {
  UErrorCode error = U_ZERO_ERROR;
  return std::string_view(ucnv_getName(converter, &error)) == "UTF-8";
}

std::string utf16ToUtf8(const std::u16string& text) {
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8WithSub(nullptr, 0, &length, text.data(), int32_t(text.size()), 0xFFFD, nullptr,
                     &error);
  std::string utf8(std::size_t(length), '\0');
  error = U_ZERO_ERROR;
  u_strToUTF8WithSub(utf8.data(), length, &length, text.data(), int32_t(text.size()), 0xFFFD,
                     nullptr, &error);
  return utf8;
}

std::string decodeWith(UConverter* converter, std::string_view bytes) {
  ucnv_reset(converter);
  std::u16string text(bytes.size() * 2 + 4, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, text.data(), int32_t(text.size()), bytes.data(),
                                       int32_t(bytes.size()), &error);
  if (U_FAILURE(error)) return std::string();
  text.resize(std::size_t(length));
  return utf16ToUtf8(text);
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

bool isKnownCharset(std::string_view name) { return converterFor(name) != nullptr; }

std::string_view propertyName(std::string_view tag, Group group) {
  std::string_view name = tag.substr(0, tag.find(';'));
  if (group == Group::Kept) return name;
  const std::size_t dot = name.rfind('.');
  return trimSpaces(dot == std::string_view::npos ? name : name.substr(dot + 1));
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

std::string_view charsetOf(std::string_view tag) { return parameterOf(tag, "CHARSET"); }

std::string unfold(std::string_view value) {
  std::string joined;
  unfoldInto(value, joined);
  return joined;
}

void unfoldInto(std::string_view value, std::string& joined) {
  joined.clear();
  joined.reserve(value.size());
  std::size_t from = 0;  // what is not yet copied; the text between folds is copied at once
  for (std::size_t cr = value.find('\r'); cr != std::string_view::npos;
       cr = value.find('\r', cr + 1)) {
    if (cr + 2 < value.size() && value[cr + 1] == '\n' &&
        (value[cr + 2] == ' ' || value[cr + 2] == '\t')) {
      joined.append(value.substr(from, cr - from));
      from = cr + 3;
      cr += 2;
    }
  }
  joined.append(value.substr(from));
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
    } else if (rest.empty()) {
      // A soft break that ends the value, as some phones write one: nothing follows it.
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

std::string toUtf8(std::string_view bytes, std::string_view charset) {
  if (isAscii(bytes) && charset.empty()) return std::string(bytes);
  if (!isAscii(bytes) && isValidUtf8(bytes)) return std::string(bytes);
  UConverter* converter = converterFor(charset);
  const bool utf8 = isValidUtf8(bytes);
  if (converter == nullptr && utf8) return std::string(bytes);
  // A set that is not there, or UTF-8 declared over bytes that are not: what old address books
  // wrote without saying so.
  if (converter == nullptr || (!utf8 && isUtf8Converter(converter))) {
    converter = converterFor("windows-1252");
  }
  return decodeWith(converter, bytes);
}

std::optional<std::string> fromUtf8(std::string_view utf8, std::string_view charset) {
  UConverter* converter = converterFor(charset);
  if (converter == nullptr) return std::string(utf8);
  if (!isValidUtf8(utf8)) return std::nullopt;
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, utf8.data(), int32_t(utf8.size()), &error);
  std::u16string text(std::size_t(length), u'\0');
  error = U_ZERO_ERROR;
  u_strFromUTF8(text.data(), length, &length, utf8.data(), int32_t(utf8.size()), &error);
  ucnv_reset(converter);
  std::string bytes(text.size() * std::size_t(ucnv_getMaxCharSize(converter)) + 8, '\0');
  error = U_ZERO_ERROR;
  const int32_t written = ucnv_fromUChars(converter, bytes.data(), int32_t(bytes.size()),
                                          text.data(), int32_t(text.size()), &error);
  if (U_FAILURE(error)) return std::nullopt;
  bytes.resize(std::size_t(written));
  return bytes;
}

std::string decodedBytes(std::string_view tag, std::string_view value) {
  // Soft line breaks first: a line after one may start with a blank that belongs to the text.
  return isQuotedPrintable(tag) ? unfold(decodeQuotedPrintable(value)) : unfold(value);
}

std::string displayUtf8(std::string_view tag, std::string_view value) {
  // A plain ASCII value on one line, the common case, reads as it stands.
  if (value.find('\r') == std::string_view::npos && isAscii(value) &&
      (tag.find(';') == std::string_view::npos ||
       (parameterOf(tag, "ENCODING").empty() && charsetOf(tag).empty()))) {
    return std::string(value);
  }
  return toUtf8(decodedBytes(tag, value), charsetOf(tag));
}

std::string_view storageCharset(std::string_view tag, std::string_view original) {
  const std::string bytes = decodedBytes(tag, original);
  const bool utf8 = isValidUtf8(bytes);
  if (!isAscii(bytes) && utf8) return "UTF-8";
  if (isKnownCharset(charsetOf(tag))) return charsetOf(tag);
  return utf8 ? "UTF-8" : "windows-1252";
}

std::optional<std::string> encodeTypedValue(std::string_view tag, std::string_view typed,
                                            std::string_view original) {
  std::optional<std::string> bytes = std::string(typed);
  if (isValidUtf8(typed)) bytes = fromUtf8(typed, storageCharset(tag, original));
  if (bytes && isQuotedPrintable(tag)) return encodeQuotedPrintable(*bytes);
  return bytes;
}

std::optional<std::string> imageFormat(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xD8\xFF")) return "JPEG";
  if (bytes.starts_with("\x89PNG\r\n\x1A\n")) return "PNG";
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return "GIF";
  return std::nullopt;
}

std::optional<InlineImage> inlineImage(std::string_view tag, std::string_view value) {
  const std::string name = toUpperAscii(propertyName(tag));
  if (name != "PHOTO" && name != "LOGO") return std::nullopt;
  const std::optional<std::string_view> payload = base64Payload(tag, value);
  if (!payload) return std::nullopt;
  std::optional<std::string> bytes = decodeBase64(*payload);
  if (!bytes) return std::nullopt;
  std::optional<std::string> format = imageFormat(*bytes);
  if (!format) return std::nullopt;
  return InlineImage{std::move(*format), std::move(*bytes)};
}

std::vector<std::string> structuredParts(std::string_view value) {
  std::vector<std::string> parts;
  structuredPartsInto(value, parts);
  return parts;
}

void structuredPartsInto(std::string_view value, std::vector<std::string>& parts) {
  static constexpr ByteSet kBreaks(";\\");
  std::size_t count = 0;
  std::size_t start = 0;
  std::size_t from = 0;
  bool escaped = false;
  for (;;) {
    const std::size_t at = std::min(findAnyOf(value, kBreaks, from), value.size());
    if (at < value.size() && value[at] == '\\') {
      escaped = true;  // the escaped character, ";" included, belongs to the part
      from = std::min(at + 2, value.size());
      continue;
    }
    if (count == parts.size()) parts.emplace_back();
    std::string& part = parts[count++];
    const std::string_view raw = value.substr(start, at - start);
    if (!escaped) {
      part.assign(trimSpaces(raw));
    } else {
      unescapeTextInto(raw, part);
      const std::string_view trimmed = trimSpaces(part);
      if (trimmed.size() != part.size()) part = std::string(trimmed);
    }
    if (at >= value.size()) break;
    start = from = at + 1;
    escaped = false;
  }
  parts.resize(count);
}

std::string unescapeText(std::string_view value) {
  std::string text;
  unescapeTextInto(value, text);
  return text;
}

void unescapeTextInto(std::string_view value, std::string& text) {
  if (value.find('\\') == std::string_view::npos) {
    text.assign(value);
    return;
  }
  text.clear();
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
}

}  // namespace palvren
