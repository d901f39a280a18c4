#include "vcard/mapped_csv.h"

#include "platform/text.h"
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
  static constexpr ByteSet kFormulaStarts("=+-@\t\r");
  if (cell.empty() || !kFormulaStarts.contains(cell[0])) return false;
  return !((cell[0] == '+' || cell[0] == '-') && isTelephoneLike(cell));
}

}  // namespace

CsvRow& CsvRow::operator<<(std::string_view cell) {
  if (cells_++ > 0) row_ += ',';
  if (cell.empty()) return *this;
  if (needsFormulaGuard(cell)) {
    guarded_.assign("'").append(cell);
    cell = guarded_;
  }
  appendCsvField(row_, cell);
  return *this;
}

namespace {

// Appends the parts that are not empty, joined by inner, after outer unless text is empty.
void appendGroup(std::string& text, std::initializer_list<std::string_view> parts,
                 std::string_view inner, std::string_view outer) {
  bool first = true;
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += first ? outer : inner;
    first = false;
    text += part;
  }
}

}  // namespace

void formatAddress(const std::vector<std::string>& parts, std::string& text) {
  text.clear();
  appendGroup(text, {parts[kStreet], parts[kExtended], parts[kPoBox]}, "\n", "\n");
  appendGroup(text, {parts[kCity], parts[kRegion], parts[kPostalCode]}, " ", "\n");
  appendNonEmpty(text, parts[kCountry], "\n");
}

std::string formattedAddress(const std::vector<std::string>& parts) {
  std::string text;
  formatAddress(parts, text);
  return text;
}

namespace {

void composeName(const std::array<std::string, 5>& name, std::string& text) {
  text.clear();
  appendGroup(text, {name[kPrefix], name[kGiven], name[kAdditional], name[kFamily], name[kSuffix]},
              " ", " ");
}

}  // namespace

std::string composedName(const std::array<std::string, 5>& name) {
  std::string text;
  composeName(name, text);
  return text;
}

bool fnDiffersFromName(const MappedContact& c, std::string& text) {
  composeName(c.name, text);
  return c.formattedName != text;
}

std::string csvLine(const std::vector<std::string>& cells) {
  CsvRow row;
  for (const std::string& cell : cells) row << cell;
  return row.take();
}

std::string_view notesOf(const MappedContact& contact, const std::vector<std::string>& more,
                         std::string& buffer) {
  if (contact.other.empty() && more.empty()) return contact.note;
  buffer = contact.note;
  for (const auto* lines : {&contact.other, &more}) {
    for (const std::string& line : *lines) appendNonEmpty(buffer, line, "\n");
  }
  return buffer;
}

}  // namespace palvren
