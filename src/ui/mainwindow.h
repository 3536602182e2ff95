#pragma once
// The main window: lays out every control, binds them to the name lists,
// the run engine and the output commands, and shows what those announce.

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <array>

#include "generator/lottery.h"
#include "names/namelibrary.h"
#include "output/generatedrows.h"
#include "output/outputcommands.h"
#include "shell/fonts.h"
#include "shell/services.h"

class QAction;
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
class QToolButton;

namespace lullara {

class AboutWindow;
class ClickLabel;
class ComparisonWindow;
class NameCard;
class ShortlistKeeper;
class GeneratedList;
class NameListsDialog;
class NameBox;
class StatusBar;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `programDir`: the folder of the bundled name files and pictures.
    MainWindow(const Services &services, const QString &programDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Fills the selectors, restores the settings and loads the name lists.
    // Returns false when a name list could not be read (the program halts).
    bool load();
    // Stores the settings; runs when the window closes.
    void storeSettings();
    // The splash window, the parent of a name file's error box until the
    // load ends.
    void setSplash(QWidget *splash) { m_splash = splash; }

    Lottery *lottery() { return &m_lottery; }
    NameLibrary *names() { return &m_names; }
    GeneratedRows *rows() { return &m_rows; }
    OutputCommands *output() { return &m_output; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, one group at a time.
    void buildControls();
    void buildGenderFrames();
    void buildCountersAndSelectors();
    void buildLetterFrame();
    void buildListFrame();
    void buildRunButtons();
    void buildOutputButtons();
    void buildStatusBar();
    void buildMenu();
    void buildTabOrder();
    void bindCore();
    // The fixed text colours that suit the palette in force.
    void applyPalette();
    bool chooseLetter(const QString &filter);
    // The caption of the "All" choice, also what the letter display shows for it.
    static QString allText();
    // What the letter display shows for it.
    static QString allShownText();
    // Says a text to a screen reader (see m_announcer).
    void announce(const QString &text);
    void showAbout();
    // The "Name lists" window, over this one.
    void showNameLists();
    // Double-click, Enter and the right-click menu on a name open its card.
    void bindNameCards();
    void showNameCard(const QString &name);
    void showNameMenu(const QPoint &globalPos, const QString &name, bool onGeneratedList);
    // Compares the generated list with a list saved by Lullara.
    void compareWithSavedList();
    // The list kept from the last session, before "Ready".
    void restoreKeptList();
    void showRunState();
    void showProgress();
    void showStatus(const QString &text, bool paintNow = false);
    // The two big labels stay centred between the frames, widening only for long text.
    void showDrawnName(const QString &name);
    void showDrawnNumber(const QString &number);

    Services m_services;
    ClassicFonts m_fonts;
    NameLibrary m_names;
    GeneratedRows m_rows;
    Lottery m_lottery;
    OutputCommands m_output;
    QPointer<QWidget> m_splash;
    QPointer<AboutWindow> m_about;
    QPointer<NameListsDialog> m_nameListsDialog;
    QPointer<NameCard> m_nameCard;
    QPointer<ComparisonWindow> m_comparison;
    ShortlistKeeper *m_keeper;
    QString m_keptListFolder;
    bool m_keepFailureSaid = false; // a failed write of the kept list is said once
    QString m_drawnName;  // the drawn name in full
    QString m_menuName;   // the name the right-click menu was opened on
    bool m_built = false; // every control made
    bool m_stored = false;
    bool m_halted = false; // a name list could not be read

    ClickLabel *m_sidePicture;
    QGroupBox *m_boysFrame, *m_girlsFrame, *m_letterFrame, *m_listFrame;
    QPushButton *m_addBoyButton, *m_addGirlButton;
    QLabel *m_numberLabel, *m_nameLabel, *m_wantedLabel, *m_intervalLabel;
    QComboBox *m_wantedSelector, *m_intervalSelector;
    StatusBar *m_statusBar;
    QPushButton *m_webSiteButton;
    QProgressBar *m_progressBar;
    int m_progressFillShown = 0; // the fill last repainted whole, in pixels
    QPlainTextEdit *m_mailBody;
    QRadioButton *m_boysOption, *m_girlsOption;
    NameBox *m_boysBox, *m_girlsBox;
    std::array<QRadioButton *, 26> m_letterOptions{};
    QRadioButton *m_allOption;
    QLineEdit *m_letterDisplay;
    GeneratedList *m_generatedList;
    QFrame *m_counterBox;
    QLabel *m_counterLabel;
    QPushButton *m_clearButton, *m_tickAllButton, *m_untickAllButton;
    QToolButton *m_startButton, *m_pauseButton, *m_stopButton;
    QPushButton *m_saveAllButton, *m_saveSelectedButton, *m_emailButton, *m_copyAllButton, *m_copyButton,
        *m_printButton;
    QMenu *m_menu;
    QAction *m_startAction, *m_stopAction, *m_pauseAction, *m_resumeAction, *m_aboutAction;
    QAction *m_drawOnceAction; // "Draw each name once", remembered
    QAction *m_keepListAction; // "Keep the list between sessions", remembered
    QMenu *m_nameMenu;         // the right-click menu on a name
    QAction *m_aboutNameAction, *m_compareAction;
    QCursor m_handPointer; // the pointer stored with cmdStart
    // A screen reader's live region: a label outside the client area whose
    // accessible name is each announcement of a run.
    QLabel *m_announcer;
};

} // namespace lullara
