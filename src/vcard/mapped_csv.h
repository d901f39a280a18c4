#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vcard/mapped_contact.h"
#include "vcard/mapped_export.h"

// What the mapped CSV formats share, and each format's lines.
namespace palvren {

// ADR parts: PO box, extended, street, city, region, postal code, country.
enum AddressPart { kPoBox, kExtended, kStreet, kCity, kRegion, kPostalCode, kCountry };
// N parts: family, given, additional names, prefix, suffix; ORG parts: organization, unit.
enum NamePart { kFamily, kGiven, kAdditional, kPrefix, kSuffix };
enum OrganizationPart { kOrganization, kUnit };

// The address as one text: street lines, then city, region and postal code, then country.
std::string formattedAddress(const std::vector<std::string>& parts);
// The same into text, replacing what it held.
void formatAddress(const std::vector<std::string>& parts, std::string& text);
// The name's parts in reading order: prefix, given, additional, family, suffix.
std::string composedName(const std::array<std::string, 5>& name);
// Whether the contact's FN is other than its name's parts spell (text is for the spelling).
bool fnDiffersFromName(const MappedContact& contact, std::string& text);
// The contact's notes, its other properties and more, one per line; made in buffer only when
// something joins the contact's own notes.
std::string_view notesOf(const MappedContact& contact, const std::vector<std::string>& more,
                         std::string& buffer);

// One CSV row, cell by cell.
class CsvRow {
 public:
  // Cells that a spreadsheet would run as a formula get a leading "'".
  CsvRow& operator<<(std::string_view cell);
  void skip(std::size_t cells) {
    row_.append(cells, ',');
    cells_ += cells;
  }
  std::string take() { return std::move(row_); }
  // Emptied for the next row, keeping its storage.
  void clear() {
    row_.clear();
    cells_ = 0;
  }
  std::string_view view() const { return row_; }
  std::size_t size() const { return row_.size(); }

 private:
  std::string row_;
  std::string guarded_;
  std::size_t cells_ = 0;
};

// One row of cells.
std::string csvLine(const std::vector<std::string>& cells);

// What a column of a mapped format holds: a property, the part of its structured value (kWhole
// for all of it), and the kind its types say ("home", "work", "mobile", "work fax", "pager"…;
// empty for any). The same table writes the columns and reads them back.
constexpr int kWhole = -1;
// The part of a numbered group's column that holds its label, which names the kind.
constexpr int kLabel = -2;
struct ColumnField {
  std::string_view column;
  std::string_view property;
  int part;
  std::string_view kind;
};
// Outlook's columns, in order.
std::span<const ColumnField> outlookColumns();
// Google's columns before its numbered groups, in order, and the fields of one group of each
// kind ("E-mail 1 - Value" and so on: the column names the group, its number and the field).
std::span<const ColumnField> googleColumns();
std::span<const ColumnField> googleGroupColumns();

// A mapped format's rows, made as each contact is read and held as text, not as contacts, until
// the header (which may depend on every contact) and they are written.
class MappedRows {
 public:
  virtual ~MappedRows() = default;
  virtual void add(const MappedContact& contact) = 0;
  virtual std::size_t size() const = 0;
  // The header, then the rows, to sink.
  virtual void write(const CsvLineSink& sink) const = 0;
  // How many values found no column and went to the notes.
  std::size_t movedToNotes() const { return moved_; }

 protected:
  std::size_t moved_ = 0;
};

std::unique_ptr<MappedRows> googleRows();
std::unique_ptr<MappedRows> outlookRows();

}  // namespace palvren
