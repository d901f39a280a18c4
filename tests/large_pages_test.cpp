#include "platform/large_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace palvren {
namespace {

std::optional<std::string> variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

// Only the cases that must not start the program over can run here (a restart would run this
// test binary again): what a restarted program finds, and what a person set.
TEST(LargePages, TheRestartedProgramClearsItsOwnSettingAndNeverThePersons) {
  struct Case {
    const char* what;
    const char* tunables;  // GLIBC_TUNABLES before, or null
    bool restarted;        // whether the restart's marker is set
    std::optional<std::string> tunablesAfter;
  };
  const Case cases[] = {
      {"restarted: its own setting is taken back", "glibc.malloc.hugetlb=1", true, std::nullopt},
      {"restarted, the person's own tunables", "glibc.malloc.check=0", true,
       "glibc.malloc.check=0"},
      {"the person's own tunables: no restart", "glibc.malloc.hugetlb=0", false,
       "glibc.malloc.hugetlb=0"},
  };
  char program[] = "palvren";
  char* argv[] = {program, nullptr};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ::setenv("GLIBC_TUNABLES", c.tunables, 1);
    if (c.restarted) ::setenv("PALVREN_LARGE_PAGES", "1", 1);
    restartWithLargePages(argv);
    EXPECT_EQ(variable("GLIBC_TUNABLES"), c.tunablesAfter);
    EXPECT_EQ(variable("PALVREN_LARGE_PAGES"), std::nullopt);
  }
  ::unsetenv("GLIBC_TUNABLES");
}

}  // namespace
}  // namespace palvren
