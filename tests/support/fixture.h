#pragma once
// A temporary program folder with both name files, the settings store in
// Qt's test location, and the desktop replaced by test doubles.

#include <QStringList>
#include <QTemporaryDir>

#include "fakes.h"

namespace lullara::test {

// Writes a name file: the given lines joined with CR LF (and a final CR LF).
void writeNameFile(const QString &path, const QStringList &lines);

class Folder {
public:
    explicit Folder(const QStringList &boys = defaultBoys(), const QStringList &girls = defaultGirls());
    // Boys Adam Ben Bob Karl Kevin Mark Zack; girls Anna Beth Karen Kate Mia Zoe (file order differs).
    static QStringList defaultBoys() { return {"# boys", "Adam", "Ben", "Karl", "Kevin", "Zack", "Mark", "Bob"}; }
    static QStringList defaultGirls() { return {"# girls", "Anna", "Karen", "Mia", "Zoe", "Kate", "Beth"}; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // The settings store the program uses, as a file.
    static QString settingsFile();

    FakeServices fakes;

private:
    QTemporaryDir m_dir;
};

} // namespace lullara::test
