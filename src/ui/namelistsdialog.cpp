#include "ui/namelistsdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "names/namefile.h"
#include "names/namefolder.h"
#include "shell/executelink.h"
#include "shell/smallwidgets.h"

namespace lullara {

namespace {

constexpr int kTopChoices[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000};
constexpr int kPreviewNames = 8;
constexpr int kPreviewNameWidth = 160; // pixels of one name in the preview

QComboBox *makeDecadeSelector(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (int decade = kUsFirstDecade; decade <= kUsLastDecade; decade += 10)
        box->addItem(usDecadeName(decade), decade);
    return box;
}

// A user file that exists and was not written from the US names: a list the
// user made (or placed) by hand.
bool isUsersOwn(const QString &path)
{
    return QFile::exists(path) && !isUsNameFile(path);
}

QString decadesText(const UsNameChoice &choice)
{
    return choice.fromDecade == choice.toDecade
        ? NameListsDialog::tr("the %1").arg(usDecadeName(choice.fromDecade))
        : NameListsDialog::tr("the %1 to the %2").arg(usDecadeName(choice.fromDecade), usDecadeName(choice.toDecade));
}

} // namespace

NameListsDialog::NameListsDialog(const Services &services, const QString &programDir,
                                 std::function<void()> reloadLists, QWidget *parent)
    : QDialog(parent), m_services(services), m_reloadLists(std::move(reloadLists)), m_programDir(programDir),
      m_userFolders(userNameFolders())
{
    setObjectName(QStringLiteral("dlgNameLists"));
    setWindowTitle(tr("Name lists"));

    auto *sourceBox = new QGroupBox(tr("Names from"), this);
    m_bundledOption = new QRadioButton(tr("&Bundled first names"), sourceBox);
    m_bundledOption->setObjectName(QStringLiteral("optBundledNames"));
    m_usOption = new QRadioButton(tr("U&S names by popularity, 1880–2024"), sourceBox);
    m_usOption->setObjectName(QStringLiteral("optUsNames"));

    m_fromSelector = makeDecadeSelector("cmbFromDecade", sourceBox);
    m_toSelector = makeDecadeSelector("cmbToDecade", sourceBox);
    m_fromSelector->setCurrentIndex(m_fromSelector->findData(2010));
    m_toSelector->setCurrentIndex(m_toSelector->findData(2020));
    QLabel *fromLabel = makeLabel(sourceBox, "lblFromDecade", tr("born from the &decade"));
    QLabel *toLabel = makeLabel(sourceBox, "lblToDecade", tr("&to", "born from the decade ... to ..."));
    fromLabel->setBuddy(m_fromSelector);
    toLabel->setBuddy(m_toSelector);

    m_topSelector = new QComboBox(sourceBox);
    m_topSelector->setObjectName(QStringLiteral("cmbTopNames"));
    for (int n : kTopChoices)
        m_topSelector->addItem(QString::number(n), n);
    m_topSelector->addItem(tr("all", "keep the all most popular names"), 0);
    m_topSelector->setCurrentIndex(m_topSelector->findData(100));
    QLabel *topLabel = makeLabel(sourceBox, "lblTopNames", tr("&keep the most popular names:"));
    topLabel->setBuddy(m_topSelector);

    m_boysCount = makeLabel(sourceBox, "lblBoysCount", QString());
    m_girlsCount = makeLabel(sourceBox, "lblGirlsCount", QString());
    m_boysPreview = makeLabel(sourceBox, "lblBoysPreview", QString());
    m_girlsPreview = makeLabel(sourceBox, "lblGirlsPreview", QString());
    m_skippedNote = makeLabel(sourceBox, "lblSkippedLines", QString());
    // Names and paths come from files: shown as they stand, never as markup.
    for (QLabel *label : {m_boysCount, m_girlsCount, m_boysPreview, m_girlsPreview, m_skippedNote})
        label->setTextFormat(Qt::PlainText);
    for (QLabel *preview : {m_boysPreview, m_girlsPreview, m_skippedNote}) {
        preview->setWordWrap(true);
        preview->setMinimumWidth(440);
        preview->setMaximumWidth(440);
    }
    m_skippedNote->hide();

    auto *grid = new QGridLayout(sourceBox);
    grid->addWidget(m_bundledOption, 0, 0, 1, 4);
    grid->addWidget(m_usOption, 1, 0, 1, 4);
    auto *decades = new QHBoxLayout;
    decades->addWidget(fromLabel);
    decades->addWidget(m_fromSelector);
    decades->addWidget(toLabel);
    decades->addWidget(m_toSelector);
    decades->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(topLabel);
    top->addWidget(m_topSelector);
    top->addStretch();
    grid->addLayout(decades, 2, 1, 1, 3);
    grid->addLayout(top, 3, 1, 1, 3);
    grid->addWidget(m_boysCount, 4, 1, 1, 3);
    grid->addWidget(m_boysPreview, 5, 1, 1, 3);
    grid->addWidget(m_girlsCount, 6, 1, 1, 3);
    grid->addWidget(m_girlsPreview, 7, 1, 1, 3);
    grid->addWidget(m_skippedNote, 8, 1, 1, 3);
    grid->setColumnMinimumWidth(0, 16);

    // Where the lists come from now, and where the user's own lists go.
    auto *inUseBox = new QGroupBox(tr("In use now"), this);
    m_boysInUse = makeLabel(inUseBox, "lblBoysInUse", QString());
    m_girlsInUse = makeLabel(inUseBox, "lblGirlsInUse", QString());
    m_userFolderLabel = makeLabel(inUseBox, "lblUserFolder", QString());
    m_openFolderButton = new QPushButton(tr("&Open folder"), inUseBox);
    m_openFolderButton->setObjectName(QStringLiteral("cmdOpenFolder"));
    m_openFolderButton->setAutoDefault(false);
    for (QLabel *label : {m_boysInUse, m_girlsInUse, m_userFolderLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMinimumWidth(440);
        label->setMaximumWidth(440);
    }
    auto *inUse = new QGridLayout(inUseBox);
    inUse->addWidget(m_boysInUse, 0, 0, 1, 2);
    inUse->addWidget(m_girlsInUse, 1, 0, 1, 2);
    inUse->addWidget(m_userFolderLabel, 2, 0);
    inUse->addWidget(m_openFolderButton, 2, 1, Qt::AlignRight | Qt::AlignBottom);

    m_useButton = new QPushButton(tr("&Use these lists"), this);
    m_useButton->setObjectName(QStringLiteral("cmdUseLists"));
    m_closeButton = new QPushButton(tr("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("cmdClose"));
    m_useButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_useButton);
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(inUseBox);
    layout->addWidget(sourceBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_openFolderButton, m_bundledOption);
    setTabOrder(m_bundledOption, m_usOption);
    setTabOrder(m_usOption, m_fromSelector);
    setTabOrder(m_fromSelector, m_toSelector);
    setTabOrder(m_toSelector, m_topSelector);
    setTabOrder(m_topSelector, m_useButton);
    setTabOrder(m_useButton, m_closeButton);

    // The data is read now, each time the window opens, and never at start-up.
    auto data = readUsNames(nameFilePath(programDir, kUsNamesFile));
    if (auto *read = std::get_if<UsNameData>(&data)) {
        m_data = std::move(*read);
        if (m_data->skippedLines > 0) {
            const QString data = QDir::toNativeSeparators(nameFilePath(programDir, kUsNamesFile));
            m_skippedNote->setText(
                m_data->skippedLines == 1
                    ? tr("1 line of %1 is not a name with its births and was left out.").arg(data)
                    : tr("%1 lines of %2 are not a name with its births and were left out.")
                          .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(m_data->skippedLines), data));
            m_skippedNote->show();
        }
    } else {
        m_usOption->setEnabled(false);
        // A tooltip that looks like markup is shown as markup: the reason
        // carries a path, which is plain text whatever its folders are called.
        m_usOption->setToolTip(Qt::convertFromPlainText(tr("The US name data cannot be used: %1").arg(std::get<QString>(data))));
    }
    showListsInUse();

    // The first decade never lies after the last one.
    connect(m_fromSelector, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index > m_toSelector->currentIndex())
            m_toSelector->setCurrentIndex(index);
        showSelection();
    });
    connect(m_toSelector, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < m_fromSelector->currentIndex())
            m_fromSelector->setCurrentIndex(index);
        showSelection();
    });
    connect(m_topSelector, &QComboBox::currentIndexChanged, this, &NameListsDialog::showSelection);
    connect(m_usOption, &QRadioButton::toggled, this, &NameListsDialog::showSource);
    connect(m_useButton, &QPushButton::clicked, this, &NameListsDialog::useLists);
    connect(m_openFolderButton, &QPushButton::clicked, this, [this] {
        // Made first, so the file manager has a folder to show.
        QDir().mkpath(m_userFolders.value(0));
        executeLink(m_services, this, QDir::toNativeSeparators(m_userFolders.value(0)));
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    showSelection();
    showSource();
}

UsNameChoice NameListsDialog::choice() const
{
    return {m_fromSelector->currentData().toInt(), m_toSelector->currentData().toInt(),
            m_topSelector->currentData().toInt()};
}

void NameListsDialog::showListsInUse()
{
    std::optional<UsNameFileHeader> usInUse;
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        const bool boys = gender == Gender::Boys;
        const QString file = boys ? kBoysFile : kGirlsFile;
        const QString folder = nameFileFolder(file, m_userFolders, m_programDir);
        const QString path = nameFilePath(folder, file);
        const auto header = folder == m_programDir ? std::nullopt : readUsNameFileHeader(path);
        QString where;
        if (folder == m_programDir)
            where = tr("the bundled list");
        else if (!header)
            where = tr("your own list, %1").arg(QDir::toNativeSeparators(path));
        else {
            const QString count = header->names == 1 ? tr("1 name") : tr("%1 names").arg(header->names);
            where = header->choice.top > 0
                ? tr("US names, the %1 most popular of %2: %3")
                      .arg(QString::number(header->choice.top), decadesText(header->choice), count)
                : tr("US names, every name of %1: %2").arg(decadesText(header->choice), count);
        }
        (boys ? m_boysInUse : m_girlsInUse)->setText((boys ? tr("Boys: %1") : tr("Girls: %1")).arg(where));
        if (header && !usInUse)
            usInUse = header;
    }
    m_userFolderLabel->setText(tr("Your own lists (%1, %2) go in %3")
                                   .arg(kBoysFile, kGirlsFile, QDir::toNativeSeparators(m_userFolders.value(0))));
    // The window's fixed size takes a label's one-line height: a text that
    // wraps (a long path) gets the lines it needs.
    for (QLabel *label : {m_boysInUse, m_girlsInUse, m_userFolderLabel})
        label->setFixedHeight(label->heightForWidth(label->maximumWidth()));
    // The choice opens on the US names in use, as they were chosen.
    if (m_data && usInUse) {
        m_usOption->setChecked(true);
        for (const auto &[selector, value] : {std::pair{m_fromSelector, usInUse->choice.fromDecade},
                                              std::pair{m_toSelector, usInUse->choice.toDecade},
                                              std::pair{m_topSelector, usInUse->choice.top}}) {
            if (const int index = selector->findData(value); index >= 0)
                selector->setCurrentIndex(index);
        }
    } else {
        m_bundledOption->setChecked(true);
    }
}

