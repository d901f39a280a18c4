#pragma once

#include <optional>
#include <string>

#include "redundancy/check_interface.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"
#include "redundancy/report.h"

namespace palvren {

enum class MergeOutcome { Merged, NotRedundant, DiscardBoth };

// Where one check stands across its pairs: an answer given for all remaining conflicts, whether
// the person stopped the questions, and the report being kept.
struct CheckState {
  std::string whyMatched;  // of the pair being merged
  std::optional<ConflictChoice> standingAnswer;
  bool stopped = false;
  RedundancyReport* report = nullptr;
};

// Puts one conflict to the user and returns the decision.
ConflictDecision askConflictChoice(const ContactRecord& first, const ContactRecord& second,
                                   int firstPosition, int secondPosition, const std::string& tag,
                                   CheckInterface& ui, const std::string& whyMatched = {});

// Merges b into a (list positions i and j), asking about every value the two hold differently.
// "Keep Both" undoes what this merge itself wrote into either contact; values the user typed
// into the conflict window stay as typed. Stopping the questions keeps both as Keep Both does.
MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state);
MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui);

}  // namespace palvren
