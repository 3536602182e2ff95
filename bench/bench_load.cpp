// Name loading: both name lists of N generated names loaded into the main
// window's name boxes by the program's own loaders (read, parse, sort, show),
// against `sort -f` of the same two files.
//
//   lullara_bench_load --names N [--runs R] [--dir D]
//
// Prints one line of key=value figures (times are medians over R runs, after
// one warm-up run of each):
//   load_ms      choosing "All" in the window (both files read, sorted and shown)
//                + one pass of the event loop
//   sort_ms      `sort -f guyname.txt` + `sort -f girlname.txt`
//   ratio        load_ms / sort_ms
//   parse_ms     reading and parsing both files only (readNameFile)
//   setnames_ms  sorting both lists only (NameList::setNames)
//   rss_before_kb, rss_loaded_kb  resident memory before the first load and
//                right after it (the boxes hold the names); hwm_kb the peak.

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <variant>

#include "benchnames.h"
#include "benchutil.h"
#include "fakes.h"
#include "names/namefile.h"
#include "ui/mainwindow.h"
#include "names/namelist.h"

using namespace lullara;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int names = 1000;
    int runs = 5;
    QString base = QDir::temp().filePath(QStringLiteral("lullara-bench"));
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray a = argv[i];
        if (a == "--names")
            names = std::atoi(argv[i + 1]);
        else if (a == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--dir")
            base = QString::fromLocal8Bit(argv[i + 1]);
    }

    // The files first, so that writing them leaves nothing in the figures.
    const QString dir = QDir(base).filePath(QStringLiteral("load-%1").arg(names));
    QDir().mkpath(dir);
    const QString boysPath = nameFilePath(dir, kBoysFile);
    const QString girlsPath = nameFilePath(dir, kGirlsFile);
    if (!bench::writeNameList(boysPath.toStdString(), names, 1)
        || !bench::writeNameList(girlsPath.toStdString(), names, 2)) {
        std::fprintf(stderr, "bench_load: cannot write the name files in %s\n", qPrintable(dir));
        return 1;
    }

    QApplication app(argc, argv);
    test::FakeServices fakes;
    MainWindow window(fakes.services(), dir);
    window.show();
    QCoreApplication::processEvents();

    const long rssBefore = bench::procStatusKb(0, "VmRSS");
    auto load = [&] {
        const std::int64_t t0 = bench::nowNs();
        const bool ok = !window.names()->chooseFilter(QStringLiteral("All"));
        QCoreApplication::processEvents();
        const double ms = bench::msSince(t0);
        return ok ? ms : -1.0;
    };
    auto sortBoth = [&] {
        const double a = bench::timeCommand({"sort", "-f", boysPath.toStdString()});
        const double b = bench::timeCommand({"sort", "-f", girlsPath.toStdString()});
        return a < 0 || b < 0 ? -1.0 : a + b;
    };

    // Warm-up (also the first load, whose memory the boxes then keep).
    if (load() < 0 || sortBoth() < 0) {
        std::fprintf(stderr, "bench_load: a load or `sort -f` failed\n");
        return 1;
    }
    const long rssLoaded = bench::procStatusKb(0, "VmRSS");
    if (window.names()->boys()->count() != names || window.names()->girls()->count() != names) {
        std::fprintf(stderr, "bench_load: the boxes hold %d and %d names, expected %d\n",
                     window.names()->boys()->count(), window.names()->girls()->count(), names);
        return 1;
    }

    std::vector<double> loadMs, sortMs;
    for (int r = 0; r < runs; ++r) {
        loadMs.push_back(load());
        sortMs.push_back(sortBoth());
    }

    // The two halves of a load on their own, for the profile.
    std::vector<double> parseMs, setNamesMs;
    NameList spareBoys, spareGirls;
    for (int r = 0; r < runs; ++r) {
        std::int64_t t0 = bench::nowNs();
        auto boys = readNameFile(boysPath);
        auto girls = readNameFile(girlsPath);
        parseMs.push_back(bench::msSince(t0));
        if (!std::holds_alternative<QStringList>(boys) || !std::holds_alternative<QStringList>(girls))
            return 1;
        t0 = bench::nowNs();
        spareBoys.setNames(std::get<QStringList>(boys));
        spareGirls.setNames(std::get<QStringList>(girls));
        setNamesMs.push_back(bench::msSince(t0));
    }

    const double load50 = bench::median(loadMs);
    const double sort50 = bench::median(sortMs);
    std::printf("names=%d load_ms=%.2f sort_ms=%.2f ratio=%.2f parse_ms=%.2f setnames_ms=%.2f "
                "rss_before_kb=%ld rss_loaded_kb=%ld hwm_kb=%ld\n",
                names, load50, sort50, sort50 > 0 ? load50 / sort50 : 0.0, bench::median(parseMs),
                bench::median(setNamesMs), rssBefore, rssLoaded, bench::procStatusKb(0, "VmHWM"));
    return 0;
}
