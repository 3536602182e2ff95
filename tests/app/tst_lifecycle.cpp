// The main window's load and unload: the selectors, the restored and stored
// settings, the first reading of the name lists, and what a failed load
// leaves behind.

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "ui/clicklabel.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

QStringList comboEntries(const QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

// Values as the store holds them, read the way another run of the program would.
QString storedValue(const WindowFixture &fx, const QString &key)
{
    QSettings settings(fx.settingsFile(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Setting/") + key).toString();
}

bool storedHas(const WindowFixture &fx, const QString &key)
{
    QSettings settings(fx.settingsFile(), QSettings::IniFormat);
    return settings.contains(QStringLiteral("Setting/") + key);
}

void store(const WindowFixture &fx, const QString &key, const QString &value)
{
    QSettings settings(fx.settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Setting/") + key, value);
    settings.sync();
}

// The letter choice in force: "All" or the letter, as the window shows it.
QString chosenLetter(const frmRandom *w)
{
    int checked = 0;
    QString letter;
    if (w->optLetAll->isChecked()) {
        ++checked;
        letter = QStringLiteral("All");
    }
    for (QRadioButton *b : w->optLet) {
        if (b->isChecked()) {
            ++checked;
            letter = b->text();
        }
    }
    return checked == 1 ? letter : QStringLiteral("<%1 chosen>").arg(checked);
}

QRect availableUnion()
{
    QRect all;
    for (QScreen *s : QGuiApplication::screens())
        all = all.united(s->availableGeometry());
    return all;
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithEmptyStore();
    void handPointerReachesItsControls();
    void letterChoiceRoundTrip();
    void selectorChoicesRoundTrip();
    void positionRoundTrip_data();
    void positionRoundTrip();
    void positionFallbacks_data();
    void positionFallbacks();
    void selectorFallbacks_data();
    void selectorFallbacks();
    void letterFallbacks_data();
    void letterFallbacks();
    void unloadWritesOnlyItsKeys();
    void splashClosesAfterLoad();
    void failedLoadStoresNothing();
};

void TestLifecycle::firstStartWithEmptyStore()
{
    WindowFixture fx;
    frmRandom *w = fx.open();

    QCOMPARE(comboEntries(w->cmbNamesNum),
             (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "25", "30",
                          "35", "40", "45", "50", "55", "60", "65", "70", "75", "80", "85", "90", "95", "100"}));
    QStringList intervals{"0.25", "0.50", "0.75"};
    for (int i = 1; i <= 50; ++i)
        intervals << QString::number(i);
    QCOMPARE(comboEntries(w->cmbLotteryInterval), intervals);

    QCOMPARE(w->cmbNamesNum->currentText(), QStringLiteral("5"));
    QCOMPARE(w->cmbLotteryInterval->currentText(), QStringLiteral("1"));
    QCOMPARE(chosenLetter(w), QStringLiteral("All"));
    QCOMPARE(w->txtLet->text(), QStringLiteral("All"));
    QCOMPARE(w->lstBoys->count(), 7);
    QCOMPARE(w->lstGirls->count(), 6);
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->chkPause->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    // 100 twips, as near as whole pixels get.
    QVERIFY2(qAbs(w->pos().x() * 15 - 100) < 15, qPrintable(QString::number(w->pos().x())));
    QVERIFY2(qAbs(w->pos().y() * 15 - 100) < 15, qPrintable(QString::number(w->pos().y())));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QVERIFY(fx.fakes.halt.codes.isEmpty());
}

void TestLifecycle::handPointerReachesItsControls()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    const QList<QWidget *> controls{w->cmdBoysAdd, w->cmdDeselectAll, w->cmdGeneratorClear, w->cmdGirlsAdd,
                                    w->cmdPrint,   w->cmdSaveAll,     w->cmdSaveSelected,   w->cmdSelectAll,
                                    w->cmdStop,    w->chkPause,       w->cmdCopy,           w->cmdCopyAll,
                                    w->cmdEmail,   w->optBoys,        w->optGirls,          w->cmdAbout,
                                    w->imgLogo};
    const Qt::CursorShape hand = w->cmdStart->cursor().shape();
    QVERIFY(hand != Qt::ArrowCursor);
    for (QWidget *c : controls) {
        QVERIFY2(c->testAttribute(Qt::WA_SetCursor), qPrintable(c->objectName()));
        QCOMPARE(c->cursor().shape(), hand);
    }
}

void TestLifecycle::letterChoiceRoundTrip()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->optGirls->click(); // the gender is not remembered
    w->optLet[10]->click();
    QCOMPARE(w->txtLet->text(), QStringLiteral("K"));
    fx.close();
    QVERIFY(w->unloaded());
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("False"));
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("10"));

    w = fx.open();
    QCOMPARE(chosenLetter(w), QStringLiteral("K"));
    QCOMPARE(w->txtLet->text(), QStringLiteral("K"));
    QCOMPARE(boxNames(w->lstBoys), (QStringList{"Karl", "Kevin"}));
    QCOMPARE(boxNames(w->lstGirls), (QStringList{"Karen", "Kate"}));
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());

    // "All" after an earlier "K": optSel keeps the old letter, optAll decides.
    w->optLetAll->click();
    fx.close();
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("True"));
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("10"));

    w = fx.open();
    QCOMPARE(chosenLetter(w), QStringLiteral("All"));
    QCOMPARE(w->lstBoys->count(), 7);
    QCOMPARE(w->lstGirls->count(), 6);

    // "A" is index 0, "Z" index 25.
    w->optLet[0]->click();
    fx.close();
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("0"));
    w = fx.open();
    w->optLet[25]->click();
    fx.close();
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("False"));
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("25"));
    w = fx.open();
    QCOMPARE(chosenLetter(w), QStringLiteral("Z"));
    QCOMPARE(boxNames(w->lstBoys), QStringList{"Zack"});
}

