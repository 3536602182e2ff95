// Run control: Start, Stop, the pause toggle, the blinking "Paused..." text and
// the menu commands. The run's state is the state of the controls themselves.

#include <QComboBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "app/settingsvalues.h"
#include "ui/generatedlist.h"
#include "ui/mainwindow.h"
#include "ui/namebox.h"

namespace lullara {

void frmRandom::cmdStart_Click()
{
    const QString numText = cmbNamesNum->currentText();
    const double n = selectorNumber(numText);
    if (optBoys->isChecked() && n > lstBoys->count()) {
        m_services.dialogs->message(this, QStringLiteral("Lullara"),
                                    QStringLiteral("The boys name list must contain at least ") + numText
                                        + QStringLiteral(" items to continue."),
                                    MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (optGirls->isChecked() && n > lstGirls->count()) {
        m_services.dialogs->message(this, QStringLiteral("Lullara"),
                                    QStringLiteral("The girls name list must contain at least ") + numText
                                        + QStringLiteral(" items to continue."),
                                    MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const double interval = selectorNumber(cmbLotteryInterval->currentText());
    setStatusText(QStringLiteral("Starting..."));
    lblIDNumber->setText(QStringLiteral("0"));
    lstGenerator->removeAllRows();
    m_progressValue = 0;
    m_progressMax = static_cast<float>(n * std::floor(interval * 100.0));
    syncProgressBar();
    chkPause->setEnabled(true);
    cmdStop->setEnabled(true);
    cmdStart->setEnabled(false);
    pgbGenerator->show();
    TimerLottery.setInterval(static_cast<int>(std::floor(interval * 1000.0)));
    enableTimer(TimerNumber);
    enableTimer(TimerLottery);
}

void frmRandom::cmdStop_Click()
{
    TimerNumber.stop();
    TimerLottery.stop();
    cmdStart->setEnabled(true);
    if (!chkPause->isChecked()) {
        chkPause->setEnabled(false);
    } else {
        chkPause->setChecked(false); // from code: no click, so no resume change
        chkPause->setEnabled(false);
        chkPause->setText(QStringLiteral("Pause"));
        TimerNumber.stop();
        TimerLottery.stop();
        stuFlash.stop();
    }
    cmdStop->setEnabled(false);
    pgbGenerator->hide();
    m_progressValue = m_progressMax;
    syncProgressBar();
    setStatusText(QStringLiteral("Finished. ") + QString::number(lstGenerator->rowCount())
                  + QStringLiteral(" names added successfully."));
}

void frmRandom::chkPause_Click()
{
    if (chkPause->isChecked())
        applyPauseChange();
    else
        applyResumeChange();
}

void frmRandom::applyPauseChange()
{
    chkPause->setText(QStringLiteral("Resume"));
    TimerLottery.stop();
    TimerNumber.stop();
    setStatusText(QStringLiteral("Paused..."));
    enableTimer(stuFlash);
}

void frmRandom::applyResumeChange()
{
    chkPause->setText(QStringLiteral("Pause"));
    enableTimer(TimerNumber);
    enableTimer(TimerLottery);
    stuFlash.stop();
    setStatusText(QString::number(lstGenerator->rowCount()) + QStringLiteral(" Names Added, Analyzing..."));
}

void frmRandom::stuFlash_Timer()
{
    if (m_flashPhase) {
        setStatusText(QStringLiteral("Paused..."));
        m_flashPhase = false;
    } else {
        setStatusText(QStringLiteral(" "));
        m_flashPhase = true;
    }
}

void frmRandom::mnuMain_Click()
{
    const bool paused = chkPause->isChecked();
    mnuResume->setEnabled(paused);
    mnuPause->setEnabled(!paused);
}

void frmRandom::mnuGo_Click() { cmdStart_Click(); }
void frmRandom::mnuStop_Click() { cmdStop_Click(); }

void frmRandom::mnuPause_Click()
{
    chkPause->setChecked(true);
    applyPauseChange();
}

void frmRandom::mnuResume_Click()
{
    chkPause->setChecked(false);
    applyResumeChange();
}

void frmRandom::mnuAbout_Click() { imgLogo_Click(); }

void frmRandom::syncProgressBar()
{
    // QProgressBar counts in int; the run's bar is kept as a float and shown
    // scaled into the widget's range.
    const float max = m_progressMax > 0 ? m_progressMax : 1.0f;
    pgbGenerator->setRange(0, 10000);
    pgbGenerator->setValue(static_cast<int>(std::lround(10000.0 * std::min(m_progressValue, max) / max)));
}

} // namespace lullara
