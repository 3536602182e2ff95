#include "shell/printing.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <memory>

namespace lullara {

QList<QStringList> paginate(const QStringList &lines, int linesPerPage)
{
    const int perPage = std::max(1, linesPerPage);
    QList<QStringList> pages;
    for (qsizetype start = 0; start < lines.size(); start += perPage)
        pages.append(lines.mid(start, perPage));
    return pages;
}

PrinterChoice choosePrinter(const QString &defaultName, const QStringList &installed)
{
    if (!defaultName.isEmpty())
        return {defaultName, {}};
    if (installed.size() == 1)
        return {installed.first(), {}};
    return {{}, installed.isEmpty() ? QCoreApplication::translate("lullara::QtPrinter", "no printer is installed")
                                : QCoreApplication::translate("lullara::QtPrinter", "no default printer is set")};
}

QtPrinter::QtPrinter(QString pdfOutput) : m_pdfOutput(std::move(pdfOutput)) {}

namespace {

PrintError printerError(const QString &what)
{
    return PrintError{QtPrinter::kPrinterErrorNumber, QCoreApplication::translate("lullara::QtPrinter", "Printer error: %1").arg(what)};
}

QFont printFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(11);
    return font;
}

// A line wider than the page shows its beginning, elided. It is cut before
// it is laid out: laying out a name of megabytes takes seconds, and no
// visible character is narrower than one device pixel, so more characters
// than pixels can never show.
QString fitLine(const QString &line, const QFontMetricsF &metrics, qreal width)
{
    constexpr qsizetype kShortLine = 256;
    if (line.size() <= kShortLine)
        return line;
    const qsizetype room = std::max<qsizetype>(kShortLine, qsizetype(width) + 2);
    return metrics.elidedText(line.left(room), Qt::ElideRight, width);
}

} // namespace

std::optional<PrintError> QtPrinter::print(const QStringList &lines)
{
    // A fresh printer for every job, so a printout never carries the lines of
    // an earlier one.
    std::unique_ptr<QPrinter> printer;
    if (m_pdfOutput.isEmpty()) {
        const PrinterChoice choice =
            choosePrinter(QPrinterInfo::defaultPrinterName(), QPrinterInfo::availablePrinterNames());
        if (choice.name.isEmpty())
            return printerError(choice.failure);
        const QPrinterInfo info = QPrinterInfo::printerInfo(choice.name);
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid())
            return printerError(QCoreApplication::translate("lullara::QtPrinter", "the printer \"%1\" is not available")
                                    .arg(info.printerName()));
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfOutput);
    }
    printer->setDocName(QStringLiteral("Lullara"));
    printer->setFullPage(false);
    printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);

    if (lines.isEmpty())
        return std::nullopt;

    QPainter painter;
    if (!painter.begin(printer.get()))
        return printerError(QCoreApplication::translate("lullara::QtPrinter", "the print job could not be started"));

    const QFont font = printFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, printer.get());
    const qreal lineHeight = std::max<qreal>(1, metrics.lineSpacing());
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    // The painter's origin is the top left corner of the printable area.
    const qreal pageHeight = page.height();
    const int linesPerPage = std::max(1, int(std::floor(pageHeight / lineHeight)));

    const QList<QStringList> pages = paginate(lines, linesPerPage);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer->newPage()) {
            painter.end();
            return printerError(QCoreApplication::translate("lullara::QtPrinter", "a new page could not be started"));
        }
        qreal baseline = metrics.ascent();
        for (const QString &line : pages.at(p)) {
            painter.drawText(QPointF(0, baseline), fitLine(line, metrics, page.width()));
            baseline += lineHeight;
        }
    }
    if (!painter.end())
        return printerError(QCoreApplication::translate("lullara::QtPrinter", "the print job could not be finished"));
    return std::nullopt;
}

} // namespace lullara
