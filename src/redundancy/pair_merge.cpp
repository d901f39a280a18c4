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
    a_ = alike_ ? std::move(first_) : convertedRecord(first_, version_);
    return MergeOutcome::Merged;
  }

 private:
  // Works on copies, converted to one version where the two spell their fields otherwise.
  void prepare() {
    mine_ = fieldLines(a_, state_.rule);
    theirs_ = fieldLines(b_, state_.rule);
    alike_ = spelledAlike(a_, mine_, b_, theirs_);
    if (alike_) {
      first_ = a_;
      second_ = b_;
    } else {
      version_ = commonVersion(a_, b_);
      first_ = convertedRecord(a_, version_, false);
      second_ = convertedRecord(b_, version_, false);
      mine_ = fieldLines(first_, state_.rule);
      theirs_ = fieldLines(second_, state_.rule);
    }
    partners_ = pairFieldLines(mine_, first_, theirs_, second_);
    partnerOf_.assign(theirs_.size(), -1);
    for (std::size_t p = 0; p < partners_.size(); ++p) {
      if (partners_[p] >= 0) partnerOf_[std::size_t(partners_[p])] = int(p);
    }
    settled_.assign(mine_.size(), 0);
    endPosition_ = lastEndOrdinal(first_);
    namesAgree_ = namesAgree(a_, b_, state_.rule);
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
    return comparedValue(tagOf(first_, mine), valueOf(first_, mine), state_.rule) !=
           comparedValue(tagOf(second_, theirs), valueOf(second_, theirs), state_.rule);
  }

  bool firstWalk() {
    for (std::size_t p = 0; p < mine_.size(); ++p) {
      const int q = partners_[p];
      if (mine_[p].kind == FieldKind::Frame || q < 0) continue;
      if (!valueOf(second_, theirs_[std::size_t(q)]).empty() && differs(p, std::size_t(q)) &&
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
      if (valueOf(first_, mine_[std::size_t(p)]).empty()) continue;
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
    const std::string tag(tagOf(second_, theirs));
    const std::string value(valueOf(second_, theirs));
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
    if (alike_ || tagOf(first_, mine) == tagOf(second_, theirs)) return;
    const std::string tag = unitedTag(tagOf(first_, mine), tagOf(second_, theirs), version_);
    if (tag != tagOf(first_, mine)) {
      first_.replaceLineAt(mine.ordinal, tag, std::string(valueOf(first_, mine)));
    }
  }

  void insertBeforeEnd(const std::string& tag, const std::string& value) {
    if (endPosition_ == 0) return first_.appendLine(tag, value);
    first_.insertLineAt(endPosition_++, tag, value);
  }

  bool standingApplies(bool multiple) const {
    if (!state_.standingAnswer || !namesAgree_) return false;
    return *state_.standingAnswer != ConflictChoice::KeepBothValues || multiple;
  }

  ConflictDecision ask(const FieldLine& mine, const FieldLine& theirs, bool multiple) {
    PromptContext context;
    context.firstContact = &first_;
    context.secondContact = &second_;
    context.firstPosition = i_;
    context.secondPosition = j_;
    context.conflictTag = tagOf(first_, mine);
    context.whyMatched = state_.whyMatched;
    if (tagOf(second_, theirs) != context.conflictTag) context.secondTag = tagOf(second_, theirs);
    context.firstOrdinal = mine.ordinal;
    context.secondOrdinal = theirs.ordinal;
    context.multipleValues = multiple;
    context.namesAgree = namesAgree_;
    context.matchedKey = state_.matchedKey;
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
      if (applyFieldEdit(first_, second_, edit)) edits_.push_back(edit);
    }
    if (decision.stopChecking) state_.stopped = true;
    if (decision.applyToRemaining && decision.answer != ConflictChoice::KeepNeither) {
      state_.standingAnswer = decision.answer;
    }
    ConflictChoice answer = state_.stopped ? ConflictChoice::KeepBoth : decision.answer;
    if (answer == ConflictChoice::KeepBothValues && !multiple) answer = ConflictChoice::KeepBoth;
    report(mine, theirs, decision, answer, standing);
    return apply(answer, p, q);
  }

  void report(const FieldLine& mine, const FieldLine& theirs, const ConflictDecision& decision,
              ConflictChoice answer, bool standing) const {
    if (!state_.report) return;
    const std::string tag(tagOf(first_, mine));
    const std::string firstValue = fieldForDisplay(tag, valueOf(first_, mine));
    const std::string secondValue =
        fieldForDisplay(tagOf(second_, theirs), valueOf(second_, theirs));
    state_.report->answered(tag, decision, standing, answer, firstValue, secondValue);
  }

  bool apply(ConflictChoice answer, std::size_t p, std::size_t q) {
    const FieldLine& mine = mine_[p];
    const FieldLine& theirs = theirs_[q];
    switch (answer) {
      case ConflictChoice::KeepOption1:
        break;
      case ConflictChoice::KeepOption2:
        first_.replaceLineAt(mine.ordinal, tagOf(second_, theirs),
                             std::string(valueOf(second_, theirs)));
        break;
      case ConflictChoice::KeepBothValues:
        insertBeforeEnd(std::string(tagOf(second_, theirs)), std::string(valueOf(second_, theirs)));
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
      applyFieldEdit(a_, b_, edit);
      if (!a_.listsTag(edit.tag) && first_.listsTag(edit.tag)) {
        const int end = lastEndOrdinal(a_);
        const std::string value(first_.value(edit.tag));
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
  ContactRecord first_;
  ContactRecord second_;
  std::vector<FieldLine> mine_;
  std::vector<FieldLine> theirs_;
  std::vector<int> partners_;
  std::vector<int> partnerOf_;
  std::vector<char> settled_;
  std::vector<FieldEdit> edits_;
  std::vector<std::string> added_;
  bool alike_ = true;
  bool namesAgree_ = true;
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
