// The commands on the generated list: what Save All and Save Selected write
// and remember, how they end on Cancel, on an empty list and on a failure;
// print, e-mail and the clipboard.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "app/settingsvalues.h"
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
        StoredSettings settings(*folder.fakes.services().settings);
        commands.setSaveFilterMemory([settings] { return settings.saveFilter(); },
                                     [settings](int filter) mutable { settings.rememberSaveFilter(filter); });
        QObject::connect(&commands, &OutputCommands::statusChanged, [this](const QString &s) { statuses << s; });
    }
    void addRows(const QStringList &names, const QList<int> &ticked = {})
    {
        for (const QString &n : names) rows.append(n, QStringLiteral("men"));
        for (int p : ticked) rows.setTicked(p, true);
    }
    QByteArray read(const QString &name) const { QFile f(folder.file(name)); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    void answerSaveAs(const QString &name, int filter) { dialogs.saveResults.enqueue(SaveAsResult{folder.file(name), filter}); }
    QStringList texts() const { QStringList t; for (const auto &m : dialogs.messages) t << m.text; return t; }
    Folder folder;
    FakeDialogs &dialogs = folder.fakes.dialogs;
    GeneratedRows rows;
    OutputCommands commands;
    bool boys = true;
    QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    QStringList statuses;
};

QSettings store() { return Folder::store(); }
QString storedSaveMethod() { return store().value(QStringLiteral("Setting/SaveMethod")).toString(); }
} // namespace

