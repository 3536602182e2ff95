// The exported files byte for byte: the plain-text file and the HTML page
// against the golden files of tests/data and against literal bytes.

#include "output/formats.h"

#include <QFile>
#include <QtTest>

using namespace lullara;

// A golden file, checked for intact CR LF line ends first so that a checkout
// that rewrote them is reported as such and not as a format fault.
static QByteArray golden(const QString &fileName)
{
    QFile file(QStringLiteral(LULLARA_TEST_DATA_DIR "/") + fileName);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "<cannot read " + fileName.toUtf8() + ">";
    return bytes.count('\n') == bytes.count("\r\n") ? bytes : "<golden file lost its CR LF line ends; mark it -text>";
}

class TestExportFiles : public QObject {
    Q_OBJECT

private slots:
    void exportFile()
    {
        const QString date = QStringLiteral("07.03.2024 14:05:09");
        const QByteArray page = golden("export_boys_girls.htm");
        // HTML or text, what is exported, the bytes written.
        const std::tuple<bool, ExportContent, QByteArray> rows[] = {
            {false, {{"Anna", "Ben"}, 2, date, {}}, golden("export_anna_ben.txt")},
            // Names unchanged, UTF-8, the count as given.
            {false, {{" Anna ", "", "<&>", QStringLiteral("Zo\u00eb")}, 7, "d", {}},
             " \r\n Anna \r\n\r\n<&>\r\nZo\xC3\xAB\r\n \r\n..........\r\n7 names\r\n"
             "Created with Lullara v.2.0\r\nd\r\n"},
            // Escaped names and image path, one image for all rows.
            {true,
             {{"Ben", QStringLiteral("Zo\u00eb"), "<b>Bo & \"Al\"</b>"}, 3, date,
              QStringLiteral("C:\\Apps\\R&D \"Lullara\"\\guy.gif")},
             page},
            // An escaped date; the head up to the first name's row is the page's.
            {true, {{"Ann"}, 1, "1 < 2 & \"3\"", "/x/guy.gif"},
             page.left(page.indexOf("<tr><td><img"))
                 + "<tr><td><img border=0 src=\"/x/guy.gif\" width=16 height=16></td>\r\n<td width=100%>Ann</td>\r\n"
                   "</tr></table></td></tr><tr>\r\n<td width=100% style=\"font-size: 8pt\">.....................<br>"
                   "1 names<br>Created with Lullara v.2.0<br>1 &lt; 2 &amp; &quot;3&quot;</td></tr></table>\r\n"
                   "</body></html>\r\n"}};
        for (const auto &[html, content, expected] : rows)
            QCOMPARE(html ? htmlExport(content) : plainTextExport(content), expected);
    }
};

QTEST_APPLESS_MAIN(TestExportFiles)
#include "tst_exportfiles.moc"
