#include "redundancy/merge_review.h"

namespace palvren {

int MergeReviewLog::entryOf(const ContactList& list, int slot, const ContactRecord& original) {
  const auto found = entryOfSlot_.find(slot);
  if (found != entryOfSlot_.end()) return found->second;
  entries_.emplace_back();
  entries_.back().members.push_back(Member{slot, list.numberAtSlot(slot), original});
  const int entry = int(entries_.size()) - 1;
  entryOfSlot_[slot] = entry;
  return entry;
}

void MergeReviewLog::join(int into, int from) {
  if (into == from) return;
  Entry& target = entries_[std::size_t(into)];
  Entry& source = entries_[std::size_t(from)];
  for (Member& member : source.members) {
    entryOfSlot_[member.slot] = into;
    target.members.push_back(std::move(member));
  }
  target.review.steps.insert(target.review.steps.end(), source.review.steps.begin(),
                             source.review.steps.end());
  target.review.removal = target.review.removal || source.review.removal;
  source.alive = false;
}

void MergeReviewLog::after(MergeOutcome outcome, const ContactList& list, int aSlot,
                           const ContactRecord& a, int bSlot, const ContactRecord& b,
                           Message step) {
  if (outcome == MergeOutcome::NotRedundant) return;
  const int entry = entryOf(list, aSlot, a);
  join(entry, entryOf(list, bSlot, b));
  Entry& joined = entries_[std::size_t(entry)];
  joined.review.steps.push_back(std::move(step));
  if (outcome == MergeOutcome::DiscardBoth) joined.review.removal = true;
}

std::vector<MergeReview> MergeReviewLog::reviews() const {
  std::vector<MergeReview> reviews;
  for (const Entry& entry : entries_) {
    if (entry.alive) reviews.push_back(entry.review);
  }
  return reviews;
}

int MergeReviewLog::undo(const std::vector<bool>& kept, ContactList& list,
                         ContactTable& table) const {
  int restored = 0;
  std::size_t shown = 0;
  for (const Entry& entry : entries_) {
    if (!entry.alive) continue;
    const bool keep = shown < kept.size() ? kept[shown] : true;
    ++shown;
    if (keep) continue;
    for (const Member& member : entry.members) {
      table[std::size_t(member.number)] = member.original;
      if (!list.slotAlive(member.slot)) {
        list.restoreSlot(member.slot);
        ++restored;
      }
    }
  }
  return restored;
}

Message deciderWords(Decider decider) {
  switch (decider) {
    case Decider::Person:
      return Message(PALVREN_TEXT("Check", "decided by you"));
    case Decider::ApplyToAll:
      return Message(PALVREN_TEXT("Check", "decided by an answer for all remaining conflicts"));
    case Decider::NoConflict:
      break;
  }
  return Message(PALVREN_TEXT("Check", "no conflict to decide"));
}

}  // namespace palvren
