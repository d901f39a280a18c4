#include "vcard/contact_folder.h"

#include "platform/file_system.h"
#include "platform/text.h"

namespace palvren {

std::string splitFolderFor(const std::string& inputFile) {
  const std::string parent =
      inputFile.find('/') == std::string::npos ? "." : parentFolder(inputFile);
  return parent + "/Split-vCards";
}

std::optional<OutputFolder> PrepareSplitFolder(const std::string& inputFile) {
  if (!fileExists(inputFile)) return std::nullopt;
  const std::string folder = splitFolderFor(inputFile);
  return OutputFolder::subfolder(parentFolder(folder), fileNameOf(folder));
}

std::string numberedContactName(int number) { return "contact" + fourDigits(number) + ".vcf"; }

ContactFolderWriter::ContactFolderWriter(OutputFolder folder, int contacts)
    : folder_(std::move(folder)), naming_(contacts) {}

LineWriter& ContactFolderWriter::startContact() {
  current_.reset();
  current_.emplace(folder_, numberedContactName(++number_));
  naming_.startContact(number_);
  return *current_;
}

void ContactFolderWriter::finishContact(const ContactLines& lines, bool named, UserInterface& ui) {
  if (!named || !RenameToContactName(*current_, lines, ui, naming_)) current_->commit();
  current_.reset();
}

}  // namespace palvren
