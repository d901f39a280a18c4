#include "app/conflict_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/qt_text.h"
#include "platform/text.h"
#include "redundancy/similar_pass.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTagRole = Qt::UserRole;
constexpr int kConflictRole = Qt::UserRole + 1;
constexpr int kThumbnailHeight = 64;

// Keeps the conflicting row red when it is selected: a pale red face with dark red text, which
// reads in light and dark colour schemes alike.
class ConflictRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(kConflictRole).toBool()) return;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      option->palette.setColor(group, QPalette::Highlight, QColor(255, 205, 205));
      option->palette.setColor(group, QPalette::HighlightedText, QColor(170, 0, 0));
    }
  }
};

// Shows a picture value as a thumbnail with its size in the tooltip; false when the value holds
// no picture Qt can read, so that its text is shown instead.
bool showPicture(QTreeWidgetItem* row, int column, std::string_view tag, std::string_view value) {
  const std::optional<InlineImage> image = inlineImage(tag, value);
  if (!image) return false;
  QByteArray bytes = QByteArray::fromRawData(image->bytes.data(), qsizetype(image->bytes.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, image->format.c_str());
  // The size is read from the header; a large picture is decoded straight at the row's height
  // (a JPEG scales while it decodes), never whole and then shrunk.
  const QSize full = reader.size();
  if (!full.isValid()) return false;
  // Only JPEG decodes at a smaller size; a huge picture of another format would have to be
  // decoded whole (half a second and more each), so it is named without a thumbnail.
  constexpr qint64 kMostPixelsDecoded = 16'000'000;
  const bool decoded =
      image->format == "JPEG" || qint64(full.width()) * full.height() <= kMostPixelsDecoded;
  if (decoded) {
    if (full.height() > kThumbnailHeight) {
      reader.setScaledSize(full.scaled(full.width(), kThumbnailHeight, Qt::KeepAspectRatio));
    }
    const QImage thumbnail = reader.read();
    if (thumbnail.isNull()) return false;
    row->setIcon(column, QIcon(QPixmap::fromImage(thumbnail)));
  }
  const QString size = QString("%1 × %2").arg(full.width()).arg(full.height());
  row->setText(column, QString::fromStdString(image->format) + ", " + size);
  row->setToolTip(column, QString("%1 image, %2 pixels, %3 bytes")
                              .arg(QString::fromStdString(image->format), size)
                              .arg(image->bytes.size()));
  return true;
}

std::optional<QString> askWithInputDialog(QWidget* parent, const QString& prompt,
                                          const QString& title) {
  bool accepted = false;
  QString text =
      QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

QPushButton* answerButton(QWidget* parent, const QString& caption, const QString& tip, int index) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString("choiceButton%1").arg(index));
  button->setToolTip(tip);
  button->setStyleSheet(
      "QPushButton { background-color: rgb(192, 255, 192); color: black; padding: 4px 10px; }");
  button->setMinimumHeight(495 / kTwipsPerPixel);
  return button;
}

QLineEdit* valueBox(QWidget* parent, int index) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString("valueEdit%1").arg(index));
  QFont font = box->font();
  font.setBold(true);
  font.setPointSizeF(9.75);
  box->setFont(font);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::ClickFocus);  // read, not typed in: Tab passes it by
  box->setMinimumWidth(4935 / kTwipsPerPixel);
  return box;
}

}  // namespace

ConflictWindow::ConflictWindow(const PromptContext& context, QWidget* parent, InputBox inputBox,
                               Notice notice)
    : QDialog(parent),
      context_(context),
      inputBox_(std::move(inputBox)),
      notice_(std::move(notice)) {
  setObjectName("ConflictWindow");
  setWindowTitle("Select the Correct Data");
  setWindowIcon(applicationIcon());
  setModal(true);
  if (!inputBox_) {
    inputBox_ = [this](const QString& prompt, const QString& title) {
      return askWithInputDialog(this, prompt, title);
    };
  }
  if (!notice_) {
    notice_ = [this](const QString& text) {
      QMessageBox::warning(this, "Update Existing Data Field", text);
    };
  }
  buildTable();
  buildAnswers();
  buildLayout();
  fitScreen();
  load();
  focusConflict();
}

