#include "vcard/mapped_contact.h"

#include <algorithm>

#include "platform/line_reader.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// The types a tag gives its property: TYPE=a,b values and vCard 2.1 bare parameters. Returns
// whether the tag names an encoding or a charset, in the same reading. The strings of types are
// reused.
bool typesOf(std::string_view tag, std::vector<std::string>& types) {
  std::size_t count = 0;
  const auto add = [&](std::string_view type) {
    if (count == types.size()) types.emplace_back();
    toLowerAsciiInto(type, types[count++]);
  };
  bool encoded = false;
  forEachParameter(tag, [&](std::string_view name, std::string_view value) {
    if (name.empty()) {
      encoded = encoded || equalsUpper(value, "QUOTED-PRINTABLE") || equalsUpper(value, "BASE64");
      add(value);
    } else if (equalsUpper(name, "ENCODING") || equalsUpper(name, "CHARSET")) {
      encoded = encoded || !value.empty();
    } else if (equalsUpper(name, "TYPE")) {
      while (!value.empty()) {
        const std::size_t comma = value.find(',');
        add(trimSpaces(value.substr(0, comma)));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
      }
    }
    return false;
  });
  types.resize(count);
  return encoded;
}

// Gathers one contact's properties, joining folded and quoted-printable continuations into each
// one's value; the properties' strings are reused from contact to contact.
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
      MappedProperty& last = properties_[count_ - 1];
      if (!startsProperty) {
        last.value.append(line.substr(1));
        return;
      }
      if (last.value.ends_with('=') && isQuotedPrintable(last.tag)) {
        last.value.append(kCrLf);
        last.value.append(line);
        return;
      }
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      if (count_ > 0) properties_[count_ - 1].value.append(line);  // an unindented base64 line
      return;
    }
    checkContactLines(static_cast<long long>(count_ + 1), contact, file);
    if (count_ == properties_.size()) properties_.emplace_back();
    MappedProperty& property = properties_[count_++];
    property.tag.assign(trimSpaces(line.substr(0, colon)));
    toUpperAsciiInto(propertyName(property.tag), property.name);
    // No cell is for a picture: its value, most of a file that has them, is not kept.
    picture_ = property.name == "PHOTO" || property.name == "LOGO";
    property.value.assign(picture_ ? std::string_view() : line.substr(colon + 1));
  }

  // The contact's properties, decoded; valid until the next contact starts.
  std::vector<MappedProperty>& finish() {
    properties_.resize(count_);
    for (MappedProperty& property : properties_) {
      const bool encoded = typesOf(property.tag, property.types);
      decodeValue(property, encoded);
    }
    return properties_;
  }

 private:
  // The value as text: decoded, its line breaks LF as in every other cell, trimmed. A plain
  // UTF-8 value on one line, the common case, is only trimmed.
  static void decodeValue(MappedProperty& property, bool encoded) {
    std::string& value = property.value;
    if (!encoded && value.find('\r') == std::string_view::npos && isValidUtf8(value)) {
      const std::string_view trimmed = trimSpaces(value);
      const std::size_t begin = std::size_t(trimmed.data() - value.data());
      value.resize(begin + trimmed.size());
      value.erase(0, begin);
      return;
    }
    const std::string text = replaceAll(displayUtf8(property.tag, value), kCrLf, "\n");
    value.assign(trimSpaces(text));
  }

  std::size_t count_ = 0;
  bool picture_ = false;
  std::vector<MappedProperty> properties_;
};

