// The run engine through every state of a run: Start with its checks, Stop,
// pause and resume, the blinking status text, the two ticks and what they
// append. Ticks are called directly; no test waits on a timer.

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "fixture.h"
#include "generator/lottery.h"
#include "output/generatedrows.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// A name list folder, the lists loaded for "All", and an engine over them.
struct Engine {
    explicit Engine(const QStringList &boys = Folder::defaultBoys(), const QStringList &girls = Folder::defaultGirls())
        : folder(boys, girls), names(folder.path()), lottery(&names, &rows, &folder.fakes.dialogs)
    {
        names.chooseFilter(QStringLiteral("All"));
        lottery.setRandomSource([this] { return r; });
        QObject::connect(&lottery, &Lottery::statusChanged, [this](const QString &s) { status = s; });
        QObject::connect(&lottery, &Lottery::numberChanged, [this](const QString &s) { number = s; });
        for (NameList *list : {names.boys(), names.girls()})
            QObject::connect(list, &NameList::chosen, [this, list](int p) { shownName = list->at(p); });
    }
    QTimer *timer(const char *name) { return lottery.findChild<QTimer *>(QLatin1String(name)); }

    Folder folder;
    NameLists names;
    GeneratedRows rows;
    Lottery lottery;
    float r = 0.5f;
    QString status = QStringLiteral("Ready");
    QString number = QStringLiteral("0000");
    QString shownName;
};

void perform(Engine &e, const QString &command)
{
    Lottery &l = e.lottery;
    if (command == QLatin1String("start"))
        l.start();
    else if (command == QLatin1String("stop"))
        l.stop();
    else if (command == QLatin1String("click pause"))
        l.setPaused(!l.isPaused());
    else if (command == QLatin1String("F8"))
        l.pause();
    else if (command == QLatin1String("F9"))
        l.resume();
    else if (command == QLatin1String("number"))
        l.numberTick();
    else if (command == QLatin1String("lottery"))
        l.lotteryTick();
    else if (command == QLatin1String("flash"))
        l.flashTick();
    else if (command == QLatin1String("add boy"))
        l.addByHand(Gender::Boys);
    else if (command == QLatin1String("clear"))
        l.clearList();
    else
        QFAIL(qPrintable(command));
}

// The controls a run drives, in one line.
QString runView(Engine &e)
{
    const Lottery &l = e.lottery;
    auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    QString caption = l.pauseCaption() == QLatin1String("Pa&use") ? QStringLiteral("designed") : l.pauseCaption();
    return QStringList{
        QStringLiteral("start ") + flag(l.canStart()),
        QStringLiteral("stop ") + flag(l.canStop()),
        QStringLiteral("pause ") + (l.isPaused() ? QStringLiteral("ticked") : QStringLiteral("clear")) + QLatin1Char('/')
            + flag(l.canPause()) + QLatin1Char('/') + caption,
        QStringLiteral("draw ") + flag(e.timer("TimerNumber")->isActive()) + QLatin1Char('/')
            + flag(e.timer("TimerLottery")->isActive()),
        QStringLiteral("flash ") + flag(e.timer("stuFlash")->isActive()),
        QStringLiteral("bar ") + (l.progressVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")),
    }.join(QStringLiteral(", "));
}

} // namespace

class TestLottery : public QObject {
    Q_OBJECT
private slots:
    void stateTable_data();
    void stateTable();
    void startChecksTheSourceList_data();
    void startChecksTheSourceList();
    void startSetsIntervalAndProgress_data();
    void startSetsIntervalAndProgress();
    void runEndsAtExactlyN();
    void drawNeverTakesTheFirstEntry_data();
    void drawNeverTakesTheFirstEntry();
    void flashBlinksAndKeepsItsPhase();
    void lotteryTickFailures_data();
    void lotteryTickFailures();
    void clearShowsZerosAndTakesPositionZero();
    void addByHand();
    void offerToFillTheList_data();
    void offerToFillTheList();
};

