#include "redundancy/similar_pass.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

bool hasPropertyName(std::string_view tag, std::string_view upperName) {
  std::size_t semicolon = tag.find(';');
  return equalsUpper(tag.substr(0, semicolon), upperName);
}

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
                 : AskConflictChoice(a_, b_, i_, j_, tag, ui_, state_.whyMatched);
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

// The values a contact can match by: its e-mail entries, and its telephone and address entries
// each paired with each of its names (FN or N), as the match rule pairs them. Keys are hashes
// of (tag, value) pairs; a collision merely proposes a candidate the exact test rejects.
struct MatchKeys {
  std::vector<std::uint64_t> emails;
  std::vector<std::uint64_t> places;  // telephone and address entries alone
  std::vector<std::uint64_t> names;
};

enum class Kind { Email, Place, Name, Other };

Kind kindOf(std::string_view tag) {
  const std::string_view name = tag.substr(0, tag.find(';'));
  if (equalsUpper(name, "EMAIL")) return Kind::Email;
  if (equalsUpper(name, "TEL") || equalsUpper(name, "ADR")) return Kind::Place;
  if (equalsUpper(name, "FN") || equalsUpper(name, "N")) return Kind::Name;
  return Kind::Other;
}

std::uint64_t pairKey(std::string_view tag, std::string_view value) {
  std::hash<std::string_view> hash;
  return hash(tag) * 0x9e3779b97f4a7c15ULL ^ hash(value);
}

std::uint64_t combinedKey(std::uint64_t place, std::uint64_t name) {
  return (place ^ (name * 0xc2b2ae3d27d4eb4fULL)) * 0x165667b19e3779f9ULL + 1;
}

// The field's part of a tolerant key.
std::string_view fieldKey(MatchField field) {
  static constexpr std::string_view kKeys[] = {"0", "1", "2", "3", "4", "5"};
  return kKeys[int(field)];
}

// Under the tolerant rule a value is keyed by its field and folded form.
void addFoldedKey(MatchKeys& keys, std::string_view tag, std::string_view value,
                  const MatchRule& rule) {
  const MatchField field = matchFieldOf(tag);
  if (field == MatchField::Other || value.empty()) return;
  const std::string text = displayUtf8(tag, value);
  if (field == MatchField::Telephone) {
    // Numbers are found by cheap keys every spelling shares; reading them is for the comparison.
    for (const std::string& tail : telephoneTails(text)) {
      keys.places.push_back(pairKey(fieldKey(field), tail));
    }
    return;
  }
  const std::string folded = foldedValue(field, text, rule);
  if (folded.empty()) return;
  const std::uint64_t key = pairKey(fieldKey(field), folded);
  switch (field) {
    case MatchField::Email:
      return keys.emails.push_back(key);
    case MatchField::Telephone:
    case MatchField::Address:
      return keys.places.push_back(key);
    default:
      return keys.names.push_back(key);
  }
}

void addKey(MatchKeys& keys, std::string_view tag, std::string_view value, const MatchRule& rule) {
  if (rule.tolerant) return addFoldedKey(keys, tag, value, rule);
  if (value.empty()) return;
  switch (kindOf(tag)) {
    case Kind::Email:
      return keys.emails.push_back(pairKey(tag, value));
    case Kind::Place:
      return keys.places.push_back(pairKey(tag, value));
    case Kind::Name:
      return keys.names.push_back(pairKey(tag, value));
    case Kind::Other:
      return;
  }
}

// The keys of the values a contact holds: what a contact found as a candidate offers.
MatchKeys heldKeys(const ContactRecord& contact, const MatchRule& rule) {
  MatchKeys keys;
  for (const auto& [tag, value] : contact.tagValues()) addKey(keys, tag, value, rule);
  return keys;
}

// A contact with more place-and-name pairs than this is indexed by its places alone, so that a
// hostile contact of thousands of numbers and names cannot make the index quadratic.
constexpr std::size_t kMaxPairs = 256;

bool isWide(const MatchKeys& keys) { return keys.places.size() * keys.names.size() > kMaxPairs; }

// Slots (places in the list, in list order) by key: the keys of every contact sorted once, and
// the keys a contact gains later in a small map. A removed slot is skipped, not erased.
class SlotsByKey {
 public:
  void collect(std::uint64_t key, int slot) { sorted_.push_back({key, slot}); }
  void seal() {
    std::sort(sorted_.begin(), sorted_.end());
    sorted_.erase(std::unique(sorted_.begin(), sorted_.end()), sorted_.end());
  }
  void add(std::uint64_t key, int slot) {
    std::vector<int>& slots = later_[key];
    auto place = std::lower_bound(slots.begin(), slots.end(), slot);
    if (place == slots.end() || *place != slot) slots.insert(place, slot);
  }

