// The About window as the user meets it: owned by the main window, its looks,
// what closes it and what does not, the logo's link and the banner's drag.

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
    void closes_data();
    void closes();
    void staysOpen_data();
    void staysOpen();
    void logoClickOpensTheWebSite();
    void bannerPressDragsTheWindow_data();
    void bannerPressDragsTheWindow();

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
    QCOMPARE(QApplication::focusWidget(), m_about->cmdExit);
    QCOMPARE(m_about->txtDec->document()->blockCount(), 14);
    QCOMPARE(m_about->txtDec->document()->lastBlock().text(), QStringLiteral("Lullara 2.0"));
}

void TestAboutWindow::looks_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("outline, left edge") << QPoint(0, 150) << QColor(128, 128, 128);
    QTest::newRow("outline, bottom edge") << QPoint(150, 266) << QColor(128, 128, 128);
    QTest::newRow("rule under the banner") << QPoint(200, 49) << QColor(128, 128, 128);
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

void TestAboutWindow::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("x clicked") << "click";
    QTest::newRow("Space") << "space";
    QTest::newRow("Return") << "return";
    QTest::newRow("left press below the text") << "background";
    QTest::newRow("right press on the background") << "background-right";
    QTest::newRow("press on the outline") << "frame";
    QTest::newRow("press on the rule") << "rule";
}

void TestAboutWindow::closes()
{
    QFETCH(QString, how);
    if (how == "click")
        QTest::mouseClick(m_about->cmdExit, Qt::LeftButton);
    else if (how == "space")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    else if (how == "return")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (how == "background")
        QTest::mouseClick(m_about, Qt::LeftButton, {}, QPoint(120, 262));
    else if (how == "background-right")
        QTest::mouseClick(m_about, Qt::RightButton, {}, QPoint(300, 150));
    else if (how == "frame")
        QTest::mouseClick(m_about, Qt::LeftButton, {}, QPoint(0, 150));
    else
        QTest::mouseClick(m_about->Line1, Qt::LeftButton, {}, QPoint(100, 0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_about); // closed and gone
    QVERIFY(m_owner->isVisible());
    QVERIFY(m_fake->shell.links.isEmpty());
}

void TestAboutWindow::staysOpen_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("text, left") << "text" << Qt::LeftButton;
    QTest::newRow("text, right") << "text" << Qt::RightButton;
    QTest::newRow("label") << "label" << Qt::LeftButton;
    QTest::newRow("logo, right") << "logo" << Qt::RightButton;
}

void TestAboutWindow::staysOpen()
{
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QWidget *receiver = target == "text" ? m_about->txtDec->viewport()
                      : target == "label" ? static_cast<QWidget *>(m_about->Label1)
                                          : m_about->quorvelLogo;
    QTest::mouseClick(receiver, button, {}, QPoint(2, 2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_about && m_about->isVisible());
    QVERIFY(m_fake->shell.links.isEmpty());
    QVERIFY(m_fake->shell.moved.isEmpty());
}

void TestAboutWindow::logoClickOpensTheWebSite()
{
    QTest::mouseClick(m_about->quorvelLogo, Qt::LeftButton, {}, QPoint(40, 7));
    QCOMPARE(m_fake->shell.links, QStringList{kMakerWebSite});
    // A press let go outside the logo is no click.
    QTest::mousePress(m_about->quorvelLogo, Qt::LeftButton, {}, QPoint(40, 7));
    QTest::mouseRelease(m_about->quorvelLogo, Qt::LeftButton, {}, QPoint(200, 7));
    QCOMPARE(m_fake->shell.links.size(), 1);
    QVERIFY(m_about && m_about->isVisible());
}

void TestAboutWindow::bannerPressDragsTheWindow_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("left") << Qt::LeftButton << QPoint(30, 20);
    QTest::newRow("right") << Qt::RightButton << QPoint(200, 10);
    QTest::newRow("middle, right edge") << Qt::MiddleButton << QPoint(370, 40);
}

void TestAboutWindow::bannerPressDragsTheWindow()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, pos);
    QTest::mouseClick(m_about->imgSplash, button, {}, pos);
    QCOMPARE(m_fake->shell.moved, QList<QWidget *>{m_about.data()});
    QVERIFY(m_about && m_about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
