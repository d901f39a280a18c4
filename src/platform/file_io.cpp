#include "platform/file_io.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace palvren {

void adviseLargeBuffer(void* buffer, std::size_t size) {
  constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
  const std::uintptr_t start =
      (reinterpret_cast<std::uintptr_t>(buffer) + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(buffer) + size) & ~(kLargePage - 1);
  if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

ssize_t FileIo::read(int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); }

ssize_t FileIo::write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}

int FileIo::create(int folder, const char* name, int flags, mode_t mode) {
  return ::openat(folder, name, flags, mode);
}

int FileIo::moveWithoutReplacing(int folder, const char* from, const char* to) {
  if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // File systems without the no-replace move: a hard link never replaces either.
  if (::linkat(folder, from, folder, to, 0) != 0) return errno;
  ::unlinkat(folder, from, 0);
  return 0;
}

FileIo& systemFileIo() {
  static FileIo system;
  return system;
}

}  // namespace palvren
