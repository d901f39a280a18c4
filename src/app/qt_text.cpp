#include "app/qt_text.h"

#include <QCoreApplication>
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

namespace {

// pattern with %1 to %9 replaced by args, in one pass.
QString filled(const QString& pattern, const std::vector<std::string>& args) {
  QString text;
  text.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
    const int index = next.unicode() - '1';
    if (pattern[i] == u'%' && index >= 0 && index < 9 && std::size_t(index) < args.size()) {
      text += displayText(args[std::size_t(index)]);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace

QString translatedText(const Message& message) {
  QString text;
  for (const Message::Piece& piece : message.pieces()) {
    if (!piece.context) {
      text += displayText(piece.text);
      continue;
    }
    const int count = piece.counted ? int(piece.count) : -1;
    text += filled(QCoreApplication::translate(piece.context, piece.text.c_str(), nullptr, count),
                   piece.args);
  }
  return text;
}

QString fieldLabelText(const std::string& label) {
  const QString source = QString::fromUtf8(label.data(), qsizetype(label.size()));
  const QString words = QCoreApplication::translate("Fields", label.c_str());
  return words == source ? displayText(label) : words;
}

std::string translated(const Message& message) { return translatedText(message).toStdString(); }

QString pathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace palvren
