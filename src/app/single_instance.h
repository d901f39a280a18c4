#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace palvren {

// Held for the life of the first copy of the program. The lock file records the holder's
// process, so a lock left by a copy that crashed does not keep the user out. The first copy
// listens on a local socket beside the lock; a later copy hands it the paths it was given and
// ends, and the first copy brings its window forward.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);
  ~SingleInstance();
  bool anotherIsRunning() const { return anotherHoldsLock_; }

  // In a later copy: gives paths (empty for none) to the first copy. False when it cannot be
  // reached in time or does not confirm in time that it took them.
  bool handOver(const QStringList& paths) const;
  // In the first copy: calls receiver with the paths each later copy hands over.
  void listen(std::function<void(const QStringList&)> receiver);

  static QString defaultLockPath();
  // The paths a hand-over brings, as the first copy takes them: nothing from one of more than
  // 1 MiB, at most 1000, and only absolute paths of files and folders that exist.
  static QStringList decodeHandOver(const QByteArray& bytes);

 private:
  static void receiveFrom(QLocalSocket* socket,
                          const std::function<void(const QStringList&)>& receiver);

  QString socketPath_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
  bool acquired_ = false;
  bool anotherHoldsLock_ = false;
};

}  // namespace palvren
