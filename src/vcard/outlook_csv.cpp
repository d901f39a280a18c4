#include <algorithm>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "vcard/mapped_csv.h"

namespace palvren {

namespace {

// Outlook's "Comma Separated Values" export: fixed columns, one slot per kind of telephone and
// address; what has no free slot is listed in Notes.
// N parts, ADR parts, ORG parts as the columns name them.

constexpr ColumnField kOutlookColumns[] = {
    {"First Name", "N", kGiven, ""},
    {"Middle Name", "N", kAdditional, ""},
    {"Last Name", "N", kFamily, ""},
    {"Title", "N", kPrefix, ""},
    {"Suffix", "N", kSuffix, ""},
    {"Nickname", "NICKNAME", kWhole, ""},
    {"Company", "ORG", kOrganization, ""},
    {"Department", "ORG", kUnit, ""},
    {"Job Title", "TITLE", kWhole, ""},
    {"E-mail Address", "EMAIL", kWhole, ""},
    {"E-mail 2 Address", "EMAIL", kWhole, ""},
    {"E-mail 3 Address", "EMAIL", kWhole, ""},
    {"Mobile Phone", "TEL", kWhole, "mobile"},
    {"Business Phone", "TEL", kWhole, "work"},
    {"Business Fax", "TEL", kWhole, "work fax"},
    {"Home Phone", "TEL", kWhole, "home"},
    {"Home Fax", "TEL", kWhole, "home fax"},
    {"Pager", "TEL", kWhole, "pager"},
    {"Other Phone", "TEL", kWhole, ""},
    {"Business Street", "ADR", kStreet, "work"},
    {"Business City", "ADR", kCity, "work"},
    {"Business State", "ADR", kRegion, "work"},
    {"Business Postal Code", "ADR", kPostalCode, "work"},
    {"Business Country/Region", "ADR", kCountry, "work"},
    {"Home Street", "ADR", kStreet, "home"},
    {"Home City", "ADR", kCity, "home"},
    {"Home State", "ADR", kRegion, "home"},
    {"Home Postal Code", "ADR", kPostalCode, "home"},
    {"Home Country/Region", "ADR", kCountry, "home"},
    {"Other Street", "ADR", kStreet, ""},
    {"Other City", "ADR", kCity, ""},
    {"Other State", "ADR", kRegion, ""},
    {"Other Postal Code", "ADR", kPostalCode, ""},
    {"Other Country/Region", "ADR", kCountry, ""},
    {"Web Page", "URL", kWhole, ""},
    {"Birthday", "BDAY", kWhole, ""},
    {"Notes", "NOTE", kWhole, ""},
};

const std::vector<std::string>& outlookHeader() {
  static const std::vector<std::string> header = [] {
    std::vector<std::string> names;
    for (const ColumnField& column : kOutlookColumns) names.emplace_back(column.column);
    return names;
  }();
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
  std::vector<std::string> take() { return std::move(cells_); }

 private:
  static std::size_t indexOf(std::string_view column) {
    static const std::unordered_map<std::string_view, std::size_t> index = [] {
      std::unordered_map<std::string_view, std::size_t> columns;
      for (const std::string& name : outlookHeader()) columns.emplace(name, columns.size());
      return columns;
    }();
    const auto found = index.find(column);
    if (found == index.end()) throw std::logic_error("no Outlook column " + std::string(column));
    return found->second;
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
  return row.take();
}

}  // namespace

std::span<const ColumnField> outlookColumns() { return kOutlookColumns; }

namespace {

class OutlookRows : public MappedRows {
 public:
  void add(const MappedContact& contact) override {
    rows_.push_back(csvLine(outlookCells(contact)));
  }
  std::size_t size() const override { return rows_.size(); }
  void write(const CsvLineSink& sink) const override {
    sink("\xEF\xBB\xBF" + csvLine(outlookHeader()));
    for (const std::string& row : rows_) sink(row);
  }

 private:
  std::vector<std::string> rows_;
};

}  // namespace

std::unique_ptr<MappedRows> outlookRows() { return std::make_unique<OutlookRows>(); }

}  // namespace palvren
