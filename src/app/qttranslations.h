#pragma once
// The texts in the user's language: Qt's own (the file dialog, the Yes and
// No buttons) from qtbase's catalogues, and the program's own from the
// catalogues built into it (:/i18n/lullara_<language>.qm). Both follow the
// same locale rules; without a catalogue for the locale, texts stay English.

#include <QLocale>

class QObject;
class QTranslator;

namespace lullara {

// Loads Qt's catalogue for the locale and installs it; returns the installed
// translator (owned by owner), or nullptr when none fits the locale.
QTranslator *installQtTranslations(const QLocale &locale, QObject *owner);

// The same for the program's own texts.
QTranslator *installProgramTranslations(const QLocale &locale, QObject *owner);

} // namespace lullara
