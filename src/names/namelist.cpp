#include "names/namelist.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <numeric>

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

// A name made only of the letters A-Z and a-z (most names of the bundled
// lists). The empty name counts as one too.
bool isPlainLetters(const QString &name)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')))
            return false;
    }
    return true;
}

// Two plain names compared by their lower-case letters: a shorter name that
// begins the longer one comes first.
int comparePlainLetters(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.constData();
    const QChar *pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        // Setting bit 5 turns an ASCII capital into its small letter.
        const char16_t x = pa[i].unicode() | 0x20;
        const char16_t y = pb[i].unicode() | 0x20;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Whether plain names may skip the collator for `locale`: English orders the
// letters A-Z with no contractions or tailoring, case aside (other languages
// differ: Danish puts "aa" after "z", Czech "ch" after "h", Lithuanian "y"
// right after "i"). A few probes confirm that the collator at hand agrees, so
// a platform whose collation differs simply keeps using it.
bool plainNamesOrderDirectly(const QLocale &locale, const QCollator &collator)
{
    if (locale.language() != QLocale::English)
        return false;
    static const char *const probes[][2] = {
        {"a", "B"},   {"B", "c"},     {"Ab", "aB"}, {"ab", "abc"}, {"Abc", "abd"}, {"y", "Z"},
        {"IJ", "ik"}, {"ch", "ci"},   {"aa", "ab"}, {"Zoe", "zoey"}, {"hz", "ia"}, {"ll", "lm"},
        {"mary", "Maryann"}, {"x", "y"}, {"Ss", "st"}, {"Ae", "af"}};
    for (const auto &probe : probes) {
        const QString a = QString::fromLatin1(probe[0]);
        const QString b = QString::fromLatin1(probe[1]);
        const int expected = comparePlainLetters(a, b);
        const int got = collator.compare(a, b);
        if ((expected < 0) != (got < 0) || (expected == 0) != (got == 0))
            return false;
        if ((collator.compare(b, a) < 0) != (expected > 0))
            return false;
    }
    return true;
}
} // namespace

NameList::NameList(QObject *parent)
    : QAbstractListModel(parent), m_collator(collationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_plainDirect = plainNamesOrderDirectly(m_collator.locale(), m_collator);
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

void NameList::setNames(const QStringList &names)
{
    beginResetModel();
    // Plain names (letters A-Z and a-z only) are sorted among themselves by
    // their letters; the others through precomputed collation keys, one
    // collation pass per name instead of one per comparison. Each of the
    // others then goes to its place among the plain ones, found by binary
    // search with the collator. Equal names keep their file order.
    const auto size = static_cast<size_t>(names.size());
    std::vector<int> plain;
    std::vector<int> other;
    plain.reserve(size);
    for (int i = 0; i < static_cast<int>(size); ++i) {
        if (m_plainDirect && isPlainLetters(names.at(i)))
            plain.push_back(i);
        else
            other.push_back(i);
    }
    const auto tieBreak = [&](int a, int b) {
        return QString::compare(names.at(a), names.at(b), Qt::CaseSensitive) < 0;
    };
    std::stable_sort(plain.begin(), plain.end(), [&](int a, int b) {
        const int c = comparePlainLetters(names.at(a), names.at(b));
        return c != 0 ? c < 0 : tieBreak(a, b);
    });
    if (!other.empty()) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(other.size());
        for (int i : other)
            keys.push_back(m_collator.sortKey(names.at(i)));
        std::vector<size_t> byKey(other.size());
        std::iota(byKey.begin(), byKey.end(), size_t(0));
        std::stable_sort(byKey.begin(), byKey.end(), [&](size_t a, size_t b) {
            const int c = keys[a].compare(keys[b]);
            return c != 0 ? c < 0 : tieBreak(other[a], other[b]);
        });
        std::vector<int> sortedOther;
        sortedOther.reserve(other.size());
        for (size_t k : byKey)
            sortedOther.push_back(other[k]);
        other.swap(sortedOther);
    }

    m_names.clear();
    m_names.reserve(size);
    auto from = plain.cbegin();
    for (int o : other) {
        // Plain names that sort before this one (at equal names, the one
        // earlier in the file first).
        const auto to = std::partition_point(from, plain.cend(), [&](int p) {
            const int c = m_collator.compare(names.at(p), names.at(o));
            if (c != 0)
                return c < 0;
            const int t = QString::compare(names.at(p), names.at(o), Qt::CaseSensitive);
            return t != 0 ? t < 0 : p < o;
        });
        for (; from != to; ++from)
            m_names.push_back(names.at(*from));
        m_names.push_back(names.at(o));
    }
    for (; from != plain.cend(); ++from)
        m_names.push_back(names.at(*from));
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
