// The lottery's draw: the position formula with its single-precision edges,
// and the time-seeded random values that feed it.

#include "generator/draw.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace lullara;

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f); // 0.99999994f
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

} // namespace

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void position_data();
    void position();
    void everyPositionButTheFirst_data();
    void everyPositionButTheFirst();
    void seededValues();
    void valuesSpreadEvenly_data();
    void valuesSpreadEvenly();
};

void TestDraw::position_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");

    QTest::newRow("r 0 gives 1") << 10 << 0.0f << 1;
    QTest::newRow("3 entries, just under half") << 3 << 0.49f << 1;
    QTest::newRow("3 entries, half") << 3 << 0.5f << 2;
    QTest::newRow("11 entries, 0.05") << 11 << 0.05f << 1;
    QTest::newRow("11 entries, 0.95") << 11 << 0.95f << 10;
    QTest::newRow("101 entries, 0.25") << 101 << 0.25f << 26;
    QTest::newRow("32767 entries, 0.5") << 32767 << 0.5f << 16384;
    // (count - 1) * 0.99999994f + 1 rounds up to count in single precision
    // for these counts: the draw stays on the last entry.
    for (int count : {2, 3, 5, 9, 17, 16777217})
        QTest::addRow("%d entries, r just below 1", count) << count << kLargestBelowOne << count - 1;
    QTest::newRow("32767 entries, r just below 1") << 32767 << kLargestBelowOne << 32766;
    QTest::newRow("largest int, r just below 1") << std::numeric_limits<int>::max() << kLargestBelowOne << 2147483520;
    // No valid draw from fewer than two entries.
    for (int count : {1, 0, -1, std::numeric_limits<int>::min()})
        QTest::addRow("%d entries", count) << count << 0.5f << -1;
    QTest::newRow("one entry, r 0") << 1 << 0.0f << -1;
    // Values the generator cannot give still stay inside the list.
    QTest::newRow("r 1") << 50 << 1.0f << 49;
    QTest::newRow("r 2") << 3 << 2.0f << 2;
    QTest::newRow("r infinite") << 50 << kInf << 49;
    QTest::newRow("r negative") << 50 << -0.5f << 1;
    QTest::newRow("r minus infinity") << 50 << -kInf << 1;
    QTest::newRow("r not a number") << 50 << kNaN << 1;
}

void TestDraw::position()
{
    QFETCH(int, count);
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(drawPosition(count, r), expected);
}

void TestDraw::everyPositionButTheFirst_data()
{
    QTest::addColumn<int>("count");
    for (int count = 2; count <= 64; ++count)
        QTest::addRow("%d entries", count) << count;
    for (int count : {100, 255, 256, 257, 1000, 4097})
        QTest::addRow("%d entries", count) << count;
}

void TestDraw::everyPositionButTheFirst()
{
    // A fine even grid of r, then the last few hundred floats below 1, where
    // single-precision rounding bites: every position 1 .. count - 1 comes up,
    // none outside, and a larger r never gives a smaller position.
    QFETCH(int, count);
    std::vector<int> seen(count, 0);
    int previous = 1;
    for (int i = 0; i < (1 << 16); ++i) {
        const int k = drawPosition(count, float(i) / 65536.0f);
        if (k < previous || k > count - 1)
            QFAIL(qPrintable(QStringLiteral("r=%1/65536 gave %2 after %3").arg(i).arg(k).arg(previous)));
        ++seen[k];
        previous = k;
    }
    float r = kLargestBelowOne;
    for (int i = 0; i < 512; ++i, r = std::nextafter(r, 0.0f)) {
        const int k = drawPosition(count, r);
        if (k < 1 || k > count - 1)
            QFAIL(qPrintable(QStringLiteral("r=%1 gave %2").arg(double(r), 0, 'g', 9).arg(k)));
    }
    for (int k = 1; k < count; ++k)
        if (seen[k] == 0)
            QFAIL(qPrintable(QStringLiteral("position %1 never drawn").arg(k)));
}

void TestDraw::seededValues()
{
    // The reference SplitMix64 seeded with 0: each call adds the golden gamma.
    const std::uint64_t gamma = 0x9E3779B97F4A7C15ull;
    QCOMPARE(splitMix64(0), std::uint64_t(0xE220A8397B1DCDAFull));
    QCOMPARE(splitMix64(gamma), std::uint64_t(0x6E789E6AA1B965F4ull));
    QCOMPARE(splitMix64(gamma * 2), std::uint64_t(0x06C45D188009454Full));

    // A value depends only on the time stamp and the draw count; with the
    // clock standing still, successive draws still differ.
    const std::uint64_t sameTime = 1700000000123456789ull;
    LotteryRandom a, b;
    QSet<float> distinct;
    for (int i = 0; i < 1000; ++i) {
        const float r = a.nextFromSeed(sameTime);
        QCOMPARE(b.nextFromSeed(sameTime), r);
        distinct.insert(r);
    }
    QVERIFY2(distinct.size() >= 990, qPrintable(QString::number(distinct.size())));
}

void TestDraw::valuesSpreadEvenly_data()
{
    QTest::addColumn<qint64>("step");        // nanoseconds between clock readings; -1: the real clock
    QTest::addColumn<bool>("freshEachTime"); // a new generator per reading, as after a restart
    QTest::newRow("real clock") << qint64(-1) << false;
    QTest::newRow("clock standing still") << qint64(0) << false;
    QTest::newRow("1 ns apart, new generators") << qint64(1) << true;
    QTest::newRow("15.6 ms apart, new generators") << qint64(15600000) << true;
}

void TestDraw::valuesSpreadEvenly()
{
    // 60,000 draws from an 11-entry list: 6,000 expected per position 1..10,
    // standard deviation about 73, so +-10% is far outside chance.
    QFETCH(qint64, step);
    QFETCH(bool, freshEachTime);
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
        QVERIFY2(count[k] >= 5400 && count[k] <= 6600, qPrintable(QStringLiteral("position %1: %2").arg(k).arg(count[k])));
}

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_draw.moc"
