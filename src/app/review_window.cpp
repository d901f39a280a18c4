#include "app/review_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/qt_text.h"

namespace palvren {

namespace {

QTreeWidgetItem* entryOf(const MergeReview& merge, QTreeWidget* list) {
  auto* item = new QTreeWidgetItem(list);
  const QString first = displayText(merge.steps.front());
  item->setText(0, merge.steps.size() > 1
                       ? first + QString(" (and %1 more)").arg(merge.steps.size() - 1)
                       : first);
  item->setCheckState(0, Qt::Checked);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setToolTip(0, merge.removal ? "Untick to keep these contacts: they were both removed"
                                    : "Untick to write these contacts as they were, unmerged");
  if (merge.steps.size() > 1) {
    for (const std::string& step : merge.steps) {
      auto* child = new QTreeWidgetItem(item);
      child->setText(0, displayText(step));
      child->setFlags(Qt::ItemIsEnabled);
    }
  }
  return item;
}

}  // namespace

ReviewWindow::ReviewWindow(const std::vector<MergeReview>& merges, QWidget* parent)
    : QDialog(parent) {
  setObjectName("ReviewWindow");
  setWindowTitle("Review the Merges");
  setWindowIcon(applicationIcon());
  setModal(true);
  auto* intro = new QLabel(
      "Pass 2 merged or removed these contacts. Untick any you want written as they were; "
      "nothing has been written yet.",
      this);
  intro->setWordWrap(true);
  mergeList = new QTreeWidget(this);
  mergeList->setObjectName("mergeList");
  mergeList->setHeaderHidden(true);
  mergeList->setColumnCount(1);
  mergeList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (const MergeReview& merge : merges) entryOf(merge, mergeList);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText("&Write the Files");
  buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(mergeList, 1);
  layout->addWidget(buttons);
  // Sized to its list, within the screen.
  const int rows = std::min<int>(int(merges.size()), 20);
  const int rowHeight = mergeList->sizeHintForRow(0) > 0 ? mergeList->sizeHintForRow(0) : 20;
  int widest = 0;
  for (int k = 0; k < mergeList->topLevelItemCount(); ++k) {
    widest = std::max(
        widest, mergeList->fontMetrics().horizontalAdvance(mergeList->topLevelItem(k)->text(0)));
  }
  const int width = std::max(480, widest + 80);
  QSize size(width, rows * rowHeight + 140);
  if (const QScreen* shown = screen()) {
    size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
  }
  resize(size);
}

std::vector<bool> ReviewWindow::kept() const {
  std::vector<bool> kept;
  for (int k = 0; k < mergeList->topLevelItemCount(); ++k) {
    kept.push_back(mergeList->topLevelItem(k)->checkState(0) == Qt::Checked);
  }
  return kept;
}

std::vector<bool> showMergeReview(const std::vector<MergeReview>& merges, QWidget* parent) {
  ReviewWindow window(merges, parent);
  window.exec();
  return window.kept();
}

}  // namespace palvren
