#include "vcard/csv_export.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/line_writer.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/contact_folder.h"
#include "vcard/export_formats.h"

namespace palvren {

namespace {

class ItemCollector {
 public:
  ItemCollector(ContactItems& contacts, const std::string& file) : c_(contacts), file_(file) {}

  void startContact() {
    checkFileContacts(static_cast<long long>(c_.firstItem.size() + 1), file_);
    c_.firstItem.push_back(c_.items.size());
    c_.closed.push_back(false);
  }
  void addLine(std::string_view line) {
    if (line.find(':') != std::string_view::npos) return addItem(line);
    if (c_.items.size() == c_.firstItem.back()) {
      // Text before the contact's first property: kept as a value under the empty tag.
      c_.text.push_back(':');
      return addItem(line, 1);
    }
    c_.text.append(kCrLf);
    c_.text.append(line);
    c_.items.back().length += kCrLf.size() + line.size();
  }
  void closeContact() { c_.closed.back() = true; }

 private:
  void addItem(std::string_view line, std::size_t alreadyWritten = 0) {
    checkContactLines(static_cast<long long>(c_.items.size() - c_.firstItem.back() + 1),
                      c_.firstItem.size(), file_);
    std::size_t offset = c_.text.size() - alreadyWritten;
    c_.text.append(line);
    c_.items.push_back({offset, line.size() + alreadyWritten});
  }

  ContactItems& c_;
  const std::string& file_;
};

constexpr std::string_view kEmptyCell = ",\"\"";

std::string headerField(std::string_view tag) {
  std::string field;
  appendCsvField(field, tag);
  return field;
}

std::string writeCsv(const OutputFolder& folder, const ContactItems& contacts,
                     const ColumnTags& columns, const std::vector<int>& itemColumns, FileIo& io,
                     RunProgress* ui, const OutputPlan& plan) {
  const int rows = static_cast<int>(contacts.contactCount());
  const std::string exportName(exportFormatInfo(ExportFormat::Raw).fileName);
  LineWriter output(folder, numberedName(exportName, plan.resultNumber), io);
  std::string row;
  for (int c = 1; c <= columns.size(); ++c) {
    if (c > 1) row += ',';
    row += headerField(columns[c]);
  }
  output.writeLine(row);
  // Most cells of a wide table are empty: they are written in runs, each cell with its comma.
  std::string emptyCells;
  for (int c = 0; c < columns.size(); ++c) emptyCells += kEmptyCell;
  std::vector<std::pair<int, std::size_t>> cells;  // (column, item) of one contact
  for (std::size_t contact = 0; contact < contacts.contactCount(); ++contact) {
    if (ui) stepDone(*ui, static_cast<int>(contact), rows);
    cells.clear();
    for (std::size_t i = contacts.dataItemsBegin(contact); i < contacts.dataItemsEnd(contact);
         ++i) {
      cells.emplace_back(itemColumns[i], i);
    }
    // A tag given twice fills its cell with the later value.
    std::stable_sort(cells.begin(), cells.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    row.clear();
    int nextColumn = 1;
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const auto [column, item] = cells[k];
      if (k + 1 < cells.size() && cells[k + 1].first == column) continue;
      row.append(emptyCells, 0, kEmptyCell.size() * std::size_t(column - nextColumn));
      row += ',';
      appendQuoted(row, itemValue(contacts.itemText(item)));
      nextColumn = column + 1;
    }
    row.append(emptyCells, 0, kEmptyCell.size() * std::size_t(columns.size() + 1 - nextColumn));
    // The first cell has no comma before it.
    output.writeLine(std::string_view(row).substr(row.empty() ? 0 : 1));
  }
  return commitResult(output, exportName, plan);
}

}  // namespace

void appendQuoted(std::string& row, std::string_view value) {
  row += '"';
  for (std::size_t quote; (quote = value.find('"')) != std::string_view::npos;) {
    row.append(value.substr(0, quote + 1));
    row += '"';
    value.remove_prefix(quote + 1);
  }
  row.append(value);
  row += '"';
}

void appendCsvField(std::string& row, std::string_view value) {
  static constexpr ByteSet kNeedQuotes(",\"\r\n");
  if (findAnyOf(value, kNeedQuotes) == std::string_view::npos) {
    row.append(value);
  } else {
    appendQuoted(row, value);
  }
}

std::size_t ContactItems::dataItemsEnd(std::size_t c) const {
  std::size_t end = c + 1 < firstItem.size() ? firstItem[c + 1] : items.size();
  return closed[c] && end > firstItem[c] ? end - 1 : end;
}

int ColumnTags::find(std::string_view tag) const {
  auto found = index_.find(tag);
  return found == index_.end() ? -1 : found->second;
}

int ColumnTags::append(std::string_view tag) {
  tags_.emplace_back(tag);
  int column = size();
  index_.emplace(tags_.back(), column);
  return column;
}

std::string_view itemTag(std::string_view item) {
  return trimSpaces(item.substr(0, item.find(':')));
}

std::string_view itemValue(std::string_view item) {
  std::size_t colon = item.find(':');
  return colon == std::string_view::npos ? std::string_view() : trimSpaces(item.substr(colon + 1));
}

int findColumn(std::string_view tag, const ColumnTags& columnTags) { return columnTags.find(tag); }

std::vector<int> buildCsvColumns(const ContactItems& contacts, ColumnTags& columnTags) {
  std::vector<int> itemColumns(contacts.items.size(), 0);
  for (std::size_t contact = 0; contact < contacts.contactCount(); ++contact) {
    for (std::size_t i = contacts.dataItemsBegin(contact); i < contacts.dataItemsEnd(contact);
         ++i) {
      std::string_view tag = itemTag(contacts.itemText(i));
      int column = findColumn(tag, columnTags);
      if (column < 0) {
        checkLimit(columnTags.size() + 1,
                   PALVREN_TEXT("Limits",
                                "The input holds more than %1 distinct tags, the most "
                                "this program can process."));
        column = columnTags.append(tag);
      }
      itemColumns[i] = column;
    }
  }
  return itemColumns;
}

ContactItems readContactItems(const OpenInput& input, FileIo& io, RunProgress* ui) {
  ContactItems contacts;
  ItemCollector collector(contacts, input.path());
  LineReader reader(input, io);
  std::string_view line;
  while (reader.readLine(line)) {
    if (!isContactBegin(line)) continue;
    collector.startContact();
    while (reader.readLine(line)) {
      std::string_view stripped = trimSpaces(line);
      collector.addLine(stripped);
      if (isExportEnd(stripped)) {
        collector.closeContact();
        break;
      }
    }
    if (ui) ui->yield();
  }
  return contacts;
}

Written exportContactsToCsv(const OpenInput& input, FileIo& io, RunProgress* ui,
                            const OutputPlan& plan) {
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path());
  if (!folder) return {};
  ContactItems contacts = readContactItems(input, io, ui);
  ColumnTags columns;
  std::vector<int> itemColumns = buildCsvColumns(contacts, columns);
  return {static_cast<int>(contacts.contactCount()),
          writeCsv(*folder, contacts, columns, itemColumns, io, ui, plan)};
}

}  // namespace palvren
