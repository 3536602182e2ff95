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
    Engine() : names(folder.path(), {folder.file("user")}), lottery(&names, &rows, &folder.fakes.dialogs)
    {
        names.chooseFilter(QStringLiteral("All"));
        lottery.setRandomSource([] { return 0.5f; });
        QObject::connect(&lottery, &Lottery::statusChanged, [this](const QString &s) { status = s; });
        QObject::connect(&lottery, &Lottery::numberChanged, [this](const QString &s) { number = s; });
        for (NameList *list : {names.boys(), names.girls()})
            QObject::connect(list, &NameList::chosen, [this, list](int p) { shownName = list->at(p); });
    }
    QTimer *timer(const char *name) { return lottery.findChild<QTimer *>(QLatin1String(name)); }
    // Runs the user's commands and the ticks in order; "N=2" sets the number
    // of names, "girls" the gender, "K" reads the lists again for that letter,
    // "once" draws each name once, "boys=A,B" writes the boys' file anew and reads "All".
    void run(const QStringList &commands)
    {
        static const QHash<QString, std::function<void(Lottery &)>> known{
            {"start", &Lottery::start},         {"stop", &Lottery::stop},
            {"F8", &Lottery::pause},            {"F9", &Lottery::resume},
            {"number", &Lottery::numberTick},   {"lottery", &Lottery::lotteryTick},
            {"flash", &Lottery::flashTick},     {"clear", &Lottery::clearList},
            {"add boy", [](Lottery &l) { l.addByHand(Gender::Boys); }},
            {"girls", [](Lottery &l) { l.setGender(Gender::Girls); }},
            {"once", [](Lottery &l) { l.setDrawEachNameOnce(true); }}};
        for (const QString &command : commands) {
            if (known.contains(command))
                known.value(command)(lottery);
            else if (command.startsWith(QLatin1String("boys="))) {
                writeNameFile(folder.file(QStringLiteral("guyname.txt")), command.mid(5).split(u','));
                names.chooseFilter(QStringLiteral("All"));
            }
            else if (command.startsWith(QLatin1String("N=")))
                lottery.setWantedText(command.mid(2));
            else if (command.size() == 1)
                names.chooseFilter(command);
            else
                QFAIL(qPrintable(command));
        }
    }
    // The controls a run drives, in one line.
    QString controls()
    {
        const Lottery &l = lottery;
        auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
        const QString caption = l.pauseCaption() == QLatin1String("Pa&use") ? QStringLiteral("designed") : l.pauseCaption();
        return QStringLiteral("start %1, stop %2, pause %3/%4/%5, draw %6/%7, flash %8, bar %9")
            .arg(flag(l.canStart()), flag(l.canStop()), l.isPaused() ? QStringLiteral("ticked") : QStringLiteral("clear"),
                 flag(l.canPause()), caption, flag(timer("TimerNumber")->isActive()),
                 flag(timer("TimerLottery")->isActive()), flag(timer("stuFlash")->isActive()),
                 l.progressVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    // The drawn number, the name it shows, the row counter and the rows.
    QString shows() const
    {
        QStringList list;
        for (int i = 1; i <= rows.count(); ++i)
            list << rows.texts().at(i - 1) + u'/' + rows.iconKey(i);
        return QStringLiteral("%1 %2, counter %3, rows %4").arg(number, shownName, lottery.counterText(), list.join(u' '));
    }
    QString message() const
    {
        QStringList all;
        for (const auto &m : folder.fakes.dialogs.messages)
            all << m.title + (m.icon == MsgIcon::Information ? " (i): " : " (!): ") + m.text;
        return all.join(u'|');
    }

    Folder folder;
    NameLibrary names;
    GeneratedRows rows;
    Lottery lottery;
    QString status = QStringLiteral("Ready");
    QString number = QStringLiteral("0000");
    QString shownName = QStringLiteral("-");
};

} // namespace

