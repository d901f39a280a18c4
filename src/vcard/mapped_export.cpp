#include "vcard/mapped_export.h"

#include <stdexcept>

#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "vcard/contact_folder.h"
#include "vcard/mapped_csv.h"

namespace palvren {

std::size_t writeMappedCsv(const std::vector<MappedContact>& contacts, ExportFormat format,
                           const CsvLineSink& sink) {
  switch (format) {
    case ExportFormat::Outlook:
      outlookLines(contacts, sink);
      return 0;
    case ExportFormat::Google:
      return googleLines(contacts, sink);
    case ExportFormat::Raw:
      break;
  }
  throw std::logic_error("writeMappedCsv: the raw format is not a mapped one");
}

Written exportMappedCsv(const OpenInput& input, ExportFormat format, FileIo& io, RunProgress* ui,
                        const OutputPlan& plan, std::size_t* movedToNotes) {
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path());
  if (!folder) return {};
  const std::string name(exportFormatInfo(format).fileName);
  std::vector<MappedContact> contacts;
  forEachMappedContact(
      input,
      [&contacts](const std::vector<MappedProperty>& properties) {
        contacts.push_back(mapContact(properties));
      },
      io, ui);
  LineWriter output(*folder, numberedName(name, plan.resultNumber), io);
  const int rows = static_cast<int>(contacts.size());
  int line = 0;
  const std::size_t moved = writeMappedCsv(contacts, format, [&](std::string_view text) {
    if (ui && line > 0) stepDone(*ui, line - 1, rows);
    output.writeLine(text);
    ++line;
  });
  const std::string outputPath = commitResult(output, name, plan);
  if (movedToNotes) *movedToNotes = moved;
  return {rows, outputPath};
}

}  // namespace palvren
