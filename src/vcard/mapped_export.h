#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"
#include "vcard/export_formats.h"
#include "vcard/mapped_contact.h"
#include "vcard/output_plan.h"

namespace palvren {

// The CSV, header and rows, of the contacts in a mapped format (Google or Outlook), a line at a
// time without its line end: RFC 4180 quoting, every row as wide as the header.
using CsvLineSink = std::function<void(std::string_view line)>;
// Cells that a spreadsheet would run as a formula get a leading "'". Returns how many values had
// no numbered column (past the tenth of their kind in the Google format) and went to the notes.
std::size_t writeMappedCsv(const std::vector<MappedContact>& contacts, ExportFormat format,
                           const CsvLineSink& sink);

// Writes the mapped CSV of the input in the split folder beside it, named by the format;
// returns the number of contacts and the file. Throws OperationError on a failure or limit.
// The file's name is numbered, and an earlier one replaced, as the plan says. movedToNotes, when
// given, receives how many values went to the notes for want of a column.
Written exportMappedCsv(const OpenInput& input, ExportFormat format, FileIo& io = systemFileIo(),
                        RunProgress* ui = nullptr, const OutputPlan& plan = {},
                        std::size_t* movedToNotes = nullptr);

}  // namespace palvren