class TestLottery : public QObject {
    Q_OBJECT
private slots:
    void stateTable_data();
    void stateTable();
    void startSetsIntervalAndProgress();
    void addByHand();
    void offerToFillTheList();
    void announcementKeepsTheName();
};

void TestLottery::stateTable_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("controls");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<QString>("message");

    const QString idle = "start on, stop off, pause clear/off/designed, draw off/off, flash off, bar hidden";
    const QString running = "start off, stop on, pause clear/on/designed, draw on/on, flash off, bar shown";
    const QString paused = "start off, stop on, pause ticked/on/Resume, draw off/off, flash on, bar shown";
    const QString stoppedAfterPause = "start on, stop off, pause clear/off/Pause, draw off/off, flash off, bar hidden";
    const QString added1 = "1 Names Added, Analyzing...";
    const QString done1 = "Finished. 1 names added successfully.";
    const QString nothing = "0000 -, counter 0, rows ";
    const QString kevin = "4 Kevin, counter 1, rows Kevin/men";
    auto row = [](const char *name, const QStringList &commands, const QString &controls, const QString &status,
                  const QString &shows, const QString &message = {}) {
        QTest::newRow(name) << commands << controls << status << shows << message;
    };

    row("idle", {}, idle, "Ready", nothing);
    row("start", {"start"}, running, "Starting...", nothing);
    // Boys in the box's order: Adam Ben Bob Karl Kevin Mark Zack; the random value is 0.5.
    row("a name added", {"start", "number", "lottery"}, running, added1, kevin);
    row("the gender is read at every tick", {"start", "number", "lottery", "girls", "number", "lottery"}, running,
        "2 Names Added, Analyzing...", "3 Kate, counter 2, rows Kevin/men Kate/women");
    row("pause", {"start", "number", "lottery", "F8"}, paused, "Paused...", kevin);
    row("pause, resume", {"start", "number", "lottery", "F8", "F9"},
        "start off, stop on, pause clear/on/Pause, draw on/on, flash off, bar shown", added1, kevin);
    row("stop", {"start", "number", "lottery", "stop"}, idle, done1, kevin);
    row("paused, stop", {"start", "number", "lottery", "F8", "stop"}, stoppedAfterPause, done1, kevin);
    row("stopped, start", {"start", "number", "lottery", "stop", "start"}, running, "Starting...",
        "4 Kevin, counter 0, rows ");
    row("paused, start keeps the pause display", {"start", "number", "lottery", "F8", "start"},
        "start off, stop on, pause ticked/on/Resume, draw on/on, flash on, bar shown", "Starting...",
        "4 Kevin, counter 0, rows ");
    row("idle, pause, stop", {"F8", "stop"}, stoppedAfterPause, "Finished. 0 names added successfully.", nothing);
    row("idle, resume runs without Start", {"add boy", "F9", "number", "lottery"},
        "start on, stop off, pause clear/off/Pause, draw on/on, flash off, bar hidden", "2 Names Added, Analyzing...",
        "4 Kevin, counter 2, rows Adam/men Kevin/men");
    // The blinking keeps its phase from one pause to the next.
    row("blinking", {"start", "F8", "flash", "flash", "flash"}, paused, " ", nothing);
    row("blinking, resumed, paused", {"start", "F8", "flash", "flash", "flash", "F9", "F8", "flash"}, paused,
        "Paused...", nothing);
    // Clear shows zeros, and the next lottery tick takes position 0.
    row("clear", {"start", "number", "lottery", "clear"}, running, "Ready", "0000 Kevin, counter 0, rows ");
    row("clear, lottery", {"start", "number", "lottery", "clear", "lottery"}, running, added1,
        "0000 Adam, counter 1, rows Adam/men");
    // A run of N ends at the number tick that finds exactly N rows.
    row("2 of 2, before the number tick", {"N=2", "start", "number", "lottery", "number", "lottery"}, running,
        "2 Names Added, Analyzing...", "4 Kevin, counter 2, rows Kevin/men Kevin/men");
    row("2 of 2", {"N=2", "start", "number", "lottery", "number", "lottery", "number"}, idle,
        "Finished. 2 names added successfully.", "4 Kevin, counter 2, rows Kevin/men Kevin/men");
    row("past N without equalling it", {"N=1", "start", "add boy", "lottery", "number"}, running,
        "2 Names Added, Analyzing...", "4 Kevin, counter 2, rows Adam/men Adam/men");
    // Start refuses a source list shorter than N and changes nothing then.
    row("7 of 7 boys", {"N=7", "add boy", "start"}, running, "Starting...", "0000 Adam, counter 0, rows ");
    row("8 of 7 boys", {"N=8", "add boy", "start"}, idle, "Ready", "0000 Adam, counter 0, rows Adam/men",
        "Lullara (i): The boys name list must contain at least 8 items to continue.");
    row("7 of 6 girls", {"N=7", "girls", "start"}, idle, "Ready", nothing,
        "Lullara (i): The girls name list must contain at least 7 items to continue.");
    // A lottery tick that finds no valid draw ends the run with a message.
    row("one boy left", {"N=1", "Z", "add boy", "start", "number", "lottery"}, idle,
        "Finished. 0 names added successfully.", "0000 Zack, counter 0, rows ",
        "Error (!): There are no names in the Boys name list.");
    row("list shrank", {"N=1", "add boy", "start", "number", "K", "lottery"}, idle,
        "Finished. 0 names added successfully.", "4 Kevin, counter 0, rows ", "error 381 (!): Invalid property array index");
    row("list shrank to the drawn number", {"N=1", "start", "number", "boys=Adam,Ben,Carl,Dan", "lottery"}, idle,
        "Finished. 0 names added successfully.", "4 Kevin, counter 0, rows ", "error 381 (!): Invalid property array index");

    // Each name once. Girls: Anna Beth Karen Kate Mia Zoe; the same random
    // value every tick still gives five different names, without it the same one.
    const QStringList fiveOfSix{"N=5", "girls", "start", "number", "lottery", "number", "lottery", "number", "lottery",
                                "number", "lottery", "number", "lottery", "number"};
    row("once: 5 of 6 girls", QStringList{"once"} + fiveOfSix, idle, "Finished. 5 names added successfully.",
        "1 Beth, counter 5, rows Kate/women Mia/women Karen/women Zoe/women Beth/women");
    row("not once: 5 of 6 girls", fiveOfSix, idle, "Finished. 5 names added successfully.",
        "3 Kate, counter 5, rows Kate/women Kate/women Kate/women Kate/women Kate/women");
    // A name already listed is not added again, and that tick does not count.
    row("once: listed by hand", {"once", "start", "number", "add boy", "lottery"}, running, "Starting...",
        "4 Kevin, counter 0, rows Kevin/men");
    row("once: clear, lottery twice", {"once", "start", "number", "lottery", "clear", "lottery", "lottery"}, running,
        added1, "0000 Adam, counter 1, rows Adam/men");
    // Start wants N different names among the entries a draw reaches (not the first).
    row("once: 3 of 5 boys, 2 different", {"boys=Adam,Ben,Ben,Carl,Carl", "once", "N=3", "start"}, idle, "Ready",
        nothing, "Lullara (i): To draw each name once, the boys name list needs 3 different names besides its first "
                 "entry, which is never drawn; it has 2.");
    row("once: 4 of 4 boys", {"boys=Adam,Ben,Carl,Dan", "once", "N=4", "start"}, idle, "Ready", nothing,
        "Lullara (i): To draw each name once, the boys name list needs 4 different names besides its first "
        "entry, which is never drawn; it has 3.");
    row("once: 2 of 5 boys, 2 different", {"boys=Adam,Ben,Ben,Carl,Carl", "once", "N=2", "start"}, running,
        "Starting...", nothing);
}

