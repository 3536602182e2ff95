// The generated list kept between sessions: the file's bytes, the round trip
// with ticks and accents, damaged and foreign files refused, the keeper's
// writes, and a program killed while writing.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "output/generatedrows.h"
#include "output/shortlist.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace lullara;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// "x men Anna | - women Zoë" or the reason.
QString shown(const std::variant<Shortlist, QString> &read)
{
    if (const QString *reason = std::get_if<QString>(&read))
        return *reason;
    QStringList rows;
    for (const ShortlistRow &r : std::get<Shortlist>(read))
        rows << QString(r.ticked ? "x " : "- ") + r.iconKey + ' ' + r.text;
    return rows.join(" | ");
}

const QByteArray kTwoRows = "Lullara shortlist 1\nx\tmen\tJos\xC3\xA9\n-\twomen\t\xC3\x86rin\nend 2\n";
} // namespace

class TestShortlist : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        QTemporaryDir dir;
        GeneratedRows rows;
        const QString names[] = {"José", "Zoë", "Ærin", "back\\slash", "two\nlines\r\tand a tab", "", "Anna"};
        for (const QString &name : names)
            rows.append(name, rows.count() % 2 ? "women" : "men");
        rows.setTicked(1, true);
        rows.setTicked(3, true);
        rows.setTicked(6, true);
        QCOMPARE(writeShortlist(dir.path() + "/new/folder", shortlistOf(rows)), std::nullopt);
        QCOMPARE(fileBytes(dir.path() + "/new/folder/shortlist.txt"),
                 "Lullara shortlist 1\nx\tmen\tJos\xC3\xA9\n-\twomen\tZo\xC3\xAB\nx\tmen\t\xC3\x86rin\n"
                 "-\twomen\tback\\\\slash\n-\tmen\ttwo\\nlines\\r\\tand a tab\nx\twomen\t\n-\tmen\tAnna\nend 7\n");
        const auto read = readShortlist(dir.path() + "/new/folder");
        QVERIFY(std::holds_alternative<Shortlist>(read));
        GeneratedRows reopened;
        reopened.append("gone", "men");
        restoreShortlist(reopened, std::get<Shortlist>(read));
        QVERIFY(shortlistOf(reopened) == shortlistOf(rows));
        QCOMPARE(reopened.tickedTexts(), QStringList({"José", "Ærin", ""}));
        // Nothing kept yet: an empty list, no complaint; a writer's leftover goes, other files stay.
        QDir(dir.path()).mkdir("elsewhere");
        writeBytes(dir.path() + "/elsewhere/shortlist.txt.Ab12Cd", kTwoRows);
        writeBytes(dir.path() + "/elsewhere/shortlist.txt.old", kTwoRows);
        QCOMPARE(shown(readShortlist(dir.path() + "/elsewhere")), QString());
        QCOMPARE(QDir(dir.path() + "/elsewhere").entryList(QDir::Files), QStringList{"shortlist.txt.old"});
    }
    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read"); // the rows, or the reason after the path
        QTest::newRow("good, CR LF too") << QByteArray(kTwoRows).replace("\n", "\r\n") << "x men José | - women Ærin";
        QTest::newRow("empty list") << QByteArray("Lullara shortlist 1\nend 0\n") << "";
        const QString notOurs = "It is not a list kept by Lullara (its first line is not \"Lullara shortlist 1\").";
        QTest::newRow("empty file") << QByteArray() << notOurs;
        QTest::newRow("an export") << QByteArray(" \r\nAnna\r\n \r\n..........\r\n1 names\r\n") << notOurs;
        QTest::newRow("a newer version") << QByteArray("Lullara shortlist 2\nend 0\n")
                                         << "It was kept in another format (\"Lullara shortlist 2\"); this version "
                                            "of Lullara reads \"Lullara shortlist 1\".";
        const QString incomplete = "It is incomplete: its last line does not give the number of its rows.";
        QTest::newRow("cut after a row") << kTwoRows.left(kTwoRows.indexOf("end")) << incomplete;
        QTest::newRow("cut in a row") << kTwoRows.left(kTwoRows.indexOf("\xC3\x86"))
                                      << "It does not end with a complete line.";
        QTest::newRow("a row too many") << QByteArray(kTwoRows).replace("end 2", "end 1") << incomplete;
        QTest::newRow("tick") << QByteArray(kTwoRows).replace("x\t", "y\t") << "Its line 2 is damaged.";
        QTest::newRow("icon key") << QByteArray(kTwoRows).replace("women", "wo men") << "Its line 3 is damaged.";
        QTest::newRow("no key") << QByteArray(kTwoRows).replace("\twomen", "") << "Its line 3 is damaged.";
        QTest::newRow("escape") << QByteArray(kTwoRows).replace("Jos", "J\\os") << "Its line 2 is damaged.";
        QTest::newRow("Latin-1") << QByteArray(kTwoRows).replace("\xC3\xA9", "\xE9") << "It is not UTF-8 text.";
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QTemporaryDir dir;
        writeBytes(dir.filePath("shortlist.txt"), bytes);
        const auto result = readShortlist(dir.path());
        QCOMPARE(shown(result), std::holds_alternative<QString>(result)
                                    ? "The kept list " + QDir::toNativeSeparators(dir.filePath("shortlist.txt"))
                                          + " cannot be read: " + read
                                    : read);
    }
    // Every change is written while the keeper is on, nothing while it is off.
    void keeper()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("shortlist.txt");
        GeneratedRows rows;
        ShortlistKeeper keeper(&rows, dir.path());
        rows.append("Anna", "women");
        QCOMPARE(fileBytes(path), "<missing>");
        keeper.setEnabled(true);
        QCOMPARE(fileBytes(path), "Lullara shortlist 1\n-\twomen\tAnna\nend 1\n");
        rows.append("Ben", "men");
        rows.setTicked(2, true);
        QCOMPARE(fileBytes(path), "Lullara shortlist 1\n-\twomen\tAnna\nx\tmen\tBen\nend 2\n");
        rows.setAllTicked(false);
        QCOMPARE(fileBytes(path), "Lullara shortlist 1\n-\twomen\tAnna\n-\tmen\tBen\nend 2\n");
        rows.clear();
        QCOMPARE(fileBytes(path), "Lullara shortlist 1\nend 0\n");
        keeper.setEnabled(false);
        rows.append("Cleo", "women");
        QCOMPARE(fileBytes(path), "Lullara shortlist 1\nend 0\n");
    }
    // A writer killed at any moment leaves the old list or the new one.
    void killedWhileWriting()
    {
#ifndef Q_OS_LINUX
        QSKIP("fork and kill -9 are tried on Linux");
#else
        QTemporaryDir dir;
        Shortlist small{{"Anna", "women", true}}, large;
        for (int i = 0; i < 20000; ++i)
            large.push_back({QStringLiteral("Zoë %1").arg(i), "women", i % 3 == 0});
        const QByteArray smallBytes = shortlistBytes(small), largeBytes = shortlistBytes(large);
        QCOMPARE(writeShortlist(dir.path(), small), std::nullopt);
        int seen[2] = {0, 0};
        for (int round = 0; round < 12; ++round) {
            int ready[2];
            QCOMPARE(pipe(ready), 0);
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ::close(ready[0]);
                for (int i = 0;; ++i) {
                    if (writeShortlist(dir.path(), i % 2 ? small : large))
                        _exit(1);
                    if (i == 0 && ::write(ready[1], "w", 1) != 1)
                        _exit(1);
                }
            }
            ::close(ready[1]);
            char c = 0;
            QCOMPARE(::read(ready[0], &c, 1), ssize_t(1));
            ::close(ready[0]);
            usleep(useconds_t(1000 + 3000 * round));
            QCOMPARE(::kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status));
            const QByteArray found = fileBytes(dir.filePath("shortlist.txt"));
            QVERIFY2(found == smallBytes || found == largeBytes, found.left(60).constData());
            ++seen[found == largeBytes];
            // Reading it clears what the writer may have left beside it.
            QVERIFY(std::holds_alternative<Shortlist>(readShortlist(dir.path())));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"shortlist.txt"});
        }
        qInfo("old/new list found after the kill: %d small, %d large", seen[0], seen[1]);
#endif
    }
};

QTEST_GUILESS_MAIN(TestShortlist)
#include "tst_shortlist.moc"
