// Run control: Start with its checks, Stop, pause and resume, the blinking
// status text, the menu's opening and its commands, through every state of a
// run. The handlers and ticks are called directly; no test waits on a timer.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// "<prefix>000", "<prefix>001", ...: distinct names that sort in this order.
QStringList numberedNames(const QString &prefix, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << prefix + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

void choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

// One command of the table tests, as the user or a timer would give it.
void perform(frmRandom *w, const QString &command)
{
    if (command == QLatin1String("start"))
        w->cmdStart_Click();
    else if (command == QLatin1String("stop"))
        w->cmdStop_Click();
    else if (command == QLatin1String("click pause")) {
        QVERIFY(w->chkPause->isEnabled());
        w->chkPause->click();
    } else if (command == QLatin1String("F6"))
        w->mnuGo_Click();
    else if (command == QLatin1String("F7"))
        w->mnuStop_Click();
    else if (command == QLatin1String("F8"))
        w->mnuPause_Click();
    else if (command == QLatin1String("F9"))
        w->mnuResume_Click();
    else if (command == QLatin1String("number"))
        w->TimerNumber_Timer();
    else if (command == QLatin1String("lottery"))
        w->TimerLottery_Timer();
    else if (command == QLatin1String("add boy"))
        w->cmdBoysAdd_Click();
    else if (command == QLatin1String("add girl"))
        w->cmdGirlsAdd_Click();
    else
        QFAIL(qPrintable(QStringLiteral("unknown command ") + command));
}

// The controls that make up the run state, in one line for comparison.
QString runView(const frmRandom *w, const QString &designedCaption)
{
    auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    QString caption = w->chkPause->text();
    if (caption == designedCaption)
        caption = QStringLiteral("designed");
    return QStringList{
        QStringLiteral("start ") + flag(w->cmdStart->isEnabled()),
        QStringLiteral("stop ") + flag(w->cmdStop->isEnabled()),
        QStringLiteral("pause ") + (w->chkPause->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear"))
            + QLatin1Char('/') + flag(w->chkPause->isEnabled()) + QLatin1Char('/') + caption,
        QStringLiteral("draw ") + flag(w->TimerNumber.isActive()) + QLatin1Char('/') + flag(w->TimerLottery.isActive()),
        QStringLiteral("flash ") + flag(w->stuFlash.isActive()),
        QStringLiteral("bar ") + (w->pgbGenerator->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown")),
    }.join(QStringLiteral(", "));
}

} // namespace

class TestRunControl : public QObject {
    Q_OBJECT
private slots:
    void startChecksTheSourceList_data();
    void startChecksTheSourceList();
    void startSetsUpTheRun_data();
    void startSetsUpTheRun();
    void stateTable_data();
    void stateTable();
    void pauseAndResumeKeepRowsAndBar();
    void stopWhilePaused();
    void stopKeepsLabelsAndRows();
    void flashSequence();
    void menuOpening_data();
    void menuOpening();
    void f6DuringRunRestartsWithCurrentChoices();
    void f6RefusedDuringRunChangesNothing();
    void f9InIdleRunsWithoutStart();
    void f9AfterFinishedRunAddsNothing();
    void progressBar_data();
    void progressBar();
};

// ---- Start ------------------------------------------------------------------

void TestRunControl::startChecksTheSourceList_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<int>("boysCount");
    QTest::addColumn<int>("girlsCount");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("refusal"); // empty: the run starts

    QTest::newRow("boys 100 of 100") << false << 100 << 0 << "100" << "";
    QTest::newRow("boys 99 of 100")
        << false << 99 << 200 << "100" << "The boys name list must contain at least 100 items to continue.";
    QTest::newRow("boys 5 of 5") << false << 5 << 0 << "5" << "";
    QTest::newRow("boys 4 of 5") << false << 4 << 10 << "5" << "The boys name list must contain at least 5 items to continue.";
    QTest::newRow("boys none of 1") << false << 0 << 10 << "1" << "The boys name list must contain at least 1 items to continue.";
    QTest::newRow("girls 5 of 5, boys short") << true << 1 << 5 << "5" << "";
    QTest::newRow("girls 4 of 5, boys plenty")
        << true << 100 << 4 << "5" << "The girls name list must contain at least 5 items to continue.";
    QTest::newRow("girls 14 of 15") << true << 0 << 14 << "15" << "The girls name list must contain at least 15 items to continue.";
    QTest::newRow("girls 1 of 1") << true << 0 << 1 << "1" << "";
}

void TestRunControl::startChecksTheSourceList()
{
    QFETCH(bool, girls);
    QFETCH(int, boysCount);
    QFETCH(int, girlsCount);
    QFETCH(QString, number);
    QFETCH(QString, refusal);

    WindowFixture fx(numberedNames(QStringLiteral("Boy"), boysCount), numberedNames(QStringLiteral("Girl"), girlsCount));
    frmRandom *w = fx.open();
    QCOMPARE(w->lstBoys->count(), boysCount);
    QCOMPARE(w->lstGirls->count(), girlsCount);
    if (girls)
        w->optGirls->click();
    choose(w->cmbNamesNum, number);
    // Something to lose: a row added by hand and a counter showing.
    w->lblIDNumber->setText(QStringLiteral("9"));
    if (boysCount > 0)
        w->cmdBoysAdd_Click();
    const int rowsBefore = w->lstGenerator->rowCount();
    const QString designed = w->chkPause->text();
    const QString viewBefore = runView(w, designed);

    w->cmdStart_Click();

    if (refusal.isEmpty()) {
        QVERIFY(fx.fakes.dialogs.messages.isEmpty());
        QVERIFY(w->TimerNumber.isActive());
        QVERIFY(w->TimerLottery.isActive());
        QCOMPARE(w->statusText(), QStringLiteral("Starting..."));
        QCOMPARE(w->lstGenerator->rowCount(), 0);
        return;
    }
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Lullara"));
    QCOMPARE(box.text, refusal);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Information);
    // Nothing else changes.
    QCOMPARE(runView(w, designed), viewBefore);
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("9"));
    QCOMPARE(w->lstGenerator->rowCount(), rowsBefore);
    QCOMPARE(w->TimerLottery.interval(), 1000);
}

