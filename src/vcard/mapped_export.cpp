#include "vcard/mapped_export.h"

#include <stdexcept>

#include "platform/batch_worker.h"
#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "vcard/contact_folder.h"
#include "vcard/mapped_csv.h"

namespace palvren {

namespace {

// Contacts read and decoded, handed to the mapping thread together.
struct PropertyBatch {
  static constexpr std::size_t kContacts = 64;
  std::vector<std::vector<MappedProperty>> contacts;
  std::size_t size = 0;
};

// Reads and decodes the input's contacts on this thread while a second one maps them into rows.
void addMappedRows(const OpenInput& input, MappedRows& rows, FileIo& io, RunProgress* ui) {
  ContactMapper mapper;
  BatchWorker<PropertyBatch> mapping([&rows, &mapper](PropertyBatch& batch) {
    for (std::size_t k = 0; k < batch.size; ++k) rows.add(mapper.map(batch.contacts[k]));
  });
  PropertyBatch batch = mapping.take();
  forEachMappedContact(
      input,
      [&](std::vector<MappedProperty>& properties) {
        if (batch.size == batch.contacts.size()) batch.contacts.emplace_back();
        batch.contacts[batch.size++].swap(properties);
        if (batch.size < PropertyBatch::kContacts) return;
        mapping.submit(std::move(batch));
        batch = mapping.take();
        batch.size = 0;
      },
      io, ui);
  if (batch.size > 0) mapping.submit(std::move(batch));
  mapping.finish();
}

std::unique_ptr<MappedRows> mappedRows(ExportFormat format) {
  switch (format) {
    case ExportFormat::Outlook:
      return outlookRows();
    case ExportFormat::Google:
      return googleRows();
    case ExportFormat::Raw:
      break;
  }
  throw std::logic_error("mappedRows: the raw format is not a mapped one");
}

}  // namespace

std::size_t writeMappedCsv(const std::vector<MappedContact>& contacts, ExportFormat format,
                           const CsvLineSink& sink) {
  const std::unique_ptr<MappedRows> rows = mappedRows(format);
  for (const MappedContact& contact : contacts) rows->add(contact);
  rows->write(sink);
  return rows->movedToNotes();
}

Written exportMappedCsv(const OpenInput& input, ExportFormat format, FileIo& io, RunProgress* ui,
                        const OutputPlan& plan, std::size_t* movedToNotes) {
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path());
  if (!folder) return {};
  const std::string name(exportFormatInfo(format).fileName);
  const std::unique_ptr<MappedRows> rows = mappedRows(format);
  addMappedRows(input, *rows, io, ui);
  LineWriter output(*folder, numberedName(name, plan.resultNumber), io);
  const int count = static_cast<int>(rows->size());
  int line = 0;
  rows->write([&](std::string_view text) {
    if (ui && line > 0) stepDone(*ui, line - 1, count);
    output.writeLine(text);
    ++line;
  });
  const std::string outputPath = commitResult(output, name, plan);
  if (movedToNotes) *movedToNotes = rows->movedToNotes();
  return {count, outputPath};
}

}  // namespace palvren
