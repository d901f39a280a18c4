#include "platform/errors.h"

#include <cstring>

namespace palvren {

std::string systemReason(int errorNumber) { return std::strerror(errorNumber); }

void throwFileError(const std::string& action, const std::string& path, int errorNumber) {
  throw OperationError("Cannot " + action + " \"" + path + "\": " + systemReason(errorNumber));
}

}  // namespace palvren
