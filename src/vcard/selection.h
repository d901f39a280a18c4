#pragma once

#include <optional>
#include <string>
#include <vector>

namespace palvren {

// What the input dialog hands the run driver, as one text:
// - one file: its path;
// - several files (Merge): their folder, then each name preceded by one NUL;
// - a folder (Recombine): its path ending with "/", or "*.*" when the choice was cancelled.
// Names are kept exactly as given, spaces included.
struct FileSelection {
  std::string folder;
  std::vector<std::string> names;

  // The text of several files of one folder.
  std::string toText() const;
  // The folder and names of a text of several files. A text without a NUL is a folder part
  // alone; a text with one name gives no names.
  static FileSelection fromText(const std::string& text);
};

// The folder and names of paths that all lie in one folder; nothing when they do not (or when
// there are none).
std::optional<FileSelection> filesOfOneFolder(const std::vector<std::string>& paths);

// The text for a chosen folder: its path with exactly one "/" at the end.
std::string folderSelectionText(std::string folder);

// The text of a cancelled folder choice.
inline constexpr char kCancelledFolderSelection[] = "*.*";

}  // namespace palvren
