#pragma once

#include <string>
#include <utility>
#include <vector>

#include "redundancy/contact_model.h"

namespace palvren::testing {

using Lines = std::vector<std::pair<std::string, std::string>>;

// A record as the loader makes it from these (tag, value) lines, before cleaning.
inline ContactRecord recordOf(const Lines& lines) {
  ContactRecord record;
  for (const auto& [tag, value] : lines) {
    record.appendTag(tag);
    record.setValue(tag, value);
  }
  return record;
}

}  // namespace palvren::testing
