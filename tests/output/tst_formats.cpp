#include "output/formats.h"

#include <QFile>
#include <QUrlQuery>
#include <QtTest>

using namespace lullara;

namespace {

const QString kFixedDate = QStringLiteral("07.03.2024 14:05:09");

// A golden file of tests/data, checked for intact CR LF line ends first so a
// checkout that rewrote them is reported as such and not as a format fault.
QByteArray golden(const QString &fileName)
{
    QFile file(QStringLiteral(LULLARA_TEST_DATA_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray bytes = file.readAll();
    if (bytes.count('\n') != bytes.count("\r\n"))
        return QByteArrayLiteral("<golden file lost its CR LF line ends; mark it -text>");
    return bytes;
}

QStringList splitCrLf(const QByteArray &bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    return lines;
}

bool isAllowedInMailto(QChar c)
{
    if (c.unicode() >= 0x80)
        return false;
    if (c.isLetterOrNumber())
        return true;
    return QStringLiteral("-._~!$'()*+,;:@%").contains(c);
}

} // namespace

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void version();
    void generalDate_data();
    void generalDate();
    void generalDateUsesDefaultLocale();
    void plainTextGolden();
    void plainText_data();
    void plainText();
    void htmlGolden();
    void htmlEmptyList();
    void htmlEscape_data();
    void htmlEscape();
    void printout();
    void mailBodyText();
    void mailtoLiteral();
    void mailtoRoundTrip_data();
    void mailtoRoundTrip();
    void clipboard();
};

void TestFormats::version()
{
    QCOMPARE(versionText(), QStringLiteral("2.0"));
}

void TestFormats::generalDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("dateOnly");
    QTest::addColumn<QString>("alsoContains");

    const QDate day(2024, 3, 7);
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale us(QLocale::English, QLocale::UnitedStates);

    QTest::newRow("C midnight") << c << QDateTime(day, QTime(0, 0)) << "7 Mar 2024" << true << "";
    QTest::newRow("C afternoon") << c << QDateTime(day, QTime(14, 5, 9)) << "7 Mar 2024 14:05:09" << false << "";
    QTest::newRow("C one second past midnight")
        << c << QDateTime(day, QTime(0, 0, 1)) << "7 Mar 2024 00:00:01" << false << "";
    QTest::newRow("C one millisecond past midnight")
        << c << QDateTime(day, QTime(0, 0, 0, 1)) << "7 Mar 2024 00:00:00" << false << "";
    QTest::newRow("German midnight") << german << QDateTime(day, QTime(0, 0)) << "07.03.24" << true << "";
    QTest::newRow("German afternoon") << german << QDateTime(day, QTime(14, 5, 9)) << "07.03.24 14:05:09"
                                      << false << "";
    QTest::newRow("US afternoon") << us << QDateTime(day, QTime(14, 5, 9)) << "3/7/24 2:05:09 PM" << false
                                  << "";
    QTest::newRow("US midnight") << us << QDateTime(day, QTime(0, 0)) << "3/7/24" << true << "";
}

void TestFormats::generalDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QFETCH(bool, dateOnly);
    QFETCH(QString, alsoContains);

    const QString text = lullara::generalDate(when, locale);
    if (dateOnly) {
        QCOMPARE(text, expected);
        return;
    }
    // The local time only: no time-zone name, whatever the platform's long
    // time format appends.
    QCOMPARE(text, expected);
    QVERIFY2(text.contains(alsoContains), qPrintable(text));
}

void TestFormats::generalDateUsesDefaultLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = lullara::generalDate(QDateTime(QDate(2024, 12, 24), QTime(0, 0)));
    QLocale::setDefault(saved);
    QCOMPARE(text, QStringLiteral("24.12.24"));
}

void TestFormats::plainTextGolden()
{
    ExportContent content;
    content.names = QStringList{"Anna", "Ben"};
    content.count = 2;
    content.dateTime = kFixedDate;
    const QByteArray bytes = plainTextExport(content);
    QCOMPARE(bytes, golden(QStringLiteral("export_anna_ben.txt")));
    // Eight lines, the last one also ended by CR LF.
    QCOMPARE(bytes.count("\r\n"), 8);
    QVERIFY(bytes.endsWith("14:05:09\r\n"));
}

void TestFormats::plainText_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");

    const QStringList tail{" ", "..........", "", "Created with Lullara v.2.0", "d", ""};
    auto lines = [&](const QStringList &names, const QString &countLine) {
        QStringList all{" "};
        all += names;
        QStringList end = tail;
        end[2] = countLine;
        all += end;
        return all;
    };

    QTest::newRow("none ticked") << QStringList{} << 0 << lines({}, "0 names");
    QTest::newRow("count as given, not the rows written")
        << QStringList{"Anna"} << 12 << lines({"Anna"}, "12 names");
    QTest::newRow("names unchanged") << QStringList{" Anna ", "", "<&>", QStringLiteral("Zo\u00eb")} << 4
                                     << lines({" Anna ", "", "<&>", QStringLiteral("Zo\u00eb")}, "4 names");
}

void TestFormats::plainText()
{
    QFETCH(QStringList, names);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    ExportContent content;
    content.names = names;
    content.count = count;
    content.dateTime = QStringLiteral("d");
    const QByteArray bytes = plainTextExport(content);
    QVERIFY(!bytes.contains("\n\n"));
    QCOMPARE(splitCrLf(bytes), expected);
    if (names.contains(QStringLiteral("Zo\u00eb")))
        QVERIFY(bytes.contains("\r\nZo\xC3\xAB\r\n"));
}

