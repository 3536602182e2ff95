#include "namefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace lullara {

namespace {

// Decodes UTF-16 or UTF-32 without a byte-order mark in front. A code unit
// that stands for no character (half a surrogate pair, a number beyond
// U+10FFFF, an odd byte at the end) becomes U+FFFD, so every name is valid
// text that reads back the same from a UTF-8 file.
QString decodeWide(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    QChar *c = text.data();
    QChar *const end = c + text.size();
    for (; c != end; ++c) {
        if (c->isHighSurrogate() && c + 1 != end && c[1].isLowSurrogate())
            ++c;
        else if (c->isSurrogate())
            *c = QChar::ReplacementCharacter;
    }
    return text;
}

// UTF-16 without a byte-order mark: an even number of bytes, NULs in at
// least half of the odd bytes (little-endian) or of the even ones
// (big-endian), and hardly any in the others. UTF-8 and Latin-1 text has no
// NUL at all, so a damaged file with a NUL here and there is not taken.
std::optional<QStringConverter::Encoding> unmarkedUtf16(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        return std::nullopt;
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i)
        zeros[i % 2] += bytes[i] == '\0';
    const qsizetype pairs = bytes.size() / 2;
    for (int high = 0; high < 2; ++high) {
        if (zeros[high] * 2 >= pairs && zeros[1 - high] * 8 <= zeros[high])
            return high == 1 ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
    }
    return std::nullopt;
}

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
        if (view.startsWith(w.mark))
            return decodeWide(w.encoding, view.sliced(w.mark.size()));
    }
    static const char bom[] = "\xEF\xBB\xBF";
    if (view.startsWith(QByteArrayView(bom, 3))) {
        view = view.sliced(3);
    } else if (const auto encoding = unmarkedUtf16(view)) {
        // UTF-16 without a byte-order mark (Windows' "Unicode" saved so):
        // names of Latin letters give a NUL in every other byte, which text
        // in any 8-bit encoding does not have.
        return decodeWide(*encoding, view);
    }

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
        return {number, QCoreApplication::translate("lullara::NameFile", "File not found")};
    case kErrReadFailed:
        return {number, QCoreApplication::translate("lullara::NameFile", "Device I/O error")};
    case kErrAccessDenied:
        return {number, QCoreApplication::translate("lullara::NameFile", "Permission denied")};
    case kErrIsFolder:
        return {number, QCoreApplication::translate("lullara::NameFile", "Path/File access error")};
    case kErrFolderNotFound:
        return {number, QCoreApplication::translate("lullara::NameFile", "Path not found")};
    case kErrTooLarge:
        return {number, QCoreApplication::translate("lullara::NameFile", "File too large")};
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
    if (!info.exists() && hiddenByPermissions(path))
        return makeError(kErrAccessDenied);
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

bool hiddenByPermissions(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) != 0 && errno == EACCES;
#else
    Q_UNUSED(path);
    return false;
#endif
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
