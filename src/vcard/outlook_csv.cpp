#include <algorithm>
#include <array>

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

// The index of a column, found when the program is compiled: a name that is no column does not
// compile.
consteval std::size_t column(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kOutlookColumns); ++i) {
    if (kOutlookColumns[i].column == name) return i;
  }
  throw "no such Outlook column";
}

// The cells of one row, each a view of text that outlives the row's writing.
class OutlookRow {
 public:
  void clear() { cells_.fill({}); }
  // Fills the first free column of those given; false when all are taken.
  bool fill(std::initializer_list<std::size_t> columns, std::string_view value) {
    for (std::size_t column : columns) {
      if (!cells_[column].empty()) continue;
      cells_[column] = value;
      return true;
    }
    return false;
  }
  void set(std::size_t column, std::string_view value) { cells_[column] = value; }
  bool isFree(std::size_t column) const { return cells_[column].empty(); }
  void writeTo(CsvRow& row) const {
    for (std::string_view cell : cells_) row << cell;
  }

 private:
  std::array<std::string_view, std::size(kOutlookColumns)> cells_;
};

std::size_t outlookPhoneColumn(std::string_view kind) {
  static constexpr std::pair<std::string_view, std::size_t> kColumns[] = {
      {"mobile", column("Mobile Phone")},
      {"work", column("Business Phone")},
      {"work fax", column("Business Fax")},
      {"fax", column("Business Fax")},
      {"home", column("Home Phone")},
      {"home fax", column("Home Fax")},
      {"pager", column("Pager")}};
  for (const auto& [phoneKind, index] : kColumns) {
    if (phoneKind == kind) return index;
  }
  return column("Other Phone");
}

// The columns of one place for an address: Business, Home or Other.
struct AddressColumns {
  std::size_t street, city, state, postalCode, country;
};
constexpr AddressColumns kAddressColumns[] = {
    {column("Business Street"), column("Business City"), column("Business State"),
     column("Business Postal Code"), column("Business Country/Region")},
    {column("Home Street"), column("Home City"), column("Home State"), column("Home Postal Code"),
     column("Home Country/Region")},
    {column("Other Street"), column("Other City"), column("Other State"),
     column("Other Postal Code"), column("Other Country/Region")},
};
enum AddressPlace { kBusiness, kHome, kOther };

// Makes Outlook's rows, reusing its buffers row after row.
class OutlookRowMaker {
 public:
  std::string_view row(const MappedContact& c) {
    cells_.clear();
    notes_.clear();
    name(c);
    cells_.set(column("Nickname"), c.nickname);
    cells_.set(column("Company"), c.organization);
    cells_.set(column("Department"), c.department);
    cells_.set(column("Job Title"), c.title);
    cells_.set(column("Birthday"), c.birthday);
    for (const auto& email : c.emails) {
      if (!cells_.fill(
              {column("E-mail Address"), column("E-mail 2 Address"), column("E-mail 3 Address")},
              email.parts[0])) {
        notes_.push_back("E-mail: " + email.parts[0]);
      }
    }
    phones(c);
    addresses(c);
    for (const auto& website : c.websites) {
      if (!cells_.fill({column("Web Page")}, website.parts[0])) {
        notes_.push_back("Web page: " + website.parts[0]);
      }
    }
    cells_.set(column("Notes"), notesOf(c, notes_, notesText_));
    row_.clear();
    cells_.writeTo(row_);
    return row_.view();
  }

 private:
  // The name's cells; an FN the parts do not spell is noted.
  void name(const MappedContact& c) {
    const bool hasN = std::any_of(c.name.begin(), c.name.end(), [](auto& p) { return !p.empty(); });
    cells_.set(column("First Name"), hasN ? c.name[kGiven] : c.formattedName);
    cells_.set(column("Middle Name"), c.name[kAdditional]);
    cells_.set(column("Last Name"), c.name[kFamily]);
    cells_.set(column("Title"), c.name[kPrefix]);
    cells_.set(column("Suffix"), c.name[kSuffix]);
    if (hasN && !c.formattedName.empty() && fnDiffersFromName(c, spelled_)) {
      notes_.push_back("Name: " + c.formattedName);
    }
  }

  void phones(const MappedContact& c) {
    for (const auto& phone : c.phones) {
      if (!cells_.fill({outlookPhoneColumn(phone.kind), column("Other Phone")}, phone.parts[0])) {
        notes_.push_back("Telephone" + (phone.kind.empty() ? "" : " (" + phone.kind + ")") + ": " +
                         phone.parts[0]);
      }
    }
  }

  // Business, Home and Other each take one address; a work or home address whose place is taken
  // goes to Other, and what finds no place to the notes.
  void addresses(const MappedContact& c) {
    for (const auto& address : c.addresses) {
      const AddressPlace own = address.kind == "work"   ? kBusiness
                               : address.kind == "home" ? kHome
                                                        : kOther;
      const std::vector<std::string>& parts = address.parts;
      const AddressPlace place = cells_.isFree(kAddressColumns[own].street) ? own : kOther;
      if (!cells_.isFree(kAddressColumns[place].street)) {
        notes_.push_back("Address: " + formattedAddress(parts));
        continue;
      }
      const AddressColumns& columns = kAddressColumns[place];
      streets_[place] = joinNonEmpty({parts[kStreet], parts[kExtended], parts[kPoBox]}, "\n");
      cells_.set(columns.street, streets_[place]);
      cells_.set(columns.city, parts[kCity]);
      cells_.set(columns.state, parts[kRegion]);
      cells_.set(columns.postalCode, parts[kPostalCode]);
      cells_.set(columns.country, parts[kCountry]);
    }
  }

  OutlookRow cells_;
  CsvRow row_;
  std::vector<std::string> notes_;
  std::string notesText_, spelled_;
  std::array<std::string, 3> streets_;
};

}  // namespace

std::span<const ColumnField> outlookColumns() { return kOutlookColumns; }

namespace {

class OutlookRows : public MappedRows {
 public:
  void add(const MappedContact& contact) override { rows_.emplace_back(maker_.row(contact)); }
  std::size_t size() const override { return rows_.size(); }
  void write(const CsvLineSink& sink) const override {
    sink("\xEF\xBB\xBF" + csvLine(outlookHeader()));
    for (const std::string& row : rows_) sink(row);
  }

 private:
  std::vector<std::string> rows_;
  OutlookRowMaker maker_;
};

}  // namespace

std::unique_ptr<MappedRows> outlookRows() { return std::make_unique<OutlookRows>(); }

}  // namespace palvren
