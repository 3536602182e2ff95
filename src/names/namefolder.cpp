#include "names/namefolder.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "names/namefile.h"

namespace lullara {

QStringList userNameFolders()
{
    QStringList folders;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty())
        folders << data + QStringLiteral("/Lullara");
    const QString older = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!older.isEmpty() && !folders.contains(older))
        folders << older;
    return folders;
}

QString userNameFolder() { return userNameFolders().value(0); }

QString nameFileFolder(const QString &fileName, const QStringList &userFolders, const QString &programDir)
{
    for (const QString &folder : userFolders) {
        // Any entry of that name counts, whatever it is: a link to nowhere, a
        // file without read permission or a folder then fails in reading with
        // the error that names the user's own file, instead of silently using
        // another. A folder that may not be searched hides whether the file is
        // there: reading it then says so, instead of quietly falling back.
        const QString path = nameFilePath(folder, fileName);
        const QFileInfo entry(path);
        if (entry.exists() || entry.isSymLink() || hiddenByPermissions(path))
            return folder;
    }
    return programDir;
}

} // namespace lullara
