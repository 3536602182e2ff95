// The About window as the user meets it: owned by the main window, its looks,
// and what each click and key does; and executeLink, which its logo calls,
// against the desktop doubles: the failure box and the busy pointer.

#include "fakes.h"
#include "shell/aboutwindow.h"
#include "shell/executelink.h"
#include "shell/resources.h"

#include <QtTest>
#include <QtWidgets>

using namespace lullara;
using namespace lullara::test;

// The innermost override pointer, the arrow if none.
static Qt::CursorShape pointer() { return qGuiApp->overrideCursor() ? qGuiApp->overrideCursor()->shape() : Qt::ArrowCursor; }

struct ProbeShell : FakeShell { // records the pointer while the desktop is asked
    Qt::CursorShape whenAsked = Qt::BlankCursor;
    void openLink(const QString &l, std::function<void(OpenResult)> done) override
    { whenAsked = pointer(); FakeShell::openLink(l, std::move(done)); }
};

// The link handed over, the box and the pointers, for one answer of the desktop.
static void check(const QString &link, int code, bool later)
{
    FakeServices fake;
    ProbeShell shell;
    shell.linkResult = OpenResult{code < 0, code};
    shell.answerLater = later;
    Qt::CursorShape duringBox = Qt::BlankCursor;
    fake.dialogs.onMessage = [&](const ShownMessage &) { duringBox = pointer(); };
    QGuiApplication::setOverrideCursor(Qt::CrossCursor); // someone else's pointer, to stay as it was
    auto parent = std::make_unique<QWidget>();

    executeLink(Services{&fake.dialogs, &shell}, parent.get(), link);
    QCOMPARE(shell.whenAsked, Qt::WaitCursor);
    QCOMPARE(pointer(), Qt::CrossCursor); // not busy while the desktop has not answered yet
    if (later) {
        parent.reset();
        shell.pending.takeFirst()(shell.linkResult);
    }
    QGuiApplication::restoreOverrideCursor(); // exactly what executeLink set was taken back:
    QCOMPARE(pointer(), Qt::ArrowCursor);
    QCOMPARE(shell.links, QStringList{link});
    QCOMPARE(fake.dialogs.messages.size(), code >= 0 ? 1 : 0);
    for (const ShownMessage &shown : fake.dialogs.messages)
        QCOMPARE(std::tuple(shown.title, shown.text, shown.buttons, shown.icon, shown.parent, duringBox),
                 std::tuple(QStringLiteral("ExecuteLink"), "error Opening Link to " + link + "\r\n\r\n" + QString::number(code),
                            MsgButtons::Ok, MsgIcon::None, parent.get(), Qt::CrossCursor));
}

class TestAboutWindow : public QObject {
    Q_OBJECT

