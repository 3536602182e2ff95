// The name lists as the main window sees them: the four loaders with their
// fatal failure box, the letter filter, the gender pair, the click in a name
// box, and adding names by hand.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

QStringList rowIcons(const GeneratedList *list)
{
    QStringList icons;
    for (int row = 1; row <= list->rowCount(); ++row)
        icons << list->rowIconKey(row);
    return icons;
}

int positionOf(const NameBox *box, const QString &name)
{
    return boxNames(box).indexOf(name);
}

int letterIndex(char letter) { return letter - 'A'; }

const QString kHaltText = QStringLiteral("\r\n\r\nProgram can not continue and will halt now!");

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void loadFailureIsFatal_data();
    void loadFailureIsFatal();
    void unreadableFileIsFatal();
    void fileGoneBeforeLaterLetterChoice();
    void diskChangeSeenAtNextLetterChoice();
    void letterFilter_data();
    void letterFilter();
    void letterThenAllShowsEveryNameOnce();
    void genderPairStaysExclusive();
    void nameBoxClickShowsTheName();
    void addButtons_data();
    void addButtons();
    void addWithoutSelectionTakesTheFirstEntry();
    void addFromEmptyBoxDoesNothing();
    void addTouchesNothingElse();
};

// ---- The fatal path of the loaders -------------------------------------------

void TestSelection::loadFailureIsFatal_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boysAfter");

    // With the boys' file failing the girls' file is never read; with only the
    // girls' file failing the boys' box is already filled.
    QTest::newRow("boys file missing")
        << "remove guyname" << "Error 53" << QStringLiteral("File not found\r\n/guyname.txt") + kHaltText << 0;
    QTest::newRow("girls file missing")
        << "remove girlname" << "Error 53" << QStringLiteral("File not found\r\n/girlname.txt") + kHaltText << 7;
    QTest::newRow("program folder missing")
        << "no folder" << "Error 76" << QStringLiteral("Path not found\r\n/guyname.txt") + kHaltText << 0;
    QTest::newRow("boys file is a folder")
        << "guyname folder" << "Error 75" << QStringLiteral("Path/File access error\r\n/guyname.txt") + kHaltText
        << 0;
    QTest::newRow("girls file is a folder")
        << "girlname folder" << "Error 75"
        << QStringLiteral("Path/File access error\r\n/girlname.txt") + kHaltText << 7;
}

void TestSelection::loadFailureIsFatal()
{
    QFETCH(QString, damage);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, boysAfter);

    WindowFixture fx;
    QDir dir(fx.dir());
    QString programDir = fx.dir();
    if (damage == QLatin1String("remove guyname")) {
        QVERIFY(dir.remove(QStringLiteral("guyname.txt")));
    } else if (damage == QLatin1String("remove girlname")) {
        QVERIFY(dir.remove(QStringLiteral("girlname.txt")));
    } else if (damage == QLatin1String("no folder")) {
        programDir = dir.filePath(QStringLiteral("gone"));
    } else if (damage == QLatin1String("guyname folder")) {
        QVERIFY(dir.remove(QStringLiteral("guyname.txt")));
        QVERIFY(dir.mkdir(QStringLiteral("guyname.txt")));
    } else if (damage == QLatin1String("girlname folder")) {
        QVERIFY(dir.remove(QStringLiteral("girlname.txt")));
        QVERIFY(dir.mkdir(QStringLiteral("girlname.txt")));
    }

    frmRandom w(fx.fakes.services());
    w.setProgramDir(programDir);
    QVERIFY(!w.Form_Load());

    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    const ShownMessage &box = fx.fakes.dialogs.messages.first();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(fx.fakes.halt.codes.size(), 1);
    QVERIFY(fx.fakes.halt.codes.first() != 0);

    QCOMPARE(w.lstBoys->count(), boysAfter);
    QCOMPARE(w.lstGirls->count(), 0);
    // The load ended at the failure: Start never enabled, no "Ready".
    QVERIFY(!w.cmdStart->isEnabled());
    QVERIFY(w.statusText() != QLatin1String("Ready"));

    // Closing what is left stores nothing.
    w.close();
    w.Form_Unload();
    QSettings stored(fx.settingsFile(), QSettings::IniFormat);
    QVERIFY(stored.allKeys().isEmpty());
}

