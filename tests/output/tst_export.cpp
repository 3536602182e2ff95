// Save All and Save Selected on the main window: the empty-list offer, the
// Save As request and the remembered filter, the file actually written, a
// failed save and the closing offer to view the file.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include "app/settingsvalues.h"
#include "fixture.h"
#include "output/formats.h"
#include "ui/generatedlist.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace lullara;
using namespace lullara::test;

namespace {

const QDateTime kFixedClock(QDate(2024, 3, 7), QTime(14, 5, 9));
const QString kSaveMethodKey = QStringLiteral("Setting/SaveMethod");
const QString kSuggestion = QStringLiteral(
    "Would you like the program to add some Lullara to the generator in order you can save it to a text file?");
const QString kSavedText = QStringLiteral("File saved successfully!\r\nWould you like to view the saved file?");

enum class Command { SaveAll, SaveSelected };

void run(frmRandom *w, Command command)
{
    if (command == Command::SaveAll)
        w->cmdSaveAll_Click();
    else
        w->cmdSaveSelected_Click();
}

frmRandom *openWithClock(WindowFixture &fx)
{
    frmRandom *w = fx.open();
    w->setClock([] { return kFixedClock; });
    return w;
}

void addRows(frmRandom *w, const QList<QPair<QString, QString>> &rows)
{
    for (const auto &row : rows)
        w->lstGenerator->appendRow(row.first, row.second);
}

// The stored "SaveMethod": null when the key is absent.
QVariant storedSaveMethod()
{
    return openSettings()->value(kSaveMethodKey);
}

void storeSaveMethod(const QString &value)
{
    openSettings()->setValue(kSaveMethodKey, value);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read ") + path.toUtf8() + ">";
    return file.readAll();
}

// The lines of a CR LF file; the empty piece after the final CR LF is dropped
// only when the file really ends with CR LF.
QStringList crLfLines(const QByteArray &bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (bytes.endsWith("\r\n"))
        lines.removeLast();
    else
        lines.append(QStringLiteral("<no CR LF at the end>"));
    return lines;
}

QByteArray textFile(const QStringList &names, int count)
{
    QByteArray bytes(" \r\n");
    for (const QString &name : names)
        bytes += name.toUtf8() + "\r\n";
    bytes += " \r\n..........\r\n" + QByteArray::number(count) + " names\r\nCreated with Lullara v.2.0\r\n"
        + generalDate(kFixedClock).toUtf8() + "\r\n";
    return bytes;
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void emptyListShowsBothBoxes_data();
    void emptyListShowsBothBoxes();
    void emptyListYesWithTooShortListShowsStartsMessage_data();
    void emptyListYesWithTooShortListShowsStartsMessage();
    void emptyListAnswerMovesFocus_data();
    void emptyListAnswerMovesFocus();

    void saveAsRequest_data();
    void saveAsRequest();
    void saveMethodRoundTrips();
    void lastFileNameIsOfferedNextTime();

    void filterIndexChoosesTheFormat_data();
    void filterIndexChoosesTheFormat();
    void textFileForAnnaAndBen();
    void htmlHasOneImageChosenByGender_data();
    void htmlHasOneImageChosenByGender();
    void saveSelectedWritesTickedRows_data();
    void saveSelectedWritesTickedRows();
    void selectAllThenSaveSelectedWritesEveryRow();

    void failedSaveShowsErrorAndKeepsStatus_data();
    void failedSaveShowsErrorAndKeepsStatus();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void cancelWritesAndStoresNothing_data();
    void cancelWritesAndStoresNothing();

    void successBoxOffersToViewTheFile_data();
    void successBoxOffersToViewTheFile();
    void viewingHtmlThatCannotBeOpenedIsReported();
};

void TestExport::cleanup()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

// ---- Empty list ----------------------------------------------------------

void TestExport::emptyListShowsBothBoxes_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Save All, No") << Command::SaveAll << false;
    QTest::newRow("Save All, Yes") << Command::SaveAll << true;
    QTest::newRow("Save Selected, No") << Command::SaveSelected << false;
    QTest::newRow("Save Selected, Yes") << Command::SaveSelected << true;
}

