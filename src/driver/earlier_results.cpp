#include "driver/earlier_results.h"

#include "platform/file_system.h"
#include "vcard/contact_folder.h"

namespace palvren {

namespace {

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
  earlier.title = Message(PALVREN_TEXT("Run", "Earlier Split Found"));
  earlier.text = Message(PALVREN_TEXT("Run", "%1 already holds files of an earlier run."),
                         {quotedName(folder)}) +
                 lineBreak() +
                 Message(PALVREN_TEXT(
                     "Run", "Write this split into a new folder, or add its files to that one?"));
  earlier.freshButton =
      Message(PALVREN_TEXT("Run", "Write to %1"), {quotedName(earlier.freshName)});
  earlier.reuseButton = Message(PALVREN_TEXT("Run", "Add to %1"), {quotedName(name)});
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
  earlier.title = Message(PALVREN_TEXT("Run", "File Already Exists"));
  earlier.text =
      Message(PALVREN_TEXT("Run", "%1 already exists."), {quotedName(path)}) + lineBreak() +
      Message(PALVREN_TEXT("Run", "Replace it, or keep both and write the new file as %1?"),
              {quotedName(earlier.freshName)});
  earlier.freshButton = Message(PALVREN_TEXT("Run", "Keep Both"));
  earlier.reuseButton = Message(PALVREN_TEXT("Run", "Replace"));
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
