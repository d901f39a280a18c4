#include "app/start_up.h"

#include <QApplication>

#include "app/artwork.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "redundancy/prompt_context.h"

namespace palvren {

int Main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("palvren");
  QApplication::setWindowIcon(applicationIcon());
  SingleInstance instance(SingleInstance::defaultLockPath());
  if (instance.anotherIsRunning()) return 0;
  frmMain window;
  window.show();
  return application.exec();
}

}  // namespace palvren
