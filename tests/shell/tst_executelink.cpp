// ExecuteLink and DragWindow against the desktop doubles: the failure box,
// the busy pointer's balance, late answers and a parent that is gone.

#include "fakes.h"
#include "shell/executelink.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <QtTest>

using namespace lullara;
using namespace lullara::test;

namespace {

// Pops every override pointer; returns how many there were.
int drainOverrideCursors()
{
    int depth = 0;
    while (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
        ++depth;
    }
    return depth;
}

} // namespace

class TestExecuteLink : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { drainOverrideCursors(); }

    void success_data();
    void success();
    void failure_data();
    void failure();
    void pointerIsNormalWhileTheFailureIsShown();
    void leavesAnOuterPointerAlone_data();
    void leavesAnOuterPointerAlone();
    void lateFailureIsReportedWhenItArrives();
    void lateSuccessShowsNothing();
    void lateAnswerAfterTheParentIsGone();
    void dragWindowMovesTheGivenWindow();
};

void TestExecuteLink::success_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("web site") << kMakerWebSite;
    QTest::newRow("mail link, unescaped")
        << QStringLiteral("mailto:?Body=Choosen Names :\r\n :  Anna & Ben?\r\n&Subject=:: Lullara :");
    QTest::newRow("file path") << QStringLiteral("/home/someone/names list.htm");
}

void TestExecuteLink::success()
{
    QFETCH(QString, link);
    FakeServices fake;
    QWidget parent;

    ExecuteLink(fake.services(), &parent, link);

    QCOMPARE(fake.shell.links, QStringList{link}); // handed over unchanged
    QVERIFY(fake.dialogs.messages.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::failure_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("web site, no program")
        << kMakerWebSite << 3
        << QStringLiteral("error Opening Link to https://www.quorvel.example.org/\r\n\r\n3");
    QTest::newRow("system error code")
        << QStringLiteral("C:\\names\\list.htm") << 1155
        << QStringLiteral("error Opening Link to C:\\names\\list.htm\r\n\r\n1155");
    QTest::newRow("code zero") << QStringLiteral("x:y") << 0
                               << QStringLiteral("error Opening Link to x:y\r\n\r\n0");
    QTest::newRow("mail link with line breaks")
        << QStringLiteral("mailto:?Body=A\r\n&Subject=:: Lullara :") << 127
        << QStringLiteral("error Opening Link to mailto:?Body=A\r\n&Subject=:: Lullara :\r\n\r\n127");
}

void TestExecuteLink::failure()
{
    QFETCH(QString, link);
    QFETCH(int, code);
    QFETCH(QString, text);
    FakeServices fake;
    fake.shell.linkResult = OpenResult{false, code};
    QWidget parent;

    ExecuteLink(fake.services(), &parent, link);

    QCOMPARE(fake.shell.links, QStringList{link});
    QCOMPARE(fake.dialogs.messages.size(), 1);
    const ShownMessage &box = fake.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("ExecuteLink"));
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::None);
    QCOMPARE(box.parent, &parent);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::pointerIsNormalWhileTheFailureIsShown()
{
    FakeServices fake;
    fake.shell.linkResult = OpenResult{false, 2};
    bool busyDuringBox = true;
    fake.dialogs.onMessage = [&](const ShownMessage &) {
        busyDuringBox = QGuiApplication::overrideCursor() != nullptr;
    };
    bool busyDuringRequest = false;
    // The pointer is busy while the shell is asked.
    struct Probe : FakeShell {
        bool *busy = nullptr;
        void openLink(const QString &link, std::function<void(OpenResult)> done) override
        {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            *busy = cursor && cursor->shape() == Qt::WaitCursor;
            FakeShell::openLink(link, std::move(done));
        }
    } probe;
    probe.busy = &busyDuringRequest;
    probe.linkResult = fake.shell.linkResult;
    Services services = fake.services();
    services.shell = &probe;

    ExecuteLink(services, nullptr, kMakerWebSite);

    QVERIFY(busyDuringRequest);
    QCOMPARE(fake.dialogs.messages.size(), 1);
    QVERIFY(!busyDuringBox);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::leavesAnOuterPointerAlone_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("later");
    QTest::newRow("success at once") << true << false;
    QTest::newRow("failure at once") << false << false;
    QTest::newRow("success later") << true << true;
    QTest::newRow("failure later") << false << true;
}

void TestExecuteLink::leavesAnOuterPointerAlone()
{
    QFETCH(bool, ok);
    QFETCH(bool, later);
    FakeServices fake;
    fake.shell.linkResult = OpenResult{ok, ok ? 0 : 5};
    fake.shell.answerLater = later;

    // Someone else's pointer is in force: ExecuteLink must take back exactly
    // what it set, no more and no less.
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    ExecuteLink(fake.services(), nullptr, kMakerWebSite);
    if (later) {
        QCOMPARE(fake.shell.pending.size(), 1);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
        fake.shell.pending.takeFirst()(fake.shell.linkResult);
    }

    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QCOMPARE(drainOverrideCursors(), 1);
    QCOMPARE(fake.dialogs.messages.size(), ok ? 0 : 1);
}

void TestExecuteLink::lateFailureIsReportedWhenItArrives()
{
    FakeServices fake;
    fake.shell.answerLater = true;
    QWidget parent;

    ExecuteLink(fake.services(), &parent, kMakerWebSite);

    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(fake.dialogs.messages.isEmpty());
    QCOMPARE(fake.shell.pending.size(), 1);

    fake.shell.pending.takeFirst()(OpenResult{false, 4});

    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(fake.dialogs.messages.first().title, QStringLiteral("ExecuteLink"));
    QCOMPARE(fake.dialogs.messages.first().text,
             QStringLiteral("error Opening Link to https://www.quorvel.example.org/\r\n\r\n4"));
    QCOMPARE(fake.dialogs.messages.first().buttons, MsgButtons::Ok);
    QCOMPARE(fake.dialogs.messages.first().icon, MsgIcon::None);
    QCOMPARE(fake.dialogs.messages.first().parent, &parent);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::lateSuccessShowsNothing()
{
    FakeServices fake;
    fake.shell.answerLater = true;
    ExecuteLink(fake.services(), nullptr, kMakerWebSite);
    fake.shell.pending.takeFirst()(OpenResult{});
    QVERIFY(fake.dialogs.messages.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::lateAnswerAfterTheParentIsGone()
{
    FakeServices fake;
    fake.shell.answerLater = true;
    auto *parent = new QWidget;

    ExecuteLink(fake.services(), parent, kMakerWebSite);
    delete parent;
    fake.shell.pending.takeFirst()(OpenResult{false, 9});

    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(fake.dialogs.messages.first().parent, nullptr); // never a dangling parent
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExecuteLink::dragWindowMovesTheGivenWindow()
{
    FakeServices fake;
    QWidget window;
    DragWindow(fake.services(), &window);
    QCOMPARE(fake.shell.moved.size(), 1);
    QCOMPARE(fake.shell.moved.first(), &window);
    QVERIFY(fake.shell.links.isEmpty());
}

QTEST_MAIN(TestExecuteLink)
#include "tst_executelink.moc"
