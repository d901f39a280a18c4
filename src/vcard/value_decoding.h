#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace palvren {

// Reading property values as a person means them: folded lines joined, quoted-printable and
// base64 undone, and bytes of a declared character set turned into UTF-8. Nothing here changes
// what is written; the writers keep the bytes they read.

// Whether a character set name (a CHARSET parameter's value) is one this program can read.
bool isKnownCharset(std::string_view name);

// Whether a property name is read with its group ("item1.PHOTO") or without it ("PHOTO").
enum class Group { Dropped, Kept };
// The property name of a tag, before its parameters: "item1.PHOTO;TYPE=JPEG" gives "PHOTO", or
// "item1.PHOTO" with its group kept. Without its group the name is trimmed of spaces; with it,
// it stays as written, as the exact match rule compares it.
std::string_view propertyName(std::string_view tag, Group group = Group::Dropped);

// Calls visit with each parameter of a tag in order, name and value trimmed and the value
// unquoted; a vCard 2.1 bare parameter has an empty name. Stops when visit returns true.
// (A template: it runs for every property of every contact a mapped export reads.)
template <typename Visitor>
void forEachParameter(std::string_view tag, Visitor&& visit) {
  std::size_t start = tag.find(';');
  while (start != std::string_view::npos) {
    const std::size_t end = tag.find(';', start + 1);
    const std::string_view parameter = tag.substr(start + 1, end - start - 1);
    const std::size_t equals = parameter.find('=');
    if (equals == std::string_view::npos) {
      if (visit(std::string_view(), trimSpaces(parameter))) return;
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

// The value of a tag's parameter ("ENCODING", "CHARSET"), compared without case; a vCard 2.1
// bare parameter (";QUOTED-PRINTABLE", ";BASE64") counts as the value of ENCODING. Empty when
// the tag has none.
std::string_view parameterOf(std::string_view tag, std::string_view upperName);
bool isQuotedPrintable(std::string_view tag);
// The CHARSET a tag declares, as written; empty when none.
std::string_view charsetOf(std::string_view tag);

// Lines folded with a leading space or tab joined again (the CR LF and that one character go).
std::string unfold(std::string_view value);
// The same, put in place of joined.
void unfoldInto(std::string_view value, std::string& joined);
// Quoted-printable undone: "=XX" becomes its byte, "=" at a line end joins the next line (at the
// value's end it goes), and any other "=" that starts no escape stays as it is.
std::string decodeQuotedPrintable(std::string_view value);
// Quoted-printable on one line: "=", controls, bytes above 126 and a trailing space escaped;
// separators (";", ",") stay as they are.
std::string encodeQuotedPrintable(std::string_view bytes);
// Base64 undone, white space and line ends skipped; nothing when a character or the padding
// is not base64.
std::optional<std::string> decodeBase64(std::string_view text);

// The parts of a structured value, split at unescaped ";" and unescaped.
std::vector<std::string> structuredParts(std::string_view value);
// The same into parts, whose strings are reused (for a reader that keeps them between values).
void structuredPartsInto(std::string_view value, std::vector<std::string>& parts);
// A text value unescaped: "\n" a line break; "\,", "\;", "\\" the character.
std::string unescapeText(std::string_view value);
// The same into text, replacing what it held.
void unescapeTextInto(std::string_view value, std::string& text);

// Bytes as UTF-8 text, decided for this value alone: bytes that are valid UTF-8 holding a
// multi-byte character are UTF-8 (whatever is declared); otherwise the declared charset, when it
// is known; otherwise UTF-8 when valid, else Windows-1252. Never fails: a byte a charset does not
// define becomes its own code point (single-byte sets) or U+FFFD.
std::string toUtf8(std::string_view bytes, std::string_view charset);
// UTF-8 text in a character set; nothing when a character does not exist in it. An unknown or
// empty name gives the text as it is.
std::optional<std::string> fromUtf8(std::string_view utf8, std::string_view charset);

// The bytes a value carries: quoted-printable undone (soft line breaks first) when the tag says
// so, and folded lines joined.
std::string decodedBytes(std::string_view tag, std::string_view value);
// The text of a value for display, always UTF-8: decodedBytes read as toUtf8 decides with the
// tag's CHARSET.
std::string displayUtf8(std::string_view tag, std::string_view value);

// The character set a typed text is stored in for a field now holding original: UTF-8 when
// original is multi-byte UTF-8, else the tag's known CHARSET, else UTF-8 when original is valid
// UTF-8 and Windows-1252 when it is not.
std::string_view storageCharset(std::string_view tag, std::string_view original);
// The bytes to store for a text typed in UTF-8 into a field holding original: in
// storageCharset, quoted-printable again when the tag says so. Nothing when that character set
// cannot hold the text. A typed text that is not valid UTF-8 is taken byte for byte.
std::optional<std::string> encodeTypedValue(std::string_view tag, std::string_view typed,
                                            std::string_view original);

// A picture carried in a PHOTO or LOGO value: base64 (2.1 ENCODING=BASE64, 3.0 ENCODING=b, or a
// data: URI) holding JPEG, PNG or GIF data.
struct InlineImage {
  std::string format;  // "JPEG", "PNG" or "GIF"
  std::string bytes;
};
// The picture format ("JPEG", "PNG", "GIF") bytes start with the signature of; nothing for another.
std::optional<std::string> imageFormat(std::string_view bytes);
std::optional<InlineImage> inlineImage(std::string_view tag, std::string_view value);

}  // namespace palvren
