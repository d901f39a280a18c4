#include "app/settings.h"

#include "vcard/mapped_export.h"

namespace palvren {

namespace {
constexpr char kExportFormatKey[] = "export/format";
}  // namespace

std::unique_ptr<QSettings> userSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "palvren",
                                     "palvren");
}

ExportFormat savedExportFormat() {
  const QString name = userSettings()->value(kExportFormatKey, "raw").toString();
  return ExportFormatNamed(name.toStdString()).value_or(ExportFormat::Raw);
}

void saveExportFormat(ExportFormat format) {
  const char* name = format == ExportFormat::Google    ? "google"
                     : format == ExportFormat::Outlook ? "outlook"
                                                       : "raw";
  userSettings()->setValue(kExportFormatKey, name);
}

}  // namespace palvren
