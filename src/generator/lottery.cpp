#include "generator/lottery.h"

#include <QSet>
#include <cmath>
#include <optional>

#include "output/generatedrows.h"
#include "shell/services.h"

namespace lullara {

namespace {
// The general failure of a lottery tick whose number is no position of the
// source list (the list was reloaded or the gender switched meanwhile).
constexpr int kErrInvalidIndex = 381;
const char *const kErrInvalidIndexText = QT_TRANSLATE_NOOP("lullara::Lottery", "Invalid property array index");

// The drawn number as the lottery tick reads it back: the integer part of
// the text ("0000" reads as 0).
std::optional<int> drawnNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(value);
}

// The positions a draw reaches (1 .. count - 1) whose name no generated row
// holds yet, ascending.
std::vector<int> unlistedPositions(const NameList &list, const GeneratedRows &rows)
{
    const QStringList texts = rows.texts();
    const QSet<QString> listed(texts.begin(), texts.end());
    std::vector<int> open;
    for (int p = 1; p < list.count(); ++p) {
        if (!listed.contains(list.at(p)))
            open.push_back(p);
    }
    return open;
}

// How many different names a draw can reach (positions 1 .. count - 1).
int drawableNames(const NameList &list)
{
    QSet<QString> names;
    for (int p = 1; p < list.count(); ++p)
        names.insert(list.at(p));
    return static_cast<int>(names.size());
}
} // namespace

QString Lottery::readyText()
{
    return tr("Ready", "status text");
}

QString Lottery::pauseText()
{
    return tr("Pause", "the pause button after a resume; 73 pixels wide");
}

QString Lottery::pausedText()
{
    return tr("Paused...", "status text, blinking while paused");
}

QString Lottery::addedText(int count)
{
    return tr("%1 Names Added, Analyzing...", "status text during a run").arg(count);
}

Lottery::Lottery(NameLibrary *names, GeneratedRows *rows, Dialogs *dialogs, QObject *parent)
    : QObject(parent), m_names(names), m_rows(rows), m_dialogs(dialogs)
{
    m_random = [this] { return m_lotteryRandom.next(); };
    m_numberTimer.setObjectName(QStringLiteral("TimerNumber"));
    m_lotteryTimer.setObjectName(QStringLiteral("TimerLottery"));
    m_flashTimer.setObjectName(QStringLiteral("stuFlash"));
    m_numberTimer.setInterval(100);
    m_lotteryTimer.setInterval(1000);
    m_flashTimer.setInterval(500);
    // Precise timers keep the lottery's rhythm without drift.
    for (QTimer *t : {&m_numberTimer, &m_lotteryTimer, &m_flashTimer}) {
        t->setParent(this);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_numberTimer, &QTimer::timeout, this, &Lottery::numberTick);
    connect(&m_lotteryTimer, &QTimer::timeout, this, &Lottery::lotteryTick);
    connect(&m_flashTimer, &QTimer::timeout, this, &Lottery::flashTick);
}

void Lottery::showMessage(const QString &title, const QString &text, bool information)
{
    if (m_dialogs)
        m_dialogs->message(m_dialogParent, title, text, MsgButtons::Ok,
                           information ? MsgIcon::Information : MsgIcon::Exclamation);
}

void Lottery::start()
{
    const double n = selectorNumber(m_wantedText);
    const bool boys = m_gender == Gender::Boys;
    if (m_drawOnce) {
        // Fewer different names than entries, and never the first entry: a
        // list long enough for N may still be too short for N different names.
        const int different = drawableNames(*m_names->list(m_gender));
        if (n > different) {
            // Says what a draw can reach: a list of four names offers three.
            showMessage(QStringLiteral("Lullara"),
                        (boys ? tr("To draw each name once, the boys name list needs %1 different names besides "
                                   "its first entry, which is never drawn; it has %2.")
                              : tr("To draw each name once, the girls name list needs %1 different names besides "
                                   "its first entry, which is never drawn; it has %2."))
                            .arg(m_wantedText, QString::number(different)),
                        true);
            return;
        }
    }
    if (n > m_names->list(m_gender)->count()) {
        showMessage(QStringLiteral("Lullara"),
                    (boys ? tr("The boys name list must contain at least %1 items to continue.")
                          : tr("The girls name list must contain at least %1 items to continue."))
                        .arg(m_wantedText),
                    true);
        return;
    }
    const double interval = selectorNumber(m_intervalText);
    emit statusChanged(tr("Starting..."));
    setCounterText(QStringLiteral("0"));
    m_rows->clear();
    m_progressValue = 0;
    m_progressMax = static_cast<float>(n * std::floor(interval * 100.0));
    m_canPause = true;
    m_canStop = true;
    m_canStart = false;
    m_progressVisible = true;
    m_lotteryTimer.setInterval(static_cast<int>(std::floor(interval * 1000.0)));
    // Enabling a timer starts a full interval from this moment.
    m_numberTimer.start();
    m_lotteryTimer.start();
    emit progressChanged();
    emit runStateChanged();
}

