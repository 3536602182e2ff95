#include "names/namelist.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace lullara {

namespace {
QLocale collationLocale()
{
    // The C locale would compare code points; people read names alphabetically.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}
} // namespace

NameList::NameList(QObject *parent) : QAbstractListModel(parent), m_collator(collationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int NameList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant NameList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_names[static_cast<size_t>(index.row())];
    return {};
}

void NameList::setNames(QStringList names)
{
    beginResetModel();
    // One sort key per name, so the collation runs once a name rather than
    // once a comparison. Names the collator holds equal ("Bob", "bob") go
    // capitals first, and equal names keep their file order.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(m_collator.sortKey(names.at(i)), i);
    std::stable_sort(keyed.begin(), keyed.end(), [&names](const auto &a, const auto &b) {
        const int c = a.first.compare(b.first);
        return c != 0 ? c < 0 : QString::compare(names.at(a.second), names.at(b.second), Qt::CaseSensitive) < 0;
    });
    m_names.clear();
    m_names.reserve(keyed.size());
    for (const auto &k : keyed)
        m_names.push_back(std::move(names[k.second]));
    m_current = -1;
    endResetModel();
}

QString NameList::at(int position) const
{
    if (position < 0 || position >= count())
        return {};
    return m_names[static_cast<size_t>(position)];
}

void NameList::choose(int position)
{
    if (position < -1 || position >= count())
        position = -1;
    m_current = position;
    emit chosen(position);
}

} // namespace lullara
