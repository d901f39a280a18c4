#pragma once

#include <QSettings>
#include <memory>

#include "platform/user_interface.h"

namespace palvren {

// The person's saved choices, in the desktop's per-user configuration folder.
std::unique_ptr<QSettings> userSettings();

ExportFormat savedExportFormat();
void saveExportFormat(ExportFormat format);

MatchRule savedMatchRule();
void saveMatchRule(const MatchRule& rule);

}  // namespace palvren
