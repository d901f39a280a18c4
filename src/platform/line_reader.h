#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/open_input.h"

namespace palvren {

// Reads a file as single-byte text, one line at a time, without the line ends.
//
// A line ends at CR or at CR LF; a lone LF stays inside the line. A file whose first line end is
// a lone LF (Unix line ends) ends its lines at LF as well. A UTF-8 byte-order mark at the very
// start is skipped. A last line without a line end is read like any other.
class LineReader {
 public:
  // Only a regular file is read (a link to one is followed); anything else is refused with an
  // OperationError, never waited on. The file is read as it was when opened: what is appended
  // later is not seen.
  explicit LineReader(const std::string& path, FileIo& io = systemFileIo());
  // Reads an input a run holds open from its start, up to the size it had when opened, so that
  // every reading of a run sees the same bytes.
  explicit LineReader(const OpenInput& input, FileIo& io = systemFileIo());
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line; false at the end of the file. The view stays valid until the next call.
  bool readLine(std::string_view& line);
  // Whether no line is left to read.
  bool atEnd();

  // For readers that only ask whether a line, trimmed of spaces, reads some short text (as
  // counting does): a long line is then cut down, keeping the answer, so that a file without
  // line ends is read in little memory.
  void shortenLongLines() { shortenLongLines_ = true; }

 private:
  enum class LineBreaks { NotYetSeen, CarriageReturn, CarriageReturnOrLineFeed };

  bool refill();
  void shortenCarry();
  std::size_t findLineEnd() const;

  void start(const OpenInput& input, FileIo& io);

  std::optional<OpenInput> owned_;  // a file this reader opened itself
  const OpenInput* input_ = nullptr;
  FileIo* io_ = nullptr;
  long long bytesLeft_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string carry_;
  LineBreaks breaks_ = LineBreaks::NotYetSeen;
  bool startOfFile_ = true;
  bool skipLineFeed_ = false;
  bool shortenLongLines_ = false;
};

}  // namespace palvren
