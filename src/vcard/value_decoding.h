#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palvren {

// Reading property values as a person means them: folded lines joined, quoted-printable and
// base64 undone, and bytes of a declared character set turned into UTF-8. Nothing here changes
// what is written; the writers keep the bytes they read.

enum class Charset { Unknown, Utf8, Latin1, Windows1252 };

// The character set a CHARSET parameter names; Unknown for one not listed here.
Charset charsetNamed(std::string_view name);

// The property name of a tag without its group: "item1.PHOTO;TYPE=JPEG" gives "PHOTO".
std::string_view ungroupedName(std::string_view tag);

// Calls visit with each parameter of a tag in order, name and value trimmed and the value
// unquoted; a vCard 2.1 bare parameter has an empty name. Stops when visit returns true.
using ParameterVisitor = std::function<bool(std::string_view name, std::string_view value)>;
void forEachParameter(std::string_view tag, const ParameterVisitor& visit);

// The value of a tag's parameter ("ENCODING", "CHARSET"), compared without case; a vCard 2.1
// bare parameter (";QUOTED-PRINTABLE", ";BASE64") counts as the value of ENCODING. Empty when
// the tag has none.
std::string_view parameterOf(std::string_view tag, std::string_view upperName);
bool isQuotedPrintable(std::string_view tag);
Charset charsetOf(std::string_view tag);

// Lines folded with a leading space or tab joined again (the CR LF and that one character go).
std::string unfold(std::string_view value);
// Quoted-printable undone: "=XX" becomes its byte, "=" at a line end joins the next line, and an
// "=" that starts no escape stays as it is.
std::string decodeQuotedPrintable(std::string_view value);
// Quoted-printable on one line: "=", controls, bytes above 126 and a trailing space escaped;
// separators (";", ",") stay as they are.
std::string encodeQuotedPrintable(std::string_view bytes);
// Base64 undone, white space and line ends skipped; nothing when a character or the padding
// is not base64.
std::optional<std::string> decodeBase64(std::string_view text);

// The parts of a structured value, split at unescaped ";" and unescaped.
std::vector<std::string> StructuredParts(std::string_view value);
// A text value unescaped: "\n" a line break; "\,", "\;", "\\" the character.
std::string UnescapeText(std::string_view value);

// Bytes of a character set as UTF-8. UTF-8 and Unknown pass unchanged.
std::string toUtf8(std::string_view bytes, Charset from);
// UTF-8 text in a character set; nothing when a character does not exist in it.
std::optional<std::string> fromUtf8(std::string_view utf8, Charset to);

// The text of a value for display, always UTF-8: unfolded, quoted-printable decoded, and read in
// the tag's CHARSET. Without one, plain values are read in the contact's own encoding
// (contactUtf8) and decoded quoted-printable bytes as UTF-8 when they are valid UTF-8.
std::string displayUtf8(std::string_view tag, std::string_view value, bool contactUtf8);

// The bytes to store for a text typed in UTF-8: in the tag's CHARSET, else the contact's
// encoding, and quoted-printable again when the tag says so. Nothing when the character set
// cannot hold the text. A typed text that is not valid UTF-8 is taken byte for byte.
std::optional<std::string> encodeTypedValue(std::string_view tag, std::string_view typed,
                                            bool contactUtf8);

// A picture carried in a PHOTO or LOGO value: base64 (2.1 ENCODING=BASE64, 3.0 ENCODING=b, or a
// data: URI) holding JPEG, PNG or GIF data.
struct InlineImage {
  std::string format;  // "JPEG", "PNG" or "GIF"
  std::string bytes;
};
std::optional<InlineImage> inlineImage(std::string_view tag, std::string_view value);

}  // namespace palvren
