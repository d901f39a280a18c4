#include "platform/large_pages.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace palvren {

namespace {

constexpr char kTunables[] = "GLIBC_TUNABLES";
constexpr char kLargePages[] = "glibc.malloc.hugetlb=1";
// Set beside the tunable by the restart, so that the restarted program knows the tunable is its
// own to take back.
constexpr char kRestarted[] = "PALVREN_LARGE_PAGES";

}  // namespace

void restartWithLargePages(char** argv) {
  if (std::getenv(kRestarted) != nullptr) {
    const char* tunables = std::getenv(kTunables);
    if (tunables != nullptr && std::strcmp(tunables, kLargePages) == 0) ::unsetenv(kTunables);
    ::unsetenv(kRestarted);
    return;
  }
  if (std::getenv(kTunables) != nullptr) return;
  if (::setenv(kTunables, kLargePages, 0) != 0 || ::setenv(kRestarted, "1", 1) != 0) return;
  ::execv("/proc/self/exe", argv);
  ::unsetenv(kTunables);  // no restart: go on as started
  ::unsetenv(kRestarted);
}

}  // namespace palvren
