#pragma once

#include <QString>
#include <string>

namespace palvren {

// Contact bytes for display: UTF-8 when valid, otherwise Latin-1.
QString displayText(const std::string& bytes);
// Typed text back to bytes, in UTF-8 or Latin-1 as the surrounding data is written.
std::string bytesFromTyped(const QString& text, bool utf8);
// Message texts use CR LF; a label wants LF.
QString messageText(const std::string& text);
// Paths are bytes in the file system's encoding.
QString pathText(const std::string& path);
std::string pathBytes(const QString& path);

}  // namespace palvren
