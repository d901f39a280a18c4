#pragma once

#include <cstdint>
#include <forward_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"

namespace palvren {

// A cell that holds text: a view, and its column.
struct CsvCell {
  const char* data;
  std::uint32_t size;
  std::uint32_t column;

  std::string_view text() const { return {data, size}; }
};
// Cells whose quoting changed their text, kept where their views point (a list: nothing is
// allocated while it is empty, and its strings stay put as it grows or moves).
using Requoted = std::forward_list<std::string>;

// One record (row) of a CSV file: the cells that hold text, by column, in column order; every other
// cell of the row is empty. A wide file (a raw export of thousands of columns) is mostly empty
// cells, which take no room here.
struct CsvRecord {
  std::vector<CsvCell> cells;
  std::size_t columns = 0;  // the row's cells, empty ones included
  // The cells whose quoting changed their text, which cells view (shared by copies).
  std::shared_ptr<const Requoted> requoted;

  std::size_t size() const { return columns; }
  // The cell of a column; empty when it holds nothing or the row is shorter.
  std::string_view at(std::size_t column) const;
};

// The rows of a CSV text after its header, empty rows left out. Only where each row starts is
// kept: a row is read again when asked for, so that a table costs little more than its text.
// A copy shares the text; rows may be read on several threads at once.
class CsvRows {
 public:
  CsvRows() = default;
  CsvRows(std::shared_ptr<const std::string> text, char delimiter, std::vector<std::size_t> starts)
      : text_(std::move(text)), delimiter_(delimiter), starts_(std::move(starts)) {}

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // The row; its cells are views into the table's text or into the row's own requoted cells.
  CsvRecord operator[](std::size_t index) const;
  // The same, read into row, whose storage it reuses.
  void read(std::size_t index, CsvRecord& row) const;

 private:
  std::shared_ptr<const std::string> text_;
  char delimiter_ = ',';
  std::vector<std::size_t> starts_;
};

// A CSV file as its header and rows.
struct CsvTable {
  std::vector<std::string> header;
  CsvRows rows;
  std::string encoding;  // "UTF-8", "UTF-16" or "Windows-1252"
  char delimiter = ',';
};

// The text of CSV bytes as UTF-8: a byte-order mark taken off, UTF-16 (by its mark) converted,
// and bytes that are not UTF-8 read as Windows-1252 unless keepBytes (a raw export, whose cells
// each keep the bytes their vCard had). Sets encoding.
std::string csvText(std::string bytes, bool keepBytes, std::string& encoding);
// The delimiter of a CSV text: of ',' ';' and tab, the one its first line holds most of outside
// quotes; ',' when it holds none.
char csvDelimiter(std::string_view text);
// The rows of a CSV text (RFC 4180: quoted cells may hold the delimiter, doubled quotes and line
// breaks), with CR LF, LF or CR ending a row. Rows with no text in any cell are left out. A cell
// is a view into text, or into the row's requoted cells where quoting changed its text.
std::vector<CsvRecord> csvRows(std::string_view text, char delimiter);

// The first row of a CSV text that is not UTF-16, read without the rest: the header.
std::vector<std::string> csvHeader(std::string_view text);

// The bytes of a file, read whole.
std::string readCsvBytes(const OpenInput& input, FileIo& io = systemFileIo());
// The table of a CSV file's bytes, its encoding and delimiter found. Refuses (OperationError) more
// than 32767 rows after the header, naming the file name, before anything is written.
// A file's bytes handed over (moved) become the table's text where they need no converting.
CsvTable csvTableOf(std::string bytes, bool keepBytes, const std::string& name);

}  // namespace palvren
