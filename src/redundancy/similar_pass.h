#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "redundancy/check_interface.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"
#include "redundancy/report.h"

namespace palvren {

enum class MergeOutcome { Merged, NotRedundant, DiscardBoth };

// The first ordinal of a's TagOrder whose tag has the property name prefix (upper-case) and
// whose non-empty value b holds identically under the same tag; false when there is none.
bool FindSharedTag(const ContactRecord& a, const ContactRecord& b, std::string_view prefix,
                   int& ordinal);

// A HIT: a shared e-mail address containing "@", or a shared telephone number or address
// together with a shared formatted name or name.
bool IsSimilar(const ContactRecord& a, const ContactRecord& b);
// The same under a rule: exactly as above, or tolerantly with values folded and properties
// compared by their name alone.
bool IsSimilar(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule);

// Puts one conflict to the user and returns the decision.
ConflictDecision AskConflictChoice(const ContactRecord& first, const ContactRecord& second,
                                   int firstPosition, int secondPosition, const std::string& tag,
                                   CheckInterface& ui, const std::string& whyMatched = {});

// Why a and b count as similar, in words: "Same e-mail: …", "Same telephone and name: …, …" or
// "Same address and name: …, …"; empty when they do not.
std::string MatchReason(const ContactRecord& a, const ContactRecord& b);
// Under the tolerant rule the folded forms that met are named: "Same telephone by its digits and
// name folded: +44 20 7946 0000 = 020 7946 0000, Lee, Ann = Ann Lee".
std::string MatchReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule);

// Where one check stands across its pairs: an answer given for all remaining conflicts, whether
// the person stopped the questions, and the report being kept.
struct CheckState {
  MatchRule rule;
  std::string whyMatched;  // of the pair being merged
  std::optional<ConflictChoice> standingAnswer;
  bool stopped = false;
  RedundancyReport* report = nullptr;
};

// Merges b into a (list positions i and j), asking about every value the two hold differently.
// "Keep Both" undoes what this merge itself wrote into either contact; values the user typed
// into the conflict window stay as typed. Stopping the questions keeps both as Keep Both does.
MergeOutcome MergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui,
                       CheckState& state);
MergeOutcome MergePair(ContactRecord& a, ContactRecord& b, int i, int j, CheckInterface& ui);

// Pass 2: merges similar contacts into the earlier one; returns how many contacts it removed.
// Asks the same questions in the same order as comparing every pair in list order, but finds
// each contact's candidates through an index of what the match rule compares. Each pair matched
// and what became of it is written to report when one is given.
int MergeSimilarContacts(ContactList& list, ContactTable& table, CheckInterface& ui,
                         const MatchRule& rule = {}, RedundancyReport* report = nullptr);

}  // namespace palvren