void TestExport::emptyListShowsBothBoxes()
{
    QFETCH(Command, command);
    QFETCH(bool, yes);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    w->setStatusText(QStringLiteral("Finished. 0 names added successfully."));
    fx.fakes.dialogs.answers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);

    run(w, command);

    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QCOMPARE(shown[0].text, QStringLiteral("Come on!\r\nThere is nothing to save,"));
    QCOMPARE(shown[0].buttons, MsgButtons::Ok);
    QCOMPARE(shown[0].icon, MsgIcon::Exclamation);
    QCOMPARE(shown[1].title, QStringLiteral("Suggestion"));
    QCOMPARE(shown[1].text, kSuggestion);
    QCOMPARE(shown[1].buttons, MsgButtons::YesNo);
    QCOMPARE(shown[1].icon, MsgIcon::Information);
    QVERIFY(fx.fakes.dialogs.saveRequests.isEmpty());
    QVERIFY(!storedSaveMethod().isValid());
    QCOMPARE(entriesOf(fx.dir()), (QStringList{QStringLiteral("girlname.txt"), QStringLiteral("guyname.txt"),
                                               QStringLiteral("settings")}));

    if (yes) {
        QVERIFY(w->TimerNumber.isActive());
        QVERIFY(w->TimerLottery.isActive());
        QVERIFY(!w->cmdStart->isEnabled());
        QCOMPARE(w->statusText(), QStringLiteral("Starting..."));
    } else {
        QVERIFY(!w->TimerNumber.isActive());
        QVERIFY(!w->TimerLottery.isActive());
        QVERIFY(w->cmdStart->isEnabled());
        QCOMPARE(w->statusText(), QStringLiteral("Finished. 0 names added successfully."));
    }
    QCOMPARE(w->lstGenerator->rowCount(), 0); // nothing arrives before the timers tick
}

void TestExport::emptyListYesWithTooShortListShowsStartsMessage_data()
{
    // Ten boys, three girls, GiRL chosen, five names wanted: Start refuses.
    // Save All resets the status only when the number is not below the
    // boys' count; Save Selected always does.
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("status");
    QTest::newRow("Save All") << Command::SaveAll << QStringLiteral("Paused...");
    QTest::newRow("Save Selected") << Command::SaveSelected << QStringLiteral("Ready");
}

void TestExport::emptyListYesWithTooShortListShowsStartsMessage()
{
    QFETCH(Command, command);
    QFETCH(QString, status);
    QStringList boys;
    for (int i = 0; i < 10; ++i)
        boys << QStringLiteral("Boy%1").arg(i);
    WindowFixture fx(boys, {QStringLiteral("Ada"), QStringLiteral("Bea"), QStringLiteral("Cleo")});
    frmRandom *w = openWithClock(fx);
    w->optGirls->setChecked(true);
    w->cmbNamesNum->setCurrentText(QStringLiteral("5"));
    QCOMPARE(w->cmbNamesNum->currentText(), QStringLiteral("5"));
    w->setStatusText(QStringLiteral("Paused..."));
    fx.fakes.dialogs.answers.enqueue(MsgAnswer::Yes);

    run(w, command);

    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[2].text, QStringLiteral("The girls name list must contain at least 5 items to continue."));
    QVERIFY(!w->TimerNumber.isActive());
    QVERIFY(fx.fakes.dialogs.saveRequests.isEmpty());
    QCOMPARE(w->statusText(), status);
}

void TestExport::emptyListAnswerMovesFocus_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("startRefuses");
    QTest::newRow("Save All, Yes") << Command::SaveAll << true << false;
    QTest::newRow("Save Selected, Yes") << Command::SaveSelected << true << false;
    QTest::newRow("Save Selected, Yes, Start refuses") << Command::SaveSelected << true << true;
    QTest::newRow("Save All, No") << Command::SaveAll << false << false;
    QTest::newRow("Save Selected, No") << Command::SaveSelected << false << false;
}

