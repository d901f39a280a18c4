// Split (plain, named, and with the redundancy check's loader, cleaner, both passes with either
// match rule, and writer, as read or converted to each version) and the CSV export in each
// format, and the CSV import, through the run driver, on any bytes. The first byte chooses the
// options; the last the version and the import.
#include <cstdint>
#include <cstdlib>

#include "driver/run_driver.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string input = palvren::fuzz::writeInput(data + 1, size - 2);
  palvren::fuzz::FuzzUserInterface ui(data[0]);
  const uint8_t last = data[size - 1];
  palvren::RunMode mode = (data[0] & 16) ? palvren::RunMode::Export : palvren::RunMode::Split;
  if ((last & 0x30) == 0x30) mode = palvren::RunMode::Import;
  palvren::RunOptions options = ui.options(mode);
  options.vcardVersion = static_cast<palvren::VcardVersion>(last & 3);
  palvren::runOperation(palvren::RunInput::file(input), options, ui);
  return 0;
}
