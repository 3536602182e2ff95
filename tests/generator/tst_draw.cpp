#include "generator/draw.h"

#include <QSet>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace lullara;

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f); // 0.99999994f

// r values spread over [0, 1): a fine even grid plus the last few hundred
// floats below 1, where single-precision rounding bites.
std::vector<float> rGrid()
{
    std::vector<float> values;
    const int steps = 1 << 16;
    for (int i = 0; i < steps; ++i)
        values.push_back(static_cast<float>(i) / static_cast<float>(steps));
    float r = kLargestBelowOne;
    for (int i = 0; i < 512; ++i) {
        values.push_back(r);
        r = std::nextafter(r, 0.0f);
    }
    return values;
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void everyPositionButTheFirst_data();
    void everyPositionButTheFirst();
    void twoAndThreeEntries();
    void formula_data();
    void formula();
    void roundingNeverReachesCount_data();
    void roundingNeverReachesCount();
    void everyListSizeNearOne();
    void fewerThanTwoEntries();
    void valuesOutsideTheRange();
    void splitMix64KnownValues();
    void seededValues();
    void uniformDraws();
};

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
    QFETCH(int, count);
    static const std::vector<float> grid = rGrid();
    std::vector<int> seen(count, 0);
    for (float r : grid) {
        const int k = drawPosition(count, r);
        if (k < 1 || k > count - 1)
            QFAIL(qPrintable(QStringLiteral("r=%1 gave %2").arg(double(r), 0, 'g', 9).arg(k)));
        ++seen[k];
    }
    // The grid is fine enough for every position of these lists to come up.
    for (int k = 1; k < count; ++k)
        if (seen[k] == 0)
            QFAIL(qPrintable(QStringLiteral("position %1 never drawn").arg(k)));

    // A larger r never gives a smaller position.
    int previous = drawPosition(count, 0.0f);
    for (int i = 1; i < (1 << 16); ++i) {
        const int k = drawPosition(count, static_cast<float>(i) / 65536.0f);
        if (k < previous)
            QFAIL(qPrintable(QStringLiteral("position fell from %1 to %2").arg(previous).arg(k)));
        previous = k;
    }
}

void TestDraw::twoAndThreeEntries()
{
    static const std::vector<float> grid = rGrid();
    QSet<int> fromTwo, fromThree;
    for (float r : grid) {
        fromTwo.insert(drawPosition(2, r));
        fromThree.insert(drawPosition(3, r));
    }
    QCOMPARE(fromTwo, QSet<int>{1});
    QCOMPARE(fromThree, (QSet<int>{1, 2}));
}

void TestDraw::formula_data()
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
}

void TestDraw::formula()
{
    QFETCH(int, count);
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(drawPosition(count, r), expected);
}

void TestDraw::roundingNeverReachesCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    // (count - 1) * 0.99999994f + 1 rounds up to count in single precision
    // for these counts; the draw stays on the last entry.
    for (int count : {2, 3, 5, 9, 17, 16777217})
        QTest::addRow("%d entries", count) << count << count - 1;
    // Here the product rounds down instead.
    QTest::newRow("32767 entries") << 32767 << 32766;
    QTest::newRow("largest int") << std::numeric_limits<int>::max() << 2147483520;
}

void TestDraw::roundingNeverReachesCount()
{
    QFETCH(int, count);
    QFETCH(int, expected);
    QCOMPARE(drawPosition(count, kLargestBelowOne), expected);
}

void TestDraw::everyListSizeNearOne()
{
    // Every list size a name box can hold, with the largest values of r.
    float r = kLargestBelowOne;
    for (int i = 0; i < 4; ++i, r = std::nextafter(r, 0.0f)) {
        for (int c = 2; c <= 32767; ++c) {
            const int k = drawPosition(c, r);
            if (k < 1 || k > c - 1)
                QFAIL(qPrintable(QStringLiteral("count %1 gave %2").arg(c).arg(k)));
        }
    }
}

void TestDraw::fewerThanTwoEntries()
{
    for (int count : {1, 0, -1, std::numeric_limits<int>::min()}) {
        for (float r : {0.0f, 0.5f, kLargestBelowOne})
            QCOMPARE(drawPosition(count, r), -1);
    }
}

void TestDraw::valuesOutsideTheRange()
{
    const float odd[] = {1.0f, 2.0f, -0.5f, -0.0f, std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
    for (int count : {2, 3, 50}) {
        for (float r : odd) {
            const int k = drawPosition(count, r);
            QVERIFY2(k >= 1 && k <= count - 1,
                     qPrintable(QStringLiteral("count %1, r=%2 gave %3").arg(count).arg(double(r)).arg(k)));
        }
    }
}

void TestDraw::splitMix64KnownValues()
{
    // The first outputs of the reference SplitMix64 generator seeded with 0:
    // each call adds the golden gamma to the state and mixes it.
    const std::uint64_t gamma = 0x9E3779B97F4A7C15ull;
    QCOMPARE(splitMix64(0), std::uint64_t(0xE220A8397B1DCDAFull));
    QCOMPARE(splitMix64(gamma), std::uint64_t(0x6E789E6AA1B965F4ull));
    QCOMPARE(splitMix64(gamma * 2), std::uint64_t(0x06C45D188009454Full));
}

void TestDraw::seededValues()
{
    const std::uint64_t sameTime = 1700000000123456789ull;

    LotteryRandom a;
    std::vector<float> fromA;
    for (int i = 0; i < 1000; ++i) {
        const float r = a.nextFromSeed(sameTime);
        QVERIFY(r >= 0.0f && r < 1.0f);
        fromA.push_back(r);
    }
    // Same clock reading, successive draws: the counter makes them differ.
    QVERIFY(fromA[0] != fromA[1]);
    QSet<float> distinct(fromA.begin(), fromA.end());
    QVERIFY2(distinct.size() >= 990, qPrintable(QString::number(distinct.size())));

    // The value depends only on the time stamp and the draw count.
    LotteryRandom b;
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(b.nextFromSeed(sameTime), fromA[i]);
    LotteryRandom c;
    QVERIFY(c.nextFromSeed(sameTime + 1) != fromA[0]);
}

void TestDraw::uniformDraws()
{
    // Ten positions (1..10 of an 11-entry list), 100,000 time-seeded draws:
    // 10,000 expected per position, standard deviation about 95, so +-10% is
    // far outside chance.
    LotteryRandom random;
    const int draws = 100000;
    std::vector<int> buckets(11, 0);
    std::vector<int> halves(3, 0);
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++buckets[drawPosition(11, r)];
        ++halves[drawPosition(3, r)];
    }
    QCOMPARE(buckets[0], 0);
    for (int k = 1; k <= 10; ++k)
        QVERIFY2(buckets[k] >= 9000 && buckets[k] <= 11000,
                 qPrintable(QStringLiteral("position %1: %2 draws").arg(k).arg(buckets[k])));
    QCOMPARE(halves[0], 0);
    QVERIFY2(halves[1] >= 45000 && halves[1] <= 55000, qPrintable(QString::number(halves[1])));
}

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_draw.moc"
