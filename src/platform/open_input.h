#pragma once

#include <optional>
#include <string>

namespace palvren {

// The input file of a run, opened once: every phase reads from this descriptor, and no phase
// reads past the size it had when opened, so that what is appended meanwhile is never seen.
class OpenInput {
 public:
  // Only a regular file is opened (a link to one is followed); anything else is refused with an
  // OperationError, never waited on.
  explicit OpenInput(std::string path);
  ~OpenInput();
  OpenInput(OpenInput&& other) noexcept;
  OpenInput& operator=(OpenInput&& other) noexcept;
  OpenInput(const OpenInput&) = delete;
  OpenInput& operator=(const OpenInput&) = delete;

  // The input when a file stands at path; nothing when none does.
  static std::optional<OpenInput> ifPresent(const std::string& path);

  const std::string& path() const { return path_; }
  int descriptor() const { return fd_; }
  // The size when it was opened.
  long long size() const { return size_; }

 private:
  std::string path_;
  int fd_ = -1;
  long long size_ = 0;
};

}  // namespace palvren
