#pragma once

#include <optional>
#include <string>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"

namespace palvren {

// Number of contact starts in an input (0 when no file stands there); writes both status lines.
// The count is not capped: callers refuse more than kMaxCount.
int countContacts(const std::optional<OpenInput>& input, RunProgress& ui,
                  FileIo& io = systemFileIo());

// Number of files with a .vcf extension (any case) directly inside folder, but for the combined
// files a recombine writes (which it does not read).
int countVcfFiles(const std::string& folder);

}  // namespace palvren
