#include "app/window_dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "app/artwork.h"
#include "app/conflict_window.h"
#include "app/info_windows.h"
#include "app/qt_text.h"

namespace palvren {

namespace {

// Information windows are modal, created when shown and discarded when closed.
void openModal(QDialog* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
}

}  // namespace

void QtWindowDialogs::message(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                  displayText(title), messageText(text), QMessageBox::Ok, window_);
  box.exec();
}

bool QtWindowDialogs::yesNo(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Information, displayText(title), messageText(text),
                  QMessageBox::Yes | QMessageBox::No, window_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

ConflictDecision QtWindowDialogs::conflict(const PromptContext& context) {
  return showConflictPrompt(context, window_);
}

void QtWindowDialogs::browse(const std::string& path) {
  // The desktop's own file browser, or the program associated with the file; when none can
  // start, nothing happens and the program goes on.
  QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(path)));
}

void QtWindowDialogs::showAbout() { openModal(new frmAbout(window_)); }

void QtWindowDialogs::showRedundancyLogic() { openModal(new frmMore(window_)); }

}  // namespace palvren
