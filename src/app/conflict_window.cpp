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
#include <QStyle>
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
constexpr int kRowRole = Qt::UserRole;
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
  row->setToolTip(column, ConflictWindow::tr("%1 image, %2 pixels, %3 bytes")
                              .arg(QString::fromStdString(image->format), size)
                              .arg(image->bytes.size()));
  return true;
}

// A field's value as the window shows it: a picture by its format and size.
QString shownValue(std::string_view tag, std::string_view value) {
  if (const std::optional<InlineImage> image = inlineImage(tag, value)) {
    return ConflictWindow::tr("%1 image, %2 bytes")
        .arg(QString::fromStdString(image->format))
        .arg(image->bytes.size());
  }
  return QString::fromStdString(fieldForDisplay(tag, value));
}

std::optional<QString> askWithInputDialog(QWidget* parent, const QString& prompt,
                                          const QString& title, const QString& initial) {
  bool accepted = false;
  QString text =
      QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

QPushButton* answerButton(QWidget* parent, const QString& caption, const QString& tip, int index) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString("choiceButton%1").arg(index));
  button->setToolTip(tip);
  button->setStyleSheet(
      "QPushButton { background-color: rgb(192, 255, 192); color: black; padding: 4px 10px; }"
      "QPushButton:disabled { background-color: rgb(222, 232, 222); color: rgb(120, 120, 120); }");
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
                               Notice notice, Confirm confirm)
    : QDialog(parent),
      context_(context),
      inputBox_(std::move(inputBox)),
      notice_(std::move(notice)),
      confirm_(std::move(confirm)) {
  setObjectName("ConflictWindow");
  setWindowTitle(tr("Select the Correct Data"));
  setWindowIcon(applicationIcon());
  setModal(true);
  if (!inputBox_) {
    inputBox_ = [this](const QString& prompt, const QString& title, const QString& initial) {
      return askWithInputDialog(this, prompt, title, initial);
    };
  }
  if (!confirm_) {
    confirm_ = [this](const QString& text) {
      return QMessageBox::question(this, tr("Keep Neither"), text,
                                   QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::No) == QMessageBox::Yes;
    };
  }
  if (!notice_) {
    notice_ = [this](const QString& text) {
      QMessageBox::warning(this, tr("Update Existing Data Field"), text);
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
  conflictTable->setHeaderLabels({tr("Tags"), tr("Option 1"), tr("Option 2")});
  conflictTable->setRootIsDecorated(false);
  conflictTable->setAllColumnsShowFocus(true);
  // Opens at its designed size; the table takes whatever the window grows by.
  conflictTable->setMinimumSize(6855 / kTwipsPerPixel, 4215 / kTwipsPerPixel);
  conflictTable->setTextElideMode(Qt::ElideRight);
  conflictTable->setIconSize(QSize(kThumbnailHeight * 3 / 2, kThumbnailHeight));
  conflictTable->setItemDelegate(new ConflictRowDelegate(conflictTable));
  // The three columns share the width as the window grows.
  conflictTable->header()->setSectionResizeMode(QHeaderView::Stretch);
  connect(conflictTable, &QTreeWidget::itemDoubleClicked, this, [this] { onRowActivated(); });
  // F2, the usual key for editing, does from the keyboard what a double-click does.
  auto* editKey = new QShortcut(QKeySequence(Qt::Key_F2), conflictTable);
  editKey->setContext(Qt::WidgetShortcut);
  connect(editKey, &QShortcut::activated, this, [this] { onRowActivated(); });
  conflictTable->setToolTip(
      tr("Double-click a row, or press F2, to type its value for both contacts"));
}

// The answers and the value each keeps, Apply to All and Stop Checking.
void ConflictWindow::buildAnswers() {
  instructionLabel = new QLabel(
      tr("Conflicting data exists for this redundancy.  Select the value to keep."), this);
  instructionLabel->setObjectName("instructionLabel");

  const QString first = tr("Contact (%1)").arg(context_.firstPosition);
  const QString second = tr("Contact (%1)").arg(context_.secondPosition);
  choiceButtons[0] = answerButton(this, tr("Keep Both"),
                                  tr("This is not a redundancy. Keep Both: these are two people "
                                     "\u2014 keep both contacts as they are"),
                                  0);
  const char* keepOption = QT_TR_NOOP(
      "This is the correct information for this field: keep %1's value and merge the two "
      "contacts");
  choiceButtons[1] = answerButton(this, tr("Keep Option 1"), tr(keepOption).arg(first), 1);
  choiceButtons[2] = answerButton(this, tr("Keep Option 2"), tr(keepOption).arg(second), 2);
  choiceButtons[3] =
      answerButton(this, tr("Keep Neither"),
                   tr("Both options are garbage: remove both contacts (asks first)"), 3);
  choiceButtons[4] = answerButton(this, tr("Keep Both Values"),
                                  tr("Both values are right: keep them both in the merged contact "
                                     "(for a field that holds several, such as e-mails)"),
                                  4);
  choiceButtons[4]->setEnabled(context_.multipleValues);
  valueEdits[0] = valueBox(this, 0);
  valueEdits[1] = valueBox(this, 1);
  for (int i = 0; i < 5; ++i) {
    connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] { onChoiceClicked(i); });
  }
  choiceButtons[0]->setDefault(true);
  applyToAllCheckBox = new QCheckBox(tr("&Apply to all remaining conflicts"), this);
  applyToAllCheckBox->setObjectName("applyToAllCheckBox");
  applyToAllCheckBox->setToolTip(
      tr("Answer every later conflict of this check the same way, for pairs named alike (a pair "
         "named otherwise is still asked; Keep Neither, which removes both contacts, never "
         "applies to others)"));
  stopCheckingButton = new QPushButton(tr("S&top Checking"), this);
  stopCheckingButton->setObjectName("stopCheckingButton");
  stopCheckingButton->setToolTip(
      tr("Ask no more: keep both contacts of this and every remaining pair, and write the files"));
  connect(stopCheckingButton, &QPushButton::clicked, this, [this] {
    decision_.answer = ConflictChoice::KeepBoth;
    decision_.stopChecking = true;
    done(QDialog::Accepted);
  });

  whyMatchedLabel = new QLabel(
      translatedText(context_.whyMatched.empty()
                         ? matchReasonWords(*context_.firstContact, *context_.secondContact)
                         : context_.whyMatched),
      this);
  whyMatchedLabel->setObjectName("whyMatchedLabel");
  whyMatchedLabel->setWordWrap(true);
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
  bottom->addWidget(choiceButtons[4], 2);
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
  QWidget* tabOrder[] = {conflictTable,      choiceButtons[1],  choiceButtons[2],
                         choiceButtons[4],   choiceButtons[0],  choiceButtons[3],
                         applyToAllCheckBox, stopCheckingButton};
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
  conflictTable->headerItem()->setText(1, tr("Contact (%1)").arg(context_.firstPosition));
  conflictTable->headerItem()->setText(2, tr("Contact (%1)").arg(context_.secondPosition));
  rows_ = conflictRows(context_);
  QTreeWidgetItem* conflictRow = nullptr;
  for (std::size_t index = 0; index < rows_.size(); ++index) {
    const ConflictRow& field = rows_[index];
    auto* row = new QTreeWidgetItem(conflictTable);
    row->setText(0, fieldLabelText(field.label));
    row->setData(0, kRowRole, int(index));
    showField(row, 1, *context_.firstContact, field.firstOrdinal);
    showField(row, 2, *context_.secondContact, field.secondOrdinal);
    markRow(row, field);
    if (field.conflict) conflictRow = row;
  }
  if (!conflictRow) return;
  conflictTable->setCurrentItem(conflictRow);
  conflictRow->setSelected(true);
  const ConflictRow& field = rows_[std::size_t(conflictRow->data(0, kRowRole).toInt())];
  const ContactRecord& first = *context_.firstContact;
  const ContactRecord& second = *context_.secondContact;
  valueEdits[0]->setText(
      shownValue(first.tagAt(field.firstOrdinal), first.valueAt(field.firstOrdinal)));
  valueEdits[1]->setText(
      shownValue(second.tagAt(field.secondOrdinal), second.valueAt(field.secondOrdinal)));
}

