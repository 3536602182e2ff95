// The commands on the generated list: what Save All and Save Selected write
// and remember, how they end on Cancel, on an empty list and on a failure;
// print, e-mail and the clipboard.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "fixture.h"
#include "output/generatedrows.h"
#include "output/outputcommands.h"

using namespace lullara;
using namespace lullara::test;

namespace {
struct Commands {
    Commands() : commands(&rows, folder.fakes.services())
    {
        commands.setClock([this] { return now; });
        commands.setPictureChoice(QStringLiteral("/opt/lullara"), [this] { return boys; });
        QObject::connect(&commands, &OutputCommands::statusChanged,
                         [this](const QString &s) { statuses << s; });
    }
    void addRows(const QStringList &names, const QList<int> &ticked = {})
    {
        for (const QString &n : names)
            rows.append(n, QStringLiteral("men"));
        for (int p : ticked)
            rows.setTicked(p, true);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void answerSaveAs(const QString &name, int filter)
    {
        folder.fakes.dialogs.saveResults.enqueue(SaveAsResult{folder.file(name), filter});
    }
    Folder folder;
    GeneratedRows rows;
    OutputCommands commands;
    bool boys = true;
    QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    QStringList statuses;
};

QString storedSaveMethod()
{
    return QSettings(QStringLiteral("Lullara"), QStringLiteral("Lullara")).value(QStringLiteral("Setting/SaveMethod")).toString();
}
} // namespace

class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheChosenFormat_data();
    void saveWritesTheChosenFormat();
    void saveMethodPreselectsTheDialog_data();
    void saveMethodPreselectsTheDialog();
    void cancelWritesAndStoresNothing();
    void failedSaveKeepsTheOldFile();
    void emptyListOffersARun_data();
    void emptyListOffersARun();
    void viewTheSavedFile_data();
    void viewTheSavedFile();
    void printEmailAndClipboard();
};

void TestOutputCommands::saveWritesTheChosenFormat_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("boys");
    QTest::addColumn<QStringList>("mustContain");
    QTest::addColumn<QStringList>("mustNotContain");

    QTest::newRow("all, text") << false << 2 << true
                               << QStringList{"Anna\r\n", "<b>&\r\n", "Zoe\r\n", "3"}
                               << QStringList{"<html", "\n\n"};
    QTest::newRow("selected, text") << true << 2 << true << QStringList{"Zoe\r\n", "1"}
                                    << QStringList{"Anna\r\n"};
    QTest::newRow("all files means text") << false << 1 << true << QStringList{"Anna\r\n"} << QStringList{"<html"};
    QTest::newRow("all, html, girl") << false << 3 << false
                                     << QStringList{"<html", "&lt;b&gt;&amp;", "girl.gif", "charset=\"utf-8\""}
                                     << QStringList{"<b>&", "guy.gif"};
}

void TestOutputCommands::saveWritesTheChosenFormat()
{
    QFETCH(bool, selected);
    QFETCH(int, filter);
    QFETCH(bool, boys);
    QFETCH(QStringList, mustContain);
    QFETCH(QStringList, mustNotContain);

    Commands c;
    c.boys = boys;
    c.addRows({"Anna", "<b>&", "Zoe"}, {3});
    c.answerSaveAs(QStringLiteral("out.txt"), filter);
    selected ? c.commands.saveSelected() : c.commands.saveAll();

    const QString bytes = QString::fromUtf8(c.read(QStringLiteral("out.txt")));
    for (const QString &s : mustContain)
        QVERIFY2(bytes.contains(s), qPrintable(s));
    for (const QString &s : mustNotContain)
        QVERIFY2(!bytes.contains(s), qPrintable(s));
    QCOMPARE(storedSaveMethod(), QString::number(filter));
    QCOMPARE(c.statuses, (QStringList{"Saving File...", "Ready"}));
    const auto &messages = c.folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, QStringLiteral("File saved successfully!\r\nWould you like to view the saved file?"));
    QCOMPARE(c.commands.lastSaveFileName(), c.folder.file(QStringLiteral("out.txt")));
}

