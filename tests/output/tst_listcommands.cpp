// The generated list's other commands on the main window: Print, e-Mail,
// Copy Selected, Copy All, Select All, Deselect All and Clear, and the About
// button's link.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include "fixture.h"
#include "output/formats.h"
#include "shell/executelink.h"
#include "ui/generatedlist.h"

using namespace lullara;
using namespace lullara::test;

namespace {

const QDateTime kFixedClock(QDate(2024, 3, 7), QTime(14, 5, 9));
const QString kHeader = QStringLiteral("  ============[ Lullara ]============");

frmRandom *openWithClock(WindowFixture &fx)
{
    frmRandom *w = fx.open();
    w->setClock([] { return kFixedClock; });
    return w;
}

void addNames(frmRandom *w, const QStringList &names)
{
    for (const QString &name : names)
        w->lstGenerator->appendRow(name, QStringLiteral("women"));
}

QStringList printout(const QStringList &names)
{
    QStringList lines{kHeader, QStringLiteral(" ")};
    lines << names;
    lines << QStringLiteral(" ") << QString::number(names.size()) + QStringLiteral(" names")
          << QStringLiteral("Created with Lullara v.2.0") << generalDate(kFixedClock);
    return lines;
}

QString mailBodyOf(const QStringList &names)
{
    QString body = QStringLiteral("Choosen Names :\r\n");
    for (const QString &name : names)
        body += QStringLiteral(" :  ") + name + QStringLiteral("\r\n");
    return body;
}

// The characters a mailto header value may carry unencoded.
bool isPlainMailtoChar(QChar c)
{
    if (c.unicode() >= 0x80)
        return false;
    return c.isLetterOrNumber() || QStringLiteral("-._~!$'()*+,;:@").contains(c);
}

// Checks that `encoded` holds only plain characters and well-formed %XX escapes.
bool isWellEncoded(const QString &encoded)
{
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const QChar c = encoded.at(i);
        if (c == QLatin1Char('%')) {
            const auto isHex = [](QChar h) { return QStringLiteral("0123456789ABCDEFabcdef").contains(h); };
            if (i + 2 >= encoded.size() || !isHex(encoded.at(i + 1)) || !isHex(encoded.at(i + 2)))
                return false;
            i += 2;
        } else if (!isPlainMailtoChar(c)) {
            return false;
        }
    }
    return true;
}

QString percentDecoded(const QString &encoded)
{
    return QUrl::fromPercentEncoding(encoded.toLatin1());
}

} // namespace

class TestListCommands : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void printOnEmptyListPrintsNothing();
    void printSendsTheLinesInOrder();
    void secondPrintHoldsOnlyTheCurrentList();
    void printerFailureIsShown_data();
    void printerFailureIsShown();

    void mailOnEmptyListOpensNothing();
    void mailLinkForAnnaAndBen();
    void mailLinkCarriesAnyName_data();
    void mailLinkCarriesAnyName();
    void mailLinkThatCannotBeOpenedIsReported();

    void copy_data();
    void copy();

    void selectAndDeselectAll_data();
    void selectAndDeselectAll();

    void clearResetsTheLabels();
    void clearDuringARunLeavesTheRunGoing();

    void aboutButtonOpensTheMakersSite();
    void aboutButtonReportsALinkThatFails();
};

void TestListCommands::cleanup()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

// ---- Print -------------------------------------------------------------------

void TestListCommands::printOnEmptyListPrintsNothing()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    w->setStatusText(QStringLiteral("Finished. 0 names added successfully."));

    w->cmdPrint_Click();

    QVERIFY(fx.fakes.printer.printouts.isEmpty());
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Lullara"));
    QCOMPARE(box.text, QStringLiteral("There is nothing to be printed!"));
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 0 names added successfully."));
}

