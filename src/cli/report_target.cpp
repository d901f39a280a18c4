#include "cli/report_target.h"

#include <sys/stat.h>

#include "platform/file_system.h"
#include "vcard/merge_recombine.h"

namespace palvren {

namespace {

// A file's identity, links followed; nothing when nothing is there.
struct Identity {
  dev_t device = 0;
  ino_t inode = 0;
  bool exists = false;
  bool operator==(const Identity& other) const {
    return exists && other.exists && device == other.device && inode == other.inode;
  }
};

Identity identityOf(const std::string& path) {
  struct stat info;
  if (::stat(path.empty() ? "/" : path.c_str(), &info) != 0) return {};
  return {info.st_dev, info.st_ino, true};
}

bool namesSplitFolder(const std::string& name) { return numberOfName(name, "Split-vCards") > 0; }

}  // namespace

std::string reportRefusal(const std::string& path, const RunFiles& files) {
  const Identity report = identityOf(path);
  for (const std::string& input : files.inputs) {
    if (report == identityOf(input)) return "it is an input of this run";
  }
  const std::string folder = parentFolder(path);
  if (!files.splitBeside.empty() && namesSplitFolder(fileNameOf(folder)) &&
      identityOf(parentFolder(folder)) == identityOf(files.splitBeside)) {
    return "it lies in the folder a split writes its contact files into";
  }
  const std::string name = fileNameOf(path);
  const bool result = files.resultName.empty() ? isCombinedFileName(name)
                                               : numberOfName(name, files.resultName) > 0;
  if (!files.outputFolder.empty() && result &&
      identityOf(folder) == identityOf(files.outputFolder)) {
    return files.resultName.empty() ? "it is the combined file this run writes"
                                    : "it is the file this run writes";
  }
  return std::string();
}

}  // namespace palvren
