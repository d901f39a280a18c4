#pragma once

#include "platform/run_progress.h"
#include "redundancy/contact_model.h"
#include "redundancy/report.h"

namespace palvren {

// Whether two contacts have the same tag counts, the same tags in the same order and the same
// value for each.
bool areIdentical(const ContactRecord& a, const ContactRecord& b);

// Pass 1: removes every contact identical to an earlier one; returns how many it removed.
// Gives the same survivors and status texts as comparing every pair in list order, in linear
// time: contacts are grouped by a hash of their content and compared only within a group.
// Each removal is written to report when one is given.
int removeIdenticalContacts(ContactList& list, ContactTable& table, RunProgress& ui,
                            RedundancyReport* report = nullptr);

}  // namespace palvren
