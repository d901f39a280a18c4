#include "platform/file_io.h"

#include <fcntl.h>
#include <unistd.h>

namespace palvren {

ssize_t FileIo::read(int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); }

ssize_t FileIo::write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}

int FileIo::create(int folder, const char* name, int flags, mode_t mode) {
  return ::openat(folder, name, flags, mode);
}

FileIo& systemFileIo() {
  static FileIo system;
  return system;
}

}  // namespace palvren
