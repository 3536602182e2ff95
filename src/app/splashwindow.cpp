#include "app/splashwindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "shell/resources.h"
#include "names/namefile.h"
#include "shell/fonts.h"
#include "shell/smallwidgets.h"
#include "ui/classiccolours.h"
#include "ui/mainwindow.h"


namespace lullara {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

SplashWindow::SplashWindow(const Services &services, const QString &programDir, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_services(services), m_programDir(programDir)
{
    initResources();
    setObjectName(QStringLiteral("frmLoading"));
    const ClassicFonts fonts;
    setWindowTitle(QStringLiteral("Lullara"));
    setFixedSize(470, 120);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFont(fonts.font(QStringLiteral("MS Sans Serif"), 8.25));

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgSplash"));
    banner->setPixmap(picture(QStringLiteral("banner.png")));
    banner->setGeometry(0, 0, 540, 50);
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const struct { const char *name; QString text; bool bold; } labels[] = {
        {"Label1", tr("Loading Database..."), true},
        {"Label3", displayFileName(kBoysFile), false},
        {"Label2", displayFileName(kGirlsFile), false}};
    int top = 63;
    for (const auto &[name, text, bold] : labels) {
        QLabel *label = makeLabel(this, name, text, QPoint(14, top));
        label->setFont(fonts.font(QStringLiteral("MS Sans Serif"), 8.25, bold));
        setClassicTextColour(label, Qt::black);
        label->adjustSize();
        top += 14;
    }
    // The grey rule under the banner and the grey outline of the window.
    makeGreyRule(this, QRect(0, 49, width(), 1));
    new GreyOutline(this, rect());

    // Closing the splash must not end the program before the main window shows.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::openMainWindow);
    m_timer.start();
}

void SplashWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    m_painted = true;
}

void SplashWindow::openMainWindow()
{
    // The whole start-up runs inside the first tick, and only once.
    if (m_started)
        return;
    // Let the splash be seen for at least one paint, but never wait long for
    // a screen that does not paint it (minimised, no compositor).
    if (!m_painted && isVisible() && ++m_waitedTicks < 50)
        return;
    m_started = true;
    m_timer.stop();
    auto *main = new MainWindow(m_services, m_programDir);
    main->setAttribute(Qt::WA_DeleteOnClose);
    m_main = main;
    main->setSplash(this);
    if (!main->load())
        return; // the program is ending; the main window is never shown
    // Showing the main window takes a moment of its own with very large
    // lists: the splash stays until the main window has painted itself
    // (or, should it never be painted, a few seconds at most).
    main->installEventFilter(this);
    main->show();
    QTimer::singleShot(3000, this, &SplashWindow::leave);
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_main && event->type() == QEvent::Paint) {
        m_main->removeEventFilter(this);
        // Once that picture is on the screen.
        QTimer::singleShot(0, this, &SplashWindow::leave);
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::leave()
{
    // Never shown again: its window and picture buffer go.
    close();
    destroy();
}

} // namespace lullara
