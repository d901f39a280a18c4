#include "redundancy/pair_merge.h"

#include <algorithm>

#include "redundancy/field_key.h"
#include "redundancy/record_conversion.h"
#include "vcard/block_rules.h"
#include "vcard/vcard_property.h"

namespace palvren {

namespace {

// The version two contacts are merged in: the higher of theirs, 3.0 when neither names one.
VcardVersion commonVersion(const ContactRecord& a, const ContactRecord& b) {
  const VcardVersion version = std::max(versionOfRecord(a), versionOfRecord(b));
  return version == VcardVersion::AsRead ? VcardVersion::V30 : version;
}

int lastEndOrdinal(const ContactRecord& contact) {
  for (int k = contact.orderCount(); k >= 1; --k) {
    if (isEndTag(contact.tagAt(k))) return k;
  }
  return 0;
}

// The first line of a field key in a contact; the empty text when it has none.
std::string tagOfKey(const ContactRecord& contact, const std::string& key) {
  for (int k = 1; k <= contact.orderCount(); ++k) {
    if (!contact.tagAt(k).empty() && fieldKeyOf(contact.tagAt(k)) == key) {
      return std::string(contact.tagAt(k));
    }
  }
  return {};
}

// a's tag with the types (and PREF) b's tag adds; a's own spelling when b adds none.
std::string unitedTag(std::string_view mine, std::string_view theirs, VcardVersion version) {
  VcardProperty first;
  VcardProperty second;
  parseTag(mine, first);
  parseTag(theirs, second);
  std::vector<std::string> types = lowerTypes(first);
  const std::size_t own = types.size();
  for (std::string& type : lowerTypes(second)) {
    if (std::find(types.begin(), types.end(), type) == types.end()) types.push_back(type);
  }
  const bool addsPref =
      first.firstParameter("PREF").empty() && !second.firstParameter("PREF").empty();
  if (types.size() == own && !addsPref) return std::string(mine);
  if (types.size() != own) setTypes(first, types);
  if (addsPref) first.parameters.push_back({"PREF", {second.firstParameter("PREF")}});
  const std::string_view number = versionNumber(version);
  return writeTag(first, number.empty() ? "3.0" : number);
}

class PairMerger {
 public:
  PairMerger(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
             CheckState& state)
      : a_(a), b_(b), i_(i), j_(j), ui_(ui), state_(state) {}

  MergeOutcome run() {
    prepare();
    state_.decidedBy = Decider::NoConflict;
    if (!firstWalk() || !secondWalk()) {
      if (outcome_ == MergeOutcome::NotRedundant) keepEditsOnly();
      return outcome_;
    }
    if (state_.report) state_.report->added(added_);
    // Two contacts converted to be merged are repaired together: an FN or N the version needs.
    if (!alike_) {
      state_.firstBefore = std::move(a_);
      a_ = convertedRecord(first(), version_);
    } else if (copied_) {
      state_.firstBefore = std::move(a_);
      a_ = std::move(firstCopy_);
    } else {
      state_.firstBefore = a_;
    }
    return MergeOutcome::Merged;
  }

 private:
  // Works on a copy of the first contact, made when the merge first changes it, and the second
  // as it is; on copies of both converted to one version where the two spell their fields
  // otherwise or are of two versions.
  void prepare() {
    mine_ = fieldLines(a_, state_.rule, false);
    theirs_ = fieldLines(b_, state_.rule, false);
    AlikePairing alike = pairAlike(a_, mine_, b_, theirs_);
    alike_ = alike.alike;
    if (alike_ && alike.oneLineAField) {
      partners_ = std::move(alike.partners);  // values are compared as they are asked about
    } else if (alike_) {  // a field kept twice by an earlier merge: its values pair
      mine_ = fieldLines(a_, state_.rule);
      theirs_ = fieldLines(b_, state_.rule);
      partners_ = pairFieldLines(mine_, a_, theirs_, b_);
    } else {
      version_ = commonVersion(a_, b_);
      firstCopy_ = convertedRecord(a_, version_, false);
      secondCopy_ = convertedRecord(b_, version_, false);
      copied_ = true;
      mine_ = fieldLines(firstCopy_, state_.rule);
      theirs_ = fieldLines(secondCopy_, state_.rule);
      partners_ = pairFieldLines(mine_, firstCopy_, theirs_, secondCopy_);
    }
    partnerOf_.assign(theirs_.size(), -1);
    for (std::size_t p = 0; p < partners_.size(); ++p) {
      if (partners_[p] >= 0) partnerOf_[std::size_t(partners_[p])] = int(p);
    }
    settled_.assign(mine_.size(), 0);
    endPosition_ = lastEndOrdinal(first());
  }

