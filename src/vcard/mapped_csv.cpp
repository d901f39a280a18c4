#include "vcard/mapped_csv.h"

#include "vcard/csv_export.h"

namespace palvren {

namespace {

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

}  // namespace

CsvRow& CsvRow::operator<<(std::string_view cell) {
  if (cells_++ > 0) row_ += ',';
  if (needsFormulaGuard(cell)) {
    guarded_.assign("'").append(cell);
    cell = guarded_;
  }
  appendCsvField(row_, cell);
  return *this;
}

std::string formattedAddress(const std::vector<std::string>& parts) {
  return joinNonEmpty(
      {joinNonEmpty({parts[kStreet], parts[kExtended], parts[kPoBox]}, "\n"),
       joinNonEmpty({parts[kCity], parts[kRegion], parts[kPostalCode]}, " "), parts[kCountry]},
      "\n");
}

std::string composedName(const std::array<std::string, 5>& name) {
  return joinNonEmpty({name[3], name[1], name[2], name[0], name[4]}, " ");
}

std::string csvLine(const std::vector<std::string>& cells) {
  CsvRow row;
  for (const std::string& cell : cells) row << cell;
  return row.take();
}

std::string notesOf(const MappedContact& contact, const std::vector<std::string>& more) {
  std::string notes = contact.note;
  for (const auto* lines : {&contact.other, &more}) {
    for (const std::string& line : *lines) appendNonEmpty(notes, line, "\n");
  }
  return notes;
}

}  // namespace palvren