void TestExport::emptyListAnswerMovesFocus()
{
    QFETCH(Command, command);
    QFETCH(bool, yes);
    QFETCH(bool, startRefuses);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    if (startRefuses)
        w->cmbNamesNum->setCurrentText(QStringLiteral("100"));
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->cmdPrint->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdPrint));
    fx.fakes.dialogs.answers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);

    run(w, command);

    QWidget *expected = yes ? static_cast<QWidget *>(w->cmdSaveAll) : static_cast<QWidget *>(w->cmdPrint);
    QTRY_COMPARE(QApplication::focusWidget(), expected);
    QCOMPARE(w->TimerNumber.isActive(), yes && !startRefuses);
    w->cmdStop_Click();
}

// ---- The Save As request ---------------------------------------------------

void TestExport::saveAsRequest_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QVariant>("stored"); // invalid: key absent
    QTest::addColumn<int>("filterIndex");
    QTest::newRow("absent, Save All") << Command::SaveAll << QVariant() << 2;
    QTest::newRow("absent, Save Selected") << Command::SaveSelected << QVariant() << 2;
    QTest::newRow("1") << Command::SaveAll << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("2") << Command::SaveSelected << QVariant(QStringLiteral("2")) << 2;
    QTest::newRow("3") << Command::SaveAll << QVariant(QStringLiteral("3")) << 3;
    QTest::newRow("3, Save Selected") << Command::SaveSelected << QVariant(QStringLiteral("3")) << 3;
    QTest::newRow("empty text") << Command::SaveAll << QVariant(QString()) << 2;
    QTest::newRow("not a number") << Command::SaveAll << QVariant(QStringLiteral("html")) << 2;
    QTest::newRow("not a number, Save Selected")
        << Command::SaveSelected << QVariant(QStringLiteral("3x")) << 2;
    QTest::newRow("beyond 16 bits") << Command::SaveAll << QVariant(QStringLiteral("70000")) << 2;
    QTest::newRow("no such entry") << Command::SaveSelected << QVariant(QStringLiteral("7")) << 2;
    QTest::newRow("zero") << Command::SaveAll << QVariant(QStringLiteral("0")) << 2;
}

void TestExport::saveAsRequest()
{
    QFETCH(Command, command);
    QFETCH(QVariant, stored);
    QFETCH(int, filterIndex);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    if (stored.isValid())
        storeSaveMethod(stored.toString());
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});

    run(w, command); // the dialog is cancelled

    QCOMPARE(fx.fakes.dialogs.saveRequests.size(), 1);
    const SaveAsRequest &request = fx.fakes.dialogs.saveRequests.first();
    QCOMPARE(request.title, QStringLiteral("Save As..."));
    QCOMPARE(request.filters, (QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("Text Document (*.txt)"),
                                            QStringLiteral("Html Document (*.htm;*.html)")}));
    QCOMPARE(request.filterIndex, filterIndex);
    QCOMPARE(request.fileName, QString());
    QVERIFY(request.confirmOverwrite);
    QVERIFY(request.confirmCreate);
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestExport::saveMethodRoundTrips()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    const QString first = QDir(fx.dir()).filePath(QStringLiteral("first.htm"));
    const QString second = QDir(fx.dir()).filePath(QStringLiteral("second.txt"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{first, 3});
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{second, 1});

    w->cmdSaveAll_Click();
    QCOMPARE(storedSaveMethod(), QVariant(QStringLiteral("3")));
    w->cmdSaveSelected_Click();
    QCOMPARE(storedSaveMethod(), QVariant(QStringLiteral("1")));
    w->cmdSaveAll_Click(); // cancelled

    const auto &requests = fx.fakes.dialogs.saveRequests;
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests[0].filterIndex, 2);
    QCOMPARE(requests[1].filterIndex, 3);
    QCOMPARE(requests[2].filterIndex, 1);

    // The choice survives the window: a new window opens on the same entry.
    fx.close();
    frmRandom *again = openWithClock(fx);
    addRows(again, {{QStringLiteral("Ben"), QStringLiteral("men")}});
    again->cmdSaveSelected_Click();
    QCOMPARE(requests.size(), 4);
    QCOMPARE(requests[3].filterIndex, 1);
}

