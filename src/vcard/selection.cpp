#include "vcard/selection.h"

#include <string_view>

#include "platform/file_system.h"

namespace palvren {

namespace {
constexpr char kNul = '\0';
}  // namespace

std::string FileSelection::toText() const {
  std::string text = folder;
  for (const std::string& name : names) {
    text.push_back(kNul);
    text += name;
  }
  return text;
}

FileSelection FileSelection::fromText(const std::string& text) {
  FileSelection selection;
  std::size_t nul = text.find(kNul);
  selection.folder = text.substr(0, nul);
  if (nul == std::string::npos) return selection;
  std::string_view rest = std::string_view(text).substr(nul + 1);
  if (rest.find(kNul) == std::string_view::npos) return selection;
  while (true) {
    nul = rest.find(kNul);
    selection.names.emplace_back(rest.substr(0, nul));
    if (nul == std::string_view::npos) return selection;
    rest.remove_prefix(nul + 1);
  }
}

std::optional<FileSelection> filesOfOneFolder(const std::vector<std::string>& paths) {
  if (paths.empty()) return std::nullopt;
  FileSelection selection{parentFolder(paths.front()), {}};
  for (const std::string& path : paths) {
    if (parentFolder(path) != selection.folder) return std::nullopt;
    selection.names.push_back(fileNameOf(path));
  }
  return selection;
}

std::string folderSelectionText(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder != "/") folder.push_back('/');
  return folder;
}

}  // namespace palvren
