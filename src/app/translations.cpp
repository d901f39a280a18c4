#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace palvren {

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

void installFirstFound(const QLocale& locale, const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, name, "_", folder)) return;
  QCoreApplication::installTranslator(translator.get());
  installed().push_back(std::move(translator));
}

}  // namespace

void installTranslations(const QLocale& locale) {
  for (const std::unique_ptr<QTranslator>& translator : installed()) {
    QCoreApplication::removeTranslator(translator.get());
  }
  installed().clear();
  QLocale spoken = locale;
  installFirstFound(spoken, "palvren", ":/i18n");
  if (installed().empty() && locale.language() == QLocale::Portuguese) {
    // Portugal's or Angola's Portuguese reads Brazil's better than English.
    spoken = QLocale(QLocale::Portuguese, QLocale::Brazil);
    installFirstFound(spoken, "palvren", ":/i18n");
  }
  // Qt's own only where the program speaks the language: an English window keeps English buttons.
  if (installed().empty()) return;
  installFirstFound(spoken, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace palvren