void TestOutputCommands::saveMethodPreselectsTheDialog_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("preselected");

    QTest::newRow("missing") << "" << 2;
    QTest::newRow("html") << "3" << 3;
    QTest::newRow("all files") << "1" << 1;
    QTest::newRow("no such filter") << "7" << 2;
    QTest::newRow("not a number") << "abc" << 2;
}

void TestOutputCommands::saveMethodPreselectsTheDialog()
{
    QFETCH(QString, stored);
    QFETCH(int, preselected);

    Commands c;
    if (!stored.isEmpty())
        QSettings(QStringLiteral("Lullara"), QStringLiteral("Lullara")).setValue(QStringLiteral("Setting/SaveMethod"), stored);
    c.addRows({"Anna"});
    c.commands.saveAll();
    const auto &requests = c.folder.fakes.dialogs.saveRequests;
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().filterIndex, preselected);
    QCOMPARE(requests.first().title, QStringLiteral("Save As..."));
    QCOMPARE(requests.first().filters.size(), 3);
}

void TestOutputCommands::cancelWritesAndStoresNothing()
{
    Commands c;
    c.addRows({"Anna"});
    c.commands.saveAll(); // no answer queued: Cancel
    QVERIFY(QDir(c.folder.path()).entryList({"out*"}).isEmpty());
    QCOMPARE(storedSaveMethod(), QString());
    QVERIFY(c.folder.fakes.dialogs.messages.isEmpty());
    QVERIFY(c.statuses.isEmpty());
    // The next dialog opens with the name chosen last time.
    c.answerSaveAs(QStringLiteral("out.txt"), 2);
    c.commands.saveAll();
    c.commands.saveSelected();
    QCOMPARE(c.folder.fakes.dialogs.saveRequests.last().fileName, c.folder.file(QStringLiteral("out.txt")));
}

void TestOutputCommands::failedSaveKeepsTheOldFile()
{
    Commands c;
    c.addRows({"Anna"});
    QDir(c.folder.path()).mkdir(QStringLiteral("locked"));
    writeNameFile(c.folder.file(QStringLiteral("locked/out.txt")), {"old"});
    QFile::setPermissions(c.folder.file(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFile(c.folder.file(QStringLiteral("locked/new"))).open(QIODevice::WriteOnly))
        QSKIP("running with rights that write anywhere");
    c.answerSaveAs(QStringLiteral("locked/out.txt"), 2);
    c.commands.saveAll();
    QCOMPARE(c.read(QStringLiteral("locked/out.txt")), QByteArray("old\r\n"));
    const auto &messages = c.folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("Error"));
    QVERIFY(messages.first().text.startsWith(QStringLiteral("The file could not be saved:\r\n")));
    QCOMPARE(c.statuses.last(), QStringLiteral("Ready"));
}

void TestOutputCommands::emptyListOffersARun_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<int>("offers");
    QTest::newRow("yes") << MsgAnswer::Yes << 1;
    QTest::newRow("no") << MsgAnswer::No << 0;
}

void TestOutputCommands::emptyListOffersARun()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(int, offers);

    Commands c;
    QSignalSpy offered(&c.commands, &OutputCommands::runOffered);
    c.folder.fakes.dialogs.answers.enqueue(answer);
    c.commands.saveSelected();
    const auto &messages = c.folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).text, QStringLiteral("Come on!\r\nThere is nothing to save,"));
    QCOMPARE(messages.at(1).title, QStringLiteral("Suggestion"));
    QCOMPARE(messages.at(1).buttons, MsgButtons::YesNo);
    QCOMPARE(offered.size(), offers);
    if (offers)
        QCOMPARE(offered.first().first().toBool(), true);
    QVERIFY(c.folder.fakes.dialogs.saveRequests.isEmpty());
}