void TestRunControl::startSetsUpTheRun_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<float>("maximum");

    QTest::newRow("10 at 0.25") << "10" << "0.25" << 250 << 250.0f;
    QTest::newRow("100 at 0.25") << "100" << "0.25" << 250 << 2500.0f;
    QTest::newRow("3 at 0.25") << "3" << "0.25" << 250 << 75.0f;
    QTest::newRow("10 at 0.50") << "10" << "0.50" << 500 << 500.0f;
    QTest::newRow("7 at 0.75") << "7" << "0.75" << 750 << 525.0f;
    QTest::newRow("5 at 1") << "5" << "1" << 1000 << 500.0f;
    QTest::newRow("1 at 50") << "1" << "50" << 50000 << 5000.0f;
    QTest::newRow("100 at 50") << "100" << "50" << 50000 << 500000.0f;
    QTest::newRow("55 at 37") << "55" << "37" << 37000 << 203500.0f;
}

void TestRunControl::startSetsUpTheRun()
{
    QFETCH(QString, number);
    QFETCH(QString, interval);
    QFETCH(int, milliseconds);
    QFETCH(float, maximum);

    WindowFixture fx(numberedNames(QStringLiteral("Boy"), 100), numberedNames(QStringLiteral("Girl"), 3));
    frmRandom *w = fx.open();
    choose(w->cmbNamesNum, number);
    choose(w->cmbLotteryInterval, interval);
    w->cmdBoysAdd_Click();
    w->cmdBoysAdd_Click(); // a duplicate: still one row
    w->lstBoys->setCurrentIndex(5);
    w->cmdBoysAdd_Click();
    QCOMPARE(w->lstGenerator->rowCount(), 2);
    w->lblIDNumber->setText(QStringLiteral("2"));
    const QString number0 = w->lblNumber->text();
    const QString name0 = w->lblSname->text();
    const QString designed = w->chkPause->text();

    w->cmdStart_Click();

    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QCOMPARE(w->statusText(), QStringLiteral("Starting..."));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->progressValue(), 0.0f);
    QCOMPARE(w->progressMaximum(), maximum);
    QCOMPARE(w->TimerLottery.interval(), milliseconds);
    QCOMPARE(w->TimerNumber.interval(), 100);
    QCOMPARE(runView(w, designed),
             QStringLiteral("start off, stop on, pause clear/on/designed, draw on/on, flash off, bar shown"));
    // Start leaves the drawn number and name alone.
    QCOMPARE(w->lblNumber->text(), number0);
    QCOMPARE(w->lblSname->text(), name0);
    QCOMPARE(w->pgbGenerator->value(), w->pgbGenerator->minimum());
}

