#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"

namespace palvren {

// One record (row) of a CSV file: the cells that hold text, by column, in column order; every other
// cell of the row is empty. A wide file (a raw export of thousands of columns) is mostly empty
// cells, which take no room here.
struct CsvRecord {
  std::vector<std::pair<std::uint32_t, std::string_view>> cells;
  std::size_t columns = 0;  // the row's cells, empty ones included

  std::size_t size() const { return columns; }
  // The cell of a column; empty when it holds nothing or the row is shorter.
  std::string_view at(std::size_t column) const;
};

// A CSV file as rows of cells: the header row first.
// Its cells are views into the text it keeps (a copy of the table shares it).
struct CsvTable {
  std::vector<std::string> header;
  std::vector<CsvRecord> rows;  // empty rows left out
  std::string encoding;         // "UTF-8", "UTF-16" or "Windows-1252"
  char delimiter = ',';
  std::shared_ptr<const std::string> text;
  std::shared_ptr<const std::deque<std::string>> requoted;  // cells quoting changed
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
// is a view into text, or into a string kept in requoted where quoting changed its text.
std::vector<CsvRecord> csvRows(std::string_view text, char delimiter,
                               std::deque<std::string>& requoted);

// The bytes of a file, read whole.
std::string readCsvBytes(const OpenInput& input, FileIo& io = systemFileIo());
// The table of a CSV file's bytes, its encoding and delimiter found. Refuses (OperationError) more
// than 32767 rows after the header, naming the file name, before anything is written.
// A file's bytes handed over (moved) become the table's text where they need no converting.
CsvTable csvTableOf(std::string bytes, bool keepBytes, const std::string& name);

}  // namespace palvren
