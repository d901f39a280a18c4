#pragma once

#include <csignal>
#include <string>

namespace palvren {

// The files being written right now, so that an interrupted program can remove them before it
// ends: a partial contact file left behind would be taken for a whole one later.
namespace pending_files {

// Notes a file being written (name inside the open folder descriptor); returns a slot for
// forget, or -1 when every slot is in use.
int remember(int folderDescriptor, const std::string& name);
void forget(int slot);

// Removes every remembered file. Safe to call from a signal handler.
void removeAll();

// Holds back SIGINT, SIGTERM and SIGHUP while it lives, so that a file is never created without
// being remembered: a signal that arrives meanwhile is handled once both are done.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Makes SIGINT, SIGTERM and SIGHUP remove the remembered files, then end the program as the
// signal would have.
void removeOnInterrupt();

}  // namespace pending_files

}  // namespace palvren
