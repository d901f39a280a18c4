#include "platform/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/errors.h"

namespace palvren {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

LineReader::LineReader(const std::string& path, FileIo& io) : owned_(path) { start(*owned_, io); }

LineReader::LineReader(const OpenInput& input, FileIo& io) { start(input, io); }

void LineReader::start(const OpenInput& input, FileIo& io) {
  input_ = &input;
  io_ = &io;
  if (::lseek(input.descriptor(), 0, SEEK_SET) != 0)
    throwFileError(kCannotRead, input.path(), errno);
  bytesLeft_ = input.size();
  // A small file gets a buffer of its own size: recombining thousands of single-contact files
  // should not allocate a large buffer for each.
  capacity_ = std::clamp<std::size_t>(std::size_t(input.size()) + 1, 64, kBufferSize);
  buffer_.reset(new char[capacity_]);
}

LineReader::~LineReader() = default;

bool LineReader::refill() {
  begin_ = end_ = 0;
  while (end_ < capacity_) {
    std::size_t wanted = capacity_ - end_;
    wanted = std::min<std::size_t>(wanted, std::size_t(bytesLeft_));
    if (wanted == 0) break;
    ssize_t got = io_->read(input_->descriptor(), buffer_.get() + end_, wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got > 0) bytesLeft_ -= got;
    if (got < 0) throwFileError(kCannotRead, input_->path(), errno);
    if (got == 0) break;
    end_ += static_cast<std::size_t>(got);
  }
  if (startOfFile_) {
    startOfFile_ = false;
    if (std::string_view(buffer_.get(), end_).substr(0, 3) == kByteOrderMark) begin_ = 3;
  }
  return begin_ < end_;
}

std::size_t LineReader::findLineEnd() const {
  const char* first = buffer_.get() + begin_;
  const char* last = buffer_.get() + end_;
  if (breaks_ == LineBreaks::CarriageReturn) {
    const void* hit = std::memchr(first, '\r', end_ - begin_);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.get()) : end_;
  }
  const char* hit = std::find_if(first, last, [](char c) { return c == '\r' || c == '\n'; });
  return static_cast<std::size_t>(hit - buffer_.get());
}

void LineReader::shortenCarry() {
  constexpr std::size_t kKept = 64;
  if (carry_.size() <= 4 * kKept) return;
  // Runs of spaces at either end become one space; a middle longer than any short text is
  // replaced by a marker as long, which no short text equals however the line goes on.
  const std::string_view whole = carry_;
  const std::size_t first = whole.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    carry_.assign(1, ' ');
    return;
  }
  const std::size_t last = whole.find_last_not_of(' ');
  std::string shortened = first > 0 ? " " : "";
  if (last + 1 - first > kKept) {
    shortened.append(kKept + 1, '\x01');
  } else {
    shortened.append(whole.substr(first, last + 1 - first));
  }
  if (last + 1 < whole.size()) shortened.push_back(' ');
  carry_ = std::move(shortened);
}

bool LineReader::atEnd() {
  while (true) {
    if (begin_ == end_ && !refill()) return true;
    if (!skipLineFeed_) return false;
    skipLineFeed_ = false;
    if (buffer_[begin_] == '\n') ++begin_;
  }
}

bool LineReader::readLine(std::string_view& line) {
  carry_.clear();
  bool carrying = false;
  while (true) {
    if (begin_ == end_ && !refill()) {
      if (!carrying) return false;
      line = carry_;
      return true;
    }
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (buffer_[begin_] == '\n') {
        ++begin_;
        continue;
      }
    }
    std::size_t stop = findLineEnd();
    if (stop == end_) {
      carry_.append(buffer_.get() + begin_, end_ - begin_);
      if (shortenLongLines_) shortenCarry();
      carrying = true;
      begin_ = end_;
      continue;
    }
    char breakChar = buffer_[stop];
    if (breaks_ == LineBreaks::NotYetSeen) {
      breaks_ =
          breakChar == '\n' ? LineBreaks::CarriageReturnOrLineFeed : LineBreaks::CarriageReturn;
    }
    std::string_view content(buffer_.get() + begin_, stop - begin_);
    begin_ = stop + 1;
    if (breakChar == '\r') {
      if (begin_ < end_) {
        if (buffer_[begin_] == '\n') ++begin_;
      } else {
        skipLineFeed_ = true;
      }
    }
    if (carrying) {
      carry_.append(content);
      line = carry_;
    } else {
      line = content;
    }
    return true;
  }
}

}  // namespace palvren
