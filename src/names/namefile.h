#pragma once
// The name list files: format, parsing and reading.
//
// One entry per line; CR LF, LF alone and CR alone all end a line; a last line
// without a line end is an entry; a line end after the last line adds nothing.
// A line whose very first character is '#' is a comment. Every other line is
// one name exactly as read (no trimming, duplicates kept, empty lines are empty
// names). Text is UTF-8 (a leading byte-order mark is skipped); bytes that are
// not valid UTF-8 make the whole file read as Latin-1 (the byte-order mark is
// still skipped then). A file that begins with the byte-order mark of UTF-16
// or UTF-32 (either byte order) is read in that encoding; a file without a
// mark whose every other byte is NUL is UTF-16 too (Windows' "Unicode"
// saved without one). Code units of those encodings that stand for no
// character become U+FFFD. Any other NUL character is kept as part of its
// name.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <variant>

namespace lullara {

inline const QString kBoysFile = QStringLiteral("guyname.txt");
inline const QString kGirlsFile = QStringLiteral("girlname.txt");

// All names of a file's bytes, in file order, comments skipped.
QStringList parseNameFile(const QByteArray &bytes);

// The names whose first character equals `letter` exactly (case-sensitive);
// empty names never pass.
QStringList filterByFirstChar(const QStringList &names, QChar letter);

struct NameFileError {
    int number = 0;       // stable number per kind of failure (README lists them)
    QString description;  // e.g. "File not found"
};

// Failure numbers.
enum NameFileErrorNumber {
    kErrTooLarge = 7,
    kErrFileNotFound = 53,
    kErrReadFailed = 57,
    kErrAccessDenied = 70,
    kErrIsFolder = 75,
    kErrFolderNotFound = 76,
};

// Far above any real name list (a million names take some 10 MB).
constexpr qint64 kMaxNameFileBytes = 64 * 1024 * 1024;

// Reads and parses the file at `path`. Failures: the folder of `path` does
// not exist (76 "Path not found"); the file does not exist (53 "File not
// found"); `path` is a folder or cannot be opened for another reason (75
// "Path/File access error"); reading is refused (70 "Permission denied");
// reading fails part-way (57 "Device I/O error"). A file in a folder that
// may not be searched is 70 too. Only regular files are read: anything else
// (a pipe, a device) is 75, since it might never end or answer; a file larger
// than kMaxNameFileBytes is 7 "File too large".
std::variant<QStringList, NameFileError> readNameFile(const QString &path);

// Whether the entry at `path` cannot even be looked up, because a folder on
// its way may not be searched (a user folder of mode 000): then it is not
// known whether the file is there.
bool hiddenByPermissions(const QString &path);

// "<folder><separator><file>", with the platform's own separator and no check
// whether `folder` already ends with one.
QString nameFilePath(const QString &folder, const QString &fileName);

// The file name as shown to the user: separator + file ("/guyname.txt").
QString displayFileName(const QString &fileName);

} // namespace lullara
