#include "app/splashwindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/resources.h"
#include "names/namefile.h"
#include "ui/fonts.h"
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

frmLoading::frmLoading(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_services(services)
{
    initResources();
    setObjectName(QStringLiteral("frmLoading"));
    setWindowTitle(QStringLiteral("Lullara"));
    setFixedSize(470, 120);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFont(uiFont(QStringLiteral("MS Sans Serif"), 8.25));

    imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.png")));
    imgSplash->setGeometry(0, 0, 540, 50);
    imgSplash->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto label = [this](const char *name, const QString &text, int top, bool bold) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(uiFont(QStringLiteral("MS Sans Serif"), 8.25, bold));
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        l->move(14, top);
        l->adjustSize();
        return l;
    };
    Label1 = label("Label1", QStringLiteral("Loading Database..."), 63, true);
    Label3 = label("Label3", displayFileName(kBoysFile), 77, false);
    Label2 = label("Label2", displayFileName(kGirlsFile), 91, false);

    // Closing the splash must not end the program before the main window shows.
    setAttribute(Qt::WA_QuitOnClose, false);

    Timer1.setInterval(10);
    Timer1.setSingleShot(false);
    connect(&Timer1, &QTimer::timeout, this, &frmLoading::Timer1_Timer);
    Timer1.start();
}

void frmLoading::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    m_painted = true;
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 49, 469, 49);             // rule under the banner
    painter.drawRect(0, 0, width() - 1, height() - 1); // the window's frame
}

void frmLoading::Timer1_Timer()
{
    // The whole start-up runs inside the first tick, and only once.
    if (m_runs > 0)
        return;
    // Let the splash be seen for at least one paint, but never wait long for
    // a screen that does not paint it (minimised, no compositor).
    if (!m_painted && isVisible() && ++m_waitedTicks < 50)
        return;
    ++m_runs;
    Timer1.stop();
    auto *main = new frmRandom(m_services);
    main->setAttribute(Qt::WA_DeleteOnClose);
    m_main = main;
    main->setSplash(this);
    if (m_beforeLoad)
        m_beforeLoad(main);
    if (!main->Form_Load())
        return; // the program is ending; the main window is never shown
    main->show();
    close();
}

} // namespace lullara
