#include "settingsvalues.h"

#include <QLocale>
#include <QStringList>

#include <utility>

#include "output/formats.h"
#include "shell/settingsfile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lullara {

namespace {

// The largest window coordinate worth keeping: as far as Qt lets a widget
// reach. Anything beyond is off every screen anyway and keeps the integer
// arithmetic on rectangles well away from overflow.
constexpr double kMaxCoordinate = 16777215.0;

double positionOr100(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return 100.0;
    return value;
}

int indexOr(const QString &text, int count, int fallback)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text, &ok);
    if (!ok || value < 0 || value >= count)
        return fallback;
    return value;
}

// Distance between two rectangles (0 when they overlap), squared.
qint64 distanceSquared(const QRect &a, const QRect &b)
{
    const qint64 aLeft = a.left(), aTop = a.top();
    const qint64 aRight = aLeft + a.width(), aBottom = aTop + a.height();
    const qint64 bLeft = b.left(), bTop = b.top();
    const qint64 bRight = bLeft + b.width(), bBottom = bTop + b.height();
    const qint64 dx = std::max<qint64>({0, bLeft - aRight, aLeft - bRight});
    const qint64 dy = std::max<qint64>({0, bTop - aBottom, aTop - bBottom});
    return dx * dx + dy * dy;
}

} // namespace

QStringList namesNumEntries()
{
    QStringList entries;
    for (int n = 1; n <= 9; ++n)
        entries << QString::number(n);
    for (int n = 10; n <= 100; n += 5)
        entries << QString::number(n);
    return entries;
}

QStringList lotteryIntervalEntries()
{
    QStringList entries{QStringLiteral("0.25"), QStringLiteral("0.50"), QStringLiteral("0.75")};
    for (int n = 1; n <= 50; ++n)
        entries << QString::number(n);
    return entries;
}

RestoredChoices interpretStored(const StoredText &stored, int numCount, int intervalCount)
{
    RestoredChoices choices;
    choices.topTwips = positionOr100(stored.top);
    choices.leftTwips = positionOr100(stored.left);
    choices.numIndex = indexOr(stored.cmbNum, numCount, choices.numIndex);
    choices.intervalIndex = indexOr(stored.cmbInterval, intervalCount, choices.intervalIndex);
    if (stored.optAll != onOffText(true) && !stored.optSel.isEmpty())
        choices.letterIndex = indexOr(stored.optSel, 26, -1);
    // Only the text written for "on" turns it on.
    choices.drawEachNameOnce = stored.drawEachNameOnce == onOffText(true);
    choices.keepList = stored.keepList == onOffText(true);
    return choices;
}

QString onOffText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

QString twipsText(int pixels)
{
    // Single precision as the value has always been stored; plain decimal
    // digits, no exponent.
    const float twips = static_cast<float>(pixels) * static_cast<float>(kTwipsPerPixel);
    return QString::number(static_cast<double>(twips), 'f', QLocale::FloatingPointShortest);
}

int twipsToPixels(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    const double pixels = std::clamp(twips / kTwipsPerPixel, -kMaxCoordinate, kMaxCoordinate);
    return qRound(pixels);
}

QPoint keepOnScreen(const QRect &window, const QList<QRect> &screens)
{
    // A window without size still has a corner that must be somewhere.
    const QRect w(window.topLeft(), QSize(std::max(1, window.width()), std::max(1, window.height())));
    const QRect *nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        if (screen.isEmpty())
            continue;
        if (screen.intersects(w))
            return window.topLeft();
        const qint64 d = distanceSquared(w, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    if (!nearest)
        return window.topLeft();

    // Inside the nearest screen as far as it fits; a window larger than the
    // screen keeps its top-left corner on it.
    const QRect &s = *nearest;
    const qint64 maxX = qint64(s.left()) + s.width() - w.width();
    const qint64 maxY = qint64(s.top()) + s.height() - w.height();
    const qint64 x = std::max<qint64>(s.left(), std::min<qint64>(w.left(), maxX));
    const qint64 y = std::max<qint64>(s.top(), std::min<qint64>(w.top(), maxY));
    return QPoint(int(x), int(y));
}

RestoredChoices StoredSettings::restore(int numCount, int intervalCount) const
{
    const auto text = [this](const QString &key) { return m_file.value(keys::Group + QLatin1Char('/') + key).toString(); };
    StoredText stored;
    stored.top = text(keys::Top);
    stored.left = text(keys::Left);
    stored.cmbNum = text(keys::CmbNum);
    stored.cmbInterval = text(keys::CmbInterval);
    stored.optAll = text(keys::OptAll);
    stored.optSel = text(keys::OptSel);
    stored.drawEachNameOnce = text(keys::DrawEachNameOnce);
    stored.keepList = text(keys::KeepList);
    return interpretStored(stored, numCount, intervalCount);
}

std::optional<QString> StoredSettings::store(const WindowChoices &choices)
{
    m_file.beginGroup(keys::Group);
    m_file.setValue(keys::Left, twipsText(choices.position.x()));
    m_file.setValue(keys::Top, twipsText(choices.position.y()));
    m_file.setValue(keys::CmbNum, QString::number(choices.numIndex));
    m_file.setValue(keys::CmbInterval, QString::number(choices.intervalIndex));
    m_file.setValue(keys::OptAll, onOffText(choices.letterIndex < 0));
    if (choices.letterIndex >= 0)
        m_file.setValue(keys::OptSel, QString::number(choices.letterIndex));
    // An option leaves no trace in the store of a user who never turned it on.
    for (const auto &[key, on] : {std::pair{keys::DrawEachNameOnce, choices.drawEachNameOnce},
                                  std::pair{keys::KeepList, choices.keepList}}) {
        if (on || m_file.contains(key))
            m_file.setValue(key, onOffText(on));
    }
    m_file.endGroup();
    return m_file.store();
}

int StoredSettings::saveFilter() const
{
    const int filter = parseSaveMethod(m_file.value(keys::Group + QLatin1Char('/') + keys::SaveMethod).toString());
    return filter < 1 ? 2 : filter; // a stored value this program cannot have written
}

void StoredSettings::rememberSaveFilter(int filter)
{
    m_file.beginGroup(keys::Group);
    m_file.setValue(keys::SaveMethod, QString::number(filter));
    m_file.endGroup();
    m_file.store();
}

} // namespace lullara