void TestSelection::unreadableFileIsFatal()
{
    WindowFixture fx;
    const QString path = QDir(fx.dir()).filePath(QStringLiteral("guyname.txt"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    {
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user can read any file (running as root?)");
    }
    frmRandom w(fx.fakes.services());
    w.setProgramDir(fx.dir());
    QVERIFY(!w.Form_Load());
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    QCOMPARE(fx.fakes.dialogs.messages.first().title, QStringLiteral("Error 70"));
    QCOMPARE(fx.fakes.dialogs.messages.first().text,
             QStringLiteral("Permission denied\r\n/guyname.txt") + kHaltText);
    QCOMPARE(fx.fakes.halt.codes.size(), 1);
    QCOMPARE(w.lstGirls->count(), 0);
}

void TestSelection::fileGoneBeforeLaterLetterChoice()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QVERIFY(QFile::remove(QDir(fx.dir()).filePath(QStringLiteral("guyname.txt"))));

    w->optLet[letterIndex('K')]->click();
    QCOMPARE(fx.fakes.dialogs.messages.size(), 1);
    QCOMPARE(fx.fakes.dialogs.messages.first().title, QStringLiteral("Error 53"));
    QCOMPARE(fx.fakes.dialogs.messages.first().text,
             QStringLiteral("File not found\r\n/guyname.txt") + kHaltText);
    QCOMPARE(fx.fakes.halt.codes.size(), 1);
    // The girls' file was not read again: the girls' box still holds "All".
    QCOMPARE(w->lstGirls->count(), 6);

    fx.close();
    QSettings stored(fx.settingsFile(), QSettings::IniFormat);
    QVERIFY(stored.allKeys().isEmpty());
}

// ---- Letter filter ---------------------------------------------------------------

void TestSelection::diskChangeSeenAtNextLetterChoice()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(boxNames(w->lstBoys).size(), 7);

    writeNameFile(QDir(fx.dir()).filePath(QStringLiteral("guyname.txt")),
                  {QStringLiteral("Kurt"), QStringLiteral("Otto"), QStringLiteral("Klaus")});
    writeNameFile(QDir(fx.dir()).filePath(QStringLiteral("girlname.txt")),
                  {QStringLiteral("Kim"), QStringLiteral("Ute")});
    // Nothing is read until a letter is chosen.
    QCOMPARE(w->lstBoys->count(), 7);

    w->optLet[letterIndex('K')]->click();
    QCOMPARE(boxNames(w->lstBoys), (QStringList{QStringLiteral("Klaus"), QStringLiteral("Kurt")}));
    QCOMPARE(boxNames(w->lstGirls), QStringList{QStringLiteral("Kim")});

    w->optLetAll->click();
    QCOMPARE(boxNames(w->lstBoys),
             (QStringList{QStringLiteral("Klaus"), QStringLiteral("Kurt"), QStringLiteral("Otto")}));
    QCOMPARE(boxNames(w->lstGirls), (QStringList{QStringLiteral("Kim"), QStringLiteral("Ute")}));
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestSelection::letterFilter_data()
{
    QTest::addColumn<QStringList>("boysFile");
    QTest::addColumn<QStringList>("girlsFile");
    QTest::addColumn<int>("choice"); // letter index, -1 for "All"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("boys");
    QTest::addColumn<QStringList>("girls");

    const QStringList boysB{"Bob", "bob", "#Ben", "Bill"};
    const QStringList girlsB{"Beth", " Bea", "", "bea", "Anna"};
    QTest::newRow("B: exact first character")
        << boysB << girlsB << letterIndex('B') << "B" << QStringList{"Bill", "Bob"} << QStringList{"Beth"};
    QTest::newRow("All: comments out, empty and odd lines kept")
        << boysB << girlsB << -1 << "All" << QStringList{"Bill", "Bob", "bob"}
        << QStringList{"", " Bea", "Anna", "bea", "Beth"};
    QTest::newRow("M: only capital M in both boxes")
        << QStringList{"Mark", "mark", "Max", "Adam"} << QStringList{"Mia", "Mia", "Zoe", "#Mona"}
        << letterIndex('M') << "M" << QStringList{"Mark", "Max"} << QStringList{"Mia", "Mia"};
    QTest::newRow("Q: no name with that letter")
        << boysB << girlsB << letterIndex('Q') << "Q" << QStringList{} << QStringList{};
    QTest::newRow("Z: last button")
        << QStringList{"Zack", "Adam"} << QStringList{"Zoe", "zoe"} << letterIndex('Z') << "Z"
        << QStringList{"Zack"} << QStringList{"Zoe"};
    QTest::newRow("A: comment lines between names")
        << QStringList{"#top", "Adam", "#mid", "#mid2", "Abel", "#end"} << QStringList{"#only comments"}
        << letterIndex('A') << "A" << QStringList{"Abel", "Adam"} << QStringList{};
}

void TestSelection::letterFilter()
{
    QFETCH(QStringList, boysFile);
    QFETCH(QStringList, girlsFile);
    QFETCH(int, choice);
    QFETCH(QString, shown);
    QFETCH(QStringList, boys);
    QFETCH(QStringList, girls);

    WindowFixture fx(boysFile, girlsFile);
    frmRandom *w = fx.open();
    if (choice < 0) {
        w->optLet[0]->click();
        w->optLetAll->click();
        QVERIFY(w->optLetAll->isChecked());
    } else {
        w->optLet[static_cast<size_t>(choice)]->click();
        QVERIFY(w->optLet[static_cast<size_t>(choice)]->isChecked());
        QVERIFY(!w->optLetAll->isChecked());
    }
    QCOMPARE(w->txtLet->text(), shown);

    // The box order is the box's own (alphabetical); compare as sets of
    // entries with their multiplicity, then check the box text.
    QStringList gotBoys = boxNames(w->lstBoys), gotGirls = boxNames(w->lstGirls);
    QStringList wantBoys = boys, wantGirls = girls;
    gotBoys.sort();
    gotGirls.sort();
    wantBoys.sort();
    wantGirls.sort();
    QCOMPARE(gotBoys, wantBoys);
    QCOMPARE(gotGirls, wantGirls);
    QCOMPARE(w->lstBoys->text(), w->lstBoys->count() ? w->lstBoys->itemText(0) : QString());
    QCOMPARE(w->lstGirls->text(), w->lstGirls->count() ? w->lstGirls->itemText(0) : QString());
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
    QVERIFY(fx.fakes.halt.codes.isEmpty());
}

void TestSelection::letterThenAllShowsEveryNameOnce()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->optLet[letterIndex('M')]->click();
    QCOMPARE(w->txtLet->text(), QStringLiteral("M"));
    QCOMPARE(boxNames(w->lstBoys), QStringList{QStringLiteral("Mark")});
    QCOMPARE(boxNames(w->lstGirls), QStringList{QStringLiteral("Mia")});
    QCOMPARE(w->lstBoys->text(), QStringLiteral("Mark"));

    // Choosing a letter twice replaces, never adds.
    w->optLet[letterIndex('M')]->click();
    QCOMPARE(w->lstBoys->count(), 1);

    w->optLetAll->click();
    QCOMPARE(w->txtLet->text(), QStringLiteral("All"));
    QStringList boys = boxNames(w->lstBoys);
    QCOMPARE(boys.size(), 7);
    boys.removeDuplicates();
    QCOMPARE(boys.size(), 7);
    QCOMPARE(w->lstGirls->count(), 6);
    QCOMPARE(w->lstBoys->text(), QStringLiteral("Adam"));
    QCOMPARE(w->lstGirls->text(), QStringLiteral("Anna"));
}

