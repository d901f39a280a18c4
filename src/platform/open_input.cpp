#include "platform/open_input.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace palvren {

OpenInput::OpenInput(std::string path) : path_(std::move(path)), fd_(openRegularFile(path_)) {
  struct stat info;
  if (::fstat(fd_, &info) != 0) {
    const int error = errno;
    ::close(fd_);
    throwFileError(kCannotRead, path_, error);
  }
  size_ = info.st_size;
}

OpenInput::~OpenInput() {
  if (fd_ >= 0) ::close(fd_);
}

OpenInput::OpenInput(OpenInput&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_), size_(other.size_) {
  other.fd_ = -1;
}

OpenInput& OpenInput::operator=(OpenInput&& other) noexcept {
  std::swap(path_, other.path_);
  std::swap(fd_, other.fd_);
  std::swap(size_, other.size_);
  return *this;
}

std::optional<OpenInput> OpenInput::ifPresent(const std::string& path) {
  if (!fileExists(path)) return std::nullopt;
  return OpenInput(path);
}

}  // namespace palvren