std::string_view kindByTypes(const MappedProperty& property) {
  bool fax = false, work = false, home = false, mobile = false, pager = false;
  for (const std::string& type : property.types) {
    const std::string_view t = type;
    fax = fax || t == "fax";
    work = work || t == "work";
    home = home || t == "home";
    mobile = mobile || t == "cell" || t == "mobile";
    pager = pager || t == "pager";
  }
  if (std::string_view(property.name) == "TEL") {
    if (mobile) return "mobile";
    if (pager) return "pager";
    if (fax) return work ? "work fax" : home ? "home fax" : "fax";
  }
  return work ? "work" : home ? "home" : "";
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

std::string joinNonEmpty(std::initializer_list<std::string_view> parts,
                         std::string_view separator) {
  std::string joined;
  for (std::string_view part : parts) appendNonEmpty(joined, part, separator);
  return joined;
}

namespace {

// A structured value's first `count` parts into parts; parts beyond them are joined into the
// last.
void partsOf(std::string_view value, std::size_t count, std::vector<std::string>& parts) {
  structuredPartsInto(value, parts);
  if (parts.size() < count) parts.resize(count);
  std::string& last = parts[count - 1];
  for (std::size_t k = count; k < parts.size(); ++k) {
    if (parts[k].empty()) continue;
    if (!last.empty()) last += ' ';
    last += parts[k];  // appended in place: a value of many parts is joined in linear time
  }
  parts.resize(count);
}

// The first such property fills the field; a later one is listed with the others.
bool fillOnce(std::string& field, std::string_view value) {
  if (!field.empty()) return false;
  unescapeTextInto(value, field);
  return true;
}

bool isEmptyName(const std::array<std::string, 5>& name) {
  return std::all_of(name.begin(), name.end(),
                     [](const std::string& part) { return part.empty(); });
}

// A value of one part, without its scheme ("MAILTO:", "TEL:") where it has one.
void setSingleValue(MappedContact::Typed& typed, std::string_view value,
                    std::string_view upperScheme = {}) {
  typed.parts.resize(1);
  std::string& text = typed.parts[0];
  unescapeTextInto(value, text);
  if (!upperScheme.empty() && startsWithUpper(text, upperScheme)) text.erase(0, upperScheme.size());
}

MappedContact::Typed& addTyped(MappedContact::TypedList& list, const MappedProperty& p) {
  MappedContact::Typed& typed = list.add();
  typed.kind = kindByTypes(p);
  return typed;
}

}  // namespace

void ContactMapper::clear() {
  MappedContact& c = contact_;
  for (std::string* field : {&c.formattedName, &c.nickname, &c.organization, &c.department,
                             &c.title, &c.birthday, &c.note}) {
    field->clear();
  }
  for (std::string& part : c.name) part.clear();
  for (MappedContact::TypedList* list : {&c.emails, &c.phones, &c.addresses, &c.websites}) {
    list->clear();
  }
  c.other.clear();
}

bool ContactMapper::placeOrganization(const MappedProperty& p) {
  if (!contact_.organization.empty()) return false;
  structuredPartsInto(p.value, parts_);
  contact_.organization = parts_[0];
  for (std::size_t k = 1; k < parts_.size(); ++k)
    appendNonEmpty(contact_.department, parts_[k], ", ");
  return true;
}

// Puts a property into its field; false when no field is for it.
bool ContactMapper::place(const MappedProperty& p) {
  MappedContact& contact = contact_;
  const std::string_view name = p.name;  // compared by length first
  if (name == "FN") return fillOnce(contact.formattedName, p.value);
  if (name == "NICKNAME") return fillOnce(contact.nickname, p.value);
  if (name == "TITLE") return fillOnce(contact.title, p.value);
  if (name == "BDAY") {
    if (!contact.birthday.empty()) return false;
    contact.birthday = normalizedBirthday(p.value);
    return true;
  }
  if (name == "N") {
    if (!isEmptyName(contact.name)) return false;
    partsOf(p.value, 5, parts_);
    std::copy(parts_.begin(), parts_.end(), contact.name.begin());
    return true;
  }
  if (name == "ORG") return placeOrganization(p);
  if (name == "NOTE") {
    unescapeTextInto(p.value, text_);
    appendNonEmpty(contact.note, text_, "\n");
  } else if (name == "EMAIL") {
    setSingleValue(addTyped(contact.emails, p), p.value, "MAILTO:");
  } else if (name == "TEL") {
    setSingleValue(addTyped(contact.phones, p), p.value, "TEL:");
  } else if (name == "ADR") {
    partsOf(p.value, 7, addTyped(contact.addresses, p).parts);
  } else if (name == "URL") {
    setSingleValue(addTyped(contact.websites, p), p.value);
  } else {
    return false;
  }
  return true;
}

const MappedContact& ContactMapper::map(const std::vector<MappedProperty>& properties) {
  clear();
  for (const MappedProperty& p : properties) {
    // The card's frame, and pictures, have no cell.
    const std::string_view name = p.name;
    if (name == "BEGIN" || name == "VERSION" || name == "PHOTO" || name == "LOGO") {
      continue;
    }
    if (!place(p) && !p.value.empty()) {
      contact_.other.push_back(p.tag + ": " + unescapeText(p.value));
    }
  }
  return contact_;
}

MappedContact mapContact(const std::vector<MappedProperty>& properties) {
  return ContactMapper().map(properties);
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
