#pragma once
// The boys' and the girls' name lists and the letter filter in force. Both
// files are read again from disk whenever a filter is chosen.

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "names/namefile.h"
#include "names/namelist.h"

namespace lullara {

enum class Gender { Boys, Girls };

// A name file that could not be read: the failure and the file as shown to
// the user.
struct NameLoadFailure {
    NameFileError error;
    QString shownFile;
};

class NameLibrary : public QObject {
    Q_OBJECT
public:
    // `programDir`: the folder beside the program that holds the bundled
    // files; `userDirs`: the user's own folders, whose files win over them,
    // the first found first.
    NameLibrary(const QString &programDir, const QStringList &userDirs, QObject *parent = nullptr);

    NameList *boys() { return &m_boys; }
    NameList *girls() { return &m_girls; }
    NameList *list(Gender gender) { return gender == Gender::Boys ? &m_boys : &m_girls; }

    // "All" or one capital letter "A" to "Z".
    QString letterFilter() const { return m_filter; }

    // Sets the filter ("All" or a letter) and reads the boys' file, then the
    // girls' file (each from the user's data folder when it is there, else
    // from beside the program) into their lists: every name for "All", else
    // the names whose first character equals the filter's first character.
    // Stops at the
    // first file that cannot be read: a failing girls' file leaves the boys'
    // list loaded.
    std::optional<NameLoadFailure> chooseFilter(const QString &filter);

    QString programDir() const { return m_programDir; }

signals:
    void filterChanged(const QString &filter);

private:
    std::optional<NameLoadFailure> load(NameList &list, const QString &fileName);

    QString m_programDir;
    QStringList m_userDirs;
    QString m_filter = QStringLiteral("All");
    NameList m_boys;
    NameList m_girls;
};

} // namespace lullara
