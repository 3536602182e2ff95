#pragma once
// Qt's own texts (the file dialog, the Yes and No buttons) in the user's
// language, from qtbase's catalogues; the program's own texts stay as they are.

#include <QLocale>

class QObject;
class QTranslator;

namespace lullara {

// Loads the catalogue for the locale and installs it; returns the installed
// translator (owned by owner), or nullptr when none fits the locale.
QTranslator *installQtTranslations(const QLocale &locale, QObject *owner);

} // namespace lullara