  // The first live slot after `after` under key, if it comes before next; next otherwise.
  void closest(std::uint64_t key, int after, const std::vector<char>& removed, int& next) const {
    if (sorted_.empty() && later_.empty()) return;  // no wide contact, the common case
    for (auto it = std::lower_bound(sorted_.begin(), sorted_.end(), Entry{key, after + 1});
         it != sorted_.end() && it->key == key && (next < 0 || it->slot < next); ++it) {
      if (!removed[std::size_t(it->slot)]) next = it->slot;
    }
    if (later_.empty()) return;
    auto found = later_.find(key);
    if (found == later_.end()) return;
    for (auto it = std::upper_bound(found->second.begin(), found->second.end(), after);
         it != found->second.end() && (next < 0 || *it < next); ++it) {
      if (!removed[std::size_t(*it)]) next = *it;
    }
  }

 private:
  struct Entry {
    std::uint64_t key;
    int slot;
    auto operator<=>(const Entry&) const = default;
  };
  std::vector<Entry> sorted_;
  std::unordered_map<std::uint64_t, std::vector<int>> later_;
};

// Which contacts can match which keys. Only contacts that can meet the match rule share a key:
// a telephone shared by thousands under different names proposes none of them. A contact is
// added again whenever its values may have changed; a key of an old value merely proposes a
// candidate that the exact test then rejects.
class MatchIndex {
 public:
  MatchIndex(const ContactList& list, const ContactTable& table, CheckInterface& ui,
             const MatchRule& rule)
      : rule_(rule),
        removed_(std::size_t(list.slotCount()), 0),
        keys_(std::size_t(list.slotCount())) {
    for (int slot = 0; slot < list.slotCount(); ++slot) {
      if (!list.slotAlive(slot)) continue;
      index(slot, table[list.numberAtSlot(slot)], &SlotsByKey::collect);
      if (slot % 1024 == 0) ui.yield();
    }
    for (SlotsByKey* slots : {&matching_, &widePlaces_, &places_}) {
      slots->seal();
      ui.yield();
    }
  }

  void add(int slot, const ContactRecord& contact) { index(slot, contact, &SlotsByKey::add); }
  void remove(int slot) {
    removed_[std::size_t(slot)] = 1;
    keys_[std::size_t(slot)] = MatchKeys();
  }
  // The keys a contact was last indexed by: what it looks its candidates up with. (They are the
  // keys of every value it holds, which include those of the entries it lists: a key more
  // merely proposes a candidate the comparison rejects.)
  const MatchKeys& keysOf(int slot) const { return keys_[std::size_t(slot)]; }

  // The first slot after `after` that may match the contact of these listed keys; -1 when none.
  int nextCandidate(const MatchKeys& keys, int after) const {
    int next = -1;
    for (std::uint64_t key : keys.emails) matching_.closest(key, after, removed_, next);
    if (isWide(keys)) {
      for (std::uint64_t place : keys.places) places_.closest(place, after, removed_, next);
      return next;
    }
    for (std::uint64_t place : keys.places) {
      widePlaces_.closest(place, after, removed_, next);
      for (std::uint64_t name : keys.names) {
        matching_.closest(combinedKey(place, name), after, removed_, next);
      }
    }
    return next;
  }

 private:
  using Insert = void (SlotsByKey::*)(std::uint64_t, int);

  void index(int slot, const ContactRecord& contact, Insert insert) {
    MatchKeys& keys = keys_[std::size_t(slot)];
    keys = heldKeys(contact, rule_);
    for (std::uint64_t key : keys.emails) (matching_.*insert)(key, slot);
    for (std::uint64_t place : keys.places) (places_.*insert)(place, slot);
    if (isWide(keys)) {
      for (std::uint64_t place : keys.places) (widePlaces_.*insert)(place, slot);
      return;
    }
    for (std::uint64_t place : keys.places) {
      for (std::uint64_t name : keys.names) (matching_.*insert)(combinedKey(place, name), slot);
    }
  }

  const MatchRule& rule_;
  SlotsByKey matching_;    // e-mails, and place-and-name pairs of contacts that are not wide
  SlotsByKey widePlaces_;  // places of wide contacts, which any contact sharing a place looks up
  SlotsByKey places_;      // places of every contact, which a wide contact looks up
  std::vector<char> removed_;
  std::vector<MatchKeys> keys_;  // by slot
};

void reportOutcome(RedundancyReport& report, MergeOutcome outcome, int first, int second) {
  switch (outcome) {
    case MergeOutcome::Merged:
      return report.merged(second);
    case MergeOutcome::NotRedundant:
      return report.keptBoth();
    case MergeOutcome::DiscardBoth:
      return report.removedBoth(first, second);
  }
}

}  // namespace

