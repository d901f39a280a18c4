#include "redundancy/candidate_index.h"

#include <algorithm>
#include <bit>

namespace palvren {

namespace {

// A contact with more place-and-name pairs than this is indexed by its places alone, so that a
// hostile contact of thousands of numbers and names cannot make the index quadratic.
constexpr std::size_t kMaxPairs = 256;

bool isWide(const MatchKeys& keys) { return keys.places.size() * keys.names.size() > kMaxPairs; }

std::uint64_t combinedKey(std::uint64_t place, std::uint64_t name) {
  return (place ^ (name * 0xc2b2ae3d27d4eb4fULL)) * 0x165667b19e3779f9ULL + 1;
}

}  // namespace

void SlotsByKey::seal() {
  std::sort(sorted_.begin(), sorted_.end());
  sorted_.erase(std::unique(sorted_.begin(), sorted_.end()), sorted_.end());
  if (sorted_.empty()) return;
  bits_ = std::clamp(int(std::bit_width(sorted_.size())) - 1, 1, 24);
  starts_.assign((std::size_t(1) << bits_) + 1, std::uint32_t(sorted_.size()));
  for (std::size_t i = sorted_.size(); i-- > 0;) starts_[sorted_[i].key >> (64 - bits_)] = i;
  for (std::size_t lead = starts_.size() - 1; lead-- > 0;) {
    starts_[lead] = std::min(starts_[lead], starts_[lead + 1]);  // a value no key leads with
  }
}

void SlotsByKey::add(std::uint64_t key, int slot) {
  std::vector<int>& slots = later_[key];
  auto place = std::lower_bound(slots.begin(), slots.end(), slot);
  if (place == slots.end() || *place != slot) slots.insert(place, slot);
}

void SlotsByKey::closest(std::uint64_t key, int after, const std::vector<char>& removed,
                         int& next) const {
  if (sorted_.empty() && later_.empty()) return;  // no wide contact, the common case
  if (!sorted_.empty()) {
    const std::size_t lead = key >> (64 - bits_);
    const auto end = sorted_.begin() + starts_[lead + 1];
    for (auto it = std::lower_bound(sorted_.begin() + starts_[lead], end, Entry{key, after + 1});
         it != end && it->key == key && (next < 0 || it->slot < next); ++it) {
      if (!removed[std::size_t(it->slot)]) next = it->slot;
    }
  }
  if (later_.empty()) return;
  auto found = later_.find(key);
  if (found == later_.end()) return;
  for (auto it = std::upper_bound(found->second.begin(), found->second.end(), after);
       it != found->second.end() && (next < 0 || *it < next); ++it) {
    if (!removed[std::size_t(*it)]) next = *it;
  }
}

CandidateIndex::CandidateIndex(const ContactList& list, const ContactTable& table, RunProgress& ui,
                               const Matcher& matcher)
    : matcher_(matcher),
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

void CandidateIndex::remove(int slot) {
  removed_[std::size_t(slot)] = 1;
  keys_[std::size_t(slot)] = MatchKeys();
}

int CandidateIndex::nextCandidate(const MatchKeys& keys, int after) const {
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

void CandidateIndex::index(int slot, const ContactRecord& contact, Insert insert) {
  MatchKeys& keys = keys_[std::size_t(slot)];
  keys = matcher_.keysOf(contact);
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

}  // namespace palvren