// The raw tags in the label's tooltip; the conflicting row red with the arrow, the row the pair
// matched on with a tick.
void ConflictWindow::markRow(QTreeWidgetItem* row, const ConflictRow& field) {
  QString tags = QString::fromStdString(field.firstTag.empty() ? field.secondTag : field.firstTag);
  if (!field.firstTag.empty() && !field.secondTag.empty() && field.firstTag != field.secondTag) {
    tags += " / " + QString::fromStdString(field.secondTag);
  }
  row->setToolTip(0, fieldLabelText(field.label) + " (" + tags + ")");
  if (field.matched) {
    row->setIcon(0, matchedFieldIcon());
    row->setToolTip(0, row->toolTip(0) + "\n" + tr("The two contacts matched on this field"));
  }
  if (!field.conflict) return;
  QFont bold = row->font(0);
  bold.setBold(true);
  for (int column = 0; column < 3; ++column) {
    row->setFont(column, bold);
    row->setForeground(column, QColor(255, 0, 0));
    row->setData(column, kConflictRole, true);
  }
  row->setIcon(0, conflictArrowIcon());
}

void ConflictWindow::showField(QTreeWidgetItem* row, int column, const ContactRecord& contact,
                               int ordinal) {
  if (ordinal == 0) return;
  const std::string_view tag = contact.tagAt(ordinal);
  const std::string_view value = contact.valueAt(ordinal);
  if (showPicture(row, column, tag, value)) return;
  row->setText(column, shownValue(tag, value));
  row->setToolTip(column, row->text(column));
}