void TestLifecycle::selectorChoicesRoundTrip()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    fx.close();
    // Untouched defaults are stored as positions.
    QCOMPARE(storedValue(fx, "cmbNum"), QStringLiteral("4"));
    QCOMPARE(storedValue(fx, "cmbInterval"), QStringLiteral("3"));
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("True"));
    QVERIFY(!storedHas(fx, "optSel"));

    w = fx.open();
    w->cmbLotteryInterval->setCurrentIndex(w->cmbLotteryInterval->findText(QStringLiteral("0.25")));
    w->cmbNamesNum->setCurrentIndex(w->cmbNamesNum->findText(QStringLiteral("100")));
    fx.close();
    QCOMPARE(storedValue(fx, "cmbInterval"), QStringLiteral("0"));
    QCOMPARE(storedValue(fx, "cmbNum"), QStringLiteral("27"));

    w = fx.open();
    QCOMPARE(w->cmbLotteryInterval->currentText(), QStringLiteral("0.25"));
    QCOMPARE(w->cmbNamesNum->currentText(), QStringLiteral("100"));

    w->cmbLotteryInterval->setCurrentIndex(w->cmbLotteryInterval->findText(QStringLiteral("50")));
    w->cmbNamesNum->setCurrentIndex(w->cmbNamesNum->findText(QStringLiteral("1")));
    fx.close();
    QCOMPARE(storedValue(fx, "cmbInterval"), QStringLiteral("52"));
    QCOMPARE(storedValue(fx, "cmbNum"), QStringLiteral("0"));
    w = fx.open();
    QCOMPARE(w->cmbLotteryInterval->currentText(), QStringLiteral("50"));
    QCOMPARE(w->cmbNamesNum->currentText(), QStringLiteral("1"));
}

void TestLifecycle::positionRoundTrip_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("window not shown") << false;
    QTest::newRow("window shown") << true;
}

void TestLifecycle::positionRoundTrip()
{
    QFETCH(bool, shown);
    WindowFixture fx;
    frmRandom *w = fx.open();
    if (shown) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    w->move(200, 100);
    QTRY_COMPARE(w->pos(), QPoint(200, 100));
    fx.close();
    QCOMPARE(storedValue(fx, "Left"), QStringLiteral("3000"));
    QCOMPARE(storedValue(fx, "Top"), QStringLiteral("1500"));

    w = fx.open();
    QCOMPARE(w->pos(), QPoint(200, 100));
    if (shown) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->pos(), QPoint(200, 100));
    }
    fx.close();
    QCOMPARE(storedValue(fx, "Left"), QStringLiteral("3000"));
    QCOMPARE(storedValue(fx, "Top"), QStringLiteral("1500"));
}

