// The lottery's draw: the position formula at its single-precision edges,
// and the time-seeded random values that feed it (the engine's tests use a
// fixed value instead).

#include "generator/draw.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace lullara;

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void position();
    void valuesSpreadEvenly();
};

void TestDraw::position()
{
    // Entries, the random value, the position drawn.
    std::vector<std::tuple<int, float, int>> rows{
        {10, 0.0f, 1}, {101, 0.25f, 26},
        // Single precision rounds these sums up to 2; double precision would give 1.
        {3, std::nextafter(0.5f, 0.0f), 2}, {11, std::nextafter(0.1f, 0.0f), 2},
        {1, 0.5f, -1}, // no valid draw from one entry
        {50, 1.0f, 49}}; // a value the generator cannot give still stays inside the list
    // r just below 1 draws the last entry, also where (count - 1) * r + 1
    // rounds up to count in single precision (2, 3, 17, 16777217).
    for (int count : {2, 3, 17, 32767, 16777217})
        rows.emplace_back(count, std::nextafter(1.0f, 0.0f), count - 1);
    for (const auto &[count, r, expected] : rows)
        QCOMPARE(std::pair(count, drawPosition(count, r)), std::pair(count, expected));
}

void TestDraw::valuesSpreadEvenly()
{
    // 60,000 draws from an 11-entry list: 6,000 expected per position 1..10,
    // standard deviation about 73, so +-10% is far outside chance. Nanoseconds
    // between clock readings (-1: the real clock), and whether each reading
    // gets a new generator, as after a restart.
    for (const auto &[step, freshEachTime] : {std::pair<qint64, bool>{-1, false}, {0, false}, {1, true}}) {
        LotteryRandom shared;
        std::vector<int> count(11, 0);
        for (int i = 0; i < 60000; ++i) {
            LotteryRandom fresh;
            const std::uint64_t reading = 1700000000000000000ull + std::uint64_t(step) * std::uint64_t(i);
            const float r = step < 0 ? shared.next() : (freshEachTime ? fresh : shared).nextFromSeed(reading);
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++count[drawPosition(11, r)];
        }
        for (int k = 1; k <= 10; ++k)
            QVERIFY2(count[k] >= 5400 && count[k] <= 6600, qPrintable(QStringLiteral("step %1, position %2: %3")
                                                                          .arg(step).arg(k).arg(count[k])));
    }
}

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_draw.moc"
