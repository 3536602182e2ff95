// What the quicker start must not change: the faces the window's fonts come
// out in, and the sizes of the window icon.

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QTest>

#include "fixture.h"
#include "ui/fonts.h"

using namespace lullara;
using namespace lullara::test;

class TestStartupLooks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fontsComeOutAsTheirSubstitutes_data();
    void fontsComeOutAsTheirSubstitutes();
    void windowIconHasTheSmallSizes();
};

void TestStartupLooks::initTestCase()
{
    installFontSubstitutions();
}

void TestStartupLooks::fontsComeOutAsTheirSubstitutes_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    // Every font the main window and the splash ask for.
    QTest::newRow("MS Sans Serif 8") << QStringLiteral("MS Sans Serif") << 8.0 << false;
    QTest::newRow("MS Sans Serif 8.25 bold") << QStringLiteral("MS Sans Serif") << 8.25 << true;
    QTest::newRow("Arial 11.25 bold") << QStringLiteral("Arial") << 11.25 << true;
    QTest::newRow("Arial 8.25") << QStringLiteral("Arial") << 8.25 << false;
    QTest::newRow("Arial 6.75") << QStringLiteral("Arial") << 6.75 << false;
    QTest::newRow("Times New Roman 15.75") << QStringLiteral("Times New Roman") << 15.75 << false;
    QTest::newRow("Verdana 15.75 bold") << QStringLiteral("Verdana") << 15.75 << true;
    QTest::newRow("Verdana 8.25") << QStringLiteral("Verdana") << 8.25 << false;
    QTest::newRow("Terminal 6 bold") << QStringLiteral("Terminal") << 6.0 << true;
    QTest::newRow("Terminal 9") << QStringLiteral("Terminal") << 9.0 << false;
    QTest::newRow("a family with no stand-in") << QStringLiteral("Courier") << 10.0 << false;
}

void TestStartupLooks::fontsComeOutAsTheirSubstitutes()
{
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    // The font as the classic name alone gives it, through the substitutions.
    QFont classic(family);
    classic.setPixelSize(qRound(points * 96.0 / 72.0));
    classic.setBold(bold);
    classic.setStyleStrategy(QFont::PreferAntialias);
    const QFont font = uiFont(family, points, bold);
    const QFontInfo got(font), expected(classic);
    QCOMPARE(got.family(), expected.family());
    QCOMPARE(got.styleName(), expected.styleName());
    QCOMPARE(got.pixelSize(), expected.pixelSize());
    QCOMPARE(got.bold(), expected.bold());
    QCOMPARE(QFontMetrics(font).horizontalAdvance(QStringLiteral("Lullara 0123")),
             QFontMetrics(classic).horizontalAdvance(QStringLiteral("Lullara 0123")));
}

void TestStartupLooks::windowIconHasTheSmallSizes()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    const QList<QSize> sizes = w->windowIcon().availableSizes();
    for (int side : {16, 32, 48})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    // Each is the picture made for that size.
    for (int side : {16, 32, 48}) {
        const QImage shown = w->windowIcon().pixmap(QSize(side, side)).toImage();
        const QImage made(QStringLiteral(":/pictures/icon%1.png").arg(side));
        QCOMPARE(shown.size(), QSize(side, side));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32).pixel(side / 2, side / 2),
                 made.convertToFormat(QImage::Format_ARGB32).pixel(side / 2, side / 2));
    }
}

QTEST_MAIN(TestStartupLooks)
#include "tst_startup_looks.moc"
