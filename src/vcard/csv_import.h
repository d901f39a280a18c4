#pragma once

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/line_writer.h"
#include "platform/run_progress.h"
#include "vcard/csv_columns.h"
#include "vcard/csv_reading.h"
#include "vcard/output_plan.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// The file an import writes, beside its input.
constexpr char kImportedFileName[] = "Contacts_Imported.vcf";

// What an import did, for its message and report.
struct ImportLog {
  int rows = 0;
  int contacts = 0;
  std::vector<std::string> repairs;  // "contact 3: FN made from the name columns"
};

// Reads a CSV file to import: its cells keep their bytes when it is a raw export (whose cells
// each hold what their vCard held), and are read as UTF-8 or Windows-1252 otherwise.
CsvTable readImportTable(const OpenInput& input, ColumnSet columns, FileIo& io = systemFileIo());

// One contact per non-empty row of the table, as vCard 3.0 lines (BEGIN through END), its cells
// put where mapping says; what needed a repair goes into log. number is the contact's.
std::vector<std::string> contactOfRow(const CsvRecord& row, const CsvTable& table,
                                      const ColumnMapping& mapping, int number, ImportLog& log);

// Imports the rows of table into one file of vCards in converter's version, Contacts_Imported.vcf
// in folder (which ends with '/'), numbered or replacing an earlier one as the plan says; without
// a folder, converts and writes nothing. Returns the contacts written and the file.
Written importRows(const CsvTable& table, const ColumnMapping& mapping, ContactConverter& converter,
                   ImportLog& log, const std::string& folder, FileIo& io = systemFileIo(),
                   RunProgress* ui = nullptr, const OutputPlan& plan = {});

// The rows' contacts, built on two more threads and written in row order into output when one is
// given: converted to the converter's version, or without one as vCard 3.0 (what contactOfRow
// gives, folded).
void writeRows(const CsvTable& table, const ColumnMapping& mapping, ContactConverter* converter,
               ImportLog& log, LineWriter* output, RunProgress* ui);

// The report of an import: the column set, where each column went, each repair, and what the
// conversion changed.
std::string importReport(const std::string& input, const CsvTable& table,
                         const ColumnMapping& mapping, const ImportLog& log,
                         const ContactConverter& converter);

}  // namespace palvren