void TestLifecycle::positionFallbacks_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    // Expected position in pixels; a coordinate of INT_MIN means "moved onto a screen".
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    const int onScreen = INT_MIN;

    QTest::newRow("missing") << QString() << QString() << 7 << 7;
    QTest::newRow("on screen") << "3000" << "1500" << 200 << 100;
    QTest::newRow("not a number") << "abc" << "1500" << 7 << 100;
    QTest::newRow("empty text") << "3000" << "" << 200 << 7;
    QTest::newRow("number with text after it") << "3000px" << "1500" << 7 << 100;
    QTest::newRow("too large for a number") << "1e999" << "1500" << 7 << 100;
    QTest::newRow("not a finite number") << "3000" << "nan" << 200 << 7;
    QTest::newRow("infinity") << "inf" << "1500" << 7 << 100;
    QTest::newRow("partly off screen stays") << "-3000" << "1500" << -200 << 100;
    QTest::newRow("wholly left of every screen") << "-150000" << "1500" << onScreen << onScreen;
    QTest::newRow("wholly below every screen") << "3000" << "150000000" << onScreen << onScreen;
    QTest::newRow("huge negative") << "-1e30" << "-1e30" << onScreen << onScreen;
}

void TestLifecycle::positionFallbacks()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(int, x);
    QFETCH(int, y);

    WindowFixture fx;
    if (!left.isNull())
        store(fx, "Left", left);
    if (!top.isNull())
        store(fx, "Top", top);
    frmRandom *w = fx.open();
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    if (x == INT_MIN) {
        const QRect screens = availableUnion();
        QVERIFY(!screens.isEmpty());
        const QRect window(w->pos(), w->frameGeometry().size());
        QVERIFY2(screens.intersects(window), qPrintable(QStringLiteral("%1,%2").arg(w->pos().x()).arg(w->pos().y())));
        if (screens.width() >= window.width() && screens.height() >= window.height())
            QVERIFY(screens.contains(window));
    } else {
        QCOMPARE(w->pos(), QPoint(x, y));
    }
    // Whatever was read, the rest of the load went ahead.
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QVERIFY(w->cmdStart->isEnabled());
}

void TestLifecycle::selectorFallbacks_data()
{
    QTest::addColumn<QString>("cmbNum");
    QTest::addColumn<QString>("cmbInterval");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("interval");

    QTest::newRow("missing") << QString() << QString() << "5" << "1";
    QTest::newRow("first entries") << "0" << "0" << "1" << "0.25";
    QTest::newRow("last entries") << "27" << "52" << "100" << "50";
    QTest::newRow("one past the end") << "28" << "53" << "5" << "1";
    QTest::newRow("far past the end") << "99999999999" << "70000" << "5" << "1";
    QTest::newRow("negative") << "-1" << "-3" << "5" << "1";
    QTest::newRow("not a number") << "ten" << "x" << "5" << "1";
    QTest::newRow("empty text") << "" << "" << "5" << "1";
    QTest::newRow("entry text instead of position") << "0.25" << "0.5" << "5" << "1";
}

void TestLifecycle::selectorFallbacks()
{
    QFETCH(QString, cmbNum);
    QFETCH(QString, cmbInterval);
    QFETCH(QString, number);
    QFETCH(QString, interval);

    WindowFixture fx;
    if (!cmbNum.isNull())
        store(fx, "cmbNum", cmbNum);
    if (!cmbInterval.isNull())
        store(fx, "cmbInterval", cmbInterval);
    frmRandom *w = fx.open();
    QCOMPARE(w->cmbNamesNum->currentText(), number);
    QCOMPARE(w->cmbLotteryInterval->currentText(), interval);
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));

    // The next close stores a valid position again.
    fx.close();
    QCOMPARE(storedValue(fx, "cmbNum"), QString::number(w->cmbNamesNum->currentIndex()));
    QCOMPARE(storedValue(fx, "cmbInterval"), QString::number(w->cmbLotteryInterval->currentIndex()));
}

void TestLifecycle::letterFallbacks_data()
{
    QTest::addColumn<QString>("optAll");
    QTest::addColumn<QString>("optSel");
    QTest::addColumn<QString>("letter");

    QTest::newRow("nothing stored") << QString() << QString() << "All";
    QTest::newRow("False without a letter") << "False" << QString() << "All";
    QTest::newRow("False with empty letter") << "False" << "" << "All";
    QTest::newRow("K") << "False" << "10" << "K";
    QTest::newRow("A") << "False" << "0" << "A";
    QTest::newRow("Z") << "False" << "25" << "Z";
    QTest::newRow("True wins over a letter") << "True" << "10" << "All";
    QTest::newRow("only exactly True counts") << "true" << "10" << "K";
    QTest::newRow("missing optAll, letter stored") << QString() << "3" << "D";
    QTest::newRow("index past Z") << "False" << "26" << "All";
    QTest::newRow("negative index") << "False" << "-1" << "All";
    QTest::newRow("letter instead of index") << "False" << "K" << "All";
    QTest::newRow("huge index") << "False" << "4294967306" << "All";
}

