#pragma once

#include <string>
#include <vector>

namespace palvren {

// A text of the program in its English source form, found by the translation tools: the source
// may hold %1 to %9 for arguments, and %n for the count of a text counted in the plural.
struct TextId {
  const char* context;
  const char* source;
  bool counted;
};

// Marks a text for translation where it is written. The translation tools know these two as
// QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
#define PALVREN_TEXT(context, source) (::palvren::TextId{context, source, false})
#define PALVREN_COUNTED_TEXT(context, source) (::palvren::TextId{context, source, true})

// What the program says to the person, kept in pieces until it is shown: the window translates
// each piece, the command line writes the English. A piece is a text of the program with its
// arguments, or words given as they are (a path, the system's reason for a failure).
class Message {
 public:
  struct Piece {
    const char* context = nullptr;  // nullptr: `text` is shown as it is
    std::string text;
    bool counted = false;
    long long count = 0;
    std::vector<std::string> args;
  };

  Message() = default;
  Message(TextId id, std::vector<std::string> args = {});
  // A text counted in the plural: its %n is `count`.
  Message(TextId id, long long count, std::vector<std::string> args = {});
  // Words shown as they are.
  static Message asIs(std::string text);

  Message& operator+=(const Message& more);
  Message& operator+=(TextId more) { return *this += Message(more); }
  friend Message operator+(Message first, const Message& second) { return first += second; }

  bool empty() const { return pieces_.empty(); }
  const std::vector<Piece>& pieces() const { return pieces_; }
  // The text in English, as the command line writes it.
  std::string english() const;

 private:
  std::vector<Piece> pieces_;
};

// A line break in a message.
Message lineBreak();
// A path or name in double quotes, shown as it is.
Message quotedPath(const std::string& path);

// `pattern` with %1 to %9 replaced by args and %n by count, in one pass: what an argument holds
// is never read as a placeholder.
std::string fillPlaceholders(const std::string& pattern, const std::vector<std::string>& args,
                             const std::string& count);

}  // namespace palvren
