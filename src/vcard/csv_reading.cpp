#include "vcard/csv_reading.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/errors.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {}  // namespace

std::string readCsvBytes(const OpenInput& input, FileIo& io) {
  if (::lseek(input.descriptor(), 0, SEEK_SET) != 0) throwFileError("read", input.path(), errno);
  std::string bytes(std::size_t(input.size()), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = io.read(input.descriptor(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throwFileError("read", input.path(), errno);
    if (got == 0) break;
    done += std::size_t(got);
  }
  bytes.resize(done);
  return bytes;
}

namespace {

// Adds the cell being read to row, and starts the next.
void endCell(std::vector<std::string>& row, std::string& cell) {
  row.push_back(std::move(cell));
  cell.clear();
}

void endRow(std::vector<std::vector<std::string>>& rows, std::vector<std::string>& row) {
  const bool blank = std::all_of(row.begin(), row.end(),
                                 [](const std::string& cell) { return trimSpaces(cell).empty(); });
  if (!blank) rows.push_back(std::move(row));
  row.clear();
}

}  // namespace

std::string csvText(std::string_view bytes, bool keepBytes, std::string& encoding) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    encoding = "UTF-16";
    return toUtf8(bytes.substr(2), bytes.starts_with("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE");
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (keepBytes || isValidUtf8(bytes)) {
    encoding = "UTF-8";
    return std::string(bytes);
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

std::vector<std::vector<std::string>> csvRows(std::string_view text, char delimiter) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false;
  const char stops[] = {delimiter, '"', '\r', '\n', '\0'};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      // The text up to the next quote, at once.
      const std::size_t quote = text.find('"', i);
      if (quote == std::string_view::npos) {
        cell.append(text.substr(i));
        break;
      }
      cell.append(text.substr(i, quote - i));
      i = quote;
      if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (std::string_view(stops, 4).find(c) == std::string_view::npos) {
      // The text up to the next delimiter, quote or line end, at once.
      const std::size_t stop = text.find_first_of(std::string_view(stops, 4), i);
      const std::size_t end = stop == std::string_view::npos ? text.size() : stop;
      cell.append(text.substr(i, end - i));
      i = end - 1;
    } else if (c == '"') {
      quoted = true;
    } else if (c == delimiter) {
      endCell(row, cell);
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endCell(row, cell);
      endRow(rows, row);
    } else {
      cell += c;
    }
  }
  if (!cell.empty() || !row.empty()) {
    endCell(row, cell);
    endRow(rows, row);
  }
  return rows;
}

CsvTable csvTableOf(std::string_view bytes, bool keepBytes, const std::string& name) {
  CsvTable table;
  const std::string text = csvText(bytes, keepBytes, table.encoding);
  table.delimiter = csvDelimiter(text);
  std::vector<std::vector<std::string>> rows = csvRows(text, table.delimiter);
  if (rows.empty()) return table;
  table.header = std::move(rows.front());
  checkLimit(static_cast<long long>(rows.size()) - 1, quoted(name), "rows");
  table.rows.assign(std::make_move_iterator(rows.begin() + 1), std::make_move_iterator(rows.end()));
  return table;
}

}  // namespace palvren
