#pragma once

#include <string>

namespace palvren::bench {

// The shapes of address books that stress the passes and the export.
enum class Shape {
  Mixed,          // every contact its own numbers, address and e-mail
  SharedNumbers,  // every contact also has one of two switchboard numbers, under its own name
  SharedAddress,  // every contact also has one office address, under its own name
  SharedNames,    // every other contact is "Ann Lee", with its own numbers
  WideNotes,      // notes folded with a colon in their continuation: thousands of CSV columns
};

struct GeneratorOptions {
  Shape shape = Shape::Mixed;
  int contacts = 32767;
  int photoPercent = 10;
  int duplicatePercent = 0;  // exact copies of an earlier contact
  int similarPercent = 0;    // an earlier contact's e-mail under another name
  unsigned seed = 1;
};

// A realistic multiple-contact file: several telephone numbers and e-mail addresses, addresses,
// folded notes, non-ASCII names, and a share of base64 photos; CR LF line ends.
std::string generateContacts(const GeneratorOptions& options);

}  // namespace palvren::bench
