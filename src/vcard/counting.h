#pragma once

#include <optional>
#include <string>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"

namespace palvren {

// What a split must know of its input before it writes anything: its blocks, or why it cannot
// number them.
struct SplitSurvey {
  int blocks = 0;
  Message refusal;  // the limit the input exceeds, in the refusal's words; empty when none
};

// Number of contact starts in an input (0 when no file stands there); writes both status lines.
// The count is not capped: callers refuse more than kMaxCount. With survey, the same reading
// also takes the split's survey, so that a split need not read its input for it again.
int countContacts(const std::optional<OpenInput>& input, RunProgress& ui,
                  FileIo& io = systemFileIo(), SplitSurvey* survey = nullptr);
// The split's survey alone, for a split that was not counted first.
SplitSurvey surveySplit(const OpenInput& input, FileIo& io = systemFileIo());

// Number of files with a .vcf extension (any case) directly inside folder, but for the combined
// files a recombine writes (which it does not read).
int countVcfFiles(const std::string& folder);

}  // namespace palvren
