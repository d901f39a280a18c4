#pragma once

#include <string>

#include "platform/file_io.h"

namespace palvren {

// A folder the program writes into, held open for the whole run: every file is created inside
// this very folder, even when its path is replaced by a link meanwhile. Files are made under
// fresh hidden names with exclusive creation that follows no link, then moved to their names.
class OutputFolder {
 public:
  // The folder at path, one the user chose (a link to a folder is followed). Throws
  // OperationError when it cannot be opened as a folder.
  explicit OutputFolder(const std::string& path);
  // The folder of filePath, a file to be written there; a failure names that file.
  static OutputFolder holding(const std::string& filePath);
  // The subfolder name of the folder at parentPath, created when missing. Anything there but a
  // real folder (a file, or a link, even to a folder) is refused with an OperationError.
  // created tells whether this call made the folder.
  static OutputFolder subfolder(const std::string& parentPath, const std::string& name,
                                bool* created = nullptr);

  ~OutputFolder();
  OutputFolder(OutputFolder&& other) noexcept;
  OutputFolder& operator=(OutputFolder&&) = delete;
  OutputFolder(const OutputFolder&) = delete;
  OutputFolder& operator=(const OutputFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string pathOf(const std::string& name) const;
  int descriptor() const { return fd_; }

  // Creates a new empty file under a fresh hidden name, to become the file forName; returns
  // its descriptor (open for writing) and sets temporary. Throws OperationError naming forName.
  int createTemporary(const std::string& forName, std::string& temporary,
                      FileIo& io = systemFileIo()) const;
  // Moves from to name, replacing what stands there (never through a link: a link at name is
  // itself replaced). Throws OperationError naming the target.
  void replace(const std::string& from, const std::string& name) const;
  // Moves from to name unless anything at all stands there. Returns 0, or the errno value
  // (EEXIST when the name is taken).
  int claim(const std::string& from, const std::string& name, FileIo& io = systemFileIo()) const;
  void remove(const std::string& name) const noexcept;

 private:
  OutputFolder(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

  int fd_ = -1;
  std::string path_;
};

}  // namespace palvren
