// The exported files byte for byte: the plain-text file and the HTML page
// against the golden files of tests/data and against literal bytes.

#include "output/formats.h"

#include <QFile>
#include <QtTest>

using namespace lullara;

namespace {

// A golden file, checked for intact CR LF line ends first so that a checkout
// that rewrote them is reported as such and not as a format fault.
QByteArray golden(const QString &fileName)
{
    QFile file(QStringLiteral(LULLARA_TEST_DATA_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<cannot read " + fileName.toUtf8() + ">";
    const QByteArray bytes = file.readAll();
    if (bytes.count('\n') != bytes.count("\r\n"))
        return "<golden file lost its CR LF line ends; mark it -text>";
    return bytes;
}

const QByteArray kHtmlHead = " \r\n<html><head><meta charset=\"utf-8\"><title>Lullara</title></head>"
                             "<body topmargin=0 leftmargin=0>\r\n"
                             "<table border=0 cellpadding=10 cellspacing=0 width=100% "
                             "style=\"font-family: Verdana, Arial\">\r\n"
                             "<tr><td width=100%><h1><font face=\"Verdana, Arial\">Lullara</font></h1></td></tr><tr>\r\n"
                             "<td width=100%><table border=0 cellpadding=2 cellspacing=0 width=100% "
                             "style=\"font-size: 10pt\">\r\n";

} // namespace

class TestExportFiles : public QObject {
    Q_OBJECT

private slots:
    void exportFile_data();
    void exportFile();
};

void TestExportFiles::exportFile_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("imagePath");
    QTest::addColumn<QByteArray>("expected");

    const QString date = QStringLiteral("07.03.2024 14:05:09");
    QTest::newRow("text, Anna and Ben") << false << QStringList{"Anna", "Ben"} << 2 << date << QString()
                                        << golden("export_anna_ben.txt");
    QTest::newRow("text, none written, the count as given")
        << false << QStringList{} << 3 << "d" << QString()
        << QByteArray(" \r\n \r\n..........\r\n3 names\r\nCreated with Lullara v.2.0\r\nd\r\n");
    QTest::newRow("text, names unchanged, UTF-8")
        << false << QStringList{" Anna ", "", "<&>", QStringLiteral("Zo\u00eb")} << 4 << "d" << QString()
        << QByteArray(" \r\n Anna \r\n\r\n<&>\r\nZo\xC3\xAB\r\n \r\n..........\r\n4 names\r\n"
                      "Created with Lullara v.2.0\r\nd\r\n");

    QTest::newRow("HTML, escaped names and image path, one image for all rows")
        << true << QStringList{"Ben", QStringLiteral("Zo\u00eb"), "<b>Bo & \"Al\"</b>"} << 3 << date
        << QStringLiteral("C:\\Apps\\R&D \"Lullara\"\\guy.gif") << golden("export_boys_girls.htm");
    QTest::newRow("HTML, none written")
        << true << QStringList{} << 0 << "d" << "/opt/lullara/girl.gif"
        << kHtmlHead + "</tr></table></td></tr><tr>\r\n<td width=100% style=\"font-size: 8pt\">.....................<br>"
                       "0 names<br>Created with Lullara v.2.0<br>d</td></tr></table>\r\n</body></html>\r\n";
    QTest::newRow("HTML, escaped date")
        << true << QStringList{"Ann"} << 1 << "1 < 2 & \"3\"" << "/x/guy.gif"
        << kHtmlHead + "<tr><td><img border=0 src=\"/x/guy.gif\" width=16 height=16></td>\r\n<td width=100%>Ann</td>\r\n"
                       "</tr></table></td></tr><tr>\r\n<td width=100% style=\"font-size: 8pt\">.....................<br>"
                       "1 names<br>Created with Lullara v.2.0<br>1 &lt; 2 &amp; &quot;3&quot;</td></tr></table>\r\n"
                       "</body></html>\r\n";
}

void TestExportFiles::exportFile()
{
    QFETCH(bool, html);
    QFETCH(QStringList, names);
    QFETCH(int, count);
    QFETCH(QString, dateTime);
    QFETCH(QString, imagePath);
    QFETCH(QByteArray, expected);

    const ExportContent content{names, count, dateTime, imagePath};
    QCOMPARE(html ? htmlExport(content) : plainTextExport(content), expected);
}

QTEST_APPLESS_MAIN(TestExportFiles)
#include "tst_exportfiles.moc"
