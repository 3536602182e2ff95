// The name list files: parsing bytes, the letter filter, and reading from
// disk with its failure numbers.

#include "names/namefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

namespace {

const QString kZoe = QStringLiteral("Zo\u00eb");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestNameFile : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void filter_data();
    void filter();
    void read_data();
    void read();
    void paths();
};

void TestNameFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char *name, const QByteArray &bytes, const QStringList &names) {
        QTest::newRow(name) << bytes << names;
    };

    row("empty file", "", {});
    row("comments only", "#a\r\n#b\r\n#c", {});
    row("comments at top, between and at end", "#boys\r\nAnna\r\n#x\r\nBen\r\n#end\r\n#really", {"Anna", "Ben"});
    row("lone hash is a comment", "#\r\nAnna", {"Anna"});
    row("hash only counts as first character", " #Anna\r\nAn#na\r\nBen#\r\n", {" #Anna", "An#na", "Ben#"});
    row("empty lines are empty names", "Anna\r\n\r\nBen\r\n\r\n", {"Anna", "", "Ben", ""});
    row("one line end alone", "\r\n", {""});
    row("blank line then comment", "\r\n#x", {""});
    row("names kept exactly, duplicates too", " Anna \r\n\tBen\r\nAnna\r\nanna", {" Anna ", "\tBen", "Anna", "anna"});

    row("CR LF, last without line end", "Anna\r\nBen", {"Anna", "Ben"});
    row("LF alone", "Anna\nBen\n", {"Anna", "Ben"});
    row("CR alone", "Anna\rBen\r", {"Anna", "Ben"});
    row("mixed line ends", "A\r\nB\nC\rD\r\n", {"A", "B", "C", "D"});
    row("LF CR is two line ends", "A\n\rB", {"A", "", "B"});
    row("CR CR LF is two line ends", "A\r\r\nB", {"A", "", "B"});
    row("comment ended by CR alone", "#x\rAnna\n#y\nBen", {"Anna", "Ben"});
    row("trailing CR alone adds nothing", "Anna\r", {"Anna"});

    row("UTF-8", "Zo\xC3\xAB\r\nJ\xC3\xBCrgen", {kZoe, QStringLiteral("J\u00fcrgen")});
    row("invalid UTF-8 reads as Latin-1", "Anna\r\nZo\xEB\r\n", {"Anna", kZoe});
    row("one bad byte makes the whole file Latin-1", "J\xC3\xBCrgen\r\nZo\xEB",
        {QStringLiteral("J\u00c3\u00bcrgen"), kZoe});
    row("UTF-8 cut off at the end", "Ann\xC3", {QStringLiteral("Ann\u00c3")});
    row("byte-order mark skipped", "\xEF\xBB\xBF" "Anna\r\nBen", {"Anna", "Ben"});
    row("comment right after byte-order mark", "\xEF\xBB\xBF#list\r\nAnna", {"Anna"});
    row("byte-order mark, then Latin-1", "\xEF\xBB\xBFZo\xEB", {kZoe});
    row("byte-order mark only", "\xEF\xBB\xBF", {});
    row("second byte-order mark is part of the name", "\xEF\xBB\xBF\xEF\xBB\xBF" "Anna",
        {QStringLiteral("\ufeffAnna")});

    const QString nul(QChar(0));
    row("NUL bytes kept", QByteArray("An\0na\r\n\0\r\nBen\0", 14), {"An" + nul + "na", nul, "Ben" + nul});
    const QByteArray longName(1 << 20, 'x');
    row("1 MB line", longName + "\r\nBen", {QString::fromLatin1(longName), "Ben"});
}

void TestNameFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(parseNameFile(bytes), expected);
}

