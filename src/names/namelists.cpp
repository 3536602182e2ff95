#include "names/namelists.h"

#include <QDir>
#include <variant>

namespace lullara {

NameLists::NameLists(const QString &programDir, QObject *parent)
    : QObject(parent), m_programDir(programDir)
{
    m_boys.setObjectName(QStringLiteral("boys"));
    m_girls.setObjectName(QStringLiteral("girls"));
}

std::optional<NameLoadFailure> NameLists::chooseFilter(const QString &filter)
{
    m_filter = filter;
    emit filterChanged(filter);
    if (auto failure = load(m_boys, kBoysFile))
        return failure;
    return load(m_girls, kGirlsFile);
}

std::optional<NameLoadFailure> NameLists::load(NameList &list, const QString &fileName)
{
    auto result = readNameFile(nameFilePath(m_programDir, fileName));
    if (auto *error = std::get_if<NameFileError>(&result))
        return NameLoadFailure{*error, displayFileName(fileName)};
    QStringList names = std::get<QStringList>(std::move(result));
    if (m_filter != QLatin1String("All"))
        names = m_filter.isEmpty() ? QStringList() : filterByFirstChar(names, m_filter.at(0));
    list.setNames(names);
    return std::nullopt;
}

} // namespace lullara
