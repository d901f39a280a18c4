#include "redundancy/redundancy_run.h"

#include "platform/file_system.h"
#include "platform/line_writer.h"
#include "redundancy/cleaner.h"
#include "redundancy/contact_model.h"
#include "redundancy/identical_pass.h"
#include "redundancy/match_rule.h"
#include "redundancy/similar_pass.h"
#include "vcard/block_rules.h"
#include "vcard/contact_copier.h"
#include "vcard/contact_folder.h"

namespace palvren {

namespace {

void showStatus(CheckInterface& ui, const Message& text) {
  ui.setStatus(text);
  ui.yield();
}

Message removedText(int count) {
  return Message(PALVREN_COUNTED_TEXT("Check", "%n Contacts Removed"), count);
}

Message pass1Text(int removed) {
  return Message(PALVREN_COUNTED_TEXT("Check", "Pass 1 redundancy operation removed %n contacts."),
                 removed);
}

Message pass1Title() { return Message(PALVREN_TEXT("Check", "Pass 1 Completed")); }

// Runs pass 2 when the user wants it after pass 1.
void offerPass2(ContactList& list, ContactTable& table, int pass1Removed, CheckInterface& ui,
                const CheckOptions& options, RedundancyReport* report) {
  if (options.passes == RedundancyMode::Pass1Only) {
    ui.showMessage(pass1Text(pass1Removed), pass1Title(), MessageIcon::Information);
    return;
  }
  const MatchRule& rule = options.rule;
  // A saved tolerant rule changes what merges: the question says it is in force.
  Message question = pass1Text(pass1Removed);
  if (rule.tolerant) {
    question += lineBreak() + Message(PALVREN_TEXT("Check", "Matching for Pass 2:")) +
                Message::asIs(" ") + matchRuleWords(rule) + Message::asIs(".");
  }
  question += lineBreak() + Message(PALVREN_TEXT("Check", "Would you like to continue to Pass 2?"));
  if (!ui.askYesNo(question, pass1Title())) return;
  const int removed = mergeSimilarContacts(list, table, ui, rule, report);
  ui.setStatus(removedText(removed));
  ui.showMessage(
      Message(PALVREN_COUNTED_TEXT("Check",
                                   "Pass 2 redundancy operation removed %n additional contacts."),
              removed),
      Message(PALVREN_TEXT("Check", "Pass 2 Completed")), MessageIcon::Information);
}

// Writes one record's lines (those with a tag and a value) and collects them for naming. A
// contact whose file ended before its END line is closed, so that it is read back as itself.
// With a converter, the contact is written in its version, numbered as number.
ContactLines writeRecord(const ContactRecord& record, LineWriter& output,
                         ContactConverter* converter = nullptr, int number = 0) {
  if (converter) {
    const std::span<const std::string> written =
        writeContact(recordLines(record), number, converter, &output);
    ContactLines lines(1);  // naming reads from the second line
    lines.insert(lines.end(), written.begin() + 1, written.end());
    return lines;
  }
  ContactLines lines(1);
  const int count = record.orderCount();
  bool ended = false;
  for (int k = 1; k <= count; ++k) {
    const std::string_view tag = record.tagAt(k);
    const std::string_view value = record.valueAt(k);
    if (tag.empty() || value.empty()) continue;
    ended = ended || isEndTag(tag);
    std::string line;
    line.reserve(tag.size() + 1 + value.size());
    line.append(tag).append(":").append(value);
    output.writeLine(line);
    lines.push_back(std::move(line));
  }
  if (!ended) {
    output.writeLine("END:VCARD");
    lines.emplace_back("END:VCARD");
  }
  return lines;
}

int writeContacts(const ContactList& list, const ContactTable& table, OutputFolder folder,
                  RunProgress& ui, NamingMode naming, FileIo& io, int firstNumber,
                  ContactConverter* converter) {
  const std::vector<int> numbers = list.numbers();
  const int count = static_cast<int>(numbers.size());
  ContactFolderWriter writer(std::move(folder), count, io, firstNumber);
  const bool named = naming == NamingMode::ContactInfo;
  ui.countWritten(0, count);
  for (int number : numbers) {
    ContactLines lines =
        writeRecord(table[number], writer.startContact(named), converter, writer.written() + 1);
    writer.finishContact(lines, named, ui);
    stepDone(ui, writer.written(), count);
  }
  return writer.written();
}

// The check of contacts already loaded: cleaner, pass 1, pass 2 when wanted.
int checkLoaded(ContactList& list, ContactTable& table, CheckInterface& ui,
                const CheckOptions& options, RedundancyReport* report) {
  if (list.size() == 0) return 0;
  showStatus(ui, Message(PALVREN_TEXT("Check", "Performing Contact Cleaner...")));
  cleanContacts(table, &ui);
  const int pass1Removed = removeIdenticalContacts(list, table, ui, report);
  ui.setStatus(removedText(pass1Removed));
  offerPass2(list, table, pass1Removed, ui, options, report);
  return list.size();
}

}  // namespace

int checkContacts(const OpenInput& input, ContactList& list, ContactTable& table,
                  CheckInterface& ui, const CheckOptions& options, RedundancyReport* report,
                  FileIo& io) {
  showStatus(ui, Message(PALVREN_TEXT("Check", "Loading File Data...")));
  loadContacts(input, list, table, io, &ui);
  return checkLoaded(list, table, ui, options, report);
}

int checkFiles(const std::vector<std::string>& files, ContactList& list, ContactTable& table,
               CheckInterface& ui, const CheckOptions& options, RedundancyReport* report,
               FileIo& io) {
  showStatus(ui, Message(PALVREN_TEXT("Check", "Loading File Data...")));
  // Contacts are numbered on across the files, so the limit counts them all together.
  bool open = false;
  for (const std::string& file : files) {
    open = loadContacts(OpenInput(file), list, table, io, &ui, open);
  }
  return checkLoaded(list, table, ui, options, report);
}

Written joinWithRedundancyCheck(const std::vector<std::string>& files, const std::string& target,
                                CheckInterface& ui, const CheckOptions& options,
                                JoinSummary& summary, FileIo& io, RedundancyReport* report,
                                const OutputPlan& plan, ContactConverter* converter) {
  ContactTable table(1);
  ContactList list;
  RedundancyReport ownReport;
  RedundancyReport& kept = report ? *report : ownReport;
  const int count = checkFiles(files, list, table, ui, options, &kept, io);
  summary.read = static_cast<int>(table.size()) - 1;
  summary.identical = kept.identicalCount();
  summary.merged = kept.mergedCount();
  if (count == 0) return {};
  showStatus(ui, Message(PALVREN_TEXT("Check", "Writing Output Files...")));
  const std::string baseName = fileNameOf(target);
  LineWriter output(parentFolder(target) + "/" + numberedName(baseName, plan.resultNumber), io);
  const std::vector<int> numbers = list.numbers();
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    writeRecord(table[numbers[k]], output, converter, static_cast<int>(k) + 1);
    stepDone(ui, static_cast<int>(k) + 1, count);
  }
  summary.written = count;
  return {count, commitResult(output, baseName, plan)};
}

Message JoinSummary::text() const {
  return Message(PALVREN_TEXT("Check",
                              "%1 contacts read, %2 identical contacts removed, %3 similar "
                              "contacts merged, %4 contacts written."),
                 {std::to_string(read), std::to_string(identical), std::to_string(merged),
                  std::to_string(written)});
}

Written splitWithRedundancyCheck(const OpenInput& input, CheckInterface& ui,
                                 const CheckOptions& options, NamingMode naming, FileIo& io,
                                 RedundancyReport* report, const OutputPlan& plan,
                                 ContactConverter* converter) {
  ContactTable table(1);
  ContactList list;
  if (checkContacts(input, list, table, ui, options, report, io) == 0) return {};
  showStatus(ui, Message(PALVREN_TEXT("Check", "Writing Output Files...")));
  std::optional<OutputFolder> folder = prepareSplitFolder(input.path(), plan);
  if (!folder) return {};
  std::string path = folder->path();
  return {writeContacts(list, table, std::move(*folder), ui, naming, io, plan.firstContactNumber,
                        converter),
          std::move(path)};
}

}  // namespace palvren
