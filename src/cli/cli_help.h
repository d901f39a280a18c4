#pragma once

#include <map>
#include <string>

namespace palvren {

// The command line's usage, printed on a mistake and for --help.
const std::string& usageText();
// Each command's own help, by command: also the commands there are.
const std::map<std::string, std::string>& commandHelp();

}  // namespace palvren