// ---- The state table --------------------------------------------------------------

void TestRunControl::stateTable_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("rows");

    const QString idle = "start on, stop off, pause clear/off/designed, draw off/off, flash off, bar hidden";
    const QString running = "start off, stop on, pause clear/on/designed, draw on/on, flash off, bar shown";
    const QString resumed = "start off, stop on, pause clear/on/Pause, draw on/on, flash off, bar shown";
    const QString paused = "start off, stop on, pause ticked/on/Resume, draw off/off, flash on, bar shown";
    const QString finished = "start on, stop off, pause clear/off/designed, draw off/off, flash off, bar hidden";
    const QString finishedAfterPause = "start on, stop off, pause clear/off/Pause, draw off/off, flash off, bar hidden";
    const QString added1 = "1 Names Added, Analyzing...";

    QTest::newRow("idle") << QStringList{} << idle << "Ready" << 0;
    QTest::newRow("idle, start") << QStringList{"start"} << running << "Starting..." << 0;
    QTest::newRow("running, a name added") << QStringList{"start", "number", "lottery"} << running << added1 << 1;
    QTest::newRow("running, click pause")
        << QStringList{"start", "number", "lottery", "click pause"} << paused << "Paused..." << 1;
    QTest::newRow("paused, click resume")
        << QStringList{"start", "number", "lottery", "click pause", "click pause"} << resumed << added1 << 1;
    QTest::newRow("running, F8") << QStringList{"start", "number", "lottery", "F8"} << paused << "Paused..." << 1;
    QTest::newRow("paused, F9") << QStringList{"start", "number", "lottery", "F8", "F9"} << resumed << added1 << 1;
    QTest::newRow("paused, F8 again") << QStringList{"start", "F8", "F8"} << paused << "Paused..." << 0;
    QTest::newRow("running, F9") << QStringList{"start", "F9"} << resumed << "0 Names Added, Analyzing..." << 0;
    QTest::newRow("running, stop")
        << QStringList{"start", "number", "lottery", "stop"} << finished << "Finished. 1 names added successfully." << 1;
    QTest::newRow("running, F7")
        << QStringList{"start", "number", "lottery", "F7"} << finished << "Finished. 1 names added successfully." << 1;
    QTest::newRow("paused, stop")
        << QStringList{"start", "number", "lottery", "click pause", "stop"} << finishedAfterPause
        << "Finished. 1 names added successfully." << 1;
    QTest::newRow("paused, F7") << QStringList{"start", "F8", "F7"} << finishedAfterPause
                                << "Finished. 0 names added successfully." << 0;
    QTest::newRow("resumed, stop") << QStringList{"start", "click pause", "click pause", "stop"}
                                   << finishedAfterPause << "Finished. 0 names added successfully." << 0;
    QTest::newRow("finished, start") << QStringList{"start", "number", "lottery", "stop", "start"} << running
                                     << "Starting..." << 0;
    QTest::newRow("finished, F6") << QStringList{"start", "stop", "F6"} << running << "Starting..." << 0;
    QTest::newRow("running, F6") << QStringList{"start", "number", "lottery", "number", "lottery", "F6"} << running
                                 << "Starting..." << 0;
    QTest::newRow("paused, F6: runs with the pause display")
        << QStringList{"start", "number", "lottery", "click pause", "F6"}
        << "start off, stop on, pause ticked/on/Resume, draw on/on, flash on, bar shown" << "Starting..." << 0;
    QTest::newRow("idle, F7: finished text for the rows in the list")
        << QStringList{"add boy", "add girl", "F7"} << finished << "Finished. 2 names added successfully." << 2;
    QTest::newRow("idle, F7 with an empty list") << QStringList{"F7"} << finished
                                                 << "Finished. 0 names added successfully." << 0;
    QTest::newRow("idle, F8: pause display without a run")
        << QStringList{"F8"} << "start on, stop off, pause ticked/off/Resume, draw off/off, flash on, bar hidden"
        << "Paused..." << 0;
    QTest::newRow("idle, F8, F9") << QStringList{"F8", "F9"}
                                  << "start on, stop off, pause clear/off/Pause, draw on/on, flash off, bar hidden"
                                  << "0 Names Added, Analyzing..." << 0;
    QTest::newRow("idle, F9: runs without Start")
        << QStringList{"add boy", "F9"} << "start on, stop off, pause clear/off/Pause, draw on/on, flash off, bar hidden"
        << added1 << 1;
    QTest::newRow("idle, F9, then names")
        << QStringList{"add boy", "F9", "number", "lottery"}
        << "start on, stop off, pause clear/off/Pause, draw on/on, flash off, bar hidden"
        << "2 Names Added, Analyzing..." << 2;
    QTest::newRow("finished, F8") << QStringList{"start", "stop", "F8"}
                                  << "start on, stop off, pause ticked/off/Resume, draw off/off, flash on, bar hidden"
                                  << "Paused..." << 0;
    QTest::newRow("finished, F8, F7") << QStringList{"start", "stop", "F8", "F7"} << finishedAfterPause
                                      << "Finished. 0 names added successfully." << 0;
}

