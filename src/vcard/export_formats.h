#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"
#include "vcard/output_plan.h"

namespace palvren {

// What an export writes: one column per tag as read, or the columns an address book imports.
enum class ExportFormat { Raw, Google, Outlook };

// Writes the input's CSV in one format beside it. movedToNotes, when given, receives how many
// values had no column of their own and went to the notes.
using ExportWriter = Written (*)(const OpenInput& input, ExportFormat format, FileIo& io,
                                 RunProgress* ui, const OutputPlan& plan,
                                 std::size_t* movedToNotes);

// One export format: its names wherever it is named, its file, and its writer.
struct ExportFormatInfo {
  ExportFormat format;
  std::string_view key;       // on the command line and in the settings
  TextId title;               // in messages
  TextId menuCaption;         // in the Options menu, with its access key
  std::string_view fileName;  // written in the split folder
  std::string_view summary;   // what its columns hold, for the command line's help
  ExportWriter write;
};

// Every format, in the order the menu lists them.
std::span<const ExportFormatInfo> exportFormats();
const ExportFormatInfo& exportFormatInfo(ExportFormat format);
// The format of a key; nothing for an unknown key.
std::optional<ExportFormat> exportFormatNamed(std::string_view key);

}  // namespace palvren
