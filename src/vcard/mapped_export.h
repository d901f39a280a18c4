#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/user_interface.h"
#include "vcard/output_plan.h"
#include "vcard/value_decoding.h"

namespace palvren {

// The file an export format writes in the split folder.
std::string_view ExportFileName(ExportFormat format);
// The format's name as menus and messages show it.
std::string_view ExportFormatTitle(ExportFormat format);
// The format's name on the command line and in the settings: "raw", "google" or "outlook".
std::string_view ExportFormatKey(ExportFormat format);
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

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

// Writes the mapped CSV of inputFile in the split folder beside it, named by ExportFileName;
// returns the number of contacts. Throws OperationError on a failure or limit. No more than
// inputSize bytes are read (all of the file when negative).
// The file's name is numbered, and an earlier one replaced, as the plan says. movedToNotes, when
// given, receives how many values went to the notes for want of a column.
int ExportMappedCsv(const std::string& inputFile, ExportFormat format, std::string& outputPath,
                    long long inputSize = -1, FileIo& io = systemFileIo(),
                    UserInterface* ui = nullptr, const OutputPlan& plan = {},
                    std::size_t* movedToNotes = nullptr);

// Reads the contacts of a file as ExportMappedCsv does, giving each one's properties to sink;
// they are valid until sink returns.
using ContactSink = std::function<void(const std::vector<MappedProperty>& properties)>;
void ForEachMappedContact(const std::string& inputFile, const ContactSink& sink,
                          long long inputSize = -1, FileIo& io = systemFileIo(),
                          UserInterface* ui = nullptr);

}  // namespace palvren
