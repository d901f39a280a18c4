#pragma once

#include "platform/run_progress.h"
#include "redundancy/contact_model.h"

namespace palvren {

// Reduces each contact's TagOrder to one ordinal per non-empty tag, at its first position.
// TagValues, which already holds each tag's last value, is not changed.
// Yields to ui, when one is given, every so many contacts.
void cleanContacts(ContactTable& table, RunProgress* ui = nullptr);

}  // namespace palvren
