#pragma once

#include <string>

#include "platform/file_io.h"
#include "platform/user_interface.h"

namespace palvren {

// Number of contact starts in a file (0 when it does not exist); writes both status lines.
// The count is not capped: callers refuse more than kMaxCount. size receives how many bytes
// were counted, so that later readings of the run see the same file.
int CountContacts(const std::string& path, UserInterface& ui, long long* size = nullptr,
                  FileIo& io = systemFileIo());

// Number of files with a .vcf extension (any case) directly inside folder, but for the combined
// files a recombine writes (which it does not read).
int CountVcfFiles(const std::string& folder);

}  // namespace palvren