  // The merged contact as it stands, and the same to change.
  const ContactRecord& first() const { return copied_ ? firstCopy_ : a_; }
  ContactRecord& changeFirst() {
    if (!copied_) firstCopy_ = a_;
    copied_ = true;
    return firstCopy_;
  }
  // The second contact: itself when the two are spelled alike (a field typed into it stays
  // whatever the answer), else its converted copy.
  ContactRecord& second() { return alike_ ? b_ : secondCopy_; }
  const ContactRecord& second() const { return alike_ ? b_ : secondCopy_; }

  bool namesAgree() {
    if (!namesAgree_) namesAgree_ = palvren::namesAgree(a_, b_, state_.rule);
    return *namesAgree_;
  }

  std::string_view tagOf(const ContactRecord& contact, const FieldLine& line) const {
    return contact.tagAt(line.ordinal);
  }
  std::string_view valueOf(const ContactRecord& contact, const FieldLine& line) const {
    return contact.valueAt(line.ordinal);
  }

  bool differs(std::size_t p, std::size_t q) const {
    const FieldLine& mine = mine_[p];
    const FieldLine& theirs = theirs_[q];
    return comparedValue(tagOf(first(), mine), valueOf(first(), mine), state_.rule) !=
           comparedValue(tagOf(second(), theirs), valueOf(second(), theirs), state_.rule);
  }

  bool firstWalk() {
    for (std::size_t p = 0; p < mine_.size(); ++p) {
      const int q = partners_[p];
      if (mine_[p].kind == FieldKind::Frame || q < 0) continue;
      if (!valueOf(second(), theirs_[std::size_t(q)]).empty() && differs(p, std::size_t(q)) &&
          !settle(p, std::size_t(q))) {
        return false;
      }
    }
    return true;
  }

  bool secondWalk() {
    for (std::size_t q = 0; q < theirs_.size(); ++q) {
      const int p = partnerOf_[q];
      if (p < 0) {
        addUnpaired(theirs_[q]);
        continue;
      }
      if (theirs_[q].kind == FieldKind::Frame || settled_[std::size_t(p)]) continue;
      if (valueOf(first(), mine_[std::size_t(p)]).empty()) continue;
      if (!differs(std::size_t(p), q)) {
        uniteTypes(mine_[std::size_t(p)], theirs_[q]);
      } else if (!settle(std::size_t(p), q)) {
        return false;
      }
    }
    return true;
  }

  // A field the second contact alone holds joins the first before its END; a second value of a
  // field of one value, or a frame line the first has, is dropped.
  void addUnpaired(const FieldLine& theirs) {
    const std::string tag(tagOf(second(), theirs));
    const std::string value(valueOf(second(), theirs));
    const bool held = std::any_of(mine_.begin(), mine_.end(), [&](const FieldLine& line) {
      return line.upperName == theirs.upperName;
    });
    if (held && theirs.kind != FieldKind::Multiple) {
      if (state_.report && theirs.kind == FieldKind::Single && !value.empty()) {
        state_.report->dropped(tag, fieldForDisplay(tag, value));
      }
      return;
    }
    insertBeforeEnd(tag, value);
    if (!value.empty()) added_.push_back(fieldWords(tag) + " " + fieldForDisplay(tag, value));
  }

  void uniteTypes(const FieldLine& mine, const FieldLine& theirs) {
    if (alike_ || tagOf(first(), mine) == tagOf(second(), theirs)) return;
    const std::string tag = unitedTag(tagOf(first(), mine), tagOf(second(), theirs), version_);
    if (tag != tagOf(first(), mine)) {
      changeFirst().replaceLineAt(mine.ordinal, tag, std::string(valueOf(first(), mine)));
    }
  }

  void insertBeforeEnd(const std::string& tag, const std::string& value) {
    if (endPosition_ == 0) return changeFirst().appendLine(tag, value);
    changeFirst().insertLineAt(endPosition_++, tag, value);
  }

  bool standingApplies(bool multiple) {
    if (!state_.standingAnswer || !namesAgree()) return false;
    return *state_.standingAnswer != ConflictChoice::KeepBothValues || multiple;
  }

  ConflictDecision ask(const FieldLine& mine, const FieldLine& theirs, bool multiple) {
    PromptContext context;
    context.firstContact = &first();
    context.secondContact = &second();
    context.firstPosition = i_;
    context.secondPosition = j_;
    context.conflictTag = tagOf(first(), mine);
    context.whyMatched = state_.whyMatched;
    if (tagOf(second(), theirs) != context.conflictTag) context.secondTag = tagOf(second(), theirs);
    context.firstOrdinal = mine.ordinal;
    context.secondOrdinal = theirs.ordinal;
    context.multipleValues = multiple;
    context.namesAgree = namesAgree();
    context.rule = state_.rule;
    return ui_.askConflict(context);
  }

