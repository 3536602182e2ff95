// How stored settings text is read back, how window positions are written,
// the remembered Save As entry, and keeping a restored window on a screen.

#include "app/settingsvalues.h"
#include "generator/draw.h"
#include "output/formats.h"

#include <QSettings>
#include <QTemporaryDir>
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
    void twips();
    void saveMethod();
    void keepOnScreen_data();
    void keepOnScreen();
    void selectorNumber();
    void drawEachNameOnce();
};

void TestSettingsValues::interpretStored_data()
{
    // Stored: Top, Left, cmbNum, cmbInterval, optAll, optSel. Expected: the
    // positions in twips, then what the number, interval and letter selectors show.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<double>>("twips");
    QTest::addColumn<QStringList>("shown");
    const QStringList defaults{"5", "1", "All"};
    QTest::newRow("empty store") << QStringList{"", "", "", "", "", ""} << QList<double>{100, 100} << defaults;
    QTest::newRow("letter K") << QStringList{"1500", "3000", "27", "0", "False", "10"} << QList<double>{1500, 3000}
                              << QStringList{"100", "0.25", "K"};
    QTest::newRow("All after an earlier K") << QStringList{"", "", "", "", "True", "10"} << QList<double>{100, 100}
                                            << defaults;
    QTest::newRow("optAll missing, optSel Z") << QStringList{"", "", "0", "52", "", "25"} << QList<double>{100, 100}
                                              << QStringList{"1", "50", "Z"};
    // What the program cannot have written falls back to that key's default.
    QTest::newRow("letter past Z") << QStringList{"", "", "", "", "False", "26"} << QList<double>{100, 100} << defaults;
    QTest::newRow("not numbers") << QStringList{"abc", "nan", "five", "1.5", "False", "K"} << QList<double>{100, 100}
                                 << defaults;
    QTest::newRow("past the ends") << QStringList{"-30000", "1507.5", "28", "-1", "False", "-1"}
                                   << QList<double>{-30000, 1507.5} << defaults;
}

void TestSettingsValues::interpretStored()
{
    QFETCH(QStringList, stored);
    QFETCH(QList<double>, twips);
    QFETCH(QStringList, shown);
    const GermanLocale german; // the store is read the same whatever the user's locale
    const StoredText text{stored[0], stored[1], stored[2], stored[3], stored[4], stored[5]};
    const QStringList numbers = namesNumEntries(), intervals = lotteryIntervalEntries();
    const RestoredChoices c = lullara::interpretStored(text, int(numbers.size()), int(intervals.size()));
    QCOMPARE((QList<double>{c.topTwips, c.leftTwips}), twips);
    QCOMPARE((QStringList{numbers.value(c.numIndex, "<none>"), intervals.value(c.intervalIndex, "<none>"),
                          c.letterIndex < 0 ? QStringLiteral("All") : QString(QChar('A' + c.letterIndex))}),
             shown);
}

void TestSettingsValues::twips()
{
    const GermanLocale german; // no exponent, no grouping, whatever the locale
    const std::pair<int, const char *> written[] = {{100, "1500"}, {-7, "-105"}, {100000, "1500000"}};
    for (const auto &[pixels, text] : written)
        QCOMPARE(lullara::twipsText(pixels), QString(text));
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> read[] = {{1507, 100}, {1508, 101}, {-105, -7}, {1e300, 16777215}, {inf, 0}};
    for (const auto &[twips, pixels] : read)
        QCOMPARE(lullara::twipsToPixels(twips), pixels);
}

void TestSettingsValues::saveMethod()
{
    // The Save As entry to open on; -1: the stored text is no 16-bit number.
    const GermanLocale german;
    const std::pair<const char *, int> rows[] = {{"", 2},      {"1", 1},      {"3", 3},       {"0", 2},
                                                 {"2.5", 2},   {"-32768", 2}, {"32768", -1}, {"html", -1}};
    for (const auto &[stored, expected] : rows)
        QCOMPARE(parseSaveMethod(stored), expected);
}

void TestSettingsValues::keepOnScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{one[0], QRect(1920, 0, 1280, 1024)};
    const QList<QRect> gap{QRect(0, 0, 1000, 800), QRect(2000, 0, 1000, 800)};
    QTest::newRow("one pixel on, above and left") << one << QRect(-399, -299, 400, 300) << QPoint(-399, -299);
    QTest::newRow("just past the right edge") << one << QRect(1920, 100, 400, 300) << QPoint(1520, 100);
    QTest::newRow("larger than the screen") << one << QRect(5000, 5000, 3000, 2000) << QPoint(0, 0);
    QTest::newRow("no screens") << QList<QRect>{} << QRect(-5000, 0, 400, 300) << QPoint(-5000, 0);
    QTest::newRow("below the shorter second screen") << two << QRect(2500, 1050, 400, 300) << QPoint(2500, 724);
    QTest::newRow("in the gap, nearer the right screen") << gap << QRect(1600, 100, 200, 100) << QPoint(2000, 100);
}

void TestSettingsValues::keepOnScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, window);
    QFETCH(QPoint, expected);
    QCOMPARE(lullara::keepOnScreen(window, screens), expected);
}

void TestSettingsValues::selectorNumber()
{
    const GermanLocale german; // where "0.25" would read as twenty-five
    QCOMPARE(lullara::selectorNumber("0.25"), 0.25);
    QCOMPARE(lullara::selectorNumber("100"), 100.0);
    QCOMPARE(lullara::selectorNumber("nothing"), 0.0);
}

void TestSettingsValues::drawEachNameOnce()
{
    // What the program writes reads back the same; text it cannot have written means off.
    const QTemporaryDir dir;
    QSettings store(dir.filePath("Lullara.conf"), QSettings::IniFormat);
    const std::pair<QString, bool> rows[] = {{"", false}, {"true", false}, {"1", false}, {onOffText(false), false},
                                             {onOffText(true), true}};
    for (const auto &[text, on] : rows) {
        store.setValue(keys::Group + u'/' + keys::DrawEachNameOnce, text);
        StoredText stored;
        stored.drawEachNameOnce = store.value("Setting/DrawEachNameOnce").toString();
        QCOMPARE(lullara::interpretStored(stored, 28, 53).drawEachNameOnce, on);
    }
    store.sync();
    QFile file(store.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Setting]\nDrawEachNameOnce=True\n"));
}

QTEST_GUILESS_MAIN(TestSettingsValues)
#include "tst_settingsvalues.moc"
