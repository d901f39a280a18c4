#include "vcard/csv_reading.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/errors.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

std::string readCsvBytes(const OpenInput& input, FileIo& io) {
  if (::lseek(input.descriptor(), 0, SEEK_SET) != 0)
    throwFileError(kCannotRead, input.path(), errno);
  std::string bytes;
  bytes.reserve(std::size_t(input.size()));
  adviseLargeBuffer(bytes.data(), bytes.capacity());
  bytes.resize(std::size_t(input.size()));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = io.read(input.descriptor(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throwFileError(kCannotRead, input.path(), errno);
    if (got == 0) break;
    done += std::size_t(got);
  }
  bytes.resize(done);
  return bytes;
}

std::string csvText(std::string bytes, bool keepBytes, std::string& encoding) {
  const std::string_view view(bytes);
  if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) {
    encoding = "UTF-16";
    return toUtf8(view.substr(2), view.starts_with("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE");
  }
  if (view.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  if (keepBytes || isValidUtf8(bytes)) {
    encoding = "UTF-8";
    return bytes;  // the text as it was read, not a copy of it
  }
  encoding = "Windows-1252";
  return toUtf8(bytes, "windows-1252");
}

namespace {

// How many cells each of the first rows has when split at delimiter outside quotes.
std::vector<std::size_t> cellsPerRow(std::string_view text, char delimiter) {
  constexpr std::size_t kRows = 5;
  std::vector<std::size_t> counts(1, 1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size() && counts.size() <= kRows; ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == delimiter) ++counts.back();
    if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      counts.push_back(1);
    }
  }
  if (counts.size() > 1 && counts.back() == 1) counts.pop_back();  // the end of the text
  return counts;
}

}  // namespace

char csvDelimiter(std::string_view text) {
  constexpr char kDelimiters[3] = {',', ';', '\t'};
  // The one that splits the first rows into the same number of cells, the most of them; else the
  // one the header holds most of.
  char best = ',';
  std::size_t bestCells = 0;
  bool bestEven = false;
  for (char delimiter : kDelimiters) {
    const std::vector<std::size_t> counts = cellsPerRow(text, delimiter);
    const bool even =
        counts.front() > 1 && std::all_of(counts.begin(), counts.end(),
                                          [&](std::size_t n) { return n == counts.front(); });
    if ((even && !bestEven) || (even == bestEven && counts.front() > bestCells)) {
      best = delimiter;
      bestCells = counts.front();
      bestEven = even;
    }
  }
  return best;
}

namespace {

// Where an unquoted cell that starts at i ends: at the delimiter, a quote or a line end.
std::size_t unquotedEnd(std::string_view text, std::size_t i, char delimiter) {
  static constexpr ByteSet kComma(",\"\r\n"), kSemicolon(";\"\r\n"), kTab("\t\"\r\n");
  const ByteSet* ends = delimiter == ','    ? &kComma
                        : delimiter == ';'  ? &kSemicolon
                        : delimiter == '\t' ? &kTab
                                            : nullptr;
  if (ends) {
    return std::min(findAnyOf(text, *ends, i), text.size());
  }
  std::size_t end = i;
  while (end < text.size() && text[end] != delimiter && text[end] != '"' && text[end] != '\r' &&
         text[end] != '\n') {
    ++end;
  }
  return end;
}

bool endsCell(std::string_view text, std::size_t i, char delimiter) {
  return i >= text.size() || text[i] == delimiter || text[i] == '\r' || text[i] == '\n';
}

// A cell whose quoting changed its text (doubled quotes, quotes within it), read a character at a
// time from i up to the delimiter or line end that ends it.
std::string requotedCell(std::string_view text, std::size_t& i, char delimiter) {
  std::string cell;
  bool quoted = false;
  while (i < text.size()) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      cell += '"';
      i += 2;
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == delimiter || c == '\r' || c == '\n')) {
      break;
    } else {
      cell += c;
    }
    ++i;
  }
  return cell;
}

// The cell at i, and i moved to what ends it: a view into text, or into the string kept in
// requoted for a cell whose quoting changed its text.
std::string_view readCell(std::string_view text, std::size_t& i, char delimiter,
                          Requoted& requoted) {
  if (i < text.size() && text[i] != '"') {
    const std::size_t end = unquotedEnd(text, i, delimiter);
    if (end == text.size() || text[end] != '"') {
      const std::string_view cell = text.substr(i, end - i);
      i = end;
      return cell;
    }
  } else if (i + 1 < text.size() && text[i + 1] == '"' && endsCell(text, i + 2, delimiter)) {
    i += 2;  // a quoted empty cell, as each empty cell of a raw export is
    return {};
  } else if (i < text.size()) {
    const std::size_t close = text.find('"', i + 1);
    if (close != std::string_view::npos && endsCell(text, close + 1, delimiter)) {
      const std::string_view cell = text.substr(i + 1, close - i - 1);
      i = close + 1;
      return cell;
    }
  }
  requoted.push_front(requotedCell(text, i, delimiter));
  return requoted.front();
}

