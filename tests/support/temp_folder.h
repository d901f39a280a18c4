#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palvren::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Writes bytes exactly as given and returns the file's path.
  std::string write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Names of the files directly in a folder, sorted.
std::vector<std::string> fileNames(const std::string& folder);
// Joins lines, each followed by CR LF.
std::string crlfLines(const std::vector<std::string>& lines);

}  // namespace palvren::testing