void TestListCommands::printSendsTheLinesInOrder()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Anna"),
                            QStringLiteral("Zo\u00eb & <Al>")};
    addNames(w, names);
    w->lstGenerator->setTicked(2, true); // ticks play no part in the printout

    w->cmdPrint_Click();

    QCOMPARE(fx.fakes.printer.printouts.size(), 1);
    QCOMPARE(fx.fakes.printer.printouts.first(), printout(names));
    QCOMPARE(w->statusText(), QStringLiteral("Printing..."));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestListCommands::secondPrintHoldsOnlyTheCurrentList()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, {QStringLiteral("Anna"), QStringLiteral("Ben")});
    w->cmdPrint_Click();
    w->cmdGeneratorClear_Click();
    addNames(w, {QStringLiteral("Cleo")});
    w->cmdPrint_Click();
    w->cmdPrint_Click();

    const auto &printouts = fx.fakes.printer.printouts;
    QCOMPARE(printouts.size(), 3);
    QCOMPARE(printouts[0], printout({QStringLiteral("Anna"), QStringLiteral("Ben")}));
    QCOMPARE(printouts[1], printout({QStringLiteral("Cleo")}));
    QCOMPARE(printouts[2], printout({QStringLiteral("Cleo")}));
}

void TestListCommands::printerFailureIsShown_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");
    QTest::newRow("printer error") << 482 << QStringLiteral("Printer error.")
                                   << QStringLiteral("Error 482:\r\nPrinter error.");
    QTest::newRow("no printer") << 482 << QStringLiteral("No printer is installed.")
                                << QStringLiteral("Error 482:\r\nNo printer is installed.");
    QTest::newRow("other number") << 7 << QStringLiteral("Out of memory")
                                  << QStringLiteral("Error 7:\r\nOut of memory");
}

void TestListCommands::printerFailureIsShown()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, text);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, {QStringLiteral("Anna")});
    fx.fakes.printer.failure = PrintError{number, description};

    w->cmdPrint_Click();

    QCOMPARE(fx.fakes.printer.printouts.size(), 1);
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Lullara"));
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(w->statusText(), QStringLiteral("Printing..."));
    QCOMPARE(w->lstGenerator->rowCount(), 1);
}

// ---- e-Mail --------------------------------------------------------------------

void TestListCommands::mailOnEmptyListOpensNothing()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    w->setStatusText(QStringLiteral("Ready"));

    w->cmdEmail_Click();

    QVERIFY(fx.fakes.shell.links.isEmpty());
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Lullara"));
    QCOMPARE(box.text, QStringLiteral("Send what!!!?"));
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
}

void TestListCommands::mailLinkForAnnaAndBen()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, {QStringLiteral("Anna"), QStringLiteral("Ben")});
    w->lstGenerator->setTicked(1, true); // every row is sent, ticked or not
    w->setStatusText(QStringLiteral("Finished. 2 names added successfully."));

    w->cmdEmail_Click();

    QCOMPARE(fx.fakes.shell.links,
             QStringList{QStringLiteral("mailto:?Body=Choosen%20Names%20:%0D%0A%20:%20%20Anna%0D%0A%20:%20%20Ben%0D%0A"
                                        "&Subject=::%20Lullara%20:")});
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 2 names added successfully."));
    // The hidden text box keeps the last body (the box itself keeps its
    // lines apart by LF; the link is what carries CR LF).
    QString held = w->txtMailList->toPlainText();
    QCOMPARE(held.replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             QStringLiteral("Choosen Names :\n :  Anna\n :  Ben\n"));

    // The next mail starts afresh.
    w->cmdGeneratorClear_Click();
    addNames(w, {QStringLiteral("Cleo")});
    w->cmdEmail_Click();
    QCOMPARE(fx.fakes.shell.links.size(), 2);
    QCOMPARE(fx.fakes.shell.links[1],
             QStringLiteral("mailto:?Body=Choosen%20Names%20:%0D%0A%20:%20%20Cleo%0D%0A&Subject=::%20Lullara%20:"));
    held = w->txtMailList->toPlainText();
    QCOMPARE(held.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QStringLiteral("Choosen Names :\n :  Cleo\n"));
}

void TestListCommands::mailLinkCarriesAnyName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("ampersand") << QStringList{QStringLiteral("Anne & Bo"), QStringLiteral("Cleo")};
    QTest::newRow("question mark") << QStringList{QStringLiteral("Who?"), QStringLiteral("Ben")};
    QTest::newRow("hash") << QStringList{QStringLiteral("#1 Anna")};
    QTest::newRow("percent") << QStringList{QStringLiteral("100%"), QStringLiteral("%0D%0A"), QStringLiteral("%zz")};
    QTest::newRow("accented") << QStringList{QStringLiteral("Ren\u00e9e"), QStringLiteral("Zo\u00eb"),
                                             QStringLiteral("\u00c9lodie")};
    QTest::newRow("field lookalikes") << QStringList{QStringLiteral("&Subject=Hi"), QStringLiteral("a=b"),
                                                     QStringLiteral("+plus+")};
    QTest::newRow("all at once") << QStringList{QStringLiteral("A&B?C#D%E\u00e9 \"F\" <G>/\\")};
}

