#pragma once
// A temporary program folder with both name files, the settings store in
// Qt's test location (an INI file of the test program's own on Windows), and
// the desktop replaced by test doubles.

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "fakes.h"

namespace lullara::test {

// Writes a name file: the given lines joined with CR LF (and a final CR LF).
void writeNameFile(const QString &path, const QStringList &lines);

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
