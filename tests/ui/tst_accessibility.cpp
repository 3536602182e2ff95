// Every control a keyboard or a screen reader can reach says what it is, and
// every command of the window can be reached without a mouse.

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "ui/clicklabel.h"
#include "ui/namebox.h"
#include <QComboBox>

using namespace lullara;
using namespace lullara::test;

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyFocusableControlHasAName();
    void letterButtonsSayWhatTheyDo();
    void pictureButtonsSayWhatTheyDo();
    void tabReachesEveryCommand();
};

namespace {
QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}
} // namespace

void TestAccessibility::everyFocusableControlHasAName()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    const auto widgets = w->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *child : widgets) {
        if (child->focusPolicy() == Qt::NoFocus || child->isHidden() || child->window() != w)
            continue;
        if (qobject_cast<QWidget *>(child->parent()) && child->parentWidget()->focusProxy() == child)
            continue; // reached through its owner, which carries the name
        // Combo boxes report their current entry as their name; what they are
        // is their own accessible name (and their buddy label).
        QString name = qobject_cast<QComboBox *>(child) ? child->accessibleName() : accessibleName(child);
        name = name.remove(QLatin1Char('&')).trimmed();
        QVERIFY2(name.size() >= 2 && name.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                 qPrintable(child->objectName() + QStringLiteral(" (") + QString::fromLatin1(child->metaObject()->className())
                            + QStringLiteral(") has no name in words")));
        ++checked;
    }
    QVERIFY(checked >= 50);
}

void TestAccessibility::letterButtonsSayWhatTheyDo()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(accessibleName(w->optLet[0]), QStringLiteral("Names starting with A"));
    QCOMPARE(accessibleName(w->optLet[25]), QStringLiteral("Names starting with Z"));
    QCOMPARE(accessibleName(w->optLetAll), QStringLiteral("All names"));
}

void TestAccessibility::pictureButtonsSayWhatTheyDo()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    for (QWidget *b : std::initializer_list<QWidget *>{w->cmdSelectAll, w->cmdDeselectAll, w->cmdAbout, w->imgLogo}) {
        QVERIFY2(!accessibleName(b).isEmpty(), qPrintable(b->objectName()));
        QVERIFY2(!b->accessibleDescription().isEmpty(), qPrintable(b->objectName()));
    }
}

void TestAccessibility::tabReachesEveryCommand()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->lstBoys->setFocus();
    QSet<QWidget *> visited;
    for (int i = 0; i < 200; ++i) {
        visited.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Disabled buttons are skipped by Tab; enable them to check they are in the chain.
    const QList<QWidget *> commands = {w->cmdBoysAdd, w->cmdGirlsAdd, w->cmdSaveAll, w->cmdSaveSelected,
                                       w->cmdEmail, w->cmdCopyAll, w->cmdCopy, w->cmdPrint,
                                       w->cmdGeneratorClear, w->cmdSelectAll, w->cmdDeselectAll,
                                       w->cmdStart, w->cmdAbout, w->imgLogo, w->optBoys,
                                       w->cmbNamesNum, w->cmbLotteryInterval};
    for (QWidget *c : commands)
        QVERIFY2(visited.contains(c), qPrintable(c->objectName()));
    const bool letterReached = std::any_of(w->optLet.begin(), w->optLet.end(),
                                           [&](QRadioButton *b) { return visited.contains(b); })
        || visited.contains(w->optLetAll);
    QVERIFY(letterReached);
    // Within a group of option buttons Tab stops at the chosen one and the
    // arrow keys move the choice, as on every desktop.
    w->optBoys->setFocus();
    QTest::keyClick(w->optBoys, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), w->optGirls);
    QVERIFY(w->optGirls->isChecked());
    QVERIFY(!w->optBoys->isChecked());
    w->optLetAll->setFocus();
    QTest::keyClick(w->optLetAll, Qt::Key_Left);
    QVERIFY(QApplication::focusWidget() != w->optLetAll);
    // The commands that have no control of their own are in the window's menu.
    QVERIFY(w->mnuMain->actions().contains(w->mnuAbout));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