void TestRunControl::stateTable()
{
    QFETCH(QStringList, commands);
    QFETCH(QString, view);
    QFETCH(QString, status);
    QFETCH(int, rows);

    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    const QString designed = w->chkPause->text();
    QVERIFY(designed != QLatin1String("Pause") && designed != QLatin1String("Resume"));
    for (const QString &command : commands) {
        perform(w, command);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(runView(w, designed), view);
    QCOMPARE(w->statusText(), status);
    QCOMPARE(w->lstGenerator->rowCount(), rows);
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestRunControl::pauseAndResumeKeepRowsAndBar()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, QStringLiteral("5"));
    w->cmdStart_Click();
    for (const char *tick : {"number", "number", "lottery", "number", "number", "lottery", "number"})
        perform(w, QLatin1String(tick));
    QCOMPARE(w->lstGenerator->rowCount(), 2);
    QCOMPARE(w->progressValue(), 50.0f);
    const float maximum = w->progressMaximum();
    const int barValue = w->pgbGenerator->value();

    for (const bool byMenu : {false, true}) {
        if (byMenu)
            w->mnuPause_Click();
        else
            w->chkPause->click();
        QVERIFY(w->chkPause->isChecked());
        QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
        QVERIFY(!w->TimerNumber.isActive());
        QVERIFY(!w->TimerLottery.isActive());
        QCOMPARE(w->lstGenerator->rowCount(), 2);
        QCOMPARE(w->progressValue(), 50.0f);
        QCOMPARE(w->progressMaximum(), maximum);
        QCOMPARE(w->pgbGenerator->value(), barValue);
        QVERIFY(!w->pgbGenerator->isHidden());
        w->stuFlash_Timer();

        if (byMenu)
            w->mnuResume_Click();
        else
            w->chkPause->click();
        QVERIFY(!w->chkPause->isChecked());
        QCOMPARE(w->chkPause->text(), QStringLiteral("Pause"));
        QCOMPARE(w->statusText(), QStringLiteral("2 Names Added, Analyzing..."));
        QVERIFY(w->TimerNumber.isActive());
        QVERIFY(w->TimerLottery.isActive());
        QVERIFY(!w->stuFlash.isActive());
        QCOMPARE(w->TimerNumber.interval(), 100);
        QCOMPARE(w->TimerLottery.interval(), 1000);
        QCOMPARE(w->lstGenerator->rowCount(), 2);
        QCOMPARE(w->progressValue(), 50.0f);
        QCOMPARE(w->progressMaximum(), maximum);
        QCOMPARE(w->pgbGenerator->value(), barValue);
        QVERIFY(!w->pgbGenerator->isHidden());
    }

    // The run goes on from where it was.
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowCount(), 3);
    QCOMPARE(w->progressValue(), 60.0f);
    QCOMPARE(w->statusText(), QStringLiteral("3 Names Added, Analyzing..."));
}

