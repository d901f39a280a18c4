#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vcard/csv_columns.h"

class QWidget;

namespace palvren {

// Asks where each column of a CSV file goes, when its header is not one the program knows: a
// row per column with its header, its first values and a list of vCard fields, chosen at first
// as proposed. The fields chosen, or nothing when the person cancelled.
std::optional<std::vector<ImportField>> showColumnMappingDialog(
    const std::vector<std::string>& header,
    const std::vector<std::vector<std::string>>& firstValues,
    const std::vector<ImportField>& proposed, QWidget* parent);

// The index among fieldChoices() of the choice a field is (0, "its own field", for any other).
int fieldChoiceIndex(const ImportField& field);

}  // namespace palvren
