// Loading and closing the main window: the selectors, the remembered settings
// and the first reading of the name lists.

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QToolButton>

#include "app/settingsvalues.h"
#include "ui/clicklabel.h"
#include "ui/mainwindow.h"

namespace lullara {

bool frmRandom::Form_Load()
{
    cmbNamesNum->clear();
    cmbNamesNum->addItems(namesNumEntries());

    for (QWidget *w : std::initializer_list<QWidget *>{
             cmdBoysAdd, cmdDeselectAll, cmdGeneratorClear, cmdGirlsAdd, cmdPrint, cmdSaveAll,
             cmdSaveSelected, cmdSelectAll, cmdStop, chkPause, cmdCopy, cmdCopyAll, cmdEmail,
             optBoys, optGirls, cmdAbout, imgLogo})
        w->setCursor(cmdStart->cursor());

    cmdStart->setEnabled(false);
    chkPause->setEnabled(false);
    cmdStop->setEnabled(false);

    cmbLotteryInterval->clear();
    cmbLotteryInterval->addItems(lotteryIntervalEntries());

    StoredText stored;
    {
        auto settings = openSettings();
        settings->beginGroup(keys::Group);
        stored.top = settings->value(keys::Top).toString();
        stored.left = settings->value(keys::Left).toString();
        stored.cmbNum = settings->value(keys::CmbNum).toString();
        stored.cmbInterval = settings->value(keys::CmbInterval).toString();
        stored.optAll = settings->value(keys::OptAll).toString();
        stored.optSel = settings->value(keys::OptSel).toString();
    }
    const RestoredChoices choices = interpretStored(stored, cmbNamesNum->count(), cmbLotteryInterval->count());

    QPoint pos(twipsToPixels(choices.leftTwips), twipsToPixels(choices.topTwips));
    QList<QRect> screens;
    for (QScreen *s : QGuiApplication::screens())
        screens.append(s->availableGeometry());
    if (!screens.isEmpty())
        pos = keepOnScreen(QRect(pos, frameGeometry().size().expandedTo(size())), screens);
    move(pos);

    cmbNamesNum->setCurrentIndex(choices.numIndex);
    cmbLotteryInterval->setCurrentIndex(choices.intervalIndex);

    if (choices.letterIndex >= 0) {
        optLet[static_cast<size_t>(choices.letterIndex)]->setChecked(true);
        optLet_Click(choices.letterIndex);
    } else {
        optLetAll->setChecked(true);
        optLetAll_Click();
    }
    if (m_halted)
        return false;

    cmdStart->setEnabled(true);
    SetStatusReady();
    if (m_splash)
        m_splash->close();
    return true;
}

void frmRandom::Form_Unload()
{
    if (m_unloaded || m_halted)
        return;
    m_unloaded = true;
    auto settings = openSettings();
    settings->beginGroup(keys::Group);
    const QPoint p = pos();
    settings->setValue(keys::Left, twipsText(p.x()));
    settings->setValue(keys::Top, twipsText(p.y()));
    settings->setValue(keys::CmbNum, QString::number(cmbNamesNum->currentIndex()));
    settings->setValue(keys::CmbInterval, QString::number(cmbLotteryInterval->currentIndex()));
    settings->setValue(keys::OptAll, optLetAll->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    for (int i = 0; i < 26; ++i) {
        if (optLet[static_cast<size_t>(i)]->isChecked()) {
            settings->setValue(keys::OptSel, QString::number(i));
            break;
        }
    }
    settings->endGroup();
    settings->sync();
}

} // namespace lullara