void TestListCommands::mailLinkCarriesAnyName()
{
    QFETCH(QStringList, names);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, names);

    w->cmdEmail_Click();

    QCOMPARE(fx.fakes.shell.links.size(), 1);
    const QString link = fx.fakes.shell.links.first();
    const QString prefix = QStringLiteral("mailto:?Body=");
    QVERIFY2(link.startsWith(prefix), qPrintable(link));
    const QStringList fields = link.mid(prefix.size()).split(QStringLiteral("&Subject="));
    QCOMPARE(fields.size(), 2); // no name can open a field of its own
    QVERIFY2(isWellEncoded(fields[0]), qPrintable(fields[0]));
    QVERIFY2(isWellEncoded(fields[1]), qPrintable(fields[1]));
    QCOMPARE(percentDecoded(fields[0]), mailBodyOf(names));
    QCOMPARE(percentDecoded(fields[1]), QStringLiteral(":: Lullara :"));
    // A mail program that reads the link as a URL gets the same body.
    const QUrl url(link);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
}

void TestListCommands::mailLinkThatCannotBeOpenedIsReported()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, {QStringLiteral("Anna")});
    fx.fakes.shell.linkResult = OpenResult{false, 3};

    w->cmdEmail_Click();

    const QString link = QStringLiteral("mailto:?Body=Choosen%20Names%20:%0D%0A%20:%20%20Anna%0D%0A&Subject=::%20Lullara%20:");
    QCOMPARE(fx.fakes.shell.links, QStringList{link});
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("ExecuteLink"));
    QCOMPARE(box.text, QStringLiteral("error Opening Link to ") + link + QStringLiteral("\r\n\r\n3"));
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::None);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// ---- Clipboard -------------------------------------------------------------------

void TestListCommands::copy_data()
{
    QTest::addColumn<bool>("selectedOnly");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("clipboard");
    const QStringList three{QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Cleo")};
    const QString all = QStringLiteral("Anna\r\nBen\r\nCleo\r\n");
    QTest::newRow("selected, none ticked") << true << three << QList<int>{} << QString();
    QTest::newRow("selected, some ticked") << true << three << QList<int>{3, 1} << QStringLiteral("Anna\r\nCleo\r\n");
    QTest::newRow("selected, one ticked") << true << three << QList<int>{2} << QStringLiteral("Ben\r\n");
    QTest::newRow("selected, all ticked") << true << three << QList<int>{1, 2, 3} << all;
    QTest::newRow("selected, empty list") << true << QStringList{} << QList<int>{} << QString();
    QTest::newRow("all, none ticked") << false << three << QList<int>{} << all;
    QTest::newRow("all, some ticked") << false << three << QList<int>{2} << all;
    QTest::newRow("all, all ticked") << false << three << QList<int>{1, 2, 3} << all;
    QTest::newRow("all, empty list") << false << QStringList{} << QList<int>{} << QString();
    QTest::newRow("all, repeated and accented")
        << false << QStringList{QStringLiteral("Zo\u00eb"), QStringLiteral("Zo\u00eb"), QStringLiteral("A & B")}
        << QList<int>{} << QStringLiteral("Zo\u00eb\r\nZo\u00eb\r\nA & B\r\n");
}

void TestListCommands::copy()
{
    QFETCH(bool, selectedOnly);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, clipboard);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, names);
    for (int row : ticked)
        w->lstGenerator->setTicked(row, true);
    w->setStatusText(QStringLiteral("Finished. 3 names added successfully."));
    QGuiApplication::clipboard()->setText(QStringLiteral("held before"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("held before"));

    if (selectedOnly)
        w->cmdCopy_Click();
    else
        w->cmdCopyAll_Click();

    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 3 names added successfully."));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    // The list is left as it was.
    QCOMPARE(w->lstGenerator->allTexts(), names);
    for (int row = 1; row <= names.size(); ++row)
        QCOMPARE(w->lstGenerator->isTicked(row), ticked.contains(row));
}

