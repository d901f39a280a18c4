#include "app/settings.h"

#include "app/qt_text.h"
#include "vcard/mapped_export.h"

namespace palvren {

namespace {
constexpr char kExportFormatKey[] = "export/format";
constexpr char kLastFolderKey[] = "dialogs/lastFolder";
constexpr char kTolerantKey[] = "matching/tolerant";
constexpr char kCountryCodeKey[] = "matching/countryCode";
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
  userSettings()->setValue(
      kExportFormatKey,
      QString::fromUtf8(ExportFormatKey(format).data(), qsizetype(ExportFormatKey(format).size())));
}

std::string savedLastFolder() {
  return pathBytes(userSettings()->value(kLastFolderKey, "").toString());
}

void saveLastFolder(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!folder.empty()) userSettings()->setValue(kLastFolderKey, pathText(folder));
}

MatchRule savedMatchRule() {
  const auto settings = userSettings();
  MatchRule rule;
  rule.tolerant = settings->value(kTolerantKey, false).toBool();
  rule.countryCode = settings->value(kCountryCodeKey, "").toString().toStdString();
  return rule;
}

void saveMatchRule(const MatchRule& rule) {
  const auto settings = userSettings();
  settings->setValue(kTolerantKey, rule.tolerant);
  settings->setValue(kCountryCodeKey, QString::fromStdString(rule.countryCode));
}

}  // namespace palvren
