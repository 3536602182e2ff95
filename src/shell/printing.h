#pragma once
// The printout on paper (or, for checking, in a PDF file).

#include "shell/services.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lullara {

// Splits the lines into pages of at most `linesPerPage` lines each (at least
// one line per page), in order. No lines give no pages.
QList<QStringList> paginate(const QStringList &lines, int linesPerPage);

// The printer a job goes to: the default one, else the only one installed.
// With none installed, or several and none of them the default, `name` is
// empty and `failure` says why.
struct PrinterChoice {
    QString name;
    QString failure;
};
PrinterChoice choosePrinter(const QString &defaultName, const QStringList &installed);

// Prints on the default printer (or the only one) with Qt Print Support: a monospaced font of
// 11 points, 20 mm margins, as many lines per page as fit. Every call is a
// print job of its own that holds only the lines it is given.
class QtPrinter : public Printer {
public:
    // `pdfOutput` empty: the default printer. Otherwise the printout is
    // written to that PDF file instead.
    explicit QtPrinter(QString pdfOutput = QString());

    std::optional<PrintError> print(const QStringList &lines) override;

    static constexpr int kPrinterErrorNumber = 482;

private:
    QString m_pdfOutput;
};

} // namespace lullara
