#pragma once

#include <optional>
#include <string>

#include "platform/user_interface.h"
#include "vcard/output_plan.h"

namespace palvren {

// Where a split writes beside inputFile: when its folder already holds files, the person says
// whether to write into a new numbered folder or to add to that one (numbered after the files
// there). Nothing when the person cancels.
std::optional<OutputPlan> planSplitFolder(const std::string& inputFile, UserInterface& ui);

// Where a single result file name goes in folder: when something stands there, the person says
// whether to replace it or to keep both (the new file numbered). Nothing when the person cancels.
std::optional<OutputPlan> planResultFile(const std::string& folder, const std::string& name,
                                         UserInterface& ui);

}  // namespace palvren
