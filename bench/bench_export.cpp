// Export: Save All of a generated list of R rows through the program's own
// command (Save All, the Save As dialog answered by the test double),
// as plain text and as HTML, each against `cp` of the file it wrote.
//
//   lullara_bench_export [--rows 32767] [--runs R] [--dir D]
//
// Prints one line of key=value figures (medians over R runs after one
// warm-up run): text_ms, text_cp_ms, text_ratio, text_bytes, and the same for
// html; text_format_ms and html_format_ms are the format functions alone
// (plainTextExport / htmlExport, no file).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "benchnames.h"
#include "benchutil.h"
#include "fakes.h"
#include "output/formats.h"
#include "output/generatedrows.h"
#include "output/outputcommands.h"

using namespace lullara;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int rows = 32767;
    int runs = 5;
    QString base = QDir::temp().filePath(QStringLiteral("lullara-bench"));
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray a = argv[i];
        if (a == "--rows")
            rows = std::atoi(argv[i + 1]);
        else if (a == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--dir")
            base = QString::fromLocal8Bit(argv[i + 1]);
    }
    const QString dir = QDir(base).filePath(QStringLiteral("export"));
    QDir().mkpath(dir);
    if (!bench::writeNameList(QDir(dir).filePath(QStringLiteral("guyname.txt")).toStdString(), 100, 1)
        || !bench::writeNameList(QDir(dir).filePath(QStringLiteral("girlname.txt")).toStdString(), 100, 2)) {
        std::fprintf(stderr, "bench_export: cannot write in %s\n", qPrintable(dir));
        return 1;
    }

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    test::FakeServices fakes;
    GeneratedRows generated;
    OutputCommands commands(&generated, fakes.services());
    commands.setPictureChoice(dir, [] { return true; });
    bench::NameMaker maker(3);
    QStringList names;
    for (int i = 0; i < rows; ++i) {
        names.append(QString::fromStdString(maker.next()));
        generated.append(names.back(), QStringLiteral("men"));
    }
    QCoreApplication::processEvents();

    // One Save All through the command; returns its time, or -1.
    auto save = [&](const QString &path, int filterIndex) {
        fakes.dialogs.messages.clear();
        fakes.dialogs.saveResults.enqueue(SaveAsResult{path, filterIndex});
        const std::int64_t t0 = bench::nowNs();
        commands.saveAll();
        const double ms = bench::msSince(t0);
        const bool saved = !fakes.dialogs.messages.isEmpty()
            && fakes.dialogs.messages.back().text.startsWith(QStringLiteral("File saved successfully!"));
        return saved && QFileInfo(path).size() > 0 ? ms : -1.0;
    };
    auto copy = [&](const QString &from) {
        const QString to = from + QStringLiteral(".copy");
        QFile::remove(to);
        return bench::timeCommand({"cp", from.toStdString(), to.toStdString()});
    };

    const QString textPath = QDir(dir).filePath(QStringLiteral("export.txt"));
    const QString htmlPath = QDir(dir).filePath(QStringLiteral("export.htm"));
    if (save(textPath, 2) < 0 || save(htmlPath, 3) < 0 || copy(textPath) < 0 || copy(htmlPath) < 0) {
        std::fprintf(stderr, "bench_export: Save All or cp failed\n");
        return 1;
    }
    std::vector<double> textMs, textCp, htmlMs, htmlCp;
    for (int r = 0; r < runs; ++r) {
        textMs.push_back(save(textPath, 2));
        textCp.push_back(copy(textPath));
        htmlMs.push_back(save(htmlPath, 3));
        htmlCp.push_back(copy(htmlPath));
    }

    ExportContent content;
    content.names = names;
    content.count = rows;
    content.dateTime = generalDate(QDateTime::currentDateTime());
    content.imagePath = QDir::toNativeSeparators(QDir(dir).filePath(QStringLiteral("guy.gif")));
    std::vector<double> textFormat, htmlFormat;
    for (int r = 0; r < runs; ++r) {
        std::int64_t t0 = bench::nowNs();
        const QByteArray t = plainTextExport(content);
        textFormat.push_back(bench::msSince(t0));
        t0 = bench::nowNs();
        const QByteArray h = htmlExport(content);
        htmlFormat.push_back(bench::msSince(t0));
        if (t.isEmpty() || h.isEmpty())
            return 1;
    }

    const double t50 = bench::median(textMs), tc50 = bench::median(textCp);
    const double h50 = bench::median(htmlMs), hc50 = bench::median(htmlCp);
    std::printf("rows=%d text_ms=%.2f text_cp_ms=%.2f text_ratio=%.2f text_bytes=%lld "
                "html_ms=%.2f html_cp_ms=%.2f html_ratio=%.2f html_bytes=%lld "
                "text_format_ms=%.2f html_format_ms=%.2f\n",
                rows, t50, tc50, tc50 > 0 ? t50 / tc50 : 0.0, static_cast<long long>(QFileInfo(textPath).size()),
                h50, hc50, hc50 > 0 ? h50 / hc50 : 0.0, static_cast<long long>(QFileInfo(htmlPath).size()),
                bench::median(textFormat), bench::median(htmlFormat));
    return 0;
}