bool FindSharedTag(const ContactRecord& a, const ContactRecord& b, std::string_view prefix,
                   int& ordinal) {
  const int count = a.orderCount();
  for (int k = 1; k <= count; ++k) {
    const std::string_view tag = a.tagAt(k);
    if (!hasPropertyName(tag, prefix)) continue;
    const std::string_view value = a.valueAt(k);
    if (!value.empty() && value == b.value(tag)) {
      ordinal = k;
      return true;
    }
  }
  return false;
}

namespace {
// The first e-mail entry of a that b holds under the same tag, and that is a plausible address.
bool findSharedEmail(const ContactRecord& a, const ContactRecord& b, int& ordinal) {
  const int count = a.orderCount();
  for (int k = 1; k <= count; ++k) {
    const std::string_view tag = a.tagAt(k);
    const std::string_view value = a.valueAt(k);
    if (hasPropertyName(tag, "EMAIL") && value == b.value(tag) && isPlausibleEmail(value)) {
      ordinal = k;
      return true;
    }
  }
  return false;
}
}  // namespace

bool IsSimilar(const ContactRecord& a, const ContactRecord& b) {
  int k = 0;
  if (findSharedEmail(a, b, k)) return true;
  auto sharedName = [&] { return FindSharedTag(a, b, "FN", k) || FindSharedTag(a, b, "N", k); };
  if (FindSharedTag(a, b, "TEL", k) && sharedName()) return true;
  return FindSharedTag(a, b, "ADR", k) && sharedName();
}

ConflictDecision AskConflictChoice(const ContactRecord& first, const ContactRecord& second,
                                   int firstPosition, int secondPosition, const std::string& tag,
                                   CheckInterface& ui, const std::string& whyMatched) {
  return ui.askConflict(
      PromptContext{&first, &second, firstPosition, secondPosition, tag, whyMatched});
}

MergeOutcome MergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state) {
  return PairMerger(a, b, i, j, ui, state).run();
}

MergeOutcome MergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui) {
  CheckState state;
  return MergePair(a, b, i, j, ui, state);
}

std::string MatchReason(const ContactRecord& a, const ContactRecord& b) {
  int k = 0;
  if (findSharedEmail(a, b, k)) {
    return "Same e-mail: " + FieldForDisplay(a, a.tagAt(k));
  }
  int n = 0;
  if (!FindSharedTag(a, b, "FN", n) && !FindSharedTag(a, b, "N", n)) return std::string();
  const std::string name = FieldForDisplay(a, a.tagAt(n));
  if (FindSharedTag(a, b, "TEL", k)) {
    return "Same telephone and name: " + FieldForDisplay(a, a.tagAt(k)) + ", " + name;
  }
  if (FindSharedTag(a, b, "ADR", k)) {
    return "Same address and name: " + FieldForDisplay(a, a.tagAt(k)) + ", " + name;
  }
  return std::string();
}

namespace {

// A value of a contact under the tolerant rule: its decoded text and its folded form.
struct FoldedEntry {
  std::string text;
  std::string folded;
};

std::string shownText(const std::string& text) {
  return std::string(trimSpaces(ValueForDisplay(text)));
}

// Two contacts compared under the tolerant rule; each one's encoding is read once.
class TolerantComparison {
 public:
  TolerantComparison(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule)
      : a_(a), b_(b), rule_(rule) {}

  // Which rule matched, in words; empty when none did.
  std::string reason() const {
    if (auto email = shared(MatchField::Email)) return "Same e-mail ignoring case: " + *email;
    // Two formatted names decide; a name's parts only when one contact has no formatted name.
    const std::vector<FoldedEntry> mine = entries(a_, MatchField::FormattedName, true);
    const std::vector<FoldedEntry> theirs = entries(b_, MatchField::FormattedName, false);
    const std::optional<std::string> name =
        !mine.empty() && !theirs.empty() ? sharedOf(mine, theirs) : shared(MatchField::Name);
    if (!name) return std::string();
    if (auto telephone = shared(MatchField::Telephone)) {
      return "Same telephone number and name folded: " + *telephone + ", " + *name;
    }
    if (auto address = shared(MatchField::Address)) {
      return "Same address ignoring case and spacing and name folded: " + *address + ", " + *name;
    }
    return std::string();
  }

