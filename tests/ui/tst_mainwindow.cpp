// The main window as it opens, its shortcut keys, the name box and the
// start-up sequence.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/splashwindow.h"
#include "fixture.h"
#include "ui/clicklabel.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void freshWindowShowsItsInitialState();
    void windowCannotBeResized();
    void shortcutKeysRunTheMenuCommands();
    void nameBoxKeepsReadingOrder();
    void nameBoxRunsClickBeforeSetterReturns();
    void nameBoxHandlesManyNames();
    void startUpSequenceRunsOnce();
    void tabOrderBeginsWithTheNameBoxes();
    void lockIndicatorsFollowTheKeys();
};

void TestMainWindow::freshWindowShowsItsInitialState()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Lullara v2.0"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblSname->text(), QStringLiteral("......"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->txtLet->text(), QStringLiteral("All"));
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());
    QVERIFY(w->optLetAll->isChecked());
    QVERIFY(w->pgbGenerator->isHidden());
    QVERIFY(w->cmdStart->isEnabled());
    QVERIFY(!w->chkPause->isEnabled());
    QVERIFY(!w->cmdStop->isEnabled());
    QCOMPARE(w->cmbNamesNum->count(), 28);
    QCOMPARE(w->cmbLotteryInterval->count(), 53);
    QCOMPARE(w->cmbNamesNum->currentText(), QStringLiteral("5"));
    QCOMPARE(w->cmbLotteryInterval->currentText(), QStringLiteral("1"));
    QCOMPARE(w->lstBoys->count(), 7);
    QCOMPARE(w->lstGirls->count(), 6);
    QCOMPARE(w->lstBoys->text(), QStringLiteral("Adam"));
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QVERIFY(!w->TimerNumber.isActive());
    QVERIFY(!w->TimerLottery.isActive());
    QVERIFY(!w->stuFlash.isActive());
    QCOMPARE(w->stuMain->panelText(2), QStringLiteral("CAPS"));
    QCOMPARE(w->stuMain->panelText(3), QStringLiteral("SCRL"));
    QCOMPARE(w->stuMain->panelText(4), QStringLiteral("NUM"));
    QCOMPARE(w->cmdStart->text(), QStringLiteral("&GO!       [F6]"));
    QCOMPARE(w->cmdStart->toolTip(), QStringLiteral("Start the Random Function"));
    // The hand pointer reaches the controls so marked.
    QCOMPARE(w->cmdSaveAll->cursor().shape(), w->cmdStart->cursor().shape());
    QCOMPARE(w->imgLogo->cursor().shape(), w->cmdStart->cursor().shape());
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestMainWindow::windowCannotBeResized()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(w->size(), QSize(577, 562));
    QCOMPARE(w->minimumSize(), QSize(577, 562));
    QCOMPARE(w->maximumSize(), QSize(577, 562));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    w->resize(800, 700);
    QCOMPARE(w->size(), QSize(577, 562));
}

void TestMainWindow::shortcutKeysRunTheMenuCommands()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    QTest::keyClick(w, Qt::Key_F6);
    QVERIFY(w->TimerNumber.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("Starting..."));

    QTest::keyClick(w, Qt::Key_F8);
    QVERIFY(w->chkPause->isChecked());
    QCOMPARE(w->statusText(), QStringLiteral("Paused..."));
    QVERIFY(!w->TimerNumber.isActive());

    QTest::keyClick(w, Qt::Key_F9);
    QVERIFY(!w->chkPause->isChecked());
    QVERIFY(w->TimerNumber.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("0 Names Added, Analyzing..."));

    QTest::keyClick(w, Qt::Key_F7);
    QVERIFY(!w->TimerNumber.isActive());
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 0 names added successfully."));
}

