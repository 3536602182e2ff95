#include "app/settingsvalues.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace lullara;

namespace {

// Restores the default locale however the test ends.
struct DefaultLocaleGuard {
    QLocale saved;
    explicit DefaultLocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

class TestSettingsValues : public QObject {
    Q_OBJECT

private slots:
    void selectorEntries();
    void interpretStored_data();
    void interpretStored();
    void storedPositionIgnoresLocale();
    void twipsText_data();
    void twipsText();
    void twipsToPixels_data();
    void twipsToPixels();
    void twipsRoundTrip();
    void saveMethod_data();
    void saveMethod();
    void keepOnScreen_data();
    void keepOnScreen();
    void selectorNumberIgnoresLocale();
    void settingsStore();
};

void TestSettingsValues::selectorEntries()
{
    const QStringList num = namesNumEntries();
    QCOMPARE(num, (QStringList{"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                               "15", "20", "25", "30", "35", "40", "45", "50", "55", "60",
                               "65", "70", "75", "80", "85", "90", "95", "100"}));
    QCOMPARE(num.size(), 28);
    QCOMPARE(num.at(RestoredChoices().numIndex), QStringLiteral("5"));

    const QStringList interval = lotteryIntervalEntries();
    QCOMPARE(interval.size(), 53);
    QCOMPARE(interval.mid(0, 5), (QStringList{"0.25", "0.50", "0.75", "1", "2"}));
    for (int i = 3; i < 53; ++i)
        QCOMPARE(interval.at(i), QString::number(i - 2));
    QCOMPARE(interval.at(RestoredChoices().intervalIndex), QStringLiteral("1"));
}

void TestSettingsValues::interpretStored_data()
{
    QTest::addColumn<QStringList>("stored"); // Top, Left, cmbNum, cmbInterval, optAll, optSel
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("letter");

    QTest::newRow("empty store") << QStringList{"", "", "", "", "", ""} << 100.0 << 100.0 << 4 << 3 << -1;
    QTest::newRow("letter K") << QStringList{"1500", "3000", "27", "0", "False", "10"} << 1500.0 << 3000.0
                              << 27 << 0 << 10;
    QTest::newRow("All after an earlier K")
        << QStringList{"1500", "3000", "27", "0", "True", "10"} << 1500.0 << 3000.0 << 27 << 0 << -1;
    QTest::newRow("optAll only exactly True means All")
        << QStringList{"", "", "", "", "true", "3"} << 100.0 << 100.0 << 4 << 3 << 3;
    QTest::newRow("optAll missing, optSel decides") << QStringList{"", "", "", "", "", "25"} << 100.0 << 100.0
                                                    << 4 << 3 << 25;
    QTest::newRow("no letter stored") << QStringList{"", "", "", "", "False", ""} << 100.0 << 100.0 << 4 << 3
                                      << -1;
    QTest::newRow("letter A") << QStringList{"", "", "", "", "False", "0"} << 100.0 << 100.0 << 4 << 3 << 0;

    // Values the program cannot have written fall back to the key's default.
    QTest::newRow("letter past Z") << QStringList{"", "", "", "", "False", "26"} << 100.0 << 100.0 << 4 << 3
                                   << -1;
    QTest::newRow("negative letter") << QStringList{"", "", "", "", "False", "-1"} << 100.0 << 100.0 << 4 << 3
                                     << -1;
    QTest::newRow("letter as text") << QStringList{"", "", "", "", "False", "K"} << 100.0 << 100.0 << 4 << 3
                                    << -1;
    QTest::newRow("fractional letter") << QStringList{"", "", "", "", "False", "2.5"} << 100.0 << 100.0 << 4
                                       << 3 << -1;
    QTest::newRow("positions not numbers") << QStringList{"abc", "12px", "", "", "", ""} << 100.0 << 100.0 << 4
                                           << 3 << -1;
    QTest::newRow("positions not finite") << QStringList{"inf", "nan", "", "", "", ""} << 100.0 << 100.0 << 4
                                          << 3 << -1;
    QTest::newRow("off-screen position kept as stored")
        << QStringList{"-30000", "1e6", "", "", "", ""} << -30000.0 << 1e6 << 4 << 3 << -1;
    QTest::newRow("fractional twips") << QStringList{"1507.5", "0", "", "", "", ""} << 1507.5 << 0.0 << 4 << 3
                                      << -1;
    QTest::newRow("last entries") << QStringList{"", "", "27", "52", "", ""} << 100.0 << 100.0 << 27 << 52 << -1;
    QTest::newRow("selector positions past the end")
        << QStringList{"", "", "28", "53", "", ""} << 100.0 << 100.0 << 4 << 3 << -1;
    QTest::newRow("negative selector positions")
        << QStringList{"", "", "-1", "-1", "", ""} << 100.0 << 100.0 << 4 << 3 << -1;
    QTest::newRow("selector positions as text")
        << QStringList{"", "", "five", "1.5", "", ""} << 100.0 << 100.0 << 4 << 3 << -1;
    QTest::newRow("selector position out of int range")
        << QStringList{"", "", "99999999999", "", "", ""} << 100.0 << 100.0 << 4 << 3 << -1;
}

void TestSettingsValues::interpretStored()
{
    QFETCH(QStringList, stored);
    QFETCH(double, top);
    QFETCH(double, left);
    QFETCH(int, num);
    QFETCH(int, interval);
    QFETCH(int, letter);

    StoredText text;
    text.top = stored.at(0);
    text.left = stored.at(1);
    text.cmbNum = stored.at(2);
    text.cmbInterval = stored.at(3);
    text.optAll = stored.at(4);
    text.optSel = stored.at(5);
    const RestoredChoices choices =
        lullara::interpretStored(text, int(namesNumEntries().size()), int(lotteryIntervalEntries().size()));
    QCOMPARE(choices.topTwips, top);
    QCOMPARE(choices.leftTwips, left);
    QCOMPARE(choices.numIndex, num);
    QCOMPARE(choices.intervalIndex, interval);
    QCOMPARE(choices.letterIndex, letter);
}

void TestSettingsValues::storedPositionIgnoresLocale()
{
    // What one run wrote, the next reads back, whatever the user's locale.
    const DefaultLocaleGuard guard{QLocale(QLocale::German, QLocale::Germany)};
    StoredText text;
    text.top = lullara::twipsText(101);
    text.left = QStringLiteral("1507.5");
    const RestoredChoices choices = lullara::interpretStored(text, 28, 53);
    QCOMPARE(choices.topTwips, 1515.0);
    QCOMPARE(choices.leftTwips, 1507.5);
}

void TestSettingsValues::twipsText_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("expected");
    QTest::newRow("100 px") << 100 << "1500";
    QTest::newRow("1 px") << 1 << "15";
    QTest::newRow("0 px") << 0 << "0";
    QTest::newRow("negative") << -7 << "-105";
    QTest::newRow("far away, no exponent") << 100000 << "1500000";
}

void TestSettingsValues::twipsText()
{
    QFETCH(int, pixels);
    QFETCH(QString, expected);
    const DefaultLocaleGuard guard{QLocale(QLocale::German, QLocale::Germany)};
    QCOMPARE(lullara::twipsText(pixels), expected);
}

void TestSettingsValues::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("default 100 twips") << 100.0 << 7;
    QTest::newRow("1500") << 1500.0 << 100;
    QTest::newRow("rounds down") << 1507.0 << 100;
    QTest::newRow("rounds up") << 1508.0 << 101;
    QTest::newRow("negative") << -105.0 << -7;
    QTest::newRow("huge") << 1e300 << 16777215;
    QTest::newRow("huge negative") << -1e300 << -16777215;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0;
}

