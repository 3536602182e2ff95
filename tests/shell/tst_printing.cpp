// Real printouts written as PDF files and
// read back, words and their places on the page, with pdftotext -bbox.

#include "shell/printing.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

struct PdfPage {
    qreal height = 0;
    QStringList words; // in reading order
    qreal top = 1e9, bottom = 0, lineHeight = 0; // of the text, in points from the top
};

// The pages of a PDF file as pdftotext sees them.
static QList<PdfPage> pdfPages(const QString &tool, const QString &pdf)
{
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(60000);
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (const auto &m : tag.globalMatch(QString::fromUtf8(run.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            pages.append(PdfPage{m.captured(1).toDouble()});
            continue;
        }
        PdfPage &page = pages.last();
        const qreal top = m.captured(2).toDouble(), bottom = m.captured(3).toDouble();
        page.words << m.captured(4);
        page.top = std::min(page.top, top), page.bottom = std::max(page.bottom, bottom), page.lineHeight = bottom - top;
    }
    return pages;
}

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void printout()
    {
        // The lines in order, inside the 20 mm margins, every page but the last filled down to the
        // bottom margin, and only this job's lines although another job went to the same file before.
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext is not installed: the printout cannot be read back");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Name %1").arg(i, 4, 10, QLatin1Char('0'));
        QtPrinter printer(pdf);
        QVERIFY(!printer.print({"Earlier 1", "Earlier 2"}));
        QVERIFY(!printer.print(lines));

        const QList<PdfPage> printed = pdfPages(tool, pdf);
        const qreal margin = 20 / 25.4 * 72; // 20 mm in points
        QCOMPARE(printed.size(), 3);
        QStringList words;
        for (const PdfPage &page : printed) {
            words += page.words;
            QVERIFY2(page.top >= margin - 1 && page.bottom <= page.height - margin + 1,
                     qPrintable(QStringLiteral("text from %1 to %2 pt").arg(page.top).arg(page.bottom)));
            QVERIFY(&page == &printed.last() || page.height - margin - page.bottom < page.lineHeight); // no room left
        }
        QCOMPARE(words, lines.join(QLatin1Char(' ')).split(QLatin1Char(' ')));
    }

    void printerErrors()
    {
        QTemporaryDir dir;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        std::optional<PrintError> error = QtPrinter(dir.filePath("no such folder/printout.pdf")).print({"Anna"});
        QVERIFY(error && error->number == 482 && error->description.startsWith(QStringLiteral("Printer error: ")));
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer: a real job would be printed");
        error = QtPrinter().print({"Anna"});
        QCOMPARE(std::pair(error.value_or(PrintError{}).number, error.value_or(PrintError{}).description),
                 std::pair(482, QStringLiteral("Printer error: no printer is installed")));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
