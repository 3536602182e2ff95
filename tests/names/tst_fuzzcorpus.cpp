// Replays the fuzzing seed corpus (bench/fuzz/corpus: NUL bytes, invalid
// UTF-8, CR and LF mixes, byte-order marks, very long lines) through the
// name-file parser and checks what must hold for any file, and for any two
// files joined into one.

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QtTest>
#include <variant>

#include "names/namefile.h"

using namespace lullara;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

QString corpusDir()
{
    return QDir(QStringLiteral(LULLARA_TEST_DATA_DIR)).filePath(QStringLiteral("../../bench/fuzz/corpus"));
}

QStringList corpusFiles()
{
    return QDir(corpusDir()).entryList(QDir::Files, QDir::Name);
}

QByteArray readCorpusFile(const QString &name)
{
    QFile f(QDir(corpusDir()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read corpus file %s", qPrintable(name));
    return f.readAll();
}

QByteArray withoutBom(const QByteArray &bytes)
{
    return bytes.startsWith(kBom) ? bytes.mid(kBom.size()) : bytes;
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    Q_UNUSED(ignored);
    return !decoder.hasError();
}

qsizetype lineEndBytes(const QByteArray &bytes)
{
    return bytes.count('\r') + bytes.count('\n');
}

// `a` and `b` as one file: `b` starts on a line of its own, and no line end
// is added where `a` already ends with one (or has no lines at all). A CR at
// the end of `a` gets its LF, so it cannot swallow an LF at the start of `b`.
// The byte-order mark of `b` is dropped, as it would be mid-file.
QByteArray joined(const QByteArray &a, const QByteArray &b)
{
    if (a.isEmpty())
        return b;
    const QByteArray body = withoutBom(a);
    const bool needsLineEnd = !body.isEmpty() && !body.endsWith('\n');
    return a + (needsLineEnd ? QByteArray("\n") : QByteArray()) + withoutBom(b);
}

} // namespace

class TestFuzzCorpus : public QObject {
    Q_OBJECT
private slots:
    void corpusIsThere();
    void eachFile_data();
    void eachFile();
    void joinedFiles_data();
    void joinedFiles();
};

void TestFuzzCorpus::corpusIsThere()
{
    // A wrong path would make every other test pass on nothing.
    QVERIFY2(corpusFiles().size() >= 20, qPrintable(corpusDir()));
}

void TestFuzzCorpus::eachFile_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : corpusFiles())
        QTest::newRow(qPrintable(name)) << name;
}

void TestFuzzCorpus::eachFile()
{
    QFETCH(QString, file);
    const QByteArray bytes = readCorpusFile(file);
    const QStringList names = parseNameFile(bytes);

    QVERIFY(names.size() <= lineEndBytes(bytes) + 1);
    for (const QString &name : names) {
        QVERIFY2(!name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\n')), qPrintable(name.left(40)));
        QVERIFY2(!name.startsWith(QLatin1Char('#')), qPrintable(name.left(40)));
    }

    // Written back as UTF-8 with CR LF (behind a byte-order mark, so that a
    // name starting with U+FEFF survives), the names read back the same.
    QByteArray written = kBom;
    for (const QString &name : names)
        written += name.toUtf8() + "\r\n";
    QCOMPARE(parseNameFile(written), names);

    // Reading the file from disk gives what parsing its bytes gives.
    const auto fromDisk = readNameFile(QDir(corpusDir()).filePath(file));
    QVERIFY(std::holds_alternative<QStringList>(fromDisk));
    QCOMPARE(std::get<QStringList>(fromDisk), names);

    // The letter filter takes exactly the names that start with the letter.
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        const QChar letter = name.front();
        const QStringList taken = filterByFirstChar(names, letter);
        QStringList expected;
        for (const QString &n : names) {
            if (!n.isEmpty() && n.front() == letter)
                expected.append(n);
        }
        QCOMPARE(taken, expected);
        break; // one letter per file is enough
    }
}

void TestFuzzCorpus::joinedFiles_data()
{
    QTest::addColumn<QString>("first");
    for (const QString &name : corpusFiles())
        QTest::newRow(qPrintable(name)) << name;
}

void TestFuzzCorpus::joinedFiles()
{
    QFETCH(QString, first);
    const QByteArray a = readCorpusFile(first);
    const QStringList namesA = parseNameFile(a);
    for (const QString &second : corpusFiles()) {
        const QByteArray b = readCorpusFile(second);
        const QStringList namesB = parseNameFile(b);
        const QStringList both = parseNameFile(joined(a, b));
        const QByteArray pair = (first + QStringLiteral(" + ") + second).toUtf8();
        // Line ends and comments are plain ASCII, so the number of names
        // never depends on how the text is decoded.
        QVERIFY2(both.size() == namesA.size() + namesB.size(), pair.constData());
        // Two UTF-8 files joined are one UTF-8 file: the same names in order.
        if (isValidUtf8(withoutBom(a)) && isValidUtf8(withoutBom(b)))
            QVERIFY2(both == namesA + namesB, pair.constData());
    }
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
