#include "output/generatedrows.h"

#include <algorithm>

namespace lullara {

GeneratedRows::GeneratedRows(QObject *parent) : QAbstractListModel(parent) {}

int GeneratedRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant GeneratedRows::data(const QModelIndex &index, int role) const
{
    const Row *r = index.isValid() ? row(index.row() + 1) : nullptr;
    if (!r)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return r->text;
    case Qt::DecorationRole:
        return m_icons.value(r->iconKey);
    case Qt::CheckStateRole:
        return r->ticked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool GeneratedRows::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || !row(index.row() + 1))
        return false;
    setTicked(index.row() + 1, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags GeneratedRows::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

const GeneratedRows::Row *GeneratedRows::row(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return &m_rows[static_cast<size_t>(position - 1)];
}

void GeneratedRows::append(const QString &text, const QString &iconKey)
{
    const int at = count();
    beginInsertRows({}, at, at);
    m_rows.push_back(Row{text, iconKey, false});
    endInsertRows();
    emit marked(count());
}

bool GeneratedRows::appendUnique(const QString &text, const QString &iconKey)
{
    if (contains(text))
        return false;
    append(text, iconKey);
    return true;
}

bool GeneratedRows::contains(const QString &text) const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [&text](const Row &r) { return r.text == text; });
}

void GeneratedRows::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QString GeneratedRows::text(int position) const
{
    const Row *r = row(position);
    return r ? r->text : QString();
}

QString GeneratedRows::iconKey(int position) const
{
    const Row *r = row(position);
    return r ? r->iconKey : QString();
}

bool GeneratedRows::isTicked(int position) const
{
    const Row *r = row(position);
    return r && r->ticked;
}

void GeneratedRows::setTicked(int position, bool ticked)
{
    if (!row(position) || m_rows[static_cast<size_t>(position - 1)].ticked == ticked)
        return;
    m_rows[static_cast<size_t>(position - 1)].ticked = ticked;
    const QModelIndex changed = index(position - 1);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void GeneratedRows::setAllTicked(bool ticked)
{
    for (Row &r : m_rows)
        r.ticked = ticked;
    if (!m_rows.empty())
        emit dataChanged(index(0), index(count() - 1), {Qt::CheckStateRole});
}

QStringList GeneratedRows::texts() const
{
    QStringList out;
    out.reserve(count());
    for (const Row &r : m_rows)
        out.append(r.text);
    return out;
}

QStringList GeneratedRows::tickedTexts() const
{
    QStringList out;
    for (const Row &r : m_rows)
        if (r.ticked)
            out.append(r.text);
    return out;
}

} // namespace lullara
