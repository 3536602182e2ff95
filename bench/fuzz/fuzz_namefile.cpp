// libFuzzer target for the name-file parser. Besides surviving any bytes
// under AddressSanitizer, every parse must keep the parser's promises:
//   - no name holds a line end (CR or LF);
//   - no name starts with '#' (comment lines are skipped);
//   - no name holds half a surrogate pair (code units of UTF-16 or UTF-32
//     that stand for no character are read as U+FFFD);
//   - there are no more names than lines;
//   - the names written back as UTF-8 with CR LF read back the same;
//   - the letter filter only takes names that start with its letter.
// A broken promise aborts, which libFuzzer reports like a crash.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "names/namefile.h"

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "name file parser: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList names = lullara::parseNameFile(bytes);

    qsizetype lineEnds = 0;
    for (char c : bytes)
        lineEnds += (c == '\n' || c == '\r');
    if (names.size() > lineEnds + 1)
        broken("more names than lines");

    QByteArray written("\xEF\xBB\xBF");
    for (const QString &name : names) {
        if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
            broken("a name holds a line end");
        if (name.startsWith(QLatin1Char('#')))
            broken("a comment line became a name");
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
                ++i;
            else if (name.at(i).isSurrogate())
                broken("a name holds half a surrogate pair");
        }
        written += name.toUtf8();
        written += "\r\n";
    }
    if (lullara::parseNameFile(written) != names)
        broken("the names written back as UTF-8 read back differently");

    if (!names.isEmpty() && !names.front().isEmpty()) {
        const QChar letter = names.front().front();
        const QStringList taken = lullara::filterByFirstChar(names, letter);
        if (taken.isEmpty())
            broken("the letter filter dropped a name that starts with its letter");
        for (const QString &name : taken) {
            if (name.isEmpty() || name.front() != letter)
                broken("the letter filter took a name that does not start with its letter");
        }
    }
    return 0;
}
