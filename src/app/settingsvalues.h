#pragma once
// The remembered settings: keys, defaults and how stored text is read back.
// The store itself is QSettings("Lullara", "Lullara") in the default format
// (the registry on Windows), group "Setting".

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QList>
#include <memory>

class QSettings;

namespace lullara {

namespace keys {
inline const QString Group = QStringLiteral("Setting");
inline const QString Top = QStringLiteral("Top");
inline const QString Left = QStringLiteral("Left");
inline const QString CmbNum = QStringLiteral("cmbNum");
inline const QString CmbInterval = QStringLiteral("cmbInterval");
inline const QString OptAll = QStringLiteral("optAll");
inline const QString OptSel = QStringLiteral("optSel");
inline const QString DrawEachNameOnce = QStringLiteral("DrawEachNameOnce");
} // namespace keys

constexpr int kTwipsPerPixel = 15;

// The selectors' entries: "1".."9","10","15".."100" and "0.25","0.50","0.75","1".."50".
QStringList namesNumEntries();
QStringList lotteryIntervalEntries();

// Raw text as read from the store (empty when missing).
struct StoredText {
    QString top, left, cmbNum, cmbInterval, optAll, optSel;
    QString drawEachNameOnce;
};

// What the main window restores, every value already checked.
struct RestoredChoices {
    double topTwips = 100;
    double leftTwips = 100;
    int numIndex = 4;       // entry "5"
    int intervalIndex = 3;  // entry "1"
    int letterIndex = -1;   // -1: "All"; else 0 (A) .. 25 (Z)
    bool drawEachNameOnce = false;
};

// Reads the stored text; anything the program cannot have written (not a
// number, a position outside a selector, a letter outside 0..25) falls back to
// that key's default.
RestoredChoices interpretStored(const StoredText &stored, int numCount, int intervalCount);

// Text written on close.
QString onOffText(bool on);               // "True" or "False", as "optAll" is stored
QString twipsText(int pixels);            // pixels * 15 as decimal text of a float
int twipsToPixels(double twips);          // rounded; kept within +-16777215, 0 when not finite

// Moves a window rectangle wholly off every screen onto the nearest one;
// a rectangle that shares at least one pixel with any screen is returned
// unchanged. The moved window lies wholly on that screen when it fits, else
// its top-left corner is on it. No screens: unchanged.
QPoint keepOnScreen(const QRect &window, const QList<QRect> &screens);

// The settings store: organisation and application "Lullara".
std::unique_ptr<QSettings> openSettings();

} // namespace lullara
