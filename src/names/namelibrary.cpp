#include "names/namelibrary.h"

#include <QDir>

#include "names/namefolder.h"
#include "names/usnames.h"
#include <variant>

namespace lullara {

NameLibrary::NameLibrary(const QString &programDir, const QStringList &userDirs, QObject *parent)
    : QObject(parent), m_programDir(programDir), m_userDirs(userDirs)
{
    m_boys.setObjectName(QStringLiteral("boys"));
    m_girls.setObjectName(QStringLiteral("girls"));
    // A program ended while the "Name lists" window wrote the user's two
    // lists may have left one new beside one old: put that right before
    // either is read. What cannot be put right shows when reading fails.
    for (const QString &folder : m_userDirs)
        settleUserNameFiles(folder);
}

std::optional<NameLoadFailure> NameLibrary::chooseFilter(const QString &filter)
{
    m_filter = filter;
    emit filterChanged(filter);
    if (auto failure = load(m_boys, kBoysFile))
        return failure;
    return load(m_girls, kGirlsFile);
}

std::optional<NameLoadFailure> NameLibrary::load(NameList &list, const QString &fileName)
{
    // The user's own file wins over the bundled one; a box names the file
    // that failed: the bundled one as always, the user's by its whole path.
    const QString folder = nameFileFolder(fileName, m_userDirs, m_programDir);
    const QString path = nameFilePath(folder, fileName);
    auto result = readNameFile(path);
    if (auto *error = std::get_if<NameFileError>(&result))
        return NameLoadFailure{*error, folder == m_programDir ? displayFileName(fileName) : QDir::toNativeSeparators(path)};
    QStringList names = std::get<QStringList>(std::move(result));
    if (m_filter != QLatin1String("All"))
        names = m_filter.isEmpty() ? QStringList() : filterByFirstChar(names, m_filter.at(0));
    list.setNames(std::move(names));
    return std::nullopt;
}

} // namespace lullara
