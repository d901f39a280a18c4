#pragma once

#include <string>

#include "driver/run_options.h"

class QWidget;

namespace palvren {

// The settings of the one open-file dialog of the main window; they stay from one use to the
// next, as a dialog control's would.
struct SourceDialogSettings {
  std::string title;
  // Pairs of description and pattern separated by "|".
  std::string filter;
  bool multiSelect = false;
  // Recombine points at a folder rather than a file.
  bool pickFolder = false;
  std::string initialFolder;
  // The preset name before showing, the chosen name (or multi-selection text) after.
  std::string fileName;
};

// Shows the dialog: on acceptance sets fileName (a full path; the folder followed by each name
// preceded by NUL for several files; the chosen folder followed by "/" when picking a folder).
// A cancel leaves fileName as it was.
class SourceDialogRunner {
 public:
  virtual ~SourceDialogRunner() = default;
  virtual void run(SourceDialogSettings& settings) = 0;
};

class QtSourceDialogRunner : public SourceDialogRunner {
 public:
  explicit QtSourceDialogRunner(QWidget* parent) : parent_(parent) {}
  void run(SourceDialogSettings& settings) override;

 private:
  QWidget* parent_;
};

constexpr char kVcardFilter[] = "vCard File (*.vcf)|*.vcf|All Files (*.*)|*.*";
constexpr char kCsvFilter[] = "CSV File (*.csv *.txt)|*.csv *.txt|All Files (*.*)|*.*";

// Sets the dialog for the mode, shows it and returns its file name ("" when empty).
std::string runSourceDialog(RunMode runMode, SourceDialogSettings& dialogSettings,
                            SourceDialogRunner& runner, const std::string& programFolder);

}  // namespace palvren
