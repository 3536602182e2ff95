// The start-up and memory anchor: the smallest Qt Widgets program that shows
// one empty window of the main window's size (577 x 562). The benchmark
// starts it exactly as it starts Lullara and waits for the same event, the
// window being mapped with its title.
//
// With the argument --text the window also shows one line of text, so that
// the figures can tell what Qt's font system alone costs; with --tick that
// text changes ten times a second once F6 is pressed, the smallest possible
// "lottery", to show the floor of a Qt Widgets program redrawing at 100 ms.
// Both are for context only: the targets are against the empty window.

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool ticking = app.arguments().contains(QStringLiteral("--tick"));
    const bool withText = ticking || app.arguments().contains(QStringLiteral("--text"));
    QWidget window;
    window.setWindowTitle(withText ? QStringLiteral("Lullara bench anchor with text")
                                   : QStringLiteral("Lullara bench anchor"));
    window.setFixedSize(577, 562);
    if (withText) {
        auto *label = new QLabel(QStringLiteral("Lullara"), &window);
        label->move(20, 20);
        label->resize(200, label->sizeHint().height());
        if (ticking) {
            auto *timer = new QTimer(&window);
            timer->setInterval(100);
            QObject::connect(timer, &QTimer::timeout, label, [label] {
                static int n = 0;
                label->setText(QString::number(++n));
            });
            auto *start = new QShortcut(QKeySequence(Qt::Key_F6), &window);
            QObject::connect(start, &QShortcut::activated, timer, qOverload<>(&QTimer::start));
        }
    }
    window.show();
    return app.exec();
}
