#pragma once

#include <stdexcept>
#include <string>

#include "platform/message.h"

namespace palvren {

// A failure the operations do not foresee (a file that cannot be opened, read or written, a
// limit passed). The message is meant for the user: it names the file and the reason; what()
// holds it in English.
class OperationError : public std::runtime_error {
 public:
  explicit OperationError(Message message)
      : std::runtime_error(message.english()), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

// The system's own words for an errno value.
std::string systemReason(int errorNumber);

// What could not be done to a file, for throwFileError: "%1" is the path, "%2" the reason.
inline constexpr TextId kCannotOpen = PALVREN_TEXT("Files", "Cannot open \"%1\": %2");
inline constexpr TextId kCannotRead = PALVREN_TEXT("Files", "Cannot read \"%1\": %2");
inline constexpr TextId kCannotWrite = PALVREN_TEXT("Files", "Cannot write \"%1\": %2");
inline constexpr TextId kCannotCreate = PALVREN_TEXT("Files", "Cannot create \"%1\": %2");
inline constexpr TextId kCannotOpenFolder =
    PALVREN_TEXT("Files", "Cannot open the folder \"%1\": %2");
inline constexpr TextId kCannotReadFolder =
    PALVREN_TEXT("Files", "Cannot read the folder \"%1\": %2");
inline constexpr TextId kCannotCreateFolder =
    PALVREN_TEXT("Files", "Cannot create the folder \"%1\": %2");

// Throws `failure` for path and the system's reason for errorNumber.
[[noreturn]] void throwFileError(TextId failure, const std::string& path, int errorNumber);

}  // namespace palvren