void TestExport::lastFileNameIsOfferedNextTime()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    const QString first = QDir(fx.dir()).filePath(QStringLiteral("names.txt"));
    const QString second = QDir(fx.dir()).filePath(QStringLiteral("other.htm"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{first, 2});
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{second, 3});

    QCOMPARE(w->lastSaveFileName(), QString());
    w->cmdSaveAll_Click();
    QCOMPARE(w->lastSaveFileName(), first);
    w->cmdSaveSelected_Click(); // the twins share the name
    QCOMPARE(w->lastSaveFileName(), second);
    w->cmdSaveAll_Click(); // cancelled: the name stays
    QCOMPARE(w->lastSaveFileName(), second);
    w->cmdSaveSelected_Click();

    const auto &requests = fx.fakes.dialogs.saveRequests;
    QCOMPARE(requests.size(), 4);
    QCOMPARE(requests[0].fileName, QString());
    QCOMPARE(requests[1].fileName, first);
    QCOMPARE(requests[2].fileName, second);
    QCOMPARE(requests[3].fileName, second);
}

// ---- What is written -------------------------------------------------------

void TestExport::filterIndexChoosesTheFormat_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<bool>("html");
    QTest::newRow("no extension, HTML entry") << Command::SaveAll << QStringLiteral("names") << 3 << true;
    QTest::newRow(".htm, text entry") << Command::SaveAll << QStringLiteral("x.htm") << 2 << false;
    QTest::newRow(".html, all files entry") << Command::SaveSelected << QStringLiteral("x.html") << 1 << false;
    QTest::newRow(".txt, HTML entry") << Command::SaveSelected << QStringLiteral("x.txt") << 3 << true;
    QTest::newRow("no extension, text entry") << Command::SaveAll << QStringLiteral("plain") << 2 << false;
    QTest::newRow("trailing dot, HTML entry") << Command::SaveAll << QStringLiteral("page.") << 3 << true;
}

void TestExport::filterIndexChoosesTheFormat()
{
    QFETCH(Command, command);
    QFETCH(QString, fileName);
    QFETCH(int, filterIndex);
    QFETCH(bool, html);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    w->lstGenerator->setTicked(1, true);
    const QString path = QDir(fx.dir()).filePath(fileName);
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});

    run(w, command);

    // Written under exactly the typed name, nothing added.
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(entriesOf(fx.dir()).size(), 4);
    const QByteArray bytes = readAll(path);
    if (html) {
        QVERIFY2(bytes.startsWith(" \r\n<html><head><meta charset=\"utf-8\">"), bytes.constData());
        QVERIFY(bytes.contains("<td width=100%>Anna</td>\r\n"));
        QVERIFY(bytes.endsWith("</body></html>\r\n"));
    } else {
        QCOMPARE(bytes, textFile({QStringLiteral("Anna")}, 1));
    }
    QCOMPARE(storedSaveMethod(), QVariant(QString::number(filterIndex)));
}

void TestExport::textFileForAnnaAndBen()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}, {QStringLiteral("Ben"), QStringLiteral("men")}});
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("names.txt"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, 2});

    w->cmdSaveAll_Click();

    const QByteArray bytes = readAll(path);
    QCOMPARE(crLfLines(bytes),
             (QStringList{QStringLiteral(" "), QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral(" "),
                          QStringLiteral(".........."), QStringLiteral("2 names"),
                          QStringLiteral("Created with Lullara v.2.0"), generalDate(kFixedClock)}));
    // Byte for byte: every line ended by CR LF, no lone LF, no byte-order mark.
    QCOMPARE(bytes.count('\n'), 8);
    QCOMPARE(bytes.count("\r\n"), 8);
    QCOMPARE(bytes.count('\r'), 8);
    QCOMPARE(bytes,
             QByteArray(" \r\nAnna\r\nBen\r\n \r\n..........\r\n2 names\r\nCreated with Lullara v.2.0\r\n")
                 + generalDate(kFixedClock).toUtf8() + "\r\n");
    QVERIFY(bytes.contains("14:05:09")); // the window's clock, not the wall clock
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
}

