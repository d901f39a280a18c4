#include "platform/output_folder.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/pending_files.h"

namespace palvren {

namespace {

// A name no other run uses: a random start drawn once per process, then a counter mixed in.
// Exclusive creation makes it safe whatever stands in the folder; the randomness only keeps runs
// from bumping into each other's names.
std::string freshHiddenName() {
  static const unsigned long long start = [] {
    unsigned long long random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random) {
      random = static_cast<unsigned long long>(::getpid()) << 32 ^
               static_cast<unsigned long long>(std::time(nullptr));
    }
    return random;
  }();
  static unsigned long long sequence = 0;
  const unsigned long long mixed = (start + ++sequence) * 0x9e3779b97f4a7c15ULL;
  char name[40];
  std::snprintf(name, sizeof name, ".palvren-%016llx.part", mixed ^ (mixed >> 29));
  return name;
}

int openFolder(int at, const std::string& path, int extraFlags) {
  return ::openat(at, path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | extraFlags);
}

}  // namespace

OutputFolder::OutputFolder(const std::string& path)
    : fd_(openFolder(AT_FDCWD, path.empty() ? "." : path, 0)), path_(path) {
  if (fd_ < 0) throwFileError(kCannotOpenFolder, path, errno);
}

OutputFolder OutputFolder::holding(const std::string& filePath) {
  const std::string path = parentFolder(filePath);
  const int fd = openFolder(AT_FDCWD, path.empty() ? "." : path, 0);
  if (fd < 0) throwFileError(kCannotCreate, filePath, errno);
  return OutputFolder(fd, path);
}

OutputFolder OutputFolder::subfolder(const std::string& parentPath, const std::string& name,
                                     bool* created) {
  OutputFolder parent(parentPath);
  const std::string path = parent.pathOf(name);
  bool made = ::mkdirat(parent.fd_, name.c_str(), 0755) == 0;
  if (!made && errno != EEXIST) throwFileError(kCannotCreateFolder, path, errno);
  if (created) *created = made;
  const int fd = openFolder(parent.fd_, name, O_NOFOLLOW);
  if (fd >= 0) return OutputFolder(fd, path);
  const int error = errno;
  struct stat info;
  if (::fstatat(parent.fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
      S_ISLNK(info.st_mode)) {
    throw OperationError(Message(
        PALVREN_TEXT("Files",
                     "\"%1\" is a link, not a folder. Remove or rename it, then try again."),
        {path}));
  }
  if (error == ENOTDIR) {
    throw OperationError(Message(PALVREN_TEXT("Files",
                                              "\"%1\" is in the way: it is not a folder. Remove "
                                              "or rename it, then try again."),
                                 {path}));
  }
  throwFileError(kCannotOpenFolder, path, error);
}

OutputFolder::~OutputFolder() {
  if (fd_ >= 0) ::close(fd_);
}

OutputFolder::OutputFolder(OutputFolder&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

std::string OutputFolder::pathOf(const std::string& name) const {
  if (path_.empty()) return name;
  return path_.back() == '/' ? path_ + name : path_ + "/" + name;
}

int OutputFolder::createTemporary(const std::string& forName, std::string& temporary,
                                  FileIo& io) const {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = freshHiddenName();
    const int fd = io.create(fd_, temporary.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0) return fd;
    if (errno != EEXIST) throwFileError(kCannotCreate, pathOf(forName), errno);
  }
  throwFileError(kCannotCreate, pathOf(forName), EEXIST);
}

void OutputFolder::replace(const std::string& from, const std::string& name) const {
  if (::renameat(fd_, from.c_str(), fd_, name.c_str()) != 0) {
    throwFileError(kCannotWrite, pathOf(name), errno);
  }
}

int OutputFolder::claim(const std::string& from, const std::string& name, FileIo& io) const {
  return io.moveWithoutReplacing(fd_, from.c_str(), name.c_str());
}

void OutputFolder::remove(const std::string& name) const noexcept {
  ::unlinkat(fd_, name.c_str(), 0);
}

}  // namespace palvren
