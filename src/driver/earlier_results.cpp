#include "driver/earlier_results.h"

#include "platform/file_system.h"
#include "vcard/contact_folder.h"

namespace palvren {

namespace {
constexpr char kCrLf[] = "\r\n";

std::string quotedName(const std::string& name) { return "\"" + name + "\""; }

// The answer the options already give, else the person's.
EarlierResultAnswer answerFor(const EarlierResult& earlier, EarlierPolicy policy,
                              UserInterface& ui) {
  switch (policy) {
    case EarlierPolicy::WriteFresh:
      return EarlierResultAnswer::WriteFresh;
    case EarlierPolicy::Reuse:
      return EarlierResultAnswer::Reuse;
    case EarlierPolicy::Ask:
      break;
  }
  return ui.askEarlierResult(earlier);
}

}  // namespace

std::optional<OutputPlan> planSplitFolder(const std::string& inputFile, EarlierPolicy policy,
                                          UserInterface& ui) {
  const std::string folder = splitFolderFor(inputFile);
  OutputPlan plan;
  if (!folderExists(folder) || !folderHoldsEntries(folder)) return plan;
  const std::string parent = parentFolder(folder);
  const std::string name = fileNameOf(folder);
  const int fresh = firstFreeNumber(parent, name);
  EarlierResult earlier;
  earlier.folder = true;
  earlier.path = folder;
  earlier.freshName = numberedName(name, fresh);
  earlier.title = "Earlier Split Found";
  earlier.text = quotedName(folder) + " already holds files of an earlier run." + kCrLf +
                 "Write this split into a new folder, or add its files to that one?";
  earlier.freshButton = "Write to " + quotedName(earlier.freshName);
  earlier.reuseButton = "Add to " + quotedName(name);
  switch (answerFor(earlier, policy, ui)) {
    case EarlierResultAnswer::WriteFresh:
      plan.splitFolderNumber = fresh;
      return plan;
    case EarlierResultAnswer::Reuse:
      plan.firstContactNumber = highestContactNumber(folder) + 1;
      return plan;
    case EarlierResultAnswer::Cancel:
      break;
  }
  return std::nullopt;
}

std::optional<OutputPlan> planResultFile(const std::string& folder, const std::string& name,
                                         EarlierPolicy policy, UserInterface& ui) {
  OutputPlan plan;
  plan.replaceResult = false;
  const std::string path = folder + "/" + name;
  if (!pathTaken(path)) return plan;
  const int fresh = firstFreeNumber(folder, name);
  EarlierResult earlier;
  earlier.path = path;
  earlier.freshName = numberedName(name, fresh);
  earlier.title = "File Already Exists";
  earlier.text = quotedName(path) + " already exists." + kCrLf +
                 "Replace it, or keep both and write the new file as " +
                 quotedName(earlier.freshName) + "?";
  earlier.freshButton = "Keep Both";
  earlier.reuseButton = "Replace";
  switch (answerFor(earlier, policy, ui)) {
    case EarlierResultAnswer::WriteFresh:
      plan.resultNumber = fresh;
      return plan;
    case EarlierResultAnswer::Reuse:
      plan.replaceResult = true;
      return plan;
    case EarlierResultAnswer::Cancel:
      break;
  }
  return std::nullopt;
}

}  // namespace palvren
