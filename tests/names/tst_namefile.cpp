// The name list files: parsing bytes, and reading from disk with its failure
// numbers, and the fuzzer's seed corpus (bench/fuzz) replayed.

#include "fixture.h"
#include "names/namefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>
#include <vector>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace lullara;
using lullara::test::withoutRootRights;

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
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *name, const QByteArray &bytes, const QStringList &names) {
            QTest::newRow(name) << bytes << names;
        };

        row("empty file", "", {});
        row("comments at top, between and at end", "#boys\r\nAnna\r\n#x\r\nBen\r\n#end\r\n#really", {"Anna", "Ben"});
        row("lone hash is a comment", "#\r\nAnna", {"Anna"});
        row("hash only counts as first character", " #Anna\r\nAn#na\r\nBen#\r\n", {" #Anna", "An#na", "Ben#"});
        row("empty lines are empty names", "Anna\r\n\r\nBen\r\n\r\n", {"Anna", "", "Ben", ""});
        row("names kept exactly, duplicates too", " Anna \r\n\tBen\r\nAnna\r\nanna",
            {" Anna ", "\tBen", "Anna", "anna"});
        row("CR alone", "Anna\rBen\r", {"Anna", "Ben"});
        row("mixed line ends", "A\r\nB\nC\rD\r\n", {"A", "B", "C", "D"});
        row("LF CR is two line ends", "A\n\rB", {"A", "", "B"});
        row("comment ended by CR alone", "#x\rAnna\n#y\nBen", {"Anna", "Ben"});

        row("UTF-8", "Zo\xC3\xAB\r\nJ\xC3\xBCrgen", {kZoe, QStringLiteral("J\u00fcrgen")});
        row("invalid UTF-8 reads as Latin-1", "Anna\r\nZo\xEB\r\n", {"Anna", kZoe});
        row("one bad byte makes the whole file Latin-1", "J\xC3\xBCrgen\r\nZo\xEB",
            {QStringLiteral("J\u00c3\u00bcrgen"), kZoe});
        row("UTF-8 cut off at the end", "Ann\xC3", {QStringLiteral("Ann\u00c3")});
        row("byte-order mark skipped", "\xEF\xBB\xBF" "Anna\r\nBen", {"Anna", "Ben"});
        row("comment right after byte-order mark", "\xEF\xBB\xBF#list\r\nAnna", {"Anna"});
        row("byte-order mark, then Latin-1", "\xEF\xBB\xBFZo\xEB", {kZoe});
        row("second byte-order mark is part of the name", "\xEF\xBB\xBF\xEF\xBB\xBF" "Anna",
            {QStringLiteral("\ufeffAnna")});
        const QString text = QStringLiteral("Zo\u00eb\r\n#x\r\nAnna");
        using C = QStringConverter; // UTF-16 and UTF-32 are read by their byte-order mark
        for (auto e : {C::Utf16LE, C::Utf16BE, C::Utf32LE, C::Utf32BE})
            row(C::nameForEncoding(e), QStringEncoder(e, C::Flag::WriteBom).encode(text), {kZoe, "Anna"});
        const QString nul(QChar(0));
        row("NUL bytes kept", QByteArray("An\0na\r\n\0\r\nBen\0", 14), {"An" + nul + "na", nul, "Ben" + nul});
        // Without a byte-order mark: every other byte NUL is UTF-16.
        for (auto e : {C::Utf16LE, C::Utf16BE})
            row(QByteArray(C::nameForEncoding(e)) + " without a mark", QStringEncoder(e).encode(text), {kZoe, "Anna"});
        // Code units that stand for no character become U+FFFD, so the names
        // are text that a UTF-8 file holds as they are.
        const QString bad(QChar::ReplacementCharacter);
        row("UTF-32 beyond U+10FFFF and a surrogate", QByteArray("\xFF\xFE\0\0A\0\0\0\0\0\x11\0\r\0\0\0\0\xD8\0\0", 20),
            {"A" + bad + bad, bad}); // Qt makes two halves of a pair of the former
        row("UTF-16 lone surrogates", QByteArray("\xFF\xFE" "A\0\0\xD8\r\0\0\xDC" "B\0\x3D\xD8\x00\xDE", 16),
            {"A" + bad, bad + "B" + QStringLiteral("\U0001F600")});
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QTEST(parseNameFile(bytes), "expected");
    }
    void read()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(kBoysFile), "#boys\r\nAdam\r\nBen\r\n"));
        QVERIFY(writeFile(dir.filePath("empty.txt"), ""));
        QVERIFY(writeFile(dir.filePath("locked.txt"), "Anna\r\n"));
        QVERIFY(QFile::setPermissions(dir.filePath("locked.txt"), QFileDevice::WriteOwner));
        QVERIFY(QDir(dir.path()).mkdir(kGirlsFile));
#ifndef Q_OS_WIN
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero")));
#endif
        QFile huge(dir.filePath("huge.txt"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxNameFileBytes + 1)); // sparse
        const QStringList accessError{"error 75: Path/File access error"};
        const auto described = [](const std::variant<QStringList, NameFileError> &result) {
            const auto *error = std::get_if<NameFileError>(&result);
            return error ? QStringList{QStringLiteral("error %1: %2").arg(error->number).arg(error->description)}
                         : std::get<QStringList>(result);
        };
        // The entry read, and the names or the failure.
        std::vector<std::pair<QString, QStringList>> rows = {
            {"guyname.txt", {"Adam", "Ben"}},
            {"empty.txt", {}}, // no failure
            {"boys.txt", {"error 53: File not found"}},
            {"gone/guyname.txt", {"error 76: Path not found"}},
            {"girlname.txt", accessError}, // a folder named like the file
            {"huge.txt", {"error 7: File too large"}}}; // over 64 MiB
#ifndef Q_OS_WIN
        // Special files of POSIX systems.
        rows.insert(rows.end(), {
            {"pipe", accessError}, // that never ends
            {"zero", accessError}, // a link to a device
            {"/proc/self/mem", {"error 57: Device I/O error"}}}); // reading fails part-way
#endif
        for (const auto &[path, expected] : rows)
            QCOMPARE(described(readNameFile(QDir(dir.path()).filePath(path))), expected);

#ifdef Q_OS_LINUX
        // Without read permission, also for root.
        const auto locked = withoutRootRights(
            [&] { return described(readNameFile(dir.filePath("locked.txt"))).join('|').toUtf8(); });
        if (!locked)
            QSKIP("permissions cannot bind this test here (no user namespace for root, or no permission bits)");
        QCOMPARE(*locked, QByteArray("error 70: Permission denied"));
#endif
    }
    void corpusKeepsTheParsersPromises()
    {
        const QDir corpus(QStringLiteral(LULLARA_TEST_DATA_DIR "/../../bench/fuzz/corpus"));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(files.size() > 20);
        for (const QString &name : files) {
            QFile f(corpus.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QStringList names = parseNameFile(f.readAll());
            QByteArray written("\xEF\xBB\xBF");
            for (const QString &entry : names) {
                QVERIFY2(!entry.contains(u'\r') && !entry.contains(u'\n') && !entry.startsWith(u'#'), qPrintable(name));
                written += entry.toUtf8() + "\r\n";
            }
            // Written back as UTF-8, the names read back the same.
            QVERIFY2(parseNameFile(written) == names, qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestNameFile)
#include "tst_namefile.moc"
