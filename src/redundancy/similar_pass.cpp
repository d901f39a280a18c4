#include "redundancy/similar_pass.h"

#include "redundancy/candidate_index.h"
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

}  // namespace

bool isSimilar(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return matcherFor(rule)->match(a, b).has_value();
}

std::string matchReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  return matcherFor(rule)->match(a, b).value_or(std::string());
}

int mergeSimilarContacts(ContactList& list, ContactTable& table, CheckInterface& ui,
                         const MatchRule& rule, RedundancyReport* report) {
  CheckState state;
  state.report = report;
  if (report) report->setRule(rule);
  const std::unique_ptr<Matcher> matcher = matcherFor(rule);
  CandidateIndex index(list, table, ui, *matcher);
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
      std::optional<std::string> match = matcher->match(a, b);
      if (!match) continue;
      const int j = list.positionOfSlot(bSlot);
      const int aNumber = list.numberAtSlot(aSlot);
      const int bNumber = list.numberAtSlot(bSlot);
      state.whyMatched = std::move(*match);
      if (report) report->matched(aNumber, a, bNumber, b, state.whyMatched);
      const MergeOutcome outcome = mergePair(a, b, i, j, ui, state);
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