QString ConflictWindow::valueToEdit(const ConflictRow& field) const {
  const ContactRecord& contact =
      field.firstOrdinal ? *context_.firstContact : *context_.secondContact;
  const int ordinal = field.firstOrdinal ? field.firstOrdinal : field.secondOrdinal;
  const std::string_view tag = contact.tagAt(ordinal);
  if (inlineImage(tag, contact.valueAt(ordinal))) return {};
  std::string text = displayUtf8(tag, contact.valueAt(ordinal));
  while (!text.empty() && (text.back() == ';' || text.back() == '\r' || text.back() == '\n')) {
    text.pop_back();
  }
  return QString::fromStdString(text);
}

void ConflictWindow::editRow(QTreeWidgetItem* row) {
  if (!row) return;
  const ConflictRow& field = rows_[std::size_t(row->data(0, kRowRole).toInt())];
  const QString prompt = tr("Enter the value for the \"%1\" field here:").arg(row->text(0));
  QString initial = valueToEdit(field);
  for (;;) {
    std::optional<QString> typed = inputBox_(prompt, tr("Update Existing Data Field"), initial);
    if (!typed || typed->isEmpty()) return;
    FieldEdit edit = field.editOf(typed->toStdString());
    if (const std::optional<EditRefusal> refusal = refusalOfEdit(context_, edit)) {
      notice_(tr("Contact (%1) keeps this field in %2, which cannot hold every character "
                 "typed. Type the value with letters it can hold.")
                  .arg(refusal->position)
                  .arg(QString::fromStdString(refusal->charsetName)));
      initial = *typed;  // what was typed stays, to be mended
      continue;
    }
    const QString shown = QString::fromStdString(std::string(trimSpaces(edit.text)));
    decision_.edits.push_back(std::move(edit));
    for (int column : {1, 2}) {
      if ((column == 1 ? field.firstOrdinal : field.secondOrdinal) == 0) continue;
      row->setIcon(column, QIcon());
      row->setText(column, shown);
      row->setToolTip(column, shown);
    }
    return;
  }
}

void ConflictWindow::onRowActivated() { editRow(conflictTable->currentItem()); }

void ConflictWindow::onChoiceClicked(int index) {
  if (ConflictChoice(index) == ConflictChoice::KeepNeither &&
      !confirm_(tr("Keep Neither removes both contacts from the files written. Remove both?"))) {
    return;
  }
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
