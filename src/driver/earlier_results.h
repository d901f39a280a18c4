#pragma once

#include <optional>
#include <string>

#include "driver/run_options.h"
#include "driver/user_interface.h"
#include "vcard/output_plan.h"

namespace palvren {

// Where a split writes beside inputFile: when its folder already holds files, the person says
// whether to write into a new numbered folder or to add to that one (numbered after the files
// there), unless the policy already says. Nothing when the person cancels.
std::optional<OutputPlan> planSplitFolder(const std::string& inputFile, EarlierPolicy policy,
                                          UserInterface& ui);

// Where a single result file name goes in folder: when something stands there, the person says
// whether to replace it or to keep both (the new file numbered), unless the policy already says.
// Nothing when the person cancels.
std::optional<OutputPlan> planResultFile(const std::string& folder, const std::string& name,
                                         EarlierPolicy policy, UserInterface& ui);

}  // namespace palvren
