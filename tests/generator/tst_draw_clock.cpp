// The draw's values spread evenly over [0, 1) however the clock readings that
// seed them follow one another: a fine clock, a coarse one, one that stands
// still, and a new generator for every reading (as after a restart).

#include "generator/draw.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace lullara;

class TestDrawClock : public QObject {
    Q_OBJECT
private slots:
    void valuesSpreadEvenly_data();
    void valuesSpreadEvenly();
    void successiveValuesAreUnrelated();
};

void TestDrawClock::valuesSpreadEvenly_data()
{
    QTest::addColumn<quint64>("step");      // nanoseconds between readings
    QTest::addColumn<bool>("freshEachTime"); // a new generator per reading
    QTest::newRow("1 ns apart") << quint64(1) << false;
    QTest::newRow("1 us apart") << quint64(1000) << false;
    QTest::newRow("100 ms apart") << quint64(100000000) << false;
    QTest::newRow("clock standing still") << quint64(0) << false;
    QTest::newRow("1 ns apart, new generators") << quint64(1) << true;
    QTest::newRow("15.6 ms apart, new generators") << quint64(15600000) << true;
}

void TestDrawClock::valuesSpreadEvenly()
{
    QFETCH(quint64, step);
    QFETCH(bool, freshEachTime);
    // 64 buckets, 64,000 values: 1,000 expected per bucket, standard
    // deviation about 31; 850..1150 is far outside chance.
    const int buckets = 64;
    const int draws = 64000;
    std::vector<int> count(buckets, 0);
    LotteryRandom shared;
    std::uint64_t time = 1700000000000000000ull;
    for (int i = 0; i < draws; ++i) {
        LotteryRandom fresh;
        const std::uint64_t reading = time + step * std::uint64_t(i);
        const float r = freshEachTime ? fresh.nextFromSeed(reading) : shared.nextFromSeed(reading);
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++count[static_cast<size_t>(r * buckets)];
    }
    for (int b = 0; b < buckets; ++b)
        QVERIFY2(count[b] >= 850 && count[b] <= 1150,
                 qPrintable(QStringLiteral("bucket %1: %2 values").arg(b).arg(count[b])));
}

void TestDrawClock::successiveValuesAreUnrelated()
{
    // Pairs of successive values of one generator, read by a fine clock,
    // fall evenly into the cells of an 8 x 8 grid.
    LotteryRandom random;
    std::vector<int> cells(64, 0);
    std::uint64_t time = 1700000000000000000ull;
    float previous = random.nextFromSeed(time);
    for (int i = 1; i <= 64000; ++i) {
        const float r = random.nextFromSeed(time + std::uint64_t(i) * 100);
        ++cells[static_cast<size_t>(int(previous * 8) * 8 + int(r * 8))];
        previous = r;
    }
    for (int c = 0; c < 64; ++c)
        QVERIFY2(cells[c] >= 850 && cells[c] <= 1150, qPrintable(QStringLiteral("cell %1: %2").arg(c).arg(cells[c])));
}

QTEST_APPLESS_MAIN(TestDrawClock)
#include "tst_draw_clock.moc"
