// The drawn number and name stand centred between the two frames, whole,
// whatever their length.

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "fixture.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// The label's text is drawn whole and centred on x = 316.
void checkCentredAndWhole(const QLabel *label)
{
    const QRect g = label->geometry();
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    QVERIFY2(g.width() >= textWidth, qPrintable(label->text()));
    // Centred: as much room on either side of x = 316 (to the pixel).
    QVERIFY2(std::abs((g.left() + g.right() + 1) - 2 * 316) <= 1,
             qPrintable(QStringLiteral("%1 at %2..%3").arg(label->text()).arg(g.left()).arg(g.right())));
    QVERIFY(label->alignment() & Qt::AlignHCenter);
}

} // namespace

class TestDrawnLabels : public QObject {
    Q_OBJECT
private slots:
    void labelsStayCentredAndWhole_data();
    void labelsStayCentredAndWhole();
    void shortTextsStayBetweenTheFrames();
};

void TestDrawnLabels::labelsStayCentredAndWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("short") << QStringLiteral("Al");
    QTest::newRow("usual") << QStringLiteral("Kevin");
    QTest::newRow("long") << QStringLiteral("Maximilian-Alexander-Konstantin");
    QTest::newRow("accented") << QStringLiteral("\u00c9lod\u00efe-\u00c5sa");
}

void TestDrawnLabels::labelsStayCentredAndWhole()
{
    QFETCH(QString, name);
    WindowFixture fx({QStringLiteral("# boys"), QStringLiteral("Adam"), name, QStringLiteral("Zack")});
    frmRandom *w = fx.open();
    // As the window opens.
    checkCentredAndWhole(w->lblNumber);
    checkCentredAndWhole(w->lblSname);
    QCOMPARE(w->lblSname->text(), QStringLiteral("......"));

    // A click in the name box shows the name; a long one first, then a
    // short one again, so the label grows and shrinks.
    const int position = boxNames(w->lstBoys).indexOf(name);
    QVERIFY(position >= 0);
    w->lstBoys->setCurrentIndex(position);
    QCOMPARE(w->lblSname->text(), name);
    checkCentredAndWhole(w->lblSname);
    w->lstBoys->setCurrentIndex(0);
    QCOMPARE(w->lblSname->text(), QStringLiteral("Adam"));
    checkCentredAndWhole(w->lblSname);
    w->lstBoys->setCurrentIndex(position);
    checkCentredAndWhole(w->lblSname);

    // The number tick writes both labels.
    w->setRandomSource([] { return 0.0f; });
    w->TimerNumber_Timer();
    QCOMPARE(w->lblNumber->text(), QStringLiteral("1"));
    QCOMPARE(w->lblSname->text(), w->lstBoys->itemText(1));
    checkCentredAndWhole(w->lblNumber);
    checkCentredAndWhole(w->lblSname);
}

void TestDrawnLabels::shortTextsStayBetweenTheFrames()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->lstBoys->setCurrentIndex(1);
    for (const QLabel *label : {w->lblNumber, w->lblSname}) {
        QVERIFY(label->geometry().left() > w->Frame2->geometry().right());
        QVERIFY(label->geometry().right() < w->Frame3->geometry().left());
        // One text line high, as the label would size itself.
        QCOMPARE(label->height(), label->sizeHint().height());
    }
}

QTEST_MAIN(TestDrawnLabels)
#include "tst_drawnlabels.moc"