class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheChosenFormat_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("mustContain");
        QTest::addColumn<QStringList>("mustNotContain");
        QTest::newRow("all, text") << false << 2 << QStringList{"Anna\r\n", "<b>&\r\n", "Zoe\r\n", "\n3 names"}
                                   << QStringList{"<html", "\n\n"};
        QTest::newRow("selected, text, no viewer") << true << 2 << QStringList{"Zoe\r\n", "\n1 names"} << QStringList{"Anna\r\n"};
        QTest::newRow("all files means text") << false << 1 << QStringList{"Anna\r\n"} << QStringList{"<html"};
        QTest::newRow("all, html, girl") << false << 3
                                         << QStringList{"<html", "&lt;b&gt;&amp;", "girl.gif", "charset=\"utf-8\""}
                                         << QStringList{"<b>&", "guy.gif"};
    }
    void saveWritesTheChosenFormat() // and, on Yes, shows the saved file
    {
        QFETCH(bool, selected);
        QFETCH(int, filter);
        QFETCH(QStringList, mustContain);
        QFETCH(QStringList, mustNotContain);
        const bool viewerWorks = !QByteArray(QTest::currentDataTag()).contains("no viewer");
        Commands c;
        auto &shell = c.folder.fakes.shell;
        c.boys = false; // the girls' picture on the rows of a page
        shell.textFileResult = OpenResult{viewerWorks, viewerWorks ? 0 : 127};
        c.addRows({"Anna", "<b>&", "Zoe"}, {3});
        c.answerSaveAs(QStringLiteral("out.htm"), filter); // the chosen type wins over the name
        c.dialogs.answers.enqueue(MsgAnswer::Yes);
        selected ? c.commands.saveSelected() : c.commands.saveAll();
        const QString bytes = QString::fromUtf8(c.read(QStringLiteral("out.htm")));
        for (const QString &s : mustContain) QVERIFY2(bytes.contains(s), qPrintable(s));
        for (const QString &s : mustNotContain) QVERIFY2(!bytes.contains(s), qPrintable(s));
        QCOMPARE(storedSaveMethod(), QString::number(filter));
        QCOMPARE(c.statuses, (QStringList{"Saving File...", "Ready"}));
        QCOMPARE(c.commands.lastSaveFileName(), c.folder.file(QStringLiteral("out.htm")));
        QCOMPARE(c.texts().first(), kSaved);
        QCOMPARE(shell.links.size() + shell.textFiles.size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(filter == 3 ? shell.links.value(0) : shell.textFiles.value(0)), c.folder.file("out.htm"));
        QCOMPARE(c.dialogs.messages.size(), viewerWorks ? 1 : 2);
        QCOMPARE(c.dialogs.messages.last().title == "Error"
                     && c.texts().last().startsWith("The saved file could not be shown in a text viewer:\r\n"), !viewerWorks);
    }

    void saveMethodPreselectsTheDialog()
    {
        // The stored text and the file type the dialog opens on.
        for (const auto &[stored, preselected] : {std::pair<QString, int>{"", 2}, {"3", 3}, {"7", 2}, {"abc", 2}}) {
            Commands c;
            store().setValue(QStringLiteral("Setting/SaveMethod"), stored);
            c.addRows({"Anna"});
            c.commands.saveAll(); // no answer queued: Cancel, which writes and stores nothing
            QCOMPARE(c.dialogs.saveRequests.value(0).filterIndex, preselected);
            QCOMPARE(QDir(c.folder.path()).entryList({"out*"}), QStringList());
            QCOMPARE(storedSaveMethod(), stored);
            QVERIFY(c.dialogs.messages.isEmpty() && c.statuses.isEmpty());
        }
    }

    // A save that fails keeps the old file and says why, as the system says
    // it; both ways bind root too, which CI runs as.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder without write permission") << "Permission denied";
        QTest::newRow("a full disk") << "File too large";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, reason);
        const bool readOnly = reason == "Permission denied";
        Commands c;
        for (int i = 0; i < 2000; ++i) // larger than the file size limit below
            c.rows.append(QStringLiteral("Name%1").arg(i), QStringLiteral("men"));
        QDir(c.folder.path()).mkdir(QStringLiteral("locked"));
        writeNameFile(c.folder.file(QStringLiteral("locked/out.txt")), {"old"});
        if (readOnly)
            QFile::setPermissions(c.folder.file(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        c.answerSaveAs(QStringLiteral("locked/out.txt"), 2);
        const auto save = [&c] {
            c.commands.saveAll();
            return (c.texts().join('|') + '|' + c.dialogs.messages.value(0).title + '|' + c.statuses.join('|')).toUtf8();
        };
        std::optional<QByteArray> shown;
        if (readOnly) {
            shown = withoutRootRights(save);
        } else {
            NEEDS_FILE_SIZE_LIMIT();
            FileSizeLimit full(4096);
            shown = save();
        }
        QFile::setPermissions(c.folder.file(QStringLiteral("locked")), QFile::permissions(c.folder.path()));
        if (!shown)
            QSKIP("permissions cannot bind this test here (no user namespace for root, or no permission bits)");
        QCOMPARE(c.read(QStringLiteral("locked/out.txt")), QByteArray("old\r\n"));
        QCOMPARE(QDir(c.folder.file(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden), QStringList{"out.txt"});
        const QString box = "The file could not be saved:\r\n" + QDir::toNativeSeparators(c.folder.file("locked/out.txt"))
            + "\r\n\r\n";
        QCOMPARE(QString::fromUtf8(*shown).section('|', 0, 0).left(box.size()), box);
        QVERIFY2(QString::fromUtf8(*shown).contains(reason + "|Error|Saving File...|Ready"), shown->constData());
    }

    void emptyListOffersARun()
    {
        for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
            Commands c;
            QSignalSpy offered(&c.commands, &OutputCommands::runOffered);
            c.dialogs.answers.enqueue(answer);
            c.commands.saveSelected();
            QCOMPARE(c.texts().value(0), QStringLiteral("Come on!\r\nThere is nothing to save,"));
            QCOMPARE(c.dialogs.messages.size(), 2);
            QVERIFY(c.dialogs.messages.at(1).title == "Suggestion" && c.dialogs.messages.at(1).buttons == MsgButtons::YesNo);
            QCOMPARE(offered.size() == 1 && offered.first().first().toBool(), answer == MsgAnswer::Yes); // a run of Save Selected
            QVERIFY(c.dialogs.saveRequests.isEmpty());
        }
    }

    void printEmailAndClipboard()
    {
        Commands c;
        auto &fakes = c.folder.fakes;
        c.commands.print();
        c.commands.email();
        QCOMPARE(c.texts(), (QStringList{"There is nothing to be printed!", "Send what!!!?"}));
        QVERIFY(fakes.printer.printouts.isEmpty() && fakes.shell.links.isEmpty());

        c.addRows({"Anna", "Bo+Li"}, {2});
        c.now = QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 999)); // midnight lasts the whole second
        c.commands.print();
        QCOMPARE(fakes.printer.printouts.size(), 1);
        QCOMPARE(fakes.printer.printouts.first().last(), QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
        QVERIFY(fakes.printer.printouts.first().contains(QStringLiteral("Bo+Li")));
        fakes.printer.failure = PrintError{482, QStringLiteral("No printer")};
        c.commands.print();
        QCOMPARE(c.texts().last(), QStringLiteral("Error 482:\r\nNo printer"));

        c.commands.email();
        const QString link = fakes.shell.links.value(0);
        QVERIFY2(link.startsWith("mailto:?Body=") && link.contains("Anna") && link.contains("Bo%2BLi"), qPrintable(link));

        c.commands.copyTicked();
        QCOMPARE(fakes.clipboard.text.value_or("none"), QStringLiteral("Bo+Li\r\n"));
        c.commands.copyAll();
        QCOMPARE(fakes.clipboard.text.value_or("none"), QStringLiteral("Anna\r\nBo+Li\r\n"));
        c.commands.untickAll();
        c.commands.copyTicked(); // nothing ticked: the clipboard is emptied
        QCOMPARE(fakes.clipboard.text, std::nullopt);
        QCOMPARE(fakes.clipboard.clears, 3);
        c.commands.tickAll();
        QVERIFY(c.rows.isTicked(1) && c.rows.isTicked(2));
        QCOMPARE(c.statuses.last(), QStringLiteral("Ready"));

        // The largest list a run makes, of long names, goes to the mail program whole; a list the
        // system cannot pass as one link is refused with a way out.
        c.rows.clear();
        for (int i = 0; i < 100; ++i)
            c.rows.append(QStringLiteral("Maximilian-Alexander %1").arg(i), QStringLiteral("men"));
        c.commands.email();
        QCOMPARE(fakes.shell.links.size(), 2);
        QVERIFY(fakes.shell.links.last().endsWith("%20:%20%20Maximilian-Alexander%2099%0D%0A&Subject=::%20Lullara%20:"));
        for (int i = 100; c.rows.count() < 6000; ++i)
            c.rows.append(QStringLiteral("Maximilian-Alexander %1").arg(i), QStringLiteral("men"));
        c.commands.email();
        QCOMPARE(fakes.shell.links.size(), 2);
        QVERIFY(c.texts().last().contains(QStringLiteral("Copy All")));
    }
};

QTEST_GUILESS_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"
