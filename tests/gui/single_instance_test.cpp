#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

namespace palvren {
namespace {

std::unique_ptr<QProcess> startProgram(const QString& runtimeFolder,
                                       const QStringList& arguments = {}) {
  auto process = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_RUNTIME_DIR", runtimeFolder);
  environment.insert("XDG_CONFIG_HOME", runtimeFolder + "/config");
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process->setProcessEnvironment(environment);
  process->start(PALVREN_EXECUTABLE, arguments);
  return process;
}

bool waitForFile(const QString& path) {
  for (int i = 0; i < 200 && !QFile::exists(path); ++i) QThread::msleep(25);
  return QFile::exists(path);
}

TEST(SingleInstance, ASecondCopyEndsAtOnceAndAStaleLockDoesNotBlock) {
  testing::TempFolder folder;
  const QString runtime = QString::fromStdString(folder.path());
  ::chmod(folder.path().c_str(), 0700);
  auto first = startProgram(runtime);
  ASSERT_TRUE(first->waitForStarted());
  ASSERT_TRUE(waitForFile(runtime + "/palvren.lock"));

  auto second = startProgram(runtime);
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(first->state(), QProcess::Running);

  first->kill();  // a crash: the lock file stays behind
  first->waitForFinished();
  ASSERT_TRUE(QFile::exists(runtime + "/palvren.lock"));
  auto third = startProgram(runtime);
  ASSERT_TRUE(third->waitForStarted());
  EXPECT_FALSE(third->waitForFinished(1500));  // it runs: the stale lock did not stop it
  third->kill();
  third->waitForFinished();
}

TEST(SingleInstance, ASecondStartHandsItsFilesToTheFirstWindow) {
  testing::TempFolder folder;
  const QString runtime = QString::fromStdString(folder.path());
  ::chmod(folder.path().c_str(), 0700);
  const QString file = QString::fromStdString(folder.write("contacts.vcf", "BEGIN:VCARD\r\n"));
  auto first = startProgram(runtime);
  ASSERT_TRUE(first->waitForStarted());
  ASSERT_TRUE(waitForFile(runtime + "/palvren.socket"));
  auto second = startProgram(runtime, {file});
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitCode(), 0);
  QByteArray said;
  for (int i = 0; i < 200 && !said.contains(file.toUtf8()); ++i) {
    first->waitForReadyRead(25);
    said += first->readAllStandardError();
  }
  EXPECT_TRUE(said.contains("took over 1 path(s) from a second start, first " + file.toUtf8()))
      << said.toStdString();
  EXPECT_EQ(first->state(), QProcess::Running);
  first->kill();
  first->waitForFinished();
}

// The first copy holds the lock before it listens; a start in between must wait for it.
TEST(SingleInstance, AStartBeforeTheFirstListensStillHandsOver) {
  testing::TempFolder folder;
  const QString path = QString::fromStdString(folder.path()) + "/x.lock";
  const QString file = QString::fromStdString(folder.write("a.vcf", "x"));
  SingleInstance first(path);
  SingleInstance second(path);
  ASSERT_TRUE(second.anotherIsRunning());
  std::atomic<bool> handedOver{false};
  std::atomic<bool> done{false};
  std::thread later([&] {
    handedOver = second.handOver({file});
    done = true;
  });
  QThread::msleep(400);
  QStringList received;
  first.listen([&received](const QStringList& paths) { received = paths; });
  QDeadlineTimer deadline(10000);
  while ((!done || received.isEmpty()) && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 25);
  }
  later.join();
  EXPECT_TRUE(handedOver);
  EXPECT_EQ(received, QStringList{file});
}

