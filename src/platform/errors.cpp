#include "platform/errors.h"

#include <cstring>

namespace palvren {

std::string systemReason(int errorNumber) { return std::strerror(errorNumber); }

void throwFileError(TextId failure, const std::string& path, int errorNumber) {
  throw OperationError(Message(failure, {path, systemReason(errorNumber)}));
}

}  // namespace palvren
