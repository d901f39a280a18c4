#include "app/start_up.h"
#include "platform/large_pages.h"

int main(int argc, char** argv) {
  palvren::restartWithLargePages(argv);
  return palvren::runApplication(argc, argv);
}
