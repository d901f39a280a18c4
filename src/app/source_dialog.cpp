#include "app/source_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "app/qt_text.h"
#include "driver/run_options.h"
#include "vcard/selection.h"

namespace palvren {

namespace {

// "desc|pattern|..." as Qt name filters; "*.*" means every file on this system, and vCard
// patterns match any letter case.
QStringList qtNameFilters(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1] == "*.*" ? "*" : parts[i + 1];
    if (pattern == "*.vcf") pattern = "*.vcf *.VCF *.Vcf";
    if (pattern == "*.csv *.txt") pattern = "*.csv *.CSV *.txt *.TXT";
    const QByteArray description = parts[i].section('(', 0, 0).trimmed().toUtf8();
    filters << QCoreApplication::translate("palvren::SourceDialog", description.constData()) +
                   " (" + pattern + ")";
  }
  return filters;
}

// The descriptions of the filters, for the translation tools.
[[maybe_unused]] constexpr const char* kFilterWords[] = {
    QT_TRANSLATE_NOOP("palvren::SourceDialog", "vCard File"),
    QT_TRANSLATE_NOOP("palvren::SourceDialog", "CSV File"),
    QT_TRANSLATE_NOOP("palvren::SourceDialog", "All Files")};

std::string multiSelectionText(const QStringList& files) {
  FileSelection selection{pathBytes(QFileInfo(files.first()).absolutePath()), {}};
  for (const QString& file : files)
    selection.names.push_back(pathBytes(QFileInfo(file).fileName()));
  return selection.toText();
}

}  // namespace

void QtSourceDialogRunner::run(SourceDialogSettings& settings) {
  QFileDialog dialog(parent_,
                     QCoreApplication::translate("palvren::SourceDialog", settings.title.c_str()),
                     pathText(settings.initialFolder));
  if (settings.pickFolder) {
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
  } else {
    dialog.setFileMode(settings.multiSelect ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(settings.filter));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QStringList files = dialog.selectedFiles();
  if (settings.pickFolder) {
    settings.fileName = folderSelectionText(pathBytes(files.first()));
  } else if (files.size() == 1) {
    settings.fileName = pathBytes(files.first());
  } else {
    settings.fileName = multiSelectionText(files);
  }
}

std::string runSourceDialog(RunMode runMode, SourceDialogSettings& dialogSettings,
                            SourceDialogRunner& runner, const std::string& programFolder) {
  dialogSettings.multiSelect = runMode == RunMode::Merge;
  dialogSettings.pickFolder = runMode == RunMode::Recombine;
  switch (runMode) {
    case RunMode::Split:
      dialogSettings.title = QT_TRANSLATE_NOOP("palvren::SourceDialog",
                                               "Select a multiple-contact vCard file to split");
      break;
    case RunMode::Recombine:
      dialogSettings.title =
          QT_TRANSLATE_NOOP("palvren::SourceDialog",
                            "Select the parent folder containing, single-contact vCard files");
      break;
    case RunMode::Merge:
      dialogSettings.title = QT_TRANSLATE_NOOP(
          "palvren::SourceDialog", "Select several multiple-contact vCard files to merge");
      break;
    case RunMode::Export:
      dialogSettings.title = QT_TRANSLATE_NOOP("palvren::SourceDialog",
                                               "Select a multiple-contact vCard file to export");
      break;
    case RunMode::Import:
      dialogSettings.title =
          QT_TRANSLATE_NOOP("palvren::SourceDialog", "Select a CSV file to import");
      break;
  }
  if (runMode == RunMode::Recombine) {
    if (dialogSettings.filter.empty()) dialogSettings.filter = "All Files (*.*)|*.*";
    dialogSettings.fileName = kCancelledFolderSelection;
  } else {
    dialogSettings.filter = runMode == RunMode::Import ? kCsvFilter : kVcardFilter;
    dialogSettings.fileName.clear();
  }
  dialogSettings.initialFolder = programFolder;
  runner.run(dialogSettings);
  return dialogSettings.fileName;
}

}  // namespace palvren