void TestLottery::stateTable()
{
    QFETCH(QStringList, commands);
    Engine e;
    e.run(commands);
    QTEST(e.controls(), "controls");
    QTEST(e.status, "status");
    QTEST(e.shows(), "shows");
    QTEST(e.message(), "message");
}

void TestLottery::startSetsIntervalAndProgress()
{
    // N, the interval as chosen, its milliseconds and the progress maximum.
    const std::tuple<const char *, const char *, int, float> rows[] = {
        {"3", "0.25", 250, 75.0f}, {"7", "0.75", 750, 525.0f}, {"5", "1", 1000, 500.0f}};
    for (const auto &[wanted, interval, milliseconds, maximum] : rows) {
        Engine e;
        e.lottery.setWantedText(wanted);
        e.lottery.setIntervalText(interval);
        e.lottery.start();
        QCOMPARE(e.lottery.lotteryInterval(), milliseconds);
        QCOMPARE(e.lottery.progressMaximum(), maximum);
        QCOMPARE(e.lottery.progressValue(), 0.0f);
        // Ten units a number tick; a step that would pass the maximum is skipped.
        for (int i = 0; i < maximum / 10 + 3; ++i)
            e.lottery.numberTick();
        QCOMPARE(e.lottery.progressValue(), 10.0f * static_cast<int>(maximum / 10));
    }
}

