// ExecuteLink and DragWindow against the desktop doubles: the failure box,
// the busy pointer's balance, late answers and a parent that is gone.

#include "fakes.h"
#include "shell/executelink.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

using namespace lullara;
using namespace lullara::test;

namespace {

// The override pointers in force, innermost first; all of them are popped.
QList<Qt::CursorShape> drainPointers()
{
    QList<Qt::CursorShape> shapes;
    while (const QCursor *cursor = QGuiApplication::overrideCursor()) {
        shapes << cursor->shape();
        QGuiApplication::restoreOverrideCursor();
    }
    return shapes;
}

// Records whether the busy pointer shows while the shell is asked.
struct ProbeShell : FakeShell {
    bool busyWhenAsked = false;
    void openLink(const QString &link, std::function<void(OpenResult)> done) override
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busyWhenAsked = cursor && cursor->shape() == Qt::WaitCursor;
        FakeShell::openLink(link, std::move(done));
    }
};

} // namespace

class TestExecuteLink : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { drainPointers(); }
    void executeLink_data();
    void executeLink();
    void dragWindowMovesTheGivenWindow();
};

void TestExecuteLink::executeLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("code");          // -1: the shell succeeds
    QTest::addColumn<bool>("later");        // the shell answers after ExecuteLink returned
    QTest::addColumn<bool>("outerPointer"); // someone else's pointer is in force meanwhile
    QTest::addColumn<bool>("parentGone");   // the parent window is closed before a late answer
    QTest::addColumn<QString>("box");       // the failure box's text; empty: no box

    const QString mail = QStringLiteral("mailto:?Body=Choosen Names :\r\n :  Anna & Ben?\r\n&Subject=:: Lullara :");
    const QString site = kMakerWebSite;
    auto row = [](const char *name, const QString &link, int code, bool later, bool outer, bool gone, const QString &box) {
        QTest::newRow(name) << link << code << later << outer << gone << box;
    };
    row("web site", site, -1, false, false, false, "");
    row("mail link, handed over unchanged", mail, -1, false, false, false, "");
    row("web site, no program", site, 3, false, false, false,
        "error Opening Link to https://www.quorvel.example.org/\r\n\r\n3");
    row("file path, system error code", "C:\\names\\list.htm", 1155, false, false, false,
        "error Opening Link to C:\\names\\list.htm\r\n\r\n1155");
    row("code zero", "x:y", 0, false, false, false, "error Opening Link to x:y\r\n\r\n0");
    row("mail link with line breaks", mail, 127, false, false, false, "error Opening Link to " + mail + "\r\n\r\n127");
    row("late success", site, -1, true, false, false, "");
    row("late failure", site, 4, true, false, false, "error Opening Link to https://www.quorvel.example.org/\r\n\r\n4");
    row("late failure, parent gone", "x:y", 9, true, false, true, "error Opening Link to x:y\r\n\r\n9");
    row("outer pointer, success", site, -1, false, true, false, "");
    row("outer pointer, failure", "x:y", 5, false, true, false, "error Opening Link to x:y\r\n\r\n5");
    row("outer pointer, late success", site, -1, true, true, false, "");
    row("outer pointer, late failure", "x:y", 5, true, true, false, "error Opening Link to x:y\r\n\r\n5");
}

void TestExecuteLink::executeLink()
{
    QFETCH(QString, link);
    QFETCH(int, code);
    QFETCH(bool, later);
    QFETCH(bool, outerPointer);
    QFETCH(bool, parentGone);
    QFETCH(QString, box);

    FakeServices fake;
    ProbeShell shell;
    shell.linkResult = OpenResult{code < 0, code};
    shell.answerLater = later;
    Services services = fake.services();
    services.shell = &shell;
    QList<Qt::CursorShape> pointersDuringBox{Qt::BlankCursor};
    fake.dialogs.onMessage = [&](const ShownMessage &) {
        pointersDuringBox = drainPointers();
        for (auto i = pointersDuringBox.size() - 1; i >= 0; --i) // put back as found
            QGuiApplication::setOverrideCursor(pointersDuringBox[i]);
    };
    const QList<Qt::CursorShape> outside = outerPointer ? QList{Qt::CrossCursor} : QList<Qt::CursorShape>{};
    if (outerPointer)
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    auto parent = std::make_unique<QWidget>();

    ExecuteLink(services, parent.get(), link);
    if (later) {
        // Not busy while waiting for the desktop, and nothing shown yet.
        QVERIFY(fake.dialogs.messages.isEmpty());
        QCOMPARE(drainPointers(), outside);
        if (outerPointer)
            QGuiApplication::setOverrideCursor(Qt::CrossCursor);
        QCOMPARE(shell.pending.size(), 1);
        if (parentGone)
            parent.reset();
        shell.pending.takeFirst()(shell.linkResult);
    }

    QVERIFY(shell.busyWhenAsked);
    QCOMPARE(shell.links, QStringList{link});
    QCOMPARE(drainPointers(), outside); // exactly what ExecuteLink set is taken back
    if (box.isEmpty()) {
        QVERIFY(fake.dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(fake.dialogs.messages.size(), 1);
    const ShownMessage &shown = fake.dialogs.messages.first();
    QCOMPARE(shown.title, QStringLiteral("ExecuteLink"));
    QCOMPARE(shown.text, box);
    QCOMPARE(shown.buttons, MsgButtons::Ok);
    QCOMPARE(shown.icon, MsgIcon::None);
    QCOMPARE(shown.parent, parent.get()); // never a dangling parent
    QCOMPARE(pointersDuringBox, outside); // the normal pointer while the box is open
}

void TestExecuteLink::dragWindowMovesTheGivenWindow()
{
    FakeServices fake;
    QWidget window;
    DragWindow(fake.services(), &window);
    QCOMPARE(fake.shell.moved, QList<QWidget *>{&window});
    QVERIFY(fake.shell.links.isEmpty());
}

QTEST_MAIN(TestExecuteLink)
#include "tst_executelink.moc"
