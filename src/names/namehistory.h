#pragma once
// One name's story in the US name data (usnames.txt, see usnames.h): its
// births per decade for boys and for girls, its rank and peak decade, its
// trend over the last three decades and the share of children who got it.
//
// Per sex, with "latest decade" the 2020s (which hold the years 2020 on):
// - Rank: among the names of that sex, by births in the latest decade, most
//   first. A name's rank is 1 + the number of names of its sex with more
//   births there, so names with equal births share a rank and the next rank
//   is skipped (1, 2, 2, 4). A name with no births of that sex in the latest
//   decade has no rank (0).
// - Peak decade: the decade with the most births of that sex; of decades
//   with equal births, the earliest.
// - Share of a decade: the name's births of that sex in the decade divided by
//   the births of all names of that sex in the decade. The data leaves out a
//   name given fewer than 5 times in a year, so the whole is the births the
//   data holds, a little fewer than all births. The latest share is that of
//   the latest decade; the overall share adds up every decade on both sides
//   of the division.
// - Trend: from the shares s1, s2, s3 of the last three decades (the 2000s,
//   2010s and 2020s). The straight line fitted through them by least squares
//   changes by (s3 - s1) / 2 per decade. Rising when that change is more than
//   a tenth of their mean (s1 + s2 + s3) / 3, falling when it is less than
//   minus a tenth of it, steady otherwise; none when all three are 0. Shares
//   rather than births, because the latest decade is not complete and the
//   number of births of a year changes too.
//
// Names are looked up without regard to case ("LESLIE", "leslie" and
// "Leslie" are one name) and with surrounding white space ignored; accents
// count ("Zoë" is not "Zoe"). The data holds every name once per sex; should
// two spellings of one sex differ in case alone, the first in the file is
// the one found.

#include <QString>
#include <array>
#include <memory>
#include <variant>
#include <vector>

#include "names/namelibrary.h"
#include "names/usnames.h"

namespace lullara {

enum class Trend { None, Rising, Falling, Steady };

// How many decades the trend looks at, ending with the latest.
constexpr int kTrendDecades = 3;

// The story of one name for one sex.
struct SexStory {
    std::array<quint32, kUsDecadeCount> births{}; // the 1880s first; all 0 when not given to this sex
    int rank = 0;          // in the latest decade; 0: no births there
    int rankedNames = 0;   // names of this sex with births in the latest decade
    int peakDecade = 0;    // first year of the decade, e.g. 1950; 0 when never given
    Trend trend = Trend::None;
    double latestShare = 0;  // 0..1
    double overallShare = 0; // 0..1
    bool given() const;      // any births of this sex at all
};

struct NameStory {
    QString name;        // as the data spells it; the name asked for when absent
    bool inData = false; // false: given fewer than 5 times a year in every year
    SexStory boys, girls;
    const SexStory &of(Gender gender) const { return gender == Gender::Boys ? boys : girls; }
};

// The stories of every name in one data set, looked up by name.
class NameHistory {
public:
    explicit NameHistory(UsNameData data);
    ~NameHistory();
    NameHistory(const NameHistory &) = delete;
    NameHistory &operator=(const NameHistory &) = delete;

    NameStory story(const QString &name) const;

private:
    struct Index;
    std::unique_ptr<const Index> m_index;
};

// The history of the data file at `path`: read and indexed on the first call
// for that file, then kept for the rest of the process, so that nothing is
// read before a name's story is first asked for. When the file cannot be
// read: the reason (readUsNames()), and the next call tries again.
std::variant<const NameHistory *, QString> nameHistory(const QString &path);

// The sentence shown for a name that is not in the data, with the reason.
QString notInDataText(const QString &name);

} // namespace lullara