void NameListsDialog::showSelection()
{
    if (!m_data)
        return;
    m_selection = selectUsNames(*m_data, choice());
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        const bool boys = gender == Gender::Boys;
        const QStringList &names = m_selection.of(gender);
        (boys ? m_boysCount : m_girlsCount)
            ->setText((boys ? tr("Boys: %1 of %2 names") : tr("Girls: %1 of %2 names"))
                          .arg(english.toString(names.size()), english.toString(m_selection.available(gender))));
        // A long name shows its beginning, so the window keeps its size.
        QStringList shown;
        const QFontMetrics metrics = m_boysPreview->fontMetrics();
        for (const QString &name : names.mid(0, kPreviewNames))
            shown << metrics.elidedText(name, Qt::ElideRight, kPreviewNameWidth);
        QString preview = shown.join(QStringLiteral(", "));
        if (names.size() > kPreviewNames)
            preview += QStringLiteral(", \u2026");
        (boys ? m_boysPreview : m_girlsPreview)->setText(preview);
    }
}

void NameListsDialog::showSource()
{
    const bool us = m_usOption->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{m_fromSelector, m_toSelector, m_topSelector})
        w->setEnabled(us);
    for (QLabel *label : m_usOption->parentWidget()->findChildren<QLabel *>())
        label->setEnabled(us);
}

