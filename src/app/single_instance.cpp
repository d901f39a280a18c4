#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace palvren {

namespace {

constexpr int kHandOverMilliseconds = 5000;
constexpr int kRetryMilliseconds = 50;
// What one hand-over may bring: more is not what a file browser sends, and is dropped whole.
constexpr qsizetype kMostHandOverBytes = 1024 * 1024;
constexpr qsizetype kMostHandOverPaths = 1000;

// Paths travel as UTF-8, each ended by a NUL, which no path holds; an empty one ends the list.
// The first copy answers kTaken once it has taken them.
QByteArray encodePaths(const QStringList& paths) {
  QByteArray bytes;
  for (const QString& path : paths) bytes += path.toUtf8() + '\0';
  return bytes + '\0';
}

constexpr char kTaken = '\x06';

bool isWholeHandOver(const QByteArray& bytes) {
  return bytes == QByteArray(1, '\0') || bytes.endsWith(QByteArray(2, '\0'));
}

}  // namespace

QStringList SingleInstance::decodeHandOver(const QByteArray& bytes) {
  QStringList paths;
  if (bytes.size() > kMostHandOverBytes) return paths;
  for (const QByteArray& part : bytes.split('\0')) {
    if (paths.size() == kMostHandOverPaths) break;
    const QString path = QString::fromUtf8(part);
    const QFileInfo info(path);
    // Only what a file browser hands over: absolute paths of files and folders that exist.
    if (!part.isEmpty() && QDir::isAbsolutePath(path) && (info.isFile() || info.isDir())) {
      paths << path;
    }
  }
  return paths;
}

namespace {

// The first copy takes the lock before its window exists and only listens once it does, so a
// start right after it may find no socket yet: try again until the time is up.
bool connectWithin(QLocalSocket& socket, const QString& path, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  for (;;) {
    socket.connectToServer(path);
    if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return true;
    if (deadline.hasExpired()) return false;
    socket.abort();
    QThread::msleep(kRetryMilliseconds);
  }
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath)
    : socketPath_(QString(lockPath).replace(QRegularExpression("\\.lock$"), "") + ".socket"),
      lock_(std::make_unique<QLockFile>(lockPath)) {
  lock_->setStaleLockTime(0);  // stale only when its process is gone, however old
  acquired_ = lock_->tryLock(0);
  // A lock that cannot be made at all (a folder we may not write) says nothing of another
  // copy: this one runs alone rather than not at all.
  anotherHoldsLock_ = !acquired_ && lock_->error() == QLockFile::LockFailedError;
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList& paths) const {
  QLocalSocket socket;
  if (!connectWithin(socket, socketPath_, kHandOverMilliseconds)) return false;
  socket.write(encodePaths(paths));
  if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kHandOverMilliseconds)) {
    return false;
  }
  // Done only when the first copy says it took them.
  QDeadlineTimer deadline(kHandOverMilliseconds);
  while (socket.bytesAvailable() == 0) {
    if (deadline.hasExpired() ||
        !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      return false;
    }
  }
  if (socket.read(1) != QByteArray(1, kTaken)) return false;
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) {
    socket.waitForDisconnected(kHandOverMilliseconds);
  }
  return true;
}

void SingleInstance::receiveFrom(QLocalSocket* socket,
                                 const std::function<void(const QStringList&)>& receiver) {
  auto received = std::make_shared<QByteArray>();
  auto taken = std::make_shared<bool>(false);
  // A sender past the limit is cut off at once: nothing it sent is held. A whole list is
  // handed to the receiver, then acknowledged.
  auto take = [socket, received, taken, receiver] {
    if (*taken || received->size() > kMostHandOverBytes) return;
    *received += socket->read(kMostHandOverBytes + 1 - received->size());
    if (received->size() > kMostHandOverBytes) {
      socket->abort();
      return;
    }
    if (!isWholeHandOver(*received)) return;
    *taken = true;
    receiver(decodeHandOver(*received));
    socket->write(QByteArray(1, kTaken));
    socket->flush();
  };
  QObject::connect(socket, &QLocalSocket::readyRead, socket, take);
  QObject::connect(socket, &QLocalSocket::disconnected, socket,
                   [socket] { socket->deleteLater(); });
}

void SingleInstance::listen(std::function<void(const QStringList&)> receiver) {
  if (!acquired_) return;
  // The lock is ours: a socket left at the name is a crashed copy's.
  QLocalServer::removeServer(socketPath_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) return;
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                   [this, receiver = std::move(receiver)] {
                     while (QLocalSocket* socket = server_->nextPendingConnection()) {
                       receiveFrom(socket, receiver);
                     }
                   });
}

QString SingleInstance::defaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  // No private runtime folder (unset and squatted, or another user's): use the user's own cache
  // folder, never the shared temporary one, where another user could hold the lock and be
  // handed this user's paths.
  if (folder.isEmpty()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/palvren";
    if (QDir().mkpath(folder)) {
      QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  }
  return folder + "/palvren.lock";
}

}  // namespace palvren
