#include "vcard/output_plan.h"

#include <cerrno>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace palvren {

std::string splitFolderName(const OutputPlan& plan) {
  return numberedName("Split-vCards", plan.splitFolderNumber);
}

std::string commitResult(LineWriter& output, const std::string& baseName, const OutputPlan& plan) {
  if (plan.replaceResult) {
    output.commit();
    return output.path();
  }
  constexpr int kTries = 1000;  // another run taking names as fast as this one is not waited out
  int error = EEXIST;
  for (int number = plan.resultNumber; number < plan.resultNumber + kTries; ++number) {
    error = output.commitAs(numberedName(baseName, number));
    if (error == 0) return output.path();
    if (error != EEXIST) break;
  }
  throwFileError(kCannotWrite, output.folder().pathOf(numberedName(baseName, plan.resultNumber)),
                 error);
}

}  // namespace palvren
