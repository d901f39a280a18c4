#include "app/qt_text.h"

#include <QFile>

#include "platform/text.h"

namespace palvren {

QString displayText(const std::string& bytes) {
  if (isValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QString displayText(const std::string& bytes, bool utf8) {
  if (utf8) return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QString messageText(const std::string& text) { return displayText(replaceAll(text, "\r\n", "\n")); }

QString pathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace palvren
