#pragma once

#include <optional>
#include <string>

#include "redundancy/check_interface.h"
#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"
#include "redundancy/report.h"

namespace palvren {

enum class MergeOutcome { Merged, NotRedundant, DiscardBoth };

// Who settled a pair: nobody needed to (no conflict), the person, or an answer they gave for all
// remaining conflicts.
enum class Decider { NoConflict, Person, ApplyToAll };

// Where one check stands across its pairs: an answer given for all remaining conflicts, whether
// the person stopped the questions, and the report being kept.
struct CheckState {
  Message whyMatched;  // of the pair being merged
  std::optional<ConflictChoice> standingAnswer;
  bool stopped = false;
  RedundancyReport* report = nullptr;
  MatchRule rule;
  Decider decidedBy = Decider::NoConflict;  // of the last pair
  // The first contact as it was before the last merge, once that merge is written into it.
  ContactRecord firstBefore;
};

// Merges b into a (list positions i and j) field by field: a field both hold alike is kept once,
// in a's spelling with the types of both; a field only b holds is added before a's END; values
// that differ are put to the person (or settled by an answer for all, for pairs named alike).
// A field of one value (N, FN, PHOTO, ...) never ends up twice; a field of several may keep both
// values. Two contacts that spell their fields otherwise, or are of two versions, are merged in
// the higher version through the converter. "Keep Both" leaves both as they were but for the
// fields the person typed; stopping the questions keeps both as Keep Both does.
MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state);
MergeOutcome mergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui);

}  // namespace palvren
