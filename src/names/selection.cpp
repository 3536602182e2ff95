// Choosing the source of names: the gender pair, the letter filter, the click
// in a name box, and adding a name to the generated list by hand.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/generatedlist.h"
#include "ui/mainwindow.h"
#include "ui/namebox.h"

namespace lullara {

void frmRandom::optBoys_Click()
{
    if (optBoys->isChecked())
        optGirls->setChecked(false);
}

void frmRandom::optGirls_Click()
{
    if (optGirls->isChecked())
        optBoys->setChecked(false);
}

void frmRandom::optLetAll_Click()
{
    txtLet->setText(QStringLiteral("All"));
    if (LoadAllBoys())
        LoadAllGirls();
}

void frmRandom::optLet_Click(int index)
{
    if (index < 0 || index >= 26)
        return;
    txtLet->setText(optLet[static_cast<size_t>(index)]->text());
    if (LoadBoysByLetter())
        LoadGirlsByLetter();
}

void frmRandom::lstBoys_Click()
{
    showDrawnName(lstBoys->itemText(lstBoys->currentIndex()));
}

void frmRandom::lstGirls_Click()
{
    showDrawnName(lstGirls->itemText(lstGirls->currentIndex()));
}

void frmRandom::addByHand(NameBox *box, const QString &iconKey)
{
    // An empty box has nothing to add.
    if (box->count() == 0)
        return;
    if (box->currentIndex() < 0)
        box->setCurrentIndex(0);
    const QString name = box->itemText(box->currentIndex());
    for (int row = 1; row <= lstGenerator->rowCount(); ++row)
        if (lstGenerator->rowText(row) == name)
            return;
    lstGenerator->appendRow(name, iconKey);
    lstGenerator->markSelected(lstGenerator->rowCount());
}

void frmRandom::cmdBoysAdd_Click() { addByHand(lstBoys, QStringLiteral("men")); }
void frmRandom::cmdGirlsAdd_Click() { addByHand(lstGirls, QStringLiteral("women")); }

} // namespace lullara
