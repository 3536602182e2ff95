// The two ticks of a run: the number tick's draw and display, the lottery
// tick's new row, the end of a run, and both failure paths. The ticks are
// called directly with fixed random values, or with the program's own random
// source where the spread of the draws matters; one test lets the real timers
// run a whole run.

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

QStringList numberedNames(const QString &prefix, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << prefix + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

QString numberedName(const QString &prefix, int position)
{
    return prefix + QStringLiteral("%1").arg(position, 3, 10, QLatin1Char('0'));
}

void choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

QStringList rowIcons(const GeneratedList *list)
{
    QStringList icons;
    for (int row = 1; row <= list->rowCount(); ++row)
        icons << list->rowIconKey(row);
    return icons;
}

bool running(const frmRandom *w) { return w->TimerNumber.isActive() && w->TimerLottery.isActive(); }
bool stopped(const frmRandom *w) { return !w->TimerNumber.isActive() && !w->TimerLottery.isActive(); }

int letterIndex(char letter) { return letter - 'A'; }

} // namespace

class TestTicks : public QObject {
    Q_OBJECT
private slots:
    void numberTickDraws_data();
    void numberTickDraws();
    void lotteryTickTakesTheNumberOnDisplay();
    void undisturbedRunEndsWithExactlyN();
    void endOfRunNeedsEquality();
    void twoEntriesAlwaysDrawTheSecond();
    void threeEntriesDrawBothButNeverTheFirst();
    void clearingDuringRun();
    void genderSwitchMidRunMixesRows();
    void fewerThanTwoEntries_data();
    void fewerThanTwoEntries();
    void stalePosition_data();
    void stalePosition();
    void realTimersFinishARun();
};

void TestTicks::numberTickDraws_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<int>("entries");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("position");

    for (const bool girls : {false, true}) {
        const char *g = girls ? "girls" : "boys";
        QTest::addRow("%s: 5 entries, r = 0", g) << girls << 5 << 0.0f << 1;
        QTest::addRow("%s: 5 entries, r = 0.5", g) << girls << 5 << 0.5f << 3;
        QTest::addRow("%s: 5 entries, r = 0.999", g) << girls << 5 << 0.999f << 4;
        QTest::addRow("%s: 2 entries, r = 0", g) << girls << 2 << 0.0f << 1;
        QTest::addRow("%s: 2 entries, r just below 1", g) << girls << 2 << 0.99999f << 1;
        QTest::addRow("%s: 3 entries, r just below 0.5", g) << girls << 3 << 0.4999f << 1;
        QTest::addRow("%s: 3 entries, r = 0.5", g) << girls << 3 << 0.5f << 2;
        QTest::addRow("%s: 100 entries, r = 0.5", g) << girls << 100 << 0.5f << 50;
        QTest::addRow("%s: 100 entries, r just below 1", g) << girls << 100 << 0.99999f << 99;
    }
}

void TestTicks::numberTickDraws()
{
    QFETCH(bool, girls);
    QFETCH(int, entries);
    QFETCH(float, r);
    QFETCH(int, position);

    // The other list has a different length, so a draw from the wrong list shows.
    WindowFixture fx(numberedNames(QStringLiteral("Boy"), girls ? 7 : entries),
                     numberedNames(QStringLiteral("Girl"), girls ? entries : 7));
    frmRandom *w = fx.open();
    if (girls)
        w->optGirls->click();
    choose(w->cmbNamesNum, QStringLiteral("1"));
    w->cmdStart_Click();
    w->setRandomSource([r] { return r; });

    w->TimerNumber_Timer();
    NameBox *source = girls ? w->lstGirls : w->lstBoys;
    NameBox *other = girls ? w->lstBoys : w->lstGirls;
    const QString name = numberedName(girls ? QStringLiteral("Girl") : QStringLiteral("Boy"), position);
    QCOMPARE(w->lblNumber->text(), QString::number(position));
    QCOMPARE(w->lblSname->text(), name);
    QCOMPARE(source->currentIndex(), position);
    QCOMPARE(source->text(), name);
    QCOMPARE(other->currentIndex(), -1);
    // Drawing adds nothing and leaves the status text.
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->statusText(), QStringLiteral("Starting..."));
    QCOMPARE(w->progressValue(), 10.0f);
    QVERIFY(running(w));
}