// Opens at its designed size where the screen has room for it; where it has not (a small
// screen, or a large scale), it opens smaller, down to what its controls need.
void ConflictWindow::fitScreen() {
  const QSize designed = sizeHint();
  conflictTable->setMinimumSize(4500 / kTwipsPerPixel, 1800 / kTwipsPerPixel);
  QSize size = designed;
  if (const QScreen* shown = screen()) {
    // Room for the frame the window manager adds.
    size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
  }
  resize(size.expandedTo(minimumSizeHint()));
}

void ConflictWindow::buildTable() {
  conflictTable = new QTreeWidget(this);
  conflictTable->setObjectName("conflictTable");
  conflictTable->setColumnCount(3);
  conflictTable->setHeaderLabels({"Tags", "Option 1", "Option 2"});
  conflictTable->setRootIsDecorated(false);
  conflictTable->setAllColumnsShowFocus(true);
  // Opens at its designed size; the table takes whatever the window grows by.
  conflictTable->setMinimumSize(6855 / kTwipsPerPixel, 4215 / kTwipsPerPixel);
  conflictTable->setTextElideMode(Qt::ElideRight);
  conflictTable->setIconSize(QSize(kThumbnailHeight * 3 / 2, kThumbnailHeight));
  conflictTable->setItemDelegate(new ConflictRowDelegate(conflictTable));
  connect(conflictTable, &QTreeWidget::itemDoubleClicked, this, [this] { onRowActivated(); });
  // F2, the usual key for editing, does from the keyboard what a double-click does.
  auto* editKey = new QShortcut(QKeySequence(Qt::Key_F2), conflictTable);
  editKey->setContext(Qt::WidgetShortcut);
  connect(editKey, &QShortcut::activated, this, [this] { onRowActivated(); });
  conflictTable->setToolTip("Double-click a row, or press F2, to type its value for both contacts");
}

// The answers and the value each keeps, Apply to All and Stop Checking.
void ConflictWindow::buildAnswers() {
  instructionLabel =
      new QLabel("Conflicting data exists for this redundancy.  Select the value to keep.", this);
  instructionLabel->setObjectName("instructionLabel");

  choiceButtons[0] = answerButton(this, "Keep Both", "This is not a redundancy", 0);
  choiceButtons[1] =
      answerButton(this, "Keep Option 1", "This is the correct information for this field", 1);
  choiceButtons[2] =
      answerButton(this, "Keep Option 2", "This is the correct information for this field", 2);
  choiceButtons[3] = answerButton(this, "Keep Neither", "Both options are garbage", 3);
  valueEdits[0] = valueBox(this, 0);
  valueEdits[1] = valueBox(this, 1);
  for (int i = 0; i < 4; ++i) {
    connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] { onChoiceClicked(i); });
  }
  choiceButtons[0]->setDefault(true);
  applyToAllCheckBox = new QCheckBox("&Apply to all remaining conflicts", this);
  applyToAllCheckBox->setObjectName("applyToAllCheckBox");
  applyToAllCheckBox->setToolTip(
      "Answer every later conflict of this check the same way (not for Keep Neither, which "
      "removes both contacts)");
  stopCheckingButton = new QPushButton("S&top Checking", this);
  stopCheckingButton->setObjectName("stopCheckingButton");
  stopCheckingButton->setToolTip(
      "Ask no more: keep both contacts of this and every remaining pair, and write the files");
  connect(stopCheckingButton, &QPushButton::clicked, this, [this] {
    decision_.answer = ConflictChoice::KeepBoth;
    decision_.stopChecking = true;
    done(QDialog::Accepted);
  });

  whyMatchedLabel = new QLabel(
      QString::fromStdString(context_.whyMatched.empty()
                                 ? matchReason(*context_.firstContact, *context_.secondContact)
                                 : context_.whyMatched),
      this);
  whyMatchedLabel->setObjectName("whyMatchedLabel");
  whyMatchedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ConflictWindow::buildLayout() {
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(whyMatchedLabel);
  layout->addWidget(conflictTable);
  layout->addWidget(line);
  layout->addWidget(instructionLabel);
  auto* option1 = new QHBoxLayout;
  option1->addWidget(choiceButtons[1]);
  option1->addWidget(valueEdits[0], 1);
  auto* option2 = new QHBoxLayout;
  option2->addWidget(choiceButtons[2]);
  option2->addWidget(valueEdits[1], 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(choiceButtons[0], 2);
  bottom->addWidget(choiceButtons[3], 2);
  auto* control = new QHBoxLayout;
  control->addWidget(applyToAllCheckBox, 1);
  control->addWidget(stopCheckingButton);
  layout->addLayout(option1);
  layout->addLayout(option2);
  layout->addLayout(bottom);
  layout->addLayout(control);
  layout->setStretchFactor(conflictTable, 1);
  // Tab follows the window from top to bottom; the value boxes are read, not typed in.
  QWidget* tabOrder[] = {conflictTable,    choiceButtons[1],   choiceButtons[2],  choiceButtons[0],
                         choiceButtons[3], applyToAllCheckBox, stopCheckingButton};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i], tabOrder[i + 1]);
  }
}

