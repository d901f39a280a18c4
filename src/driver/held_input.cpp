#include "driver/held_input.h"

#include "driver/run_driver.h"
#include "platform/file_system.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

HeldInput nothingHeld(std::string why) {
  HeldInput held;
  held.status = std::move(why);
  return held;
}

}  // namespace

HeldInput HoldPaths(const std::vector<std::string>& paths, int currentRunMode) {
  if (paths.empty()) return nothingHeld("");
  HeldInput held;
  if (paths.size() == 1 && folderExists(paths[0])) {
    held.runMode = kRecombine;
    held.selection = folderSelectionText(paths[0]);
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
    held.runMode = currentRunMode == kExport ? kExport : kSplit;
    held.selection = paths[0];
    held.status = "Holding \"" + fileNameOf(paths[0]) + "\": click Run Now to " +
                  (held.runMode == kExport ? "export" : "split") + " it.";
    return held;
  }
  FileSelection selection{held.folder, {}};
  for (const std::string& path : paths) {
    if (parentFolder(path) != held.folder) {
      return nothingHeld("Files from several folders cannot be merged together; nothing is held.");
    }
    selection.names.push_back(fileNameOf(path));
  }
  held.runMode = kMerge;
  held.selection = selection.toText();
  held.status = "Holding " + std::to_string(paths.size()) + " files of \"" +
                fileNameOf(held.folder) + "\": click Run Now to merge them.";
  return held;
}

}  // namespace palvren