void TestTicks::lotteryTickTakesTheNumberOnDisplay()
{
    WindowFixture fx; // boys: Adam Ben Bob Karl Kevin Mark Zack
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    w->cmdStart_Click();

    // Before any number tick the label still reads "0000": position 0.
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->allTexts(), QStringList{QStringLiteral("Adam")});

    w->TimerNumber_Timer();
    QCOMPARE(w->lblNumber->text(), QStringLiteral("4"));
    // Whatever is selected in the box meanwhile, the label decides.
    w->lstBoys->setCurrentIndex(1);
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowCount(), 2);
    QCOMPARE(w->lstGenerator->rowText(2), QStringLiteral("Kevin"));
    QCOMPARE(w->lstGenerator->rowIconKey(2), QStringLiteral("men"));
    QVERIFY(w->lstGenerator->isMarked(2));
    QVERIFY(!w->lstGenerator->isTicked(2));
    QCOMPARE(w->lstBoys->currentIndex(), 4);
    QCOMPARE(w->lblSname->text(), QStringLiteral("Kevin"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("2"));
    QCOMPARE(w->statusText(), QStringLiteral("2 Names Added, Analyzing..."));

    // The lottery tick never draws and never looks at the rows: the same
    // number gives the same name again.
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->allTexts(),
             (QStringList{QStringLiteral("Adam"), QStringLiteral("Kevin"), QStringLiteral("Kevin")}));
    QCOMPARE(w->lblNumber->text(), QStringLiteral("4"));
    QVERIFY(w->lstGenerator->isMarked(3));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("3"));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestTicks::undisturbedRunEndsWithExactlyN()
{
    WindowFixture fx(numberedNames(QStringLiteral("Boy"), 5), numberedNames(QStringLiteral("Girl"), 5));
    frmRandom *w = fx.open();
    const QList<float> values{0.0f, 0.3f, 0.6f, 0.9f, 0.45f, 0.75f, 0.1f, 0.99f, 0.5f, 0.2f, 0.8f};
    int next = 0;
    w->setRandomSource([&] { return values.at(next++ % values.size()); });
    choose(w->cmbNamesNum, QStringLiteral("3"));
    choose(w->cmbLotteryInterval, QStringLiteral("0.25"));
    w->cmdStart_Click();

    // 2.5 number ticks per lottery tick on average at "0.25".
    QStringList expected;
    const QString ticks = QStringLiteral("nnlnnnlnnln");
    for (int i = 0; i < ticks.size(); ++i) {
        QVERIFY2(running(w), qPrintable(QStringLiteral("stopped before tick %1").arg(i)));
        if (ticks.at(i) == u'n') {
            w->TimerNumber_Timer();
        } else {
            expected << numberedName(QStringLiteral("Boy"), w->lblNumber->text().toInt());
            w->TimerLottery_Timer();
        }
    }
    QVERIFY(stopped(w));
    QCOMPARE(w->lstGenerator->allTexts(), expected);
    QVERIFY(!expected.contains(numberedName(QStringLiteral("Boy"), 0)));
    QCOMPARE(rowIcons(w->lstGenerator), (QStringList{"men", "men", "men"}));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("3"));
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 3 names added successfully."));
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    QVERIFY(!w->chkPause->isEnabled());
    QVERIFY(w->pgbGenerator->isHidden());
    // The stopping tick still ran its progress step; the bar ends full.
    QCOMPARE(w->progressValue(), w->progressMaximum());
}

