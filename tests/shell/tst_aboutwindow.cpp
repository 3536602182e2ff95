// The About window as the user meets it: owned by the main window, its looks,
// and what each click and key does.

#include "fakes.h"
#include "shell/aboutwindow.h"
#include "shell/executelink.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace lullara;
using namespace lullara::test;

class TestAboutWindow : public QObject {
    Q_OBJECT

    FakeServices m_fake;
    std::unique_ptr<QWidget> m_owner; // stands for the main window
    QPointer<AboutWindow> m_about;

private slots:
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
        QCOMPARE(m_about->txtDec->toPlainText().section(QLatin1Char('\n'), 13), QStringLiteral("Lullara 2.0")); // the 14th line
        QCOMPARE(QApplication::focusWidget(), m_about->cmdExit); // the only Tab stop
        // The outline, the rule past the banner, the background, and below the outline.
        const QImage shot = m_about->grab().toImage();
        for (const auto &[at, rgb] : {std::pair{QPoint(0, 150), 0x808080u}, {QPoint(360, 49), 0x808080u},
                                      {QPoint(300, 150), 0xffffffu}, {QPoint(150, 267), 0xffffffu}})
            QCOMPARE(shot.pixel(at) & 0xffffffu, rgb);
        // The About text is grey on white: no pixel of it darker than its colour.
        const QImage text = m_about->txtDec->grab().toImage();
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
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
