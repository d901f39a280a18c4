#include "app/conflict_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/qt_text.h"
#include "platform/text.h"
#include "redundancy/similar_pass.h"

namespace palvren {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTagRole = Qt::UserRole;

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
  button->setObjectName(QString("cmdOption%1").arg(index));
  button->setToolTip(tip);
  button->setStyleSheet(
      "QPushButton { background-color: rgb(192, 255, 192); color: black; padding: 4px 10px; }");
  button->setMinimumHeight(495 / kTwipsPerPixel);
  return button;
}

QLineEdit* valueBox(QWidget* parent, int index) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString("txtOption%1").arg(index));
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

frmPrompt::frmPrompt(const PromptContext& context, QWidget* parent, InputBox inputBox,
                     Notice notice)
    : QDialog(parent),
      context_(context),
      firstUtf8_(holdsUtf8(*context.firstContact)),
      secondUtf8_(holdsUtf8(*context.secondContact)),
      inputBox_(std::move(inputBox)),
      notice_(std::move(notice)) {
  setObjectName("frmPrompt");
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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName("ListView1");
  ListView1->setColumnCount(3);
  ListView1->setHeaderLabels({"Tags", "Option 1", "Option 2"});
  ListView1->setRootIsDecorated(false);
  ListView1->setAllColumnsShowFocus(true);
  // Opens at its designed size; the table takes whatever the window grows by.
  ListView1->setMinimumSize(6855 / kTwipsPerPixel, 4215 / kTwipsPerPixel);
  ListView1->setTextElideMode(Qt::ElideRight);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1_DblClick(); });

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  Label1 =
      new QLabel("Conflicting data exists for this redundancy.  Select the value to keep.", this);
  Label1->setObjectName("Label1");

  cmdOption[0] = answerButton(this, "Keep Both", "This is not a redundancy", 0);
  cmdOption[1] =
      answerButton(this, "Keep Option 1", "This is the correct information for this field", 1);
  cmdOption[2] =
      answerButton(this, "Keep Option 2", "This is the correct information for this field", 2);
  cmdOption[3] = answerButton(this, "Keep Neither", "Both options are garbage", 3);
  txtOption[0] = valueBox(this, 0);
  txtOption[1] = valueBox(this, 1);
  for (int i = 0; i < 4; ++i) {
    connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
  }
  cmdOption[0]->setDefault(true);
  chkApplyToAll = new QCheckBox("&Apply to all remaining conflicts", this);
  chkApplyToAll->setObjectName("chkApplyToAll");
  chkApplyToAll->setToolTip(
      "Answer every later conflict of this check the same way (not for Keep Neither, which "
      "removes both contacts)");
  cmdStopChecking = new QPushButton("S&top Checking", this);
  cmdStopChecking->setObjectName("cmdStopChecking");
  cmdStopChecking->setToolTip(
      "Ask no more: keep both contacts of this and every remaining pair, and write the files");
  connect(cmdStopChecking, &QPushButton::clicked, this, [this] {
    decision_.answer = ConflictChoice::KeepBoth;
    decision_.stopChecking = true;
    done(QDialog::Accepted);
  });

  lblWhyMatched =
      new QLabel(displayText(MatchReason(*context_.firstContact, *context_.secondContact)), this);
  lblWhyMatched->setObjectName("lblWhyMatched");
  lblWhyMatched->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblWhyMatched);
  layout->addWidget(ListView1);
  layout->addWidget(line);
  layout->addWidget(Label1);
  auto* option1 = new QHBoxLayout;
  option1->addWidget(cmdOption[1]);
  option1->addWidget(txtOption[0], 1);
  auto* option2 = new QHBoxLayout;
  option2->addWidget(cmdOption[2]);
  option2->addWidget(txtOption[1], 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(cmdOption[0], 2);
  bottom->addWidget(cmdOption[3], 2);
  auto* control = new QHBoxLayout;
  control->addWidget(chkApplyToAll, 1);
  control->addWidget(cmdStopChecking);
  layout->addLayout(option1);
  layout->addLayout(option2);
  layout->addLayout(bottom);
  layout->addLayout(control);
  layout->setStretchFactor(ListView1, 1);
  Form_Load();
  Form_Activate();
}

