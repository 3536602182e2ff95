#include "output/shortlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include "output/generatedrows.h"
#include "shell/wholefile.h"

namespace lullara {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("lullara::Shortlist", text);
}

const QByteArray kMark = QByteArrayLiteral("Lullara shortlist ");
const QByteArray kEnd = QByteArrayLiteral("end ");
constexpr qint64 kMaxShortlistBytes = 16 * 1024 * 1024;

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

std::optional<QString> unescaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case '\\': out += u'\\'; break;
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

bool isIconKey(const QString &key)
{
    if (key.isEmpty() || key.size() > 32)
        return false;
    for (const QChar c : key) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

QString shortlistPath(const QString &folder) { return QDir(folder).filePath(kShortlistFile); }

} // namespace

Shortlist shortlistOf(const GeneratedRows &rows)
{
    Shortlist list;
    list.reserve(size_t(rows.count()));
    for (int position = 1; position <= rows.count(); ++position)
        list.push_back({rows.text(position), rows.iconKey(position), rows.isTicked(position)});
    return list;
}

void restoreShortlist(GeneratedRows &rows, const Shortlist &list)
{
    rows.clear();
    for (const ShortlistRow &row : list) {
        rows.append(row.text, row.iconKey);
        rows.setTicked(rows.count(), row.ticked);
    }
}

QByteArray shortlistBytes(const Shortlist &list)
{
    QString text = QString::fromLatin1(kMark) + QString::number(kShortlistVersion) + u'\n';
    for (const ShortlistRow &row : list)
        text += (row.ticked ? u'x' : u'-') + QStringLiteral("\t") + row.iconKey + u'\t' + escaped(row.text) + u'\n';
    text += QString::fromLatin1(kEnd) + QString::number(list.size()) + u'\n';
    return text.toUtf8();
}

std::variant<Shortlist, QString> parseShortlist(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return tr("It is not UTF-8 text.");
    QStringList lines = text.split(u'\n');
    if (lines.isEmpty() || !lines.back().isEmpty())
        return tr("It does not end with a complete line.");
    lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    const QString mark = QString::fromLatin1(kMark);
    if (lines.isEmpty() || !lines.front().startsWith(mark))
        return tr("It is not a list kept by Lullara (its first line is not \"%1\").").arg(mark + QString::number(kShortlistVersion));
    bool numeric = false;
    const int version = lines.front().mid(mark.size()).toInt(&numeric);
    if (!numeric || version != kShortlistVersion)
        return tr("It was kept in another format (\"%1\"); this version of Lullara reads \"%2\".")
            .arg(lines.front(), mark + QString::number(kShortlistVersion));
    const QString end = QString::fromLatin1(kEnd);
    bool counted = false;
    const qsizetype rowCount = lines.size() < 2 ? -1 : lines.back().mid(end.size()).toLongLong(&counted);
    if (lines.size() < 2 || !lines.back().startsWith(end) || !counted || rowCount != lines.size() - 2)
        return tr("It is incomplete: its last line does not give the number of its rows.");
    Shortlist list;
    list.reserve(size_t(rowCount));
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString &line = lines[i];
        const qsizetype keyEnd = line.indexOf(u'\t', 2);
        const bool tickOk = line.size() >= 2 && (line[0] == u'x' || line[0] == u'-') && line[1] == u'\t';
        const QString key = keyEnd < 0 ? QString() : line.mid(2, keyEnd - 2);
        const auto name = keyEnd < 0 ? std::nullopt : unescaped(line.mid(keyEnd + 1));
        if (!tickOk || !isIconKey(key) || !name)
            return tr("Its line %1 is damaged.").arg(i + 1);
        list.push_back({*name, key, line[0] == u'x'});
    }
    return list;
}

std::optional<QString> writeShortlist(const QString &folder, const Shortlist &list)
{
    const QString path = shortlistPath(folder);
    const auto failed = [&path](const QString &reason) {
        return tr("The list could not be kept in %1: %2").arg(QDir::toNativeSeparators(path), reason);
    };
    if (!QDir().mkpath(folder))
        return failed(tr("Its folder cannot be made."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, shortlistBytes(list)) || !file.commit()) {
        const QString reason = failureReason(file);
        file.cancelWriting();
        return failed(reason);
    }
    return std::nullopt;
}

std::variant<Shortlist, QString> readShortlist(const QString &folder)
{
    // A program ended in the moment between QSaveFile giving its finished
    // file a name ("shortlist.txt.Ab12Cd") and putting it in place leaves
    // that file behind.
    static const QRegularExpression leftover(QStringLiteral("^shortlist\\.txt\\.[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    for (const QString &name : dir.entryList({kShortlistFile + QStringLiteral(".*")}, QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
    }
    const QString path = shortlistPath(folder);
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Shortlist();
    const auto failed = [&shown](const QString &reason) {
        return tr("The kept list %1 cannot be read: %2").arg(shown, reason);
    };
    if (!info.isFile())
        return failed(tr("It is not a regular file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    const QByteArray bytes = file.read(kMaxShortlistBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(file.errorString());
    if (bytes.size() > kMaxShortlistBytes)
        return failed(tr("It is too large."));
    auto parsed = parseShortlist(bytes);
    if (const QString *reason = std::get_if<QString>(&parsed))
        return failed(*reason);
    return parsed;
}

ShortlistKeeper::ShortlistKeeper(GeneratedRows *rows, QString folder, QObject *parent)
    : QObject(parent), m_rows(rows), m_folder(std::move(folder))
{
    const auto changed = [this] {
        if (m_enabled)
            write();
    };
    connect(rows, &QAbstractItemModel::rowsInserted, this, changed);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(rows, &QAbstractItemModel::modelReset, this, changed);
    connect(rows, &QAbstractItemModel::dataChanged, this, changed);
}

void ShortlistKeeper::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        write();
}

void ShortlistKeeper::write()
{
    if (!m_rows)
        return;
    if (const auto reason = writeShortlist(m_folder, shortlistOf(*m_rows)))
        emit writeFailed(*reason);
}

} // namespace lullara