// ---- Gender pair and name boxes ------------------------------------------------------

void TestSelection::genderPairStaysExclusive()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());

    w->optGirls->click();
    QVERIFY(w->optGirls->isChecked());
    QVERIFY(!w->optBoys->isChecked());

    // Clicking the chosen button again changes nothing.
    w->optGirls->click();
    QVERIFY(w->optGirls->isChecked());
    QVERIFY(!w->optBoys->isChecked());

    w->optBoys->click();
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());

    // The letter filter is a separate group: choosing a letter leaves the gender alone.
    w->optLet[letterIndex('K')]->click();
    QVERIFY(w->optBoys->isChecked());
    QVERIFY(!w->optGirls->isChecked());
}

void TestSelection::nameBoxClickShowsTheName()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->lstBoys->setCurrentIndex(positionOf(w->lstBoys, QStringLiteral("Kevin")));
    QCOMPARE(w->lblSname->text(), QStringLiteral("Kevin"));
    w->lstGirls->setCurrentIndex(positionOf(w->lstGirls, QStringLiteral("Zoe")));
    QCOMPARE(w->lblSname->text(), QStringLiteral("Zoe"));
    // Showing a name is all a click does.
    QCOMPARE(w->lstGenerator->rowCount(), 0);
    QCOMPARE(w->statusText(), QStringLiteral("Ready"));
}

// ---- Adding by hand ----------------------------------------------------------------------

void TestSelection::addButtons_data()
{
    // Each step: "b:<name>" clicks the boys' add button with <name> selected,
    // "g:<name>" the girls' one. Expected: the rows afterwards as "name/icon".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("boy then girl")
        << QStringList{"b:Alex", "g:Zoe"} << QStringList{"Alex/men", "Zoe/women"};
    QTest::newRow("same boy twice")
        << QStringList{"b:Alex", "b:Alex"} << QStringList{"Alex/men"};
    QTest::newRow("girl's name already a boy's row")
        << QStringList{"b:Robin", "g:Robin"} << QStringList{"Robin/men"};
    QTest::newRow("boy's name already a girl's row")
        << QStringList{"g:Robin", "b:Robin"} << QStringList{"Robin/women"};
    QTest::newRow("other capitals are another name")
        << QStringList{"b:Robin", "b:robin", "g:ROBIN"} << QStringList{"Robin/men", "robin/men", "ROBIN/women"};
    QTest::newRow("a space makes another name")
        << QStringList{"b:Robin", "g: Robin"} << QStringList{"Robin/men", " Robin/women"};
    QTest::newRow("duplicate of an earlier row, not the last")
        << QStringList{"b:Alex", "g:Zoe", "b:Alex"} << QStringList{"Alex/men", "Zoe/women"};
}

