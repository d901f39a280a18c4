#pragma once

namespace palvren {

// Start-up: refuses a second copy, fills the tag display names, shows the main window and runs
// until it closes. Returns the process exit code.
int runApplication(int argc, char** argv);

}  // namespace palvren
