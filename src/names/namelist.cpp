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
QByteArray plainKey(const QString &name)
{
    QByteArray key(name.size(), Qt::Uninitialized);
    std::transform(name.cbegin(), name.cend(), key.begin(), [](QChar c) { return char(c.unicode() | 0x20); });
    return key;
}

// Names the collator holds equal: capitals first ("Bob" before "bob"),
// then in file order.
bool beforeAmongEquals(const QStringList &names, qsizetype a, qsizetype b)
{
    const int byCase = QString::compare(names.at(a), names.at(b), Qt::CaseSensitive);
    return byCase != 0 ? byCase < 0 : a < b;
}

// Sorts `positions` in `names` by the names' keys.
template <typename Key, typename MakeKey>
void sortByKey(const QStringList &names, std::vector<qsizetype> &positions, MakeKey makeKey)
{
    std::vector<std::pair<Key, qsizetype>> keyed;
    keyed.reserve(positions.size());
    for (qsizetype i : positions)
        keyed.emplace_back(makeKey(names.at(i)), i);
    std::sort(keyed.begin(), keyed.end(), [&names](const auto &a, const auto &b) {
        const int byKey = a.first.compare(b.first);
        return byKey != 0 ? byKey < 0 : beforeAmongEquals(names, a.second, b.second);
    });
    std::transform(keyed.cbegin(), keyed.cend(), positions.begin(), [](const auto &k) { return k.second; });
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
    // In English the plain names are sorted by their small letters, the
    // others by the collator's keys (one collation a name, not one a
    // comparison); each of the others then goes after the plain names the
    // collator puts before it. Elsewhere every name goes through the collator.
    const bool english = m_collator.locale().language() == QLocale::English;
    std::vector<qsizetype> plain, other;
    for (qsizetype i = 0; i < names.size(); ++i)
        (english && isPlainName(names.at(i)) ? plain : other).push_back(i);
    sortByKey<QByteArray>(names, plain, plainKey);
    sortByKey<QCollatorSortKey>(names, other, [this](const QString &name) { return m_collator.sortKey(name); });
    const auto before = [&](qsizetype a, qsizetype b) {
        const int c = m_collator.compare(names.at(a), names.at(b));
        return c != 0 ? c < 0 : beforeAmongEquals(names, a, b);
    };
    m_names.clear();
    m_names.reserve(size_t(names.size()));
    auto from = plain.cbegin();
    for (qsizetype o : other) {
        for (const auto to = std::upper_bound(from, plain.cend(), o, before); from != to; ++from)
            m_names.push_back(std::move(names[*from]));
        m_names.push_back(std::move(names[o]));
    }
    for (; from != plain.cend(); ++from)
        m_names.push_back(std::move(names[*from]));
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
