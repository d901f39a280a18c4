#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace palvren {

namespace {

constexpr int kHandOverMilliseconds = 5000;
constexpr int kRetryMilliseconds = 50;

// Paths travel as UTF-8, each ended by a NUL, which no path holds.
QByteArray encodePaths(const QStringList& paths) {
  QByteArray bytes;
  for (const QString& path : paths) bytes += path.toUtf8() + '\0';
  return bytes;
}

QStringList decodePaths(const QByteArray& bytes) {
  QStringList paths;
  for (const QByteArray& part : bytes.split('\0')) {
    if (!part.isEmpty()) paths << QString::fromUtf8(part);
  }
  return paths;
}

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
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList& paths) const {
  QLocalSocket socket;
  if (!connectWithin(socket, socketPath_, kHandOverMilliseconds)) return false;
  socket.write(encodePaths(paths));
  if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kHandOverMilliseconds)) {
    return false;
  }
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) {
    socket.waitForDisconnected(kHandOverMilliseconds);
  }
  return true;
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
                       auto received = std::make_shared<QByteArray>();
                       QObject::connect(socket, &QLocalSocket::readyRead, socket,
                                        [socket, received] { *received += socket->readAll(); });
                       QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                        [socket, received, receiver] {
                                          *received += socket->readAll();
                                          receiver(decodePaths(*received));
                                          socket->deleteLater();
                                        });
                     }
                   });
}

QString SingleInstance::defaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  return folder + "/palvren.lock";
}

}  // namespace palvren
