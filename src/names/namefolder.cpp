#include "names/namefolder.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "names/namefile.h"

namespace lullara {

QString userNameFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString nameFileFolder(const QString &fileName, const QString &programDir)
{
    const QString userFolder = userNameFolder();
    if (userFolder.isEmpty())
        return programDir;
    // Any entry of that name counts, whatever it is: a link to nowhere, a file
    // without read permission or a folder then fails in reading with the error
    // that names the user's own file, instead of silently using the bundled one.
    const QFileInfo entry(nameFilePath(userFolder, fileName));
    if (entry.exists() || entry.isSymLink())
        return userFolder;
    return programDir;
}

} // namespace lullara
