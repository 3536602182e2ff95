#include "shell/aboutwindow.h"

#include "shell/resources.h"
#include "shell/executelink.h"
#include "shell/smallwidgets.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

namespace lullara {

namespace {

// The fourteen lines shown in txtDec, joined by CR LF.
QString aboutText()
{
    const QStringList lines = {
        AboutWindow::tr("Author: The Quorvel team"),
        AboutWindow::tr("E-mail: %1").arg(QStringLiteral("lullara@quorvel.example.org")),
        AboutWindow::tr("March 2005"),
        QString(),
        QStringLiteral("Quorvel 2005-2026 "),
        kMakerWebSite,
        QStringLiteral("Example Town, Exampleland"),
        QString(),
        //: Keep the five spaces at the end
        AboutWindow::tr("Please report bugs to my email.     "),
        AboutWindow::tr("Let me know how you think about it!"),
        AboutWindow::tr("Comments and suggestions are welcomed."),
        QString(),
        AboutWindow::tr("With the all best wishes! ;)"),
        QStringLiteral("Lullara 2.0"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

AboutWindow::AboutWindow(const Services &services, QWidget *owner)
    // A dialog, not a plain window: the window system then knows the owner
    // (WM_TRANSIENT_FOR on X11) and keeps the two together.
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint), m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Lullara"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(372, 268);
    setAccessibleName(tr("About Lullara"));
    setAccessibleDescription(tr("Who made Lullara and how to reach them"));

    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSize(8);
    setFont(windowFont);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("imgSplash"));
    m_banner->setGeometry(0, 0, 540, 50); // wider than the window: cut off at its right edge
    m_banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_banner->setAccessibleName(tr("Banner"));
    m_banner->setAccessibleDescription(tr("Press and drag to move the window"));

    m_rule = makeGreyRule(this, QRect(0, 49, 469, 1));
    m_rule->setAccessibleName(tr("Rule under the banner"));

    m_closeButton = new QPushButton(QStringLiteral("x"), this);
    m_closeButton->setObjectName(QStringLiteral("cmdExit"));
    m_closeButton->setGeometry(350, 56, 15, 15);
    m_closeButton->setFocusPolicy(Qt::StrongFocus);
    m_closeButton->setAutoDefault(true);
    m_closeButton->setDefault(true);
    m_closeButton->setAccessibleName(tr("Close"));
    m_closeButton->setAccessibleDescription(tr("Close the About window"));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtDec"));
    m_text->setGeometry(14, 63, 218, 190);
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setContextMenuPolicy(Qt::NoContextMenu);
    m_text->document()->setDocumentMargin(2);
    QPalette text = m_text->palette();
    text.setColor(QPalette::Base, Qt::white);
    text.setColor(QPalette::Window, Qt::white);
    text.setColor(QPalette::Text, kLineGrey);
    m_text->setPalette(text);
    m_text->setAccessibleName(tr("About text"));
    m_text->setAccessibleDescription(tr("Author, e-mail address, web site and greetings"));

    QLabel *byLabel = makeLabel(this, "Label1", tr("a product by:", "78 pixels wide, in a tiny font"), QPoint(280, 222));
    QFont terminal(QStringLiteral("Terminal"));
    terminal.setStyleHint(QFont::TypeWriter);
    terminal.setPixelSize(8); // Terminal 6 pt
    terminal.setBold(true);
    byLabel->setFont(terminal);
    QPalette label = byLabel->palette();
    label.setColor(QPalette::WindowText, kLineGrey);
    label.setColor(QPalette::Window, Qt::white);
    byLabel->setPalette(label);
    byLabel->adjustSize(); // sizes itself to its text
    byLabel->setAccessibleName(byLabel->text());

    m_logo = new ClickLabel(this);
    m_logo->setObjectName(QStringLiteral("quorvelLogo"));
    m_logo->setGeometry(280, 231, 80, 15);
    m_logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_logo->setAccessibleName(QStringLiteral("Quorvel"));
    m_logo->setAccessibleDescription(tr("Open the Quorvel web site"));
    m_logo->setToolTip(kMakerWebSite);
    connect(m_logo, &ClickLabel::clicked, this, [this] { executeLink(m_services, this, kMakerWebSite); });

    new GreyOutline(this, QRect(0, 0, 372, 267));

    load();
    m_closeButton->setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::load()
{
    initResources();
    m_logo->setCursor(handPointer());
    m_logo->setPixmap(picture(QStringLiteral("logo.png")));
    m_banner->setPixmap(picture(QStringLiteral("banner.png")));
    m_text->setPlainText(aboutText());
}

void AboutWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    m_closeButton->setFocus();
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses that no control took end up here, with the position in the
    // window: the banner drags, the bare background and the rule close (the
    // outline lets presses through), the text, the label and the logo keep
    // the window open.
    QWidget *under = childAt(event->position().toPoint());
    if (under == m_banner) {
        event->accept();
        dragWindow(m_services, this);
        return;
    }
    if (under == nullptr || under == m_rule) {
        event->accept();
        close();
        return;
    }
    event->accept();
}

} // namespace lullara
