// The lock-key panels as the user sees them: text in the normal colour while
// the lock is on, dimmed while it is off, inside a window that paints its
// background with the button face; and kept up to date as lock keys are pressed.

#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include "fakes.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

// A window that paints its background behind the bar.
// The desktop with all three locks on or all off.
struct Locks : FakeShell { explicit Locks(bool on) { set(on); } void set(bool on) { caps = scroll = num = on; } };

struct Window {
    explicit Window(bool on) : shell(on), bar(&shell, &widget)
    {
        widget.setBackgroundRole(QPalette::Button);
        widget.setAutoFillBackground(true);
        bar.setGeometry(0, 0, 577, 22);
        widget.show();
    }
    // The darkest grey level inside a panel's bevel, as drawn on the screen: the text's colour.
    int darkest(int position)
    {
        const QLabel *panel = bar.panel(position);
        const QImage image = widget.grab(panel->contentsRect().translated(panel->mapTo(&widget, QPoint())))
                                 .toImage().convertToFormat(QImage::Format_RGB32); // one QRgb a pixel, no padding
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
        return qGray(*std::min_element(pixels, pixels + image.width() * image.height(),
                                       [](QRgb a, QRgb b) { return qGray(a) < qGray(b); }));
    }
    Locks shell;
    QWidget widget;
    StatusBar bar;
};

class TestStatusBar : public QObject {
    Q_OBJECT
private slots:
    void panelsDimWhileTheLockIsOff()
    {
        Window lit(true), dim(false);
        const int windowText = qGray(lit.bar.palette().color(QPalette::Active, QPalette::WindowText).rgb());
        for (int panel : {2, 3, 4}) {
            // Normal text is the window text colour (give or take the smoothing of the glyphs' edges);
            // dimmed text is clearly lighter.
            const int normal = lit.darkest(panel), dimmed = dim.darkest(panel);
            QVERIFY2(qAbs(normal - windowText) <= 32 && dimmed - normal >= 60,
                     qPrintable(QStringLiteral("panel %1: normal %2, dimmed %3").arg(panel).arg(normal).arg(dimmed)));
        }
    }

    void lockKeysShowAtOnce()
    {
        QKeyEvent caps(QEvent::KeyPress, Qt::Key_CapsLock, {}), scroll(QEvent::KeyRelease, Qt::Key_ScrollLock, {}),
            num(QEvent::KeyPress, Qt::Key_NumLock, {});
        QApplicationStateChangeEvent active(Qt::ApplicationActive); // the program becomes active
        Window window(false);
        const int dimmed = window.darkest(2);
        for (QEvent *event : std::initializer_list<QEvent *>{&caps, &scroll, &num, &active}) {
            for (bool on : {true, false}) { // switched on, and off again
                window.shell.set(on);
                QCoreApplication::sendEvent(&window.widget, event); // to the window, not to the bar
                QCOMPARE(std::pair(event->type(), window.darkest(2) < dimmed), std::pair(event->type(), on));
            }
        }
    }
};

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