void TestOutputCommands::viewTheSavedFile_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("viewerWorks");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("textFiles");
    QTest::addColumn<QString>("lastBox");

    QTest::newRow("text") << 2 << true << 0 << 1 << "File saved successfully!\r\nWould you like to view the saved file?";
    QTest::newRow("text, no viewer") << 2 << false << 0 << 1 << "The saved file could not be shown in a text viewer:\r\n";
    QTest::newRow("html") << 3 << true << 1 << 0 << "File saved successfully!\r\nWould you like to view the saved file?";
}

void TestOutputCommands::viewTheSavedFile()
{
    QFETCH(int, filter);
    QFETCH(bool, viewerWorks);
    QFETCH(int, links);
    QFETCH(int, textFiles);
    QFETCH(QString, lastBox);

    Commands c;
    c.addRows({"Anna"});
    c.folder.fakes.shell.textFileResult = OpenResult{viewerWorks, viewerWorks ? 0 : 127};
    c.folder.fakes.dialogs.answers.enqueue(MsgAnswer::Yes);
    c.answerSaveAs(QStringLiteral("view.htm"), filter);
    c.commands.saveAll();
    QCOMPARE(c.folder.fakes.shell.links.size(), links);
    QCOMPARE(c.folder.fakes.shell.textFiles.size(), textFiles);
    QVERIFY(c.folder.fakes.dialogs.messages.last().text.startsWith(lastBox));
    const QString opened = links ? c.folder.fakes.shell.links.first() : c.folder.fakes.shell.textFiles.first();
    QCOMPARE(QDir::fromNativeSeparators(opened), c.folder.file(QStringLiteral("view.htm")));
}

void TestOutputCommands::printEmailAndClipboard()
{
    Commands c;
    auto &fakes = c.folder.fakes;
    c.commands.print();
    c.commands.email();
    QCOMPARE(fakes.dialogs.messages.at(0).text, QStringLiteral("There is nothing to be printed!"));
    QCOMPARE(fakes.dialogs.messages.at(1).text, QStringLiteral("Send what!!!?"));
    QVERIFY(fakes.printer.printouts.isEmpty());
    QVERIFY(fakes.shell.links.isEmpty());

    c.addRows({"Anna", "Bo+Li"}, {2});
    c.now = QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 999)); // midnight lasts the whole second
    c.commands.print();
    QCOMPARE(fakes.printer.printouts.size(), 1);
    QCOMPARE(fakes.printer.printouts.first().last(), QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    QVERIFY(fakes.printer.printouts.first().contains(QStringLiteral("Bo+Li")));
    QCOMPARE(c.statuses.last(), QStringLiteral("Printing..."));
    fakes.printer.failure = PrintError{482, QStringLiteral("No printer")};
    c.commands.print();
    QCOMPARE(fakes.dialogs.messages.last().text, QStringLiteral("Error 482:\r\nNo printer"));

    c.commands.email();
    QCOMPARE(fakes.shell.links.size(), 1);
    QVERIFY(fakes.shell.links.first().startsWith(QStringLiteral("mailto:?Body=")));
    QVERIFY(fakes.shell.links.first().contains(QStringLiteral("Anna")));
    QVERIFY(fakes.shell.links.first().contains(QStringLiteral("Bo%2BLi")));

    c.commands.copyTicked();
    QCOMPARE(fakes.clipboard.text, std::optional<QString>(QStringLiteral("Bo+Li\r\n")));
    c.commands.copyAll();
    QCOMPARE(fakes.clipboard.text, std::optional<QString>(QStringLiteral("Anna\r\nBo+Li\r\n")));
    c.commands.untickAll();
    c.commands.copyTicked(); // nothing ticked: the clipboard is emptied
    QCOMPARE(fakes.clipboard.text, std::nullopt);
    QCOMPARE(fakes.clipboard.clears, 3);
    c.commands.tickAll();
    QVERIFY(c.rows.isTicked(1) && c.rows.isTicked(2));
    QCOMPARE(c.statuses.last(), QStringLiteral("Ready"));
}

QTEST_GUILESS_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"
