// A name's story from the US name data: rank, peak, trend and share worked
// out by hand from the small extract tests/data/usnames_small.txt (per sex
// 1000 births in all, 100 in the 2020s), and the data read once, when first
// asked for.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "names/namehistory.h"

using namespace lullara;

namespace {
const QString kSmall = QStringLiteral(LULLARA_TEST_DATA_DIR "/usnames_small.txt");

QString trendName(Trend t)
{
    return t == Trend::Rising ? "rising" : t == Trend::Falling ? "falling" : t == Trend::Steady ? "steady" : "none";
}

// "rank/ranked peak trend latest-share overall-share", or "-" when not given.
QString summary(const SexStory &s)
{
    if (!s.given())
        return "-";
    return QStringLiteral("%1/%2 %3s %4 %5 %6")
        .arg(s.rank).arg(s.rankedNames).arg(s.peakDecade).arg(trendName(s.trend))
        .arg(s.latestShare, 0, 'f', 3).arg(s.overallShare, 0, 'f', 3);
}

const NameHistory &small()
{
    const auto history = nameHistory(kSmall);
    if (!std::holds_alternative<const NameHistory *>(history))
        qFatal("%s", qPrintable(std::get<QString>(history)));
    return *std::get<const NameHistory *>(history);
}
} // namespace

class TestNameHistory : public QObject {
    Q_OBJECT
private slots:
    void story_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("expected"); // name: boys | girls
        // Boys in the 2020s: Liam 40, Noah 20, Zed 20, John 10, Theo 10 (ties share a rank).
        QTest::newRow("rising, first") << "Liam" << "Liam: 1/5 2020s rising 0.400 0.070 | -";
        QTest::newRow("peak tie: earliest") << "noah" << "Noah: 2/5 1880s falling 0.200 0.110 | -";
        QTest::newRow("falling, old peak") << "JOHN" << "John: 4/5 1950s falling 0.100 0.704 | -";
        QTest::newRow("new: rising, shared rank") << "Zed" << "Zed: 2/5 2020s rising 0.200 0.020 | -";
        // Births 8, 8, 10 of 80, 80, 100: more births, the same share.
        QTest::newRow("rank after a tie skips") << "Theo" << "Theo: 4/5 2020s steady 0.100 0.026 | -";
        QTest::newRow("both sexes") << " leslie " << "Leslie: 0/5 1940s none 0.000 0.070 | 3/3 1950s falling 0.060 0.116";
        // Shares 0.40, 0.40, 0.44: +0.02 a decade, under a tenth of the mean (0.041).
        QTest::newRow("steady with a small rise") << "Olivia" << "Olivia: - | 2/3 2020s steady 0.440 0.124";
        // Shares 0.40, 0.50, 0.50: +0.05 a decade, over a tenth of the mean (0.047).
        QTest::newRow("rising just") << "eMMA" << "Emma: - | 1/3 2010s rising 0.500 0.170";
        QTest::newRow("not given lately") << "Mary" << "Mary: - | 0/3 1950s none 0.000 0.590";
        QTest::newRow("absent") << "Bob" << "Bob: not in the data";
        QTest::newRow("accents count") << "Zoë" << "Zoë: not in the data";
        QTest::newRow("an accented capital") << "Émma" << "Émma: not in the data";
    }
    void story()
    {
        QFETCH(QString, asked);
        const NameStory s = small().story(asked);
        QTEST(s.name + ": " + (s.inData ? summary(s.boys) + " | " + summary(s.girls) : QString("not in the data")),
              "expected");
    }
    void birthsAndSentence()
    {
        const NameStory s = small().story("Leslie");
        const std::array<quint32, kUsDecadeCount> boys{20, 0, 0, 0, 0, 0, 50}, girls{0, 0, 0, 0, 0, 0, 0, 80, 0,
                                                                                      0, 0, 0, 20, 10, 6};
        QVERIFY(s.boys.births == boys);
        QVERIFY(s.girls.births == girls);
        QCOMPARE(notInDataText(" Bob"), "Bob is not in the US name data: since 1880 it has been given to fewer "
                                        "than 5 boys and fewer than 5 girls in every year.");
    }
    // Read when first asked for, then kept; a missing file is asked again.
    void readOnceWhenFirstNeeded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("usnames.txt");
        const auto missing = nameHistory(path);
        QVERIFY(std::holds_alternative<QString>(missing));
        QVERIFY(std::get<QString>(missing).contains("is missing"));
        QVERIFY(QFile::copy(kSmall, path));
        const auto first = nameHistory(path);
        QVERIFY(std::holds_alternative<const NameHistory *>(first));
        QVERIFY(QFile::remove(path));
        const auto again = nameHistory(dir.path() + "/./usnames.txt");
        QVERIFY(std::holds_alternative<const NameHistory *>(again));
        QCOMPARE(std::get<const NameHistory *>(again), std::get<const NameHistory *>(first));
        QCOMPARE(std::get<const NameHistory *>(again)->story("liam").boys.rank, 1);
    }
};

QTEST_GUILESS_MAIN(TestNameHistory)
#include "tst_namehistory.moc"