void TestExport::htmlHasOneImageChosenByGender_data()
{
    QTest::addColumn<bool>("boys");
    QTest::addColumn<QString>("image");
    QTest::newRow("BOY selected") << true << QStringLiteral("guy.gif");
    QTest::newRow("GiRL selected") << false << QStringLiteral("girl.gif");
}

void TestExport::htmlHasOneImageChosenByGender()
{
    QFETCH(bool, boys);
    QFETCH(QString, image);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    // A program folder whose path needs escaping in the src attribute.
    const QString programDir = QDir(fx.dir()).filePath(QStringLiteral("R&D \"<Lullara>\""));
    w->setProgramDir(programDir);
    if (boys)
        w->optBoys->setChecked(true);
    else
        w->optGirls->setChecked(true);
    addRows(w, {{QStringLiteral("Ben"), QStringLiteral("men")},
                {QStringLiteral("Anna"), QStringLiteral("women")},
                {QStringLiteral("<b>Bo & \"Al\"</b>"), QStringLiteral("men")},
                {QStringLiteral("Zo\u00eb"), QStringLiteral("women")}});
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("names.htm"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, 3});

    w->cmdSaveAll_Click();

    const QString imagePath = QDir::toNativeSeparators(programDir + QLatin1Char('/') + image);
    const QString escapedImage = imagePath.toHtmlEscaped();
    QVERIFY(escapedImage.contains(QStringLiteral("R&amp;D &quot;&lt;Lullara&gt;&quot;")));
    const QString imageLine =
        QStringLiteral("<tr><td><img border=0 src=\"") + escapedImage + QStringLiteral("\" width=16 height=16></td>");
    const QStringList expected{
        QStringLiteral(" "),
        QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Lullara</title></head><body topmargin=0 leftmargin=0>"),
        QStringLiteral("<table border=0 cellpadding=10 cellspacing=0 width=100% style=\"font-family: Verdana, Arial\">"),
        QStringLiteral("<tr><td width=100%><h1><font face=\"Verdana, Arial\">Lullara</font></h1></td></tr><tr>"),
        QStringLiteral("<td width=100%><table border=0 cellpadding=2 cellspacing=0 width=100% style=\"font-size: 10pt\">"),
        imageLine,
        QStringLiteral("<td width=100%>Ben</td>"),
        imageLine,
        QStringLiteral("<td width=100%>Anna</td>"),
        imageLine,
        QStringLiteral("<td width=100%>&lt;b&gt;Bo &amp; &quot;Al&quot;&lt;/b&gt;</td>"),
        imageLine,
        QStringLiteral("<td width=100%>Zo\u00eb</td>"),
        QStringLiteral("</tr></table></td></tr><tr>"),
        QStringLiteral("<td width=100% style=\"font-size: 8pt\">.....................<br>4 names<br>"
                       "Created with Lullara v.2.0<br>")
            + generalDate(kFixedClock).toHtmlEscaped() + QStringLiteral("</td></tr></table>"),
        QStringLiteral("</body></html>"),
    };
    const QByteArray bytes = readAll(path);
    QCOMPARE(crLfLines(bytes), expected);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.contains("Zo\xc3\xab")); // UTF-8
}

void TestExport::saveSelectedWritesTickedRows_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("none") << QList<int>{} << QStringList{};
    QTest::newRow("first and last") << QList<int>{1, 3} << QStringList{QStringLiteral("Anna"), QStringLiteral("Cleo")};
    QTest::newRow("middle") << QList<int>{2} << QStringList{QStringLiteral("Ben")};
    QTest::newRow("all") << QList<int>{3, 2, 1}
                         << QStringList{QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Cleo")};
}

