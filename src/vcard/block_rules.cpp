#include "vcard/block_rules.h"

#include "platform/errors.h"

namespace palvren {

void refuseAboveLimit(TextId refusal, std::vector<std::string> holders) {
  holders.insert(holders.begin(), std::to_string(kMaxCount));
  throw OperationError(Message(refusal, std::move(holders)));
}

}  // namespace palvren
