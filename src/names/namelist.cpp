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

// A name made only of the letters A-Z and a-z and hyphens (the names of the
// bundled lists: "Anne-Marie"). The empty name counts as one too.
bool isPlainName(const QString &name)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'-'))
            return false;
    }
    return true;
}

bool isCapital(char16_t u) { return u >= u'A' && u <= u'Z'; }

// Two plain names compared by their lower-case letters, a hyphen before any
// letter (as the collator has it: punctuation before letters): a shorter
// name that begins the longer one comes first.
int comparePlainLetters(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.constData();
    const QChar *pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        // Setting bit 5 turns an ASCII capital into its small letter and
        // leaves the hyphen (0x2D) as it is, below the letters.
        const char16_t x = pa[i].unicode() | 0x20;
        const char16_t y = pb[i].unicode() | 0x20;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A plain name reduced to what orders it among plain names: `key` holds its
// first 12 characters, 5 bits each (- = 1, a = 2 ... z = 27, the first one
// highest, 0 after the name's end, so that a name that begins a longer one
// comes first); `rank` its capitals among them, so that names that differ
// only in case order as a case-sensitive comparison puts them (capitals
// first), then by position in the file. Only names longer than 12 characters
// (flagged in `rank`'s top bit) that agree in their first 12 need the names
// themselves to be compared.
constexpr int kKeyLetters = 12;
constexpr quint32 kLongName = 0x80000000u;
struct PlainName {
    quint64 key;
    quint32 rank;
    int index;
};

PlainName plainName(const QString &name, int index)
{
    quint64 key = 0;
    quint32 capitals = 0;
    const qsizetype n = std::min<qsizetype>(name.size(), kKeyLetters);
    const QChar *p = name.constData();
    for (qsizetype i = 0; i < kKeyLetters; ++i) {
        const char16_t u = i < n ? p[i].unicode() : 0;
        key = (key << 5) | (i >= n ? 0 : u == u'-' ? 1 : quint64((u | 0x20) - u'a' + 2));
        capitals = (capitals << 1) | (isCapital(u) ? 1 : 0);
    }
    const quint32 rank = ((1u << kKeyLetters) - 1 - capitals) | (name.size() > kKeyLetters ? kLongName : 0);
    return {key, rank, index};
}

// Whether the collator orders plain names as comparePlainLetters() does: the
// letters A-Z with no contractions or tailoring, case aside, as English does
// (other languages differ: Danish puts "aa" after "z", Czech "ch" after "h",
// Lithuanian "y" right after "i"), and the hyphen counted as a character
// before the letters (not skipped). A few probes confirm it.
bool plainOrderMatches(const QCollator &collator)
{
    static const char *const probes[][2] = {
        {"a", "B"},   {"B", "c"},     {"Ab", "aB"}, {"ab", "abc"}, {"Abc", "abd"}, {"y", "Z"},
        {"IJ", "ik"}, {"ch", "ci"},   {"aa", "ab"}, {"Zoe", "zoey"}, {"hz", "ia"}, {"ll", "lm"},
        {"mary", "Maryann"}, {"x", "y"}, {"Ss", "st"}, {"Ae", "af"}, {"Ann-Marie", "Anna"},
        {"a-b", "ab"}, {"Jo-z", "Joa"}, {"a-", "a"}};
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

NameList::NameList(QObject *parent) : QAbstractListModel(parent), m_locale(collationLocale()) {}

QCollator &NameList::collator()
{
    if (!m_collator) {
        m_collator.emplace(m_locale);
        m_collator->setCaseSensitivity(Qt::CaseInsensitive);
        m_collator->setNumericMode(false);
    }
    return *m_collator;
}

bool NameList::collatorAgreesOnPlainNames()
{
    if (m_collatorAgrees < 0)
        m_collatorAgrees = plainOrderMatches(collator()) ? 1 : 0;
    return m_collatorAgrees == 1;
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
    // In English, plain names (letters A-Z and a-z and hyphens only) are
    // ordered by their lower-case letters, the hyphen first, which is the
    // alphabetical order, without the collator; they are sorted among
    // themselves by a number made of their first letters, kept next to their
    // position, so that sorting walks through one array instead of reaching
    // for each name. The others go through the collator's precomputed sort
    // keys, one collation pass per name instead of one per comparison, and
    // then each to its place among the plain ones, found with the collator by
    // a search that starts where the previous one ended; should the collator
    // not order plain names by their letters, all names go through it. Equal
    // names keep their file order.
    m_names.clear();
    const auto size = static_cast<size_t>(names.size());
    QString *const all = names.data(); // the list is this function's own: no copy
    std::vector<PlainName> plain;
    std::vector<int> other;
    if (m_locale.language() == QLocale::English) {
        plain.reserve(size);
        for (int i = 0; i < static_cast<int>(size); ++i) {
            if (isPlainName(all[i]))
                plain.push_back(plainName(all[i], i));
            else
                other.push_back(i);
        }
        if (!other.empty() && !collatorAgreesOnPlainNames()) {
            other.resize(size);
            std::iota(other.begin(), other.end(), 0);
            plain.clear();
        }
    } else {
        other.resize(size);
        std::iota(other.begin(), other.end(), 0);
    }
    const auto tieBreak = [all](int a, int b) {
        const int t = QString::compare(all[a], all[b], Qt::CaseSensitive);
        return t != 0 ? t < 0 : a < b;
    };
    std::sort(plain.begin(), plain.end(), [&](const PlainName &a, const PlainName &b) {
        if (a.key != b.key)
            return a.key < b.key;
        if (!((a.rank | b.rank) & kLongName))
            return a.rank != b.rank ? a.rank < b.rank : a.index < b.index;
        const int c = comparePlainLetters(all[a.index], all[b.index]);
        return c != 0 ? c < 0 : tieBreak(a.index, b.index);
    });
    if (!other.empty()) {
        QCollator &byLocale = collator();
        std::vector<QCollatorSortKey> keys;
        keys.reserve(other.size());
        for (int i : other)
            keys.push_back(byLocale.sortKey(all[i]));
        std::vector<size_t> byKey(other.size());
        std::iota(byKey.begin(), byKey.end(), size_t(0));
        std::sort(byKey.begin(), byKey.end(), [&](size_t a, size_t b) {
            const int c = keys[a].compare(keys[b]);
            return c != 0 ? c < 0 : tieBreak(other[a], other[b]);
        });
        std::vector<int> sortedOther;
        sortedOther.reserve(other.size());
        for (size_t k : byKey)
            sortedOther.push_back(other[k]);
        other.swap(sortedOther);
    }

    m_names.reserve(size);
    const auto takePlain = [&](std::vector<PlainName>::const_iterator from, std::vector<PlainName>::const_iterator to) {
        for (; from != to; ++from) {
            // Sorted order jumps about the list: ask for a name a few steps ahead.
#if defined(__GNUC__)
            if (plain.cend() - from > 8)
                __builtin_prefetch(&all[from[8].index]);
#endif
            m_names.push_back(std::move(all[from->index]));
        }
    };
    auto from = plain.cbegin();
    for (int o : other) {
        // The plain names that sort before this one (at equal names, the one
        // earlier in the file first): found by steps of 1, 2, 4, ... and
        // then halving, as the next one is usually near.
        const auto before = [&](const PlainName &p) {
            const int c = m_collator->compare(all[p.index], all[o]);
            return c != 0 ? c < 0 : tieBreak(p.index, o);
        };
        auto lo = from;
        std::ptrdiff_t step = 1;
        while (plain.cend() - lo > step && before(lo[step - 1])) {
            lo += step;
            step *= 2;
        }
        const auto to = std::partition_point(lo, lo + std::min<std::ptrdiff_t>(step, plain.cend() - lo), before);
        takePlain(from, to);
        from = to;
        m_names.push_back(std::move(all[o]));
    }
    takePlain(from, plain.cend());
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
