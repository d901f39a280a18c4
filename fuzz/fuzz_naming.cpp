#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/text.h"
#include "vcard/merge_recombine.h"
#include "vcard/naming.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  palvren::ContactLines lines(1);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  const std::string stem = palvren::nameFromContactLines(lines);
  if (stem.find('/') != std::string::npos || stem.find('\0') != std::string::npos) std::abort();
  const std::string cleaned = palvren::cleanNameText(text);
  if (cleaned.size() > text.size() || palvren::trimSpaces(cleaned) != cleaned) std::abort();
  palvren::swapFirstWord(cleaned);
  palvren::emailLocalPart(text);
  std::string next = palvren::nextUniqueName("/folder/" + text);
  for (int i = 0; i < 3 && !next.empty(); ++i) next = palvren::nextUniqueName(next);
  palvren::FileSelection::fromText(text);
  return 0;
}
