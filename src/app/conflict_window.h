#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "redundancy/prompt_context.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace palvren {

// The conflict window: both contacts whole, field beside field, the conflicting one and the one
// they matched on marked, and the answers. A double-click on a row edits that field in both
// contacts.
class ConflictWindow : public QDialog {
  Q_OBJECT
 public:
  // Asks for a new field value: the typed text, or nothing when cancelled.
  using InputBox = std::function<std::optional<QString>(const QString& prompt, const QString& title,
                                                        const QString& initial)>;

  // Tells why a typed value was not taken.
  using Notice = std::function<void(const QString& text)>;
  // Asks before an answer that cannot be taken back; true to go on.
  using Confirm = std::function<bool(const QString& text)>;

  ConflictWindow(const PromptContext& context, QWidget* parent, InputBox inputBox = {},
                 Notice notice = {}, Confirm confirm = {});

  // The answer clicked (Keep Both when the window was closed) and the fields typed.
  const ConflictDecision& decision() const { return decision_; }

  // Edits the field of a row as a double-click does.
  void editRow(QTreeWidgetItem* row);

 private:
  void buildTable();
  void buildAnswers();
  void buildLayout();
  void fitScreen();
  void load();
  void focusConflict();
  void onChoiceClicked(int index);
  void onRowActivated();

  void showField(QTreeWidgetItem* row, int column, const ContactRecord& contact, int ordinal);
  void markRow(QTreeWidgetItem* row, const ConflictRow& field);
  // The text a row's edit starts from: its value as the person reads it.
  QString valueToEdit(const ConflictRow& field) const;

  QTreeWidget* conflictTable;
  std::array<QPushButton*, 5> choiceButtons;
  std::array<QLineEdit*, 2> valueEdits;
  QLabel* instructionLabel;
  QCheckBox* applyToAllCheckBox;
  // Which rule matched the pair, in the report's words.
  QLabel* whyMatchedLabel;
  QPushButton* stopCheckingButton;
  const PromptContext& context_;
  InputBox inputBox_;
  Notice notice_;
  Confirm confirm_;
  std::vector<ConflictRow> rows_;
  ConflictDecision decision_;
};

// Shows the window modally for a conflict and returns the decision.
ConflictDecision showConflictPrompt(const PromptContext& context, QWidget* parent);

}  // namespace palvren
