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
const QString kSaved = QStringLiteral("File saved successfully!\r\nWould you like to view the saved file?");

struct Commands {
    Commands() : commands(&rows, folder.fakes.services())
    {
        commands.setClock([this] { return now; });
        commands.setPictureChoice(QStringLiteral("/opt/lullara"), [this] { return boys; });
        QObject::connect(&commands, &OutputCommands::statusChanged, [this](const QString &s) { statuses << s; });
    }
    void addRows(const QStringList &names, const QList<int> &ticked = {})
    {
        for (const QString &n : names)
            rows.append(n, QStringLiteral("men"));
        for (int p : ticked)
            rows.setTicked(p, true);
    }
    QByteArray read(const QString &name) const { QFile f(folder.file(name)); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    void answerSaveAs(const QString &name, int filter) { dialogs.saveResults.enqueue(SaveAsResult{folder.file(name), filter}); }
    Folder folder;
    FakeDialogs &dialogs = folder.fakes.dialogs;
    GeneratedRows rows;
    OutputCommands commands;
    bool boys = true;
    QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    QStringList statuses;
};

QSettings store() { return QSettings(QStringLiteral("Lullara"), QStringLiteral("Lullara")); }
QString storedSaveMethod() { return store().value(QStringLiteral("Setting/SaveMethod")).toString(); }
} // namespace

