#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace palvren {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
  lock_->setStaleLockTime(0);  // stale only when its process is gone, however old
  acquired_ = lock_->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  return folder + "/palvren.lock";
}

}  // namespace palvren
