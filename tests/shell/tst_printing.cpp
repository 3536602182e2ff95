// The printout: page splitting, and real printouts written as PDF files and
// read back with pdftotext where that tool is installed.

#include "shell/printing.h"

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

namespace {

QStringList numberedLines(int count, const QString &prefix)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 %2").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

// The printout as Lullara composes it for two rows.
QStringList samplePrintout()
{
    return {QStringLiteral("  ============[ Lullara ]============"),
            QStringLiteral(" "),
            QStringLiteral("Annabel"),
            QStringLiteral("Benedikt"),
            QStringLiteral(" "),
            QStringLiteral("2 names"),
            QStringLiteral("Created with Lullara v.2.0"),
            QStringLiteral("06/12/2026 11:40:31")};
}

// The text of a PDF file in reading order, pages separated by form feeds.
std::optional<QString> pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return QString();
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The non-blank lines of a page, trimmed (the page margins come out as
// blanks in the extracted text).
QStringList textLines(const QString &page)
{
    QStringList out;
    for (QString line : page.split(QLatin1Char('\n'))) {
        while (line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            out << line.trimmed();
    }
    return out;
}

QStringList nonBlankTrimmed(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines) {
        if (!l.trimmed().isEmpty())
            out << l.trimmed();
    }
    return out;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void paginate_data();
    void paginate();

    void printsTheLinesInOrder();
    void longPrintoutsBreakIntoPages();
    void eachPrintoutHoldsOnlyItsOwnLines();
    void unwritableOutputIsAPrinterError();
    void noPrinterInstalled();
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

    const QList<QStringList> pages = lullara::paginate(lines, perPage);

    QList<int> sizes;
    QStringList joined;
    for (const QStringList &page : pages) {
        sizes << int(page.size());
        joined += page;
    }
    QCOMPARE(sizes, pageSizes);
    QCOMPARE(joined, lines); // nothing lost, nothing reordered
}

void TestPrinting::printsTheLinesInOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
    QtPrinter printer(pdf);

    const std::optional<PrintError> error = printer.print(samplePrintout());

    QVERIFY2(!error, error ? qPrintable(error->description) : "");
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
    file.close();

    const auto text = pdfText(pdf);
    if (!text)
        QSKIP("pdftotext is not installed: the printout's text cannot be read back");
    QVERIFY(text->count(QLatin1Char('\f')) <= 1); // a single page
    QCOMPARE(textLines(*text), nonBlankTrimmed(samplePrintout()));
}

void TestPrinting::longPrintoutsBreakIntoPages()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    const QStringList lines = numberedLines(150, QStringLiteral("Name"));

    QVERIFY(!QtPrinter(pdf).print(lines));

    const auto text = pdfText(pdf);
    if (!text)
        QSKIP("pdftotext is not installed: the printout's text cannot be read back");
    const QStringList pages = text->split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QStringList printed;
    int nonEmptyPages = 0;
    for (const QString &page : pages) {
        const QStringList onPage = textLines(page);
        if (onPage.isEmpty())
            continue;
        ++nonEmptyPages;
        QVERIFY2(onPage.size() < lines.size(), "every page holds only part of the lines");
        printed += onPage;
    }
    QVERIFY(nonEmptyPages >= 3); // 150 lines of 11 pt do not fit on two pages
    QCOMPARE(printed, lines);
}

void TestPrinting::eachPrintoutHoldsOnlyItsOwnLines()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("twice.pdf"));
    QtPrinter printer(pdf);
    const QStringList first = numberedLines(5, QStringLiteral("First"));
    const QStringList second = numberedLines(3, QStringLiteral("Second"));

    QVERIFY(!printer.print(first));
    QVERIFY(!printer.print(second));

    const auto text = pdfText(pdf);
    if (!text)
        QSKIP("pdftotext is not installed: the printout's text cannot be read back");
    QCOMPARE(textLines(*text), second);
}

void TestPrinting::unwritableOutputIsAPrinterError()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("no such folder/printout.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const std::optional<PrintError> error = QtPrinter(pdf).print(samplePrintout());
    QVERIFY(error);
    QCOMPARE(error->number, QtPrinter::kPrinterErrorNumber);
    QVERIFY(error->description.startsWith(QStringLiteral("Printer error")));
}

void TestPrinting::noPrinterInstalled()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer: a real job would be printed");
    const std::optional<PrintError> error = QtPrinter().print(samplePrintout());
    QVERIFY(error);
    QCOMPARE(error->number, 482);
    QCOMPARE(error->description, QStringLiteral("Printer error: no printer is installed"));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
