#pragma once

#include <string>

namespace palvren::bench {

struct GeneratorOptions {
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