void TestRunControl::stopWhilePaused()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    w->cmdStart_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->chkPause->click();
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral(" "));

    w->cmdStop_Click();
    QVERIFY(!w->chkPause->isChecked());
    QVERIFY(!w->chkPause->isEnabled());
    QCOMPARE(w->chkPause->text(), QStringLiteral("Pause"));
    QVERIFY(!w->stuFlash.isActive());
    QVERIFY(!w->TimerNumber.isActive());
    QVERIFY(!w->TimerLottery.isActive());
    QVERIFY(w->pgbGenerator->isHidden());
    QCOMPARE(w->progressValue(), w->progressMaximum());
    QCOMPARE(w->pgbGenerator->value(), w->pgbGenerator->maximum());
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 2 names added successfully."));
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    // Nothing is left that could write the status text again.
    QVERIFY(!w->stuFlash.isActive());
}

void TestRunControl::stopKeepsLabelsAndRows()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    w->cmdStart_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    const QString number = w->lblNumber->text();
    const QString name = w->lblSname->text();
    const QStringList rows = w->lstGenerator->allTexts();
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("1"));

    w->cmdStop_Click();
    QCOMPARE(w->lblNumber->text(), number);
    QCOMPARE(w->lblSname->text(), name);
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("1"));
    QCOMPARE(w->lstGenerator->allTexts(), rows);
    QVERIFY(w->lstGenerator->isMarked(1));
}

void TestRunControl::flashSequence()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QVERIFY(!w->flashPhase());
    QCOMPARE(w->stuFlash.interval(), 500);
    w->cmdStart_Click();

    w->chkPause->click();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    QVERIFY(w->stuFlash.isActive());
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral(" "));
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral(" "));

    // The phase is never reset: after an odd number of flashes the next
    // pause's first flash writes "Paused..." again.
    w->chkPause->click();
    QVERIFY(!w->stuFlash.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("0 Names Added, Analyzing..."));
    w->chkPause->click();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral(" "));

    // Not even a Stop or a new Start resets it.
    w->cmdStop_Click();
    w->cmdStart_Click();
    w->mnuPause_Click();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    w->stuFlash_Timer();
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
}

void TestRunControl::menuOpening_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("pauseItem");
    QTest::addColumn<bool>("resumeItem");

    QTest::newRow("idle") << QStringList{} << true << false;
    QTest::newRow("running") << QStringList{"start"} << true << false;
    QTest::newRow("paused") << QStringList{"start", "click pause"} << false << true;
    QTest::newRow("paused by F8") << QStringList{"start", "F8"} << false << true;
    QTest::newRow("resumed") << QStringList{"start", "F8", "F9"} << true << false;
    QTest::newRow("finished") << QStringList{"start", "stop"} << true << false;
    QTest::newRow("finished after pause") << QStringList{"start", "F8", "stop"} << true << false;
    QTest::newRow("idle, F8") << QStringList{"F8"} << false << true;
}

