#include "driver/held_input.h"

#include "platform/file_system.h"
#include "platform/text.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

HeldInput nothingHeld(std::string why) {
  HeldInput held;
  held.status = std::move(why);
  return held;
}

// A spreadsheet's file, by its extension in any case.
bool isCsvFileName(const std::string& path) {
  const std::string name = toLowerAscii(fileNameOf(path));
  return name.ends_with(".csv");
}

}  // namespace

HeldInput holdPaths(const std::vector<std::string>& paths, RunMode currentMode) {
  if (paths.empty()) return nothingHeld("");
  HeldInput held;
  if (paths.size() == 1 && folderExists(paths[0])) {
    held.mode = RunMode::Recombine;
    held.input = RunInput::folder(paths[0]);
    held.folder = paths[0];
    held.status = "Holding the folder \"" + fileNameOf(paths[0]) +
                  "\": click Run Now to recombine its files.";
    return held;
  }
  for (const std::string& path : paths) {
    if (!fileExists(path)) {
      return nothingHeld("\"" + fileNameOf(path) + "\" is not a file or folder; nothing is held.");
    }
  }
  held.folder = parentFolder(paths[0]);
  if (paths.size() == 1) {
    held.mode = currentMode == RunMode::Export ? RunMode::Export : RunMode::Split;
    if (isCsvFileName(paths[0])) held.mode = RunMode::Import;
    held.input = RunInput::file(paths[0]);
    const char* verb = held.mode == RunMode::Export   ? "export"
                       : held.mode == RunMode::Import ? "import"
                                                      : "split";
    held.status = "Holding \"" + fileNameOf(paths[0]) + "\": click Run Now to " + verb + " it.";
    return held;
  }
  std::optional<FileSelection> selection = filesOfOneFolder(paths);
  if (!selection) {
    return nothingHeld("Files from several folders cannot be merged together; nothing is held.");
  }
  held.mode = RunMode::Merge;
  held.input = RunInput::files(std::move(*selection));
  held.status = "Holding " + std::to_string(paths.size()) + " files of \"" +
                fileNameOf(held.folder) + "\": click Run Now to merge them.";
  return held;
}

}  // namespace palvren