void TestTicks::endOfRunNeedsEquality()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, QStringLiteral("1"));
    w->cmdStart_Click();
    // Two rows by hand: the count has passed N without equalling it.
    w->cmdBoysAdd_Click();
    w->cmdGirlsAdd_Click();
    w->TimerNumber_Timer();
    QVERIFY(running(w));
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    QVERIFY(running(w));
    QCOMPARE(w->lstGenerator->rowCount(), 3);

    // Rows added by hand count like any other: back to 0, then one row.
    w->cmdGeneratorClear_Click();
    w->TimerNumber_Timer();
    QVERIFY(running(w));
    w->lstBoys->setCurrentIndex(6);
    w->cmdBoysAdd_Click();
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    w->TimerNumber_Timer();
    QVERIFY(stopped(w));
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 1 names added successfully."));
}

void TestTicks::twoEntriesAlwaysDrawTheSecond()
{
    WindowFixture fx({QStringLiteral("Bert"), QStringLiteral("Aaron")}, {QStringLiteral("Cara"), QStringLiteral("Dana")});
    frmRandom *w = fx.open(); // the program's own random source
    choose(w->cmbNamesNum, QStringLiteral("2"));
    w->cmdStart_Click();
    QVERIFY(running(w));
    for (int i = 0; i < 200; ++i) {
        w->TimerNumber_Timer();
        QCOMPARE(w->lblNumber->text(), QStringLiteral("1"));
        QCOMPARE(w->lblSname->text(), QStringLiteral("Bert"));
    }
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    QVERIFY(stopped(w));
    QCOMPARE(w->lstGenerator->allTexts(), (QStringList{QStringLiteral("Bert"), QStringLiteral("Bert")}));
}

void TestTicks::threeEntriesDrawBothButNeverTheFirst()
{
    WindowFixture fx({QStringLiteral("Aaron"), QStringLiteral("Bert"), QStringLiteral("Carl")},
                     {QStringLiteral("Cara"), QStringLiteral("Dana")});
    frmRandom *w = fx.open(); // the program's own random source
    choose(w->cmbNamesNum, QStringLiteral("3"));
    w->cmdStart_Click();
    QMap<QString, int> seen;
    for (int i = 0; i < 400; ++i) {
        w->TimerNumber_Timer();
        ++seen[w->lblNumber->text()];
    }
    QCOMPARE(seen.keys(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    // About half each; far from either end even for an unlucky run.
    QVERIFY2(seen.value(QStringLiteral("1")) > 100 && seen.value(QStringLiteral("2")) > 100,
             qPrintable(QStringLiteral("%1 / %2").arg(seen.value("1")).arg(seen.value("2"))));

    // N = 3 from three entries: the first never comes, so a name repeats.
    for (int i = 0; i < 3; ++i) {
        w->TimerLottery_Timer();
        w->TimerNumber_Timer();
    }
    QVERIFY(stopped(w));
    const QStringList rows = w->lstGenerator->allTexts();
    QCOMPARE(rows.size(), 3);
    QVERIFY(!rows.contains(QStringLiteral("Aaron")));
    QVERIFY(rows.count(QStringLiteral("Bert")) >= 2 || rows.count(QStringLiteral("Carl")) >= 2);
}

void TestTicks::clearingDuringRun()
{
    WindowFixture fx; // boys: Adam Ben Bob Karl Kevin Mark Zack
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    choose(w->cmbNamesNum, QStringLiteral("2"));
    w->cmdStart_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->allTexts(), QStringList{QStringLiteral("Kevin")});

    w->cmdGeneratorClear_Click();
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QVERIFY(running(w));

    // A lottery tick before the next number tick reads "0000": position 0,
    // the one entry a draw never picks.
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->allTexts(), QStringList{QStringLiteral("Adam")});
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("1"));
    QCOMPARE(w->lstBoys->currentIndex(), 0);

    // Counting starts again from 0: one more row ends the run.
    w->TimerNumber_Timer();
    QVERIFY(running(w));
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    QVERIFY(stopped(w));
    QCOMPARE(w->lstGenerator->allTexts(), (QStringList{QStringLiteral("Adam"), QStringLiteral("Kevin")}));
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 2 names added successfully."));
}

