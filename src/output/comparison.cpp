#include "output/comparison.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <optional>

#include "output/generatedrows.h"

namespace lullara {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("lullara::Comparison", text);
}

constexpr qint64 kMaxSavedListBytes = 16 * 1024 * 1024;

const QString kTextRule = QStringLiteral("..........");
const QRegularExpression kCountLine(QStringLiteral("^(\\d{1,9}) names$"));
const QRegularExpression kVersionLine(QStringLiteral("^Created with Lullara v\\.\\d+\\.\\d+$"));

// The fixed lines at the top of an HTML page; the head without the charset
// is that of pages written by earlier versions.
const QString kHtmlHeads[] = {
    QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Lullara</title></head><body topmargin=0 leftmargin=0>"),
    QStringLiteral("<html><head><title>Lullara</title></head><body topmargin=0 leftmargin=0>")};
const QString kHtmlTop[] = {
    QStringLiteral("<table border=0 cellpadding=10 cellspacing=0 width=100% style=\"font-family: Verdana, Arial\">"),
    QStringLiteral("<tr><td width=100%><h1><font face=\"Verdana, Arial\">Lullara</font></h1></td></tr><tr>"),
    QStringLiteral("<td width=100%><table border=0 cellpadding=2 cellspacing=0 width=100% style=\"font-size: 10pt\">")};
const QRegularExpression kHtmlImage(
    QStringLiteral("^<tr><td><img border=0 src=\"[^\"]*\" width=16 height=16></td>$"));
const QRegularExpression kHtmlName(QStringLiteral("^<td width=100%>(.*)</td>$"));
const QString kHtmlAfterRows = QStringLiteral("</tr></table></td></tr><tr>");
const QRegularExpression kHtmlClosing(QStringLiteral(
    "^<td width=100% style=\"font-size: 8pt\">\\.{21}<br>(\\d{1,9}) names<br>Created with Lullara v\\.\\d+\\.\\d+"
    "<br>.*</td></tr></table>$"));
const QString kHtmlEnd = QStringLiteral("</body></html>");

QString htmlUnescaped(const QString &text)
{
    static const std::pair<QLatin1String, QChar> entities[] = {
        {QLatin1String("&amp;"), u'&'}, {QLatin1String("&lt;"), u'<'}, {QLatin1String("&gt;"), u'>'},
        {QLatin1String("&quot;"), u'"'}, {QLatin1String("&#39;"), u'\''}};
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == u'&') {
            for (const auto &[entity, c] : entities) {
                if (QStringView(text).mid(i).startsWith(entity)) {
                    out += c;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

bool countIs(const QRegularExpressionMatch &match, qsizetype names)
{
    return match.hasMatch() && match.captured(1).toLongLong() == names;
}

// Lines: " ", names, " ", "..........", "N names", "Created with Lullara v.2.0", date.
std::optional<QStringList> textNames(const QStringList &lines)
{
    const qsizetype n = lines.size() - 6;
    if (n < 0 || lines[0] != u' ' || lines[n + 1] != u' ' || lines[n + 2] != kTextRule
        || !countIs(kCountLine.match(lines[n + 3]), n) || !kVersionLine.match(lines[n + 4]).hasMatch())
        return std::nullopt;
    return lines.mid(1, n);
}

// Lines: " ", head, three fixed lines, two lines per name, the line after the
// rows, the closing line with the count, the end.
std::optional<QStringList> htmlNames(const QStringList &lines)
{
    const qsizetype rowLines = lines.size() - 8;
    if (rowLines < 0 || rowLines % 2 != 0 || lines[0] != u' '
        || std::find(std::begin(kHtmlHeads), std::end(kHtmlHeads), lines[1]) == std::end(kHtmlHeads))
        return std::nullopt;
    for (int i = 0; i < 3; ++i) {
        if (lines[2 + i] != kHtmlTop[i])
            return std::nullopt;
    }
    QStringList names;
    for (qsizetype i = 5; i < 5 + rowLines; i += 2) {
        const QRegularExpressionMatch name = kHtmlName.match(lines[i + 1]);
        if (!kHtmlImage.match(lines[i]).hasMatch() || !name.hasMatch())
            return std::nullopt;
        names << htmlUnescaped(name.captured(1));
    }
    const qsizetype after = 5 + rowLines;
    if (lines[after] != kHtmlAfterRows || !countIs(kHtmlClosing.match(lines[after + 1]), names.size())
        || lines[after + 2] != kHtmlEnd)
        return std::nullopt;
    return names;
}

QString comparisonKey(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).trimmed().toCaseFolded();
}

} // namespace

std::variant<SavedList, QString> parseSavedList(const QByteArray &bytes, const QString &shownName)
{
    const QString expected = tr("%1 is not a list saved by Lullara.\n\nExpected a text file or an HTML page "
                                "written by \"Save All As...\" or \"Save Selected As...\": the names one to a "
                                "line, then a line of full stops, the number of names (\"12 names\") and "
                                "\"Created with Lullara v.2.0\".")
                                 .arg(shownName);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return expected;
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    // A text file whose first name starts like a page is still read.
    auto names = htmlNames(lines);
    const bool html = names.has_value();
    if (!html)
        names = textNames(lines);
    if (!names)
        return expected;
    return SavedList{html ? SavedFormat::Html : SavedFormat::Text, *names};
}

std::variant<SavedList, QString> readSavedList(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return tr("The file %1 is missing.").arg(shown);
    if (!info.isFile())
        return tr("The file %1 is not a regular file.").arg(shown);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The file %1 cannot be read: %2").arg(shown, file.errorString());
    const QByteArray bytes = file.read(kMaxSavedListBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return tr("The file %1 cannot be read: %2").arg(shown, file.errorString());
    if (bytes.size() > kMaxSavedListBytes)
        return tr("The file %1 is too large (more than %2 MiB) for a list saved by Lullara.")
            .arg(shown, QString::number(kMaxSavedListBytes / (1024 * 1024)));
    return parseSavedList(bytes, shown);
}

QStringList comparedRows(const GeneratedRows &rows)
{
    const QStringList ticked = rows.tickedTexts();
    return ticked.isEmpty() ? rows.texts() : ticked;
}

Comparison compareNames(const QStringList &here, const QStringList &there)
{
    QSet<QString> thereKeys, taken;
    for (const QString &name : there)
        thereKeys.insert(comparisonKey(name));
    Comparison result;
    result.here = int(here.size());
    result.there = int(there.size());
    for (const QString &name : here) {
        const QString key = comparisonKey(name);
        if (thereKeys.contains(key) && !taken.contains(key)) {
            taken.insert(key);
            result.shared << name;
        }
    }
    return result;
}

} // namespace lullara
