#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "redundancy/contact_model.h"
#include "redundancy/pair_merge.h"

namespace palvren {

// The merges and removals of one pass 2, with the contacts as they were before them, so that
// any of them can be undone before the files are written.
class MergeReviewLog {
 public:
  // What became of a pair, the two as they were before it (kept unless an entry holds them
  // already); step says who they were and why they matched.
  void after(MergeOutcome outcome, const ContactList& list, int aSlot, const ContactRecord& a,
             int bSlot, const ContactRecord& b, Message step);

  std::vector<MergeReview> reviews() const;
  // Puts back, as they were, the contacts of every entry not kept; returns how many of them
  // had been removed.
  int undo(const std::vector<bool>& kept, ContactList& list, ContactTable& table) const;

 private:
  struct Member {
    int slot;
    int number;
    ContactRecord original;
  };
  struct Entry {
    std::vector<Member> members;
    MergeReview review;
    bool alive = true;
  };

  int entryOf(const ContactList& list, int slot, const ContactRecord& original);
  void join(int into, int from);

  std::vector<Entry> entries_;
  std::map<int, int> entryOfSlot_;
};

// Who decided, in the review's words.
Message deciderWords(Decider decider);

}  // namespace palvren
