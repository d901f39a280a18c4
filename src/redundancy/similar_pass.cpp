#include "redundancy/similar_pass.h"

#include <algorithm>

#include "redundancy/candidate_index.h"
#include "redundancy/field_key.h"
#include "redundancy/merge_review.h"
#include "redundancy/pair_merge.h"

namespace palvren {

namespace {

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

// The pair of a review step as the window named them, taken before the merge changes them.
Message reviewPair(int i, int j, const ContactRecord& a, const ContactRecord& b) {
  const auto named = [](int position, const ContactRecord& contact) {
    const std::string name = readableName(contact);
    return Message(PALVREN_TEXT("Check", "Contact (%1)"), {std::to_string(position)}) +
           Message::asIs(name.empty() ? "" : " " + name);
  };
  return named(i, a) + Message(PALVREN_TEXT("Check", " and ")) + named(j, b);
}

// A step of a review entry: what was decided and by whom, the pair, and why they matched.
Message reviewStep(MergeOutcome outcome, const CheckState& state, const Message& pair) {
  return Message(outcome == MergeOutcome::DiscardBoth
                     ? PALVREN_TEXT("Check", "Both removed (Keep Neither), ")
                     : PALVREN_TEXT("Check", "Merged, ")) +
         deciderWords(state.decidedBy) + Message::asIs(": ") + pair + Message::asIs(" \u2014 ") +
         state.whyMatched;
}

// Asks which merges to keep, and puts back the contacts of those undone; returns how many
// removed contacts came back.
int reviewMerges(const MergeReviewLog& log, ContactList& list, ContactTable& table,
                 CheckInterface& ui, RedundancyReport* report) {
  const std::vector<MergeReview> reviews = log.reviews();
  if (reviews.empty()) return 0;
  if (report) report->review(reviews);
  const std::vector<bool> kept = ui.reviewMerges(reviews);
  const int restored = log.undo(kept, list, table);
  if (report) report->undone(reviews, kept, restored);
  return restored;
}

}  // namespace

bool isSimilar(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return matcherFor(rule)->match(a, b).has_value();
}

std::string matchReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return matcherFor(rule)->match(a, b).value_or(Message()).english();
}

int mergeSimilarContacts(ContactList& list, ContactTable& table, CheckInterface& ui,
                         const MatchRule& rule, RedundancyReport* report) {
  CheckState state;
  state.report = report;
  state.rule = rule;
  MergeReviewLog review;
  if (report) report->setRule(rule);
  const std::unique_ptr<Matcher> matcher = matcherFor(rule);
  CandidateIndex index(list, table, ui, *matcher);
  int removed = 0;
  int i = 1;
  while (i <= list.size() - 1 && !state.stopped) {
    ui.setStatus(Message(PALVREN_TEXT("Check", "PASS 2 - Checking Redundancies %1 of %2"),
                         {std::to_string(i), std::to_string(list.size())}));
    stepDone(ui, i, list.size());
    const int aSlot = list.slotOfPosition(i);
    ContactRecord& a = table[list.numberAtSlot(aSlot)];
    bool discarded = false;
    int bSlot = aSlot;
    MatchKeys aKeys = index.keysOf(aSlot);
    while (!discarded && !state.stopped && (bSlot = index.nextCandidate(aKeys, bSlot)) >= 0) {
      ContactRecord& b = table[list.numberAtSlot(bSlot)];
      std::optional<Message> match = matcher->match(a, b);
      if (!match) continue;
      const int j = list.positionOfSlot(bSlot);
      const int aNumber = list.numberAtSlot(aSlot);
      const int bNumber = list.numberAtSlot(bSlot);
      state.whyMatched = std::move(*match);
      if (report) report->matched(i, aNumber, a, j, bNumber, b, state.whyMatched.english());
      const MergeOutcome outcome = mergePair(a, b, i, j, ui, state);
      if (outcome != MergeOutcome::NotRedundant) {
        const ContactRecord& before = outcome == MergeOutcome::Merged ? state.firstBefore : a;
        review.after(outcome, list, aSlot, before, bSlot, b,
                     reviewStep(outcome, state, reviewPair(i, j, before, b)));
      }
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
  return removed - reviewMerges(review, list, table, ui, report);
}

}  // namespace palvren
