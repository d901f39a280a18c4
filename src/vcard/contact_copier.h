#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_writer.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// Writes the lines of a merge or recombine: as read without a converter; with one, each contact
// (its BEGIN line through its END line, cards inside it included) converted, and lines between
// contacts as read. Contacts are numbered on across every file copied. Without an output, the
// contacts are converted for the converter's log and nothing is written.
class ContactCopier {
 public:
  ContactCopier(LineWriter* output, ContactConverter* converter)
      : output_(output), converter_(converter) {}

  void copy(std::string_view line);
  // A file has ended: a contact it left open is converted as it stands.
  void endOfFile();

 private:
  void flush();

  void write(std::string_view line) {
    if (output_) output_->writeLine(line);
  }

  LineWriter* output_;
  ContactConverter* converter_;
  std::vector<std::string> contact_;
  int depth_ = 0;
  int number_ = 0;
};

// Writes a contact's lines, converted when a converter is given; returns the lines written,
// valid until the next conversion.
std::span<const std::string> writeContact(const std::vector<std::string>& lines, int number,
                                          ContactConverter* converter, LineWriter* output);

}  // namespace palvren