  // Asks about the pth line of the first and the qth of the second and applies the answer;
  // false when the merge stops.
  bool settle(std::size_t p, std::size_t q) {
    const FieldLine& mine = mine_[p];
    const FieldLine& theirs = theirs_[q];
    const bool multiple = mine.kind == FieldKind::Multiple;
    const bool standing = standingApplies(multiple);
    const ConflictDecision decision =
        standing ? ConflictDecision(*state_.standingAnswer) : ask(mine, theirs, multiple);
    if (!standing || state_.decidedBy == Decider::NoConflict) {
      state_.decidedBy = standing ? Decider::ApplyToAll : Decider::Person;
    }
    for (const FieldEdit& edit : decision.edits) {
      if (applyFieldEdit(changeFirst(), second(), edit)) edits_.push_back(edit);
    }
    if (decision.stopChecking) state_.stopped = true;
    if (decision.applyToRemaining && decision.answer != ConflictChoice::KeepNeither) {
      state_.standingAnswer = decision.answer;
    }
    ConflictChoice answer = state_.stopped ? ConflictChoice::KeepBoth : decision.answer;
    // An answer this pass does not handle keeps both contacts, never removes them.
    if ((answer == ConflictChoice::KeepBothValues && !multiple) || int(answer) < 0 ||
        int(answer) > int(ConflictChoice::KeepBothValues)) {
      answer = ConflictChoice::KeepBoth;
    }
    report(mine, theirs, decision, answer, standing);
    return apply(answer, p, q);
  }

  void report(const FieldLine& mine, const FieldLine& theirs, const ConflictDecision& decision,
              ConflictChoice answer, bool standing) const {
    if (!state_.report) return;
    const std::string tag(tagOf(first(), mine));
    const std::string firstValue = fieldForDisplay(tag, valueOf(first(), mine));
    const std::string secondValue =
        fieldForDisplay(tagOf(second(), theirs), valueOf(second(), theirs));
    state_.report->answered(tag, decision, standing, answer, firstValue, secondValue);
  }

  bool apply(ConflictChoice answer, std::size_t p, std::size_t q) {
    const FieldLine& mine = mine_[p];
    const FieldLine& theirs = theirs_[q];
    switch (answer) {
      case ConflictChoice::KeepOption1:
        break;
      case ConflictChoice::KeepOption2:
        changeFirst().replaceLineAt(mine.ordinal, tagOf(second(), theirs),
                                    std::string(valueOf(second(), theirs)));
        break;
      case ConflictChoice::KeepBothValues:
        insertBeforeEnd(std::string(tagOf(second(), theirs)),
                        std::string(valueOf(second(), theirs)));
        break;
      case ConflictChoice::KeepBoth:
        outcome_ = MergeOutcome::NotRedundant;
        return false;
      case ConflictChoice::KeepNeither:
        outcome_ = MergeOutcome::DiscardBoth;
        return false;
    }
    settled_[p] = 1;
    return true;
  }

  // Keep Both: the two stay as they were, with the fields the person typed. A field typed
  // after the merge added it to the first stays there.
  void keepEditsOnly() {
    for (const FieldEdit& edit : edits_) {
      if (!alike_) {
        const std::string key = fieldKeyOf(edit.tag);
        const std::string mine = tagOfKey(a_, key);
        const std::string theirs = tagOfKey(b_, fieldKeyOf(edit.tagOfSecond()));
        applyFieldEdit(a_, b_,
                       {mine.empty() ? "\n" : mine, edit.text, theirs.empty() ? "\n" : theirs});
        continue;
      }
      ContactRecord typedAlready;  // the second took the edit as it was typed
      applyFieldEdit(a_, typedAlready, edit);
      if (!a_.listsTag(edit.tag) && first().listsTag(edit.tag)) {
        const int end = lastEndOrdinal(a_);
        const std::string value(first().value(edit.tag));
        if (end == 0) {
          a_.appendLine(edit.tag, value);
        } else {
          a_.insertLineAt(end, edit.tag, value);
        }
      }
    }
  }

  ContactRecord& a_;
  ContactRecord& b_;
  int i_;
  int j_;
  CheckInterface& ui_;
  CheckState& state_;
  ContactRecord firstCopy_;
  ContactRecord secondCopy_;
  bool copied_ = false;
  std::vector<FieldLine> mine_;
  std::vector<FieldLine> theirs_;
  std::vector<int> partners_;
  std::vector<int> partnerOf_;
  std::vector<char> settled_;
  std::vector<FieldEdit> edits_;
  std::vector<std::string> added_;
  bool alike_ = true;
  std::optional<bool> namesAgree_;
  VcardVersion version_ = VcardVersion::AsRead;
  int endPosition_ = 0;
  MergeOutcome outcome_ = MergeOutcome::Merged;
};

}  // namespace

MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state) {
  return PairMerger(a, b, i, j, ui, state).run();
}

MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui) {
  CheckState state;
  return mergePair(a, b, i, j, ui, state);
}

}  // namespace palvren
