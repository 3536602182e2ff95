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
    void position_data();
    void position();
    void valuesSpreadEvenly_data();
    void valuesSpreadEvenly();
};

void TestDraw::position_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");

    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("r 0 gives 1") << 10 << 0.0f << 1;
    QTest::newRow("101 entries, 0.25") << 101 << 0.25f << 26;
    // (count - 1) * r + 1 rounds up to count in single precision for these
    // counts: the draw stays on the last entry.
    for (int count : {2, 3, 17, 16777217})
        QTest::addRow("%d entries, r just below 1", count) << count << belowOne << count - 1;
    QTest::newRow("32767 entries, r just below 1") << 32767 << belowOne << 32766;
    // No valid draw from fewer than two entries.
    // Single precision rounds these sums up to 2; double precision would give 1.
    QTest::newRow("3 entries, just below half") << 3 << std::nextafter(0.5f, 0.0f) << 2;
    QTest::newRow("11 entries, just below 0.1") << 11 << std::nextafter(0.1f, 0.0f) << 2;
    QTest::newRow("one entry") << 1 << 0.5f << -1;
    // A value the generator cannot give still stays inside the list.
    QTest::newRow("r 1") << 50 << 1.0f << 49;
}

void TestDraw::position()
{
    QFETCH(int, count);
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(drawPosition(count, r), expected);
}

void TestDraw::valuesSpreadEvenly_data()
{
    QTest::addColumn<qint64>("step");        // nanoseconds between clock readings; -1: the real clock
    QTest::addColumn<bool>("freshEachTime"); // a new generator per reading, as after a restart
    QTest::newRow("real clock") << qint64(-1) << false;
    QTest::newRow("clock standing still") << qint64(0) << false;
    QTest::newRow("1 ns apart, new generators") << qint64(1) << true;
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