void Lottery::stop()
{
    m_numberTimer.stop();
    m_lotteryTimer.stop();
    m_canStart = true;
    if (m_paused) {
        m_paused = false;
        m_pauseCaption = pauseText();
        m_flashTimer.stop();
    }
    m_canPause = false;
    m_canStop = false;
    m_progressVisible = false;
    m_progressValue = m_progressMax;
    emit runStateChanged();
    emit progressChanged();
    const QString finished = tr("Finished. %1 names added successfully.").arg(m_rows->count());
    emit statusChanged(finished);
    emit announcement(finished);
}

void Lottery::setPaused(bool paused)
{
    m_paused = paused;
    if (paused)
        applyPause();
    else
        applyResume();
}

void Lottery::applyPause()
{
    m_pauseCaption = tr("Resume", "the pause button while paused; 73 pixels wide");
    m_lotteryTimer.stop();
    m_numberTimer.stop();
    emit runStateChanged();
    emit statusChanged(pausedText());
    m_flashTimer.start();
}

void Lottery::applyResume()
{
    m_pauseCaption = pauseText();
    m_numberTimer.start();
    m_lotteryTimer.start();
    m_flashTimer.stop();
    emit runStateChanged();
    emit statusChanged(addedText(m_rows->count()));
}

void Lottery::flashTick()
{
    emit statusChanged(m_flashPhase ? pausedText() : QStringLiteral(" "));
    m_flashPhase = !m_flashPhase;
}

void Lottery::startOffered(bool selectedOnly)
{
    if (selectedOnly || selectorNumber(m_wantedText) >= m_names->boys()->count())
        emit statusChanged(readyText());
    start();
}

void Lottery::clearList()
{
    m_rows->clear();
    setNumberText(QStringLiteral("0000"));
    setCounterText(QStringLiteral("0"));
    emit statusChanged(readyText());
}

void Lottery::addByHand(Gender from)
{
    NameList *list = m_names->list(from);
    // An empty list has nothing to add.
    if (list->count() == 0)
        return;
    if (list->current() < 0)
        list->choose(0);
    m_rows->appendUnique(list->at(list->current()),
                         from == Gender::Boys ? QStringLiteral("men") : QStringLiteral("women"));
}

void Lottery::numberTick()
{
    if (m_inMessage)
        return; // held back while the lottery tick's message is open
    NameList *source = m_names->list(m_gender);
    const int count = source->count();
    // A draw needs two entries; with fewer the next lottery tick ends the run.
    if (count < 2)
        return;
    int k = -1;
    if (m_drawOnce) {
        const std::vector<int> open = unlistedPositions(*source, *m_rows);
        if (!open.empty())
            k = drawAmong(open, m_random());
    } else {
        k = drawPosition(count, m_random());
    }
    // With each name drawn once, every name a draw reaches may be listed
    // already: the number and name on display stay, but the run still ends
    // (a list of exactly N different names ends this way) and the bar moves on.
    if (k >= 0 && k < count) {
        setNumberText(QString::number(k));
        source->choose(drawnNumber(m_numberText).value_or(k));
    }

    if (selectorNumber(m_wantedText) == m_rows->count())
        stop();

    if (m_progressValue + 10.0f <= m_progressMax) {
        m_progressValue += 10.0f;
        emit progressChanged();
    }
}

void Lottery::lotteryTick()
{
    if (m_inMessage)
        return;
    const bool boys = m_gender == Gender::Boys;
    NameList *source = m_names->list(m_gender);
    if (source->count() < 2) {
        m_inMessage = true;
        showMessage(tr("Error", "title of a message box"),
                    boys ? tr("There are no names in the Boys name list.")
                         : tr("There are no names in the Girls name list."),
                    false);
        m_inMessage = false;
        m_lotteryTimer.stop();
        m_numberTimer.stop();
        setNumberText(QStringLiteral("0000"));
        setCounterText(QStringLiteral("0"));
        stop();
        return;
    }
    const std::optional<int> k = drawnNumber(m_numberText);
    if (!k || *k >= source->count()) {
        m_inMessage = true;
        //: Title of the box about a failed draw; %1 is the failure's number
        showMessage(tr("error %1").arg(kErrInvalidIndex), tr(kErrInvalidIndexText), false);
        m_inMessage = false;
        stop();
        return;
    }
    // Each name once: a name the list holds already is not added again, and
    // the tick leaves the counter and the status as they are.
    if (m_drawOnce && m_rows->contains(source->at(*k)))
        return;
    m_rows->append(source->at(*k), boys ? QStringLiteral("men") : QStringLiteral("women"));
    source->choose(*k);
    setCounterText(QString::number(m_rows->count()));
    emit statusChanged(addedText(m_rows->count()));
    //: Said by a screen reader for each name a run adds: the name, the number
    //: of names in the list, the number the run creates ("Olivia, 3 of 5")
    emit announcement(tr("%1, %2 of %3").arg(source->at(*k), QString::number(m_rows->count()), m_wantedText));
}

void Lottery::setNumberText(const QString &text)
{
    if (text == m_numberText)
        return;
    m_numberText = text;
    emit numberChanged(text);
}

void Lottery::setCounterText(const QString &text)
{
    if (text == m_counterText)
        return;
    m_counterText = text;
    emit counterChanged(text);
}

} // namespace lullara
