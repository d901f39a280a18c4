#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "redundancy/prompt_context.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace palvren {

// The conflict window: both contacts' fields side by side, the conflicting one marked, and four
// answers. A double-click on a row edits that field in both contacts.
class frmPrompt : public QDialog {
  Q_OBJECT
 public:
  // Asks for a new field value: the typed text, or nothing when cancelled.
  using InputBox =
      std::function<std::optional<QString>(const QString& prompt, const QString& title)>;

  // Tells why a typed value was not taken.
  using Notice = std::function<void(const QString& text)>;

  frmPrompt(const PromptContext& context, QWidget* parent, InputBox inputBox = {},
            Notice notice = {});

  // The answer clicked (Keep Both when the window was closed) and the fields typed.
  const ConflictDecision& decision() const { return decision_; }

  QTreeWidget* ListView1;
  std::array<QPushButton*, 4> cmdOption;
  std::array<QLineEdit*, 2> txtOption;
  QLabel* Label1;
  QCheckBox* chkApplyToAll;
  // Which rule matched the pair, in the report's words.
  QLabel* lblWhyMatched;
  QPushButton* cmdStopChecking;

  // Edits the field of a row as a double-click does.
  void editRow(QTreeWidgetItem* row);

 private:
  void Form_Load();
  void Form_Activate();
  void cmdOption_Click(int index);
  void ListView1_DblClick();
  void showField(QTreeWidgetItem* row, int column, const ContactRecord& contact,
                 std::string_view tag);

  const PromptContext& context_;
  InputBox inputBox_;
  Notice notice_;
  ConflictDecision decision_;
};

// Shows the window modally for a conflict and returns the decision.
ConflictDecision showConflictPrompt(const PromptContext& context, QWidget* parent);

}  // namespace palvren