void NameListsDialog::useLists()
{
    if (!m_usOption->isChecked()) {
        if (useBundledLists()) {
            emit listsChanged(tr("The bundled name lists are in use."));
            accept();
        }
        return;
    }
    if (!m_data)
        return;
    // An empty list would leave a box without a name to draw.
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        if (m_selection.of(gender).isEmpty()) {
            m_services.dialogs->message(
                this, tr("Name lists"),
                (gender == Gender::Boys ? tr("The US name data holds no boys' name born in these decades.")
                                        : tr("The US name data holds no girls' name born in these decades."))
                    + QStringLiteral("\r\n") + tr("No list was written; the lists in use stay as they are."),
                MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    if (!mayReplaceUsersOwnFiles(tr("replaced", "your own name list will be ...")))
        return;
    if (const auto error = writeUsNameFiles(m_userFolders.value(0), m_selection, choice())) {
        showFileError(tr("written", "the name list could not be ..."), *error);
        return;
    }
    // The older place of earlier versions keeps no list of its own beside them.
    for (const QString &older : m_userFolders.mid(1)) {
        if (const auto error = removeUserNameFiles(older)) {
            showFileError(tr("removed", "the name list could not be ..."), *error);
            break;
        }
    }
    m_reloadLists();
    emit listsChanged(tr("The US names are in use: %1 boys' and %2 girls' names.")
                          .arg(m_selection.boys.size())
                          .arg(m_selection.girls.size()));
    accept();
}

bool NameListsDialog::useBundledLists()
{
    if (!mayReplaceUsersOwnFiles(tr("removed", "your own name list will be ...")))
        return false;
    for (const QString &folder : m_userFolders) {
        if (const auto error = removeUserNameFiles(folder)) {
            showFileError(tr("removed", "the name list could not be ..."), *error);
            return false;
        }
    }
    m_reloadLists();
    return true;
}

void NameListsDialog::showFileError(const QString &what, const UsFileError &error)
{
    m_services.dialogs->message(this, tr("Name lists"),
                                tr("The name list could not be %1:").arg(what) + QStringLiteral("\r\n")
                                    + error.path + QStringLiteral("\r\n\r\n") + error.reason,
                                MsgButtons::Ok, MsgIcon::Exclamation);
}

bool NameListsDialog::mayReplaceUsersOwnFiles(const QString &action)
{
    QStringList own;
    for (const QString &folder : m_userFolders) {
        for (const QString &name : {kBoysFile, kGirlsFile}) {
            const QString path = nameFilePath(folder, name);
            if (isUsersOwn(path))
                own.append(QDir::toNativeSeparators(path));
        }
    }
    if (own.isEmpty())
        return true;
    return m_services.dialogs->message(this, tr("Name lists"),
                                       tr("Your own name list will be %1:").arg(action) + QStringLiteral("\r\n")
                                           + own.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n") + tr("Go on?"),
                                       MsgButtons::YesNoDefaultNo, MsgIcon::Exclamation)
        == MsgAnswer::Yes;
}

} // namespace lullara
