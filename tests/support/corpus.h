#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

namespace palvren::testing {

// The .vcf files of the shared corpus of real-world vCards, in name order; none where the
// corpus is absent (a clone outside the workplace).
inline std::vector<std::filesystem::path> corpusFiles() {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(PALVREN_CORPUS_DIR, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_regular_file() && it->path().extension() == ".vcf") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace palvren::testing

// Skips a test without the corpus, except on CI, where its absence is a fault.
#define PALVREN_REQUIRE_CORPUS(files)                                       \
  if ((files).empty()) {                                                    \
    if (std::getenv("CI")) FAIL() << "no corpus at " << PALVREN_CORPUS_DIR; \
    GTEST_SKIP() << "no corpus at " << PALVREN_CORPUS_DIR;                  \
  }
