#pragma once
// The "Name lists" window: chooses where the two name boxes take their names
// from, the bundled lists or the US names by popularity and era, written as
// the user's own guyname.txt and girlname.txt.

#include <QDialog>
#include <functional>
#include <optional>

#include "names/usnames.h"
#include "shell/services.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lullara {

class NameListsDialog : public QDialog {
    Q_OBJECT
public:
    // `programDir`: where usnames.txt lies, beside the bundled lists.
    // `reloadLists`: loads both name boxes again, as a letter choice does.
    NameListsDialog(const Services &services, const QString &programDir, std::function<void()> reloadLists,
                    QWidget *parent = nullptr);

    // The choice the controls show now.
    UsNameChoice choice() const;

private:
    void showSelection();
    void showSource();
    void useLists();
    void useBundledLists();
    // Says what went wrong with a file; the lists stay as they were.
    void showFileError(const QString &what, const UsFileError &error);
    // Asks before a list the user made by hand is replaced or removed.
    bool mayReplaceUsersOwnFiles(const QString &action);

    Services m_services;
    std::function<void()> m_reloadLists;
    QStringList m_userFolders;
    std::optional<UsNameData> m_data;
    UsNameSelection m_selection;

    QRadioButton *m_bundledOption, *m_usOption;
    QComboBox *m_fromSelector, *m_toSelector, *m_topSelector;
    QLabel *m_boysCount, *m_girlsCount, *m_boysPreview, *m_girlsPreview, *m_skippedNote;
    QPushButton *m_useButton, *m_bundledButton, *m_closeButton;
};

} // namespace lullara
