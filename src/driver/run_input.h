#pragma once

#include <string>
#include <vector>

#include "driver/run_options.h"
#include "vcard/selection.h"

namespace palvren {

// What a run works on: nothing, one file, several files of one folder, or a folder.
struct RunInput {
  enum class Kind { None, File, Files, Folder };
  Kind kind = Kind::None;
  std::string path;                // File: the file; Files: their folder; Folder: the folder,
                                   // ending with "/"
  std::vector<std::string> names;  // Files: their names, exactly as given, in order

  static RunInput file(std::string path);
  static RunInput files(FileSelection selection);
  static RunInput folder(const std::string& path);

  FileSelection selection() const { return {path, names}; }
  bool operator==(const RunInput&) const = default;
};

// The input an operation's file dialog answered with (see FileSelection): a folder's text for
// Recombine ("*.*" when cancelled), several files' text for Merge, a path otherwise; an empty
// text is nothing.
RunInput inputOfSelection(const std::string& text, RunMode mode);

}  // namespace palvren
