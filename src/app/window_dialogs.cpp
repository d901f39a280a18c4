#include "app/window_dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/artwork.h"
#include "app/column_mapping_dialog.h"
#include "app/conflict_window.h"
#include "app/info_windows.h"
#include "app/qt_text.h"
#include "app/review_window.h"
#include "platform/errors.h"
#include "platform/line_writer.h"

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

void QtWindowDialogs::messageWithReport(const std::string& text, const std::string& title,
                                        MessageIcon icon, const std::string& report,
                                        const std::string& outputPath) {
  QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                  displayText(title), messageText(text), QMessageBox::Ok, window_);
  box.setDetailedText(displayText(report));
  QPushButton* save = box.addButton(tr("&Save Report..."), QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  // Saving leaves the message open, so the person can still read the details; OK has the focus
  // again, so that Enter closes it.
  while (box.exec(), box.clickedButton() == save) {
    saveReport(report, outputPath);
    box.button(QMessageBox::Ok)->setFocus();
  }
}

std::string suggestedReportPath(const std::string& outputPath) {
  std::string path = outputPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return pathBytes(QDir::homePath()) + "/palvren-report.txt";
  const std::size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return path.substr(0, slash == std::string::npos ? 0 : slash + 1) + name + "-report.txt";
}

void QtWindowDialogs::saveReport(const std::string& report, const std::string& outputPath) {
  const QString chosen = QFileDialog::getSaveFileName(
      window_, tr("Save Report"), pathText(suggestedReportPath(outputPath)),
      tr("Text Files (*.txt)") + ";;" + tr("All Files (*)"));
  if (chosen.isEmpty()) return;
  try {
    LineWriter output(pathBytes(chosen));
    output.writeText(report);
    output.commit();
  } catch (const OperationError& error) {
    message(translated(error.message()), tr("Save Report").toStdString(), MessageIcon::Critical);
  } catch (const std::exception& error) {
    message(error.what(), tr("Save Report").toStdString(), MessageIcon::Critical);
  }
}

bool QtWindowDialogs::confirm(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, displayText(title), messageText(text),
                  QMessageBox::Yes | QMessageBox::No, window_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

int QtWindowDialogs::choose(const std::string& text, const std::string& title,
                            const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, displayText(title), messageText(text), QMessageBox::Cancel,
                  window_);
  std::vector<QPushButton*> shown;
  for (const std::string& button : buttons) {
    shown.push_back(box.addButton(displayText(button), QMessageBox::AcceptRole));
  }
  if (!shown.empty()) box.setDefaultButton(shown.front());
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (box.clickedButton() == shown[i]) return static_cast<int>(i);
  }
  return -1;
}

std::optional<std::string> QtWindowDialogs::askText(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& initial) {
  bool accepted = false;
  const QString text = QInputDialog::getText(window_, displayText(title), displayText(prompt),
                                             QLineEdit::Normal, displayText(initial), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

ConflictDecision QtWindowDialogs::conflict(const PromptContext& context) {
  return showConflictPrompt(context, window_);
}

std::vector<bool> QtWindowDialogs::reviewMerges(const std::vector<MergeReview>& merges) {
  return showMergeReview(merges, window_);
}

std::optional<std::vector<ImportField>> QtWindowDialogs::chooseColumns(
    const std::vector<std::string>& header,
    const std::vector<std::vector<std::string>>& firstValues,
    const std::vector<ImportField>& proposed) {
  return showColumnMappingDialog(header, firstValues, proposed, window_);
}

void QtWindowDialogs::browse(const std::string& path) {
  // The desktop's own file browser, or the program associated with the file; when none can
  // start, nothing happens and the program goes on.
  QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(path)));
}

void QtWindowDialogs::showAbout() { openModal(new AboutWindow(window_)); }

void QtWindowDialogs::showRedundancyLogic(const MatchRule& rule) {
  openModal(new MoreWindow(window_, rule));
}

}  // namespace palvren