void TestExport::saveSelectedWritesTickedRows()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, written);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")},
                {QStringLiteral("Ben"), QStringLiteral("men")},
                {QStringLiteral("Cleo"), QStringLiteral("women")}});
    for (int row : ticked)
        w->lstGenerator->setTicked(row, true);
    const QString selected = QDir(fx.dir()).filePath(QStringLiteral("selected.txt"));
    const QString all = QDir(fx.dir()).filePath(QStringLiteral("all.txt"));
    const QString selectedHtml = QDir(fx.dir()).filePath(QStringLiteral("selected.htm"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{selected, 2});
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{all, 2});
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{selectedHtml, 3});

    w->cmdSaveSelected_Click();
    w->cmdSaveAll_Click();
    w->cmdSaveSelected_Click();

    QCOMPARE(readAll(selected), textFile(written, int(written.size())));
    // Save All pays no heed to the ticks.
    QCOMPARE(readAll(all), textFile({QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Cleo")}, 3));
    const QByteArray html = readAll(selectedHtml);
    QCOMPARE(html.count("<tr><td><img "), written.size());
    QVERIFY(html.contains(".....................<br>" + QByteArray::number(written.size()) + " names<br>"));
    // The ticks are left as they were.
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(w->lstGenerator->isTicked(row), ticked.contains(row));
}

void TestExport::selectAllThenSaveSelectedWritesEveryRow()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")},
                {QStringLiteral("Ben"), QStringLiteral("men")},
                {QStringLiteral("Cleo"), QStringLiteral("women")}});
    w->lstGenerator->setTicked(2, true);
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("every.txt"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, 2});

    w->cmdSelectAll_Click();
    w->cmdSaveSelected_Click();

    QCOMPARE(readAll(path), textFile({QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Cleo")}, 3));
}

// ---- Failures and cancel ----------------------------------------------------

void TestExport::failedSaveShowsErrorAndKeepsStatus_data()
{
    QTest::addColumn<QString>("target"); // relative to the program folder
    QTest::addColumn<int>("filterIndex");
    QTest::newRow("folder missing, text") << QStringLiteral("missing/names.txt") << 2;
    QTest::newRow("folder missing, HTML") << QStringLiteral("missing/deeper/names.htm") << 3;
    QTest::newRow("folder is a file") << QStringLiteral("guyname.txt/names.txt") << 2;
    QTest::newRow("target is a folder") << QStringLiteral("keep") << 2;
    QTest::newRow("target is a folder, HTML") << QStringLiteral("keep") << 3;
}

void TestExport::failedSaveShowsErrorAndKeepsStatus()
{
    QFETCH(QString, target);
    QFETCH(int, filterIndex);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}, {QStringLiteral("Ben"), QStringLiteral("men")}});
    const QString path = QDir(fx.dir()).filePath(target);
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});
    const QString keep = QDir(fx.dir()).filePath(QStringLiteral("keep"));
    QVERIFY(QDir(fx.dir()).mkdir(QStringLiteral("keep")));
    {
        QFile inside(keep + QStringLiteral("/inside.txt"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        inside.write("kept\r\n");
    }
    const QByteArray boysBefore = readAll(QDir(fx.dir()).filePath(QStringLiteral("guyname.txt")));
    const QStringList entriesBefore = entriesOf(fx.dir());
    QString statusDuringBox;
    fx.fakes.dialogs.onMessage = [&](const ShownMessage &) { statusDuringBox = w->statusText(); };

    w->cmdSaveAll_Click();

    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 1); // the error only, no success box
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QCOMPARE(shown[0].buttons, MsgButtons::Ok);
    QCOMPARE(shown[0].icon, MsgIcon::Exclamation);
    QVERIFY2(shown[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(shown[0].text));
    QCOMPARE(statusDuringBox, QStringLiteral("Ready"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
    QVERIFY(fx.fakes.shell.links.isEmpty());
    QVERIFY(fx.fakes.shell.textFiles.isEmpty());
    // Nothing left behind, nothing damaged.
    QCOMPARE(entriesOf(fx.dir()), entriesBefore);
    QVERIFY(QFileInfo(keep).isDir());
    QCOMPARE(entriesOf(keep), QStringList{QStringLiteral("inside.txt")});
    QCOMPARE(readAll(keep + QStringLiteral("/inside.txt")), QByteArray("kept\r\n"));
    QCOMPARE(readAll(QDir(fx.dir()).filePath(QStringLiteral("guyname.txt"))), boysBefore);
    // The choice was stored before the file was opened.
    QCOMPARE(storedSaveMethod(), QVariant(QString::number(filterIndex)));
}

void TestExport::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("filterIndex");
    // A file smaller than the write buffer fails only when it is flushed; a
    // larger one fails part way through the write itself.
    QTest::newRow("text, held in the buffer") << 1000 << 2;
    QTest::newRow("text, written straight through") << 2000 << 2;
    QTest::newRow("HTML, held in the buffer") << 120 << 3;
    QTest::newRow("HTML, written straight through") << 400 << 3;
}

void TestExport::failedWriteKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file size limit to make the writing fail");
#else
    QFETCH(int, rows);
    QFETCH(int, filterIndex);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    for (int i = 0; i < rows; ++i)
        w->lstGenerator->appendRow(QStringLiteral("Name%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("men"));
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("names.txt"));
    const QByteArray old(" \r\nOld\r\n \r\n..........\r\n1 names\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    const QStringList entriesBefore = entriesOf(fx.dir());
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});

    // The disk "fills up" after 4 KiB. The limit binds root too; writes
    // beyond it fail with EFBIG once SIGXFSZ is ignored.
    struct rlimit before {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString statusDuringBox;
    fx.fakes.dialogs.onMessage = [&](const ShownMessage &) {
        setrlimit(RLIMIT_FSIZE, &before); // as soon as possible, for the test's own output
        statusDuringBox = w->statusText();
    };
    w->cmdSaveAll_Click();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readAll(path), old);
    QCOMPARE(entriesOf(fx.dir()), entriesBefore); // no partial or temporary file
    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QCOMPARE(shown[0].buttons, MsgButtons::Ok);
    QCOMPARE(shown[0].icon, MsgIcon::Exclamation);
    QVERIFY2(shown[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(shown[0].text));
    // The reason is the system's, not a blank or unknown one.
    QVERIFY2(shown[0].text.contains(QStringLiteral("too large"), Qt::CaseInsensitive), qPrintable(shown[0].text));
    QCOMPARE(statusDuringBox, QStringLiteral("Ready"));
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));

    // The same save goes through once there is room again.
    fx.fakes.dialogs.onMessage = nullptr;
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});
    w->cmdSaveAll_Click();
    const QByteArray now = readAll(path);
    QVERIFY(now.size() > 4096);
    QVERIFY(now.contains(QByteArray::number(rows) + " names"));
    QVERIFY(now.contains(QStringLiteral("Name%1").arg(rows - 1, 4, 10, QLatin1Char('0')).toUtf8()));
    QCOMPARE(fx.fakes.dialogs.messages.last().text, kSavedText);