void TestSettingsValues::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(lullara::twipsToPixels(twips), pixels);
}

void TestSettingsValues::twipsRoundTrip()
{
    for (int pixels = -5000; pixels <= 20000; pixels += 7) {
        StoredText text;
        text.top = lullara::twipsText(pixels);
        const RestoredChoices choices = lullara::interpretStored(text, 28, 53);
        QCOMPARE(lullara::twipsToPixels(choices.topTwips), pixels);
    }
}

void TestSettingsValues::saveMethod_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing") << "" << 2;
    QTest::newRow("all files") << "1" << 1;
    QTest::newRow("text") << "2" << 2;
    QTest::newRow("html") << "3" << 3;
    QTest::newRow("zero") << "0" << 2;
    QTest::newRow("four") << "4" << 2;
    QTest::newRow("negative") << "-5" << 2;
    QTest::newRow("fraction") << "2.5" << 2;
    QTest::newRow("16-bit top") << "32767" << 2;
    QTest::newRow("16-bit bottom") << "-32768" << 2;
    QTest::newRow("past 16-bit top") << "32768" << -1;
    QTest::newRow("past 16-bit bottom") << "-32769" << -1;
    QTest::newRow("huge") << "1e9" << -1;
    QTest::newRow("text") << "html" << -1;
    QTest::newRow("blank") << " " << -1;
    QTest::newRow("not finite") << "inf" << -1;
}

void TestSettingsValues::saveMethod()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QCOMPARE(parseSaveMethod(stored), expected);
}