void TestLottery::stateTable_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("rows");

    const QString idle = "start on, stop off, pause clear/off/designed, draw off/off, flash off, bar hidden";
    const QString running = "start off, stop on, pause clear/on/designed, draw on/on, flash off, bar shown";
    const QString resumed = "start off, stop on, pause clear/on/Pause, draw on/on, flash off, bar shown";
    const QString paused = "start off, stop on, pause ticked/on/Resume, draw off/off, flash on, bar shown";
    const QString finished = idle;
    const QString finishedAfterPause = "start on, stop off, pause clear/off/Pause, draw off/off, flash off, bar hidden";
    const QString added1 = "1 Names Added, Analyzing...";
    const QString done1 = "Finished. 1 names added successfully.";
    const QString done0 = "Finished. 0 names added successfully.";

    QTest::newRow("idle") << QStringList{} << idle << "Ready" << 0;
    QTest::newRow("idle, start") << QStringList{"start"} << running << "Starting..." << 0;
    QTest::newRow("a name added") << QStringList{"start", "number", "lottery"} << running << added1 << 1;
    QTest::newRow("click pause") << QStringList{"start", "number", "lottery", "click pause"} << paused << "Paused..." << 1;
    QTest::newRow("click resume") << QStringList{"start", "number", "lottery", "click pause", "click pause"} << resumed
                                  << added1 << 1;
    QTest::newRow("F8, F9") << QStringList{"start", "number", "lottery", "F8", "F9"} << resumed << added1 << 1;
    QTest::newRow("F8 twice") << QStringList{"start", "F8", "F8"} << paused << "Paused..." << 0;
    QTest::newRow("running, F9") << QStringList{"start", "F9"} << resumed << "0 Names Added, Analyzing..." << 0;
    QTest::newRow("stop") << QStringList{"start", "number", "lottery", "stop"} << finished << done1 << 1;
    QTest::newRow("paused, stop") << QStringList{"start", "number", "lottery", "click pause", "stop"}
                                  << finishedAfterPause << done1 << 1;
    QTest::newRow("resumed, stop") << QStringList{"start", "click pause", "click pause", "stop"} << finishedAfterPause
                                   << done0 << 0;
    QTest::newRow("finished, start") << QStringList{"start", "number", "lottery", "stop", "start"} << running
                                     << "Starting..." << 0;
    QTest::newRow("running, F6 restarts") << QStringList{"start", "number", "lottery", "start"} << running
                                          << "Starting..." << 0;
    QTest::newRow("paused, F6 keeps the pause display")
        << QStringList{"start", "number", "lottery", "click pause", "start"}
        << "start off, stop on, pause ticked/on/Resume, draw on/on, flash on, bar shown" << "Starting..." << 0;
    QTest::newRow("idle, F7 counts the rows") << QStringList{"add boy", "stop"} << finished << done1 << 1;
    QTest::newRow("idle, F8") << QStringList{"F8"}
                              << "start on, stop off, pause ticked/off/Resume, draw off/off, flash on, bar hidden"
                              << "Paused..." << 0;
    QTest::newRow("idle, F8, F7") << QStringList{"F8", "stop"} << finishedAfterPause << done0 << 0;
    QTest::newRow("idle, F9 runs without Start")
        << QStringList{"add boy", "F9", "number", "lottery"}
        << "start on, stop off, pause clear/off/Pause, draw on/on, flash off, bar hidden"
        << "2 Names Added, Analyzing..." << 2;
}

void TestLottery::stateTable()
{
    QFETCH(QStringList, commands);
    QFETCH(QString, view);
    QFETCH(QString, status);
    QFETCH(int, rows);

    Engine e;
    e.lottery.setWantedText(QStringLiteral("5"));
    for (const QString &command : commands)
        perform(e, command);
    QCOMPARE(runView(e), view);
    QCOMPARE(e.status, status);
    QCOMPARE(e.rows.count(), rows);
    QVERIFY(e.folder.fakes.dialogs.messages.isEmpty());
}

void TestLottery::startChecksTheSourceList_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<int>("boysCount");
    QTest::addColumn<int>("girlsCount");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("refusal"); // empty: the run starts

    QTest::newRow("boys 100 of 100") << false << 100 << 0 << "100" << "";
    QTest::newRow("boys 100 of 99") << false << 99 << 200 << "100"
                                    << "The boys name list must contain at least 100 items to continue.";
    QTest::newRow("boys 1 of none") << false << 0 << 10 << "1"
                                    << "The boys name list must contain at least 1 items to continue.";
    QTest::newRow("girls 5 of 5, boys short") << true << 1 << 5 << "5" << "";
    QTest::newRow("girls 15 of 14, boys plenty") << true << 100 << 14 << "15"
                                                 << "The girls name list must contain at least 15 items to continue.";
}

void TestLottery::startChecksTheSourceList()
{
    QFETCH(bool, girls);
    QFETCH(int, boysCount);
    QFETCH(int, girlsCount);
    QFETCH(QString, wanted);
    QFETCH(QString, refusal);

    QStringList boys, girlNames;
    for (int i = 0; i < boysCount; ++i)
        boys << QStringLiteral("Boy%1").arg(i, 3, 10, QLatin1Char('0'));
    for (int i = 0; i < girlsCount; ++i)
        girlNames << QStringLiteral("Girl%1").arg(i, 3, 10, QLatin1Char('0'));
    Engine e(boys, girlNames);
    e.rows.append(QStringLiteral("Kept"), QStringLiteral("men"));
    e.lottery.setGender(girls ? Gender::Girls : Gender::Boys);
    e.lottery.setWantedText(wanted);
    e.lottery.start();

    const auto &messages = e.folder.fakes.dialogs.messages;
    if (refusal.isEmpty()) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(e.status, QStringLiteral("Starting..."));
        QCOMPARE(e.rows.count(), 0);
        return;
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("Lullara"));
    QCOMPARE(messages.first().text, refusal);
    QCOMPARE(messages.first().icon, MsgIcon::Information);
    // Nothing else changes.
    QCOMPARE(e.status, QStringLiteral("Ready"));
    QCOMPARE(e.rows.count(), 1);
    QVERIFY(e.lottery.canStart());
}

