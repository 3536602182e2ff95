#include "ui/statusbar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTime>

namespace lullara {

StatusBar::StatusBar(Shell *shell, QWidget *parent) : QStatusBar(parent), m_shell(shell)
{
    setSizeGripEnabled(false);
    // Text, accessible name and width of each panel. With the bar's own gap
    // of 6 pixels between panels, the indicators and the clock start where
    // their 47- and 96-pixel slots do; the first panel takes what is left.
    const struct { const char *text, *name; int width; } panels[] = {
        {"...", QT_TR_NOOP("Status"), 96},
        //: Lock key indicators of the status bar, 41 pixels wide each
        {QT_TR_NOOP("CAPS"), QT_TR_NOOP("Caps Lock indicator"), 41},
        {QT_TR_NOOP("SCRL"), QT_TR_NOOP("Scroll Lock indicator"), 41},
        {QT_TR_NOOP("NUM"), QT_TR_NOOP("Num Lock indicator"), 41},
        {"", QT_TR_NOOP("Time of day"), 96}};
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto *label = new QLabel(i == 0 || i == 4 ? QString::fromLatin1(panels[i].text) : tr(panels[i].text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(i == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
        label->setMargin(0);
        label->setIndent(3);
        label->setForegroundRole(QPalette::WindowText);
        label->setAccessibleName(tr(panels[i].name));
        if (i == 0) {
            // However long the status text, the panel keeps the width left to it.
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            label->setMinimumWidth(panels[i].width);
            addWidget(label, 1);
        } else {
            label->setFixedWidth(panels[i].width);
            addPermanentWidget(label);
        }
        m_panels[i] = label;
    }
    m_panels[0]->setToolTip(QStringLiteral("..."));

    // One refresh a second, timed just after the clock's second changes, so
    // that a clock showing seconds never skips or repeats one. Each refresh
    // re-arms the timer for the next second.
    m_refresh.setSingleShot(true);
    m_refresh.setTimerType(Qt::PreciseTimer);
    connect(&m_refresh, &QTimer::timeout, this, &StatusBar::refresh);
    // Lock keys pressed in this program show at once, and those changed in
    // another one as soon as this program becomes active again.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
    refresh();
}

void StatusBar::setPanelText(int position, const QString &text)
{
    if (position >= 1 && position <= 5)
        panel(position)->setText(text);
}

void StatusBar::setIndicator(int position, std::optional<bool> on)
{
    const bool lit = on.value_or(false); // a lock that cannot be read shows as off
    auto &shown = m_on[static_cast<size_t>(position - 1)];
    if (shown == lit)
        return;
    shown = lit;
    QLabel *label = panel(position);
    // Every role a label may draw its text with gets the same colour, so the
    // window behind the bar (whose background role the label would otherwise
    // follow) cannot pick another one.
    const QPalette normal = palette();
    QPalette pal = normal;
    const QColor text = normal.color(lit ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            pal.setColor(group, role, text);
    }
    label->setPalette(pal);
    label->setAccessibleDescription(lit ? tr("on", "a lock key") : tr("off", "a lock key"));
}

void StatusBar::refresh()
{
    refreshLockKeys();
    refreshClock();
}

void StatusBar::refreshLockKeys()
{
    if (m_shell) {
        setIndicator(2, m_shell->lockKeyOn(Shell::LockKey::Caps));
        setIndicator(3, m_shell->lockKeyOn(Shell::LockKey::Scroll));
        setIndicator(4, m_shell->lockKeyOn(Shell::LockKey::Num));
    } else {
        for (int i = 2; i <= 4; ++i)
            setIndicator(i, std::nullopt);
    }
}

void StatusBar::refreshClock()
{
    const QTime time = QTime::currentTime();
    const QString now = QLocale().toString(time, QLocale::ShortFormat);
    if (m_panels[4]->text() != now)
        m_panels[4]->setText(now);
    // A few milliseconds past the next full second.
    m_refresh.start(1000 - time.msec() + 5);
}

bool StatusBar::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyboardLayoutChange:
        refresh();
        break;
    case QEvent::PaletteChange:
        // A theme switched while the program runs: the indicators take
        // their colours from the new palette.
        m_on.fill(std::nullopt);
        refreshLockKeys();
        break;
    case QEvent::LayoutRequest:
        // A panel's new text asks for a new layout (the layout itself still
        // runs), which QStatusBar answers by repainting every panel; the
        // panels keep their sizes and a new text repaints its own panel.
        return QWidget::event(event);
    default:
        break;
    }
    return QStatusBar::event(event);
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            refreshLockKeys();
            break;
        default:
            break;
        }
        break;
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() == Qt::ApplicationActive)
            refreshLockKeys();
        break;
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace lullara
