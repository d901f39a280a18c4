// The line reader, and the value decoders on every line it gives: display text is always UTF-8,
// and a text stored for a field reads back as typed.
#include <cstdint>
#include <cstdlib>

#include "fuzz_support.h"
#include "platform/line_reader.h"
#include "platform/text.h"
#include "vcard/value_decoding.h"

namespace {

void checkDecoders(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return;
  const std::string_view tag = line.substr(0, colon);
  const std::string_view value = line.substr(colon + 1);
  const std::string shown = palvren::displayUtf8(tag, value);
  if (!palvren::isValidUtf8(shown)) std::abort();
  const std::optional<std::string> stored = palvren::encodeTypedValue(tag, shown, value);
  if (stored && palvren::displayUtf8(tag, *stored) != shown) std::abort();
  (void)palvren::inlineImage(tag, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  palvren::LineReader reader(palvren::fuzz::writeInput(data, size));
  std::string_view line;
  size_t total = 0;
  while (reader.readLine(line)) {
    if (line.find('\r') != std::string_view::npos) std::abort();  // a CR always ends a line
    total += line.size();
    checkDecoders(line);
  }
  if (total > size) std::abort();
  return 0;
}
