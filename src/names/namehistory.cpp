#include "names/namehistory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace lullara {

namespace {

constexpr size_t kLatest = kUsDecadeCount - 1;

QString tr(const char *text)
{
    return QCoreApplication::translate("lullara::NameHistory", text);
}

double share(quint64 part, quint64 whole) { return whole ? double(part) / double(whole) : 0.0; }

} // namespace

bool SexStory::given() const
{
    return std::any_of(births.begin(), births.end(), [](quint32 n) { return n > 0; });
}

struct NameHistory::Index {
    UsNameData data;
    // Per sex (boys, girls): the births of all names per decade.
    std::array<quint64, kUsDecadeCount> totals[2]{};

    const std::vector<UsName> &names(int sex) const { return sex == 0 ? data.boys : data.girls; }
    // The position of `name` among the names of `sex`, or -1. A scan of the
    // names costs well under a millisecond, and unlike a table of keys it
    // costs nothing before the first card.
    int find(int sex, const QString &name) const;
    SexStory story(int sex, int position) const;
};

int NameHistory::Index::find(int sex, const QString &name) const
{
    const std::vector<UsName> &list = names(sex);
    for (size_t i = 0; i < list.size(); ++i) {
        // Simple case folding keeps the length, so only names of equal length can match.
        if (list[i].name.size() == name.size() && list[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

SexStory NameHistory::Index::story(int sex, int position) const
{
    SexStory s;
    if (position < 0)
        return s;
    const std::vector<UsName> &list = names(sex);
    s.births = list[size_t(position)].births;
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

    int more = 0;
    for (const UsName &other : list) {
        s.rankedNames += other.births[kLatest] > 0;
        more += other.births[kLatest] > s.births[kLatest];
    }
    if (s.births[kLatest] > 0)
        s.rank = more + 1;

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
    for (int sex = 0; sex < 2; ++sex) {
        for (const UsName &n : index->names(sex)) {
            for (size_t d = 0; d < size_t(kUsDecadeCount); ++d)
                index->totals[sex][d] += n.births[d];
        }
    }
    m_index = std::move(index);
}

NameHistory::~NameHistory() = default;

NameStory NameHistory::story(const QString &name) const
{
    NameStory story;
    story.name = name.trimmed();
    const int boy = m_index->find(0, story.name), girl = m_index->find(1, story.name);
    if (boy < 0 && girl < 0)
        return story;
    story.inData = true;
    story.boys = m_index->story(0, boy);
    story.girls = m_index->story(1, girl);
    story.name = boy >= 0 ? m_index->data.boys[size_t(boy)].name : m_index->data.girls[size_t(girl)].name;
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
