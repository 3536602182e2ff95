// The lock-key panels as the user sees them: text in the normal colour while
// the lock is on, dimmed while it is off, whatever background the window
// behind the bar paints with; and kept up to date as lock keys are pressed.

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "fakes.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// The darkest grey level inside a panel's bevel, as drawn on the screen:
// the text's colour.
int darkestText(QWidget *window, const QLabel *panel)
{
    const QRect inside = panel->contentsRect().translated(panel->mapTo(window, QPoint(0, 0)));
    const QImage image = window->grab(inside).toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// A window like the main one, with the bar along its bottom edge.
struct Window {
    explicit Window(FakeShell *shell, QPalette::ColorRole background) : bar(shell, &widget)
    {
        widget.setBackgroundRole(background);
        widget.setAutoFillBackground(true);
        widget.resize(577, 562);
        bar.setGeometry(0, 540, 577, 22);
        elsewhere.setGeometry(10, 10, 100, 20);
        widget.show();
    }
    int darkest(int position) { return darkestText(&widget, bar.panel(position)); }
    QWidget widget;
    StatusBar bar;
    QLineEdit elsewhere{&widget}; // where the keys go
};

} // namespace

class TestStatusBar : public QObject {
    Q_OBJECT
private slots:
    void panelsDimWhileTheLockIsOff_data();
    void panelsDimWhileTheLockIsOff();
    void lockKeysShowAtOnce_data();
    void lockKeysShowAtOnce();
};

void TestStatusBar::panelsDimWhileTheLockIsOff_data()
{
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("panel");
    for (auto [name, role] : {std::pair{"button face", QPalette::Button}, std::pair{"window", QPalette::Window}}) {
        QTest::addRow("%s, CAPS", name) << int(role) << 2;
        QTest::addRow("%s, SCRL", name) << int(role) << 3;
        QTest::addRow("%s, NUM", name) << int(role) << 4;
    }
}

void TestStatusBar::panelsDimWhileTheLockIsOff()
{
    QFETCH(int, background);
    QFETCH(int, panel);
    FakeShell on, off;
    on.caps = on.scroll = on.num = true;
    off.caps = off.scroll = off.num = false;
    Window lit(&on, QPalette::ColorRole(background));
    Window dim(&off, QPalette::ColorRole(background));
    const int normal = lit.darkest(panel);
    const int dimmed = dim.darkest(panel);
    // Normal text is the window text colour (give or take the smoothing of
    // the glyphs' edges); dimmed text is clearly lighter.
    const int windowText = qGray(lit.bar.palette().color(QPalette::Active, QPalette::WindowText).rgb());
    QVERIFY2(qAbs(normal - windowText) <= 32, qPrintable(QStringLiteral("normal %1").arg(normal)));
    QVERIFY2(dimmed - normal >= 60, qPrintable(QStringLiteral("normal %1, dimmed %2").arg(normal).arg(dimmed)));
}

void TestStatusBar::lockKeysShowAtOnce_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("panel");
    QTest::newRow("Caps Lock pressed") << int(QEvent::KeyPress) << int(Qt::Key_CapsLock) << 2;
    QTest::newRow("Scroll Lock released") << int(QEvent::KeyRelease) << int(Qt::Key_ScrollLock) << 3;
    QTest::newRow("Num Lock pressed") << int(QEvent::KeyPress) << int(Qt::Key_NumLock) << 4;
    QTest::newRow("program becomes active") << int(QEvent::ApplicationStateChange) << 0 << 2;
}

void TestStatusBar::lockKeysShowAtOnce()
{
    QFETCH(int, event);
    QFETCH(int, key);
    QFETCH(int, panel);
    FakeShell shell;
    shell.caps = shell.scroll = shell.num = false;
    Window window(&shell, QPalette::Button);
    const int dimmed = window.darkest(panel);

    auto send = [&] {
        if (event == QEvent::ApplicationStateChange) {
            QApplicationStateChangeEvent active(Qt::ApplicationActive);
            QCoreApplication::sendEvent(qApp, &active);
        } else {
            QKeyEvent press(QEvent::Type(event), key, Qt::NoModifier);
            QCoreApplication::sendEvent(&window.elsewhere, &press);
        }
    };
    shell.caps = shell.scroll = shell.num = true; // switched on
    send();
    QVERIFY(window.darkest(panel) < dimmed);
    shell.caps = shell.scroll = shell.num = false; // and off again
    send();
    QCOMPARE(window.darkest(panel), dimmed);
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
