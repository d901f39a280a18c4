#pragma once

#include <string>

#include "platform/line_writer.h"

namespace palvren {

// Where a run writes, as the person chose when an earlier result stood in the way. The defaults
// are those of a first run: the plain names, and an earlier file of the result's name replaced.
struct OutputPlan {
  int splitFolderNumber = 1;   // "Split-vCards", or numbered "Split-vCards (n)"
  int firstContactNumber = 1;  // of the numbered contact files
  int resultNumber = 1;        // a single result file's name, numbered as numberedName does
  bool replaceResult = true;   // false: the name is taken only where nothing stands, or the next
                               // free number after it
};

// What an operation wrote: so many contacts or files, at path (a folder or a file). A count of 0
// means nothing usable was written.
struct Written {
  int count = 0;
  std::string path;
};

// The split folder's name under the plan.
std::string splitFolderName(const OutputPlan& plan);

// Puts output in place under baseName numbered by the plan, replacing an earlier file or taking
// the first free number, and returns its path. Throws OperationError when that fails.
std::string commitResult(LineWriter& output, const std::string& baseName, const OutputPlan& plan);

}  // namespace palvren
