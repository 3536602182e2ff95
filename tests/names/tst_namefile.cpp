#include "names/namefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace lullara;

namespace {

QByteArray bytesOf(const char *data, qsizetype size)
{
    return QByteArray(data, size);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(bytes) == bytes.size();
}

} // namespace

class TestNameFile : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void filter_data();
    void filter();
    void readsFile();
    void readFailures_data();
    void readFailures();
    void unreadableFile();
    void longListLoadsWhole();
    void paths();
};

void TestNameFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    const QString zoe = QStringLiteral("Zo") + QChar(0xEB);

    // Comments.
    QTest::newRow("comments at top") << QByteArray("#boys\r\n#second\r\nAnna\r\nBen\r\n")
                                     << QStringList{"Anna", "Ben"};
    QTest::newRow("comment between names") << QByteArray("Anna\r\n#x\r\nBen\r\n")
                                           << QStringList{"Anna", "Ben"};
    QTest::newRow("comments at end, last without line end")
        << QByteArray("Anna\r\nBen\r\n#end\r\n#really") << QStringList{"Anna", "Ben"};
    QTest::newRow("comments at end, last with line end")
        << QByteArray("Anna\r\nBen\r\n#end\r\n") << QStringList{"Anna", "Ben"};
    QTest::newRow("lone hash is a comment") << QByteArray("#\r\nAnna") << QStringList{"Anna"};
    QTest::newRow("hash only counts as first character")
        << QByteArray(" #Anna\r\nAn#na\r\nBen#\r\n") << QStringList{" #Anna", "An#na", "Ben#"};
    QTest::newRow("comments only") << QByteArray("#a\r\n#b\r\n#c") << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};

    // Empty lines, exact names, duplicates.
    QTest::newRow("empty lines are empty names") << QByteArray("Anna\r\n\r\nBen\r\n\r\n")
                                                 << QStringList{"Anna", "", "Ben", ""};
    QTest::newRow("one line end alone") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("blank line then comment") << QByteArray("\r\n#x") << QStringList{""};
    QTest::newRow("names kept exactly") << QByteArray(" Anna \r\n\tBen\r\nCARL\r\n")
                                        << QStringList{" Anna ", "\tBen", "CARL"};
    QTest::newRow("duplicates kept") << QByteArray("Anna\r\nAnna\r\nanna\r\nAnna")
                                     << QStringList{"Anna", "Anna", "anna", "Anna"};

    // Line ends.
    QTest::newRow("CR LF, last without line end") << QByteArray("Anna\r\nBen")
                                                  << QStringList{"Anna", "Ben"};
    QTest::newRow("LF alone") << QByteArray("Anna\nBen\n") << QStringList{"Anna", "Ben"};
    QTest::newRow("CR alone") << QByteArray("Anna\rBen\r") << QStringList{"Anna", "Ben"};
    QTest::newRow("mixed line ends") << QByteArray("A\r\nB\nC\rD\r\n")
                                     << QStringList{"A", "B", "C", "D"};
    QTest::newRow("LF CR is two line ends") << QByteArray("A\n\rB") << QStringList{"A", "", "B"};
    QTest::newRow("CR CR LF is two line ends") << QByteArray("A\r\r\nB") << QStringList{"A", "", "B"};
    QTest::newRow("comment ended by CR alone") << QByteArray("#x\rAnna\n#y\nBen")
                                               << QStringList{"Anna", "Ben"};
    QTest::newRow("trailing CR alone adds nothing") << QByteArray("Anna\r") << QStringList{"Anna"};

    // Character sets.
    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB\r\nJ\xC3\xBCrgen")
                           << QStringList{zoe, QStringLiteral("J") + QChar(0xFC) + "rgen"};
    QTest::newRow("invalid UTF-8 reads as Latin-1") << QByteArray("Anna\r\nZo\xEB\r\n")
                                                    << QStringList{"Anna", zoe};
    QTest::newRow("one bad byte makes the whole file Latin-1")
        << QByteArray("J\xC3\xBCrgen\r\nZo\xEB")
        << QStringList{QStringLiteral("J") + QChar(0xC3) + QChar(0xBC) + "rgen", zoe};
    QTest::newRow("UTF-8 cut off at the end") << QByteArray("Ann\xC3")
                                              << QStringList{QStringLiteral("Ann") + QChar(0xC3)};
    QTest::newRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBF" "Anna\r\nBen")
                                             << QStringList{"Anna", "Ben"};
    QTest::newRow("comment right after byte-order mark")
        << QByteArray("\xEF\xBB\xBF#list\r\nAnna") << QStringList{"Anna"};
    QTest::newRow("byte-order mark, then Latin-1") << QByteArray("\xEF\xBB\xBFZo\xEB")
                                                   << QStringList{zoe};
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << QStringList{};

    // Damaged files.
    {
        const char raw[] = "An\0na\r\n\0\r\nBen\0";
        QString first = QStringLiteral("An");
        first += QChar(0);
        first += QStringLiteral("na");
        QTest::newRow("NUL bytes kept") << bytesOf(raw, sizeof(raw) - 1)
                                        << QStringList{first, QString(QChar(0)),
                                                       QStringLiteral("Ben") + QChar(0)};
    }
    {
        const QByteArray longName(1 << 20, 'x');
        QTest::newRow("1 MB line") << (longName + "\r\nBen")
                                   << QStringList{QString::fromLatin1(longName), "Ben"};
    }
}

void TestNameFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const QStringList names = parseNameFile(bytes);
    QCOMPARE(names.size(), expected.size());
    QCOMPARE(names, expected);
}

void TestNameFile::filter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("B, case-sensitive, comment skipped")
        << QByteArray("Bob\r\nbob\r\n#Ben\r\nBill\r\n") << QChar('B') << QStringList{"Bob", "Bill"};
    QTest::newRow("leading space and empty lines never pass")
        << QByteArray(" Anna\r\n\r\nAnna\r\nanna\r\n\r\nAda") << QChar('A')
        << QStringList{"Anna", "Ada"};
    QTest::newRow("order and duplicates kept")
        << QByteArray("Kai\r\nAnna\r\nKai\r\nKira") << QChar('K') << QStringList{"Kai", "Kai", "Kira"};
    QTest::newRow("no match") << QByteArray("Anna\r\nBen") << QChar('Z') << QStringList{};
    QTest::newRow("non-ASCII first letter") << QByteArray("\xC3\x96zil\r\nOtto") << QChar(0xD6)
                                            << QStringList{QString(QChar(0xD6)) + "zil"};
}

void TestNameFile::filter()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, letter);
    QFETCH(QStringList, expected);
    QCOMPARE(filterByFirstChar(parseNameFile(bytes), letter), expected);
}

void TestNameFile::readsFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = nameFilePath(QDir::toNativeSeparators(dir.path()), kBoysFile);
    QVERIFY(writeFile(path, "#boys\r\nAdam\r\nBen\r\n"));

    const auto result = readNameFile(path);
    QVERIFY(std::holds_alternative<QStringList>(result));
    QCOMPARE(std::get<QStringList>(result), (QStringList{"Adam", "Ben"}));

    // A change on disk is seen at the next read.
    QVERIFY(writeFile(path, "Carl"));
    const auto again = readNameFile(path);
    QVERIFY(std::holds_alternative<QStringList>(again));
    QCOMPARE(std::get<QStringList>(again), QStringList{"Carl"});

    // An empty file is no failure.
    QVERIFY(writeFile(path, QByteArray()));
    const auto empty = readNameFile(path);
    QVERIFY(std::holds_alternative<QStringList>(empty));
    QVERIFY(std::get<QStringList>(empty).isEmpty());
}

void TestNameFile::readFailures_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");

    QTest::newRow("file missing") << QStringLiteral("guyname.txt") << 53 << QStringLiteral("File not found");
    QTest::newRow("folder missing") << QStringLiteral("gone/guyname.txt") << 76
                                    << QStringLiteral("Path not found");
    QTest::newRow("folder named like the file") << QStringLiteral("girlname.txt") << 75
                                                << QStringLiteral("Path/File access error");
}

void TestNameFile::readFailures()
{
    QFETCH(QString, relativePath);
    QFETCH(int, number);
    QFETCH(QString, description);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("girlname.txt")));

    const auto result = readNameFile(dir.filePath(relativePath));
    QVERIFY(std::holds_alternative<NameFileError>(result));
    const NameFileError error = std::get<NameFileError>(result);
    QCOMPARE(error.number, number);
    QCOMPARE(error.description, description);
}

void TestNameFile::unreadableFile()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("File permissions do not deny anything to root.");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kGirlsFile);
    QVERIFY(writeFile(path, "Anna\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("This file system does not deny reading by permissions.");

    const auto result = readNameFile(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(std::holds_alternative<NameFileError>(result));
    QCOMPARE(std::get<NameFileError>(result).number, int(kErrAccessDenied));
    QCOMPARE(std::get<NameFileError>(result).description, QStringLiteral("Permission denied"));
}

void TestNameFile::longListLoadsWhole()
{
    // More names than a 16-bit position can count: all are read.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int count = 70000;
    QByteArray bytes;
    bytes.reserve(count * 12);
    for (int i = 0; i < count; ++i)
        bytes += "Name" + QByteArray::number(i) + "\r\n";
    const QString path = dir.filePath(kBoysFile);
    QVERIFY(writeFile(path, bytes));

    const auto result = readNameFile(path);
    QVERIFY(std::holds_alternative<QStringList>(result));
    const QStringList names = std::get<QStringList>(result);
    QCOMPARE(names.size(), count);
    QCOMPARE(names.first(), QStringLiteral("Name0"));
    QCOMPARE(names.at(32767), QStringLiteral("Name32767"));
    QCOMPARE(names.last(), QStringLiteral("Name69999"));
}

void TestNameFile::paths()
{
    const QChar sep = QDir::separator();
    QCOMPARE(nameFilePath(QStringLiteral("prog"), kBoysFile), QStringLiteral("prog") + sep + "guyname.txt");
    // No check whether the folder already ends with a separator.
    const QString withSep = QStringLiteral("prog") + sep;
    QCOMPARE(nameFilePath(withSep, kGirlsFile), withSep + sep + "girlname.txt");
    QCOMPARE(displayFileName(kBoysFile), QString(sep) + "guyname.txt");
    QCOMPARE(displayFileName(kGirlsFile), QString(sep) + "girlname.txt");
}

QTEST_GUILESS_MAIN(TestNameFile)
#include "tst_namefile.moc"
