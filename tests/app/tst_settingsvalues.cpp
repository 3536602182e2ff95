// How stored settings text is read back, how window positions are written,
// the remembered Save As entry, and keeping a restored window on a screen.

#include "app/settingsvalues.h"
#include "generator/draw.h"
#include "output/formats.h"

#include <QtTest>

#include <limits>

using namespace lullara;

namespace {

// The locale whose decimal separator is a comma and whose full stop groups
// thousands: values written in one locale must read back in another.
struct GermanLocale {
    QLocale saved;
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(saved); }
};

} // namespace

class TestSettingsValues : public QObject {
    Q_OBJECT

private slots:
    void interpretStored_data();
    void interpretStored();
    void twipsText_data();
    void twipsText();
    void twipsToPixels_data();
    void twipsToPixels();
    void twipsRoundTrip();
    void saveMethod_data();
    void saveMethod();
    void keepOnScreen_data();
    void keepOnScreen();
    void selectorNumber_data();
    void selectorNumber();
};

void TestSettingsValues::interpretStored_data()
{
    // Stored: Top, Left, cmbNum, cmbInterval, optAll, optSel. Expected: the
    // positions in twips and what the selectors then show.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("letter");
    auto row = [](const char *name, const QStringList &stored, double top, double left, const char *number,
                  const char *interval, const char *letter) {
        QTest::newRow(name) << stored << top << left << QString(number) << QString(interval) << QString(letter);
    };

    row("empty store", {"", "", "", "", "", ""}, 100, 100, "5", "1", "All");
    row("letter K", {"1500", "3000", "27", "0", "False", "10"}, 1500, 3000, "100", "0.25", "K");
    row("All after an earlier K", {"", "", "", "", "True", "10"}, 100, 100, "5", "1", "All");
    row("optAll only exactly True means All", {"", "", "", "", "true", "3"}, 100, 100, "5", "1", "D");
    row("optAll missing, optSel decides", {"", "", "", "", "", "25"}, 100, 100, "5", "1", "Z");
    row("letter A", {"", "", "", "", "False", "0"}, 100, 100, "5", "1", "A");
    row("first and last entries", {"", "", "0", "52", "", ""}, 100, 100, "1", "50", "All");
    row("10 then 15", {"", "", "10", "2", "", ""}, 100, 100, "15", "0.75", "All");

    // What the program cannot have written falls back to that key's default.
    row("letter past Z", {"", "", "", "", "False", "26"}, 100, 100, "5", "1", "All");
    row("negative letter", {"", "", "", "", "False", "-1"}, 100, 100, "5", "1", "All");
    row("letter as text", {"", "", "", "", "False", "K"}, 100, 100, "5", "1", "All");
    row("fractional letter", {"", "", "", "", "False", "2.5"}, 100, 100, "5", "1", "All");
    row("positions not numbers", {"abc", "12px", "", "", "", ""}, 100, 100, "5", "1", "All");
    row("positions not finite", {"inf", "nan", "", "", "", ""}, 100, 100, "5", "1", "All");
    row("off-screen position kept as stored", {"-30000", "1e6", "", "", "", ""}, -30000, 1e6, "5", "1", "All");
    row("fractional twips", {"1507.5", "0", "", "", "", ""}, 1507.5, 0, "5", "1", "All");
    row("selector positions past the end", {"", "", "28", "53", "", ""}, 100, 100, "5", "1", "All");
    row("negative selector positions", {"", "", "-1", "-1", "", ""}, 100, 100, "5", "1", "All");
    row("selector positions as text", {"", "", "five", "1.5", "", ""}, 100, 100, "5", "1", "All");
}

void TestSettingsValues::interpretStored()
{
    QFETCH(QStringList, stored);
    QFETCH(double, top);
    QFETCH(double, left);
    QFETCH(QString, number);
    QFETCH(QString, interval);
    QFETCH(QString, letter);

    const GermanLocale german; // the store is read the same whatever the user's locale
    const StoredText text{stored[0], stored[1], stored[2], stored[3], stored[4], stored[5]};
    const QStringList numbers = namesNumEntries();
    const QStringList intervals = lotteryIntervalEntries();
    const RestoredChoices choices = lullara::interpretStored(text, int(numbers.size()), int(intervals.size()));
    QCOMPARE(choices.topTwips, top);
    QCOMPARE(choices.leftTwips, left);
    QCOMPARE(numbers.value(choices.numIndex, "<none>"), number);
    QCOMPARE(intervals.value(choices.intervalIndex, "<none>"), interval);
    QCOMPARE(choices.letterIndex < 0 ? QStringLiteral("All") : QString(QChar('A' + choices.letterIndex)), letter);
}

void TestSettingsValues::twipsText_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("expected");
    const std::pair<int, const char *> rows[] = {{100, "1500"}, {1, "15"}, {0, "0"}, {-7, "-105"}, {100000, "1500000"}};
    for (const auto &[pixels, expected] : rows) // no exponent, no grouping, whatever the locale
        QTest::addRow("%d px", pixels) << pixels << QString(expected);
}