#endif
}

void TestExport::cancelWritesAndStoresNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("Save All, absent") << Command::SaveAll << QVariant();
    QTest::newRow("Save Selected, absent") << Command::SaveSelected << QVariant();
    QTest::newRow("Save All, unreadable") << Command::SaveAll << QVariant(QStringLiteral("abc"));
    QTest::newRow("Save Selected, 3") << Command::SaveSelected << QVariant(QStringLiteral("3"));
}

void TestExport::cancelWritesAndStoresNothing()
{
    QFETCH(Command, command);
    QFETCH(QVariant, stored);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    if (stored.isValid())
        storeSaveMethod(stored.toString());
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    w->lstGenerator->setTicked(1, true);
    w->setStatusText(QStringLiteral("Finished. 1 names added successfully."));
    const QStringList entriesBefore = entriesOf(fx.dir());

    // Cancel on the first dialog of the run and on a later one alike.
    run(w, command);
    run(w, command);

    QCOMPARE(fx.fakes.dialogs.saveRequests.size(), 2);
    QCOMPARE(entriesOf(fx.dir()), entriesBefore);
    QCOMPARE(storedSaveMethod(), stored);
    QCOMPARE(w->lastSaveFileName(), QString());
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 1 names added successfully."));
}

// ---- After writing -----------------------------------------------------------

