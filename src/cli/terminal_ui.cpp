#include "cli/terminal_ui.h"

#include <algorithm>
#include <iomanip>
#include <istream>
#include <optional>
#include <ostream>

#include "platform/text.h"
#include "redundancy/field_key.h"
#include "redundancy/prompt_context.h"

namespace palvren {

namespace {

// A message as the terminal shows it: its lines, each with its control characters escaped.
std::string plainLines(const std::string& text) { return escapeControlsByLine(text); }

std::string terminalSafe(std::string_view text) { return escapeControls(text); }

// A typed line as UTF-8: a terminal that sends other bytes is taken to send ISO-8859-1.
std::string typedText(const std::string& line) {
  if (isValidUtf8(line)) return line;
  std::string utf8;
  for (char c : line) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(char(0xC0 | (byte >> 6)));
      utf8.push_back(char(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

// A value as the table shows it: the last text typed for its field, until the answer applies it.
std::string shownValue(const ContactRecord& contact, int ordinal, const ConflictRow& row,
                       const ConflictDecision& decision) {
  if (ordinal == 0) return {};
  for (auto edit = decision.edits.rbegin(); edit != decision.edits.rend(); ++edit) {
    if (*edit == row.editOf(edit->text)) return valueForDisplay(trimSpaces(edit->text));
  }
  return fieldForDisplay(contact.tagAt(ordinal), contact.valueAt(ordinal));
}

std::optional<ConflictChoice> choiceOf(const std::string& answer) {
  if (answer == "1") return ConflictChoice::KeepOption1;
  if (answer == "2") return ConflictChoice::KeepOption2;
  if (answer == "b" || answer == "both") return ConflictChoice::KeepBoth;
  if (answer == "n" || answer == "neither") return ConflictChoice::KeepNeither;
  if (answer == "v" || answer == "values") return ConflictChoice::KeepBothValues;
  return std::nullopt;
}

std::string cell(const std::string& text, std::size_t width) {
  std::string shown = terminalSafe(text);
  if (characterCount(shown) > width) shown = std::string(firstCharacters(shown, width - 1)) + "~";
  return shown + std::string(width - characterCount(shown), ' ');
}

}  // namespace

void TerminalUserInterface::setStatus(const Message& text) {
  if (!terminal_.errIsTerminal) return;
  terminal_.err << "\r" << escapeControls(text.english()) << "\x1b[K" << std::flush;
  progressShown_ = true;
}

void TerminalUserInterface::setCount(const Message&) {}

void TerminalUserInterface::clearProgress() {
  if (!progressShown_) return;
  terminal_.err << "\r\x1b[K" << std::flush;
  progressShown_ = false;
}

void TerminalUserInterface::showMessage(const Message& text, const Message& title,
                                        MessageIcon icon) {
  clearProgress();
  if (icon == MessageIcon::Information) {
    terminal_.out << plainLines(text.english()) << "\n";
    return;
  }
  terminal_.err << title.english() << ": " << plainLines(text.english()) << "\n";
}

bool TerminalUserInterface::askYesNo(const Message& text, const Message&) {
  clearProgress();
  terminal_.out << plainLines(text.english()) << " Yes\n";
  return true;
}

EarlierResultAnswer TerminalUserInterface::askEarlierResult(const EarlierResult& earlier) {
  clearProgress();
  const std::string where = "\"" + terminalSafe(earlier.path) + "\"";
  const std::string fresh = "\"" + terminalSafe(earlier.freshName) + "\"";
  if (earlier.folder) {
    terminal_.err << "palvren-cli: " << where
                  << " already holds files of an earlier run; nothing was written.\n"
                  << "Give --new-folder to write into " << fresh
                  << ", or --add to add the new files to it.\n";
  } else {
    terminal_.err << "palvren-cli: " << where << " already exists; nothing was written.\n"
                  << "Give --replace to replace it, or --keep-both to write the new file as "
                  << fresh << ".\n";
  }
  return EarlierResultAnswer::Cancel;
}

void TerminalUserInterface::showConflict(const PromptContext& context,
                                         const ConflictDecision& decision) {
  const ContactRecord& first = *context.firstContact;
  const ContactRecord& second = *context.secondContact;
  const std::vector<ConflictRow> rows = conflictRows(context);
  std::ostream& out = terminal_.out;
  out << "\nSimilar contacts: the values of " << terminalSafe(fieldWords(context.conflictTag))
      << " differ. " << terminalSafe(context.whyMatched.english()) << "\n";
  out << "    " << cell("", 26) << " "
      << cell("Contact (" + std::to_string(context.firstPosition) + ")", 30) << " Contact ("
      << context.secondPosition << ")\n";
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const ConflictRow& row = rows[k];
    out << (row.conflict  ? "=> "
            : row.matched ? " = "
                          : "   ")
        << std::setw(2) << k + 1 << " " << cell(row.label, 23) << " "
        << cell(shownValue(first, row.firstOrdinal, row, decision), 30) << " "
        << terminalSafe(shownValue(second, row.secondOrdinal, row, decision)) << "\n";
  }
}

void TerminalUserInterface::editField(const PromptContext& context, ConflictDecision& decision) {
  std::string line;
  terminal_.out << "Row to edit: " << std::flush;
  if (!std::getline(terminal_.in, line)) return;
  int row = 0;
  try {
    row = std::stoi(line);
  } catch (...) {
    return;
  }
  const std::vector<ConflictRow> rows = conflictRows(context);
  if (row < 1 || row > int(rows.size())) return;
  const ConflictRow& field = rows[std::size_t(row - 1)];
  terminal_.out << "Enter the value for the \"" << terminalSafe(field.label)
                << "\" field here: " << std::flush;
  if (!std::getline(terminal_.in, line) || line.empty()) return;
  FieldEdit edit = field.editOf(typedText(line));
  if (const std::optional<EditRefusal> refusal = refusalOfEdit(context, edit)) {
    terminal_.out << "Not taken: contact (" << refusal->position << ") keeps this field in "
                  << refusal->charsetName << ", which cannot hold every character typed.\n";
    return;
  }
  decision.edits.push_back(std::move(edit));
}

ConflictDecision TerminalUserInterface::askConflict(const PromptContext& context) {
  // A fixed answer never merges two people named otherwise: they are kept, and the report
  // lists them.
  if (policy_ != ConflictPolicy::Ask && !context.namesAgree) return ConflictChoice::KeepBoth;
  switch (policy_) {
    case ConflictPolicy::BothValues:
      return context.multipleValues ? ConflictChoice::KeepBothValues : ConflictChoice::KeepOption1;
    case ConflictPolicy::First:
      return ConflictChoice::KeepOption1;
    case ConflictPolicy::Second:
      return ConflictChoice::KeepOption2;
    case ConflictPolicy::Both:
      return ConflictChoice::KeepBoth;
    case ConflictPolicy::Neither:
      return ConflictChoice::KeepNeither;
    case ConflictPolicy::Ask:
      break;
  }
  clearProgress();
  ConflictDecision decision;
  while (true) {
    showConflict(context, decision);
    terminal_.out << "Keep [1] option 1, [2] option 2, [b]oth, [n]either, "
                  << (context.multipleValues ? "both [v]alues, " : "")
                  << "[e]dit a field, [a]pply the next answer to all remaining, or [s]top "
                     "checking: "
                  << std::flush;
    std::string answer;
    if (!std::getline(terminal_.in, answer)) return decision;  // input closed: keep both
    answer = std::string(trimSpaces(answer));
    std::optional<ConflictChoice> choice = choiceOf(answer);
    if (choice == ConflictChoice::KeepBothValues && !context.multipleValues) choice.reset();
    if (choice) {
      decision.answer = *choice;
      // Keep Neither removes both contacts: it is never applied unseen.
      if (decision.answer == ConflictChoice::KeepNeither) decision.applyToRemaining = false;
      return decision;
    }
    if (answer == "e" || answer == "edit") editField(context, decision);
    if (answer == "a" || answer == "all") {
      decision.applyToRemaining = true;
      terminal_.out << "The next answer (1, 2, b or v) goes to every remaining conflict of a "
                       "pair named alike.\n";
    }
    if (answer == "s" || answer == "stop") {
      decision.answer = ConflictChoice::KeepBoth;
      decision.stopChecking = true;
      return decision;
    }
  }
}

}  // namespace palvren
