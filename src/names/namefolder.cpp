#include "names/namefolder.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "names/namefile.h"

namespace lullara {

QString userNameFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString nameFileFolder(const QString &fileName, const QString &userFolder, const QString &programDir)
{
    if (userFolder.isEmpty())
        return programDir;
    // Any entry of that name counts, whatever it is: a link to nowhere, a file
    // without read permission or a folder then fails in reading with the error
    // that names the user's own file, instead of silently using the bundled one.
    // A folder that may not be searched hides whether the file is there:
    // reading it then says so, instead of quietly falling back.
    const QString path = nameFilePath(userFolder, fileName);
    const QFileInfo entry(path);
    if (entry.exists() || entry.isSymLink() || hiddenByPermissions(path))
        return userFolder;
    return programDir;
}

} // namespace lullara