// A later copy is done only when the first says it took the paths: one that reads them and
// hangs up without saying so has not taken them.
TEST(SingleInstance, AHandOverCountsOnlyWhenTheFirstCopyConfirmsIt) {
  testing::TempFolder folder;
  const QString path = QString::fromStdString(folder.path()) + "/x.lock";
  const QString file = QString::fromStdString(folder.write("a.vcf", "x"));
  QLockFile held(path);
  ASSERT_TRUE(held.tryLock(0));
  QLocalServer silent;
  ASSERT_TRUE(silent.listen(QString::fromStdString(folder.path()) + "/x.socket"));
  QObject::connect(&silent, &QLocalServer::newConnection, [&silent] {
    QLocalSocket* socket = silent.nextPendingConnection();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
      socket->readAll();
      socket->disconnectFromServer();
    });
  });
  SingleInstance second(path);
  ASSERT_TRUE(second.anotherIsRunning());
  std::atomic<bool> done{false};
  std::atomic<bool> handedOver{true};
  std::thread later([&] {
    handedOver = second.handOver({file});
    done = true;
  });
  QDeadlineTimer deadline(10000);
  while (!done && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 25);
  }
  later.join();
  EXPECT_FALSE(handedOver);
}

// A hand-over is bounded: a flood is dropped whole, and only what a file browser would send is
// taken (absolute paths of files and folders that exist).
TEST(SingleInstance, AHandOverIsBoundedAndTakesOnlyRealPaths) {
  palvren::testing::TempFolder folder;
  const QString file = QString::fromStdString(folder.write("a.vcf", "x"));
  const QString here = QString::fromStdString(folder.path());
  QByteArray bytes =
      (file + '\0' + "relative.vcf" + '\0' + here + "/gone.vcf" + '\0' + here).toUtf8();
  EXPECT_EQ(SingleInstance::decodeHandOver(bytes), (QStringList{file, here}));
  QByteArray many;
  for (int i = 0; i < 1500; ++i) many += file.toUtf8() + '\0';
  EXPECT_EQ(SingleInstance::decodeHandOver(many).size(), 1000);
  QByteArray flood = file.toUtf8() + '\0' + QByteArray(1024 * 1024, 'x');
  EXPECT_TRUE(SingleInstance::decodeHandOver(flood).isEmpty());
}

TEST(SingleInstance, OnlyALockHeldByAnotherCopyCountsAsAnother) {
  testing::TempFolder folder;
  const QString path = QString::fromStdString(folder.path()) + "/x.lock";
  {
    SingleInstance first(path);
    EXPECT_FALSE(first.anotherIsRunning());
    EXPECT_TRUE(SingleInstance(path).anotherIsRunning());  // held once in one process too
  }
  // A lock that cannot be made (its folder is a file) must not keep the program from starting.
  const QString file = QString::fromStdString(folder.write("plain", ""));
  EXPECT_FALSE(SingleInstance(file + "/x.lock").anotherIsRunning());
}

// With no runtime folder set, Qt makes one in the temporary folder, and gives none when that is
// someone else's. The lock must then stay out of the shared temporary folder.
TEST(SingleInstance, WithoutAPrivateRuntimeFolderTheLockIsInTheUsersCache) {
  const passwd* user = ::getpwuid(::geteuid());
  if (::geteuid() != 0 || user == nullptr) GTEST_SKIP() << "needs a folder owned by another user";
  testing::TempFolder folder;
  const QString temporary = QString::fromStdString(folder.path());
  const QString squatted = temporary + "/runtime-" + QString::fromLocal8Bit(user->pw_name);
  const QString cache = temporary + "/cache";
  ASSERT_TRUE(QDir().mkpath(squatted));
  ASSERT_EQ(::chown(squatted.toUtf8().constData(), 65534, 65534), 0);
  const std::pair<const char*, QByteArray> changed[] = {
      {"XDG_RUNTIME_DIR", {}}, {"XDG_CACHE_HOME", cache.toUtf8()}, {"TMPDIR", temporary.toUtf8()}};
  std::vector<std::pair<const char*, QByteArray>> saved;
  for (const auto& [name, value] : changed) {
    saved.emplace_back(name, qgetenv(name));
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  const QString lock = SingleInstance::defaultLockPath();
  for (const auto& [name, value] : saved) value.isNull() ? qunsetenv(name) : qputenv(name, value);
  EXPECT_EQ(lock, cache + "/palvren/palvren.lock");
  struct stat status {};
  ASSERT_EQ(::stat((cache + "/palvren").toUtf8().constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
}

}  // namespace
}  // namespace palvren
