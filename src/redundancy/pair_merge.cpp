#include "redundancy/pair_merge.h"

#include "vcard/block_rules.h"

namespace palvren {

namespace {

// What one merge wrote, so that "Keep Both" can take it back.
class MergeJournal {
 public:
  void recordValue(ContactRecord& contact, const std::string& tag) {
    entries_.push_back(
        {&contact, tag, contact.holdsTag(tag), std::string(contact.value(tag)), false});
  }
  void recordInsertion(ContactRecord& contact, const std::string& tag) {
    entries_.push_back({&contact, tag, false, {}, true});
  }
  // A field the user typed after the merge wrote or added it is the user's, not the merge's:
  // it stays, listed, whatever is undone.
  void keepUserEdit(const std::string& tag) {
    for (Entry& entry : entries_) {
      if (entry.tag == tag) entry.userEdited = true;
    }
  }
  void undo() {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) undoEntry(*it);
    entries_.clear();
  }

 private:
  struct Entry {
    ContactRecord* contact;
    std::string tag;
    bool held;
    std::string oldValue;
    bool insertion;
    bool userEdited = false;
  };

  static void undoEntry(const Entry& entry) {
    if (entry.userEdited) return;
    if (entry.insertion) {
      // The tag took END's place and END moved last: taking the tag out puts END back after
      // whatever is kept.
      entry.contact->removeTagAt(entry.contact->ordinalOf(entry.tag));
      return;
    }
    if (entry.held) {
      entry.contact->setValue(entry.tag, entry.oldValue);
    } else {
      entry.contact->eraseValue(entry.tag);
    }
  }

  std::vector<Entry> entries_;
};

class PairMerger {
 public:
  PairMerger(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
             CheckState& state)
      : a_(a), b_(b), i_(i), j_(j), ui_(ui), state_(state) {}

  MergeOutcome run() {
    if (!firstWalk() || !secondWalk()) return outcome_;
    return MergeOutcome::Merged;
  }

 private:
  // Asks about tag and applies the answer; false when the merge stops.
  bool settle(const std::string& tag) {
    const bool standing = state_.standingAnswer.has_value();
    const ConflictDecision decision =
        standing ? ConflictDecision(*state_.standingAnswer)
                 : askConflictChoice(a_, b_, i_, j_, tag, ui_, state_.whyMatched);
    if (state_.report) state_.report->answered(tag, decision, standing);
    for (const FieldEdit& edit : decision.edits) {
      if (applyFieldEdit(a_, b_, edit)) journal_.keepUserEdit(edit.tag);
    }
    if (decision.stopChecking) state_.stopped = true;
    if (decision.applyToRemaining && decision.answer != ConflictChoice::KeepNeither) {
      state_.standingAnswer = decision.answer;
    }
    switch (state_.stopped ? ConflictChoice::KeepBoth : decision.answer) {
      case ConflictChoice::KeepOption1:
        journal_.recordValue(b_, tag);
        b_.setValue(tag, a_.value(tag));
        return true;
      case ConflictChoice::KeepOption2:
        journal_.recordValue(a_, tag);
        a_.setValue(tag, b_.value(tag));
        return true;
      case ConflictChoice::KeepBoth:
        journal_.undo();
        outcome_ = MergeOutcome::NotRedundant;
        return false;
      case ConflictChoice::KeepNeither:
        break;
    }
    outcome_ = MergeOutcome::DiscardBoth;
    return false;
  }

  bool firstWalk() {
    const int count = a_.orderCount();
    for (int k = 1; k <= count; ++k) {
      const std::string tag(a_.tagAt(k));
      if (isEndTag(tag)) endPosition_ = k;
      const std::string_view secondValue = b_.value(tag);
      if (!secondValue.empty() && secondValue != a_.value(tag) && !settle(tag)) return false;
    }
    return true;
  }

  bool secondWalk() {
    const int count = b_.orderCount();
    for (int k = 1; k <= count; ++k) {
      const std::string tag(b_.tagAt(k));
      if (a_.value(tag).empty()) {
        if (!a_.listsTag(tag)) insertBeforeEnd(tag);
        journal_.recordValue(a_, tag);
        a_.setValue(tag, b_.value(tag));
      } else if (b_.value(tag) != a_.value(tag) && !settle(tag)) {
        return false;
      }
    }
    return true;
  }

  // The new tag takes END's ordinal and END moves to the end. A contact cut short without an
  // END line gets the tag appended.
  void insertBeforeEnd(const std::string& tag) {
    journal_.recordInsertion(a_, tag);
    if (endPosition_ == 0) {
      a_.appendTag(tag);
      return;
    }
    const std::string endTag(a_.tagAt(endPosition_));
    a_.replaceTagAt(endPosition_, tag);
    a_.appendTag(endTag);
    endPosition_ = a_.orderCount();
  }

  ContactRecord& a_;
  ContactRecord& b_;
  int i_;
  int j_;
  CheckInterface& ui_;
  CheckState& state_;
  int endPosition_ = 0;
  MergeJournal journal_;
  MergeOutcome outcome_ = MergeOutcome::Merged;
};

}  // namespace

ConflictDecision askConflictChoice(const ContactRecord& first, const ContactRecord& second,
                                   int firstPosition, int secondPosition, const std::string& tag,
                                   CheckInterface& ui, const std::string& whyMatched) {
  return ui.askConflict(
      PromptContext{&first, &second, firstPosition, secondPosition, tag, whyMatched});
}

MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state) {
  return PairMerger(a, b, i, j, ui, state).run();
}

MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui) {
  CheckState state;
  return mergePair(a, b, i, j, ui, state);
}

}  // namespace palvren
