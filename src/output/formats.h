#pragma once
// The generated list's output formats: the exported text and HTML files, the
// printout, the e-mail link and the clipboard text. Pure functions, no widgets.

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace lullara {

// The stored "SaveMethod": the filter index 1..3; 2 when empty or when a
// number in the 16-bit range is no valid index (the dialog then opens on the
// text entry); -1 for text that is no number or lies outside the 16-bit range.
int parseSaveMethod(const QString &stored);

// "2.0"
QString versionText();

// The general date format: the locale's short date, a space and the long time;
// the time is left out at midnight (the whole second 00:00:00). Where the
// locale's long time format carries the time zone, so does this text.
QString generalDate(const QDateTime &when, const QLocale &locale = QLocale());

struct ExportContent {
    QStringList names;     // the rows written, in list order
    int count = 0;         // the count written in the closing lines
    QString dateTime;      // already formatted (generalDate)
    QString imagePath;     // HTML only: program folder + separator + guy.gif/girl.gif
};

// The plain-text file, UTF-8 with CR LF line ends.
QByteArray plainTextExport(const ExportContent &content);
// The HTML page, UTF-8 (declared by a meta tag in the head) with CR LF line
// ends; names, the image path and the date escaped.
QByteArray htmlExport(const ExportContent &content);

// HTML-escapes & < > and ".
QString htmlEscape(const QString &text);

// The printout's lines in order: header, blank, names, blank, count, version, date.
QStringList printoutLines(const QStringList &names, const QString &dateTime);

// "Choosen Names :" CR LF, then " :  " + name + CR LF per name.
QString mailBody(const QStringList &names);
// "mailto:?Body=" + body + "&Subject=:: Lullara :", body and subject
// percent-encoded as RFC 6068 requires (CR LF as %0D%0A, space as %20, and
// every reserved or non-ASCII character of a name as UTF-8 percent escapes).
QString mailtoLink(const QString &body);

// One name per line, each followed by CR LF.
QString clipboardText(const QStringList &names);

} // namespace lullara