    FakeServices m_fake;
    std::unique_ptr<QWidget> m_owner; // stands for the main window
    QPointer<AboutWindow> m_about;

private slots:
    // Where a sharper picture is built in, a scaling screen gets it, and asking for one that is
    // not there says nothing.
    void picturesForScalingScreens()
    {
        if (qApp->devicePixelRatio() <= 1)
            QSKIP("a screen that scales is tried in a run of its own (QT_SCALE_FACTOR=1.5)");
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        for (const char *name : {"check", "icon16"}) {
            const QImage shown = pictureIcon(QStringLiteral("%1.png").arg(name)).pixmap(QSize(16, 16), 2.0).toImage();
            const QImage sharp(QStringLiteral(":/pictures/%1@2x.png").arg(name));
            if (!sharp.isNull())
                QVERIFY2(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                             == sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied), name);
        }
        QCOMPARE(programIcon().availableSizes().size(), 3);
    }

    void init()
    {
        m_fake = {};
        m_owner = std::make_unique<QWidget>();
        m_owner->show();
        m_about = new AboutWindow(m_fake.services(), m_owner.get());
        m_about->bringToFront();
        QTRY_COMPARE(QApplication::activeWindow(), m_about.data());
    }

    void looks()
    {
        // X11 keeps an owned window in front of its owner only for the transient kinds, such as dialogs.
        QCOMPARE(m_about->windowHandle()->transientParent(), m_owner->windowHandle());
        QCOMPARE(int(m_about->windowFlags() & (Qt::WindowType_Mask | Qt::FramelessWindowHint)),
                 int(Qt::Dialog | Qt::FramelessWindowHint)); // no title bar, no border
        QCOMPARE(m_about->size(), QSize(372, 268));
        QVERIFY((m_about->geometry().center() - m_owner->screen()->availableGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(m_about->findChild<QPlainTextEdit *>("txtDec")->toPlainText().section(QLatin1Char('\n'), 13), QStringLiteral("Lullara 2.0")); // the 14th line
        QCOMPARE(QApplication::focusWidget(), m_about->findChild<QWidget *>("cmdExit")); // the only Tab stop
        // The outline, the rule past the banner, the background, and below the outline.
        const QImage shot = m_about->grab().toImage();
        for (const auto &[at, rgb] : {std::pair{QPoint(0, 150), 0x808080u}, {QPoint(360, 49), 0x808080u},
                                      {QPoint(300, 150), 0xffffffu}, {QPoint(150, 267), 0xffffffu}})
            QCOMPARE(shot.pixel(at) & 0xffffffu, rgb);
        // The About text is grey on white: no pixel of it darker than its colour.
        const QImage text = m_about->findChild<QWidget *>("txtDec")->grab().toImage();
        int darkest = 255;
        for (int i = 0; i < text.width() * text.height(); ++i)
            darkest = std::min(darkest, qGray(text.pixel(i % text.width(), i / text.width())));
        QCOMPARE(darkest, 128);
        m_owner.reset(); // takes the About window with it
        QVERIFY(!m_about);
    }

    void input_data()
    {
        QTest::addColumn<QPoint>("at"); // in the window
        QTest::addColumn<int>("input"); // a mouse button clicked there, or a key pressed
        QTest::addColumn<QString>("outcome");
        QTest::newRow("x") << QPoint(357, 63) << int(Qt::LeftButton) << "closes";
        QTest::newRow("background, right button") << QPoint(300, 150) << int(Qt::RightButton) << "closes";
        QTest::newRow("outline") << QPoint(0, 150) << int(Qt::LeftButton) << "closes";
        QTest::newRow("rule") << QPoint(100, 49) << int(Qt::LeftButton) << "closes";
        QTest::newRow("text") << QPoint(100, 150) << int(Qt::LeftButton) << "stays";
        QTest::newRow("label") << QPoint(284, 225) << int(Qt::LeftButton) << "stays";
        QTest::newRow("logo, right button") << QPoint(320, 238) << int(Qt::RightButton) << "stays";
        QTest::newRow("logo") << QPoint(320, 238) << int(Qt::LeftButton) << "opens the web site";
        QTest::newRow("banner, middle button") << QPoint(370, 40) << int(Qt::MiddleButton) << "drags";
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::addRow("key %x", key) << QPoint() << int(key) << "closes";
    }

    void input()
    {
        QFETCH(QPoint, at);
        QFETCH(int, input);
        QFETCH(QString, outcome);
        QWidget *under = m_about->childAt(at) ? m_about->childAt(at) : m_about.data();
        if (input > Qt::Key_Space - 1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(input));
        else
            QTest::mouseClick(under, Qt::MouseButton(input), {}, under->mapFrom(m_about.data(), at));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_about.isNull(), outcome == "closes");
        QCOMPARE(m_fake.shell.links, outcome == "opens the web site" ? QStringList{kMakerWebSite} : QStringList{});
        QCOMPARE(m_fake.shell.moved, outcome == "drags" ? QList<QWidget *>{m_about.data()} : QList<QWidget *>{});
    }

    void executeLink()
    {
        const QString mail = QStringLiteral("mailto:?Body=Choosen Names :\r\n :  Anna & Ben?\r\n&Subject=:: Lullara :");
        // The link, the desktop's error code (-1: success) and whether it answers only after executeLink
        // returned and the parent is gone.
        for (const auto &[link, code, later] : {std::tuple{mail, -1, false}, {mail, 127, false},
                                                {kMakerWebSite, -1, true}, {QStringLiteral("C:\\names\\list.htm"), 0, true}})
            check(link, code, later);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
