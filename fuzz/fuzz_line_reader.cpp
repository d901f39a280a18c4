#include <cstdint>
#include <cstdlib>

#include "fuzz_support.h"
#include "platform/line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  palvren::LineReader reader(palvren::fuzz::writeInput(data, size));
  std::string_view line;
  size_t total = 0;
  while (reader.readLine(line)) {
    if (line.find('\r') != std::string_view::npos) std::abort();  // a CR always ends a line
    total += line.size();
  }
  if (total > size) std::abort();
  return 0;
}