bool isBlank(const CsvRecord& row) {
  return std::all_of(row.cells.begin(), row.cells.end(),
                     [](const CsvCell& cell) { return trimSpaces(cell.text()).empty(); });
}

void addCell(CsvRecord& row, std::string_view cell) {
  if (cell.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw OperationError(Message(PALVREN_TEXT(
        "Limits", "A cell of the file is larger than 4 GB, more than this program reads.")));
  }
  if (!cell.empty()) {
    row.cells.push_back({cell.data(), std::uint32_t(cell.size()), std::uint32_t(row.columns)});
  }
  ++row.columns;
}

// Moves i past a run of quoted empty cells, each with its delimiter, sixteen at a time.
void skipQuotedEmptyCells(std::string_view text, std::size_t& i, char delimiter,
                          std::size_t& columns) {
  constexpr std::size_t kCells = 16;
  std::array<char, 3 * kCells> run{};
  for (std::size_t k = 0; k < run.size(); k += 3) {
    run[k] = '"';
    run[k + 1] = '"';
    run[k + 2] = delimiter;
  }
  while (i + run.size() <= text.size() &&
         std::memcmp(text.data() + i, run.data(), run.size()) == 0) {
    i += run.size();
    columns += kCells;
  }
}

bool quotedEmptyCellAt(std::string_view text, std::size_t i, char delimiter) {
  return i + 2 < text.size() && text[i] == '"' && text[i + 1] == '"' && text[i + 2] == delimiter;
}

// Reads the row starting at i into row, its requoted cells into requoted; i is moved past its
// line end.
void readRow(std::string_view text, std::size_t& i, char delimiter, CsvRecord& row,
             Requoted& requoted) {
  row.cells.clear();
  row.columns = 0;
  while (i < text.size()) {
    if (text[i] == delimiter) {  // an empty cell, as most of a wide file's are
      ++row.columns;
      if (++i == text.size()) ++row.columns;  // an empty last cell
      continue;
    }
    if (quotedEmptyCellAt(text, i, delimiter)) {
      // Quoted empty cells, as a raw export writes each empty cell: most of a wide file.
      i += 3;
      ++row.columns;
      skipQuotedEmptyCells(text, i, delimiter, row.columns);
      if (i == text.size()) ++row.columns;  // an empty last cell
      continue;
    }
    addCell(row, readCell(text, i, delimiter, requoted));
    if (i < text.size() && text[i] == delimiter) {
      if (++i == text.size()) addCell(row, {});  // an empty last cell
      continue;
    }
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    return;
  }
}

// Where the row starting at i ends, past its line end, found without reading its cells: each
// quote turns quoting on or off, and a line end outside quotes ends the row, as readRow takes
// them. holdsText is set when the row has a byte that no blank row has (other than delimiters,
// spaces and quotes); a row without one may still hold text (a quoted quote) and is read whole.
#if defined(__SSE2__)
// rowEnd sixteen bytes at a time, while sixteen are left: a byte's quoting is whether the quotes
// up to it, and before i, are odd in number. npos when the row goes on past the last whole
// sixteen, i then at the first byte not looked at and quoted and holdsText as they are there.
std::size_t rowEndInBlocks(std::string_view text, std::size_t& i, char delimiter, bool& quoted,
                           bool& holdsText) {
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i delimiters = _mm_set1_epi8(delimiter);
  const __m128i space = _mm_set1_epi8(' ');
  while (i + 16 <= text.size()) {
    if (!quoted && quotedEmptyCellAt(text, i, delimiter)) {
      // A raw export's runs of quoted empty cells, taken as rowEnd takes them.
      i += 3;
      std::size_t columns = 0;
      skipQuotedEmptyCells(text, i, delimiter, columns);
      continue;
    }
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    const auto where = [&block](__m128i byte) {
      return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, byte)));
    };
    const unsigned quotes = where(quote);
    const unsigned breaks = where(cr) | where(lf);
    const unsigned blank = quotes | breaks | where(delimiters) | where(space);
    if ((quotes | breaks) == 0) {  // the quoting goes on as it is, and so does the row
      holdsText = holdsText || (~blank & 0xFFFFu) != 0;
      i += 16;
      continue;
    }
    unsigned inside = quotes;  // each byte's quoting: the parity of the quotes up to it
    inside ^= inside << 1;
    inside ^= inside << 2;
    inside ^= inside << 4;
    inside ^= inside << 8;
    inside = (quoted ? ~inside : inside) & 0xFFFFu;
    const unsigned textBytes = ((~blank) | (breaks & inside)) & 0xFFFFu;
    const unsigned ends = breaks & ~inside;
    if (ends != 0) {
      const int at = std::countr_zero(ends);
      holdsText = holdsText || (textBytes & ((1u << at) - 1)) != 0;
      i += std::size_t(at) + 1;
      if (text[i - 1] == '\r' && i < text.size() && text[i] == '\n') ++i;
      return i;
    }
    holdsText = holdsText || textBytes != 0;
    quoted = (inside >> 15) != 0;
    i += 16;
  }
  return std::string_view::npos;
}
#endif

