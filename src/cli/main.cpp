#include <unistd.h>

#include <iostream>

#include "cli/cli.h"
#include "platform/large_pages.h"
#include "platform/pending_files.h"
#include "redundancy/prompt_context.h"

int main(int argc, char** argv) {
  palvren::restartWithLargePages(argv);
  palvren::pending_files::removeOnInterrupt();
  palvren::Terminal terminal{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0,
                             isatty(STDERR_FILENO) != 0};
  return palvren::runCli(std::vector<std::string>(argv + 1, argv + argc), terminal);
}
