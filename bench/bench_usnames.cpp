// The "Name lists" window with the real US name data (usnames.txt, some
// 116,550 lines): opening it and changing its choice.
//
//   lullara_bench_usnames --dir PROGRAM-DIR [--runs R]
//
// PROGRAM-DIR holds usnames.txt (build/bin, or resources/). Prints one line
// of key=value figures, medians over R runs after one warm-up run:
//   open_ms        the window made and shown: reading and parsing the file,
//                  the first choice (the 100 most popular of the 2010s and
//                  2020s), one pass of the event loop
//   parse_ms       reading and parsing the file alone
//   change_ms      another decade (the 1950s to the 2020s) chosen, the
//                  counts and previews shown, one pass of the event loop
//   change_all_ms  every name of every decade chosen ("all", the 1880s to
//                  the 2020s: the largest sort), shown likewise
//   names          boys + girls in the file

#include <QApplication>
#include <QComboBox>
#include <QStandardPaths>
#include <cstdio>
#include <variant>

#include "benchutil.h"
#include "fakes.h"
#include "names/namefile.h"
#include "names/usnames.h"
#include "ui/namelistsdialog.h"

using namespace lullara;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bench::RunsAndDir options(argc, argv);
    const int runs = options.runs;
    const QString dir = QString::fromLocal8Bit(options.dir.c_str());
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // no user's lists are looked at
    const QString path = nameFilePath(dir, kUsNamesFile);
    const auto data = readUsNames(path);
    if (!std::holds_alternative<UsNameData>(data)) {
        std::fprintf(stderr, "bench_usnames: %s\n", qPrintable(std::get<QString>(data)));
        return 1;
    }
    const size_t names = std::get<UsNameData>(data).boys.size() + std::get<UsNameData>(data).girls.size();

    test::FakeServices fakes;
    std::vector<double> open, parse, change, changeAll;
    for (int run = 0; run <= runs; ++run) {
        std::int64_t t0 = bench::nowNs();
        auto read = readUsNames(path);
        const double parseMs = bench::msSince(t0);
        const bool parsed = std::holds_alternative<UsNameData>(read);
        read = QString(); // freed outside the figures

        t0 = bench::nowNs();
        auto *dialog = new NameListsDialog(fakes.services(), dir, [] {});
        dialog->show();
        QCoreApplication::processEvents();
        const double openMs = bench::msSince(t0);

        auto *from = dialog->findChild<QComboBox *>(QStringLiteral("cmbFromDecade"));
        auto *top = dialog->findChild<QComboBox *>(QStringLiteral("cmbTopNames"));
        t0 = bench::nowNs();
        from->setCurrentText(QStringLiteral("1950s"));
        QCoreApplication::processEvents();
        const double changeMs = bench::msSince(t0);

        from->setCurrentText(QStringLiteral("1880s"));
        QCoreApplication::processEvents();
        t0 = bench::nowNs();
        top->setCurrentText(QStringLiteral("all"));
        QCoreApplication::processEvents();
        const double changeAllMs = bench::msSince(t0);
        delete dialog;
        if (!parsed)
            return 1;
        if (run == 0)
            continue; // warm-up
        parse.push_back(parseMs);
        open.push_back(openMs);
        change.push_back(changeMs);
        changeAll.push_back(changeAllMs);
    }
    std::printf("open_ms=%s parse_ms=%s change_ms=%s change_all_ms=%s names=%zu\n",
                bench::fmt(bench::median(open)).c_str(), bench::fmt(bench::median(parse)).c_str(),
                bench::fmt(bench::median(change)).c_str(), bench::fmt(bench::median(changeAll)).c_str(), names);
    return 0;
}