void TestLottery::startSetsIntervalAndProgress_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<float>("maximum");

    QTest::newRow("3 at 0.25") << "3" << "0.25" << 250 << 75.0f;
    QTest::newRow("10 at 0.50") << "10" << "0.50" << 500 << 500.0f;
    QTest::newRow("7 at 0.75") << "7" << "0.75" << 750 << 525.0f;
    QTest::newRow("5 at 1") << "5" << "1" << 1000 << 500.0f;
    QTest::newRow("100 at 50") << "100" << "50" << 50000 << 500000.0f;
}

void TestLottery::startSetsIntervalAndProgress()
{
    QFETCH(QString, wanted);
    QFETCH(QString, interval);
    QFETCH(int, milliseconds);
    QFETCH(float, maximum);

    QStringList many;
    for (int i = 0; i < 120; ++i)
        many << QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0'));
    Engine e(many);
    e.lottery.setWantedText(wanted);
    e.lottery.setIntervalText(interval);
    e.lottery.start();
    QCOMPARE(e.lottery.lotteryInterval(), milliseconds);
    QCOMPARE(e.lottery.progressMaximum(), maximum);
    QCOMPARE(e.lottery.progressValue(), 0.0f);
    // Ten units a number tick; a step that would pass the maximum is skipped.
    const int ticks = static_cast<int>(maximum / 10) + 3;
    for (int i = 0; i < ticks; ++i)
        e.lottery.numberTick();
    QCOMPARE(e.lottery.progressValue(), 10.0f * static_cast<int>(maximum / 10));
}

void TestLottery::runEndsAtExactlyN()
{
    Engine e;
    e.lottery.setWantedText(QStringLiteral("2"));
    e.lottery.start();
    perform(e, QStringLiteral("number"));
    perform(e, QStringLiteral("lottery"));
    perform(e, QStringLiteral("number"));
    QVERIFY(e.lottery.canStop()); // one row: the run goes on
    perform(e, QStringLiteral("lottery"));
    QVERIFY(e.lottery.canStop()); // the stop comes with the next number tick
    perform(e, QStringLiteral("number"));
    QVERIFY(!e.lottery.canStop());
    QCOMPARE(e.status, QStringLiteral("Finished. 2 names added successfully."));
    QCOMPARE(e.lottery.counterText(), QStringLiteral("2"));
    QCOMPARE(e.lottery.progressValue(), e.lottery.progressMaximum());

    // A count that passed N without equalling it at a number tick runs on.
    e.lottery.setWantedText(QStringLiteral("1"));
    e.lottery.start();
    perform(e, QStringLiteral("add boy"));
    perform(e, QStringLiteral("lottery"));
    perform(e, QStringLiteral("number"));
    QVERIFY(e.lottery.canStop());
}

void TestLottery::drawNeverTakesTheFirstEntry_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");

    // Boys in the box's order: Adam Ben Bob Karl Kevin Mark Zack.
    QTest::newRow("r = 0") << 0.0f << "1" << "Ben";
    QTest::newRow("r = 0.5") << 0.5f << "4" << "Kevin";
    QTest::newRow("r just below 1") << 0.99999994f << "6" << "Zack";
}

void TestLottery::drawNeverTakesTheFirstEntry()
{
    QFETCH(float, r);
    QFETCH(QString, number);
    QFETCH(QString, name);

    Engine e;
    e.r = r;
    e.lottery.start();
    perform(e, QStringLiteral("number"));
    QCOMPARE(e.number, number);
    QCOMPARE(e.shownName, name);
    QCOMPARE(e.names.boys()->current(), number.toInt());
    perform(e, QStringLiteral("lottery"));
    QCOMPARE(e.rows.texts(), QStringList{name});
    QCOMPARE(e.rows.iconKey(1), QStringLiteral("men"));
    QCOMPARE(e.lottery.counterText(), QStringLiteral("1"));

    // The gender is read at every tick.
    e.lottery.setGender(Gender::Girls);
    perform(e, QStringLiteral("number"));
    perform(e, QStringLiteral("lottery"));
    QCOMPARE(e.rows.iconKey(2), QStringLiteral("women"));
}

