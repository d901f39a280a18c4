#pragma once

#include <string>

#include "redundancy/check_interface.h"
#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"
#include "redundancy/matcher.h"
#include "redundancy/pair_merge.h"
#include "redundancy/report.h"

namespace palvren {

// Whether a and b match under a rule: exactly, or tolerantly with values folded and properties
// compared by their name alone.
bool isSimilar(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule);
// Why, in words. Under the tolerant rule the folded forms that met are named: "Same telephone
// by its digits and name folded: +44 20 7946 0000 = 020 7946 0000, Lee, Ann = Ann Lee".
std::string matchReason(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule);

// Pass 2: merges similar contacts into the earlier one; returns how many contacts it removed.
// Asks the same questions in the same order as comparing every pair in list order, but finds
// each contact's candidates through an index of what the match rule compares. Each pair matched
// and what became of it is written to report when one is given.
int mergeSimilarContacts(ContactList& list, ContactTable& table, CheckInterface& ui,
                         const MatchRule& rule = {}, RedundancyReport* report = nullptr);

}  // namespace palvren