void TestMainWindow::nameBoxKeepsReadingOrder()
{
    NameBox box;
    box.setNames({QStringLiteral("Zoe"), QStringLiteral("anna"), QStringLiteral("\u00c1ngel"),
                  QStringLiteral("Anna"), QStringLiteral("bob")});
    QStringList order;
    for (int i = 0; i < box.count(); ++i)
        order << box.itemText(i);
    QCOMPARE(order.last(), QStringLiteral("Zoe"));
    QCOMPARE(order.at(3), QStringLiteral("bob"));
    QVERIFY(order.indexOf(QStringLiteral("Anna")) < 3);
    QVERIFY(order.indexOf(QStringLiteral("anna")) < 3);
    QVERIFY(order.indexOf(QStringLiteral("\u00c1ngel")) < 3);

    // An added entry goes to its sorted place; duplicates are kept.
    box.addItem(QStringLiteral("Carl"));
    box.addItem(QStringLiteral("bob"));
    QCOMPARE(box.count(), 7);
    QCOMPARE(box.itemText(5), QStringLiteral("Carl"));
    QCOMPARE(box.itemText(3), QStringLiteral("bob"));
    QCOMPARE(box.itemText(4), QStringLiteral("bob"));
}

void TestMainWindow::nameBoxRunsClickBeforeSetterReturns()
{
    NameBox box;
    box.setNames({QStringLiteral("Ben"), QStringLiteral("Adam"), QStringLiteral("Carl")});
    QString seen;
    QObject::connect(&box, &NameBox::clicked, [&] { seen = box.itemText(box.currentIndex()); });
    box.setCurrentIndex(2);
    QCOMPARE(seen, QStringLiteral("Carl"));
    QCOMPARE(box.currentIndex(), 2);
    QCOMPARE(box.text(), QStringLiteral("Carl"));
    // A click by the user in the list does the same.
    box.resize(150, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect r = box.view()->visualRect(box.model()->index(0));
    QTest::mouseClick(box.view()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(seen, QStringLiteral("Adam"));
    // Positions outside the list select nothing.
    box.setCurrentIndex(7);
    QCOMPARE(box.currentIndex(), -1);
}

void TestMainWindow::nameBoxHandlesManyNames()
{
    QStringList names;
    names.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        names << QStringLiteral("Name%1").arg(99999 - i, 5, 10, QLatin1Char('0'));
    NameBox box;
    box.setNames(names);
    QCOMPARE(box.count(), 100000);
    QCOMPARE(box.itemText(0), QStringLiteral("Name00000"));
    QCOMPARE(box.itemText(99999), QStringLiteral("Name99999"));
    box.setCurrentIndex(40000);
    QCOMPARE(box.text(), QStringLiteral("Name40000"));
}

void TestMainWindow::startUpSequenceRunsOnce()
{
    WindowFixture fx;
    frmLoading splash(fx.fakes.services());
    splash.setBeforeLoad([&](frmRandom *w) { w->setProgramDir(fx.dir()); });
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTRY_VERIFY(splash.mainWindow() != nullptr);
    frmRandom *w = splash.mainWindow();
    QVERIFY(w->isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.Timer1.isActive());
    splash.Timer1_Timer();
    splash.Timer1_Timer();
    QCOMPARE(splash.sequenceRuns(), 1);
    QCOMPARE(splash.mainWindow(), w);
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    w->close();
}

void TestMainWindow::tabOrderBeginsWithTheNameBoxes()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(w->lstBoys->nextInFocusChain()->parentWidget() == w->lstBoys
                 || w->lstBoys->nextInFocusChain() == w->lstGirls,
             true);
    // txtLet is never visited.
    QCOMPARE(w->txtLet->focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::lockIndicatorsFollowTheKeys()
{
    FakeShell shell;
    shell.caps = true;
    shell.num = false;
    shell.scroll = std::nullopt; // unreadable: shown dimmed
    StatusBar bar(&shell);
    bar.refresh();
    QVERIFY(bar.indicatorOn(2));
    QVERIFY(!bar.indicatorOn(3));
    QVERIFY(!bar.indicatorOn(4));
    shell.caps = false;
    shell.num = true;
    bar.refresh();
    QVERIFY(!bar.indicatorOn(2));
    QVERIFY(bar.indicatorOn(4));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
