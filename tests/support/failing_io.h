#pragma once

#include <cerrno>

#include "platform/file_io.h"

namespace palvren::testing {

// A disk that fails partway: reads fail with an input/output error once readBudget bytes have
// been read, as a failing disk or a vanished network share would; writes fail with "No space
// left on device" once writeBudget bytes have been written. A negative budget never fails.
class FailingFileIo : public FileIo {
 public:
  static FailingFileIo failingReadsAfter(long long bytes) { return FailingFileIo(bytes, -1); }
  static FailingFileIo failingWritesAfter(long long bytes) { return FailingFileIo(-1, bytes); }
  // Every write succeeds in writing nothing, as write(2) may on a full device.
  static FailingFileIo writingNothing() {
    FailingFileIo io(-1, -1);
    io.writesNothing_ = true;
    return io;
  }

  ssize_t read(int fd, void* buffer, std::size_t size) override {
    return spend(readBudget_, EIO, size,
                 [&](std::size_t n) { return FileIo::read(fd, buffer, n); });
  }
  ssize_t write(int fd, const void* data, std::size_t size) override {
    if (writesNothing_) return 0;
    return spend(writeBudget_, ENOSPC, size,
                 [&](std::size_t n) { return FileIo::write(fd, data, n); });
  }

 private:
  FailingFileIo(long long readBudget, long long writeBudget)
      : readBudget_(readBudget), writeBudget_(writeBudget) {}

  template <typename Transfer>
  static ssize_t spend(long long& budget, int error, std::size_t size, Transfer transfer) {
    if (budget == 0) {
      errno = error;
      return -1;
    }
    if (budget > 0 && static_cast<long long>(size) > budget) size = std::size_t(budget);
    const ssize_t done = transfer(size);
    if (done > 0 && budget > 0) budget -= done;
    return done;
  }

  long long readBudget_;
  long long writeBudget_;
  bool writesNothing_ = false;
};

}  // namespace palvren::testing
