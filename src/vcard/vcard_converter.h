#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/message.h"
#include "vcard/vcard_version.h"

namespace palvren {

// What converting a run's contacts changed beyond their form, contact by contact.
struct ConversionLog {
  int contacts = 0;
  // "contact 12: N and FN decoded from Shift_JIS quoted-printable; FN made from N"
  std::vector<std::string> entries;
  // Values no decoding explained, written as they were read.
  int valuesAsRead = 0;
};

// Writes contacts in one version of vCard: every value decoded (folded lines, quoted-printable,
// base64, any CHARSET) and written in the version's own form (UTF-8, escapes, parameters,
// pictures, lines folded at 75 octets), with what the version requires added (FN, N) and what it
// has no place for moved where it has one. Nothing is dropped: a value that cannot be decoded is
// written as read (in 4.0 as an X- property holding its bytes in base64), and the log says so.
class ContactConversion;
class ContactConverter {
 public:
  // Without repairs, nothing is added that the contact lacks (FN, N): a merge converts two
  // contacts so, and repairs what they make together.
  explicit ContactConverter(VcardVersion target, bool repairs = true);
  ~ContactConverter();
  ContactConverter(const ContactConverter&) = delete;
  ContactConverter& operator=(const ContactConverter&) = delete;

  VcardVersion target() const { return target_; }
  // One contact's lines as read (BEGIN through END; a line may hold several, joined by CR LF)
  // in the target's form, BEGIN through END, valid until the next conversion. number names the
  // contact in the log.
  std::span<const std::string> convert(std::span<const std::string> lines, int number);
  // The same, the converted lines put in place of lines.
  void convertInPlace(std::vector<std::string>& lines, int number);

  const ConversionLog& log() const { return log_; }
  // Takes in the log of another converter that converted some of the same run's contacts; the
  // entries stay in the order of their contacts' numbers.
  void absorb(const ConversionLog& other);
  // The log as a report: a line on the whole, then one line per contact changed.
  std::string report() const;
  // The success message's line: "Written as vCard 3.0." and, when values were written as read,
  // how many.
  Message summary() const;

 private:
  VcardVersion target_;
  ConversionLog log_;
  std::unique_ptr<ContactConversion> conversion_;
};

}  // namespace palvren