 private:
  // The entries of a field a contact lists (or, for the second contact, holds), folded.
  std::vector<FoldedEntry> entries(const ContactRecord& contact, MatchField field,
                                   bool listed) const {
    std::vector<FoldedEntry> found;
    auto consider = [&](std::string_view tag, std::string_view value) {
      if (value.empty() || matchFieldOf(tag) != field) return;
      std::string text = displayUtf8(tag, value);
      std::string folded = foldedValue(field, text, rule_);
      if (folded.empty()) return;
      found.push_back({std::move(text), std::move(folded)});
    };
    if (listed) {
      for (int k = 1; k <= contact.orderCount(); ++k)
        consider(contact.tagAt(k), contact.valueAt(k));
    } else {
      for (const auto& [tag, value] : contact.tagValues()) consider(tag, value);
    }
    return found;
  }

  // The first entry of a's field whose folded form one of b's entries has: "a = b (folded)" in
  // words, or a alone when both read the same; nothing when none is shared.
  std::optional<std::string> shared(MatchField field) const {
    const std::vector<FoldedEntry> theirs = entries(b_, field, false);
    if (theirs.empty()) return std::nullopt;
    return sharedOf(entries(a_, field, true), theirs);
  }

  static std::optional<std::string> sharedOf(const std::vector<FoldedEntry>& mine,
                                             const std::vector<FoldedEntry>& theirs) {
    for (const FoldedEntry& entry : mine) {
      for (const FoldedEntry& other : theirs) {
        if (entry.folded != other.folded) continue;
        const std::string first = shownText(entry.text);
        const std::string second = shownText(other.text);
        return first == second ? first : first + " = " + second + " (" + entry.folded + ")";
      }
    }
    return std::nullopt;
  }

  const ContactRecord& a_;
  const ContactRecord& b_;
  const MatchRule& rule_;
};

std::string tolerantReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return TolerantComparison(a, b, rule).reason();
}

// Whether a and b match under the rule, and why, from one comparison.
std::optional<std::string> matchOf(const ContactRecord& a, const ContactRecord& b,
                                   const MatchRule& rule) {
  if (rule.tolerant) {
    std::string reason = tolerantReason(a, b, rule);
    if (reason.empty()) return std::nullopt;
    return reason;
  }
  if (!IsSimilar(a, b)) return std::nullopt;
  return MatchReason(a, b);
}

}  // namespace

bool IsSimilar(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  if (!rule.tolerant) return IsSimilar(a, b);
  return !tolerantReason(a, b, rule).empty();
}

std::string MatchReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return rule.tolerant ? tolerantReason(a, b, rule) : MatchReason(a, b);
}

int MergeSimilarContacts(ContactList& list, ContactTable& table, CheckInterface& ui,
                         const MatchRule& rule, RedundancyReport* report) {
  CheckState state;
  state.report = report;
  state.rule = rule;
  if (report) report->setRule(state.rule);
  MatchIndex index(list, table, ui, state.rule);
  int removed = 0;
  int i = 1;
  while (i <= list.size() - 1 && !state.stopped) {
    ui.setStatus("PASS 2 - Checking Redundancies " + std::to_string(i) + " of " +
                 std::to_string(list.size()));
    stepDone(ui, i, list.size());
    const int aSlot = list.slotOfPosition(i);
    ContactRecord& a = table[list.numberAtSlot(aSlot)];
    bool discarded = false;
    int bSlot = aSlot;
    MatchKeys aKeys = index.keysOf(aSlot);
    while (!discarded && !state.stopped && (bSlot = index.nextCandidate(aKeys, bSlot)) >= 0) {
      ContactRecord& b = table[list.numberAtSlot(bSlot)];
      std::optional<std::string> match = matchOf(a, b, state.rule);
      if (!match) continue;
      const int j = list.positionOfSlot(bSlot);
      const int aNumber = list.numberAtSlot(aSlot);
      const int bNumber = list.numberAtSlot(bSlot);
      state.whyMatched = std::move(*match);
      if (report) report->matched(aNumber, a, bNumber, b, state.whyMatched);
      const MergeOutcome outcome = MergePair(a, b, i, j, ui, state);
      if (report) reportOutcome(*report, outcome, aNumber, bNumber);
      if (outcome == MergeOutcome::NotRedundant) {
        index.add(bSlot, b);
      } else {
        index.remove(bSlot);
        b.clear();
        list.removeAt(j);
        ++removed;
      }
      if (outcome == MergeOutcome::DiscardBoth) {
        index.remove(aSlot);
        a.clear();
        list.removeAt(i);
        ++removed;
        discarded = true;
      } else {
        index.add(aSlot, a);  // the merge may have given a new values
        aKeys = index.keysOf(aSlot);
      }
    }
    if (!discarded) ++i;
  }
  if (report && state.stopped) report->stoppedChecking();
  return removed;
}

}  // namespace palvren