void TestExport::successBoxOffersToViewTheFile_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<bool>("yes");
    QTest::newRow("HTML, Yes") << Command::SaveAll << QStringLiteral("names.htm") << 3 << true;
    QTest::newRow("HTML, No") << Command::SaveAll << QStringLiteral("names.htm") << 3 << false;
    QTest::newRow("HTML named .txt, Yes") << Command::SaveSelected << QStringLiteral("names.txt") << 3 << true;
    QTest::newRow("text, Yes") << Command::SaveSelected << QStringLiteral("names.txt") << 2 << true;
    QTest::newRow("text, No") << Command::SaveSelected << QStringLiteral("names.txt") << 2 << false;
    QTest::newRow("text named .htm, Yes") << Command::SaveAll << QStringLiteral("names.htm") << 2 << true;
    QTest::newRow("all files, Yes") << Command::SaveAll << QStringLiteral("names") << 1 << true;
}

void TestExport::successBoxOffersToViewTheFile()
{
    QFETCH(Command, command);
    QFETCH(QString, fileName);
    QFETCH(int, filterIndex);
    QFETCH(bool, yes);
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    const QString path = QDir(fx.dir()).filePath(fileName);
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});
    fx.fakes.dialogs.answers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);
    QString statusDuringBox;
    fx.fakes.dialogs.onMessage = [&](const ShownMessage &) { statusDuringBox = w->statusText(); };

    run(w, command);

    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Lullara"));
    QCOMPARE(shown[0].text, kSavedText);
    QCOMPARE(shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(shown[0].icon, MsgIcon::None);
    QCOMPARE(statusDuringBox, QStringLiteral("Ready")); // the file is complete before the question
    const QByteArray written = readAll(path);
    QVERIFY(written.endsWith(filterIndex == 3 ? QByteArray("</body></html>\r\n")
                                              : generalDate(kFixedClock).toUtf8() + "\r\n"));

    const QString shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!yes) {
        QVERIFY(fx.fakes.shell.links.isEmpty());
        QVERIFY(fx.fakes.shell.textFiles.isEmpty());
    } else if (filterIndex == 3) {
        QCOMPARE(fx.fakes.shell.links, QStringList{shownPath});
        QVERIFY(fx.fakes.shell.textFiles.isEmpty());
    } else {
        QCOMPARE(fx.fakes.shell.textFiles, QStringList{shownPath});
        QVERIFY(fx.fakes.shell.links.isEmpty());
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // Not written again after the save.
    QCOMPARE(storedSaveMethod(), QVariant(QString::number(filterIndex)));
}

void TestExport::viewingHtmlThatCannotBeOpenedIsReported()
{
    WindowFixture fx;
    frmRandom *w = openWithClock(fx);
    addRows(w, {{QStringLiteral("Anna"), QStringLiteral("women")}});
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("names.htm"));
    fx.fakes.dialogs.saveResults.enqueue(SaveAsResult{path, 3});
    fx.fakes.dialogs.answers.enqueue(MsgAnswer::Yes);
    fx.fakes.shell.linkResult = OpenResult{false, 4};

    w->cmdSaveAll_Click();

    const QString shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const auto &shown = fx.fakes.dialogs.messages;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].title, QStringLiteral("ExecuteLink"));
    QCOMPARE(shown[1].text, QStringLiteral("error Opening Link to ") + shownPath + QStringLiteral("\r\n\r\n4"));
    QCOMPARE(shown[1].buttons, MsgButtons::Ok);
    QCOMPARE(shown[1].icon, MsgIcon::None);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(QFileInfo::exists(path)); // the file stays saved
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