// ---- Ticks and Clear ---------------------------------------------------------------

void TestListCommands::selectAndDeselectAll_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<int>("rows");
    QTest::newRow("select, three rows") << true << 3;
    QTest::newRow("deselect, three rows") << false << 3;
    QTest::newRow("select, empty list") << true << 0;
    QTest::newRow("deselect, empty list") << false << 0;
}

void TestListCommands::selectAndDeselectAll()
{
    QFETCH(bool, select);
    QFETCH(int, rows);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    for (int i = 1; i <= rows; ++i)
        w->lstGenerator->appendRow(QStringLiteral("Name%1").arg(i), QStringLiteral("men"));
    if (rows > 0)
        w->lstGenerator->setTicked(2, true); // a mixed start
    w->setStatusText(QStringLiteral("Finished. 3 names added successfully."));

    if (select)
        w->cmdSelectAll_Click();
    else
        w->cmdDeselectAll_Click();

    QCOMPARE(w->lstGenerator->rowCount(), rows);
    for (int row = 1; row <= rows; ++row)
        QCOMPARE(w->lstGenerator->isTicked(row), select);
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
}

void TestListCommands::clearResetsTheLabels()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addNames(w, {QStringLiteral("Anna"), QStringLiteral("Ben")});
    w->lblIDNumber->setText(QStringLiteral("2"));
    w->setStatusText(QStringLiteral("Finished. 2 names added successfully."));

    w->cmdGeneratorClear_Click();
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));

    // On an empty list it still resets all three.
    w->lblIDNumber->setText(QStringLiteral("7"));
    w->setStatusText(QStringLiteral("Paused..."));
    w->cmdGeneratorClear_Click();
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
}

void TestListCommands::clearDuringARunLeavesTheRunGoing()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    w->setRandomSource([] { return 0.5f; });
    w->cmdStart_Click();
    QVERIFY(w->TimerNumber.isActive());
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowCount(), 2);
    QVERIFY(w->lblNumber->text() != QStringLiteral("0000"));
    const float progress = w->progressValue();

    w->cmdGeneratorClear_Click();

    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->lblNumber->text(), QStringLiteral("0000"));
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("0"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QVERIFY(w->TimerNumber.isActive());
    QVERIFY(w->TimerLottery.isActive());
    QVERIFY(!w->cmdStart->isEnabled());
    QVERIFY(w->cmdStop->isEnabled());
    QVERIFY(w->chkPause->isEnabled());
    QVERIFY(!w->pgbGenerator->isHidden());
    QCOMPARE(w->progressValue(), progress);

    // The run goes on filling the emptied list.
    w->TimerNumber_Timer();
    w->TimerLottery_Timer();
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("1"));
    QVERIFY(w->TimerNumber.isActive());
    w->cmdStop_Click();
}

// ---- The About button ------------------------------------------------------------------

void TestListCommands::aboutButtonOpensTheMakersSite()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);

    w->cmdAbout_Click();

    QCOMPARE(fx.fakes.shell.links, QStringList{kMakerWebSite});
    QVERIFY(kMakerWebSite.startsWith(QStringLiteral("https://")));
    QVERIFY(QUrl(kMakerWebSite).host().endsWith(QStringLiteral(".example.org"))
            || QUrl(kMakerWebSite).host().endsWith(QStringLiteral(".example.com"))
            || QUrl(kMakerWebSite).host().endsWith(QStringLiteral(".example.net"))
            || QUrl(kMakerWebSite).host().endsWith(QStringLiteral(".example")));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestListCommands::aboutButtonReportsALinkThatFails()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    fx.fakes.shell.answerLater = true;

    w->cmdAbout_Click();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr); // not busy while the desktop thinks
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QCOMPARE(fx.fakes.shell.pending.size(), 1);
    fx.fakes.shell.pending.takeFirst()(OpenResult{false, 4});

    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("ExecuteLink"));
    QCOMPARE(box.text, QStringLiteral("error Opening Link to ") + kMakerWebSite + QStringLiteral("\r\n\r\n4"));
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::None);
    QCOMPARE(box.parent, static_cast<QWidget *>(w));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
