#include "driver/held_input.h"

#include "platform/file_system.h"
#include "platform/text.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

HeldInput nothingHeld(Message why) {
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
  if (paths.empty()) return nothingHeld({});
  HeldInput held;
  if (paths.size() == 1 && folderExists(paths[0])) {
    held.mode = RunMode::Recombine;
    held.input = RunInput::folder(paths[0]);
    held.folder = paths[0];
    held.status = Message(
        PALVREN_TEXT("Run", "Holding the folder \"%1\": click Run Now to recombine its files."),
        {fileNameOf(paths[0])});
    return held;
  }
  for (const std::string& path : paths) {
    if (!fileExists(path)) {
      return nothingHeld(
          Message(PALVREN_TEXT("Run", "\"%1\" is not a file or folder; nothing is held."),
                  {fileNameOf(path)}));
    }
  }
  held.folder = parentFolder(paths[0]);
  if (paths.size() == 1) {
    held.mode = currentMode == RunMode::Export ? RunMode::Export : RunMode::Split;
    if (isCsvFileName(paths[0])) held.mode = RunMode::Import;
    held.input = RunInput::file(paths[0]);
    const TextId holding = held.mode == RunMode::Export
                               ? PALVREN_TEXT("Run", "Holding \"%1\": click Run Now to export it.")
                           : held.mode == RunMode::Import
                               ? PALVREN_TEXT("Run", "Holding \"%1\": click Run Now to import it.")
                               : PALVREN_TEXT("Run", "Holding \"%1\": click Run Now to split it.");
    held.status = Message(holding, {fileNameOf(paths[0])});
    return held;
  }
  std::optional<FileSelection> selection = filesOfOneFolder(paths);
  if (!selection) {
    return nothingHeld(Message(PALVREN_TEXT(
        "Run", "Files from several folders cannot be merged together; nothing is held.")));
  }
  held.mode = RunMode::Merge;
  held.input = RunInput::files(std::move(*selection));
  held.status = Message(
      PALVREN_COUNTED_TEXT("Run", "Holding %n files of \"%1\": click Run Now to merge them."),
      static_cast<long long>(paths.size()), {fileNameOf(held.folder)});
  return held;
}

}  // namespace palvren
