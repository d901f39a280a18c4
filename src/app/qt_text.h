#pragma once

#include <QString>
#include <string>

namespace palvren {

// Contact bytes for display: UTF-8 when valid, otherwise Latin-1.
QString displayText(const std::string& bytes);
// Bytes of a text known to be UTF-8 or ISO-8859-1.
QString displayText(const std::string& bytes, bool utf8);
// Message texts use CR LF; a label wants LF.
QString messageText(const std::string& text);
// Paths are bytes in the file system's encoding.
QString pathText(const std::string& path);
std::string pathBytes(const QString& path);

}  // namespace palvren
