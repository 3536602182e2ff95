// The names both parents chose: saved lists read back from both export
// formats (the golden files and the exporter's own bytes, accents included),
// other files refused, and the comparison in both directions.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "output/comparison.h"
#include "output/formats.h"
#include "output/generatedrows.h"

using namespace lullara;

namespace {
QByteArray golden(const QString &fileName)
{
    QFile file(QStringLiteral(LULLARA_TEST_DATA_DIR "/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QStringList kAccents = {"Zoë", "José", "Ærin"};
const QString kDate = "07.03.2024 14:05:09";

// "text: A | B", "html: ...", or the reason.
QString shown(const std::variant<SavedList, QString> &read)
{
    if (const QString *reason = std::get_if<QString>(&read))
        return *reason;
    const SavedList &list = std::get<SavedList>(read);
    return QString(list.format == SavedFormat::Html ? "html: " : "text: ") + list.names.join(" | ");
}

QString refusal(const QString &file)
{
    return file + " is not a list saved by Lullara.\n\nExpected a text file or an HTML page written by \"Save All "
                  "As...\" or \"Save Selected As...\": the names one to a line, then a line of full stops, the "
                  "number of names (\"12 names\") and \"Created with Lullara v.2.0\".";
}
} // namespace

class TestComparison : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("names");
        const QByteArray text = plainTextExport({kAccents, 3, kDate, {}});
        const QByteArray page = htmlExport({kAccents, 3, kDate, "/opt/lullara/girl.gif"});
        QTest::newRow("golden text") << golden("export_anna_ben.txt") << "text: Anna | Ben";
        QTest::newRow("golden page") << golden("export_boys_girls.htm") << "html: Ben | Zoë | <b>Bo & \"Al\"</b>";
        QTest::newRow("text, accents") << text << "text: Zoë | José | Ærin";
        QTest::newRow("page, accents") << page << "html: Zoë | José | Ærin";
        QTest::newRow("text, nothing ticked") << plainTextExport({{}, 0, kDate, {}}) << "text: ";
        QTest::newRow("page, nothing ticked") << htmlExport({{}, 0, kDate, "g"}) << "html: ";
        QTest::newRow("odd names stay") << plainTextExport({{" ", "<html>", "..........", "2 names"}, 4, kDate, {}})
                                        << "text:   | <html> | .......... | 2 names";
        QTest::newRow("LF line ends") << QByteArray(text).replace("\r\n", "\n") << "text: Zoë | José | Ærin";
        QTest::newRow("page with a BOM") << "\xEF\xBB\xBF" + page << "html: Zoë | José | Ærin";
        QTest::newRow("page of an earlier version")
            << QByteArray(page).replace("<meta charset=\"utf-8\">", "") << "html: Zoë | José | Ærin";
        // Files that are not one of the two.
        const QString no = refusal("FILE");
        QTest::newRow("a name file") << QByteArray("Anna\r\nBen\r\n") << no;
        QTest::newRow("empty") << QByteArray() << no;
        QTest::newRow("count differs") << QByteArray(text).replace("3 names", "2 names") << no;
        QTest::newRow("page count differs") << QByteArray(page).replace("3 names", "4 names") << no;
        QTest::newRow("another program") << QByteArray(text).replace("Lullara v.", "Lulla v.") << no;
        QTest::newRow("page cut short") << page.left(page.size() - 16) << no;
        QTest::newRow("page, a row's cell lost") << QByteArray(page).replace("<td width=100%>Jos", "Jos") << no;
        QTest::newRow("Windows-1252 text") << QByteArray(text).replace("\xC3\xAB", "\xEB") << no;
        QTest::newRow("a kept list") << QByteArray("Lullara shortlist 1\n-\tmen\tAnna\nend 1\n") << no;
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("from the other parent.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QTEST(shown(readSavedList(path)).replace(QDir::toNativeSeparators(path), "FILE"), "names");
    }
    void unreadable()
    {
        QTemporaryDir dir;
        QCOMPARE(shown(readSavedList(dir.filePath("none.htm"))),
                 "The file " + QDir::toNativeSeparators(dir.filePath("none.htm")) + " is missing.");
        QCOMPARE(shown(readSavedList(dir.path())),
                 "The file " + QDir::toNativeSeparators(dir.path()) + " is not a regular file.");
        // Too large (a sparse file), with "%2" in its name: the name stays as it is.
        const QString huge = dir.filePath("a%2b.htm");
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(16 * 1024 * 1024 + 1));
        file.close();
        QCOMPARE(shown(readSavedList(huge)), "The file " + QDir::toNativeSeparators(huge)
                                                 + " is too large (more than 16 MiB) for a list saved by Lullara.");
    }
    void compare_data()
    {
        QTest::addColumn<QStringList>("here");
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QString>("shared"); // then the two counts
        const QStringList mum = {"Ærin", "Zoë", "Ben", "José", "Anna"};
        const QStringList dad = {"anna", "ZOË", "Zoe", "Jose", "ærin", "Karl", "Ben "};
        QTest::newRow("mum's view") << mum << dad << "Ærin Zoë Ben Anna (5, 7)";
        QTest::newRow("dad's view") << dad << mum << "anna ZOË ærin Ben  (7, 5)";
        // Zoë with e and a combining diaeresis is the same name, kept as written here.
        QTest::newRow("composed or not") << QStringList{"Zoe\u0308"} << QStringList{"Zo\u00eb"} << "Zoe\u0308 (1, 1)";
        QTest::newRow("each name once") << QStringList{"Ben", "BEN", "Ben"} << QStringList{"ben"} << "Ben (3, 1)";
        QTest::newRow("nothing shared") << QStringList{"Zoe"} << QStringList{"Zoë"} << " (1, 1)";
        QTest::newRow("empty side") << QStringList{} << mum << " (0, 5)";
    }
    void compare()
    {
        QFETCH(QStringList, here);
        QFETCH(QStringList, there);
        const Comparison c = compareNames(here, there);
        QTEST(QStringLiteral("%1 (%2, %3)").arg(c.shared.join(' ')).arg(c.here).arg(c.there), "shared");
    }
    // This side: the ticked rows, or every row when none is ticked.
    void comparedSide()
    {
        GeneratedRows rows;
        for (const QString &name : kAccents)
            rows.append(name, "women");
        QCOMPARE(comparedRows(rows), kAccents);
        rows.setTicked(3, true);
        rows.setTicked(1, true);
        QCOMPARE(comparedRows(rows), QStringList({"Zoë", "Ærin"}));
    }
};

QTEST_GUILESS_MAIN(TestComparison)
#include "tst_comparison.moc"
