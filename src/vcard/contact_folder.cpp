#include "vcard/contact_folder.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/text.h"

namespace palvren {

std::string splitFolderFor(const std::string& inputFile, const OutputPlan& plan) {
  const std::string parent =
      inputFile.find('/') == std::string::npos ? "." : parentFolder(inputFile);
  return parent + "/" + splitFolderName(plan);
}

std::optional<OutputFolder> prepareSplitFolder(const std::string& inputFile,
                                               const OutputPlan& plan) {
  if (!fileExists(inputFile)) return std::nullopt;
  const std::string parent = parentFolder(splitFolderFor(inputFile));
  OutputPlan fresh = plan;
  for (;;) {
    bool created = false;
    OutputFolder folder = OutputFolder::subfolder(parent, splitFolderName(fresh), &created);
    if (created || fresh.splitFolderNumber <= 1) return folder;
    ++fresh.splitFolderNumber;  // another run made it meanwhile: its files are not mixed in
  }
}

namespace {
constexpr std::string_view kPrefix = "contact";
constexpr std::string_view kExtension = ".vcf";
}  // namespace

int highestContactNumber(const std::string& folder) {
  int highest = 0;
  if (!folderExists(folder)) return 0;
  for (const std::string& file : listFiles(folder)) {
    highest = std::max(highest, numberOfContactName(fileNameOf(file)));
  }
  return highest;
}

std::string numberedContactName(int number) {
  return std::string(kPrefix) + fourDigits(number) + std::string(kExtension);
}

int numberOfContactName(std::string_view name) {
  if (name.size() < kPrefix.size() + 4 + kExtension.size() || !name.starts_with(kPrefix) ||
      !name.ends_with(kExtension)) {
    return 0;
  }
  const std::string_view digits =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
  if (digits.size() > 5) return 0;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return numberedContactName(number) == name ? number : 0;
}

ContactFolderWriter::ContactFolderWriter(OutputFolder folder, int contacts, FileIo& io,
                                         int firstNumber)
    : folder_(std::move(folder)),
      io_(io),
      naming_(firstNumber - 1 + contacts),
      contacts_(contacts),
      firstNumber_(firstNumber),
      number_(firstNumber - 1) {}

LineWriter& ContactFolderWriter::startContact(bool named) {
  current_.reset();
  current_.emplace(
      folder_, numberedContactName(++number_), io_,
      named ? LineWriter::Placement::Temporary : LineWriter::Placement::InPlaceWhereFree);
  naming_.startContact(number_);
  return *current_;
}

void ContactFolderWriter::finishContact(const ContactLines& lines, bool named, RunProgress& ui) {
  if (!named || !renameToContactName(*current_, lines, ui, naming_)) current_->commit();
  current_.reset();
  ui.countWritten(written(), contacts_);
}

}  // namespace palvren
