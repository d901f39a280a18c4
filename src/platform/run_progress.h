#pragma once

#include <string>

#include "platform/message.h"

namespace palvren {

// Thrown out of yield() when the person asks a run to stop: the run ends in order at the next
// contact, and the progress says how far it had come.
struct RunStopped {};

// The files a run has written so far, of how many it will write.
struct FilesWritten {
  int written = 0;
  int total = 0;
};

// Where a run shows how far it has come, and the point at which it may be stopped.
class RunProgress {
 public:
  virtual ~RunProgress() = default;

  // The two lines of the status display.
  virtual void setStatus(const Message& text) = 0;
  virtual void setCount(const Message& text) = 0;
  // Lets the window repaint and handle pending events. It may throw RunStopped when the person
  // stops the run, or another exception to abandon it when the program is ended meanwhile:
  // callers hold what they write in objects that remove it as the exception passes.
  virtual void yield() = 0;
  // The phase under way has done so many steps of its total; a total of 0 hides the progress.
  virtual void setProgress(int done, int total) {
    (void)done;
    (void)total;
  }

  // The writing phase counts its files here as it goes, so that a stop can say how many are
  // complete.
  void countWritten(int written, int total) { written_ = {written, total}; }
  const FilesWritten& filesWritten() const { return written_; }

 private:
  FilesWritten written_;
};

// The status of a run at its item number `item`: "Processing 12".
inline Message processingStatus(long long item) {
  return Message(PALVREN_TEXT("Run", "Processing %1"), {std::to_string(item)});
}

// One step of a phase of total steps: shows it and yields.
inline void stepDone(RunProgress& progress, int done, int total) {
  progress.setProgress(done, total);
  progress.yield();
}

}  // namespace palvren