void TestNameFile::filter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("case-sensitive, comment skipped")
        << QByteArray("Bob\r\nbob\r\n#Ben\r\nBill\r\n") << QChar('B') << QStringList{"Bob", "Bill"};
    QTest::newRow("lower-case letter takes lower-case names")
        << QByteArray("Bob\r\nbob\r\nBill") << QChar('b') << QStringList{"bob"};
    QTest::newRow("leading space and empty lines never pass")
        << QByteArray(" Anna\r\n\r\nAnna\r\nanna\r\n\r\nAda") << QChar('A') << QStringList{"Anna", "Ada"};
    QTest::newRow("order and duplicates kept")
        << QByteArray("Kai\r\nAnna\r\nKai\r\nKira") << QChar('K') << QStringList{"Kai", "Kai", "Kira"};
    QTest::newRow("no match") << QByteArray("Anna\r\nBen") << QChar('Z') << QStringList{};
    QTest::newRow("non-ASCII first letter")
        << QByteArray("\xC3\x96zil\r\nOtto") << QChar(0xD6) << QStringList{QStringLiteral("\u00d6zil")};
}

void TestNameFile::filter()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, letter);
    QFETCH(QStringList, expected);
    QCOMPARE(filterByFirstChar(parseNameFile(bytes), letter), expected);
}

void TestNameFile::read_data()
{
    // Paths relative to a folder holding guyname.txt, empty.txt, long.txt,
    // locked.txt (no read permission) and a folder named girlname.txt.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected"); // the names, or the failure

    QTest::newRow("names") << "guyname.txt" << QStringList{"Adam", "Ben"};
    QTest::newRow("empty file is no failure") << "empty.txt" << QStringList{};
    QStringList many;
    for (int i = 0; i < 70000; ++i) // more than a 16-bit position can count
        many << QStringLiteral("Name%1").arg(i);
    QTest::newRow("70,000 names") << "long.txt" << many;
    QTest::newRow("file missing") << "boys.txt" << QStringList{"error 53: File not found"};
    QTest::newRow("folder missing") << "gone/guyname.txt" << QStringList{"error 76: Path not found"};
    QTest::newRow("folder named like the file") << "girlname.txt" << QStringList{"error 75: Path/File access error"};
    QTest::newRow("no read permission") << "locked.txt" << QStringList{"error 70: Permission denied"};
#ifdef Q_OS_LINUX
    QTest::newRow("reading fails part-way") << "/proc/self/mem" << QStringList{"error 57: Device I/O error"};
#endif
}

void TestNameFile::read()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(kBoysFile), "#boys\r\nAdam\r\nBen\r\n"));
    QVERIFY(writeFile(dir.filePath("empty.txt"), ""));
    QVERIFY(writeFile(dir.filePath("long.txt"), expected.join("\r\n").toLatin1()));
    QVERIFY(writeFile(dir.filePath("locked.txt"), "Anna\r\n"));
    QVERIFY(QFile::setPermissions(dir.filePath("locked.txt"), QFileDevice::WriteOwner));
    QVERIFY(QDir(dir.path()).mkdir(kGirlsFile));
    if (QFile probe(dir.filePath("locked.txt")); path == "locked.txt" && probe.open(QIODevice::ReadOnly))
        QSKIP("File permissions deny nothing here (root?).");

    const auto result = readNameFile(QDir(dir.path()).filePath(path));
    if (const auto *error = std::get_if<NameFileError>(&result))
        QCOMPARE(QStringList{QStringLiteral("error %1: %2").arg(error->number).arg(error->description)}, expected);
    else
        QCOMPARE(std::get<QStringList>(result), expected);
}

void TestNameFile::paths()
{
    const QString sep = QDir::separator();
    QCOMPARE(nameFilePath("prog", kBoysFile), "prog" + sep + "guyname.txt");
    QCOMPARE(nameFilePath("prog" + sep, kGirlsFile), "prog" + sep + sep + "girlname.txt"); // no check
    QCOMPARE(displayFileName(kGirlsFile), sep + "girlname.txt");
}

QTEST_GUILESS_MAIN(TestNameFile)
#include "tst_namefile.moc"