class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheChosenFormat_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("boys");
        QTest::addColumn<QStringList>("mustContain");
        QTest::addColumn<QStringList>("mustNotContain");
        QTest::newRow("all, text") << false << 2 << true << QStringList{"Anna\r\n", "<b>&\r\n", "Zoe\r\n", "3"}
                                   << QStringList{"<html", "\n\n"};
        QTest::newRow("selected, text") << true << 2 << true << QStringList{"Zoe\r\n", "1"} << QStringList{"Anna\r\n"};
        QTest::newRow("all files means text") << false << 1 << true << QStringList{"Anna\r\n"} << QStringList{"<html"};
        QTest::newRow("all, html, girl") << false << 3 << false
                                         << QStringList{"<html", "&lt;b&gt;&amp;", "girl.gif", "charset=\"utf-8\""}
                                         << QStringList{"<b>&", "guy.gif"};
    }
    void saveWritesTheChosenFormat()
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
        QCOMPARE(c.dialogs.messages.size(), 1);
        QCOMPARE(c.dialogs.messages.first().text, kSaved);
        QCOMPARE(c.commands.lastSaveFileName(), c.folder.file(QStringLiteral("out.txt")));
    }

    void saveMethodPreselectsTheDialog_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("preselected");
        QTest::newRow("missing") << "" << 2;
        QTest::newRow("html") << "3" << 3;
        QTest::newRow("all files") << "1" << 1;
        QTest::newRow("no such filter") << "7" << 2;
        QTest::newRow("not a number") << "abc" << 2;
    }
    void saveMethodPreselectsTheDialog()
    {
        QFETCH(QString, stored);
        Commands c;
        if (!stored.isEmpty())
            store().setValue(QStringLiteral("Setting/SaveMethod"), stored);
        c.addRows({"Anna"});
        c.commands.saveAll();
        QCOMPARE(c.dialogs.saveRequests.size(), 1);
        QTEST(c.dialogs.saveRequests.first().filterIndex, "preselected");
    }

    void cancelWritesAndStoresNothing()
    {
        Commands c;
        c.addRows({"Anna"});
        c.commands.saveAll(); // no answer queued: Cancel
        QVERIFY(QDir(c.folder.path()).entryList({"out*"}).isEmpty());
        QCOMPARE(storedSaveMethod(), QString());
        QVERIFY(c.dialogs.messages.isEmpty() && c.statuses.isEmpty());
        // The next dialog opens with the name chosen last time.
        c.answerSaveAs(QStringLiteral("out.txt"), 2);
        c.commands.saveAll();
        c.commands.saveSelected();
        QCOMPARE(c.dialogs.saveRequests.last().fileName, c.folder.file(QStringLiteral("out.txt")));
    }

    void failedSaveKeepsTheOldFile()
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
        QCOMPARE(c.dialogs.messages.size(), 1);
        QCOMPARE(c.dialogs.messages.first().title, QStringLiteral("Error"));
        QCOMPARE(c.statuses.last(), QStringLiteral("Ready"));
    }

    void emptyListOffersARun_data()
    {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("yes") << MsgAnswer::Yes;
        QTest::newRow("no") << MsgAnswer::No;
    }
    void emptyListOffersARun()
    {
        QFETCH(MsgAnswer, answer);
        Commands c;
        QSignalSpy offered(&c.commands, &OutputCommands::runOffered);
        c.dialogs.answers.enqueue(answer);
        c.commands.saveSelected();
        QCOMPARE(c.dialogs.messages.size(), 2);
        QCOMPARE(c.dialogs.messages.at(0).text, QStringLiteral("Come on!\r\nThere is nothing to save,"));
        QCOMPARE(c.dialogs.messages.at(1).title, QStringLiteral("Suggestion"));
        QCOMPARE(c.dialogs.messages.at(1).buttons, MsgButtons::YesNo);
        QCOMPARE(offered.size(), answer == MsgAnswer::Yes ? 1 : 0);
        if (!offered.isEmpty())
            QCOMPARE(offered.first().first().toBool(), true);
        QVERIFY(c.dialogs.saveRequests.isEmpty());
    }

    void viewTheSavedFile_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("viewerWorks");
        QTest::addColumn<QString>("lastBox");
        QTest::newRow("text") << 2 << true << kSaved;
        QTest::newRow("text, no viewer") << 2 << false << "The saved file could not be shown in a text viewer:\r\n";
        QTest::newRow("html") << 3 << true << kSaved;
    }
    void viewTheSavedFile()
    {
        QFETCH(int, filter);
        QFETCH(bool, viewerWorks);
        QFETCH(QString, lastBox);
        Commands c;
        auto &shell = c.folder.fakes.shell;
        c.addRows({"Anna"});
        shell.textFileResult = OpenResult{viewerWorks, viewerWorks ? 0 : 127};
        c.dialogs.answers.enqueue(MsgAnswer::Yes);
        c.answerSaveAs(QStringLiteral("view.htm"), filter);
        c.commands.saveAll();
        const bool html = filter == 3;
        QCOMPARE(shell.links.size() + shell.textFiles.size(), 1);
        QVERIFY(c.dialogs.messages.last().text.startsWith(lastBox));
        QCOMPARE(QDir::fromNativeSeparators(html ? shell.links.value(0) : shell.textFiles.value(0)),
                 c.folder.file(QStringLiteral("view.htm")));
        if (!viewerWorks)
            QCOMPARE(c.dialogs.messages.last().title, QStringLiteral("Error"));
    }

    void printEmailAndClipboard()
    {
        Commands c;
        auto &fakes = c.folder.fakes;
        c.commands.print();
        c.commands.email();
        QCOMPARE(c.dialogs.messages.size(), 2);
        QVERIFY(fakes.printer.printouts.isEmpty() && fakes.shell.links.isEmpty());

        c.addRows({"Anna", "Bo+Li"}, {2});
        c.now = QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 999)); // midnight lasts the whole second
        c.commands.print();
        QCOMPARE(fakes.printer.printouts.size(), 1);
        QCOMPARE(fakes.printer.printouts.first().last(), QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
        QVERIFY(fakes.printer.printouts.first().contains(QStringLiteral("Bo+Li")));
        fakes.printer.failure = PrintError{482, QStringLiteral("No printer")};
        c.commands.print();
        QCOMPARE(c.dialogs.messages.last().text, QStringLiteral("Error 482:\r\nNo printer"));

        c.commands.email();
        QCOMPARE(fakes.shell.links.size(), 1);
        const QString link = fakes.shell.links.first();
        QVERIFY2(link.startsWith("mailto:?Body=") && link.contains("Anna") && link.contains("Bo%2BLi"), qPrintable(link));

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
};

QTEST_GUILESS_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"
