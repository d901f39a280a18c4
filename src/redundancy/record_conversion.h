#pragma once

#include <span>
#include <string>
#include <vector>

#include "redundancy/contact_model.h"
#include "vcard/vcard_version.h"

namespace palvren {

// A record's lines (those with a tag and a value), BEGIN first, as a converter reads them.
std::vector<std::string> recordLines(const ContactRecord& record);

// The version a contact says it is in; AsRead when it names none this program writes.
VcardVersion versionOfRecord(const ContactRecord& record);

// A contact converted to a version, as a record: each property one line, its folded lines
// joined to it as the loader joins them. Without repairs, nothing is added that it lacks.
ContactRecord convertedRecord(const ContactRecord& record, VcardVersion version,
                              bool repairs = true);

}  // namespace palvren
