#include "vcard/block_rules.h"

#include "platform/errors.h"

namespace palvren {

void refuseAboveLimit(const std::string& holder, const std::string& what) {
  throw OperationError(holder + " holds more than " + std::to_string(kMaxCount) + " " + what +
                       ", the most this program can process.");
}

}  // namespace palvren
