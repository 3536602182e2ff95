#pragma once
// A temporary program folder with both name files, the test program's own
// settings store (emptied), and the desktop replaced by test doubles.

#include <QByteArray>
#include <QObject>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>

#include "fakes.h"

class QWidget;

namespace lullara::test {

// A control of `parent` by its object name; a test without it cannot go on.
template <typename T = QWidget>
T *child(QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// A file's bytes, or "<missing>".
QByteArray readAll(const QString &path);

// Writes a name file: the given lines joined with CR LF (and a final CR LF).
void writeNameFile(const QString &path, const QStringList &lines);

// Runs `run` without the right to pass by file permissions, so that a file or
// folder of mode 000 refuses it as it refuses a user, and returns what `run`
// returned. As root (CI runs so) it runs in a child process with a user
// namespace of its own, where root's rights end at the permission bits;
// std::nullopt when the system allows no such namespace, or has no
// permission bits that bind a program (Windows).
std::optional<QByteArray> withoutRootRights(const std::function<QByteArray()> &run);

// While it lives, no file of this process can grow beyond `bytes`: writes
// past that fail with "File too large", as on a full disk, for root too.
// Where the system has no such limit, a test that needs one skips itself
// with NEEDS_FILE_SIZE_LIMIT() first.
#ifdef Q_OS_LINUX
#define NEEDS_FILE_SIZE_LIMIT()
#else
#define NEEDS_FILE_SIZE_LIMIT() QSKIP("no file size limit on this system")
#endif
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    qint64 m_saved = -1;
};

class Folder {
public:
    explicit Folder(const QStringList &boys = defaultBoys(), const QStringList &girls = defaultGirls());
    ~Folder();
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;
    // Boys Adam Ben Bob Karl Kevin Mark Zack; girls Anna Beth Karen Kate Mia Zoe (file order differs).
    static QStringList defaultBoys() { return {"# boys", "Adam", "Ben", "Karl", "Kevin", "Zack", "Mark", "Bob"}; }
    static QStringList defaultGirls() { return {"# girls", "Anna", "Karen", "Mia", "Zoe", "Kate", "Beth"}; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // The settings store the program uses, as a file (native separators).
    static QString settingsFile();
    // That store, to read or prepare settings.
    static QSettings store();

    FakeServices fakes;

private:
    QTemporaryDir m_dir;
};

} // namespace lullara::test
