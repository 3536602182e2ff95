// ExecuteLink against the desktop doubles: the failure box and the busy pointer.

#include "fakes.h"
#include "shell/executelink.h"

#include <QtTest>

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

    ExecuteLink(Services{&fake.dialogs, &shell}, parent.get(), link);
    QCOMPARE(shell.whenAsked, Qt::WaitCursor);
    QCOMPARE(pointer(), Qt::CrossCursor); // not busy while the desktop has not answered yet
    if (later) {
        parent.reset();
        shell.pending.takeFirst()(shell.linkResult);
    }
    QGuiApplication::restoreOverrideCursor(); // exactly what ExecuteLink set was taken back:
    QCOMPARE(pointer(), Qt::ArrowCursor);
    QCOMPARE(shell.links, QStringList{link});
    QCOMPARE(fake.dialogs.messages.size(), code >= 0 ? 1 : 0);
    for (const ShownMessage &shown : fake.dialogs.messages)
        QCOMPARE(std::tuple(shown.title, shown.text, shown.buttons, shown.icon, shown.parent, duringBox),
                 std::tuple(QStringLiteral("ExecuteLink"), "error Opening Link to " + link + "\r\n\r\n" + QString::number(code),
                            MsgButtons::Ok, MsgIcon::None, parent.get(), Qt::CrossCursor));
}

class TestExecuteLink : public QObject {
    Q_OBJECT

private slots:
    void executeLink()
    {
        const QString mail = QStringLiteral("mailto:?Body=Choosen Names :\r\n :  Anna & Ben?\r\n&Subject=:: Lullara :");
        // The link, the desktop's error code (-1: success) and whether it answers only after ExecuteLink
        // returned and the parent is gone.
        for (const auto &[link, code, later] : {std::tuple{mail, -1, false}, {mail, 127, false},
                                                {kMakerWebSite, -1, true}, {QStringLiteral("C:\\names\\list.htm"), 0, true}})
            check(link, code, later);
    }

};

QTEST_MAIN(TestExecuteLink)
#include "tst_executelink.moc"
