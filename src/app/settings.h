#pragma once

#include <QSettings>
#include <memory>
#include <string>

#include "redundancy/check_options.h"
#include "vcard/export_formats.h"
#include "vcard/vcard_version.h"

namespace palvren {

// The person's saved choices, in the desktop's per-user configuration folder.
std::unique_ptr<QSettings> userSettings();
QString settingsFilePath();
// Whether the settings file can be read and written: a regular file, or none yet. Anything else
// at its name (a FIFO, a folder, a device) is never opened, and every option keeps its default.
bool settingsUsable();

ExportFormat savedExportFormat();
void saveExportFormat(ExportFormat format);
VcardVersion savedVcardVersion();
void saveVcardVersion(VcardVersion version);

// The folder of the last file or folder chosen; empty before the first choice.
std::string savedLastFolder();
void saveLastFolder(std::string folder);

MatchRule savedMatchRule();
void saveMatchRule(const MatchRule& rule);

// The main window's choices: the operation, the naming, the check box and the passes.
struct WindowChoices {
  int operation = 0;  // RunMode
  int naming = 0;     // 0 numbered, 1 from contact information
  bool check = false;
  int passes = 1;  // 1 or 2
};
WindowChoices savedWindowChoices();
void saveWindowChoices(const WindowChoices& choices);

}  // namespace palvren
