#pragma once

#include <optional>
#include <string_view>

namespace palvren {

// The form contacts are written in: as they were read, byte for byte, or converted to one
// version of vCard.
enum class VcardVersion { AsRead, V21, V30, V40 };

// "2.1", "3.0" or "4.0"; empty for AsRead.
std::string_view versionNumber(VcardVersion version);
// The version a number names ("2.1", "3.0", "4.0"), or AsRead for "keep"; nothing for any other.
std::optional<VcardVersion> versionNamed(std::string_view name);

}  // namespace palvren
