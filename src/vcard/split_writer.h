#pragma once

#include <string>

#include "platform/open_input.h"
#include "platform/run_progress.h"
#include "vcard/contact_folder.h"
#include "vcard/counting.h"
#include "vcard/naming.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// Copies every contact block of the input into its own numbered file (contact0001.vcf, ...) in
// the split folder, naming each from its lines when naming from contact information is
// selected. Returns the files written and the folder.
// Refuses (OperationError) an input of more than 32767 contacts or a block of more than 32767
// lines before anything is written.
// The folder and the first number are the plan's. With a converter, each contact is written in
// its version. With the survey the count took, the input is not read again for the limits.
Written splitContacts(const OpenInput& input, RunProgress& ui, NamingMode naming,
                      FileIo& io = systemFileIo(), const OutputPlan& plan = {},
                      ContactConverter* converter = nullptr, const SplitSurvey* survey = nullptr);

}  // namespace palvren
