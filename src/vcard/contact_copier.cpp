#include "vcard/contact_copier.h"

#include "vcard/block_rules.h"

namespace palvren {

void ContactCopier::copy(std::string_view line) {
  if (converter_ == nullptr) return write(line);
  if (isContactBegin(line)) ++depth_;
  if (depth_ == 0) return write(line);
  contact_.emplace_back(line);
  if (isLoadEnd(line) && --depth_ == 0) flush();
}

void ContactCopier::endOfFile() {
  if (!contact_.empty()) flush();
  depth_ = 0;
}

void ContactCopier::flush() {
  writeContact(contact_, ++number_, converter_, output_);
  contact_.clear();
}

std::span<const std::string> writeContact(const std::vector<std::string>& lines, int number,
                                          ContactConverter* converter, LineWriter* output) {
  const std::span<const std::string> written =
      converter ? converter->convert(lines, number) : std::span<const std::string>(lines);
  if (output) {
    for (const std::string& line : written) output->writeLine(line);
  }
  return written;
}

}  // namespace palvren