void TestTicks::genderSwitchMidRunMixesRows()
{
    WindowFixture fx(numberedNames(QStringLiteral("Boy"), 10), numberedNames(QStringLiteral("Girl"), 10));
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; }); // position 5
    choose(w->cmbNamesNum, QStringLiteral("5"));
    w->cmdStart_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();

    w->optGirls->click();
    QVERIFY(!w->optBoys->isChecked());
    w->TimerNumber_Timer();
    QCOMPARE(w->lblSname->text(), QStringLiteral("Girl005"));
    QCOMPARE(w->lstGirls->currentIndex(), 5);
    w->TimerLottery_Timer();

    w->optBoys->click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();

    QCOMPARE(w->lstGenerator->allTexts(),
             (QStringList{QStringLiteral("Boy005"), QStringLiteral("Girl005"), QStringLiteral("Boy005")}));
    QCOMPARE(rowIcons(w->lstGenerator), (QStringList{"men", "women", "men"}));
    QVERIFY(running(w));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestTicks::fewerThanTwoEntries_data()
{
    QTest::addColumn<QStringList>("boys");
    QTest::addColumn<QStringList>("girls");
    QTest::addColumn<bool>("girlsChosen");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("letter"); // -1: no reload during the run
    QTest::addColumn<QString>("text");

    const QStringList boys = WindowFixture::defaultBoys();
    const QStringList girls = WindowFixture::defaultGirls();
    const QString noBoys = QStringLiteral("There are no names in the Boys name list.");
    const QString noGirls = QStringLiteral("There are no names in the Girls name list.");
    QTest::newRow("boys: one name from the start") << QStringList{"Solo"} << girls << false << "1" << -1 << noBoys;
    QTest::newRow("girls: one name from the start") << boys << QStringList{"Solo"} << true << "1" << -1 << noGirls;
    QTest::newRow("boys: reloaded with one name") << boys << girls << false << "5" << letterIndex('Z') << noBoys;
    QTest::newRow("boys: reloaded empty") << boys << girls << false << "5" << letterIndex('Q') << noBoys;
    QTest::newRow("girls: reloaded with one name") << boys << girls << true << "5" << letterIndex('M') << noGirls;
    QTest::newRow("girls: reloaded empty") << boys << girls << true << "5" << letterIndex('X') << noGirls;
}

void TestTicks::fewerThanTwoEntries()
{
    QFETCH(QStringList, boys);
    QFETCH(QStringList, girls);
    QFETCH(bool, girlsChosen);
    QFETCH(QString, number);
    QFETCH(int, letter);
    QFETCH(QString, text);

    WindowFixture fx(boys, girls);
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.5f; });
    if (girlsChosen)
        w->optGirls->click();
    choose(w->cmbNamesNum, number);
    w->cmdStart_Click();
    QVERIFY(running(w));
    int rows = 0;
    if (letter >= 0) {
        // A name is already in the list, and a number on display, when the
        // list is reloaded under the run.
        w->TimerNumber_Timer();
        w->TimerLottery_Timer();
        w->TimerNumber_Timer();
        rows = 1;
        w->optLet[static_cast<size_t>(letter)]->click();
    }
    NameBox *source = girlsChosen ? w->lstGirls : w->lstBoys;
    QVERIFY(source->count() < 2);

    // The number tick has nothing to draw from and touches nothing.
    const QString number0 = w->lblNumber->text();
    const QString name0 = w->lblSname->text();
    const int selected0 = source->currentIndex();
    const float progress0 = w->progressValue();
    for (int i = 0; i < 3; ++i)
        w->TimerNumber_Timer();
    QCOMPARE(w->lblNumber->text(), number0);
    QCOMPARE(w->lblSname->text(), name0);
    QCOMPARE(source->currentIndex(), selected0);
    QCOMPARE(w->progressValue(), progress0);
    QCOMPARE(w->lstGenerator->rowCount(), rows);
    QVERIFY(running(w));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());

    // The lottery tick ends the run with its box; the timers are still on
    // while the box is open, and ticks that come meanwhile do no harm.
    bool onDuringBox = false;
    fx.fakes.dialogs.onMessage = [&](const ShownMessage &) {
        onDuringBox = running(w);
        w->TimerNumber_Timer();
        w->TimerLottery_Timer();
    };
    w->TimerLottery_Timer();
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QVERIFY(onDuringBox);

    QVERIFY(stopped(w));
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->lstGenerator->rowCount(), rows);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. %1 names added successfully.").arg(rows));
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    QVERIFY(w->pgbGenerator->isHidden());
}