void TestLottery::addByHand()
{
    Engine e;
    QSignalSpy marks(&e.rows, &GeneratedRows::marked);
    e.lottery.addByHand(Gender::Boys); // nothing chosen: the first entry
    QCOMPARE(e.shownName, QStringLiteral("Adam"));
    e.lottery.addByHand(Gender::Boys); // already the last row: nothing added
    e.rows.append(QStringLiteral("karen"), QStringLiteral("men"));
    e.names.girls()->choose(2);
    e.lottery.addByHand(Gender::Girls); // "karen" is another name
    e.lottery.addByHand(Gender::Boys); // "Adam" stands further up
    QCOMPARE(e.rows.texts(), (QStringList{"Adam", "karen", "Karen"}));
    QCOMPARE(e.rows.iconKey(3), QStringLiteral("women"));
    QCOMPARE(marks.size(), 3);
    QCOMPARE(marks.last().first().toInt(), 3);
    QCOMPARE(e.lottery.counterText(), QStringLiteral("0")); // the counter is the lottery's alone

    e.names.chooseFilter(QStringLiteral("Q")); // no names: nothing to add
    e.lottery.addByHand(Gender::Boys);
    QCOMPARE(e.rows.count(), 3);
}

void TestLottery::offerToFillTheList()
{
    // Seven boys: Save All resets the status only when N is not below that.
    const std::tuple<bool, const char *, bool> rows[] = {{false, "5", false}, {false, "7", true}, {true, "5", true}};
    for (const auto &[selectedOnly, wanted, ready] : rows) {
        Engine e;
        QStringList statuses;
        connect(&e.lottery, &Lottery::statusChanged, this, [&](const QString &s) { statuses << s; });
        e.lottery.setWantedText(wanted);
        e.lottery.startOffered(selectedOnly);
        QCOMPARE(statuses.first() == QLatin1String("Ready"), ready);
        QCOMPARE(statuses.last(), QStringLiteral("Starting..."));
        QVERIFY(e.lottery.isRunning());
    }
}

// A name is said as it stands in its file, "%1" in it too.
void TestLottery::announcementKeepsTheName()
{
    Engine e;
    QSignalSpy said(&e.lottery, &Lottery::announcement);
    e.run({"boys=Aaron,Zo%1e%2,Zo%1e%2,Zo%1e%2", "N=2", "start", "number", "lottery"});
    QCOMPARE(said.size(), 1);
    QCOMPARE(said.at(0).at(0).toString(), QStringLiteral("Zo%1e%2, 1 of 2"));
}

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
