#include "driver/run_input.h"

#include "platform/file_system.h"

namespace palvren {

RunInput RunInput::file(std::string path) { return {Kind::File, std::move(path), {}}; }

RunInput RunInput::files(FileSelection selection) {
  return {Kind::Files, std::move(selection.folder), std::move(selection.names)};
}

RunInput RunInput::folder(const std::string& path) {
  return {Kind::Folder, folderSelectionText(path), {}};
}

RunInput inputOfSelection(const std::string& text, RunMode mode) {
  if (text.empty()) return {};
  switch (mode) {
    case RunMode::Recombine:
      if (text == kCancelledFolderSelection) return {};
      return {RunInput::Kind::Folder, text, {}};
    case RunMode::Merge:
      // One file picked in the dialog comes as its path alone.
      if (text.find('\0') == std::string::npos) {
        return RunInput::files({parentFolder(text), {fileNameOf(text)}});
      }
      return RunInput::files(FileSelection::fromText(text));
    case RunMode::Split:
    case RunMode::Export:
    case RunMode::Import:
      break;
  }
  return RunInput::file(text);
}

}  // namespace palvren
