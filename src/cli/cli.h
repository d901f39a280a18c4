#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace palvren {

// Where the command-line companion talks: its streams, and whether each is a terminal.
struct Terminal {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inIsTerminal = false;
  bool errIsTerminal = false;
};

// Exit statuses.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;  // "Nothing to Process" or a usage error

// Runs one command (arguments without the program name) through the same routines as the
// window's Run driver and returns the exit status.
int runCli(const std::vector<std::string>& arguments, Terminal& terminal);

}  // namespace palvren
