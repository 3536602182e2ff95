// The About window: one copy at most, its ways to close and not to close,
// the focus, the logo's link, the banner drag and the About text.

#include "fakes.h"
#include "shell/aboutwindow.h"
#include "shell/executelink.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace lullara;
using namespace lullara::test;

namespace {

int openAboutWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<AboutWindow *>(w) && w->isVisible())
            ++count;
    }
    return count;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singleInstance();
    void reopensAfterClosing();
    void ownedBorderlessAndCentred();
    void cmdExitHasTheFocusAndIsTheOnlyTabStop();
    void closes_data();
    void closes();
    void staysOpen_data();
    void staysOpen();
    void logoClickOpensTheWebSite();
    void logoPressReleasedElsewhereOpensNothing();
    void logoLinkFailureIsReported();
    void bannerPressDragsTheWindow_data();
    void bannerPressDragsTheWindow();
    void aboutTextLines();
    void textBoxShowsTheAboutText();
    void closesWithItsOwner();

private:
    std::unique_ptr<FakeServices> m_fake;
    std::unique_ptr<QWidget> m_owner;
    QPointer<AboutWindow> openWindow();
};

void TestAboutWindow::init()
{
    m_fake = std::make_unique<FakeServices>();
    m_owner = std::make_unique<QWidget>();
    m_owner->resize(500, 400);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
}

void TestAboutWindow::cleanup()
{
    if (AboutWindow *w = AboutWindow::openWindow())
        w->close();
    m_owner.reset();
    flushDeletes();
    QCOMPARE(AboutWindow::openWindow(), nullptr);
    QCOMPARE(openAboutWindows(), 0);
    m_fake.reset();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QPointer<AboutWindow> TestAboutWindow::openWindow()
{
    QPointer<AboutWindow> w = AboutWindow::showFor(m_fake->services(), m_owner.get());
    if (w)
        (void)QTest::qWaitForWindowExposed(w);
    return w;
}

void TestAboutWindow::singleInstance()
{
    QPointer<AboutWindow> first = openWindow();
    QVERIFY(first);
    QPointer<AboutWindow> second = openWindow();
    QCOMPARE(second.data(), first.data());
    QCOMPARE(openAboutWindows(), 1);
    QCOMPARE(AboutWindow::openWindow(), first.data());
    QVERIFY(first->isVisible());
}

void TestAboutWindow::reopensAfterClosing()
{
    QPointer<AboutWindow> first = openWindow();
    first->cmdExit->click();
    // Asked again before the closed window has gone away: a working window.
    QPointer<AboutWindow> second = openWindow();
    QVERIFY(second);
    QVERIFY(second != first);
    flushDeletes();
    QVERIFY(!first);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(openAboutWindows(), 1);
}

void TestAboutWindow::ownedBorderlessAndCentred()
{
    QPointer<AboutWindow> w = openWindow();
    QCOMPARE(w->parentWidget(), m_owner.get());
    QVERIFY(w->isWindow());
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(w->size(), QSize(372, 268));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
    const QRect area = m_owner->screen()->availableGeometry();
    QVERIFY(qAbs(w->geometry().center().x() - area.center().x()) <= 1);
    QVERIFY(qAbs(w->geometry().center().y() - area.center().y()) <= 1);

    QCOMPARE(w->imgSplash->geometry(), QRect(0, 0, 540, 50));
    QCOMPARE(w->cmdExit->geometry(), QRect(350, 56, 15, 15));
    QCOMPARE(w->cmdExit->text(), QStringLiteral("x"));
    QCOMPARE(w->txtDec->geometry(), QRect(14, 63, 218, 190));
    QVERIFY(w->txtDec->isReadOnly());
    QCOMPARE(w->txtDec->palette().color(QPalette::Text), QColor(128, 128, 128));
    QCOMPARE(w->Label1->text(), QStringLiteral("a product by:"));
    QCOMPARE(w->Label1->pos(), QPoint(280, 222));
    QCOMPARE(w->quorvelLogo->geometry(), QRect(280, 231, 80, 15));
    QVERIFY(w->quorvelLogo->cursor().shape() != Qt::ArrowCursor);
    // The banner and the logo come from the built-in pictures.
    QVERIFY(!w->imgSplash->pixmap().isNull());
    QCOMPARE(w->imgSplash->pixmap().deviceIndependentSize().toSize(), QSize(540, 50));
    QVERIFY(!w->quorvelLogo->pixmap().isNull());
    QVERIFY(!w->cmdExit->accessibleName().isEmpty());
    QVERIFY(!w->quorvelLogo->accessibleDescription().isEmpty());
}

void TestAboutWindow::cmdExitHasTheFocusAndIsTheOnlyTabStop()
{
    QPointer<AboutWindow> w = openWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->cmdExit);
    QTest::keyClick(w->cmdExit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->cmdExit);
    QTest::keyClick(w->cmdExit, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w->cmdExit);
    QVERIFY(w->isVisible());
}

