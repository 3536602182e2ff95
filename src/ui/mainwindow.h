#pragma once
// frmRandom, the main window: every control, the status bar, the menu and its
// shortcut keys, and the handlers of every control. The handlers of each
// subsystem are defined next to their logic (src/names, src/generator,
// src/output); the window's layout and lifecycle live here and in src/app.

#include <QCursor>
#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "generator/draw.h"
#include "shell/services.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QShortcut;
class QToolButton;

namespace lullara {

class GeneratedList;
class NameBox;
class StatusBar;

// A picture that reacts to a click.
class ClickLabel;

class frmRandom : public QWidget {
    Q_OBJECT
public:
    explicit frmRandom(const Services &services, QWidget *parent = nullptr);
    ~frmRandom() override;

    // ---- Controls -------------------------------------------------------
    ClickLabel *imgLogo;
    QGroupBox *Frame2, *Frame3, *Frame1, *Fram5;
    QPushButton *cmdBoysAdd, *cmdGirlsAdd;
    QLabel *lblNumber, *lblSname, *Label2, *Label5;
    QComboBox *cmbNamesNum, *cmbLotteryInterval;
    StatusBar *stuMain;
    QPushButton *cmdAbout;
    QProgressBar *pgbGenerator;
    QPlainTextEdit *txtMailList;
    QLabel *PicPrint; // holds the last printout's text
    QRadioButton *optBoys, *optGirls;
    NameBox *lstBoys, *lstGirls;
    std::array<QRadioButton *, 26> optLet{};
    QRadioButton *optLetAll;
    QLineEdit *txtLet;
    GeneratedList *lstGenerator;
    QFrame *Picture1;
    QLabel *lblIDNumber;
    QPushButton *cmdGeneratorClear, *cmdSelectAll, *cmdDeselectAll;
    QToolButton *cmdStart, *chkPause, *cmdStop;
    QPushButton *cmdSaveAll, *cmdSaveSelected, *cmdEmail, *cmdCopyAll, *cmdCopy, *cmdPrint;
    QTimer stuFlash, TimerNumber, TimerLottery;
    QMenu *mnuMain;
    QAction *mnuGo, *mnuStop, *mnuPause, *mnuResume, *mnuSep, *mnuAbout;
    QHash<QString, QIcon> imglstDocument;
    QCursor handCursor; // the pointer stored with cmdStart

    // ---- Lifecycle (src/app/lifecycle.cpp) -------------------------------
    // Fills the selectors, restores the settings and loads the name lists.
    // Returns false when a name list could not be read (the program halts).
    bool Form_Load();
    // Stores the settings; runs when the window closes.
    void Form_Unload();
    void setSplash(QWidget *splash) { m_splash = splash; }
    // The folder the name files and pictures are read from.
    QString programDir() const { return m_programDir; }
    void setProgramDir(const QString &dir) { m_programDir = dir; }
    // True once Form_Unload has stored the settings.
    bool unloaded() const { return m_unloaded; }

    // ---- Status ----------------------------------------------------------
    void SetStatusReady();
    QString statusText() const;
    void setStatusText(const QString &text);

    // ---- Name lists (src/names/loaders.cpp, src/names/selection.cpp) ------
    bool LoadAllBoys();
    bool LoadAllGirls();
    bool LoadBoysByLetter();
    bool LoadGirlsByLetter();
    void optBoys_Click();
    void optGirls_Click();
    void optLetAll_Click();
    void optLet_Click(int index);
    void lstBoys_Click();
    void lstGirls_Click();
    void cmdBoysAdd_Click();
    void cmdGirlsAdd_Click();

    // ---- Generator (src/generator/runcontrol.cpp, ticks.cpp) --------------
    void cmdStart_Click();
    void cmdStop_Click();
    void chkPause_Click();
    void mnuMain_Click();
    void mnuGo_Click();
    void mnuStop_Click();
    void mnuPause_Click();
    void mnuResume_Click();
    void mnuAbout_Click();
    void stuFlash_Timer();
    void TimerNumber_Timer();
    void TimerLottery_Timer();
    bool flashPhase() const { return m_flashPhase; }
    // The progress bar's value and maximum, single precision as designed.
    float progressValue() const { return m_progressValue; }
    float progressMaximum() const { return m_progressMax; }
    // Replaces the random source (tests feed fixed values).
    void setRandomSource(std::function<float()> source) { m_random = std::move(source); }

    // ---- Output (src/output/commands.cpp) ---------------------------------
    void cmdSaveAll_Click();
    void cmdSaveSelected_Click();
    void cmdPrint_Click();
    void cmdEmail_Click();
    void cmdCopy_Click();
    void cmdCopyAll_Click();
    void cmdSelectAll_Click();
    void cmdDeselectAll_Click();
    void cmdGeneratorClear_Click();
    // The file name the Save As dialog opens with (kept for the whole run).
    QString lastSaveFileName() const { return m_lastSaveFile; }
    // The date and time written by the output commands (tests fix it).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // ---- Shell (src/shell) ------------------------------------------------
    void cmdAbout_Click();
    void imgLogo_Click();

    const Services &services() const { return m_services; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildTabOrder();
    void applyPauseChange();
    void applyResumeChange();
    void enableTimer(QTimer &timer);
    NameBox *sourceBox() const;
    void addByHand(NameBox *box, const QString &iconKey);
    bool loadNames(NameBox *box, const QString &fileName, bool byLetter);
    void saveList(bool selectedOnly);
    QString nowText() const;
    void syncProgressBar();
    // The two big labels stay centred between the frames, widening only for long text.
    void showDrawnName(const QString &name);
    void showDrawnNumber(const QString &number);

    Services m_services;
    QPointer<QWidget> m_splash;
    QString m_programDir;
    bool m_unloaded = false;
    bool m_halted = false; // a name list could not be read
    bool m_flashPhase = false;
    bool m_inLotteryBox = false;
    float m_progressValue = 0;
    float m_progressMax = 100;
    QString m_lastSaveFile;
    bool m_cancelIsError = false;
    LotteryRandom m_lottery;
    std::function<float()> m_random;
    std::function<QDateTime()> m_clock;
    std::array<QShortcut *, 4> m_shortcuts{};
};

} // namespace lullara
