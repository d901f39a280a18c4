#pragma once

#include <string_view>

#include "platform/user_interface.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"

namespace palvren {

enum class MergeOutcome { Merged, NotRedundant, DiscardBoth };

// The first ordinal of a's TagOrder whose tag has the property name prefix (upper-case) and
// whose non-empty value b holds identically under the same tag; false when there is none.
bool FindSharedTag(const ContactRecord& a, const ContactRecord& b, std::string_view prefix,
                   int& ordinal);

// A HIT: a shared e-mail address containing "@", or a shared telephone number or address
// together with a shared formatted name or name.
bool IsSimilar(const ContactRecord& a, const ContactRecord& b);

// Puts one conflict to the user and returns the decision.
ConflictDecision AskConflictChoice(const ContactRecord& first, const ContactRecord& second,
                                   int firstPosition, int secondPosition, const std::string& tag,
                                   UserInterface& ui);

// Merges b into a (list positions i and j), asking about every value the two hold differently.
// "Keep Both" undoes what this merge itself wrote into either contact; values the user typed
// into the conflict window stay as typed.
MergeOutcome MergePair(ContactRecord& a, ContactRecord& b, int i, int j, UserInterface& ui);

// Pass 2: merges similar contacts into the earlier one; returns how many contacts it removed.
// Asks the same questions in the same order as comparing every pair in list order, but finds
// each contact's candidates through an index of its e-mail, telephone and address values.
int MergeSimilarContacts(ContactList& list, ContactTable& table, UserInterface& ui);

}  // namespace palvren