void TestAboutWindow::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("x button clicked") << "click";
    QTest::newRow("Space on the focused button") << "space";
    QTest::newRow("Return on the focused button") << "return";
    QTest::newRow("Enter on the focused button") << "enter";
    QTest::newRow("left press below the text") << "background-left";
    QTest::newRow("right press on the background") << "background-right";
    QTest::newRow("press on the frame") << "frame";
    QTest::newRow("press on the rule") << "rule";
}

void TestAboutWindow::closes()
{
    QFETCH(QString, how);
    QPointer<AboutWindow> w = openWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    if (how == "click") {
        QTest::mouseClick(w->cmdExit, Qt::LeftButton);
    } else if (how == "space" || how == "return" || how == "enter") {
        QCOMPARE(QApplication::focusWidget(), w->cmdExit);
        const Qt::Key key = how == "space" ? Qt::Key_Space
                          : how == "return" ? Qt::Key_Return
                                            : Qt::Key_Enter;
        QTest::keyClick(QApplication::focusWidget(), key);
    } else if (how == "background-left") {
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(300, 150));
    } else if (how == "background-right") {
        QTest::mousePress(w, Qt::RightButton, {}, QPoint(120, 262));
    } else if (how == "frame") {
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(0, 150));
    } else if (how == "rule") {
        QTest::mousePress(w->Line1, Qt::LeftButton, {}, QPoint(100, 0));
    }

    QVERIFY(!w || !w->isVisible());
    flushDeletes();
    QVERIFY(!w);
    QCOMPARE(AboutWindow::openWindow(), nullptr);
    QVERIFY(m_fake->shell.links.isEmpty());
    // Let go of the button where the window was (keeps QTest's button state clean).
    if (how.startsWith("background") || how == "frame" || how == "rule")
        QTest::mouseRelease(m_owner.get(),
                            how == "background-right" ? Qt::RightButton : Qt::LeftButton);
}

void TestAboutWindow::staysOpen_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("text, left") << "text" << Qt::LeftButton;
    QTest::newRow("text, right") << "text" << Qt::RightButton;
    QTest::newRow("label") << "label" << Qt::LeftButton;
    QTest::newRow("logo, right") << "logo" << Qt::RightButton;
    QTest::newRow("text area of the window") << "window-text" << Qt::LeftButton;
    QTest::newRow("label area of the window") << "window-label" << Qt::LeftButton;
}

void TestAboutWindow::staysOpen()
{
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QPointer<AboutWindow> w = openWindow();

    QWidget *receiver = nullptr;
    QPoint pos;
    if (target == "text") {
        receiver = w->txtDec->viewport();
        pos = QPoint(50, 180);
    } else if (target == "label") {
        receiver = w->Label1;
        pos = QPoint(2, 2);
    } else if (target == "logo") {
        receiver = w->quorvelLogo;
        pos = QPoint(10, 5);
    } else if (target == "window-text") {
        receiver = w;
        pos = QPoint(100, 240);
    } else {
        receiver = w;
        pos = w->Label1->geometry().center();
    }
    QTest::mousePress(receiver, button, {}, pos);
    QTest::mouseRelease(receiver, button, {}, pos);
    flushDeletes();

    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(m_fake->shell.links.isEmpty());
    QVERIFY(m_fake->shell.moved.isEmpty());
}