void TestLottery::flashBlinksAndKeepsItsPhase()
{
    Engine e;
    e.lottery.start();
    QStringList seen;
    for (const char *step : {"F8", "flash", "flash", "flash", "F9", "F8", "flash"}) {
        perform(e, QLatin1String(step));
        seen << e.status;
    }
    QCOMPARE(seen, (QStringList{"Paused...", " ", "Paused...", " ", "0 Names Added, Analyzing...", "Paused...",
                                "Paused..."}));
    QCOMPARE(e.timer("stuFlash")->interval(), 500);
}

void TestLottery::lotteryTickFailures_data()
{
    QTest::addColumn<QStringList>("boys");
    QTest::addColumn<QString>("filter"); // reloaded between the ticks
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("numberAfter");

    QTest::newRow("one boy") << QStringList{"Solo"} << "" << "Error"
                             << "There are no names in the Boys name list." << "0000";
    QTest::newRow("list shrank") << Folder::defaultBoys() << "K" << "error 381"
                                 << "Invalid property array index" << "4";
}

void TestLottery::lotteryTickFailures()
{
    QFETCH(QStringList, boys);
    QFETCH(QString, filter);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, numberAfter);

    Engine e(boys);
    e.lottery.setWantedText(QStringLiteral("1"));
    e.rows.append(QStringLiteral("Earlier"), QStringLiteral("men"));
    e.lottery.start();
    perform(e, QStringLiteral("number"));
    if (!filter.isEmpty())
        e.names.chooseFilter(filter);
    perform(e, QStringLiteral("lottery"));

    const auto &messages = e.folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, title);
    QCOMPARE(messages.first().text, text);
    QCOMPARE(messages.first().icon, MsgIcon::Exclamation);
    QCOMPARE(e.number, numberAfter);
    QVERIFY(!e.lottery.isRunning());
    QCOMPARE(e.status, QStringLiteral("Finished. 0 names added successfully."));
}

void TestLottery::clearShowsZerosAndTakesPositionZero()
{
    Engine e;
    e.lottery.setWantedText(QStringLiteral("5"));
    e.lottery.start();
    perform(e, QStringLiteral("number"));
    perform(e, QStringLiteral("lottery"));
    perform(e, QStringLiteral("clear"));
    QCOMPARE(e.number, QStringLiteral("0000"));
    QCOMPARE(e.lottery.counterText(), QStringLiteral("0"));
    QCOMPARE(e.status, QStringLiteral("Ready"));
    QCOMPARE(e.rows.count(), 0);
    QVERIFY(e.lottery.isRunning());
    perform(e, QStringLiteral("lottery"));
    QCOMPARE(e.rows.texts(), QStringList{QStringLiteral("Adam")});
}

void TestLottery::addByHand()
{
    Engine e;
    QSignalSpy marks(&e.rows, &GeneratedRows::marked);
    e.lottery.addByHand(Gender::Boys); // nothing chosen: the first entry
    QCOMPARE(e.shownName, QStringLiteral("Adam"));
    e.names.girls()->choose(2);
    e.lottery.addByHand(Gender::Girls);
    e.lottery.addByHand(Gender::Boys); // already there: nothing added
    e.rows.append(QStringLiteral("karen"), QStringLiteral("men"));
    e.names.girls()->choose(2);
    e.lottery.addByHand(Gender::Girls); // "Karen" stands already
    QCOMPARE(e.rows.texts(), (QStringList{"Adam", "Karen", "karen"}));
    QCOMPARE(e.rows.iconKey(2), QStringLiteral("women"));
    QCOMPARE(marks.size(), 3);
    QCOMPARE(marks.last().first().toInt(), 3);
    QCOMPARE(e.lottery.counterText(), QStringLiteral("0")); // the counter is the lottery's alone

    e.names.chooseFilter(QStringLiteral("Q")); // no names: nothing to add
    e.lottery.addByHand(Gender::Boys);
    QCOMPARE(e.rows.count(), 3);
}

void TestLottery::offerToFillTheList_data()
{
    QTest::addColumn<bool>("selectedOnly");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<bool>("ready");

    // Seven boys: Save All resets the status only when N is not below that.
    QTest::newRow("save all, 5") << false << "5" << false;
    QTest::newRow("save all, 7") << false << "7" << true;
    QTest::newRow("save selected, 5") << true << "5" << true;
}

void TestLottery::offerToFillTheList()
{
    QFETCH(bool, selectedOnly);
    QFETCH(QString, wanted);
    QFETCH(bool, ready);

    Engine e;
    QStringList statuses;
    connect(&e.lottery, &Lottery::statusChanged, this, [&](const QString &s) { statuses << s; });
    e.lottery.setWantedText(wanted);
    e.lottery.startOffered(selectedOnly);
    QCOMPARE(statuses.first() == QLatin1String("Ready"), ready);
    QCOMPARE(statuses.last(), QStringLiteral("Starting..."));
    QVERIFY(e.lottery.isRunning());
}

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
