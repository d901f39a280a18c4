#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"
#include "vcard/export_formats.h"
#include "vcard/output_plan.h"
#include "vcard/value_decoding.h"

namespace palvren {

// One property of a contact as read for a mapped export: its name without group, upper-cased;
// its types, lower-cased; its value decoded to UTF-8 (escapes still in place).
struct MappedProperty {
  std::string tag;  // as written, group and parameters included
  std::string name;
  std::vector<std::string> types;
  std::string value;

  bool hasType(std::string_view type) const;
};

// A contact's properties, mapped to the fields address-book programs import.
struct MappedContact {
  struct Typed {
    std::string kind;  // "home", "work", "mobile", "fax", "home fax", "work fax", "pager", ""
    std::vector<std::string> parts;  // one part, or ADR's seven
  };
  std::string formattedName;
  std::array<std::string, 5> name;  // family, given, additional, prefix, suffix
  std::string nickname, organization, department, title, birthday, note;
  std::vector<Typed> emails, phones, addresses, websites;
  // Properties no column is for, one "TAG: value" line each.
  std::vector<std::string> other;
};

MappedContact MapContact(const std::vector<MappedProperty>& properties);

// The CSV, header and rows, of the contacts in a mapped format (Google or Outlook), a line at a
// time without its line end: RFC 4180 quoting, every row as wide as the header.
using CsvLineSink = std::function<void(std::string_view line)>;
// Cells that a spreadsheet would run as a formula get a leading "'". Returns how many values had
// no numbered column (past the tenth of their kind in the Google format) and went to the notes.
std::size_t WriteMappedCsv(const std::vector<MappedContact>& contacts, ExportFormat format,
                           const CsvLineSink& sink);

// Writes the mapped CSV of the input in the split folder beside it, named by the format;
// returns the number of contacts and the file. Throws OperationError on a failure or limit.
// The file's name is numbered, and an earlier one replaced, as the plan says. movedToNotes, when
// given, receives how many values went to the notes for want of a column.
Written ExportMappedCsv(const OpenInput& input, ExportFormat format, FileIo& io = systemFileIo(),
                        RunProgress* ui = nullptr, const OutputPlan& plan = {},
                        std::size_t* movedToNotes = nullptr);

// Reads the contacts of a file as ExportMappedCsv does, giving each one's properties to sink;
// they are valid until sink returns.
using ContactSink = std::function<void(const std::vector<MappedProperty>& properties)>;
void ForEachMappedContact(const OpenInput& input, const ContactSink& sink,
                          FileIo& io = systemFileIo(), RunProgress* ui = nullptr);

}  // namespace palvren