void TestSettingsValues::twipsText()
{
    QFETCH(int, pixels);
    QFETCH(QString, expected);
    const GermanLocale german;
    QCOMPARE(lullara::twipsText(pixels), expected);
}

void TestSettingsValues::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> rows[] = {{100, 7}, {1500, 100}, {1507, 100}, {1508, 101}, {-105, -7},
                                           {1e300, 16777215}, {-1e300, -16777215}, {inf, 0}, {inf - inf, 0}};
    for (const auto &[twips, pixels] : rows)
        QTest::addRow("%g twips", twips) << twips << pixels;
}

void TestSettingsValues::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(lullara::twipsToPixels(twips), pixels);
}

void TestSettingsValues::twipsRoundTrip()
{
    // What one run writes on close, the next run restores to the pixel.
    const GermanLocale german;
    for (int pixels = -5000; pixels <= 20000; pixels += 7) {
        const StoredText text{lullara::twipsText(pixels), lullara::twipsText(-pixels), {}, {}, {}, {}};
        const RestoredChoices choices = lullara::interpretStored(text, 28, 53);
        QCOMPARE(lullara::twipsToPixels(choices.topTwips), pixels);
        QCOMPARE(lullara::twipsToPixels(choices.leftTwips), -pixels);
    }
}

void TestSettingsValues::saveMethod_data()
{
    // The Save As entry to open on; -1: the stored text is no 16-bit number.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    const std::pair<const char *, int> rows[] = {
        {"", 2}, {"1", 1}, {"2", 2}, {"3", 3}, {"0", 2}, {"4", 2}, {"-5", 2}, {"2.5", 2}, {"32767", 2}, {"-32768", 2},
        {"32768", -1}, {"-32769", -1}, {"1e9", -1}, {"html", -1}, {" ", -1}, {"inf", -1}};
    for (const auto &[stored, expected] : rows)
        QTest::addRow("\"%s\"", stored) << QString(stored) << expected;
}

void TestSettingsValues::saveMethod()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    const GermanLocale german;
    QCOMPARE(parseSaveMethod(stored), expected);
}

void TestSettingsValues::keepOnScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("expected");

    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> gap{QRect(0, 0, 1000, 800), QRect(2000, 0, 1000, 800)};

    QTest::newRow("inside") << one << QRect(100, 100, 400, 300) << QPoint(100, 100);
    QTest::newRow("partly off to the right") << one << QRect(1800, 100, 400, 300) << QPoint(1800, 100);
    QTest::newRow("one pixel on, above and left") << one << QRect(-399, -299, 400, 300) << QPoint(-399, -299);
    QTest::newRow("just past the right edge") << one << QRect(1920, 100, 400, 300) << QPoint(1520, 100);
    QTest::newRow("far left and above") << one << QRect(-1000, -1000, 400, 300) << QPoint(0, 0);
    QTest::newRow("below") << one << QRect(100, 5000, 400, 300) << QPoint(100, 780);
    QTest::newRow("larger than the screen") << one << QRect(5000, 5000, 3000, 2000) << QPoint(0, 0);
    QTest::newRow("no size, on screen") << one << QRect(50, 50, 0, 0) << QPoint(50, 50);
    QTest::newRow("no size, off screen") << one << QRect(-50, -50, 0, 0) << QPoint(0, 0);
    QTest::newRow("no screens") << QList<QRect>{} << QRect(-5000, 0, 400, 300) << QPoint(-5000, 0);
    QTest::newRow("on the second screen") << two << QRect(2500, 500, 400, 300) << QPoint(2500, 500);
    QTest::newRow("right of the second screen") << two << QRect(3500, 200, 400, 300) << QPoint(2800, 200);
    QTest::newRow("below the shorter second screen") << two << QRect(2500, 1050, 400, 300) << QPoint(2500, 724);
    QTest::newRow("screen above with negative coordinates")
        << QList<QRect>{one[0], QRect(0, -1080, 1920, 1080)} << QRect(100, -3000, 400, 300) << QPoint(100, -1080);
    QTest::newRow("in the gap, nearer the left screen") << gap << QRect(1300, 100, 200, 100) << QPoint(800, 100);
    QTest::newRow("in the gap, nearer the right screen") << gap << QRect(1600, 100, 200, 100) << QPoint(2000, 100);
    QTest::newRow("coordinates at the limit")
        << one << QRect(16777215, 16777215, 400, 300) << QPoint(1520, 780);
}

void TestSettingsValues::keepOnScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, window);
    QFETCH(QPoint, expected);
    QCOMPARE(lullara::keepOnScreen(window, screens), expected);
}

void TestSettingsValues::selectorNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const std::pair<const char *, double> rows[] = {
        {"0.25", 0.25}, {"0.50", 0.5}, {"0.75", 0.75}, {"50", 50}, {"100", 100}, {"nothing", 0}};
    for (const auto &[text, expected] : rows)
        QTest::addRow("%s", text) << QString(text) << expected;
}

void TestSettingsValues::selectorNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const GermanLocale german; // where "0.25" would read as twenty-five
    QCOMPARE(lullara::selectorNumber(text), expected);
}

QTEST_GUILESS_MAIN(TestSettingsValues)
#include "tst_settingsvalues.moc"
