// The printout: page splitting, and real printouts written as PDF files and
// read back, words and their places on the page, with pdftotext -bbox.

#include "shell/printing.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

namespace {

constexpr qreal kMargin = 20 / 25.4 * 72; // 20 mm in points

QStringList numberedLines(int count, const QString &prefix)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 %2").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

struct PdfPage {
    qreal height = 0;
    QStringList lines;       // words joined by single spaces, top to bottom
    qreal top = 1e9, bottom = 0, lineHeight = 0; // of the text, in points from the top
};

// The pages of a PDF file as pdftotext sees them; nullopt without the tool.
std::optional<QList<PdfPage>> pdfPages(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(60000);
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    qreal lineTop = -1;
    for (const auto &m : tag.globalMatch(QString::fromUtf8(run.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            pages.append(PdfPage{m.captured(1).toDouble()});
            continue;
        }
        PdfPage &page = pages.last();
        const qreal top = m.captured(2).toDouble(), bottom = m.captured(3).toDouble();
        if (page.lines.isEmpty() || std::abs(top - lineTop) > 0.5)
            page.lines << m.captured(4);
        else
            page.lines.last() += QLatin1Char(' ') + m.captured(4);
        lineTop = top;
        page.top = std::min(page.top, top);
        page.bottom = std::max(page.bottom, bottom);
        page.lineHeight = bottom - top;
    }
    return pages;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void paginate_data();
    void paginate();
    void printout_data();
    void printout();
    void printerErrors_data();
    void printerErrors();
};

void TestPrinting::paginate_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QList<int>>("pageSizes");
    QTest::newRow("nothing") << 0 << 10 << QList<int>{};
    QTest::newRow("one short page") << 8 << 50 << QList<int>{8};
    QTest::newRow("exactly one page") << 50 << 50 << QList<int>{50};
    QTest::newRow("one line over") << 51 << 50 << QList<int>{50, 1};
    QTest::newRow("three pages") << 120 << 50 << QList<int>{50, 50, 20};
    QTest::newRow("no room: a line a page") << 3 << 0 << QList<int>{1, 1, 1};
    QTest::newRow("negative room") << 2 << -4 << QList<int>{1, 1};
}

void TestPrinting::paginate()
{
    QFETCH(int, lineCount);
    QFETCH(int, perPage);
    QFETCH(QList<int>, pageSizes);
    const QStringList lines = numberedLines(lineCount, QStringLiteral("line"));
    QList<int> sizes;
    QStringList joined;
    for (const QStringList &page : lullara::paginate(lines, perPage)) {
        sizes << int(page.size());
        joined += page;
    }
    QCOMPARE(sizes, pageSizes);
    QCOMPARE(joined, lines); // nothing lost, nothing reordered
}

void TestPrinting::printout_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("two names") << QStringList{"  ============[ Lullara ]============", " ", "Annabel", "Benedikt", " ",
                                              "2 names", "Created with Lullara v.2.0", "06/12/2026 11:40:31"}
                               << 1;
    QTest::newRow("150 lines") << numberedLines(150, QStringLiteral("Name")) << 3;
}

void TestPrinting::printout()
{
    // The lines in order, inside the 20 mm margins, every page but the last
    // filled down to the bottom margin, and only this job's lines although
    // another job went to the same file before.
    QFETCH(QStringList, lines);
    QFETCH(int, pages);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
    QtPrinter printer(pdf);
    QVERIFY(!printer.print(numberedLines(5, QStringLiteral("Earlier"))));
    const std::optional<PrintError> error = printer.print(lines);
    QVERIFY2(!error, error ? qPrintable(error->description) : "");

    const auto printed = pdfPages(pdf);
    if (!printed)
        QSKIP("pdftotext is not installed: the printout cannot be read back");
    QCOMPARE(printed->size(), pages);
    QStringList text;
    for (qsizetype p = 0; p < printed->size(); ++p) {
        const PdfPage &page = printed->at(p);
        text += page.lines;
        QVERIFY2(page.top >= kMargin - 1 && page.bottom <= page.height - kMargin + 1,
                 qPrintable(QStringLiteral("page %1: text from %2 to %3 pt").arg(p + 1).arg(page.top).arg(page.bottom)));
        if (p + 1 < printed->size())
            QVERIFY2(page.height - kMargin - page.bottom < page.lineHeight,
                     qPrintable(QStringLiteral("page %1 ends at %2 pt, room for one more line").arg(p + 1).arg(page.bottom)));
    }
    QStringList expected;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            expected << line.simplified();
    QCOMPARE(text, expected);
}

void TestPrinting::printerErrors_data()
{
    QTest::addColumn<QString>("pdf"); // empty: the default printer
    QTest::addColumn<QString>("description");
    QTest::newRow("no such folder") << "/nonexistent/printout.pdf" << "Printer error: the print job could not be started";
    QTest::newRow("no printer installed") << "" << "Printer error: no printer is installed";
}

void TestPrinting::printerErrors()
{
    QFETCH(QString, pdf);
    QFETCH(QString, description);
    if (pdf.isEmpty() && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer: a real job would be printed");
    if (!pdf.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const std::optional<PrintError> error = QtPrinter(pdf).print({"Anna"});
    QVERIFY(error);
    QCOMPARE(error->number, 482);
    QCOMPARE(error->description, description);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