void TestRunControl::menuOpening()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, pauseItem);
    QFETCH(bool, resumeItem);

    WindowFixture fx;
    frmRandom *w = fx.open();
    for (const QString &command : commands)
        perform(w, command);
    // Whatever the items were left at, opening the menu sets them.
    w->mnuPause->setEnabled(!pauseItem);
    w->mnuResume->setEnabled(!resumeItem);
    w->mnuMain_Click();
    QCOMPARE(w->mnuPause->isEnabled(), pauseItem);
    QCOMPARE(w->mnuResume->isEnabled(), resumeItem);
    QVERIFY(w->mnuGo->isEnabled());
    QVERIFY(w->mnuStop->isEnabled());

    // The menu's opening runs the same handler.
    w->mnuPause->setEnabled(!pauseItem);
    w->mnuResume->setEnabled(!resumeItem);
    emit w->mnuMain->aboutToShow();
    QCOMPARE(w->mnuPause->isEnabled(), pauseItem);
    QCOMPARE(w->mnuResume->isEnabled(), resumeItem);
}

// ---- The odd transitions in detail ---------------------------------------------------

void TestRunControl::f6DuringRunRestartsWithCurrentChoices()
{
    WindowFixture fx(numberedNames(QStringLiteral("Boy"), 20), numberedNames(QStringLiteral("Girl"), 20));
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.3f; });
    choose(w->cmbNamesNum, QStringLiteral("5"));
    choose(w->cmbLotteryInterval, QStringLiteral("0.25"));
    w->mnuGo_Click();
    for (int i = 0; i < 3; ++i) {
        w->TimerNumber_Timer();
        w->TimerLottery_Timer();
    }
    QCOMPARE(w->lstGenerator->rowCount(), 3);
    QCOMPARE(w->progressValue(), 30.0f);

    // New choices made during the run take effect at the restart.
    choose(w->cmbNamesNum, QStringLiteral("15"));
    choose(w->cmbLotteryInterval, QStringLiteral("2"));
    w->optGirls->click();
    w->mnuGo_Click();
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->statusText(), QStringLiteral("Starting..."));
    QCOMPARE(w->progressValue(), 0.0f);
    QCOMPARE(w->progressMaximum(), 15.0f * 200.0f);
    QCOMPARE(w->TimerLottery.interval(), 2000);
    QVERIFY(w->TimerNumber.isActive());
    QVERIFY(w->TimerLottery.isActive());
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowIconKey(1), QStringLiteral("women"));
}

void TestRunControl::f6RefusedDuringRunChangesNothing()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    w->mnuGo_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    // "Q" leaves the boys' box empty: the check of Start refuses.
    w->optLet[16]->click();
    QCOMPARE(w->lstBoys->count(), 0);
    w->mnuGo_Click();
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    QCOMPARE(fx.fakes.dialogs.messages.first().text,
             QStringLiteral("The boys name list must contain at least 5 items to continue."));
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    QCOMPARE(w->statusText(), QStringLiteral("1 Names Added, Analyzing..."));
    QVERIFY(w->TimerNumber.isActive());
    QVERIFY(w->TimerLottery.isActive());
    QVERIFY(!w->cmdStart->isEnabled());
}

void TestRunControl::f9InIdleRunsWithoutStart()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, QStringLiteral("3"));
    w->cmdGirlsAdd_Click();
    QCOMPARE(w->TimerLottery.interval(), 1000); // no Start yet

    w->mnuResume_Click();
    QVERIFY(w->TimerNumber.isActive());
    QVERIFY(w->TimerLottery.isActive());
    QCOMPARE(w->TimerLottery.interval(), 1000);
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    QVERIFY(w->pgbGenerator->isHidden());
    QCOMPARE(w->statusText(), QStringLiteral("1 Names Added, Analyzing..."));

    // It adds to the rows already there and ends at a number tick finding N rows.
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    QVERIFY(w->TimerNumber.isActive());
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowCount(), 3);
    QCOMPARE(w->lstGenerator->rowText(1), QStringLiteral("Anna"));
    QVERIFY(w->cmdStart->isEnabled());
    w->TimerNumber_Timer();
    QVERIFY(!w->TimerNumber.isActive());
    QVERIFY(!w->TimerLottery.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 3 names added successfully."));

    // The interval is the last Start's.
    choose(w->cmbLotteryInterval, QStringLiteral("0.75"));
    w->cmdStart_Click();
    w->cmdStop_Click();
    choose(w->cmbLotteryInterval, QStringLiteral("50"));
    w->mnuResume_Click();
    QCOMPARE(w->TimerLottery.interval(), 750);
}

