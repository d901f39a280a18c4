#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace palvren {

// Held for the life of the first copy of the program. The lock file records the holder's
// process, so a lock left by a copy that crashed does not keep the user out.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);
  bool anotherIsRunning() const { return !acquired_; }

  static QString defaultLockPath();

 private:
  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
};

}  // namespace palvren
