#include "redundancy/report.h"

#include "platform/text.h"

namespace palvren {

namespace {

const char* answerWords(ConflictChoice answer) {
  switch (answer) {
    case ConflictChoice::KeepOption1:
      return "Keep Option 1";
    case ConflictChoice::KeepOption2:
      return "Keep Option 2";
    case ConflictChoice::KeepNeither:
      return "Keep Neither";
    case ConflictChoice::KeepBoth:
      break;
  }
  return "Keep Both";
}

}  // namespace

std::string contactLabel(int number, const ContactRecord& contact) {
  std::string name(contact.value("FN"));
  for (int k = 1; name.empty() && k <= contact.orderCount(); ++k) {
    if (!contact.valueAt(k).empty()) {
      name = std::string(contact.tagAt(k)) + ":" + std::string(contact.valueAt(k));
    }
  }
  return "contact " + std::to_string(number) + " (" + replaceAll(name, "\r\n", " ") + ")";
}

RedundancyReport::RedundancyReport() { setRule(MatchRule()); }

void RedundancyReport::setRule(const MatchRule& rule) {
  const std::string line = "Matching: " + matchRuleDescription(rule);
  if (lines_.empty()) {
    lines_.push_back(line);
  } else {
    lines_[0] = line;
  }
}

void RedundancyReport::identical(int removed, const ContactRecord& removedContact, int kept,
                                 const ContactRecord& keptContact) {
  ++identical_;
  lines_.push_back("Pass 1 removed " + contactLabel(removed, removedContact) + ": identical to " +
                   contactLabel(kept, keptContact));
}

void RedundancyReport::matched(int first, const ContactRecord& firstContact, int second,
                               const ContactRecord& secondContact, const std::string& reason) {
  lines_.push_back("Pass 2 matched " + contactLabel(first, firstContact) + " and " +
                   contactLabel(second, secondContact) + ". " + reason);
}

void RedundancyReport::answered(const std::string& tag, const ConflictDecision& decision,
                                bool standing) {
  for (const FieldEdit& edit : decision.edits) {
    lines_.push_back("  " + edit.tag + " typed: " + edit.text);
  }
  lines_.push_back("  " + tag + ": " + answerWords(decision.answer) +
                   (standing ? " (applied to all remaining conflicts)" : ""));
}

void RedundancyReport::merged(int removed) {
  ++merged_;
  lines_.push_back("  merged; contact " + std::to_string(removed) + " removed");
}

void RedundancyReport::keptBoth() { lines_.push_back("  kept both, as they were"); }

void RedundancyReport::removedBoth(int first, int second) {
  merged_ += 2;
  lines_.push_back("  both removed (contacts " + std::to_string(first) + " and " +
                   std::to_string(second) + ")");
}

void RedundancyReport::stoppedChecking() {
  lines_.push_back("Checking stopped: every remaining pair was kept as it was");
}

std::string RedundancyReport::text() const {
  std::string text;
  for (const std::string& line : lines_) text += escapeControls(line) + "\n";
  return text;
}

}  // namespace palvren
