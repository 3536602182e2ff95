// The two ticks of a run: the number tick draws a position ten times a second
// and shows it; the lottery tick appends the name on display to the list.

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <cmath>
#include <optional>

#include "app/settingsvalues.h"
#include "generator/draw.h"
#include "ui/generatedlist.h"
#include "ui/mainwindow.h"
#include "ui/namebox.h"

namespace lullara {

namespace {
// The general failure of a lottery tick whose number is no position of the
// source list (the list was reloaded or the gender switched meanwhile).
constexpr int kErrInvalidIndex = 381;
const char *const kErrInvalidIndexText = "Invalid property array index";

// The drawn number as the lottery tick reads it back: the integer part of
// the label's text ("0000" reads as 0).
std::optional<int> drawnNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(value);
}
} // namespace

NameBox *frmRandom::sourceBox() const { return optBoys->isChecked() ? lstBoys : lstGirls; }

void frmRandom::TimerNumber_Timer()
{
    if (m_inLotteryBox)
        return; // held back while the lottery tick's message is open
    NameBox *source = sourceBox();
    const int count = source->count();
    // A draw needs two entries; with fewer the next lottery tick ends the run.
    if (count < 2)
        return;
    const int k = drawPosition(count, m_random());
    if (k < 0 || k >= count)
        return;
    showDrawnNumber(QString::number(k));
    const int shown = drawnNumber(lblNumber->text()).value_or(k);
    showDrawnName(source->itemText(shown));
    source->setCurrentIndex(shown);

    const double n = selectorNumber(cmbNamesNum->currentText());
    if (n == lstGenerator->rowCount())
        cmdStop_Click();

    if (m_progressValue + 10.0f <= m_progressMax) {
        m_progressValue += 10.0f;
        syncProgressBar();
    }
}

void frmRandom::TimerLottery_Timer()
{
    if (m_inLotteryBox)
        return;
    const bool boys = optBoys->isChecked();
    NameBox *source = boys ? lstBoys : lstGirls;
    if (source->count() < 2) {
        m_inLotteryBox = true;
        m_services.dialogs->message(this, QStringLiteral("Error"),
                                    boys ? QStringLiteral("There are no names in the Boys name list.")
                                         : QStringLiteral("There are no names in the Girls name list."),
                                    MsgButtons::Ok, MsgIcon::Exclamation);
        m_inLotteryBox = false;
        TimerLottery.stop();
        TimerNumber.stop();
        showDrawnNumber(QStringLiteral("0000"));
        lblIDNumber->setText(QStringLiteral("0"));
        cmdStop_Click();
        return;
    }
    const std::optional<int> k = drawnNumber(lblNumber->text());
    if (!k || *k >= source->count()) {
        m_inLotteryBox = true;
        m_services.dialogs->message(this, QStringLiteral("error ") + QString::number(kErrInvalidIndex),
                                    QString::fromLatin1(kErrInvalidIndexText), MsgButtons::Ok,
                                    MsgIcon::Exclamation);
        m_inLotteryBox = false;
        cmdStop_Click();
        return;
    }
    lstGenerator->appendRow(source->itemText(*k), boys ? QStringLiteral("men") : QStringLiteral("women"));
    lstGenerator->markSelected(lstGenerator->rowCount());
    source->setCurrentIndex(*k);
    lblIDNumber->setText(QString::number(lstGenerator->rowCount()));
    setStatusText(QString::number(lstGenerator->rowCount()) + QStringLiteral(" Names Added, Analyzing..."));
}

} // namespace lullara