void ConflictWindow::load() {
  const int width = int(conflictTable->width() * 0.99 / 3);
  for (int column = 0; column < 3; ++column) conflictTable->setColumnWidth(column, width);
}

void ConflictWindow::focusConflict() {
  conflictTable->clear();
  conflictTable->headerItem()->setText(1, QString("Contact (%1)").arg(context_.firstPosition));
  conflictTable->headerItem()->setText(2, QString("Contact (%1)").arg(context_.secondPosition));
  const ContactRecord& first = *context_.firstContact;
  const ContactRecord& second = *context_.secondContact;
  QTreeWidgetItem* conflictRow = nullptr;
  for (int k = 1; k <= first.orderCount(); ++k) {
    const std::string tag(first.tagAt(k));
    auto* row = new QTreeWidgetItem(conflictTable);
    row->setText(0, displayText(tagDisplayName(tag)));
    row->setData(0, kTagRole, QByteArray::fromStdString(tag));
    showField(row, 1, first, tag);
    showField(row, 2, second, tag);
    row->setToolTip(0, row->text(0));
    if (tag == context_.conflictTag && !conflictRow) conflictRow = row;
  }
  if (conflictRow) {
    QFont bold = conflictRow->font(0);
    bold.setBold(true);
    for (int column = 0; column < 3; ++column) {
      conflictRow->setFont(column, bold);
      conflictRow->setForeground(column, QColor(255, 0, 0));
      conflictRow->setData(column, kConflictRole, true);
    }
    conflictRow->setIcon(0, conflictArrowIcon());
    conflictTable->setCurrentItem(conflictRow);
    conflictRow->setSelected(true);
    valueEdits[0]->setText(QString::fromStdString(fieldForDisplay(first, context_.conflictTag)));
    valueEdits[1]->setText(QString::fromStdString(fieldForDisplay(second, context_.conflictTag)));
  }
}

void ConflictWindow::showField(QTreeWidgetItem* row, int column, const ContactRecord& contact,
                               std::string_view tag) {
  if (showPicture(row, column, tag, contact.value(tag))) return;
  row->setText(column, QString::fromStdString(fieldForDisplay(contact, tag)));
  row->setToolTip(column, row->text(column));
}

void ConflictWindow::editRow(QTreeWidgetItem* row) {
  if (!row) return;
  const QString prompt = "Enter the value for the \"" + row->text(0) + "\" field here:";
  std::optional<QString> typed = inputBox_(prompt, "Update Existing Data Field");
  if (!typed || typed->isEmpty()) return;
  const std::string tag = row->data(0, kTagRole).toByteArray().toStdString();
  FieldEdit edit{tag, typed->toStdString()};
  if (const std::optional<EditRefusal> refusal = refusalOfEdit(context_, edit)) {
    notice_(QString("Contact (%1) keeps this field in %2, which cannot hold every character "
                    "typed. Type the value with letters it can hold.")
                .arg(refusal->position)
                .arg(QString::fromStdString(refusal->charsetName)));
    return;
  }
  const QString shown = QString::fromStdString(std::string(trimSpaces(edit.text)));
  decision_.edits.push_back(std::move(edit));
  for (int column : {1, 2}) {
    if (column == 2 && !context_.secondContact->listsTag(tag)) break;
    row->setIcon(column, QIcon());
    row->setText(column, shown);
    row->setToolTip(column, shown);
  }
}

void ConflictWindow::onRowActivated() { editRow(conflictTable->currentItem()); }

void ConflictWindow::onChoiceClicked(int index) {
  decision_.answer = ConflictChoice(index);
  decision_.applyToRemaining =
      applyToAllCheckBox->isChecked() && decision_.answer != ConflictChoice::KeepNeither;
  done(QDialog::Accepted);
}

ConflictDecision showConflictPrompt(const PromptContext& context, QWidget* parent) {
  ConflictWindow window(context, parent);
  window.exec();
  return window.decision();
}

}  // namespace palvren
