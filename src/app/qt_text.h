#pragma once

#include <QString>
#include <string>

#include "platform/message.h"

namespace palvren {

// Contact bytes for display: UTF-8 when valid, otherwise Latin-1.
QString displayText(const std::string& bytes);
// Bytes of a text known to be UTF-8 or ISO-8859-1.
QString displayText(const std::string& bytes, bool utf8);
// Message texts use CR LF; a label wants LF.
QString messageText(const std::string& text);
// A message of the run in the person's language: each piece translated, its arguments shown
// as displayText shows bytes.
QString translatedText(const Message& message);
// The same as UTF-8, for what takes the run's texts as bytes.
std::string translated(const Message& message);
// A field's name in a person's words, translated where it is one of the program's own.
QString fieldLabelText(const std::string& label);
// Paths are bytes in the file system's encoding.
QString pathText(const std::string& path);
std::string pathBytes(const QString& path);

}  // namespace palvren
