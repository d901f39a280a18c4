#pragma once

#include <stdexcept>
#include <string>

namespace palvren {

// A failure the operations do not foresee (a file that cannot be opened, read or written, a
// limit passed). The text is meant for the user: it names the file and the reason.
class OperationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system's own words for an errno value.
std::string systemReason(int errorNumber);

// "Cannot <action> "<path>": <reason>" for the current errno.
[[noreturn]] void throwFileError(const std::string& action, const std::string& path,
                                 int errorNumber);

}  // namespace palvren
