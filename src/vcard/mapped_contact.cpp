#include "vcard/mapped_contact.h"

#include <algorithm>

#include "platform/line_reader.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// The types a tag gives its property: TYPE=a,b values and vCard 2.1 bare parameters. Returns
// whether the tag names an encoding or a charset, in the same reading.
bool typesOf(std::string_view tag, std::vector<std::string>& types) {
  types.clear();
  bool encoded = false;
  forEachParameter(tag, [&](std::string_view name, std::string_view value) {
    if (name.empty()) {
      encoded = encoded || equalsUpper(value, "QUOTED-PRINTABLE") || equalsUpper(value, "BASE64");
      types.push_back(toLowerAscii(value));
    } else if (equalsUpper(name, "ENCODING") || equalsUpper(name, "CHARSET")) {
      encoded = encoded || !value.empty();
    } else if (equalsUpper(name, "TYPE")) {
      while (!value.empty()) {
        const std::size_t comma = value.find(',');
        types.push_back(toLowerAscii(trimSpaces(value.substr(0, comma))));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
      }
    }
    return false;
  });
  return encoded;
}

// Gathers one contact's property lines, joining folded and quoted-printable continuations.
class PropertyCollector {
 public:
  void start() {
    count_ = 0;
    picture_ = false;
  }

  void addLine(std::string_view line, const std::string& file, std::size_t contact) {
    if (line.empty()) return;
    const bool startsProperty = line[0] != ' ' && line[0] != '\t';
    if (picture_ && (!startsProperty || line.find(':') == std::string_view::npos)) return;
    if (count_ > 0) {
      std::string& value = raw_[count_ - 1].second;
      if (!startsProperty) {
        value.append(line.substr(1));
        return;
      }
      if (value.ends_with('=') && isQuotedPrintable(raw_[count_ - 1].first)) {
        value.append(kCrLf);
        value.append(line);
        return;
      }
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      if (count_ > 0) raw_[count_ - 1].second.append(line);  // an unindented base64 line
      return;
    }
    checkContactLines(static_cast<long long>(count_ + 1), contact, file);
    // Earlier contacts' strings are reused: a large file costs few allocations.
    if (count_ == raw_.size()) raw_.emplace_back();
    raw_[count_].first.assign(trimSpaces(line.substr(0, colon)));
    // No cell is for a picture: its value, most of a file that has them, is not kept.
    picture_ = isPicture(raw_[count_].first);
    raw_[count_].second.assign(picture_ ? std::string_view() : line.substr(colon + 1));
    ++count_;
  }

  // The contact's properties, decoded; valid until the next contact starts.
  const std::vector<MappedProperty>& finish() {
    properties_.resize(count_);
    for (std::size_t i = 0; i < count_; ++i) {
      const auto& [tag, value] = raw_[i];
      MappedProperty& property = properties_[i];
      property.tag = tag;
      property.name = toUpperAscii(propertyName(tag));
      const bool encoded = typesOf(tag, property.types);
      setValueText(property.value, tag, value, encoded);
    }
    return properties_;
  }

 private:
  // The value as text: decoded, its line breaks LF as in every other cell, trimmed. A plain
  // UTF-8 value on one line, the common case, is taken as it stands.
  static void setValueText(std::string& text, std::string_view tag, std::string_view value,
                           bool encoded) {
    if (!encoded && value.find('\r') == std::string_view::npos && isValidUtf8(value)) {
      text.assign(trimSpaces(value));
      return;
    }
    text.assign(trimSpaces(replaceAll(displayUtf8(tag, value), kCrLf, "\n")));
  }

  static bool isPicture(std::string_view tag) {
    const std::string_view name = propertyName(tag);
    return equalsUpper(name, "PHOTO") || equalsUpper(name, "LOGO");
  }

  std::vector<std::pair<std::string, std::string>> raw_;
  std::size_t count_ = 0;
  bool picture_ = false;
  std::vector<MappedProperty> properties_;
};

std::string kindByTypes(const MappedProperty& property) {
  const bool fax = property.hasType("fax");
  const bool work = property.hasType("work");
  const bool home = property.hasType("home");
  if (property.name == "TEL") {
    if (property.hasType("cell") || property.hasType("mobile")) return "mobile";
    if (property.hasType("pager")) return "pager";
    if (fax) return work ? "work fax" : home ? "home fax" : "fax";
  }
  return work ? "work" : home ? "home" : "";
}

std::string withoutScheme(std::string_view value, std::string_view upperScheme) {
  return std::string(startsWithUpper(value, upperScheme) ? value.substr(upperScheme.size())
                                                         : value);
}

std::string normalizedBirthday(std::string_view value) {
  const bool digits = value.size() == 8 && std::all_of(value.begin(), value.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) return std::string(value);
  return std::string(value.substr(0, 4)) + "-" + std::string(value.substr(4, 2)) + "-" +
         std::string(value.substr(6, 2));
}

}  // namespace

