#include "vcard/vcard_version.h"

namespace palvren {

std::string_view versionNumber(VcardVersion version) {
  switch (version) {
    case VcardVersion::V21:
      return "2.1";
    case VcardVersion::V30:
      return "3.0";
    case VcardVersion::V40:
      return "4.0";
    case VcardVersion::AsRead:
      break;
  }
  return {};
}

std::optional<VcardVersion> versionNamed(std::string_view name) {
  if (name == "keep") return VcardVersion::AsRead;
  for (VcardVersion version : {VcardVersion::V21, VcardVersion::V30, VcardVersion::V40}) {
    if (name == versionNumber(version)) return version;
  }
  return std::nullopt;
}

}  // namespace palvren
