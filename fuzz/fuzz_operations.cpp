// Split (plain, named, and with the redundancy check's loader, cleaner, both passes with either
// match rule, and writer) and the CSV export in each format, through the run driver, on any
// bytes.
#include <cstdint>
#include <cstdlib>

#include "driver/run_driver.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string input = palvren::fuzz::writeInput(data + 1, size - 1);
  palvren::fuzz::FuzzUserInterface ui(data[0]);
  const palvren::RunMode mode = (data[0] & 16) ? palvren::RunMode::Export : palvren::RunMode::Split;
  palvren::runOperation(palvren::RunInput::file(input), ui.options(mode), ui);
  return 0;
}