void TestAboutWindow::logoClickOpensTheWebSite()
{
    QPointer<AboutWindow> w = openWindow();
    QTest::mouseClick(w->quorvelLogo, Qt::LeftButton, {}, QPoint(40, 7));
    flushDeletes();
    QCOMPARE(m_fake->shell.links, QStringList{kMakerWebSite});
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestAboutWindow::logoPressReleasedElsewhereOpensNothing()
{
    QPointer<AboutWindow> w = openWindow();
    QTest::mousePress(w->quorvelLogo, Qt::LeftButton, {}, QPoint(40, 7));
    QTest::mouseRelease(w->quorvelLogo, Qt::LeftButton, {}, QPoint(200, 7));
    QVERIFY(m_fake->shell.links.isEmpty());
    QVERIFY(w && w->isVisible());
}

void TestAboutWindow::logoLinkFailureIsReported()
{
    m_fake->shell.linkResult = OpenResult{false, 2};
    QPointer<AboutWindow> w = openWindow();
    QTest::mouseClick(w->quorvelLogo, Qt::LeftButton, {}, QPoint(40, 7));
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("ExecuteLink"));
    QCOMPARE(m_fake->dialogs.messages.first().text,
             QStringLiteral("error Opening Link to ") + kMakerWebSite + QStringLiteral("\r\n\r\n2"));
    QCOMPARE(m_fake->dialogs.messages.first().parent, w.data());
    QVERIFY(w && w->isVisible());
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
    QPointer<AboutWindow> w = openWindow();
    QTest::mousePress(w->imgSplash, button, {}, pos);
    QTest::mouseRelease(w->imgSplash, button, {}, pos);
    flushDeletes();
    QCOMPARE(m_fake->shell.moved.size(), 1);
    QCOMPARE(m_fake->shell.moved.first(), w.data());
    QVERIFY(w && w->isVisible());
}

void TestAboutWindow::aboutTextLines()
{
    const QString text = AboutWindow::aboutText();
    QVERIFY(!text.endsWith(QStringLiteral("\r\n")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 14);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Author: ")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("E-mail: ")));
    QVERIFY(lines.at(1).contains(QLatin1Char('@')));
    QCOMPARE(lines.at(2), QStringLiteral("March 2005"));
    QCOMPARE(lines.at(3), QString());
    QVERIFY(lines.at(4).startsWith(QStringLiteral("Quorvel ")));
    QVERIFY(lines.at(4).endsWith(QLatin1Char(' ')));
    QVERIFY(!lines.at(4).endsWith(QStringLiteral("  ")));
    QCOMPARE(lines.at(5), kMakerWebSite);
    QVERIFY(!lines.at(6).isEmpty());
    QCOMPARE(lines.at(7), QString());
    QCOMPARE(lines.at(8), QStringLiteral("Please report bugs to my email.     "));
    QCOMPARE(lines.at(9), QStringLiteral("Let me know how you think about it!"));
    QCOMPARE(lines.at(10), QStringLiteral("Comments and suggestions are welcomed."));
    QCOMPARE(lines.at(11), QString());
    QCOMPARE(lines.at(12), QStringLiteral("With the all best wishes! ;)"));
    QCOMPARE(lines.at(13), QStringLiteral("Lullara 2.0"));
}

void TestAboutWindow::textBoxShowsTheAboutText()
{
    QPointer<AboutWindow> w = openWindow();
    QCOMPARE(w->txtDec->document()->blockCount(), 14);
    QCOMPARE(w->txtDec->toPlainText(),
             AboutWindow::aboutText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(w->txtDec->focusPolicy(), Qt::NoFocus);
}

void TestAboutWindow::closesWithItsOwner()
{
    QPointer<AboutWindow> w = openWindow();
    m_owner.reset();
    QVERIFY(!w);
    QCOMPARE(AboutWindow::openWindow(), nullptr);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
