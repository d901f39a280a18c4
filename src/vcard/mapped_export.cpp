#include "vcard/mapped_export.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/contact_folder.h"
#include "vcard/csv_export.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// The types a tag gives its property: TYPE=a,b values and vCard 2.1 bare parameters.
void typesOf(std::string_view tag, std::vector<std::string>& types) {
  types.clear();
  forEachParameter(tag, [&types](std::string_view name, std::string_view value) {
    if (name.empty()) {
      types.push_back(toLowerAscii(value));
    } else if (equalsUpper(name, "TYPE")) {
      while (!value.empty()) {
        const std::size_t comma = value.find(',');
        types.push_back(toLowerAscii(trimSpaces(value.substr(0, comma))));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
      }
    }
    return false;
  });
}

// Gathers one contact's property lines, joining folded and quoted-printable continuations.
class PropertyCollector {
 public:
  void start() { count_ = 0; }

  void addLine(std::string_view line, const std::string& file, std::size_t contact) {
    if (line.empty()) return;
    if (count_ > 0) {
      std::string& value = raw_[count_ - 1].second;
      if (line[0] == ' ' || line[0] == '\t') {
        value.append(line.substr(1));
        return;
      }
      if (isQuotedPrintable(raw_[count_ - 1].first) && value.ends_with('=')) {
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
    checkLimit(static_cast<long long>(count_ + 1),
               "Contact " + std::to_string(contact) + " of " + quoted(file), "lines");
    // Earlier contacts' strings are reused: a large file costs few allocations.
    if (count_ == raw_.size()) raw_.emplace_back();
    raw_[count_].first.assign(trimSpaces(line.substr(0, colon)));
    raw_[count_].second.assign(line.substr(colon + 1));
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
      typesOf(tag, property.types);
      setValueText(property.value, tag, value);
    }
    return properties_;
  }

 private:
  // The value as text: decoded, its line breaks LF as in every other cell, trimmed. A plain
  // UTF-8 value on one line, the common case, is taken as it stands.
  static void setValueText(std::string& text, std::string_view tag, std::string_view value) {
    if (value.find('\r') == std::string_view::npos && isValidUtf8(value) &&
        parameterOf(tag, "ENCODING").empty() && parameterOf(tag, "CHARSET").empty()) {
      text.assign(trimSpaces(value));
      return;
    }
    text.assign(trimSpaces(replaceAll(displayUtf8(tag, value), kCrLf, "\n")));
  }

  std::vector<std::pair<std::string, std::string>> raw_;
  std::size_t count_ = 0;
  std::vector<MappedProperty> properties_;
};

std::string kindOf(const MappedProperty& property) {
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

std::string joinNonEmpty(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

// ADR parts: PO box, extended, street, city, region, postal code, country.
enum AddressPart { kPoBox, kExtended, kStreet, kCity, kRegion, kPostalCode, kCountry };

std::string formattedAddress(const std::vector<std::string>& parts) {
  return joinNonEmpty(
      {joinNonEmpty({parts[kStreet], parts[kExtended], parts[kPoBox]}, "\n"),
       joinNonEmpty({parts[kCity], parts[kRegion], parts[kPostalCode]}, " "), parts[kCountry]},
      "\n");
}

std::string composedName(const std::array<std::string, 5>& name) {
  return joinNonEmpty({name[3], name[1], name[2], name[0], name[4]}, " ");
}

// Whether a cell starting with "+" or "-" is a telephone number: only digits, spaces and
// "( ) - . /" after it, at least three digits.
bool isTelephoneLike(std::string_view cell) {
  std::size_t digits = 0;
  for (char c : cell.substr(1)) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (std::string_view(" ()-./").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return digits >= 3;
}

// A spreadsheet opening the file would take a cell starting with "=", "+", "-", "@", TAB or CR
// for a formula and run it: such a cell is written with a leading "'", which spreadsheets show
// as text. Telephone numbers stay as they are.
bool needsFormulaGuard(std::string_view cell) {
  if (cell.empty() || std::string_view("=+-@\t\r").find(cell[0]) == std::string_view::npos) {
    return false;
  }
  return !((cell[0] == '+' || cell[0] == '-') && isTelephoneLike(cell));
}

// One CSV row, cell by cell.
class CsvRow {
 public:
  CsvRow& operator<<(std::string_view cell) {
    if (cells_++ > 0) row_ += ',';
    if (needsFormulaGuard(cell)) {
      guarded_.assign("'").append(cell);
      cell = guarded_;
    }
    appendCsvField(row_, cell);
    return *this;
  }
  void skip(std::size_t cells) {
    row_.append(cells, ',');
    cells_ += cells;
  }
  std::string take() { return std::move(row_); }

 private:
  std::string row_;
  std::string guarded_;
  std::size_t cells_ = 0;
};

std::string csvLine(const std::vector<std::string>& cells) {
  CsvRow row;
  for (const std::string& cell : cells) row << cell;
  return row.take();
}

std::string notesOf(const MappedContact& contact, const std::vector<std::string>& more) {
  std::vector<std::string> lines = {contact.note};
  lines.insert(lines.end(), contact.other.begin(), contact.other.end());
  lines.insert(lines.end(), more.begin(), more.end());
  return joinNonEmpty(lines, "\n");
}

// Google Contacts' own "Google CSV" export, in the layout its exports have today (seen in
// exports people keep beside their code, 2024-2026): First Name, Middle Name, Last Name, the
// phonetic names, Name Prefix, Name Suffix, Nickname, File As, Organization Name / Title /
// Department, Birthday, Notes, Photo, Labels, then numbered "E-mail n - Label / Value",
// "Phone n - Label / Value", "Address n - Label / Formatted / Street / City / PO Box / Region /
// Postal Code / Country / Extended Address" and "Website n - Label / Value" groups.
std::string_view googleLabel(const MappedContact::Typed& typed, bool website) {
  static constexpr std::pair<std::string_view, std::string_view> kLabels[] = {
      {"home", "Home"},         {"work", "Work"},         {"mobile", "Mobile"},
      {"work fax", "Work Fax"}, {"home fax", "Home Fax"}, {"fax", "Other Fax"},
      {"pager", "Pager"}};
  if (website && typed.kind == "home") return "Home Page";
  for (const auto& [kind, label] : kLabels) {
    if (kind == typed.kind) return label;
  }
  return "Other";
}

// The most of each numbered group one contact writes; the rest go to its notes.
constexpr std::size_t kGoogleGroupLimit = 10;

// How many numbered groups of each kind the header has: the most any contact needs, at least
// one, at most kGoogleGroupLimit.
struct GoogleGroups {
  std::size_t emails = 1, phones = 1, addresses = 1, websites = 1;
};

GoogleGroups googleGroups(const std::vector<MappedContact>& contacts) {
  GoogleGroups groups;
  auto widen = [](std::size_t& count, std::size_t needed) {
    count = std::max(count, std::min(needed, kGoogleGroupLimit));
  };
  for (const MappedContact& c : contacts) {
    widen(groups.emails, c.emails.size());
    widen(groups.phones, c.phones.size());
    widen(groups.addresses, c.addresses.size());
    widen(groups.websites, c.websites.size());
  }
  return groups;
}

std::vector<std::string> googleHeader(const GoogleGroups& groups) {
  std::vector<std::string> header = {"First Name",
                                     "Middle Name",
                                     "Last Name",
                                     "Phonetic First Name",
                                     "Phonetic Middle Name",
                                     "Phonetic Last Name",
                                     "Name Prefix",
                                     "Name Suffix",
                                     "Nickname",
                                     "File As",
                                     "Organization Name",
                                     "Organization Title",
                                     "Organization Department",
                                     "Birthday",
                                     "Notes",
                                     "Photo",
                                     "Labels"};
  auto numbered = [&header](const char* group, std::size_t count,
                            std::initializer_list<const char*> fields) {
    for (std::size_t i = 1; i <= count; ++i) {
      for (const char* field : fields) {
        header.push_back(std::string(group) + " " + std::to_string(i) + " - " + field);
      }
    }
  };
  numbered("E-mail", groups.emails, {"Label", "Value"});
  numbered("Phone", groups.phones, {"Label", "Value"});
  numbered("Address", groups.addresses,
           {"Label", "Formatted", "Street", "City", "PO Box", "Region", "Postal Code", "Country",
            "Extended Address"});
  numbered("Website", groups.websites, {"Label", "Value"});
  return header;
}

// What of a contact the numbered groups have no room for, one "Label: value" line each.
std::vector<std::string> googleOverflow(const MappedContact& c) {
  std::vector<std::string> lines;
  auto overflow = [&lines](const std::vector<MappedContact::Typed>& list, bool website,
                           bool address) {
    for (std::size_t i = kGoogleGroupLimit; i < list.size(); ++i) {
      const std::string value = address ? formattedAddress(list[i].parts) : list[i].parts[0];
      lines.push_back(std::string(googleLabel(list[i], website)) + ": " + value);
    }
  };
  overflow(c.emails, false, false);
  overflow(c.phones, false, false);
  overflow(c.addresses, false, true);
  overflow(c.websites, true, false);
  return lines;
}

std::string googleRow(const MappedContact& c, const GoogleGroups& groups, std::size_t& moved) {
  const bool hasN = std::any_of(c.name.begin(), c.name.end(), [](auto& p) { return !p.empty(); });
  const std::vector<std::string> overflow = googleOverflow(c);
  moved += overflow.size();
  CsvRow row;
  row << (hasN ? c.name[1] : c.formattedName) << c.name[2] << c.name[0];
  row.skip(3);  // phonetic names
  row << c.name[3] << c.name[4] << c.nickname
      << (hasN && c.formattedName != composedName(c.name) ? c.formattedName : "") << c.organization
      << c.title << c.department << c.birthday << notesOf(c, overflow);
  row.skip(2);  // photo, labels
  auto typedCells = [&row](const std::vector<MappedContact::Typed>& list, std::size_t count,
                           bool website) {
    const std::size_t shown = std::min(list.size(), count);
    for (std::size_t i = 0; i < shown; ++i)
      row << googleLabel(list[i], website) << list[i].parts[0];
    row.skip(2 * (count - shown));
  };
  typedCells(c.emails, groups.emails, false);
  typedCells(c.phones, groups.phones, false);
  const std::size_t addresses = std::min(c.addresses.size(), groups.addresses);
  for (std::size_t i = 0; i < addresses; ++i) {
    const std::vector<std::string>& parts = c.addresses[i].parts;
    row << googleLabel(c.addresses[i], false) << formattedAddress(parts) << parts[kStreet]
        << parts[kCity] << parts[kPoBox] << parts[kRegion] << parts[kPostalCode] << parts[kCountry]
        << parts[kExtended];
  }
  row.skip(9 * (groups.addresses - addresses));
  typedCells(c.websites, groups.websites, true);
  return row.take();
}

std::size_t googleLines(const std::vector<MappedContact>& contacts, const CsvLineSink& sink) {
  const GoogleGroups groups = googleGroups(contacts);
  sink(csvLine(googleHeader(groups)));
  std::size_t moved = 0;
  for (const MappedContact& c : contacts) sink(googleRow(c, groups, moved));
  return moved;
}

// Outlook's "Comma Separated Values" export: fixed columns, one slot per kind of telephone and
// address; what has no free slot is listed in Notes.
const std::vector<std::string>& outlookHeader() {
  static const std::vector<std::string> header = {"First Name",
                                                  "Middle Name",
                                                  "Last Name",
                                                  "Title",
                                                  "Suffix",
                                                  "Nickname",
                                                  "Company",
                                                  "Department",
                                                  "Job Title",
                                                  "E-mail Address",
                                                  "E-mail 2 Address",
                                                  "E-mail 3 Address",
                                                  "Mobile Phone",
                                                  "Business Phone",
                                                  "Business Fax",
                                                  "Home Phone",
                                                  "Home Fax",
                                                  "Pager",
                                                  "Other Phone",
                                                  "Business Street",
                                                  "Business City",
                                                  "Business State",
                                                  "Business Postal Code",
                                                  "Business Country/Region",
                                                  "Home Street",
                                                  "Home City",
                                                  "Home State",
                                                  "Home Postal Code",
                                                  "Home Country/Region",
                                                  "Other Street",
                                                  "Other City",
                                                  "Other State",
                                                  "Other Postal Code",
                                                  "Other Country/Region",
                                                  "Web Page",
                                                  "Birthday",
                                                  "Notes"};
  return header;
}

class OutlookRow {
 public:
  OutlookRow() : cells_(outlookHeader().size()) {}

  // Fills the first free column of those named; false when all are taken.
  bool fill(std::initializer_list<const char*> columns, const std::string& value) {
    for (const char* column : columns) {
      std::string& cell = cells_[indexOf(column)];
      if (!cell.empty()) continue;
      cell = value;
      return true;
    }
    return false;
  }
  void set(const std::string& column, const std::string& value) { cells_[indexOf(column)] = value; }
  bool isFree(const std::string& column) const { return cells_[indexOf(column)].empty(); }
  const std::vector<std::string>& cells() const { return cells_; }

 private:
  static std::size_t indexOf(std::string_view column) {
    const auto& header = outlookHeader();
    const auto found = std::find(header.begin(), header.end(), column);
    if (found == header.end()) throw std::logic_error("no Outlook column " + std::string(column));
    return std::size_t(found - header.begin());
  }
  std::vector<std::string> cells_;
};

std::string outlookPhoneColumn(const std::string& kind) {
  static const std::map<std::string, std::string> columns = {
      {"mobile", "Mobile Phone"}, {"work", "Business Phone"}, {"work fax", "Business Fax"},
      {"fax", "Business Fax"},    {"home", "Home Phone"},     {"home fax", "Home Fax"},
      {"pager", "Pager"}};
  const auto found = columns.find(kind);
  return found == columns.end() ? "Other Phone" : found->second;
}

// The name's cells; an FN the parts do not spell is noted.
void outlookName(OutlookRow& row, const MappedContact& c, std::vector<std::string>& notes) {
  const bool hasN = std::any_of(c.name.begin(), c.name.end(), [](auto& p) { return !p.empty(); });
  row.set("First Name", hasN ? c.name[1] : c.formattedName);
  row.set("Middle Name", c.name[2]);
  row.set("Last Name", c.name[0]);
  row.set("Title", c.name[3]);
  row.set("Suffix", c.name[4]);
  if (hasN && !c.formattedName.empty() && c.formattedName != composedName(c.name)) {
    notes.push_back("Name: " + c.formattedName);
  }
}

void outlookPhones(OutlookRow& row, const MappedContact& c, std::vector<std::string>& notes) {
  for (const auto& phone : c.phones) {
    const std::string column = outlookPhoneColumn(phone.kind);
    if (!row.fill({column.c_str(), "Other Phone"}, phone.parts[0])) {
      notes.push_back("Telephone" + (phone.kind.empty() ? "" : " (" + phone.kind + ")") + ": " +
                      phone.parts[0]);
    }
  }
}

// Business, Home and Other each take one address; a work or home address whose place is taken
// goes to Other, and what finds no place to the notes.
void outlookAddresses(OutlookRow& row, const MappedContact& c, std::vector<std::string>& notes) {
  for (const auto& address : c.addresses) {
    const std::string place = address.kind == "work"   ? "Business"
                              : address.kind == "home" ? "Home"
                                                       : "Other";
    const std::string prefix = row.isFree(place + " Street") ? place
                               : row.isFree("Other Street")  ? "Other"
                                                             : "";
    const std::vector<std::string>& parts = address.parts;
    if (prefix.empty()) {
      notes.push_back("Address: " + formattedAddress(parts));
      continue;
    }
    row.set(prefix + " Street",
            joinNonEmpty({parts[kStreet], parts[kExtended], parts[kPoBox]}, "\n"));
    row.set(prefix + " City", parts[kCity]);
    row.set(prefix + " State", parts[kRegion]);
    row.set(prefix + " Postal Code", parts[kPostalCode]);
    row.set(prefix + " Country/Region", parts[kCountry]);
  }
}

std::vector<std::string> outlookCells(const MappedContact& c) {
  OutlookRow row;
  std::vector<std::string> notes;
  outlookName(row, c, notes);
  row.set("Nickname", c.nickname);
  row.set("Company", c.organization);
  row.set("Department", c.department);
  row.set("Job Title", c.title);
  row.set("Birthday", c.birthday);
  for (const auto& email : c.emails) {
    if (!row.fill({"E-mail Address", "E-mail 2 Address", "E-mail 3 Address"}, email.parts[0])) {
      notes.push_back("E-mail: " + email.parts[0]);
    }
  }
  outlookPhones(row, c, notes);
  outlookAddresses(row, c, notes);
  for (const auto& website : c.websites) {
    if (!row.fill({"Web Page"}, website.parts[0])) notes.push_back("Web page: " + website.parts[0]);
  }
  row.set("Notes", notesOf(c, notes));
  return row.cells();
}

void outlookLines(const std::vector<MappedContact>& contacts, const CsvLineSink& sink) {
  sink("\xEF\xBB\xBF" + csvLine(outlookHeader()));
  for (const MappedContact& c : contacts) sink(csvLine(outlookCells(c)));
}

}  // namespace

bool MappedProperty::hasType(std::string_view type) const {
  return std::find(types.begin(), types.end(), type) != types.end();
}

namespace {

// A structured value's first `count` parts; parts beyond them are joined into the last.
std::vector<std::string> partsOf(std::string_view value, std::size_t count) {
  std::vector<std::string> parts = StructuredParts(value);
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
  if (name == "FN") return fillOnce(contact.formattedName, UnescapeText(p.value));
  if (name == "NICKNAME") return fillOnce(contact.nickname, UnescapeText(p.value));
  if (name == "TITLE") return fillOnce(contact.title, UnescapeText(p.value));
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
    const std::vector<std::string> parts = StructuredParts(p.value);
    contact.organization = parts[0];
    contact.department =
        joinNonEmpty(std::vector<std::string>(parts.begin() + 1, parts.end()), ", ");
    return true;
  }
  if (name == "NOTE") {
    contact.note = joinNonEmpty({contact.note, UnescapeText(p.value)}, "\n");
  } else if (name == "EMAIL") {
    contact.emails.push_back({kindOf(p), {withoutScheme(UnescapeText(p.value), "MAILTO:")}});
  } else if (name == "TEL") {
    contact.phones.push_back({kindOf(p), {withoutScheme(UnescapeText(p.value), "TEL:")}});
  } else if (name == "ADR") {
    contact.addresses.push_back({kindOf(p), partsOf(p.value, 7)});
  } else if (name == "URL") {
    contact.websites.push_back({kindOf(p), {UnescapeText(p.value)}});
  } else {
    return false;
  }
  return true;
}

}  // namespace

MappedContact MapContact(const std::vector<MappedProperty>& properties) {
  MappedContact contact;
  for (const MappedProperty& p : properties) {
    // The card's frame, and pictures, have no cell.
    if (p.name == "BEGIN" || p.name == "VERSION" || p.name == "PHOTO" || p.name == "LOGO") {
      continue;
    }
    if (!placeProperty(contact, p) && !p.value.empty()) {
      contact.other.push_back(p.tag + ": " + UnescapeText(p.value));
    }
  }
  return contact;
}

std::size_t WriteMappedCsv(const std::vector<MappedContact>& contacts, ExportFormat format,
                           const CsvLineSink& sink) {
  switch (format) {
    case ExportFormat::Outlook:
      outlookLines(contacts, sink);
      return 0;
    case ExportFormat::Google:
      return googleLines(contacts, sink);
    case ExportFormat::Raw:
      break;
  }
  throw std::logic_error("WriteMappedCsv: the raw format is not a mapped one");
}

void ForEachMappedContact(const OpenInput& input, const ContactSink& sink, FileIo& io,
                          RunProgress* ui) {
  const std::string& inputFile = input.path();
  PropertyCollector collector;
  LineReader reader(input, io);
  std::string_view line;
  std::size_t contacts = 0;
  while (reader.readLine(line)) {
    if (!isContactBegin(line)) continue;
    checkLimit(static_cast<long long>(++contacts), quoted(inputFile), "contacts");
    collector.start();
    while (reader.readLine(line) && !isExportEnd(line)) {
      collector.addLine(line, inputFile, contacts);
    }
    sink(collector.finish());
    if (ui) ui->yield();
  }
}

Written ExportMappedCsv(const OpenInput& input, ExportFormat format, FileIo& io, RunProgress* ui,
                        const OutputPlan& plan, std::size_t* movedToNotes) {
  std::optional<OutputFolder> folder = PrepareSplitFolder(input.path());
  if (!folder) return {};
  const std::string name(exportFormatInfo(format).fileName);
  std::vector<MappedContact> contacts;
  ForEachMappedContact(
      input,
      [&contacts](const std::vector<MappedProperty>& properties) {
        contacts.push_back(MapContact(properties));
      },
      io, ui);
  LineWriter output(*folder, numberedName(name, plan.resultNumber), io);
  const int rows = static_cast<int>(contacts.size());
  int line = 0;
  const std::size_t moved = WriteMappedCsv(contacts, format, [&](std::string_view text) {
    if (ui && line > 0) stepDone(*ui, line - 1, rows);
    output.writeLine(text);
    ++line;
  });
  const std::string outputPath = commitResult(output, name, plan);
  if (movedToNotes) *movedToNotes = moved;
  return {rows, outputPath};
}

}  // namespace palvren
