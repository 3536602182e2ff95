#pragma once
// Where the two name list files are read from: the user's own folder, when a
// file of that name is there, else the program's folder. Each file is looked
// up on its own, so a user may replace only one of the two lists.

#include <QString>
#include <QStringList>

namespace lullara {

// The user's own folders for name files, in the order they are looked in:
// "Lullara" in the user's data folder (~/.local/share/Lullara/), where the
// "Name lists" window writes, then the older place of earlier versions,
// QStandardPaths' AppDataLocation (~/.local/share/Lullara/Lullara/).
QStringList userNameFolders();
// The first of them: where lists are written.
QString userNameFolder();

// The folder `fileName` is read from: the first of `userFolders` where the file exists (also when it is a dangling symlink or unreadable, or when the folder may not be searched: then reading it fails with its own error), else `programDir`.
QString nameFileFolder(const QString &fileName, const QStringList &userFolders, const QString &programDir);

} // namespace lullara
