// The name card as the user sees it: its texts for names of the small US
// extract tests/data/usnames_small.txt (worked out by hand in
// tst_namehistory), and its chart read back from the pixels.

#include <QtTest>
#include <QtWidgets>

#include "ui/namecard.h"

using namespace lullara;

namespace {
const QString kSmall = QStringLiteral(LULLARA_TEST_DATA_DIR "/usnames_small.txt");

QString text(QWidget *card, const char *name)
{
    auto *label = card->findChild<QLabel *>(name);
    return label && label->isVisibleTo(card) ? label->text() : QStringLiteral("-");
}

// The pixels of a sex's line: near its colour.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 60;
}

// The x (in logical pixels) of the highest pixel of `colour` inside `area`; -1 when there is none.
double highestX(const QImage &shot, const QRectF &area, QColor colour)
{
    const double ratio = shot.devicePixelRatio();
    const QRect pixels = QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect() & shot.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (near(shot.pixelColor(x, y), colour))
                return x / ratio;
    return -1;
}
} // namespace

class TestNameCard : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("shown"); // title, boys, girls, note ("-": not shown)
        QTest::newRow("both sexes") << " leslie " << kSmall << QStringList{
            "Leslie",
            "Boys: not given in the 2020s\nPeak decade: the 1940s\nTrend: none, no births in the last three decades\n"
            "Share: 0% of the boys born in the 2020s, 7.0% of all boys since 1880",
            "Girls: number 3 of 3 girls' names in the 2020s\nPeak decade: the 1950s\n"
            "Trend: falling over the last three decades\n"
            "Share: 6.0% of the girls born in the 2020s, 11.6% of all girls since 1880",
            "-"};
        QTest::newRow("boys only, rising") << "Liam" << kSmall << QStringList{
            "Liam",
            "Boys: number 1 of 5 boys' names in the 2020s\nPeak decade: the 2020s\n"
            "Trend: rising over the last three decades\n"
            "Share: 40.0% of the boys born in the 2020s, 7.0% of all boys since 1880",
            "-", "-"};
        QTest::newRow("girls only, steady") << "Olivia" << kSmall << QStringList{
            "Olivia", "-",
            "Girls: number 2 of 3 girls' names in the 2020s\nPeak decade: the 2020s\n"
            "Trend: steady over the last three decades\n"
            "Share: 44.0% of the girls born in the 2020s, 12.4% of all girls since 1880",
            "-"};
        QTest::newRow("not in the data") << "Zoë" << kSmall << QStringList{
            "Zoë", "-", "-",
            "Zoë is not in the US name data: since 1880 it has been given to fewer than 5 boys and fewer than 5 "
            "girls in every year."};
    }
    void texts()
    {
        QFETCH(QString, asked);
        QFETCH(QString, path);
        QFETCH(QStringList, shown);
        NameCard card;
        card.showName(asked, path);
        card.show();
        QCOMPARE((QStringList{text(&card, "lblCardName"), text(&card, "lblCardBoys"), text(&card, "lblCardGirls"),
                              text(&card, "lblCardNote")}),
                 shown);
        QCOMPARE(card.findChild<BirthsChart *>()->isVisible(), shown.last() == "-");
    }

    void unreadableDataIsSaid()
    {
        NameCard card;
        card.showName("Liam", QStringLiteral(LULLARA_TEST_DATA_DIR "/no-such-usnames.txt"));
        QVERIFY2(text(&card, "lblCardNote").contains("no-such-usnames.txt"), qPrintable(text(&card, "lblCardNote")));
        QCOMPARE(text(&card, "lblCardName") + text(&card, "lblCardBoys"), QStringLiteral("Liam-"));
    }

    // Each series' highest point stands over its peak decade (0: the 1880s);
    // a sex without births has no line and no name in the legend.
    void chart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("boysPeak"); // -1: no boys' series
        QTest::addColumn<int>("girlsPeak");
        QTest::addColumn<bool>("dark");
        QTest::newRow("Leslie") << "Leslie" << 6 << 7 << false;
        QTest::newRow("Leslie, dark") << "Leslie" << 6 << 7 << true;
        QTest::newRow("John, no girls") << "John" << 7 << -1 << false;
        QTest::newRow("Liam, newest decade") << "Liam" << 14 << -1 << true;
        QTest::newRow("Mary, no boys") << "Mary" << -1 << 7 << false;
    }
    void chart()
    {
        QFETCH(QString, name);
        QFETCH(int, boysPeak);
        QFETCH(int, girlsPeak);
        QFETCH(bool, dark);
        NameCard card;
        if (dark) {
            QPalette palette(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
            palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
            palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
            card.setPalette(palette);
        }
        card.showName(name, kSmall);
        card.show();
        auto *chart = card.findChild<BirthsChart *>();
        const QImage shot = chart->grab().toImage();
        for (const auto &[gender, peak] : {std::pair{Gender::Boys, boysPeak}, std::pair{Gender::Girls, girlsPeak}}) {
            const QColor colour = BirthsChart::seriesColour(gender, chart->palette());
            // Drawn to be read: far from the background.
            QVERIFY(std::abs(colour.lightness() - chart->palette().color(QPalette::Base).lightness()) > 70);
            if (peak < 0) {
                QCOMPARE(highestX(shot, chart->rect(), colour), -1.0);
                continue;
            }
            const double x = highestX(shot, chart->plotArea(), colour);
            QVERIFY2(std::abs(x - chart->decadeX(peak)) <= 4,
                     qPrintable(QStringLiteral("%1 at x %2, the peak decade at %3").arg(int(gender)).arg(x).arg(chart->decadeX(peak))));
        }
    }
};

QTEST_MAIN(TestNameCard)
#include "tst_namecard.moc"
