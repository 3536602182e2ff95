#include "namefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace lullara {

namespace {

// Decodes the file's bytes: UTF-8 when every byte sequence is valid, else the
// whole file as Latin-1. A leading UTF-8 byte-order mark is dropped in both
// cases (a file that starts with one was meant to be UTF-8; showing its three
// bytes as Latin-1 letters in the first name would help nobody).
QString decodeNameFile(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    // A file that starts with the byte-order mark of UTF-32 or UTF-16 is read
    // in that encoding (UTF-32 first: its little-endian mark begins with
    // UTF-16's). Its mark is dropped, a second one is part of the first name.
    static const struct {
        QByteArrayView mark;
        QStringConverter::Encoding encoding;
    } wide[] = {
        {QByteArrayView("\xFF\xFE\x00\x00", 4), QStringConverter::Utf32LE},
        {QByteArrayView("\x00\x00\xFE\xFF", 4), QStringConverter::Utf32BE},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
    };
    for (const auto &w : wide) {
        if (view.startsWith(w.mark)) {
            QStringDecoder decoder(w.encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
            return decoder.decode(view.sliced(w.mark.size()));
        }
    }
    static const char bom[] = "\xEF\xBB\xBF";
    if (view.startsWith(QByteArrayView(bom, 3)))
        view = view.sliced(3);

    // Stateless: the whole file is one chunk, so an incomplete sequence at the
    // very end counts as an error instead of being held back for more input.
    // ConvertInitialBom: the mark was already dropped above; a second one is
    // part of the first name.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view.data(), view.size());
}

NameFileError makeError(int number)
{
    switch (number) {
    case kErrFileNotFound:
        return {number, QStringLiteral("File not found")};
    case kErrReadFailed:
        return {number, QStringLiteral("Device I/O error")};
    case kErrAccessDenied:
        return {number, QStringLiteral("Permission denied")};
    case kErrIsFolder:
        return {number, QStringLiteral("Path/File access error")};
    case kErrFolderNotFound:
        return {number, QStringLiteral("Path not found")};
    case kErrTooLarge:
        return {number, QStringLiteral("Out of memory")};
    }
    return {number, QString()};
}

} // namespace

// A NUL character inside a line is kept as part of the name: the parser never
// guesses at damaged files, it only makes sure they cannot hurt.
QStringList parseNameFile(const QByteArray &bytes)
{
    const QString text = decodeNameFile(bytes);
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();

    // One pass to count the line ends, so the list is allocated only once.
    qsizetype lineEnds = 0;
    for (const QChar *p = begin; p != end; ++p) {
        if (*p == u'\n' || *p == u'\r')
            ++lineEnds;
    }
    QStringList names;
    names.reserve(lineEnds + 1);

    const QChar *lineStart = begin;
    const QChar *p = begin;
    while (lineStart != end) {
        // Find the end of this line.
        while (p != end && *p != u'\r' && *p != u'\n')
            ++p;
        const qsizetype length = p - lineStart;
        if (length == 0 || *lineStart != u'#')
            names.append(QString(lineStart, length));
        // Step over the line end: CR LF is one line end, CR or LF alone is one too.
        if (p != end) {
            if (*p == u'\r' && (p + 1) != end && p[1] == u'\n')
                ++p;
            ++p;
        }
        lineStart = p;
    }
    return names;
}

QStringList filterByFirstChar(const QStringList &names, QChar letter)
{
    QStringList taken;
    for (const QString &name : names) {
        if (!name.isEmpty() && name.front() == letter)
            taken.append(name);
    }
    return taken;
}

std::variant<QStringList, NameFileError> readNameFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        // Tell a missing folder from a missing file, as the user has to fix
        // different things.
        const QFileInfo folder(info.absolutePath());
        if (!folder.isDir())
            return makeError(kErrFolderNotFound);
        return makeError(kErrFileNotFound);
    }
    if (info.isDir() || !info.isFile())
        return makeError(kErrIsFolder);
    if (info.size() > kMaxNameFileBytes)
        return makeError(kErrTooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            return makeError(kErrAccessDenied);
        return makeError(kErrIsFolder);
    }
    // Read in pieces, never past the limit: a file that grows meanwhile is
    // not read without end.
    QByteArray bytes;
    bytes.reserve(info.size());
    char piece[64 * 1024];
    qint64 n = 0;
    while ((n = file.read(piece, sizeof piece)) > 0) {
        bytes.append(piece, n);
        if (bytes.size() > kMaxNameFileBytes)
            return makeError(kErrTooLarge);
    }
    if (n < 0 || file.error() != QFileDevice::NoError)
        return makeError(kErrReadFailed);
    file.close();
    return parseNameFile(bytes);
}

QString nameFilePath(const QString &folder, const QString &fileName)
{
    return folder + QDir::separator() + fileName;
}

QString displayFileName(const QString &fileName)
{
    return QDir::separator() + fileName;
}

} // namespace lullara
