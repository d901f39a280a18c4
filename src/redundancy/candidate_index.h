#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/run_progress.h"
#include "redundancy/contact_model.h"
#include "redundancy/matcher.h"

namespace palvren {

// Slots (places in the list, in list order) by key: the keys of every contact sorted once, with
// where the keys of each leading bits begin, and the keys a contact gains later in a small map. A
// removed slot is skipped, not erased.
class SlotsByKey {
 public:
  void collect(std::uint64_t key, int slot) { sorted_.push_back({key, slot}); }
  void seal();
  void add(std::uint64_t key, int slot);
  // The first live slot after `after` under key, if it comes before next; next otherwise.
  void closest(std::uint64_t key, int after, const std::vector<char>& removed, int& next) const;

 private:
  struct Entry {
    std::uint64_t key;
    int slot;
    auto operator<=>(const Entry&) const = default;
  };
  std::vector<Entry> sorted_;
  // Where the entries whose keys start with each value of their first bits_ bits begin in sorted_,
  // and one past the last (keys are hashes: each value leads about one entry).
  std::vector<std::uint32_t> starts_;
  int bits_ = 0;
  std::unordered_map<std::uint64_t, std::vector<int>> later_;
};

// Pass 2's candidates: which contacts can match which keys. Only contacts that can meet the
// match rule share a key: a telephone shared by thousands under different names proposes none
// of them. A contact is added again whenever its values may have changed; a key of an old value
// merely proposes a candidate that the matcher then rejects.
class CandidateIndex {
 public:
  CandidateIndex(const ContactList& list, const ContactTable& table, RunProgress& ui,
                 const Matcher& matcher);

  void add(int slot, const ContactRecord& contact) { index(slot, contact, &SlotsByKey::add); }
  void remove(int slot);
  // The keys a contact was last indexed by: what it looks its candidates up with. (They are the
  // keys of every value it holds, which include those of the entries it lists: a key more
  // merely proposes a candidate the comparison rejects.)
  const MatchKeys& keysOf(int slot) const { return keys_[std::size_t(slot)]; }
  // The first slot after `after` that may match the contact of these keys; -1 when none.
  int nextCandidate(const MatchKeys& keys, int after) const;

 private:
  using Insert = void (SlotsByKey::*)(std::uint64_t, int);
  void index(int slot, const ContactRecord& contact, Insert insert);

  const Matcher& matcher_;
  SlotsByKey matching_;    // e-mails, and place-and-name pairs of contacts that are not wide
  SlotsByKey widePlaces_;  // places of wide contacts, which any contact sharing a place looks up
  SlotsByKey places_;      // places of every contact, which a wide contact looks up
  std::vector<char> removed_;
  std::vector<MatchKeys> keys_;  // by slot
};

}  // namespace palvren
