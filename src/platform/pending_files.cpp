#include "platform/pending_files.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace palvren::pending_files {

namespace {

struct Slot {
  std::atomic<int> folder{-1};
  char name[64] = {};
};

Slot slots[8];

void onSignal(int signalNumber) {
  removeAll();
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
}

}  // namespace

int remember(int folderDescriptor, const std::string& name) {
  if (name.size() >= sizeof slots[0].name) return -1;
  for (int i = 0; i < int(std::size(slots)); ++i) {
    int expected = -1;
    // Claimed with a placeholder first, so that the handler never reads a half-copied name.
    if (!slots[i].folder.compare_exchange_strong(expected, -2)) continue;
    std::memcpy(slots[i].name, name.c_str(), name.size() + 1);
    slots[i].folder.store(folderDescriptor);
    return i;
  }
  return -1;
}

void forget(int slot) {
  if (slot >= 0) slots[slot].folder.store(-1);
}

void removeAll() {
  for (Slot& slot : slots) {
    const int folder = slot.folder.load();
    if (folder >= 0) ::unlinkat(folder, slot.name, 0);
  }
}

InterruptsHeld::InterruptsHeld() {
  sigset_t interrupts;
  sigemptyset(&interrupts);
  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&interrupts, signalNumber);
  pthread_sigmask(SIG_BLOCK, &interrupts, &previous_);
}

InterruptsHeld::~InterruptsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

void removeOnInterrupt() {
  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) std::signal(signalNumber, onSignal);
}

}  // namespace palvren::pending_files
