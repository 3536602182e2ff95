#include "formats.h"

#include <QLocale>
#include <QUrl>
#include <cmath>
#include <limits>

#ifndef LULLARA_VERSION_MAJOR
#define LULLARA_VERSION_MAJOR 2
#endif
#ifndef LULLARA_VERSION_MINOR
#define LULLARA_VERSION_MINOR 0
#endif

namespace lullara {

int parseSaveMethod(const QString &stored)
{
    if (stored.isEmpty())
        return 2;
    bool ok = false;
    const double value = QLocale::c().toDouble(stored, &ok);
    if (!ok || !std::isfinite(value))
        return -1;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return -1;
    if (value == 1.0 || value == 2.0 || value == 3.0)
        return static_cast<int>(value);
    return 2;
}


namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString countLine(int count)
{
    return QString::number(count) + QStringLiteral(" names");
}

QString createdWithLine()
{
    return QStringLiteral("Created with Lullara v.") + versionText();
}

// Every line followed by CR LF, as UTF-8 bytes.
QByteArray joinCrLf(const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += kCrLf;
    }
    return text.toUtf8();
}

// RFC 6068 lets these stand unencoded in a header field's value, besides the
// unreserved characters that QUrl never encodes. "+" is encoded all the same:
// mail programs that read it as a space would change "Anne+Bo".
const QByteArray kMailtoKeep = QByteArrayLiteral("!$'()*,;:@");

QString mailtoEncode(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, kMailtoKeep));
}

} // namespace

QString versionText()
{
    return QString::number(LULLARA_VERSION_MAJOR) + QLatin1Char('.') + QString::number(LULLARA_VERSION_MINOR);
}

namespace {
// The locale's long time format without the time-zone name that some
// platforms append ("14:05:09 UTC"): the general date shows the local time only.
QString longTimeWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == QLatin1Char('t')) {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
        } else {
            out += c;
        }
    }
    return out.trimmed();
}
} // namespace

QString generalDate(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    // Midnight is the whole first second of the day, whatever the clock's
    // finer resolution says.
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(time, longTimeWithoutZone(locale));
}

QByteArray plainTextExport(const ExportContent &content)
{
    QStringList lines;
    lines.reserve(content.names.size() + 6);
    lines << QStringLiteral(" ");
    lines << content.names;
    lines << QStringLiteral(" ") << QStringLiteral("..........") << countLine(content.count)
          << createdWithLine() << content.dateTime;
    return joinCrLf(lines);
}

QString htmlEscape(const QString &text)
{
    return text.toHtmlEscaped();
}

QByteArray htmlExport(const ExportContent &content)
{
    QStringList lines;
    lines.reserve(2 * content.names.size() + 8);
    lines << QStringLiteral(" ")
          << QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Lullara</title></head>"
                            "<body topmargin=0 leftmargin=0>")
          << QStringLiteral("<table border=0 cellpadding=10 cellspacing=0 width=100% "
                            "style=\"font-family: Verdana, Arial\">")
          << QStringLiteral("<tr><td width=100%><h1><font face=\"Verdana, Arial\">Lullara</font></h1>"
                            "</td></tr><tr>")
          << QStringLiteral("<td width=100%><table border=0 cellpadding=2 cellspacing=0 width=100% "
                            "style=\"font-size: 10pt\">");
    const QString imageLine = QStringLiteral("<tr><td><img border=0 src=\"") + htmlEscape(content.imagePath)
        + QStringLiteral("\" width=16 height=16></td>");
    for (const QString &name : content.names) {
        lines << imageLine;
        lines << QStringLiteral("<td width=100%>") + htmlEscape(name) + QStringLiteral("</td>");
    }
    lines << QStringLiteral("</tr></table></td></tr><tr>")
          << QStringLiteral("<td width=100% style=\"font-size: 8pt\">.....................<br>")
                 + countLine(content.count) + QStringLiteral("<br>") + createdWithLine()
                 + QStringLiteral("<br>") + htmlEscape(content.dateTime)
                 + QStringLiteral("</td></tr></table>")
          << QStringLiteral("</body></html>");
    return joinCrLf(lines);
}

QStringList printoutLines(const QStringList &names, const QString &dateTime)
{
    QStringList lines;
    lines.reserve(names.size() + 6);
    lines << QStringLiteral("  ============[ Lullara ]============") << QStringLiteral(" ");
    lines << names;
    lines << QStringLiteral(" ") << countLine(int(names.size())) << createdWithLine() << dateTime;
    return lines;
}

QString mailBody(const QStringList &names)
{
    QString body = QStringLiteral("Choosen Names :") + kCrLf;
    for (const QString &name : names)
        body += QStringLiteral(" :  ") + name + kCrLf;
    return body;
}

QString mailtoLink(const QString &body)
{
    return QStringLiteral("mailto:?Body=") + mailtoEncode(body) + QStringLiteral("&Subject=")
        + mailtoEncode(QStringLiteral(":: Lullara :"));
}

QString clipboardText(const QStringList &names)
{
    QString text;
    for (const QString &name : names)
        text += name + kCrLf;
    return text;
}

} // namespace lullara