void TestSelection::addButtons()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);

    WindowFixture fx({"Alex", "Robin", "robin"}, {"Robin", "ROBIN", " Robin", "Zoe"});
    frmRandom *w = fx.open();
    // The gender chosen for runs does not matter to the add buttons.
    w->optGirls->click();

    for (const QString &step : steps) {
        const bool boy = step.startsWith(QLatin1String("b:"));
        NameBox *box = boy ? w->lstBoys : w->lstGirls;
        const int pos = positionOf(box, step.mid(2));
        QVERIFY2(pos >= 0, qPrintable(step));
        box->setCurrentIndex(pos);
        const int before = w->lstGenerator->rowCount();
        if (boy)
            w->cmdBoysAdd->click();
        else
            w->cmdGirlsAdd->click();
        if (w->lstGenerator->rowCount() > before) {
            // The new row is last and carries the selection mark, unticked.
            const int last = w->lstGenerator->rowCount();
            QVERIFY(w->lstGenerator->isMarked(last));
            QVERIFY(!w->lstGenerator->isTicked(last));
        }
    }

    QStringList got;
    for (int row = 1; row <= w->lstGenerator->rowCount(); ++row)
        got << w->lstGenerator->rowText(row) + QLatin1Char('/') + w->lstGenerator->rowIconKey(row);
    QCOMPARE(got, rows);
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestSelection::addWithoutSelectionTakesTheFirstEntry()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    QCOMPARE(w->lstBoys->currentIndex(), -1);
    QCOMPARE(w->lstGirls->currentIndex(), -1);

    w->cmdBoysAdd->click();
    QCOMPARE(w->lstBoys->currentIndex(), 0);
    QCOMPARE(w->lblSname->text(), QStringLiteral("Adam"));
    QCOMPARE(w->lstGenerator->allTexts(), QStringList{QStringLiteral("Adam")});

    w->cmdGirlsAdd->click();
    QCOMPARE(w->lstGirls->currentIndex(), 0);
    QCOMPARE(w->lblSname->text(), QStringLiteral("Anna"));
    QCOMPARE(w->lstGenerator->allTexts(), (QStringList{QStringLiteral("Adam"), QStringLiteral("Anna")}));
    QCOMPARE(rowIcons(w->lstGenerator), (QStringList{QStringLiteral("men"), QStringLiteral("women")}));
    QVERIFY(w->lstGenerator->isMarked(2));

    // A reload forgets the selection: the next add starts again at position 0.
    w->lstBoys->setCurrentIndex(3);
    w->optLet[letterIndex('K')]->click();
    w->cmdBoysAdd->click();
    QCOMPARE(w->lstBoys->currentIndex(), 0);
    QCOMPARE(w->lstGenerator->rowText(3), QStringLiteral("Karl"));
}

void TestSelection::addFromEmptyBoxDoesNothing()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->cmdGirlsAdd->click();
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    const QString shownBefore = w->lblSname->text();

    w->optLet[letterIndex('Q')]->click();
    QCOMPARE(w->lstBoys->count(), 0);
    QCOMPARE(w->lstGirls->count(), 0);
    w->cmdBoysAdd->click();
    w->cmdGirlsAdd->click();
    QCOMPARE(w->lstGenerator->rowCount(), 1);
    QCOMPARE(w->lblSname->text(), shownBefore);
    QVERIFY(fx.fakes.dialogs.messages.isEmpty());
}

void TestSelection::addTouchesNothingElse()
{
    WindowFixture fx;
    frmRandom *w = fx.open();
    w->lblIDNumber->setText(QStringLiteral("4"));
    w->setStatusText(QStringLiteral("Finished. 4 names added successfully."));
    const float value = w->progressValue();
    const float maximum = w->progressMaximum();

    w->cmdBoysAdd->click();
    w->cmdGirlsAdd->click();
    QCOMPARE(w->lstGenerator->rowCount(), 2);
    QCOMPARE(w->lblIDNumber->text(), QStringLiteral("4"));
    QCOMPARE(w->statusText(), QStringLiteral("Finished. 4 names added successfully."));
    QCOMPARE(w->progressValue(), value);
    QCOMPARE(w->progressMaximum(), maximum);
    QVERIFY(w->pgbGenerator->isHidden());
    QVERIFY(!w->TimerNumber.isActive());
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
