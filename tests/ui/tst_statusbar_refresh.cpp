// The status bar keeps its lock indicators and its clock up to date by
// itself: the indicators as soon as a lock key is pressed in the program or
// the program becomes active, the clock every second.

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTime>

#include "fakes.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

class TestStatusBarRefresh : public QObject {
    Q_OBJECT
private slots:
    void lockKeysShowWhenPressed_data();
    void lockKeysShowWhenPressed();
    void otherKeysReadNothing();
    void lockKeysShowWhenTheProgramBecomesActive();
    void clockFollowsTheTime();
};

namespace {
// A shell that counts how often the lock keys are read.
class CountingShell : public FakeShell {
public:
    std::optional<bool> lockKeyOn(LockKey key) override
    {
        ++reads;
        return FakeShell::lockKeyOn(key);
    }
    int reads = 0;
};
} // namespace

void TestStatusBarRefresh::lockKeysShowWhenPressed_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("onPress"); // the press, not the release, shows it
    QTest::newRow("Caps Lock pressed") << int(Qt::Key_CapsLock) << 2 << true;
    QTest::newRow("Scroll Lock released") << int(Qt::Key_ScrollLock) << 3 << false;
    QTest::newRow("Num Lock pressed") << int(Qt::Key_NumLock) << 4 << true;
}

void TestStatusBarRefresh::lockKeysShowWhenPressed()
{
    QFETCH(int, key);
    QFETCH(int, panel);
    QFETCH(bool, onPress);
    FakeShell shell;
    shell.caps = false;
    shell.scroll = false;
    shell.num = false;
    QWidget window;
    StatusBar bar(&shell, &window);
    QLineEdit elsewhere(&window); // the key goes to another control
    QVERIFY(!bar.indicatorOn(panel));

    shell.caps = shell.scroll = shell.num = true;
    QKeyEvent event(onPress ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&elsewhere, &event);
    QVERIFY(bar.indicatorOn(panel));

    shell.caps = shell.scroll = shell.num = false;
    QKeyEvent again(onPress ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&elsewhere, &again);
    QVERIFY(!bar.indicatorOn(panel));
}

void TestStatusBarRefresh::otherKeysReadNothing()
{
    CountingShell shell;
    QWidget window;
    StatusBar bar(&shell, &window);
    QLineEdit field(&window);
    const int before = shell.reads;
    QTest::keyClicks(&field, QStringLiteral("Anna"));
    QTest::keyClick(&field, Qt::Key_F6);
    QCOMPARE(shell.reads, before);
    QCOMPARE(field.text(), QStringLiteral("Anna"));
}

void TestStatusBarRefresh::lockKeysShowWhenTheProgramBecomesActive()
{
    FakeShell shell;
    shell.caps = false;
    StatusBar bar(&shell);
    QVERIFY(!bar.indicatorOn(2));
    shell.caps = true; // switched on in another program
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(qApp, &active);
    QVERIFY(bar.indicatorOn(2));
}

void TestStatusBarRefresh::clockFollowsTheTime()
{
    StatusBar bar(nullptr);
    auto shown = [&bar] { return bar.panelText(5); };
    auto now = [] { return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat); };
    QVERIFY(!shown().isEmpty());
    // Within a second and a bit of the clock's text changing, the panel
    // shows the new text (compared as the panel is read, so a change of
    // the time between the two readings is retried).
    const QString first = now();
    QTRY_VERIFY_WITH_TIMEOUT(now() != first, 70000);
    QTRY_VERIFY_WITH_TIMEOUT(shown() == now(), 1500);
}

QTEST_MAIN(TestStatusBarRefresh)
#include "tst_statusbar_refresh.moc"
