// The start-up and memory anchor: the smallest Qt Widgets program that shows
// one empty window of the main window's size (577 x 562). The benchmark
// starts it exactly as it starts Lullara and waits for the same event, the
// window being mapped with its title.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lullara bench anchor"));
    window.setFixedSize(577, 562);
    window.show();
    return app.exec();
}
