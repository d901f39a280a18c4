#include "platform/message.h"

namespace palvren {

Message::Message(TextId id, std::vector<std::string> args) {
  pieces_.push_back(Piece{id.context, id.source, false, 0, std::move(args)});
}

Message::Message(TextId id, long long count, std::vector<std::string> args) {
  pieces_.push_back(Piece{id.context, id.source, true, count, std::move(args)});
}

Message Message::asIs(std::string text) {
  Message message;
  message.pieces_.push_back(Piece{nullptr, std::move(text), false, 0, {}});
  return message;
}

Message& Message::operator+=(const Message& more) {
  pieces_.insert(pieces_.end(), more.pieces_.begin(), more.pieces_.end());
  return *this;
}

std::string Message::english() const {
  std::string text;
  for (const Piece& piece : pieces_) {
    if (!piece.context) {
      text += piece.text;
    } else {
      text += fillPlaceholders(piece.text, piece.args,
                               piece.counted ? std::to_string(piece.count) : "%n");
    }
  }
  return text;
}

Message lineBreak() { return Message::asIs("\r\n"); }

Message quotedPath(const std::string& path) { return Message::asIs("\"" + path + "\""); }

std::string fillPlaceholders(const std::string& pattern, const std::vector<std::string>& args,
                             const std::string& count) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < args.size()) {
      text += args[static_cast<std::size_t>(next - '1')];
      ++i;
    } else if (pattern[i] == '%' && next == 'n') {
      text += count;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace palvren
