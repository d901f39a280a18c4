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

// A translated pattern with its arguments placed as the core places them, each argument's
// bytes shown as displayText shows them (the %n of a count is already placed by Qt).
QString filled(const QString& pattern, const std::vector<std::string>& args) {
  std::vector<std::string> shown;
  shown.reserve(args.size());
  for (const std::string& arg : args) shown.push_back(displayText(arg).toStdString());
  return QString::fromStdString(fillPlaceholders(pattern.toStdString(), shown, "%n"));
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
