// libFuzzer target for the US-names data: parse the bytes as usnames.txt,
// choose names by decades and rank, write them as the user's name files and
// read those back. Besides surviving any bytes under AddressSanitizer, every
// run must keep these promises:
//   - every name taken is 1 to 64 characters of valid text, without a control
//     character or line separator, and does not start with '#';
//   - names taken plus lines skipped are no more than the lines;
//   - a choice keeps at most the number asked for, and no more names than
//     have births in its decades;
//   - the name file holds exactly the names chosen, in the boxes' order, and
//     reads back as them (also from disk, through writeUsNameFiles);
//   - no empty list is ever written.
// A broken promise aborts, which libFuzzer reports like a crash.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "names/namefile.h"
#include "names/usnames.h"

using namespace lullara;

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "US names: %s\n", what);
    std::abort();
}

void checkName(const QString &name)
{
    if (name.isEmpty() || name.size() > kUsMaxNameLength)
        broken("a name is empty or too long");
    if (name.startsWith(QLatin1Char('#')))
        broken("a name starts with '#'");
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.category() == QChar::Other_Control || c == u'\u2028' || c == u'\u2029')
            broken("a name holds a control character or a line separator");
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            broken("a name holds half a surrogate pair");
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder of the user's own lists for the whole run; in memory when it can be.
const QString &scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        return std::make_unique<QTemporaryDir>(
            (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath())
            + QStringLiteral("/fuzz_usnames-XXXXXX"));
    }();
    static const QString path = dir->path();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const UsNameData parsed = parseUsNames(bytes);

    const qsizetype lines = bytes.count('\n') + 1;
    if (qsizetype(parsed.boys.size() + parsed.girls.size()) + parsed.skippedLines > lines)
        broken("more names and skipped lines than lines");
    for (const auto *list : {&parsed.boys, &parsed.girls}) {
        for (const UsName &n : *list)
            checkName(n.name);
    }

    // The choice, from the input's size: any decades, a few ranks.
    static const int tops[] = {0, 1, 2, 10, 100};
    const int from = kUsFirstDecade + 10 * int(size % kUsDecadeCount);
    const int to = kUsFirstDecade + 10 * int((size / 3) % kUsDecadeCount);
    const UsNameChoice choice{from, std::max(from, to), tops[(size / 7) % 5]};
    const UsNameSelection selection = selectUsNames(parsed, choice);
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        const QStringList &names = selection.of(gender);
        const auto &all = parsed.of(gender);
        if (choice.top > 0 && names.size() > choice.top)
            broken("more names kept than asked for");
        if (names.size() > selection.available(gender) || selection.available(gender) > qsizetype(all.size()))
            broken("more names kept than have births");

        const QByteArray file = usNameFileText(gender, names, choice);
        if (!file.startsWith(kUsListMark.toUtf8()))
            broken("a name file without its mark");
        const QStringList back = parseNameFile(file);
        QStringList want = names, got = back;
        std::sort(want.begin(), want.end());
        std::sort(got.begin(), got.end());
        if (want != got)
            broken("the name file does not read back as the names chosen");
        if (!std::is_sorted(back.begin(), back.end(), [](const QString &a, const QString &b) {
                return QString::compare(a, b, Qt::CaseInsensitive) < 0;
            }))
            broken("the name file is not in the boxes' order");
    }

    // On disk: both files, or a refusal when a list is empty.
    const QString &folder = scratchFolder();
    const auto error = writeUsNameFiles(folder, selection, choice);
    const bool empty = selection.boys.isEmpty() || selection.girls.isEmpty();
    if (empty != bool(error))
        broken(empty ? "an empty list was written" : "writing the name files failed");
    if (!error) {
        for (Gender gender : {Gender::Boys, Gender::Girls}) {
            const QString path = nameFilePath(folder, gender == Gender::Boys ? kBoysFile : kGirlsFile);
            if (readAll(path) != usNameFileText(gender, selection.of(gender), choice))
                broken("a name file on disk differs from the names chosen");
        }
        if (!userFilesAreUsNames(folder))
            broken("the files written are not known as US name files");
    }
    if (QDir(folder).entryList(QDir::Files | QDir::Hidden).size() > 2)
        broken("writing left a file behind");
    return 0;
}
