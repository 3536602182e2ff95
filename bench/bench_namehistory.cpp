// A name's story from the real US name data (usnames.txt): what opening a
// name card costs the first time and afterwards.
//
//   lullara_bench_namehistory --dir PROGRAM-DIR [--runs R]
//
// PROGRAM-DIR holds usnames.txt (build/bin, or resources/). Prints one line
// of key=value figures:
//   first_ms  this process's first story (nameHistory() of the file, then the
//             story of "Olivia"): reading, parsing and indexing the file, as
//             the first card of a session pays it
//   cold_ms   the same work again on a fresh index, median over R runs after
//             one warm-up run
//   parse_ms  of cold_ms, reading and parsing the file alone (readUsNames())
//   warm_us   one story once the index is there, median over every name of
//             the file looked up in turn (boys, then girls), in microseconds
//   names     boys + girls in the file

#include <QCoreApplication>
#include <cstdio>
#include <variant>

#include "benchutil.h"
#include "names/namefile.h"
#include "names/namehistory.h"

using namespace lullara;

int main(int argc, char *argv[])
{
    const bench::RunsAndDir options(argc, argv);
    const int runs = options.runs;
    const QString dir = QString::fromLocal8Bit(options.dir.c_str());
    QCoreApplication app(argc, argv);
    const QString path = nameFilePath(dir, kUsNamesFile);

    std::int64_t t0 = bench::nowNs();
    const auto first = nameHistory(path);
    if (!std::holds_alternative<const NameHistory *>(first)) {
        std::fprintf(stderr, "bench_namehistory: %s\n", qPrintable(std::get<QString>(first)));
        return 1;
    }
    const bool found = std::get<const NameHistory *>(first)->story(QStringLiteral("Olivia")).inData;
    const double firstMs = bench::msSince(t0);

    std::vector<double> cold, parse;
    for (int run = 0; run <= runs; ++run) {
        t0 = bench::nowNs();
        auto data = readUsNames(path);
        if (!std::holds_alternative<UsNameData>(data))
            return 1;
        const double parseMs = bench::msSince(t0);
        const NameHistory history(std::move(std::get<UsNameData>(data)));
        const bool olivia = history.story(QStringLiteral("Olivia")).inData;
        const double ms = bench::msSince(t0);
        if (!olivia)
            return 1;
        if (run > 0) {
            cold.push_back(ms);
            parse.push_back(parseMs);
        }
    }

    const auto data = readUsNames(path);
    const UsNameData &names = std::get<UsNameData>(data);
    const NameHistory &history = *std::get<const NameHistory *>(first);
    std::vector<double> warm;
    warm.reserve(names.boys.size() + names.girls.size());
    int given = 0;
    for (const auto *list : {&names.boys, &names.girls}) {
        for (const UsName &n : *list) {
            t0 = bench::nowNs();
            const NameStory story = history.story(n.name);
            warm.push_back(double(bench::nowNs() - t0) / 1e3);
            given += story.inData;
        }
    }
    if (!found || given != int(warm.size()))
        return 1;
    std::printf("first_ms=%s cold_ms=%s parse_ms=%s warm_us=%s names=%zu\n", bench::fmt(firstMs).c_str(),
                bench::fmt(bench::median(cold)).c_str(), bench::fmt(bench::median(parse)).c_str(), bench::fmt(bench::median(warm)).c_str(), warm.size());
    return 0;
}
