#include "shell/aboutwindow.h"

#include "shell/resources.h"
#include "shell/executelink.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

namespace lullara {

namespace {

const QColor kGrey(128, 128, 128);

// Shape1: a grey outline round the whole window, drawn over everything and
// letting the mouse through to whatever lies below.
class OutlineShape : public QWidget {
public:
    explicit OutlineShape(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(kGrey, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
};

// The fourteen lines shown in txtDec, joined by CR LF.
QString aboutText()
{
    const QStringList lines = {
        QStringLiteral("Author: The Quorvel team"),
        QStringLiteral("E-mail: lullara@quorvel.example.org"),
        QStringLiteral("March 2005"),
        QString(),
        QStringLiteral("Quorvel 2005-2026 "),
        kMakerWebSite,
        QStringLiteral("Example Town, Exampleland"),
        QString(),
        QStringLiteral("Please report bugs to my email.     "),
        QStringLiteral("Let me know how you think about it!"),
        QStringLiteral("Comments and suggestions are welcomed."),
        QString(),
        QStringLiteral("With the all best wishes! ;)"),
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
    setWindowTitle(QStringLiteral("About Lullara"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(372, 268);
    setAccessibleName(QStringLiteral("About Lullara"));
    setAccessibleDescription(QStringLiteral("Who made Lullara and how to reach them"));

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

    imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setGeometry(0, 0, 540, 50); // wider than the window: cut off at its right edge
    imgSplash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgSplash->setAccessibleName(QStringLiteral("Banner"));
    imgSplash->setAccessibleDescription(QStringLiteral("Press and drag to move the window"));

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::NoFrame);
    Line1->setGeometry(0, 49, 469, 1);
    QPalette grey = Line1->palette();
    grey.setColor(QPalette::Window, kGrey);
    Line1->setPalette(grey);
    Line1->setAutoFillBackground(true);
    Line1->setAccessibleName(QStringLiteral("Rule under the banner"));

    cmdExit = new QPushButton(QStringLiteral("x"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(350, 56, 15, 15);
    cmdExit->setFocusPolicy(Qt::StrongFocus);
    cmdExit->setAutoDefault(true);
    cmdExit->setDefault(true);
    cmdExit->setAccessibleName(QStringLiteral("Close"));
    cmdExit->setAccessibleDescription(QStringLiteral("Close the About window"));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    txtDec = new QPlainTextEdit(this);
    txtDec->setObjectName(QStringLiteral("txtDec"));
    txtDec->setGeometry(14, 63, 218, 190);
    txtDec->setReadOnly(true);
    txtDec->setFrameShape(QFrame::NoFrame);
    txtDec->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDec->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDec->setFocusPolicy(Qt::NoFocus);
    txtDec->setContextMenuPolicy(Qt::NoContextMenu);
    txtDec->document()->setDocumentMargin(2);
    QPalette text = txtDec->palette();
    text.setColor(QPalette::Base, Qt::white);
    text.setColor(QPalette::Window, Qt::white);
    text.setColor(QPalette::Text, kGrey);
    txtDec->setPalette(text);
    txtDec->setAccessibleName(QStringLiteral("About text"));
    txtDec->setAccessibleDescription(QStringLiteral("Author, e-mail address, web site and greetings"));

    Label1 = new QLabel(QStringLiteral("a product by:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont terminal(QStringLiteral("Terminal"));
    terminal.setStyleHint(QFont::TypeWriter);
    terminal.setPixelSize(8); // Terminal 6 pt
    terminal.setBold(true);
    Label1->setFont(terminal);
    QPalette label = Label1->palette();
    label.setColor(QPalette::WindowText, kGrey);
    label.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(label);
    Label1->move(280, 222);
    Label1->adjustSize(); // sizes itself to its text
    Label1->setAccessibleName(QStringLiteral("a product by:"));

    quorvelLogo = new QLabel(this);
    quorvelLogo->setObjectName(QStringLiteral("quorvelLogo"));
    quorvelLogo->setGeometry(280, 231, 80, 15);
    quorvelLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    quorvelLogo->setAccessibleName(QStringLiteral("Quorvel"));
    quorvelLogo->setAccessibleDescription(QStringLiteral("Open the Quorvel web site"));
    quorvelLogo->setToolTip(kMakerWebSite);
    quorvelLogo->installEventFilter(this);

    Shape1 = new OutlineShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 372, 267);
    Shape1->raise();

    load();
    cmdExit->setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::load()
{
    initResources();
    quorvelLogo->setCursor(handPointer());
    quorvelLogo->setPixmap(picture(QStringLiteral("logo.png")));
    imgSplash->setPixmap(picture(QStringLiteral("banner.png")));
    txtDec->setPlainText(aboutText());
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
    cmdExit->setFocus();
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses that no control took end up here, with the position in the
    // window: the banner drags, the bare background, the frame and the rule
    // close, the text, the label and the logo keep the window open.
    QWidget *under = childAt(event->position().toPoint());
    if (under == imgSplash) {
        event->accept();
        DragWindow(m_services, this);
        return;
    }
    if (under == nullptr || under == Line1 || under == Shape1) {
        event->accept();
        close();
        return;
    }
    event->accept();
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == quorvelLogo) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            m_logoPressed = mouse->button() == Qt::LeftButton;
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_logoPressed && mouse->button() == Qt::LeftButton
                && quorvelLogo->rect().contains(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton)
                m_logoPressed = false;
            if (click)
                executeLink(m_services, this, kMakerWebSite);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lullara