void TestFormats::htmlGolden()
{
    // One boys' and one girls' row: the image is the same on every row.
    ExportContent content;
    content.names = QStringList{"Ben", QStringLiteral("Zo\u00eb"), "<b>Bo & \"Al\"</b>"};
    content.count = 3;
    content.dateTime = kFixedDate;
    content.imagePath = QStringLiteral("C:\\Apps\\R&D \"Lullara\"\\guy.gif");
    QCOMPARE(htmlExport(content), golden(QStringLiteral("export_boys_girls.htm")));
}

void TestFormats::htmlEmptyList()
{
    ExportContent content;
    content.count = 0;
    content.dateTime = QStringLiteral("d");
    content.imagePath = QStringLiteral("/opt/lullara/girl.gif");
    const QStringList lines = splitCrLf(htmlExport(content));
    QCOMPARE(lines.size(), 9); // 8 lines and the empty rest after the last CR LF
    QCOMPARE(lines.at(5), QStringLiteral("</tr></table></td></tr><tr>"));
    QCOMPARE(lines.at(6), QStringLiteral("<td width=100% style=\"font-size: 8pt\">.....................<br>0 names"
                                         "<br>Created with Lullara v.2.0<br>d</td></tr></table>"));
    QCOMPARE(lines.at(7), QStringLiteral("</body></html>"));
    QVERIFY(lines.at(8).isEmpty());
    QVERIFY(!lines.join(QString()).contains(QStringLiteral("girl.gif")));
}

void TestFormats::htmlEscape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tags, ampersand, quotes") << "<b>Bo & \"Al\"</b>"
                                             << "&lt;b&gt;Bo &amp; &quot;Al&quot;&lt;/b&gt;";
    QTest::newRow("already escaped text escaped again") << "&amp;" << "&amp;amp;";
    QTest::newRow("plain") << QStringLiteral("Zo\u00eb O'Neil") << QStringLiteral("Zo\u00eb O'Neil");
    QTest::newRow("empty") << "" << "";
}

void TestFormats::htmlEscape()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(lullara::htmlEscape(text), expected);
}

void TestFormats::printout()
{
    QCOMPARE(printoutLines({"Anna", "Ben", "Anna"}, kFixedDate),
             (QStringList{"  ============[ Lullara ]============", " ", "Anna", "Ben", "Anna", " ", "3 names",
                          "Created with Lullara v.2.0", kFixedDate}));
    QCOMPARE(printoutLines({}, QStringLiteral("d")),
             (QStringList{"  ============[ Lullara ]============", " ", " ", "0 names",
                          "Created with Lullara v.2.0", "d"}));
}

void TestFormats::mailBodyText()
{
    QCOMPARE(mailBody({"Anna", "Ben"}), QStringLiteral("Choosen Names :\r\n :  Anna\r\n :  Ben\r\n"));
    QCOMPARE(mailBody({}), QStringLiteral("Choosen Names :\r\n"));
}

void TestFormats::mailtoLiteral()
{
    QCOMPARE(mailtoLink(mailBody({"Anna", "Ben"})),
             QStringLiteral("mailto:?Body=Choosen%20Names%20:%0D%0A%20:%20%20Anna%0D%0A%20:%20%20Ben%0D%0A"
                            "&Subject=::%20Lullara%20:"));
}

void TestFormats::mailtoRoundTrip_data()
{
    QTest::addColumn<QStringList>("names");
    const QStringList single{"Anna", "Ben", "Anne & Bo", "Who?", "#1", "100%", "a=b", "x/y", "line\r\nbreak",
                             QStringLiteral("Zo\u00eb")};
    for (const QString &name : single)
        QTest::newRow(qPrintable(QString(name).replace(QStringLiteral("\r\n"), QStringLiteral("<CR LF>")))) << QStringList{name};
    QTest::newRow("all together") << QStringList{"Anna", "Ben", "Anne & Bo", "Who?", "#1", "100%",
                                                 QStringLiteral("Zo\u00eb")};
}

void TestFormats::mailtoRoundTrip()
{
    QFETCH(QStringList, names);
    const QString body = mailBody(names);
    const QString link = mailtoLink(body);

    const QString head = QStringLiteral("mailto:?Body=");
    const QString tail = QStringLiteral("&Subject=::%20Lullara%20:");
    QVERIFY(link.startsWith(head));
    QVERIFY(link.endsWith(tail));
    const QString encoded = link.mid(head.size(), link.size() - head.size() - tail.size());
    for (QChar c : encoded)
        QVERIFY2(isAllowedInMailto(c), qPrintable(QStringLiteral("'%1' left unencoded in %2").arg(c).arg(link)));
    QCOMPARE(QUrl::fromPercentEncoding(encoded.toLatin1()), body);

    // What a mail program reads from the link: the two fields, decoded.
    const QUrl url(link, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 2);
    QCOMPARE(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded), body);
    QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), QStringLiteral(":: Lullara :"));
}

void TestFormats::clipboard()
{
    QCOMPARE(clipboardText({"Anna", "Ben", "Carl"}), QStringLiteral("Anna\r\nBen\r\nCarl\r\n"));
    QCOMPARE(clipboardText({""}), QStringLiteral("\r\n"));
    QVERIFY(clipboardText({}).isEmpty());
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
