#include "vcard/export_formats.h"

#include <stdexcept>

#include "vcard/csv_export.h"
#include "vcard/mapped_export.h"

namespace palvren {

namespace {

Written writeRaw(const OpenInput& input, ExportFormat, FileIo& io, RunProgress* ui,
                 const OutputPlan& plan, std::size_t* movedToNotes) {
  if (movedToNotes) *movedToNotes = 0;
  return exportContactsToCsv(input, io, ui, plan);
}

Written writeMapped(const OpenInput& input, ExportFormat format, FileIo& io, RunProgress* ui,
                    const OutputPlan& plan, std::size_t* movedToNotes) {
  return exportMappedCsv(input, format, io, ui, plan, movedToNotes);
}

constexpr ExportFormatInfo kFormats[] = {
    {ExportFormat::Raw, "raw", PALVREN_TEXT("Export", "Raw (one column per tag)"),
     PALVREN_TEXT("Export", "&Raw (one column per tag)"), "Contacts_Export.csv",
     "one column per property as written (the default)", writeRaw},
    {ExportFormat::Google, "google", PALVREN_TEXT("Export", "Google Contacts CSV"),
     PALVREN_TEXT("Export", "&Google Contacts"), "Contacts_Google.csv",
     "the columns Google Contacts imports, values decoded to UTF-8", writeMapped},
    {ExportFormat::Outlook, "outlook", PALVREN_TEXT("Export", "Outlook CSV"),
     PALVREN_TEXT("Export", "&Outlook"), "Contacts_Outlook.csv",
     "the columns Outlook imports, UTF-8 with a byte-order mark", writeMapped},
};

}  // namespace

std::span<const ExportFormatInfo> exportFormats() { return kFormats; }

const ExportFormatInfo& exportFormatInfo(ExportFormat format) {
  for (const ExportFormatInfo& info : kFormats) {
    if (info.format == format) return info;
  }
  throw std::logic_error("exportFormatInfo: a format without an entry in the table");
}

std::optional<ExportFormat> exportFormatNamed(std::string_view key) {
  for (const ExportFormatInfo& info : kFormats) {
    if (info.key == key) return info.format;
  }
  return std::nullopt;
}

}  // namespace palvren
