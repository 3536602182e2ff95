#include "names/namehistory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <functional>
#include <map>

namespace lullara {

namespace {

constexpr size_t kLatest = kUsDecadeCount - 1;

QString tr(const char *text)
{
    return QCoreApplication::translate("lullara::NameHistory", text);
}

QString lookupKey(const QString &name) { return name.trimmed().toCaseFolded(); }

double share(quint64 part, quint64 whole) { return whole ? double(part) / double(whole) : 0.0; }

} // namespace

bool SexStory::given() const
{
    return std::any_of(births.begin(), births.end(), [](quint32 n) { return n > 0; });
}

struct NameHistory::Index {
    UsNameData data;
    struct Entry {
        int boy = -1, girl = -1; // positions in data.boys and data.girls
    };
    QHash<QString, Entry> byName;
    // Per sex (boys, girls): the births of all names per decade, and the
    // latest decade's births of every name given then, most first.
    std::array<quint64, kUsDecadeCount> totals[2]{};
    std::vector<quint32> latest[2];

    SexStory story(int sex, int position) const;
};

SexStory NameHistory::Index::story(int sex, int position) const
{
    SexStory s;
    if (position < 0)
        return s;
    const std::vector<UsName> &names = sex == 0 ? data.boys : data.girls;
    s.births = names[size_t(position)].births;
    const std::array<quint64, kUsDecadeCount> &total = totals[sex];

    quint64 all = 0, allTotal = 0;
    size_t peak = 0;
    for (size_t d = 0; d < size_t(kUsDecadeCount); ++d) {
        all += s.births[d];
        allTotal += total[d];
        if (s.births[d] > s.births[peak])
            peak = d;
    }
    if (all == 0)
        return s;
    s.peakDecade = kUsFirstDecade + 10 * int(peak);
    s.latestShare = share(s.births[kLatest], total[kLatest]);
    s.overallShare = share(all, allTotal);

    const std::vector<quint32> &ranked = latest[sex];
    s.rankedNames = int(ranked.size());
    if (s.births[kLatest] > 0) {
        const auto firstNotMore = std::lower_bound(ranked.begin(), ranked.end(), s.births[kLatest], std::greater<>());
        s.rank = int(firstNotMore - ranked.begin()) + 1;
    }

    double shares[kTrendDecades];
    double sum = 0;
    for (int i = 0; i < kTrendDecades; ++i) {
        const size_t d = kLatest - size_t(kTrendDecades - 1 - i);
        shares[i] = share(s.births[d], total[d]);
        sum += shares[i];
    }
    if (sum > 0) {
        const double perDecade = (shares[kTrendDecades - 1] - shares[0]) / (kTrendDecades - 1);
        const double tenthOfMean = sum / kTrendDecades / 10;
        s.trend = perDecade > tenthOfMean ? Trend::Rising : perDecade < -tenthOfMean ? Trend::Falling : Trend::Steady;
    }
    return s;
}

NameHistory::NameHistory(UsNameData data) : m_index(nullptr)
{
    auto index = std::make_unique<Index>();
    index->data = std::move(data);
    index->byName.reserve(qsizetype(index->data.boys.size() + index->data.girls.size()));
    for (int sex = 0; sex < 2; ++sex) {
        const std::vector<UsName> &names = sex == 0 ? index->data.boys : index->data.girls;
        std::vector<quint32> &latest = index->latest[sex];
        latest.reserve(names.size());
        for (size_t i = 0; i < names.size(); ++i) {
            const UsName &n = names[i];
            Index::Entry &entry = index->byName[lookupKey(n.name)];
            int &slot = sex == 0 ? entry.boy : entry.girl;
            if (slot < 0)
                slot = int(i);
            for (size_t d = 0; d < size_t(kUsDecadeCount); ++d)
                index->totals[sex][d] += n.births[d];
            if (n.births[kLatest] > 0)
                latest.push_back(n.births[kLatest]);
        }
        std::sort(latest.begin(), latest.end(), std::greater<>());
    }
    m_index = std::move(index);
}

NameHistory::~NameHistory() = default;

NameStory NameHistory::story(const QString &name) const
{
    NameStory story;
    story.name = name.trimmed();
    const auto found = m_index->byName.constFind(lookupKey(name));
    if (found == m_index->byName.constEnd())
        return story;
    story.inData = true;
    story.boys = m_index->story(0, found->boy);
    story.girls = m_index->story(1, found->girl);
    story.name = found->boy >= 0 ? m_index->data.boys[size_t(found->boy)].name
                                 : m_index->data.girls[size_t(found->girl)].name;
    return story;
}

std::variant<const NameHistory *, QString> nameHistory(const QString &path)
{
    // One history per file for the life of the process; only the main
    // thread asks.
    static std::map<QString, std::unique_ptr<NameHistory>> histories;
    const QString key = QFileInfo(path).absoluteFilePath();
    const auto kept = histories.find(key);
    if (kept != histories.end())
        return kept->second.get();
    auto data = readUsNames(path);
    if (auto *reason = std::get_if<QString>(&data))
        return *reason;
    auto history = std::make_unique<NameHistory>(std::move(std::get<UsNameData>(data)));
    const NameHistory *result = history.get();
    histories.emplace(key, std::move(history));
    return result;
}

QString notInDataText(const QString &name)
{
    return tr("%1 is not in the US name data: since 1880 it has been given to fewer than 5 boys "
              "and fewer than 5 girls in every year.")
        .arg(name.trimmed());
}

} // namespace lullara