void TestSettingsValues::keepOnScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("expected");

    const QRect main(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    const QRect above(0, -1080, 1920, 1080);
    const QList<QRect> one{main};
    const QList<QRect> two{main, right};

    QTest::newRow("inside") << one << QRect(100, 100, 400, 300) << QPoint(100, 100);
    QTest::newRow("partly off to the right") << one << QRect(1800, 100, 400, 300) << QPoint(1800, 100);
    QTest::newRow("partly off above and left") << one << QRect(-399, -299, 400, 300) << QPoint(-399, -299);
    QTest::newRow("just past the right edge") << one << QRect(1920, 100, 400, 300) << QPoint(1520, 100);
    QTest::newRow("far right") << one << QRect(3000, 100, 400, 300) << QPoint(1520, 100);
    QTest::newRow("far left and above") << one << QRect(-1000, -1000, 400, 300) << QPoint(0, 0);
    QTest::newRow("below") << one << QRect(100, 5000, 400, 300) << QPoint(100, 780);
    QTest::newRow("larger than the screen") << one << QRect(5000, 5000, 3000, 2000) << QPoint(0, 0);
    QTest::newRow("no size, on screen") << one << QRect(50, 50, 0, 0) << QPoint(50, 50);
    QTest::newRow("no size, off screen") << one << QRect(-50, -50, 0, 0) << QPoint(0, 0);
    QTest::newRow("no screens") << QList<QRect>{} << QRect(-5000, 0, 400, 300) << QPoint(-5000, 0);

    QTest::newRow("on the second screen") << two << QRect(2500, 500, 400, 300) << QPoint(2500, 500);
    QTest::newRow("across both screens") << two << QRect(1800, 100, 400, 300) << QPoint(1800, 100);
    QTest::newRow("right of the second screen") << two << QRect(3500, 200, 400, 300) << QPoint(2800, 200);
    QTest::newRow("below the shorter second screen")
        << two << QRect(2500, 1050, 400, 300) << QPoint(2500, 724);
    QTest::newRow("left of both") << two << QRect(-2000, 300, 400, 300) << QPoint(0, 300);
    QTest::newRow("screen above with negative coordinates")
        << QList<QRect>{main, above} << QRect(100, -3000, 400, 300) << QPoint(100, -1080);
    QTest::newRow("in the gap, nearer the left screen")
        << QList<QRect>{QRect(0, 0, 1000, 800), QRect(2000, 0, 1000, 800)} << QRect(1300, 100, 200, 100)
        << QPoint(800, 100);
    QTest::newRow("in the gap, nearer the right screen")
        << QList<QRect>{QRect(0, 0, 1000, 800), QRect(2000, 0, 1000, 800)} << QRect(1600, 100, 200, 100)
        << QPoint(2000, 100);
}

void TestSettingsValues::keepOnScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, window);
    QFETCH(QPoint, expected);
    QCOMPARE(lullara::keepOnScreen(window, screens), expected);
}

void TestSettingsValues::selectorNumberIgnoresLocale()
{
    // German reads "0.25" as twenty-five (the full stop groups thousands).
    const DefaultLocaleGuard guard{QLocale(QLocale::German, QLocale::Germany)};
    QCOMPARE(selectorNumber(QStringLiteral("0.25")), 0.25);
    QCOMPARE(selectorNumber(QStringLiteral("0.50")), 0.5);
    QCOMPARE(selectorNumber(QStringLiteral("0.75")), 0.75);
    QCOMPARE(selectorNumber(QStringLiteral("100")), 100.0);
    QCOMPARE(selectorNumber(QStringLiteral("nothing")), 0.0);

    const QStringList intervals = lotteryIntervalEntries();
    for (int i = 3; i < intervals.size(); ++i)
        QCOMPARE(selectorNumber(intervals.at(i)), double(i - 2));
    const QStringList numbers = namesNumEntries();
    QCOMPARE(selectorNumber(numbers.at(4)), 5.0);
    QCOMPARE(selectorNumber(numbers.last()), 100.0);
}

void TestSettingsValues::settingsStore()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lullara.ini"));

    setSettingsFileForTesting(path);
    {
        auto settings = openSettings();
        QCOMPARE(settings->fileName(), path);
        QCOMPARE(settings->format(), QSettings::IniFormat);
        settings->beginGroup(keys::Group);
        settings->setValue(keys::Top, QStringLiteral("1500"));
        settings->setValue(keys::OptAll, QStringLiteral("False"));
        settings->endGroup();
    }
    QVERIFY(QFile::exists(path));
    {
        auto settings = openSettings();
        settings->beginGroup(keys::Group);
        QCOMPARE(settings->value(keys::Top).toString(), QStringLiteral("1500"));
        QCOMPARE(settings->value(keys::OptAll).toString(), QStringLiteral("False"));
        QVERIFY(!settings->contains(keys::OptSel));
        settings->endGroup();
    }

    // Back to the user's own store (only looked at, never written here).
    setSettingsFileForTesting(QString());
    auto settings = openSettings();
    QVERIFY(settings->fileName() != path);
    QCOMPARE(settings->organizationName(), QStringLiteral("Lullara"));
    QCOMPARE(settings->applicationName(), QStringLiteral("Lullara"));
}

QTEST_GUILESS_MAIN(TestSettingsValues)
#include "tst_settingsvalues.moc"
