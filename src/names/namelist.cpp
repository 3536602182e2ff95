#include "names/namelist.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <string>
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

// A name of the letters A-Z and a-z and hyphens alone ("Anne-Marie"), as
// every name of the bundled lists and of the US lists is.
bool isPlainName(const QString &name)
{
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'-';
    });
}

// Such a name's small letters: in English they order plain names as the
// collator does (the hyphen, as punctuation, before the letters), in a
// fraction of its time.
std::string plainKey(const QString &name)
{
    std::string key(size_t(name.size()), '\0');
    std::transform(name.cbegin(), name.cend(), key.begin(), [](QChar c) { return char(c.unicode() | 0x20); });
    return key;
}

// The positions of `names` in sorted order: by key, names of equal keys
// capitals first ("Bob" before "bob"), then in file order.
template <typename Key, typename MakeKey>
std::vector<qsizetype> sortedOrder(const QStringList &names, MakeKey makeKey)
{
    std::vector<std::pair<Key, qsizetype>> keyed;
    keyed.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(makeKey(names.at(i)), i);
    std::sort(keyed.begin(), keyed.end(), [&names](const auto &a, const auto &b) {
        const int byKey = a.first.compare(b.first);
        if (byKey != 0)
            return byKey < 0;
        const int byCase = QString::compare(names.at(a.second), names.at(b.second), Qt::CaseSensitive);
        return byCase != 0 ? byCase < 0 : a.second < b.second;
    });
    std::vector<qsizetype> order;
    order.reserve(keyed.size());
    for (const auto &k : keyed)
        order.push_back(k.second);
    return order;
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
    // One key per name, so that collating runs once a name rather than once
    // a comparison.
    const bool plain = m_collator.locale().language() == QLocale::English
        && std::all_of(names.cbegin(), names.cend(), isPlainName);
    const std::vector<qsizetype> order =
        plain ? sortedOrder<std::string>(names, plainKey)
              : sortedOrder<QCollatorSortKey>(names, [this](const QString &name) { return m_collator.sortKey(name); });
    m_names.clear();
    m_names.reserve(order.size());
    for (qsizetype i : order)
        m_names.push_back(std::move(names[i]));
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