void appendNonEmpty(std::string& joined, std::string_view part, std::string_view separator) {
  if (part.empty()) return;
  if (!joined.empty()) joined += separator;
  joined += part;
}

namespace {

template <typename Parts>
std::string joinedParts(const Parts& parts, std::string_view separator) {
  std::string joined;
  for (const auto& part : parts) appendNonEmpty(joined, part, separator);
  return joined;
}

}  // namespace

std::string joinNonEmpty(const std::vector<std::string>& parts, std::string_view separator) {
  return joinedParts(parts, separator);
}

std::string joinNonEmpty(std::initializer_list<std::string_view> parts,
                         std::string_view separator) {
  return joinedParts(parts, separator);
}

bool MappedProperty::hasType(std::string_view type) const {
  return std::find(types.begin(), types.end(), type) != types.end();
}

namespace {

// A structured value's first `count` parts; parts beyond them are joined into the last.
std::vector<std::string> partsOf(std::string_view value, std::size_t count) {
  std::vector<std::string> parts = structuredParts(value);
  parts.resize(std::max(parts.size(), count));
  std::string& last = parts[count - 1];
  for (std::size_t k = count; k < parts.size(); ++k) {
    if (parts[k].empty()) continue;
    if (!last.empty()) last += ' ';
    last += parts[k];  // appended in place: a value of many parts is joined in linear time
  }
  parts.resize(count);
  return parts;
}

// The first such property fills the field; a later one is listed with the others.
bool fillOnce(std::string& field, std::string text) {
  if (!field.empty()) return false;
  field = std::move(text);
  return true;
}

// Puts a property into its field; false when no field is for it.
bool placeProperty(MappedContact& contact, const MappedProperty& p) {
  const std::string& name = p.name;
  if (name == "FN") return fillOnce(contact.formattedName, unescapeText(p.value));
  if (name == "NICKNAME") return fillOnce(contact.nickname, unescapeText(p.value));
  if (name == "TITLE") return fillOnce(contact.title, unescapeText(p.value));
  if (name == "BDAY") return fillOnce(contact.birthday, normalizedBirthday(p.value));
  if (name == "N") {
    const bool first = std::all_of(contact.name.begin(), contact.name.end(),
                                   [](const std::string& part) { return part.empty(); });
    if (!first) return false;
    const std::vector<std::string> parts = partsOf(p.value, 5);
    std::copy(parts.begin(), parts.end(), contact.name.begin());
    return true;
  }
  if (name == "ORG") {
    if (!contact.organization.empty()) return false;
    std::vector<std::string> parts = structuredParts(p.value);
    contact.organization = std::move(parts[0]);
    parts.erase(parts.begin());
    contact.department = joinNonEmpty(parts, ", ");
    return true;
  }
  if (name == "NOTE") {
    contact.note = joinNonEmpty({contact.note, unescapeText(p.value)}, "\n");
  } else if (name == "EMAIL") {
    contact.emails.push_back({kindByTypes(p), {withoutScheme(unescapeText(p.value), "MAILTO:")}});
  } else if (name == "TEL") {
    contact.phones.push_back({kindByTypes(p), {withoutScheme(unescapeText(p.value), "TEL:")}});
  } else if (name == "ADR") {
    contact.addresses.push_back({kindByTypes(p), partsOf(p.value, 7)});
  } else if (name == "URL") {
    contact.websites.push_back({kindByTypes(p), {unescapeText(p.value)}});
  } else {
    return false;
  }
  return true;
}

}  // namespace

MappedContact mapContact(const std::vector<MappedProperty>& properties) {
  MappedContact contact;
  for (const MappedProperty& p : properties) {
    // The card's frame, and pictures, have no cell.
    if (p.name == "BEGIN" || p.name == "VERSION" || p.name == "PHOTO" || p.name == "LOGO") {
      continue;
    }
    if (!placeProperty(contact, p) && !p.value.empty()) {
      contact.other.push_back(p.tag + ": " + unescapeText(p.value));
    }
  }
  return contact;
}

void forEachMappedContact(const OpenInput& input, const ContactSink& sink, FileIo& io,
                          RunProgress* ui) {
  const std::string& inputFile = input.path();
  PropertyCollector collector;
  LineReader reader(input, io);
  std::string_view line;
  std::size_t contacts = 0;
  while (reader.readLine(line)) {
    if (!isContactBegin(line)) continue;
    checkFileContacts(static_cast<long long>(++contacts), inputFile);
    collector.start();
    while (reader.readLine(line) && !isExportEnd(line)) {
      collector.addLine(line, inputFile, contacts);
    }
    sink(collector.finish());
    if (ui) ui->yield();
  }
}

}  // namespace palvren
