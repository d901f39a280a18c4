#include "app/column_mapping_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace palvren {

namespace {

// The words of every field a column can go to, for the translation tools: the list is made in
// the core, which has no translations of its own.
[[maybe_unused]] constexpr const char* kFieldWords[] = {
    QT_TRANSLATE_NOOP("Fields", "Its own field (X-CSV-...)"),
    QT_TRANSLATE_NOOP("Fields", "Full name"),
    QT_TRANSLATE_NOOP("Fields", "First name"),
    QT_TRANSLATE_NOOP("Fields", "Middle name"),
    QT_TRANSLATE_NOOP("Fields", "Last name"),
    QT_TRANSLATE_NOOP("Fields", "Name prefix"),
    QT_TRANSLATE_NOOP("Fields", "Name suffix"),
    QT_TRANSLATE_NOOP("Fields", "Nickname"),
    QT_TRANSLATE_NOOP("Fields", "Company"),
    QT_TRANSLATE_NOOP("Fields", "Department"),
    QT_TRANSLATE_NOOP("Fields", "Job title"),
    QT_TRANSLATE_NOOP("Fields", "Birthday"),
    QT_TRANSLATE_NOOP("Fields", "Note"),
    QT_TRANSLATE_NOOP("Fields", "E-mail"),
    QT_TRANSLATE_NOOP("Fields", "Work e-mail"),
    QT_TRANSLATE_NOOP("Fields", "Home e-mail"),
    QT_TRANSLATE_NOOP("Fields", "Phone"),
    QT_TRANSLATE_NOOP("Fields", "Work phone"),
    QT_TRANSLATE_NOOP("Fields", "Home phone"),
    QT_TRANSLATE_NOOP("Fields", "Web site"),
    QT_TRANSLATE_NOOP("Fields", "Work web site"),
    QT_TRANSLATE_NOOP("Fields", "Home web site"),
    QT_TRANSLATE_NOOP("Fields", "Mobile phone"),
    QT_TRANSLATE_NOOP("Fields", "Fax phone"),
    QT_TRANSLATE_NOOP("Fields", "Work fax phone"),
    QT_TRANSLATE_NOOP("Fields", "Home fax phone"),
    QT_TRANSLATE_NOOP("Fields", "Pager phone"),
    QT_TRANSLATE_NOOP("Fields", "Street"),
    QT_TRANSLATE_NOOP("Fields", "City"),
    QT_TRANSLATE_NOOP("Fields", "Region"),
    QT_TRANSLATE_NOOP("Fields", "Postal code"),
    QT_TRANSLATE_NOOP("Fields", "Country"),
    QT_TRANSLATE_NOOP("Fields", "PO box"),
    QT_TRANSLATE_NOOP("Fields", "Work street"),
    QT_TRANSLATE_NOOP("Fields", "Work city"),
    QT_TRANSLATE_NOOP("Fields", "Work region"),
    QT_TRANSLATE_NOOP("Fields", "Work postal code"),
    QT_TRANSLATE_NOOP("Fields", "Work country"),
    QT_TRANSLATE_NOOP("Fields", "Work PO box"),
    QT_TRANSLATE_NOOP("Fields", "Home street"),
    QT_TRANSLATE_NOOP("Fields", "Home city"),
    QT_TRANSLATE_NOOP("Fields", "Home region"),
    QT_TRANSLATE_NOOP("Fields", "Home postal code"),
    QT_TRANSLATE_NOOP("Fields", "Home country"),
    QT_TRANSLATE_NOOP("Fields", "Home PO box"),
};

QComboBox* fieldBox(const ImportField& proposed, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const FieldChoice& choice : fieldChoices()) {
    const std::string label =
        choice.label.empty() ? fieldLabel(choice.field) : std::string(choice.label);
    box->addItem(fieldLabelText(label));
  }
  box->setCurrentIndex(fieldChoiceIndex(proposed));
  return box;
}

std::string joinedValues(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) {
    if (value.empty()) continue;
    if (!text.empty()) text += " | ";
    text += value;
  }
  return text;
}

QTableWidget* columnTable(const std::vector<std::string>& header,
                          const std::vector<std::vector<std::string>>& firstValues,
                          const std::vector<ImportField>& proposed, QWidget* parent) {
  auto* table = new QTableWidget(int(header.size()), 3, parent);
  table->setObjectName("columnTable");
  table->setHorizontalHeaderLabels(
      {QCoreApplication::translate("palvren::ColumnMappingDialog", "Column"),
       QCoreApplication::translate("palvren::ColumnMappingDialog", "First values"),
       QCoreApplication::translate("palvren::ColumnMappingDialog", "Goes to")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  for (std::size_t row = 0; row < header.size(); ++row) {
    table->setItem(int(row), 0, new QTableWidgetItem(displayText(header[row])));
    const std::string values = row < firstValues.size() ? joinedValues(firstValues[row]) : "";
    auto* item = new QTableWidgetItem(displayText(values));
    item->setToolTip(displayText(values));
    table->setItem(int(row), 1, item);
    table->setCellWidget(int(row), 2,
                         fieldBox(row < proposed.size() ? proposed[row] : ImportField(), table));
  }
  table->resizeColumnsToContents();
  table->setColumnWidth(1, std::min(table->columnWidth(1), 320));
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace

int fieldChoiceIndex(const ImportField& field) {
  const std::vector<FieldChoice>& choices = fieldChoices();
  for (std::size_t k = 1; k < choices.size(); ++k) {
    const ImportField& f = choices[k].field;
    if (f.property == field.property && f.part == field.part && f.kind == field.kind) {
      return int(k);
    }
  }
  return 0;
}

std::optional<std::vector<ImportField>> showColumnMappingDialog(
    const std::vector<std::string>& header,
    const std::vector<std::vector<std::string>>& firstValues,
    const std::vector<ImportField>& proposed, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("columnMappingDialog");
  dialog.setWindowTitle(
      QCoreApplication::translate("palvren::ColumnMappingDialog", "Import CSV Columns"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* intro = new QLabel(
      QCoreApplication::translate(
          "palvren::ColumnMappingDialog",
          "Palvren does not know the columns of this file. Choose where each one goes; nothing "
          "is written until you click Import. A column kept as its own field is written as an "
          "X-CSV- property, never dropped."),
      &dialog);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  QTableWidget* table = columnTable(header, firstValues, proposed, &dialog);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)
      ->setText(QCoreApplication::translate("palvren::ColumnMappingDialog", "&Import"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  const int wanted = table->horizontalHeader()->length() + 60;
  const QScreen* screen = parent ? parent->screen() : nullptr;
  const int most = screen ? screen->availableGeometry().width() * 9 / 10 : 900;
  dialog.resize(std::min(std::max(wanted, 560), most),
                std::min(120 + 34 * int(header.size()), 560));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<ImportField> chosen;
  const std::vector<FieldChoice>& choices = fieldChoices();
  for (std::size_t row = 0; row < header.size(); ++row) {
    auto* box = static_cast<QComboBox*>(table->cellWidget(int(row), 2));
    chosen.push_back(choices[std::size_t(box->currentIndex())].field);
  }
  return chosen;
}

}  // namespace palvren
