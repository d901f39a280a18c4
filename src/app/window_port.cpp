#include "app/window_port.h"

#include <QCoreApplication>

#include "app/main_window.h"
#include "redundancy/prompt_context.h"

namespace palvren {

namespace {
constexpr int kRepaintIntervalMs = 30;
}  // namespace

void WindowPort::setStatus(const std::string& text) { window_.showStatus(text); }
void WindowPort::setCount(const std::string& text) { window_.showCount(text); }

void WindowPort::yield() {
  if (window_.runAbandoned()) throw RunAbandoned{};
  if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) return;
  QCoreApplication::processEvents();
  sinceRepaint_.start();
  if (window_.runAbandoned()) throw RunAbandoned{};
}

void WindowPort::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  dialogs_.message(text, title, icon);
}

bool WindowPort::askYesNo(const std::string& text, const std::string& title) {
  return dialogs_.yesNo(text, title);
}

void WindowPort::openInFileBrowser(const std::string& path) { dialogs_.browse(path); }
NamingMode WindowPort::namingMode() { return window_.namingMode(); }
RedundancyMode WindowPort::redundancyMode() { return window_.redundancyMode(); }
bool WindowPort::redundancyCheckTicked() { return window_.redundancyCheckTicked(); }

ConflictDecision WindowPort::askConflict(const PromptContext& context) {
  return dialogs_.conflict(context);
}

}  // namespace palvren
