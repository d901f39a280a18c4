#include "app/settings.h"

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>

#include "app/qt_text.h"
#include "vcard/mapped_export.h"

namespace palvren {

namespace {
constexpr char kExportFormatKey[] = "export/format";
constexpr char kVcardVersionKey[] = "vcard/version";
constexpr char kLastFolderKey[] = "dialogs/lastFolder";
constexpr char kTolerantKey[] = "matching/tolerant";
constexpr char kCountryCodeKey[] = "matching/countryCode";
constexpr char kOperationKey[] = "window/operation";
constexpr char kNamingKey[] = "window/naming";
constexpr char kCheckKey[] = "window/check";
constexpr char kPassesKey[] = "window/passes";
}  // namespace

std::unique_ptr<QSettings> userSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "palvren",
                                     "palvren");
}

// Where QSettings keeps a user's INI settings, found without opening them.
QString settingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/palvren/palvren.ini";
}

bool settingsUsable() {
  // Looked at without opening it: a FIFO there would never answer a read, and a folder or device
  // holds no settings. A file not there yet is made on the first save.
  struct stat info;
  const QByteArray path = QFile::encodeName(settingsFilePath());
  if (::stat(path.constData(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

namespace {
// A value read back, or the default when the file cannot be used.
QVariant readSetting(const char* key, const QVariant& fallback) {
  if (!settingsUsable()) return fallback;
  return userSettings()->value(key, fallback);
}

void writeSetting(const char* key, const QVariant& value) {
  if (settingsUsable()) userSettings()->setValue(key, value);
}
}  // namespace

ExportFormat savedExportFormat() {
  const QString name = readSetting(kExportFormatKey, "raw").toString();
  return exportFormatNamed(name.toStdString()).value_or(ExportFormat::Raw);
}

void saveExportFormat(ExportFormat format) {
  writeSetting(kExportFormatKey, QString::fromUtf8(exportFormatInfo(format).key.data(),
                                                   qsizetype(exportFormatInfo(format).key.size())));
}

VcardVersion savedVcardVersion() {
  const QString name = readSetting(kVcardVersionKey, "keep").toString();
  return versionNamed(name.toStdString()).value_or(VcardVersion::AsRead);
}

void saveVcardVersion(VcardVersion version) {
  const std::string_view number = versionNumber(version);
  writeSetting(kVcardVersionKey,
               number.empty() ? QString("keep")
                              : QString::fromLatin1(number.data(), qsizetype(number.size())));
}

std::string savedLastFolder() {
  const std::string folder = pathBytes(readSetting(kLastFolderKey, "").toString());
  return folder.starts_with('/') ? folder : std::string();
}

void saveLastFolder(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!folder.empty()) writeSetting(kLastFolderKey, pathText(folder));
}

MatchRule savedMatchRule() {
  MatchRule rule;
  rule.tolerant = readSetting(kTolerantKey, false).toBool();
  // Checked as the command line checks it: one to three digits, or none.
  const std::string code = readSetting(kCountryCodeKey, "").toString().toStdString();
  const bool digits = code.size() <= 3 && code.find_first_not_of("0123456789") == std::string::npos;
  if (digits) rule.countryCode = code;
  return rule;
}

void saveMatchRule(const MatchRule& rule) {
  writeSetting(kTolerantKey, rule.tolerant);
  writeSetting(kCountryCodeKey, QString::fromStdString(rule.countryCode));
}

WindowChoices savedWindowChoices() {
  WindowChoices choices;
  // Each value is taken only when it is one the window offers.
  auto number = [](const char* key, int lowest, int highest, int fallback) {
    bool read = false;
    const int value = readSetting(key, fallback).toInt(&read);
    return read && value >= lowest && value <= highest ? value : fallback;
  };
  choices.operation = number(kOperationKey, 0, 4, 0);
  choices.naming = number(kNamingKey, 0, 1, 0);
  choices.check = readSetting(kCheckKey, false).toBool();
  choices.passes = number(kPassesKey, 1, 2, 1);
  return choices;
}

void saveWindowChoices(const WindowChoices& choices) {
  writeSetting(kOperationKey, choices.operation);
  writeSetting(kNamingKey, choices.naming);
  writeSetting(kCheckKey, choices.check);
  writeSetting(kPassesKey, choices.passes);
}

}  // namespace palvren
