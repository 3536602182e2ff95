#pragma once
// The "Name lists" window: shows where each name box takes its names from
// now (the bundled list, US names, or the user's own file) and chooses anew:
// the bundled lists or the US names by popularity and era, written as the
// user's own guyname.txt and girlname.txt.

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

signals:
    // New lists are in use (the window closes): what the status text says.
    void listsChanged(const QString &confirmation);

private:
    // Where each list comes from now, and the choice it was made with.
    void showListsInUse();
    void showSelection();
    void showSource();
    void useLists();
    bool useBundledLists();
    // Says what went wrong with a file; the lists stay as they were.
    void showFileError(const QString &what, const UsFileError &error);
    // Asks before a list the user made by hand is replaced or removed.
    bool mayReplaceUsersOwnFiles(const QString &action);

    Services m_services;
    std::function<void()> m_reloadLists;
    QString m_programDir;
    QStringList m_userFolders;
    std::optional<UsNameData> m_data;
    UsNameSelection m_selection;

    QRadioButton *m_bundledOption, *m_usOption;
    QComboBox *m_fromSelector, *m_toSelector, *m_topSelector;
    QLabel *m_boysCount, *m_girlsCount, *m_boysPreview, *m_girlsPreview, *m_skippedNote;
    QLabel *m_boysInUse, *m_girlsInUse, *m_userFolderLabel;
    QPushButton *m_useButton, *m_openFolderButton, *m_closeButton;
};

} // namespace lullara
