// The four name-list loaders: read a name file into its name box, whole or
// only the names that begin with the letter in force. A file that cannot be
// read ends the program after telling the user why.

#include <QLineEdit>
#include <variant>

#include "names/namefile.h"
#include "ui/mainwindow.h"
#include "ui/namebox.h"

namespace lullara {

bool frmRandom::loadNames(NameBox *box, const QString &fileName, bool byLetter)
{
    if (m_halted)
        return false;
    auto result = readNameFile(nameFilePath(m_programDir, fileName));
    if (auto *error = std::get_if<NameFileError>(&result)) {
        m_halted = true;
        m_services.dialogs->message(
            m_splash ? m_splash.data() : this,
            QStringLiteral("Error ") + QString::number(error->number),
            error->description + QStringLiteral("\r\n") + displayFileName(fileName)
                + QStringLiteral("\r\n\r\nProgram can not continue and will halt now!"),
            MsgButtons::Ok, MsgIcon::Exclamation);
        m_services.halt->halt(1);
        return false;
    }
    QStringList names = std::get<QStringList>(std::move(result));
    if (byLetter) {
        const QString filter = txtLet->text();
        names = filter.isEmpty() ? QStringList() : filterByFirstChar(names, filter.at(0));
    }
    box->setNames(names);
    box->setText(box->count() > 0 ? box->itemText(0) : QString());
    return true;
}

bool frmRandom::LoadAllBoys() { return loadNames(lstBoys, kBoysFile, false); }
bool frmRandom::LoadAllGirls() { return loadNames(lstGirls, kGirlsFile, false); }
bool frmRandom::LoadBoysByLetter() { return loadNames(lstBoys, kBoysFile, true); }
bool frmRandom::LoadGirlsByLetter() { return loadNames(lstGirls, kGirlsFile, true); }

} // namespace lullara
