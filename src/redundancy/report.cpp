#include "redundancy/report.h"

#include "platform/text.h"
#include "redundancy/field_key.h"

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
    case ConflictChoice::KeepBothValues:
      return "Keep Both Values";
    case ConflictChoice::KeepBoth:
      break;
  }
  return "Keep Both";
}

std::string quotedValue(const std::string& value) { return "\"" + value + "\""; }

// What an answer kept and dropped, in words.
std::string keptAndDropped(ConflictChoice applied, const std::string& first,
                           const std::string& second) {
  switch (applied) {
    case ConflictChoice::KeepOption1:
      return "; kept " + quotedValue(first) + ", dropped " + quotedValue(second);
    case ConflictChoice::KeepOption2:
      return "; kept " + quotedValue(second) + ", dropped " + quotedValue(first);
    case ConflictChoice::KeepBothValues:
      return "; kept " + quotedValue(first) + " and " + quotedValue(second);
    default:
      return {};
  }
}

}  // namespace

std::string contactLabel(int number, const ContactRecord& contact) {
  std::string name = readableName(contact);
  for (int k = 1; name.empty() && k <= contact.orderCount(); ++k) {
    if (!contact.valueAt(k).empty()) {
      name = std::string(contact.tagAt(k)) + ":" + std::string(contact.valueAt(k));
    }
  }
  return "contact " + std::to_string(number) + " (" + replaceAll(name, "\r\n", " ") + ")";
}

namespace {

std::string windowLabel(int position, int number, const ContactRecord& contact) {
  const std::string label = contactLabel(number, contact);
  const std::size_t name = label.find(" (") + 2;
  return "Contact (" + std::to_string(position) + ") \"" +
         label.substr(name, label.size() - name - 1) + "\"";
}

}  // namespace

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

void RedundancyReport::matched(int firstPosition, int first, const ContactRecord& firstContact,
                               int secondPosition, int second, const ContactRecord& secondContact,
                               const std::string& reason) {
  lines_.push_back("Pass 2 matched " + windowLabel(firstPosition, first, firstContact) + " and " +
                   windowLabel(secondPosition, second, secondContact) + ", input contacts " +
                   std::to_string(first) + " and " + std::to_string(second) + ". " + reason);
}

void RedundancyReport::answered(const std::string& tag, const ConflictDecision& decision,
                                bool standing, ConflictChoice applied,
                                const std::string& firstValue, const std::string& secondValue) {
  for (const FieldEdit& edit : decision.edits) {
    lines_.push_back("  " + edit.tag + " typed: " + edit.text);
  }
  lines_.push_back("  " + tag + ": " + answerWords(applied) +
                   (standing ? " (applied to all remaining conflicts)" : "") +
                   keptAndDropped(applied, firstValue, secondValue));
}

void RedundancyReport::dropped(const std::string& tag, const std::string& value) {
  lines_.push_back("  " + tag + ": dropped " + quotedValue(value) +
                   " (the merged contact holds one)");
}

void RedundancyReport::added(const std::vector<std::string>& fields) {
  if (fields.empty()) return;
  std::string line = "  added from the second:";
  for (std::size_t k = 0; k < fields.size(); ++k) line += (k ? "; " : " ") + fields[k];
  lines_.push_back(line);
}

void RedundancyReport::review(const std::vector<MergeReview>& reviews) {
  lines_.push_back("Review of pass 2, before anything was written:");
  for (std::size_t k = 0; k < reviews.size(); ++k) {
    for (std::size_t step = 0; step < reviews[k].steps.size(); ++step) {
      lines_.push_back((step == 0 ? "  " + std::to_string(k + 1) + ". " : "     then ") +
                       reviews[k].steps[step].english());
    }
  }
}

void RedundancyReport::undone(const std::vector<MergeReview>& reviews,
                              const std::vector<bool>& kept, int restored) {
  merged_ -= restored;
  for (std::size_t k = 0; k < reviews.size() && k < kept.size(); ++k) {
    if (kept[k]) continue;
    lines_.push_back("Undone in the review, written as they were:");
    for (const Message& step : reviews[k].steps) lines_.push_back("  " + step.english());
  }
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
