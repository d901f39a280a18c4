#include "cli/terminal_ui.h"

#include <algorithm>
#include <iomanip>
#include <istream>
#include <ostream>

#include "platform/text.h"
#include "redundancy/prompt_context.h"

namespace palvren {

namespace {

std::string plainLines(const std::string& text) { return replaceAll(text, "\r\n", "\n"); }

std::string cell(const std::string& text, std::size_t width) {
  std::string shown = replaceAll(text, "\r\n", " ");
  if (characterCount(shown) > width) shown = std::string(firstCharacters(shown, width - 1)) + "~";
  return shown + std::string(width - characterCount(shown), ' ');
}

}  // namespace

void TerminalUserInterface::setStatus(const std::string& text) {
  if (!terminal_.errIsTerminal) return;
  terminal_.err << "\r" << text << "\x1b[K" << std::flush;
  progressShown_ = true;
}

void TerminalUserInterface::setCount(const std::string& text) { count_ = text; }

void TerminalUserInterface::clearProgress() {
  if (!progressShown_) return;
  terminal_.err << "\r\x1b[K" << std::flush;
  progressShown_ = false;
}

void TerminalUserInterface::showMessage(const std::string& text, const std::string& title,
                                        MessageIcon icon) {
  clearProgress();
  if (icon == MessageIcon::Information) {
    terminal_.out << plainLines(text) << "\n";
    return;
  }
  terminal_.err << title << ": " << plainLines(text) << "\n";
}

bool TerminalUserInterface::askYesNo(const std::string& text, const std::string&) {
  clearProgress();
  terminal_.out << plainLines(text) << " Yes\n";
  return true;
}

void TerminalUserInterface::showConflict(const PromptContext& context) {
  const ContactRecord& first = *context.firstContact;
  const ContactRecord& second = *context.secondContact;
  std::ostream& out = terminal_.out;
  out << "\nSimilar contacts: the values of " << TagDisplayName(context.conflictTag)
      << " differ.\n";
  out << "    " << cell("", 26) << " "
      << cell("Contact (" + std::to_string(context.firstPosition) + ")", 30) << " Contact ("
      << context.secondPosition << ")\n";
  for (int k = 1; k <= first.orderCount(); ++k) {
    const std::string_view tag = first.tagAt(k);
    out << (tag == context.conflictTag ? "=> " : "   ") << std::setw(2) << k << " "
        << cell(TagDisplayName(tag), 23) << " " << cell(ValueForDisplay(first.value(tag)), 30)
        << " " << replaceAll(ValueForDisplay(second.value(tag)), "\r\n", " ") << "\n";
  }
}

void TerminalUserInterface::editField(PromptContext& context) {
  std::string line;
  terminal_.out << "Row to edit: " << std::flush;
  if (!std::getline(terminal_.in, line)) return;
  int row = 0;
  try {
    row = std::stoi(line);
  } catch (...) {
    return;
  }
  if (row < 1 || row > context.firstContact->orderCount()) return;
  const std::string tag(context.firstContact->tagAt(row));
  terminal_.out << "Enter the value for the \"" << TagDisplayName(tag)
                << "\" field here: " << std::flush;
  if (std::getline(terminal_.in, line)) applyFieldEdit(context, tag, line);
}

int TerminalUserInterface::askConflict(PromptContext& context) {
  switch (policy_) {
    case ConflictPolicy::First:
      return 1;
    case ConflictPolicy::Second:
      return 2;
    case ConflictPolicy::Both:
      return 0;
    case ConflictPolicy::Neither:
      return 3;
    case ConflictPolicy::Ask:
      break;
  }
  clearProgress();
  while (true) {
    showConflict(context);
    terminal_.out << "Keep [1] option 1, [2] option 2, [b]oth, [n]either, or [e]dit a field: "
                  << std::flush;
    std::string answer;
    if (!std::getline(terminal_.in, answer)) return 0;  // input closed: keep both
    answer = std::string(trimSpaces(answer));
    if (answer == "1" || answer == "2") return answer[0] - '0';
    if (answer == "b" || answer == "both") return 0;
    if (answer == "n" || answer == "neither") return 3;
    if (answer == "e" || answer == "edit") editField(context);
  }
}

}  // namespace palvren