void TestTicks::stalePosition_data()
{
    QTest::addColumn<bool>("girlsChosen");
    QTest::addColumn<QString>("change"); // "letter K" or "switch gender"

    QTest::newRow("boys reloaded with a letter") << false << "letter K";
    QTest::newRow("girls reloaded with a letter") << true << "letter K";
    QTest::newRow("switched to the shorter girls' list") << false << "switch gender";
}

void TestTicks::stalePosition()
{
    QFETCH(bool, girlsChosen);
    QFETCH(QString, change);

    WindowFixture fx; // 7 boys, 6 girls; "K": 2 of each
    frmRandom *w = fx.open();
    w->setRandomSource([] { return 0.99f; }); // the last position
    if (girlsChosen)
        w->optGirls->click();
    w->cmdStart_Click();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    const int shown = w->lblNumber->text().toInt();
    QCOMPARE(shown, girlsChosen ? 5 : 6);
    QCOMPARE(w->lstGenerator->rowCount(), 1);

    if (change == QLatin1String("letter K"))
        w->optLet[static_cast<size_t>(letterIndex('K'))]->click();
    else
        w->optGirls->click();
    NameBox *source = w->optBoys->isChecked() ? w->lstBoys : w->lstGirls;
    QVERIFY(source->count() >= 2);
    QVERIFY(shown >= source->count());

    bool onDuringBox = false;
    fx.fakes.dialogs.onMessage = [&](const ShownMessage &) { onDuringBox = running(w); };
    w->TimerLottery_Timer();
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QVERIFY2(QRegularExpression(QStringLiteral("^error [0-9]+$")).match(box.title).hasMatch(), qPrintable(box.title));
    QVERIFY(!box.text.isEmpty());
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QVERIFY(onDuringBox);

    // Then Stop, and no row for the position that is gone.
    QVERIFY(stopped(w));
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 1 names added successfully."));
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(w->pgbGenerator->isHidden());
}

void TestTicks::realTimersFinishARun()
{
    WindowFixture fx; // boys: Adam first
    frmRandom *w = fx.open();
    choose(w->cmbNamesNum, QStringLiteral("3"));
    choose(w->cmbLotteryInterval, QStringLiteral("0.25"));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->cmdStart_Click();
    QVERIFY(running(w));
    QCOMPARE(w->TimerLottery.interval(), 250);

    QTRY_COMPARE_WITH_TIMEOUT(w->statusText(), QStringLiteral("Finished. 3 names added successfully."), 30000);
    QVERIFY(stopped(w));
    QCOMPARE(w->lstGenerator->rowCount(), 3);
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("3"));
    QCOMPARE(rowIcons(w->lstGenerator), (QStringList{"men", "men", "men"}));
    QVERIFY(!w->lstGenerator->allTexts().contains(QStringLiteral("Adam")));
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(w->pgbGenerator->isHidden());
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestTicks)
#include "tst_ticks.moc"
