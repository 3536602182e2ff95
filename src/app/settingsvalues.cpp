#include "settingsvalues.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>

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
    if (stored.optAll != QLatin1String("True") && !stored.optSel.isEmpty())
        choices.letterIndex = indexOr(stored.optSel, 26, -1);
    // Only the text written for "on" turns it on.
    choices.drawEachNameOnce = stored.drawEachNameOnce == onOffText(true);
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

std::unique_ptr<QSettings> openSettings()
{
    // The platform's own store (the registry on Windows) unless the default
    // format has been changed, as the tests on Windows do for a file per test.
    return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Lullara"),
                                       QStringLiteral("Lullara"));
}

} // namespace lullara
