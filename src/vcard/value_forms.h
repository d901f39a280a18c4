#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace palvren {

// How the versions of vCard write a value's text. Between reading and writing, a text value is
// held in the form of vCard 3.0 and 4.0: UTF-8, "\n" for a line break, and "\,", "\;" and "\\"
// where a comma, semicolon or backslash is meant as itself.

// What a property's value is made of, for escaping.
enum class ValueKind {
  Structured,  // parts at ";" (N, ADR, ORG)
  Text,        // one text (FN, NOTE, TITLE, LABEL, ...)
  TextList,    // texts at "," (NICKNAME, CATEGORIES)
  Other        // URIs, numbers, dates and what this program does not know: kept as written
};
ValueKind valueKindOf(std::string_view upperName);

// A vCard 2.1 value (decoded to UTF-8) in the held form. vCard 2.1 escapes only ";" in
// structured values; "\," "\;" "\\" and "\n" are read as escapes all the same, as many 2.1
// writers use them, and a backslash before a line break as marking that line break.
std::string heldFrom21(std::string_view text, ValueKind kind);
// A vCard 3.0 or 4.0 value (decoded to UTF-8) in the held form: its line breaks written "\n",
// and in a text a comma or semicolon its writer left bare escaped, as it can only mean itself.
std::string heldFrom30(std::string&& text, ValueKind kind);
// The same, put in place of held (whose storage it reuses).
void heldFrom30Into(std::string_view text, ValueKind kind, std::string& held);
// A held value in vCard 2.1's form: line breaks as CR LF (for quoted-printable), and in texts a
// comma as itself.
std::string heldTo21(std::string_view held, ValueKind kind);
// Plain text in the held form (unescapeText, in value_decoding.h, reads it back).
std::string plainToHeld(std::string_view plain);
// The same appended to held.
void appendHeld(std::string& held, std::string_view plain);

// A held text as the value of a vCard 4.0 parameter (ADR's LABEL): "," and ";" as themselves,
// "\n" kept; and back.
std::string heldToParameter(std::string_view held);
std::string parameterToHeld(std::string_view parameter);

// Whether decoding bytes to utf8 explained every byte: no byte became U+FFFD or a C1 control
// that the bytes did not already hold as UTF-8.
bool explained(std::string_view bytes, std::string_view utf8);

std::string encodeBase64(std::string_view bytes);
// Base64 text as one line in the standard alphabet, padded: white space and line ends taken out,
// and text in the URL-safe alphabet or without its padding written anew. Nothing when the text
// is not base64.
std::optional<std::string> cleanBase64(std::string_view text);

// The media type of a picture or sound format a TYPE names ("JPEG" gives "image/jpeg"); nothing
// for a TYPE that names none.
std::optional<std::string> mediaTypeOfFormat(std::string_view type);
// The TYPE of a media type ("image/jpeg" gives "JPEG"); empty for application/octet-stream.
std::string formatOfMediaType(std::string_view mediaType);
// The media type of bytes by their signature; application/octet-stream when unknown.
std::string sniffedMediaType(std::string_view bytes);

}  // namespace palvren
