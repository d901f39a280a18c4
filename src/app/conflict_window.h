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
class ConflictWindow : public QDialog {
  Q_OBJECT
 public:
  // Asks for a new field value: the typed text, or nothing when cancelled.
  using InputBox =
      std::function<std::optional<QString>(const QString& prompt, const QString& title)>;

  // Tells why a typed value was not taken.
  using Notice = std::function<void(const QString& text)>;

  ConflictWindow(const PromptContext& context, QWidget* parent, InputBox inputBox = {},
                 Notice notice = {});

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

  void showField(QTreeWidgetItem* row, int column, const ContactRecord& contact,
                 std::string_view tag);

  QTreeWidget* conflictTable;
  std::array<QPushButton*, 4> choiceButtons;
  std::array<QLineEdit*, 2> valueEdits;
  QLabel* instructionLabel;
  QCheckBox* applyToAllCheckBox;
  // Which rule matched the pair, in the report's words.
  QLabel* whyMatchedLabel;
  QPushButton* stopCheckingButton;
  const PromptContext& context_;
  InputBox inputBox_;
  Notice notice_;
  ConflictDecision decision_;
};

// Shows the window modally for a conflict and returns the decision.
ConflictDecision showConflictPrompt(const PromptContext& context, QWidget* parent);

}  // namespace palvren
