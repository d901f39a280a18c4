#include "vcard/csv_import.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>

#include "platform/batch_worker.h"
#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/mapped_csv.h"
#include "vcard/value_decoding.h"
#include "vcard/value_forms.h"
#include "vcard/vcard_property.h"

namespace palvren {

namespace {

// The parts a structured property has; 1 for a whole value.
std::size_t partCount(std::string_view property) {
  if (property == "N") return 5;
  if (property == "ADR") return 7;
  if (property == "ORG") return 2;
  if (property == "BDAY") return 3;  // year, month, day, when a program writes them apart
  return 1;
}

// The cells of one property of a contact: its parts, whole value and label.
struct Instance {
  const ImportField* field;  // the first column's, as the mapping holds it
  std::vector<std::string> parts;
  std::string whole;
  std::string label;
  const std::string* header;  // the first column's, as the table holds it
  int column = -1;            // the column it is the instance of, when it has one of its own
};

// A cell as its writer meant it: the "'" a mapped export put before "=", "+", "-" or "@" taken
// off, and spaces at either end.
std::string_view cellText(std::string_view cell, bool raw) {
  if (raw) return cell;
  cell = trimSpaces(cell);
  if (cell.size() > 1 && cell.front() == '\'' &&
      std::string_view("=+-@\t\r").find(cell[1]) != std::string_view::npos) {
    cell.remove_prefix(1);
  }
  return cell;
}

void appendLine(std::string& text, std::string_view more) { appendNonEmpty(text, more, "\n"); }

// A raw export's cell holds a folded value's lines joined by line breaks, each line's leading
// blanks taken off: they are folded again, so the value reads back as it was before it was
// folded. A quoted-printable value's line breaks are its soft breaks, read as they stand.
void appendRawValue(std::string& line, std::string_view tag, std::string_view cell) {
  if (cell.find('\n') == std::string_view::npos || isQuotedPrintable(tag)) {
    line.append(cell);
    return;
  }
  for (std::size_t end = cell.find('\n'); end != std::string_view::npos; end = cell.find('\n')) {
    line.append(cell.substr(0, end + 1));
    cell.remove_prefix(end + 1);
    // A line folded with a tab keeps it: the tab marks the fold as the space would.
    if (!cell.starts_with('\t') && !cell.starts_with(' ')) line.push_back(' ');
  }
  line.append(cell);
}

// Which instance a column's cells go to: a numbered group, or all the parts of one kind of a
// structured property, or the column itself.
// The column a field's instance is its own, or -1 when columns share it.
int ownColumn(const ImportField& field, std::size_t column) {
  return field.group == 0 && partCount(field.property) == 1 ? int(column) : -1;
}

// The kind a Google label names ("* Work" is the preferred work one); empty for another.
std::string_view kindOfLabel(std::string_view label) {
  std::string_view name = trimSpaces(label.substr(0, label.find(":::")));
  if (name.starts_with("* ")) name.remove_prefix(2);
  if (equalsUpper(name, "OTHER FAX")) return "fax";
  if (equalsUpper(name, "HOME PAGE")) return "home";
  static constexpr std::pair<std::string_view, std::string_view> kKinds[] = {
      {"HOME", "home"},         {"WORK", "work"},         {"MOBILE", "mobile"},
      {"HOME FAX", "home fax"}, {"WORK FAX", "work fax"}, {"PAGER", "pager"}};
  for (const auto& [upper, kind] : kKinds) {
    if (equalsUpper(name, upper)) return kind;
  }
  return {};
}

// Appends the TYPE values of a kind, for a property, to its tag; PREF for a preferred one.
void appendTypes(std::string& tag, std::string_view property, std::string_view kind, bool pref) {
  bool first = true;
  const auto add = [&](std::string_view type) {
    tag += first ? ";TYPE=" : ",";
    tag += type;
    first = false;
  };
  if (property == "EMAIL") add("INTERNET");
  if (kind == "mobile") add("CELL");
  if (kind.starts_with("work")) add("WORK");
  if (kind.starts_with("home")) add("HOME");
  if (kind.ends_with("fax")) add("FAX");
  if (kind == "pager") add("PAGER");
  if (pref) add("PREF");
}

bool isDigits(std::string_view text, std::size_t count) {
  return text.size() == count &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether a date is one ISO 8601 writes (2024-03-05, 20240305, --03-05, --0305, 2024-03), a
// time after it allowed.
bool isIsoDate(std::string_view date) {
  date = date.substr(0, date.find('T'));
  if (date.starts_with("--")) {
    const std::string_view rest = date.substr(2);
    return isDigits(rest, 4) || (rest.size() == 5 && rest[2] == '-' &&
                                 isDigits(rest.substr(0, 2), 2) && isDigits(rest.substr(3), 2));
  }
  if (isDigits(date, 8)) return true;
  if (date.size() < 7 || date[4] != '-' || !isDigits(date.substr(0, 4), 4)) return false;
  if (date.size() == 7) return isDigits(date.substr(5), 2);
  return date.size() == 10 && date[7] == '-' && isDigits(date.substr(5, 2), 2) &&
         isDigits(date.substr(8), 2);
}

// Builds contacts' lines from their rows, one row after another; what it holds for one row keeps
// its storage for the next.
class RowContact {
 public:
  RowContact(const ColumnMapping& mapping, ImportLog& log) : mapping_(mapping), log_(log) {}

  // Starts the contact of the row numbered number.
  void start(int number) {
    number_ = number;
    used_ = 0;
    lines_.clear();
    lines_.push("BEGIN:VCARD");  // a raw export's lines follow it as they are read
    rawLines_ = 0;
    notes_.clear();
    pastHeader_.clear();
  }

  const ColumnMapping& mapping() const { return mapping_; }

  void add(std::size_t column, const std::string& header, std::string_view cell) {
    const ImportField& field = mapping_.fields[column];
    if (cell.empty()) return;
    if (field.raw) {
      std::string& line = lines_.next().append(field.property);
      appendRawValue(line.append(":"), field.property, cell);
      ++rawLines_;
      return;
    }
    Instance& instance = instanceFor(field, column, header);
    if (field.part == kLabel) {
      instance.label.assign(cell);
    } else if (field.part == kWhole || instance.parts.size() == 1) {
      appendLine(instance.whole, cell);
    } else if (field.part >= 0 && std::size_t(field.part) < instance.parts.size()) {
      appendLine(instance.parts[std::size_t(field.part)], cell);
    }
  }

  void addPastHeader(std::size_t column, std::string_view cell) {
    if (!trimSpaces(cell).empty()) {
      appendLine(pastHeader_, "Column " + std::to_string(column + 1) + ": " + std::string(cell));
    }
  }

  // The contact's lines, in strings the next row's lines reuse.
  const LineSink& lines() {
    LineSink& out = lines_;
    if (rawLines_ > 0) {
      if (!pastHeader_.empty()) appendHeld(out.next().append("NOTE:"), pastHeader_);
    } else {
      out.clear();
      out.push("BEGIN:VCARD");
      out.push("VERSION:3.0");
      writeNames(out);
      for (Instance& instance : instances()) writeInstance(instance, out);
      writeNote(out);
      completeNames(out);
    }
    out.push("END:VCARD");
    return out;
  }

 private:
  std::span<Instance> instances() { return {instances_.data(), used_}; }

  Instance& instanceFor(const ImportField& field, std::size_t column, const std::string& header) {
    const int own = ownColumn(field, column);
    for (Instance& instance : instances()) {
      const ImportField& f = *instance.field;
      if (instance.column == own && f.group == field.group && f.property == field.property &&
          f.kind == field.kind) {
        return instance;
      }
    }
    // An earlier row's instance is emptied and used again.
    if (used_ == instances_.size()) instances_.emplace_back();
    Instance& instance = instances_[used_++];
    instance.field = &field;
    instance.parts.assign(partCount(field.property), std::string());
    instance.whole.clear();
    instance.label.clear();
    instance.header = &header;
    instance.column = own;
    return instance;
  }

  const Instance* find(std::string_view property) const {
    for (const Instance& instance : std::span<const Instance>(instances_.data(), used_)) {
      if (instance.field->property == property) return &instance;
    }
    return nullptr;
  }

  void repair(const std::string& what) {
    log_.repairs.push_back("contact " + std::to_string(number_) + ": " + what);
  }

  // N, and FN as written or made from the name's parts.
  void writeNames(LineSink& out) {
    const Instance* name = find("N");
    const Instance* formatted = find("FN");
    if (name) {
      std::string& line = out.next().append("N:");
      for (std::size_t k = 0; k < 5; ++k) {
        if (k > 0) line += ';';
        appendHeld(line, name->parts[k]);
      }
    }
    if (formatted && !formatted->whole.empty()) {
      appendHeld(out.next().append("FN:"), formatted->whole);
    } else if (name) {
      std::array<std::string, 5> parts;
      std::copy(name->parts.begin(), name->parts.end(), parts.begin());
      appendHeld(out.next().append("FN:"), composedName(parts));
      repair("FN made from the name columns");
    }
  }

  // What every version a contact may be written in reads: N, and FN made from ORG or EMAIL when
  // the row has no name at all. Placed after VERSION.
  void completeNames(LineSink& out) {
    const auto has = [&](std::string_view prefix) {
      return std::any_of(out.begin(), out.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
    };
    std::size_t at = 2;
    if (!has("N:")) {
      out.insertAt(at++) = "N:;;;;";
      repair("N added");
    }
    if (has("FN:")) return;
    for (std::string_view property : {"ORG", "EMAIL"}) {
      for (const std::string& line : out) {
        if (propertyName(line.substr(0, line.find(':'))) != property) continue;
        const std::string first = structuredParts(line.substr(line.find(':') + 1)).front();
        if (first.empty()) continue;
        appendHeld(out.insertAt(at).append("FN:"), first);
        repair("FN made from " + std::string(property));
        return;
      }
    }
    out.insertAt(at) = "FN:";
    repair("FN added empty: the row has no name, organization or e-mail");
  }

  void writeInstance(Instance& instance, LineSink& out) {
    const std::string& property = instance.field->property;
    if (property == "N" || property == "FN") return;
    if (property == "NOTE") return appendLine(notes_, instance.whole);
    if (property == "BDAY") return writeBirthday(instance, out);
    const bool structured = instance.parts.size() > 1;
    if (structured && property == "ADR" && !instance.whole.empty() &&
        std::all_of(instance.parts.begin(), instance.parts.end(),
                    [](const std::string& part) { return part.empty(); })) {
      instance.parts[kStreet] = instance.whole;  // a formatted address alone
    }
    std::string& line = out.next();
    appendTag(line, instance);
    line += ':';
    const std::size_t valueStart = line.size();
    if (structured) {
      for (std::size_t k = 0; k < instance.parts.size(); ++k) {
        if (k > 0) line += ';';
        appendHeld(line, instance.parts[k]);
      }
      if (property == "ORG" && instance.parts[1].empty()) line.pop_back();
    } else {
      appendHeld(line, instance.whole);
    }
    if (line.find_first_not_of(';', valueStart) == std::string::npos) out.pop();  // none empty
  }

  void appendTag(std::string& tag, const Instance& instance) {
    const std::string& property = instance.field->property;
    const std::string_view label = trimSpaces(instance.label);
    const std::string_view labelKind = label.empty() ? std::string_view() : kindOfLabel(label);
    const std::string_view kind = instance.field->kind.empty() ? labelKind : instance.field->kind;
    tag += property;
    appendTypes(tag, property, kind, label.starts_with("* "));
    const bool knownLabel = label.empty() || !labelKind.empty() ||
                            toLowerAscii(label).find("other") != std::string::npos;
    if (!knownLabel) tag += ";X-CSV-LABEL=\"" + replaceAll(label, "\"", "'") + "\"";
  }

  void writeBirthday(const Instance& instance, LineSink& out) {
    std::string date = instance.whole;
    const std::vector<std::string>& p = instance.parts;
    if (date.empty() && (!p[1].empty() || !p[2].empty())) {
      auto two = [](const std::string& n) { return n.size() == 1 ? "0" + n : n; };
      date = (p[0].empty() ? "-" : p[0]) + "-" + two(p[1]) + "-" + two(p[2]);
    }
    if (date.empty()) return;
    if (isIsoDate(date)) {
      out.push("BDAY:" + date);
      return;
    }
    const std::string kept = unknownColumnProperty(*instance.header);
    out.push(kept + ":" + plainToHeld(date));
    repair("birthday \"" + date + "\" is no ISO 8601 date: kept as text in " + kept);
  }

  void writeNote(LineSink& out) {
    if (!pastHeader_.empty()) repair("cells past the header went to NOTE");
    appendLine(notes_, pastHeader_);
    if (!notes_.empty()) appendHeld(out.next().append("NOTE:"), notes_);
  }

  const ColumnMapping& mapping_;
  ImportLog& log_;
  int number_ = 0;
  std::vector<Instance> instances_;
  std::size_t used_ = 0;  // the instances of this row
  LineSink lines_;
  std::size_t rawLines_ = 0;  // the lines of a raw export's cells, which lines_ holds
  std::string notes_;
  std::string pastHeader_;
};

}  // namespace

namespace {

const LineSink& contactOfRow(const CsvRecord& row, const CsvTable& table, RowContact& contact,
                             int number) {
  contact.start(number);
  const bool raw = contact.mapping().setName == kRawExportColumns;
  const ColumnMapping& mapping = contact.mapping();
  // Empty cells add nothing: only the cells that hold text are visited.
  for (const CsvCell& cell : row.cells) {
    const std::size_t column = cell.column;
    if (column < mapping.fields.size()) {
      contact.add(column, table.header[column], cellText(cell.text(), raw));
    } else {
      contact.addPastHeader(column, cell.text());
    }
  }
  return contact.lines();
}

}  // namespace

std::vector<std::string> contactOfRow(const CsvRecord& row, const CsvTable& table,
                                      const ColumnMapping& mapping, int number, ImportLog& log) {
  RowContact contact(mapping, log);
  const LineSink& lines = contactOfRow(row, table, contact, number);
  return {lines.begin(), lines.end()};
}

CsvTable readImportTable(const OpenInput& input, ColumnSet columns, FileIo& io) {
  std::string bytes = readCsvBytes(input, io);
  const std::string_view start(bytes);
  const bool utf16 = start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
  // A raw export keeps its bytes whatever they are, and UTF-8 is read as it stands: only the
  // bytes of another file are checked, and read as Windows-1252 when they are not UTF-8.
  const auto keepsBytes = [&] {
    const std::optional<ColumnMapping> mapping = mapColumns(csvHeader(bytes), columns);
    return mapping && mapping->setName == kRawExportColumns;
  };
  const bool keep = utf16 || keepsBytes() || isValidUtf8(bytes);
  return csvTableOf(std::move(bytes), keep, input.path());
}

Written importRows(const CsvTable& table, const ColumnMapping& mapping, ContactConverter& converter,
                   ImportLog& log, const std::string& folder, FileIo& io, RunProgress* ui,
                   const OutputPlan& plan) {
  std::optional<LineWriter> output;
  if (!folder.empty())
    output.emplace(folder + numberedName(kImportedFileName, plan.resultNumber), io);
  const int rows = static_cast<int>(table.rows.size());
  log.rows = rows;
  // The lines a row of known columns makes are vCard 3.0 already: they only need folding.
  const bool as30 = mapping.setName != kRawExportColumns && converter.target() == VcardVersion::V30;
  writeRows(table, mapping, as30 ? nullptr : &converter, log, output ? &*output : nullptr, ui);
  if (!output || log.contacts == 0) return {log.contacts, {}};
  return {log.contacts, commitResult(*output, kImportedFileName, plan)};
}

namespace {

void showRow(RunProgress* ui, int done, int rows) {
  if (!ui) return;
  ui->setStatus(processingStatus(done + 1));
  stepDone(*ui, done, rows);
}

}  // namespace

namespace {

// Appends a contact's lines to text, folded (by way of folded), each ended with CR LF.
void appendFolded(const LineSink& lines, LineSink& folded, std::string& text) {
  for (const std::string& line : lines) {
    if (line.size() <= kFoldedLength) {
      text.append(line).append(kCrLf);
      continue;
    }
    folded.clear();
    foldLine(line, folded);
    for (const std::string& part : folded) text.append(part).append(kCrLf);
  }
}

// Rows a lane builds, and what it made of them: their contacts' lines as one text, each line
// ended with CR LF, and the repairs of the rows.
struct RowBatch {
  int first = 0;
  int count = 0;
  std::string text;
  std::vector<std::string> repairs;
};

// Builds the contacts of rows, and converts them when it has a converter, on a thread of its own.
class RowLane {
 public:
  RowLane(const CsvTable& table, const ColumnMapping& mapping, ContactConverter* converter)
      : table_(table),
        contact_(mapping, log_),
        converter_(converter),
        worker_([this](RowBatch& batch) { build(batch); }) {}

  BatchWorker<RowBatch>& worker() { return worker_; }

 private:
  void build(RowBatch& batch) {
    batch.text.clear();
    for (int k = batch.first; k < batch.first + batch.count; ++k) {
      table_.rows.read(std::size_t(k), row_);
      const LineSink& lines = contactOfRow(row_, table_, contact_, k + 1);
      if (!converter_) {
        appendFolded(lines, folded_, batch.text);
        continue;
      }
      for (const std::string& line : converter_->convert({lines.begin(), lines.end()}, k + 1)) {
        batch.text.append(line).append(kCrLf);
      }
    }
    batch.repairs.swap(log_.repairs);
    log_.repairs.clear();
  }

  const CsvTable& table_;
  ImportLog log_;
  RowContact contact_;
  CsvRecord row_;    // the row being built, in storage the next row reuses
  LineSink folded_;  // a long line's parts
  ContactConverter* converter_;
  BatchWorker<RowBatch> worker_;  // last: its thread starts once the rest is made
};

}  // namespace

void writeRows(const CsvTable& table, const ColumnMapping& mapping, ContactConverter* converter,
               ImportLog& log, LineWriter* output, RunProgress* ui) {
  // The rows are read and built (and converted) on two more threads, batches handed to each in
  // turn ahead of those being written; each batch's text and repairs are taken in row order, and
  // the second converter's log joins the first's at the end.
  constexpr int kRows = 256;
  constexpr std::size_t kAhead = 2 * BatchWorker<RowBatch>::kBatches;
  const int rows = static_cast<int>(table.rows.size());
  std::optional<ContactConverter> secondConverter;
  if (converter) secondConverter.emplace(converter->target());
  {
    RowLane first(table, mapping, converter);
    RowLane second(table, mapping, secondConverter ? &*secondConverter : nullptr);
    RowLane* lanes[2] = {&first, &second};
    std::vector<RowBatch> spare;  // batches written, their storage for the next ones
    int submitted = 0;
    std::size_t handed = 0;
    std::size_t written = 0;
    for (;;) {
      while (handed - written < kAhead && submitted < rows) {
        RowBatch batch;
        if (!spare.empty()) {
          batch = std::move(spare.back());
          spare.pop_back();
        }
        batch.first = submitted;
        batch.count = std::min(kRows, rows - submitted);
        submitted += batch.count;
        lanes[handed++ % 2]->worker().submit(std::move(batch));
      }
      if (handed == written) break;
      RowBatch batch = lanes[written++ % 2]->worker().next();
      log.repairs.insert(log.repairs.end(), batch.repairs.begin(), batch.repairs.end());
      for (int k = 0; k < batch.count; ++k) showRow(ui, log.contacts + k, rows);
      if (output) output->writeText(batch.text);
      log.contacts += batch.count;
      spare.push_back(std::move(batch));
    }
  }
  if (converter) converter->absorb(secondConverter->log());
}

std::string importReport(const std::string& input, const CsvTable& table,
                         const ColumnMapping& mapping, const ImportLog& log,
                         const ContactConverter& converter) {
  const std::string columns =
      mapping.recognised ? mapping.setName + " columns" : std::string("columns as chosen");
  const std::string delimiter =
      table.delimiter == '\t' ? std::string("tab") : "'" + std::string(1, table.delimiter) + "'";
  std::vector<std::string> lines{"Import of \"" + input + "\": " + columns + ", " + table.encoding +
                                 ", delimiter " + delimiter + "; " + std::to_string(log.rows) +
                                 " rows read, " + std::to_string(log.contacts) +
                                 " contacts written."};
  for (std::size_t k = 0; k < table.header.size() && k < mapping.fields.size(); ++k) {
    const ImportField& field = mapping.fields[k];
    lines.push_back("Column \"" + table.header[k] +
                    "\": " + (field.raw ? field.property : fieldLabel(field)));
  }
  lines.insert(lines.end(), log.repairs.begin(), log.repairs.end());
  std::string text;
  for (const std::string& line : lines) text += escapeControls(line) + "\n";
  // Written as 3.0, a row's lines are the version's own and no conversion ran.
  return converter.log().contacts > 0 ? text + converter.report() : text;
}

}  // namespace palvren
