#include "app/start_up.h"

#include <QApplication>
#include <QFileInfo>

#include "app/artwork.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "redundancy/prompt_context.h"

namespace palvren {

namespace {

std::vector<std::string> pathsOf(const QStringList& paths) {
  std::vector<std::string> bytes;
  for (const QString& path : paths) bytes.push_back(pathBytes(path));
  return bytes;
}

}  // namespace

int runApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("palvren");
  QApplication::setWindowIcon(applicationIcon());
  installTranslations(QLocale());
  QStringList paths;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    paths << QFileInfo(argument).absoluteFilePath();
  }
  SingleInstance instance(SingleInstance::defaultLockPath());
  // A second start hands its files to the window already open; that copy comes forward.
  if (instance.anotherIsRunning()) {
    if (instance.handOver(paths)) return 0;
    qWarning("palvren: another copy is running but did not answer; close it and start again");
    return 1;
  }
  MainWindow window;
  instance.listen([&window](const QStringList& handed) {
    if (window.isMinimized()) window.showNormal();
    window.raise();
    window.activateWindow();
    if (handed.isEmpty()) return;
    qInfo("palvren: took over %lld path(s) from a second start, first %s",
          static_cast<long long>(handed.size()), qPrintable(handed.front()));
    window.holdPaths(pathsOf(handed));
  });
  window.show();
  window.holdPaths(pathsOf(paths));
  return application.exec();
}

}  // namespace palvren