void TestRunControl::f9AfterFinishedRunAddsNothing()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, QStringLiteral("3"));
    w->cmdStart_Click();
    for (int i = 0; i < 3; ++i) {
        w->TimerNumber_Timer();
        w->TimerLottery_Timer();
    }
    w->TimerNumber_Timer();
    QVERIFY(!w->TimerNumber.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 3 names added successfully."));
    const QStringList rows = w->lstGenerator->allTexts();
    const float maximum = w->progressMaximum();

    w->mnuResume_Click();
    QVERIFY(w->TimerNumber.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("3 Names Added, Analyzing..."));
    // The first number tick finds N rows and stops again.
    w->TimerNumber_Timer();
    QVERIFY(!w->TimerNumber.isActive());
    QVERIFY(!w->TimerLottery.isActive());
    QCOMPARE(w->lstGenerator->allTexts(), rows);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 3 names added successfully."));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("3"));
    QCOMPARE(w->progressValue(), maximum);
}

// ---- Progress bar ------------------------------------------------------------------

void TestRunControl::progressBar_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("maximum");

    QTest::newRow("1 at 0.25, two ticks") << "1" << "0.25" << 2 << 20.0f << 25.0f;
    QTest::newRow("1 at 0.25, third tick refused") << "1" << "0.25" << 3 << 20.0f << 25.0f;
    QTest::newRow("1 at 0.25, many ticks") << "1" << "0.25" << 40 << 20.0f << 25.0f;
    QTest::newRow("10 at 0.50, just full") << "10" << "0.50" << 50 << 500.0f << 500.0f;
    QTest::newRow("10 at 0.50, then skipped") << "10" << "0.50" << 60 << 500.0f << 500.0f;
    QTest::newRow("3 at 0.75") << "3" << "0.75" << 30 << 220.0f << 225.0f;
    QTest::newRow("2 at 50, rising") << "2" << "50" << 123 << 1230.0f << 10000.0f;
}

void TestRunControl::progressBar()
{
    QFETCH(QString, number);
    QFETCH(QString, interval);
    QFETCH(int, ticks);
    QFETCH(float, value);
    QFETCH(float, maximum);

    WindowFixture fx(numberedNames(QStringLiteral("Boy"), 20), numberedNames(QStringLiteral("Girl"), 20));
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, number);
    choose(w->cmbLotteryInterval, interval);
    w->cmdStart_Click();
    QCOMPARE(w->progressMaximum(), maximum);
    // No lottery ticks: the row count stays 0 and never equals N.
    for (int i = 0; i < ticks; ++i)
        w->TimerNumber_Timer();
    QVERIFY(w->TimerNumber.isActive());
    QCOMPARE(w->progressValue(), value);
    QVERIFY(!w->pgbGenerator->isHidden());
    QVERIFY(w->pgbGenerator->value() <= w->pgbGenerator->maximum());
    if (value == maximum)
        QCOMPARE(w->pgbGenerator->value(), w->pgbGenerator->maximum());
    else
        QVERIFY(w->pgbGenerator->value() < w->pgbGenerator->maximum());
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());

    // Stop leaves the hidden bar full.
    w->cmdStop_Click();
    QCOMPARE(w->progressValue(), maximum);
    QVERIFY(w->pgbGenerator->isHidden());
}

QTEST_MAIN(TestRunControl)
#include "tst_runcontrol.moc"
