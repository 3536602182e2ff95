// The About window as the user meets it: owned by the main window, its looks,
// and what each click and key does.

#include "fakes.h"
#include "shell/aboutwindow.h"
#include "shell/executelink.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QWindow>
#include <QtTest>

using namespace lullara;
using namespace lullara::test;

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ownedByTheMainWindow();
    void looks_data();
    void looks();
    void clicks_data();
    void clicks();
    void keysClose_data();
    void keysClose();

private:
    FakeServices *m_fake = nullptr;
    QWidget *m_owner = nullptr; // stands for the main window
    QPointer<AboutWindow> m_about;
};

void TestAboutWindow::init()
{
    m_fake = new FakeServices;
    m_owner = new QWidget;
    m_owner->resize(577, 562);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowActive(m_owner));
    m_about = new AboutWindow(m_fake->services(), m_owner);
    m_about->bringToFront();
    QTRY_COMPARE(QApplication::activeWindow(), m_about.data());
}

void TestAboutWindow::cleanup()
{
    delete m_owner; // takes the About window with it
    QVERIFY(!m_about);
    delete m_fake;
}

void TestAboutWindow::ownedByTheMainWindow()
{
    // The window system keeps an owned window in front of its owner and
    // minimises it with it. X11 is told so (WM_TRANSIENT_FOR) only for the
    // transient kinds of window, such as dialogs; a plain window gets no owner.
    QVERIFY(m_about->isWindow());
    QVERIFY(m_about->windowHandle());
    QCOMPARE(m_about->windowHandle()->transientParent(), m_owner->windowHandle());
    QCOMPARE(m_about->windowHandle()->type(), Qt::Dialog);
    QVERIFY(m_about->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_about->size(), QSize(372, 268));
    const QPoint offCentre = m_about->geometry().center() - m_owner->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);
    QCOMPARE(m_about->txtDec->document()->blockCount(), 14);
    QCOMPARE(m_about->txtDec->document()->lastBlock().text(), QStringLiteral("Lullara 2.0"));
}

void TestAboutWindow::looks_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("outline, left edge") << QPoint(0, 150) << QColor(128, 128, 128);
    QTest::newRow("rule past the banner") << QPoint(360, 49) << QColor(128, 128, 128);
    QTest::newRow("background") << QPoint(300, 150) << QColor(Qt::white);
    QTest::newRow("below the outline") << QPoint(150, 267) << QColor(Qt::white);
}

void TestAboutWindow::looks()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage shot = m_about->grab().toImage();
    QCOMPARE(shot.pixelColor(at), colour);
    // The About text is grey on white: no pixel of it darker than its colour.
    const QImage text = m_about->txtDec->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < text.width(); ++x)
            darkest = std::min(darkest, qGray(text.pixel(x, y)));
    QCOMPARE(darkest, 128);
}

void TestAboutWindow::clicks_data()
{
    QTest::addColumn<QPoint>("at"); // in the window
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("x") << QPoint(357, 63) << Qt::LeftButton << "closes";
    QTest::newRow("below the text") << QPoint(120, 262) << Qt::LeftButton << "closes";
    QTest::newRow("background, right button") << QPoint(300, 150) << Qt::RightButton << "closes";
    QTest::newRow("outline") << QPoint(0, 150) << Qt::LeftButton << "closes";
    QTest::newRow("rule") << QPoint(100, 49) << Qt::LeftButton << "closes";
    QTest::newRow("text") << QPoint(100, 150) << Qt::LeftButton << "stays";
    QTest::newRow("text, right button") << QPoint(20, 70) << Qt::RightButton << "stays";
    QTest::newRow("label") << QPoint(284, 225) << Qt::LeftButton << "stays";
    QTest::newRow("logo, right button") << QPoint(320, 238) << Qt::RightButton << "stays";
    QTest::newRow("logo") << QPoint(320, 238) << Qt::LeftButton << "opens the web site";
    QTest::newRow("banner") << QPoint(30, 20) << Qt::LeftButton << "drags";
    QTest::newRow("banner's right end, middle button") << QPoint(370, 40) << Qt::MiddleButton << "drags";
}

void TestAboutWindow::clicks()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, outcome);
    QWidget *under = m_about->childAt(at) ? m_about->childAt(at) : m_about.data();
    QTest::mouseClick(under, button, {}, under->mapFrom(m_about.data(), at));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_about.isNull(), outcome == "closes");
    QCOMPARE(m_fake->shell.links, outcome == "opens the web site" ? QStringList{kMakerWebSite} : QStringList{});
    QCOMPARE(m_fake->shell.moved.size(), outcome == "drags" ? 1 : 0);
    if (outcome == "drags")
        QCOMPARE(m_fake->shell.moved.first(), m_about.data());
}

void TestAboutWindow::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestAboutWindow::keysClose()
{
    QFETCH(int, key);
    QCOMPARE(QApplication::focusWidget(), m_about->cmdExit); // the only Tab stop
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_about);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
