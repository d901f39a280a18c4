#pragma once

class QLocale;

namespace palvren {

// Shows the window in the language of locale where the program has a translation for it, with
// Qt's own for the buttons of the standard dialogs; in English otherwise. A second call replaces
// what the first installed.
void installTranslations(const QLocale& locale);

}  // namespace palvren
