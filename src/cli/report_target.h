#pragma once

#include <string>
#include <vector>

namespace palvren {

// What a run's report may not be written over: the files the run reads, the folder a split
// writes (a folder named Split-vCards, numbered or not, beside the input), and the combined
// file a merge or recombine writes in outputFolder.
struct RunFiles {
  std::vector<std::string> inputs;
  std::string splitBeside;   // a split: the input's folder
  std::string outputFolder;  // a merge or recombine: the folder of the combined file
  std::string resultName;    // an import: the name of its file there, numbered or not
};

// Why the report may not go to path (absolute); "" when it may.
std::string reportRefusal(const std::string& path, const RunFiles& files);

}  // namespace palvren
