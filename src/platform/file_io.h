#pragma once

#include <sys/types.h>

#include <cstddef>

namespace palvren {

// Asks the system to back a large buffer, not yet written to, with large pages: one page fault
// where there would be hundreds (reading a file of hundreds of megabytes took more time faulting
// its pages in than reading it). A hint only; nothing changes where it is not taken.
void adviseLargeBuffer(void* buffer, std::size_t size);

// The creation, reads and writes of files, behind one seam: the operations take one, so that
// tests can hand them a disk that fails as a full or failing one would.
class FileIo {
 public:
  virtual ~FileIo() = default;
  // As read(2) and write(2): the count done, or -1 with errno set.
  virtual ssize_t read(int fd, void* buffer, std::size_t size);
  virtual ssize_t write(int fd, const void* data, std::size_t size);
  // As openat(2) creating a file: the descriptor, or -1 with errno set.
  virtual int create(int folder, const char* name, int flags, mode_t mode);
  // Moves from to to within folder unless anything at all stands at to: 0, or the errno value
  // (EEXIST when the name is taken).
  virtual int moveWithoutReplacing(int folder, const char* from, const char* to);
};

// The system's own reads and writes.
FileIo& systemFileIo();

}  // namespace palvren
