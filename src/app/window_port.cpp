#include "app/window_port.h"

#include <QCoreApplication>
#include <memory>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "redundancy/prompt_context.h"

namespace palvren {

namespace {
constexpr int kRepaintIntervalMs = 25;  // with yields at most ~23 ms apart: repaints within 50 ms
}  // namespace

WindowPort::WindowPort(MainWindow& window, WindowDialogs& dialogs, Clock clock)
    : window_(window), dialogs_(dialogs), clock_(std::move(clock)) {
  if (!clock_) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock_ = [timer] { return timer->elapsed(); };
  }
}

void WindowPort::setStatus(const Message& text) { window_.showStatus(text); }
void WindowPort::setCount(const Message& text) { window_.showCount(text); }

void WindowPort::yield() {
  endIfAsked();
  const qint64 now = clock_();
  if (lastRepaint_ >= 0 && now - lastRepaint_ < kRepaintIntervalMs) return;
  QCoreApplication::processEvents();
  lastRepaint_ = now;
  ++repaints_;
  endIfAsked();  // the events just handled may have been Stop or Exit
}

void WindowPort::endIfAsked() const {
  if (window_.runAbandoned()) throw RunAbandoned{};
  if (window_.stopRequested()) throw RunStopped{};
}

void WindowPort::setProgress(int done, int total) { window_.showProgress(done, total); }

void WindowPort::showMessageWithReport(const Message& text, const Message& title, MessageIcon icon,
                                       const std::string& report, const std::string& outputPath) {
  dialogs_.messageWithReport(translated(text), translated(title), icon, report, outputPath);
}

void WindowPort::showMessage(const Message& text, const Message& title, MessageIcon icon) {
  dialogs_.message(translated(text), translated(title), icon);
}

bool WindowPort::askYesNo(const Message& text, const Message& title) {
  window_.showProgress(0, 0);  // no phase runs while a question waits
  return dialogs_.yesNo(translated(text), translated(title));
}

EarlierResultAnswer WindowPort::askEarlierResult(const EarlierResult& earlier) {
  window_.showProgress(0, 0);
  // A new folder comes first for a split (nothing mixed in); replacing first for a file, as the
  // desktop's own file dialogs ask.
  const bool freshFirst = earlier.folder;
  const std::string fresh = translated(earlier.freshButton);
  const std::string reuse = translated(earlier.reuseButton);
  const std::vector<std::string> buttons =
      freshFirst ? std::vector{fresh, reuse} : std::vector{reuse, fresh};
  const int chosen = dialogs_.choose(translated(earlier.text), translated(earlier.title), buttons);
  if (chosen < 0) return EarlierResultAnswer::Cancel;
  return (chosen == 0) == freshFirst ? EarlierResultAnswer::WriteFresh : EarlierResultAnswer::Reuse;
}

void WindowPort::openInFileBrowser(const std::string& path) { dialogs_.browse(path); }

std::optional<std::vector<ImportField>> WindowPort::askColumnMapping(
    const std::vector<std::string>& header,
    const std::vector<std::vector<std::string>>& firstValues,
    const std::vector<ImportField>& proposed) {
  return dialogs_.chooseColumns(header, firstValues, proposed);
}

ConflictDecision WindowPort::askConflict(const PromptContext& context) {
  window_.showProgress(0, 0);
  return dialogs_.conflict(context);
}

std::vector<bool> WindowPort::reviewMerges(const std::vector<MergeReview>& merges) {
  return dialogs_.reviewMerges(merges);
}

}  // namespace palvren
