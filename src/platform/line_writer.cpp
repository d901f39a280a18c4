#include "platform/line_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace palvren {

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
long long faultBudget = -1;  // bytes left before writes fail; negative when disarmed
}  // namespace

namespace write_fault {
void failAfterBytes(long long bytes) { faultBudget = bytes; }
void disarm() { faultBudget = -1; }
}  // namespace write_fault

LineWriter::Mode LineWriter::keepingEarlierFile(const std::string& path) {
  return fileExists(path) ? Mode::ReplaceOnCommit : Mode::Direct;
}

std::string LineWriter::temporaryPathFor(const std::string& path) {
  std::size_t slash = path.rfind('/');
  std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".palvren-part";
}

LineWriter::LineWriter(const std::string& path, Mode mode)
    : path_(path), writtenPath_(mode == Mode::Direct ? path : temporaryPathFor(path)), mode_(mode) {
  fd_ = ::open(writtenPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) throwFileError("create", writtenPath_, errno);
  buffer_.reserve(kFlushSize);
}

LineWriter::~LineWriter() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(writtenPath_.c_str());
}

void LineWriter::writeLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) flush();
}

void LineWriter::writeText(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushSize) flush();
}

void LineWriter::writeOut(const char* data, std::size_t size) {
  while (size > 0) {
    std::size_t chunk = size;
    if (faultBudget >= 0 && static_cast<long long>(chunk) > faultBudget) {
      chunk = static_cast<std::size_t>(faultBudget);
      if (chunk == 0) throwFileError("write", writtenPath_, ENOSPC);
    }
    ssize_t done = ::write(fd_, data, chunk);
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) throwFileError("write", writtenPath_, errno);
    if (faultBudget >= 0) faultBudget -= done;
    data += done;
    size -= static_cast<std::size_t>(done);
  }
}

void LineWriter::flush() {
  writeOut(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void LineWriter::commit() {
  flush();
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    int error = errno;
    ::unlink(writtenPath_.c_str());
    throwFileError("write", writtenPath_, error);
  }
  if (mode_ == Mode::ReplaceOnCommit && std::rename(writtenPath_.c_str(), path_.c_str()) != 0) {
    int error = errno;
    ::unlink(writtenPath_.c_str());
    throwFileError("replace", path_, error);
  }
}

}  // namespace palvren
