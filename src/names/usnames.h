#pragma once
// US first names by popularity and era: the data file usnames.txt beside the
// program (the US Social Security Administration's births per name, sex and
// decade, 1880s to 2020s; tools/fetch-us-names.sh makes it), the choice of
// names from it, and the two name files written from that choice into the
// user's own folder, where they take the place of the bundled lists.
//
// The data file: lines beginning with '#' are comments; every other line is
// "M" or "F", a tab, the name, a tab and 15 comma-separated birth counts, one
// per decade from the 1880s (an empty field is 0). Lines that do not have
// that shape, or whose name could not go into a name file as it stands (see
// parseUsNames), are skipped and counted; empty lines are not counted.
//
// The choice: the births of every decade from `fromDecade` to `toDecade`
// (both included) are added up; per sex, the names with any births there are
// ordered by those births, most first, and names with equal births by name
// (in the order of their UTF-16 code units, which for the SSA's names - a
// capital, then small letters - is alphabetical). "The N most popular" keeps
// exactly the first N of that order: names tied with the last one kept are
// cut by that name order, so the lists never grow past N.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "names/namelibrary.h"

namespace lullara {

inline const QString kUsNamesFile = QStringLiteral("usnames.txt");

constexpr int kUsFirstDecade = 1880;
constexpr int kUsDecadeCount = 15; // the 1880s to the 2020s
constexpr int kUsLastDecade = kUsFirstDecade + 10 * (kUsDecadeCount - 1);

struct UsName {
    QString name;
    std::array<quint32, kUsDecadeCount> births{};
};

// The longest name taken from the data (the SSA's longest have 15 letters).
constexpr int kUsMaxNameLength = 64;

struct UsNameData {
    std::vector<UsName> boys, girls;
    int skippedLines = 0; // lines of another shape, or with a name that cannot be used
    const std::vector<UsName> &of(Gender gender) const { return gender == Gender::Boys ? boys : girls; }
};

// The names of a data file's bytes, in file order. A name is taken only when
// it is valid UTF-8 of 1 to kUsMaxNameLength characters, without a control
// character or line separator, and does not start with '#': anything else
// would not come back from a name file as it was written.
UsNameData parseUsNames(const QByteArray &bytes);
// Reads and parses the data file; the reason as text when it is missing, is
// not a regular file, is too large, cannot be read or holds no name at all.
std::variant<UsNameData, QString> readUsNames(const QString &path);

struct UsNameChoice {
    int fromDecade = 2010; // first year of a decade, e.g. 1950 for the 1950s
    int toDecade = 2010;
    int top = 100;         // how many per sex; 0 keeps every name
};

struct UsNameSelection {
    QStringList boys, girls;             // the names kept, most popular first
    int boysAvailable = 0, girlsAvailable = 0; // names with births in the decades
    const QStringList &of(Gender gender) const { return gender == Gender::Boys ? boys : girls; }
    int available(Gender gender) const { return gender == Gender::Boys ? boysAvailable : girlsAvailable; }
};

UsNameSelection selectUsNames(const UsNameData &data, const UsNameChoice &choice);

// The first line of every name file written from this data.
inline const QString kUsListMark = QStringLiteral("# US names by popularity");

// The bytes of a name file of `names` (CR LF line ends, UTF-8): '#' lines
// naming the source and the choice, then the names in alphabetical order, as
// the name boxes show them.
QByteArray usNameFileText(Gender gender, const QStringList &names, const UsNameChoice &choice);

// A name file that could not be written or removed.
struct UsFileError {
    QString path;   // the whole path, with the platform's separators
    QString reason; // as the system says it
};

// "1880s" for 1880.
QString usDecadeName(int decade);

// Writes guyname.txt and girlname.txt of `selection` into `folder` (made when
// missing): both are written in full as "<name>.new" first, then put in
// place. An empty list is never written. On failure: the file's full path
// and the reason; the lists in use are left as they were.
std::optional<UsFileError> writeUsNameFiles(const QString &folder, const UsNameSelection &selection,
                                            const UsNameChoice &choice);
inline const QString kPendingSuffix = QStringLiteral(".new");
// Puts right what a program ended during writeUsNameFiles() left in
// `folder`: a girls' list still pending after the boys' list took its place
// takes its place too; any other pending or temporary file of the two lists
// is removed, the lists in use kept. On failure: the file and the reason.
std::optional<UsFileError> settleUserNameFiles(const QString &folder);
// Removes guyname.txt and girlname.txt from `folder`, so the bundled lists
// are read again. On failure: the file's full path and the reason.
std::optional<UsFileError> removeUserNameFiles(const QString &folder);
// Whether the name file at `path` was written from this data.
bool isUsNameFile(const QString &path);
// Whether both name files in `folder` were written from this data.
bool userFilesAreUsNames(const QString &folder);

// What a name file written from this data says of itself in its header (the
// "# Chosen:" line of usNameFileText()): the choice and how many names it
// holds. std::nullopt for any other file, or one whose header was changed.
struct UsNameFileHeader {
    UsNameChoice choice;
    int names = 0;
};
std::optional<UsNameFileHeader> readUsNameFileHeader(const QString &path);

} // namespace lullara
