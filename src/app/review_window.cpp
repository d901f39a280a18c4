#include "app/review_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/qt_text.h"

namespace palvren {

namespace {

// One entry: its box, and its steps in words, wrapped to the window's width.
QWidget* entryOf(const MergeReview& merge, int index, QCheckBox*& box) {
  auto* entry = new QWidget;
  box = new QCheckBox(entry);
  box->setObjectName(QString("reviewBox%1").arg(index));
  box->setChecked(true);
  box->setToolTip(merge.removal
                      ? ReviewWindow::tr("Untick to keep these contacts: they were both removed")
                      : ReviewWindow::tr("Untick to write these contacts as they were, unmerged"));
  QString text;
  for (const Message& step : merge.steps) {
    text += (text.isEmpty() ? "" : "\n") + translatedText(step);
  }
  auto* label = new QLabel(text, entry);
  label->setWordWrap(true);
  label->setBuddy(box);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QHBoxLayout(entry);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(box, 0, Qt::AlignTop);
  layout->addWidget(label, 1);
  return entry;
}

}  // namespace

ReviewWindow::ReviewWindow(const std::vector<MergeReview>& merges, QWidget* parent)
    : QDialog(parent) {
  setObjectName("ReviewWindow");
  setWindowTitle(tr("Review the Merges"));
  setWindowIcon(applicationIcon());
  setModal(true);
  auto* intro = new QLabel(
      tr("Pass 2 merged or removed these contacts. Untick any you want written as they were; "
         "nothing has been written yet."),
      this);
  intro->setWordWrap(true);
  auto* list = new QWidget;
  list->setObjectName("mergeList");
  auto* rows = new QVBoxLayout(list);
  for (std::size_t k = 0; k < merges.size(); ++k) {
    QCheckBox* box = nullptr;
    rows->addWidget(entryOf(merges[k], int(k), box));
    boxes_.push_back(box);
  }
  rows->addStretch(1);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(list);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&Write the Files"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(scroll, 1);
  layout->addWidget(buttons);
  // Sized to its list, within the screen.
  constexpr int kWidth = 680;
  list->setFixedWidth(kWidth - 40);
  const int listHeight = list->heightForWidth(kWidth - 40) > 0 ? list->heightForWidth(kWidth - 40)
                                                               : list->sizeHint().height();
  list->setMinimumWidth(0);
  list->setMaximumWidth(QWIDGETSIZE_MAX);
  QSize size(kWidth, listHeight + intro->sizeHint().height() + 90);
  if (const QScreen* shown = screen()) {
    size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
  }
  resize(size);
}

std::vector<bool> ReviewWindow::kept() const {
  std::vector<bool> kept;
  for (const QCheckBox* box : boxes_) kept.push_back(box->isChecked());
  return kept;
}

std::vector<bool> showMergeReview(const std::vector<MergeReview>& merges, QWidget* parent) {
  ReviewWindow window(merges, parent);
  window.exec();
  return window.kept();
}

}  // namespace palvren
