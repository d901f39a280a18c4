#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/errors.h"

namespace palvren {

namespace fs = std::filesystem;

bool fileExists(const std::string& path) {
  struct stat info;
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool folderExists(const std::string& path) {
  struct stat info;
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int openRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throwFileError(kCannotOpen, path, errno);
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw OperationError(
        Message(PALVREN_TEXT("Files", "Cannot read \"%1\": it is not a regular file."), {path}));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

std::string parentFolder(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string extensionOf(const std::string& path) {
  std::string name = fileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string baseNameOf(const std::string& path) {
  std::string name = fileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool hasVcfExtension(const std::string& path) {
  std::string extension = extensionOf(path);
  return extension.size() == 3 && (extension[0] | 0x20) == 'v' && (extension[1] | 0x20) == 'c' &&
         (extension[2] | 0x20) == 'f';
}

namespace {
// Where " (n)" goes: before the extension of a name that has one, else at the end.
std::size_t numberPlace(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name.size() : dot;
}
}  // namespace

std::string numberedName(const std::string& name, int number) {
  if (number <= 1) return name;
  const std::size_t place = numberPlace(name);
  return name.substr(0, place) + " (" + std::to_string(number) + ")" + name.substr(place);
}

int numberOfName(const std::string& name, const std::string& base) {
  if (name == base) return 1;
  const std::size_t place = numberPlace(base);
  const std::string head = base.substr(0, place) + " (";
  const std::string tail = ")" + base.substr(place);
  if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
      name.compare(name.size() - tail.size(), tail.size(), tail) != 0) {
    return 0;
  }
  const std::string digits = name.substr(head.size(), name.size() - head.size() - tail.size());
  if (digits.size() > 9 || digits[0] == '0' ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return 0;
  }
  return std::stoi(digits);
}

bool pathTaken(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

int firstFreeNumber(const std::string& folder, const std::string& name) {
  int number = 2;
  while (pathTaken(folder + "/" + numberedName(name, number))) ++number;
  return number;
}

bool folderHoldsEntries(const std::string& folder) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  return !error && entries != std::filesystem::directory_iterator();
}

std::vector<std::string> listFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(fs::path(folder), error);
  if (error) throwFileError(kCannotReadFolder, folder, error.value());
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) throwFileError(kCannotReadFolder, folder, error.value());
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().native());
  }
  if (error) throwFileError(kCannotReadFolder, folder, error.value());
  std::sort(names.begin(), names.end());
  std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  for (std::string& name : names) name = prefix + name;
  return names;
}

std::string localDateText() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[40];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", local.tm_mon + 1, local.tm_mday,
                local.tm_year + 1900);
  return text;
}

void writeIntoSpecialFile(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throwFileError(kCannotWrite, path, errno);
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) || S_ISREG(info.st_mode)) {
    ::close(fd);
    throwFileError(kCannotWrite, path, EISDIR);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int error = written < 0 ? errno : ENOSPC;
      ::close(fd);
      throwFileError(kCannotWrite, path, error);
    }
    done += static_cast<std::size_t>(written);
  }
  if (::close(fd) != 0) throwFileError(kCannotWrite, path, errno);
}

}  // namespace palvren