void frmPrompt::Form_Load() {
  const int width = int(ListView1->width() * 0.99 / 3);
  for (int column = 0; column < 3; ++column) ListView1->setColumnWidth(column, width);
}

void frmPrompt::Form_Activate() {
  ListView1->clear();
  ListView1->headerItem()->setText(1, QString("Contact (%1)").arg(context_.firstPosition));
  ListView1->headerItem()->setText(2, QString("Contact (%1)").arg(context_.secondPosition));
  const ContactRecord& first = *context_.firstContact;
  const ContactRecord& second = *context_.secondContact;
  QTreeWidgetItem* conflictRow = nullptr;
  for (int k = 1; k <= first.orderCount(); ++k) {
    const std::string tag(first.tagAt(k));
    auto* row = new QTreeWidgetItem(ListView1);
    row->setText(0, displayText(TagDisplayName(tag)));
    row->setData(0, kTagRole, QByteArray::fromStdString(tag));
    row->setText(1, displayText(ValueForDisplay(first.value(tag)), firstUtf8_));
    row->setText(2, displayText(ValueForDisplay(second.value(tag)), secondUtf8_));
    for (int column = 0; column < 3; ++column) row->setToolTip(column, row->text(column));
    if (tag == context_.conflictTag && !conflictRow) conflictRow = row;
  }
  if (conflictRow) {
    QFont bold = conflictRow->font(0);
    bold.setBold(true);
    for (int column = 0; column < 3; ++column) {
      conflictRow->setFont(column, bold);
      conflictRow->setForeground(column, QColor(255, 0, 0));
    }
    conflictRow->setIcon(0, conflictArrowIcon());
    ListView1->setCurrentItem(conflictRow);
    conflictRow->setSelected(true);
    txtOption[0]->setText(
        displayText(ValueForDisplay(first.value(context_.conflictTag)), firstUtf8_));
    txtOption[1]->setText(
        displayText(ValueForDisplay(second.value(context_.conflictTag)), secondUtf8_));
  }
}

std::optional<std::string> frmPrompt::refusalOfEdit(const std::string& tag,
                                                    const std::string& text) const {
  const ContactRecord* contacts[] = {context_.firstContact, context_.secondContact};
  const int positions[] = {context_.firstPosition, context_.secondPosition};
  for (int i = 0; i < 2; ++i) {
    if (contacts[i]->listsTag(tag) && !encodeForContact(*contacts[i], text)) {
      return "Contact (" + std::to_string(positions[i]) +
             ") is written in ISO-8859-1 (Latin-1), which cannot hold every character typed. "
             "Type the value with letters it can hold.";
    }
  }
  return std::nullopt;
}

void frmPrompt::editRow(QTreeWidgetItem* row) {
  if (!row) return;
  const QString prompt = "Enter the value for the \"" + row->text(0) + "\" field here:";
  std::optional<QString> typed = inputBox_(prompt, "Update Existing Data Field");
  if (!typed || typed->isEmpty()) return;
  const std::string tag = row->data(0, kTagRole).toByteArray().toStdString();
  const std::string text = typed->toStdString();
  if (const std::optional<std::string> refusal = refusalOfEdit(tag, text)) {
    notice_(QString::fromStdString(*refusal));
    return;
  }
  decision_.edits.push_back({tag, text});
  const QString shown = QString::fromStdString(std::string(trimSpaces(text)));
  row->setText(1, shown);
  row->setToolTip(1, shown);
  if (context_.secondContact->listsTag(tag)) {
    row->setText(2, shown);
    row->setToolTip(2, shown);
  }
}

void frmPrompt::ListView1_DblClick() { editRow(ListView1->currentItem()); }

void frmPrompt::cmdOption_Click(int index) {
  decision_.answer = ConflictChoice(index);
  decision_.applyToRemaining =
      chkApplyToAll->isChecked() && decision_.answer != ConflictChoice::KeepNeither;
  done(QDialog::Accepted);
}

ConflictDecision showConflictPrompt(const PromptContext& context, QWidget* parent) {
  frmPrompt window(context, parent);
  window.exec();
  return window.decision();
}

}  // namespace palvren
