#include "platform/line_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/pending_files.h"

namespace palvren {

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
}  // namespace

LineWriter::LineWriter(const OutputFolder& folder, std::string name, FileIo& io,
                       Placement placement)
    : io_(io), folder_(&folder), name_(std::move(name)) {
  open(placement);
}

LineWriter::LineWriter(const std::string& path, FileIo& io)
    : io_(io),
      ownFolder_(OutputFolder::holding(path)),
      folder_(&*ownFolder_),
      name_(fileNameOf(path)) {
  open(Placement::Temporary);
}

void LineWriter::open(Placement placement) {
  const pending_files::InterruptsHeld held;
  if (placement == Placement::InPlaceWhereFree) {
    fd_ = io_.create(folder_->descriptor(), name_.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0 && errno != EEXIST) throwFileError(kCannotCreate, path(), errno);
    inPlace_ = fd_ >= 0;
    if (inPlace_) temporary_ = name_;
  }
  // Where something stands at the name, it stays intact until the whole file replaces it.
  if (!inPlace_) fd_ = folder_->createTemporary(name_, temporary_, io_);
  pendingSlot_ = pending_files::remember(folder_->descriptor(), temporary_);
  buffer_.reserve(kFlushSize);
}

LineWriter::~LineWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) folder_->remove(temporary_);
  pending_files::forget(pendingSlot_);
}

void LineWriter::writeLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) flush();
}

void LineWriter::writeText(std::string_view bytes) {
  if (bytes.size() >= kFlushSize) {  // enough to go out as it is, without a copy
    flush();
    writeOut(bytes.data(), bytes.size());
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushSize) flush();
}

void LineWriter::writeOut(const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t done = io_.write(fd_, data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) throwFileError(kCannotWrite, path(), errno);
    if (done == 0) throwFileError(kCannotWrite, path(), ENOSPC);
    data += done;
    size -= static_cast<std::size_t>(done);
  }
}

void LineWriter::flush() {
  writeOut(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void LineWriter::close() {
  if (fd_ < 0) return;
  flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throwFileError(kCannotWrite, path(), errno);
}

void LineWriter::commit() {
  close();
  if (!inPlace_ || temporary_ != name_) folder_->replace(temporary_, name_);
  settle();
}

void LineWriter::settle() {
  committed_ = true;
  pending_files::forget(pendingSlot_);
  pendingSlot_ = -1;
}

int LineWriter::commitAs(const std::string& name) {
  close();
  const int error = folder_->claim(temporary_, name, io_);
  if (error == 0) {
    name_ = name;
    temporary_ = name;
    settle();
  }
  return error;
}

}  // namespace palvren