std::size_t rowEnd(std::string_view text, std::size_t i, char delimiter, bool& holdsText) {
  static constexpr ByteSet kBreaks("\"\r\n");
  holdsText = false;
  bool quoted = false;
#if defined(__SSE2__)
  if (const std::size_t end = rowEndInBlocks(text, i, delimiter, quoted, holdsText);
      end != std::string_view::npos) {
    return end;
  }
#endif
  while (i < text.size()) {
    const std::size_t at = std::min(findAnyOf(text, kBreaks, i), text.size());
    for (std::size_t k = i; k < at && !holdsText; ++k) {
      holdsText = text[k] != delimiter && text[k] != ' ';
    }
    if (at == text.size()) return at;
    if (!quoted && quotedEmptyCellAt(text, at, delimiter)) {
      // Quoted empty cells, as a raw export writes each empty cell: taken in runs, which
      // leave the quoting as it was.
      i = at + 3;
      std::size_t columns = 0;
      skipQuotedEmptyCells(text, i, delimiter, columns);
      continue;
    }
    i = at + 1;
    if (text[at] == '"') {
      quoted = !quoted;
    } else if (quoted) {
      holdsText = true;  // a line break within quotes is the cell's text
    } else {
      if (text[at] == '\r' && i < text.size() && text[i] == '\n') ++i;
      return i;
    }
  }
  return i;
}

// Where each row that is not blank starts.
std::vector<std::size_t> rowStarts(std::string_view text, char delimiter) {
  std::vector<std::size_t> starts;
  CsvRecord row;
  Requoted requoted;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    bool holdsText = false;
    i = rowEnd(text, start, delimiter, holdsText);
    if (!holdsText) {  // blank, or text only its cells' reading shows
      i = start;
      requoted.clear();
      readRow(text, i, delimiter, row, requoted);
      holdsText = !isBlank(row);
    }
    if (holdsText) starts.push_back(start);
  }
  return starts;
}

// The row starting at start read into row, whose storage it reuses.
void readRowAt(std::string_view text, std::size_t start, char delimiter, CsvRecord& row) {
  Requoted requoted;  // costs nothing while empty, as it is for most rows
  readRow(text, start, delimiter, row, requoted);
  // Moved, the list keeps its strings where the cells view them.
  row.requoted.reset();
  if (!requoted.empty()) row.requoted = std::make_shared<const Requoted>(std::move(requoted));
}

CsvRecord rowAt(std::string_view text, std::size_t start, char delimiter) {
  CsvRecord row;
  readRowAt(text, start, delimiter, row);
  return row;
}

// The cells of a row, empty ones included, as strings: a header.
std::vector<std::string> headerOf(const CsvRecord& row) {
  std::vector<std::string> header;
  for (std::size_t column = 0; column < row.size(); ++column) header.emplace_back(row.at(column));
  return header;
}

}  // namespace

std::string_view CsvRecord::at(std::size_t column) const {
  const auto found = std::lower_bound(
      cells.begin(), cells.end(), column,
      [](const CsvCell& cell, std::size_t wanted) { return cell.column < wanted; });
  return found != cells.end() && found->column == column ? found->text() : std::string_view();
}

CsvRecord CsvRows::operator[](std::size_t index) const {
  return rowAt(*text_, starts_.at(index), delimiter_);
}

void CsvRows::read(std::size_t index, CsvRecord& row) const {
  readRowAt(*text_, starts_.at(index), delimiter_, row);
}

std::vector<CsvRecord> csvRows(std::string_view text, char delimiter) {
  std::vector<CsvRecord> rows;
  for (std::size_t start : rowStarts(text, delimiter))
    rows.push_back(rowAt(text, start, delimiter));
  return rows;
}

std::vector<std::string> csvHeader(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const char delimiter = csvDelimiter(text);
  CsvRecord row;
  Requoted requoted;
  for (std::size_t i = 0; i < text.size();) {
    readRow(text, i, delimiter, row, requoted);
    if (!isBlank(row)) return headerOf(row);
  }
  return {};
}

CsvTable csvTableOf(std::string bytes, bool keepBytes, const std::string& name) {
  CsvTable table;
  auto text = std::make_shared<std::string>(csvText(std::move(bytes), keepBytes, table.encoding));
  table.delimiter = csvDelimiter(*text);
  std::vector<std::size_t> starts = rowStarts(*text, table.delimiter);
  if (starts.empty()) return table;
  table.header = headerOf(rowAt(*text, starts.front(), table.delimiter));
  checkLimit(
      static_cast<long long>(starts.size()) - 1,
      PALVREN_TEXT("Limits", "%2 holds more than %1 rows, the most this program can process."),
      {quoted(name)});
  starts.erase(starts.begin());
  table.rows = CsvRows(std::move(text), table.delimiter, std::move(starts));
  return table;
}

}  // namespace palvren
