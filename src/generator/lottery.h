#pragma once
// The run engine: starts, pauses, resumes and stops a run, draws a position
// ten times a second and appends the name on display once per lottery
// interval. It owns every value of a run and its three timers; the main
// window shows what it announces and forwards the user's commands.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "generator/draw.h"
#include "names/namelibrary.h"

class QWidget;

namespace lullara {

class Dialogs;
class GeneratedRows;

class Lottery : public QObject {
    Q_OBJECT
public:
    Lottery(NameLibrary *names, GeneratedRows *rows, Dialogs *dialogs, QObject *parent = nullptr);

    // The window the engine's message boxes belong to.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }
    // Replaces the random source: values r with 0 <= r < 1, one per draw.
    void setRandomSource(std::function<float()> source) { m_random = std::move(source); }

    // What the selectors show: N, the number of names a run creates (read
    // at Start and at every number tick), and the interval in seconds (read
    // at Start).
    void setWantedText(const QString &text) { m_wantedText = text; }
    void setIntervalText(const QString &text) { m_intervalText = text; }

    Gender gender() const { return m_gender; }
    void setGender(Gender gender) { m_gender = gender; }

    // Each name once: the number tick draws only positions whose name the
    // generated list does not hold yet, the lottery tick adds no name twice,
    // and Start wants N different names that a draw can reach. Off by default.
    bool drawEachNameOnce() const { return m_drawOnce; }
    void setDrawEachNameOnce(bool on) { m_drawOnce = on; }

    // ---- Commands ---------------------------------------------------------
    // Checks the source list's length, then empties the list and starts.
    void start();
    void stop();
    // The pause toggle after the user changed it: paused applies the pause
    // change, not paused the resume change.
    void setPaused(bool paused);
    // The menu's pause and resume: set the toggle, then apply its change,
    // whatever the run is doing.
    void pause() { setPaused(true); }
    void resume() { setPaused(false); }
    // The empty-list offer of the Save commands: resets the status where
    // the offer does, then starts.
    void startOffered(bool selectedOnly);
    // Empties the generated list and shows "0000" and "0" again.
    void clearList();
    // Adds the chosen name of a list (its first one when none is chosen)
    // unless the generated list already holds it.
    void addByHand(Gender from);

    // ---- Ticks --------------------------------------------------------------
    void numberTick();
    void lotteryTick();
    void flashTick();

    // ---- State ----------------------------------------------------------------
    bool isRunning() const { return m_numberTimer.isActive(); }
    bool isPaused() const { return m_paused; }
    bool canStart() const { return m_canStart; }
    bool canStop() const { return m_canStop; }
    bool canPause() const { return m_canPause; }
    // "Pa&use" until the first pause or resume, then "Pause" or "Resume".
    QString pauseCaption() const { return m_pauseCaption; }
    bool progressVisible() const { return m_progressVisible; }
    float progressValue() const { return m_progressValue; }
    float progressMaximum() const { return m_progressMax; }
    // The drawn position on display: the one thing the lottery tick reads.
    QString numberText() const { return m_numberText; }
    // The row count as of the last lottery tick.
    QString counterText() const { return m_counterText; }
    int lotteryInterval() const { return m_lotteryTimer.interval(); }
    // The status text of a window at rest.
    static QString readyText();

signals:
    // Buttons, the pause toggle and the progress bar's visibility.
    void runStateChanged();
    void progressChanged();
    void numberChanged(const QString &number);
    void counterChanged(const QString &counter);
    void statusChanged(const QString &status);
    // What a screen reader should say: once for each name a run adds
    // ("Olivia, 3 of 5"), and the finished text when a run ends.
    void announcement(const QString &text);

private:
    static QString pauseText();
    static QString pausedText();
    static QString addedText(int count);
    void applyPause();
    void applyResume();
    void setNumberText(const QString &text);
    void setCounterText(const QString &text);
    void showMessage(const QString &title, const QString &text, bool information);

    NameLibrary *m_names;
    GeneratedRows *m_rows;
    Dialogs *m_dialogs;
    QWidget *m_dialogParent = nullptr;
    LotteryRandom m_lotteryRandom;
    std::function<float()> m_random;

    QTimer m_numberTimer;
    QTimer m_lotteryTimer;
    QTimer m_flashTimer;

    QString m_wantedText = QStringLiteral("5");
    QString m_intervalText = QStringLiteral("1");
    Gender m_gender = Gender::Boys;
    bool m_drawOnce = false;
    bool m_paused = false;
    bool m_canStart = true;
    bool m_canStop = false;
    bool m_canPause = false;
    QString m_pauseCaption = tr("Pa&use", "the pause button before the first pause; 73 pixels wide");
    bool m_progressVisible = false;
    float m_progressValue = 0;
    float m_progressMax = 100;
    QString m_numberText = QStringLiteral("0000");
    QString m_counterText = QStringLiteral("0");
    bool m_flashPhase = false;
    bool m_inMessage = false;
};

} // namespace lullara
