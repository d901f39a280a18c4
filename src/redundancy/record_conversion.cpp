#include "redundancy/record_conversion.h"

#include "platform/text.h"
#include "vcard/value_decoding.h"
#include "vcard/vcard_converter.h"

namespace palvren {

std::vector<std::string> recordLines(const ContactRecord& record) {
  std::vector<std::string> lines{"BEGIN:VCARD"};
  for (int k = 1; k <= record.orderCount(); ++k) {
    const std::string_view tag = record.tagAt(k);
    const std::string_view value = record.valueAt(k);
    if (tag.empty() || value.empty() || equalsUpper(tag, "BEGIN")) continue;
    lines.push_back(std::string(tag) + ":" + std::string(value));
  }
  return lines;
}

VcardVersion versionOfRecord(const ContactRecord& record) {
  for (int k = 1; k <= record.orderCount(); ++k) {
    if (!equalsUpper(trimSpaces(record.tagAt(k)), "VERSION")) continue;
    const std::optional<VcardVersion> version = versionNamed(trimSpaces(record.valueAt(k)));
    return version.value_or(VcardVersion::AsRead);
  }
  return VcardVersion::AsRead;
}

namespace {

// Whether a physical line of converted output continues the property before it: a folded line,
// a line after a quoted-printable soft break, or a line without a tag.
bool continuesProperty(std::string_view line, std::string_view previous, bool quotedPrintable) {
  if (line.empty() || line[0] == ' ' || line[0] == '\t') return true;
  if (quotedPrintable && previous.ends_with('=')) return true;
  return line.find(':') == std::string_view::npos;
}

}  // namespace

ContactRecord convertedRecord(const ContactRecord& record, VcardVersion version, bool repairs) {
  ContactConverter converter(version, repairs);
  const std::span<const std::string> lines = converter.convert(recordLines(record), 0);
  ContactRecord converted;
  std::string tag;
  std::string value;
  std::string_view previous;
  const auto flush = [&] {
    if (!tag.empty()) converted.appendLine(tag, value);
  };
  for (const std::string& line : lines) {
    if (!tag.empty() && continuesProperty(line, previous, isQuotedPrintable(tag))) {
      value.append(kCrLf).append(line);
    } else {
      flush();
      const std::size_t colon = line.find(':');
      tag = line.substr(0, colon);
      value = colon == std::string::npos ? std::string() : line.substr(colon + 1);
    }
    previous = line;
  }
  flush();
  return converted;
}

}  // namespace palvren
