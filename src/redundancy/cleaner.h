#pragma once

#include "redundancy/contact_model.h"

namespace palvren {

// Reduces each contact's TagOrder to one ordinal per non-empty tag, at its first position.
// TagValues, which already holds each tag's last value, is not changed.
void CleanContacts(ContactTable& table);

}  // namespace palvren
