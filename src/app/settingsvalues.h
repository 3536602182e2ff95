#pragma once
// The remembered settings: keys, defaults, how stored text is read back, and
// the one place that reads and writes them in the store (SettingsFile,
// shell/settingsfile.h), group "Setting".

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QList>
#include <optional>

namespace lullara {

class SettingsFile;

namespace keys {
inline const QString Group = QStringLiteral("Setting");
inline const QString Top = QStringLiteral("Top");
inline const QString Left = QStringLiteral("Left");
inline const QString CmbNum = QStringLiteral("cmbNum");
inline const QString CmbInterval = QStringLiteral("cmbInterval");
inline const QString OptAll = QStringLiteral("optAll");
inline const QString OptSel = QStringLiteral("optSel");
inline const QString DrawEachNameOnce = QStringLiteral("DrawEachNameOnce");
inline const QString KeepList = QStringLiteral("KeepListBetweenSessions");
inline const QString SaveMethod = QStringLiteral("SaveMethod");
} // namespace keys

constexpr int kTwipsPerPixel = 15;

// The selectors' entries: "1".."9","10","15".."100" and "0.25","0.50","0.75","1".."50".
QStringList namesNumEntries();
QStringList lotteryIntervalEntries();

// Raw text as read from the store (empty when missing).
struct StoredText {
    QString top, left, cmbNum, cmbInterval, optAll, optSel;
    QString drawEachNameOnce;
    QString keepList;
};

// What the main window restores, every value already checked.
struct RestoredChoices {
    double topTwips = 100;
    double leftTwips = 100;
    int numIndex = 4;       // entry "5"
    int intervalIndex = 3;  // entry "1"
    int letterIndex = -1;   // -1: "All"; else 0 (A) .. 25 (Z)
    bool drawEachNameOnce = false;
    bool keepList = false; // the generated list kept between sessions
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

// What the main window leaves behind when it closes.
struct WindowChoices {
    QPoint position;
    int numIndex = 0;
    int intervalIndex = 0;
    int letterIndex = -1; // -1: "All"
    bool drawEachNameOnce = false;
    bool keepList = false;
};

// The settings in the store: what the main window restores at start and
// stores when it closes, and the file type the Save As dialog offers.
class StoredSettings {
public:
    explicit StoredSettings(SettingsFile &file) : m_file(file) {}

    RestoredChoices restore(int numCount, int intervalCount) const;
    // Writes the window's choices; the reason when they are not stored.
    std::optional<QString> store(const WindowChoices &choices);

    // The entry the Save As dialog opens on, counted from 1: the type chosen
    // last, else the text entry (2).
    int saveFilter() const;
    // Remembers the type chosen at once; not being remembered is no reason
    // to stop a save, so a failure goes unsaid.
    void rememberSaveFilter(int filter);

private:
    SettingsFile &m_file;
};

} // namespace lullara