void TestLifecycle::letterFallbacks()
{
    QFETCH(QString, optAll);
    QFETCH(QString, optSel);
    QFETCH(QString, letter);

    WindowFixture fx;
    if (!optAll.isNull())
        store(fx, "optAll", optAll);
    if (!optSel.isNull())
        store(fx, "optSel", optSel);
    frmRandom *w = fx.open();
    QCOMPARE(chosenLetter(w), letter);
    QCOMPARE(w->txtLet->text(), letter);
    // The boxes were loaded for the letter chosen.
    for (const NameBox *box : {w->lstBoys, w->lstGirls}) {
        const QStringList names = boxNames(box);
        if (letter == QLatin1String("All")) {
            QCOMPARE(names.size(), box == w->lstBoys ? 7 : 6);
        } else {
            for (const QString &name : names)
                QVERIFY2(name.startsWith(letter), qPrintable(name));
        }
    }
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestLifecycle::unloadWritesOnlyItsKeys()
{
    WindowFixture fx;
    store(fx, "SaveMethod", "3");
    store(fx, "optAll", "True");
    store(fx, "optSel", "7");
    frmRandom *w = fx.open();
    // A run going on does not keep the window from storing its settings.
    w->cmdStart_Click();
    QVERIFY(w->TimerNumber.isActive());
    fx.close();
    QCOMPARE(storedValue(fx, "SaveMethod"), QStringLiteral("3"));
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("7")); // "All" chosen: left alone
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("True"));
    QSettings settings(fx.settingsFile(), QSettings::IniFormat);
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Setting/Left", "Setting/SaveMethod", "Setting/Top", "Setting/cmbInterval",
                                "Setting/cmbNum", "Setting/optAll", "Setting/optSel"}));
}

void TestLifecycle::splashClosesAfterLoad()
{
    WindowFixture fx;
    QWidget splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    frmRandom w(fx.fakes.services());
    w.setProgramDir(fx.dir());
    w.setSplash(&splash);
    QVERIFY(w.Form_Load());
    QVERIFY(!splash.isVisible());
    QCOMPARE(w.statusText(), QStringLiteral("Ready"));
}

void TestLifecycle::failedLoadStoresNothing()
{
    WindowFixture fx;
    store(fx, "cmbNum", "6");
    store(fx, "optAll", "False");
    store(fx, "optSel", "10");
    store(fx, "Left", "1500");
    QVERIFY(QDir(fx.dir()).remove(QStringLiteral("girlname.txt")));

    QWidget splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    frmRandom w(fx.fakes.services());
    w.setProgramDir(fx.dir());
    w.setSplash(&splash);
    QVERIFY(!w.Form_Load());

    // The message stands over the splash window, which stays.
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    QCOMPARE(fx.fakes.dialogs.messages.first().parent, &splash);
    QCOMPARE(fx.fakes.dialogs.messages.first().text,
             QStringLiteral("File not found\r\n/girlname.txt\r\n\r\nProgram can not continue and will halt now!"));
    QCOMPARE(fx.fakes.halt.codes.size(), 1);
    QVERIFY(splash.isVisible());
    QVERIFY(!w.isVisible());
    // The boys' box was filled for the restored letter before the girls' file failed.
    QCOMPARE(boxNames(w.lstBoys), (QStringList{"Karl", "Kevin"}));

    // Whatever happens to the window now, the store keeps what it had.
    w.cmbNamesNum->setCurrentIndex(20);
    w.optLetAll->setChecked(true);
    w.move(300, 300);
    w.close();
    w.Form_Unload();
    QVERIFY(!w.unloaded());
    QCOMPARE(storedValue(fx, "cmbNum"), QStringLiteral("6"));
    QCOMPARE(storedValue(fx, "optAll"), QStringLiteral("False"));
    QCOMPARE(storedValue(fx, "optSel"), QStringLiteral("10"));
    QCOMPARE(storedValue(fx, "Left"), QStringLiteral("1500"));
    QVERIFY(!storedHas(fx, "Top"));
    QVERIFY(!storedHas(fx, "cmbInterval"));
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
