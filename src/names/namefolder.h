#pragma once
// Where the two name list files are read from: the user's own folder, when a
// file of that name is there, else the program's folder. Each file is looked
// up on its own, so a user may replace only one of the two lists.

#include <QString>

namespace lullara {

// The user's own folder for name files: QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).
QString userNameFolder();

// The folder `fileName` is read from: `userFolder` when the file exists there (also when it is a dangling symlink or unreadable, or when the folder may not be searched: then reading it fails with its own error), else `programDir` (also when `userFolder` is empty).
QString nameFileFolder(const QString &fileName, const QString &userFolder, const QString &programDir);

} // namespace lullara
