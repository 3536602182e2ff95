// The two name lists: the letter filter, the order of the boxes, reading
// both files again at every choice, and the failures that end the program.

#include <QDir>
#include <QFile>
#include <QTest>

#include "fixture.h"
#include "names/namefolder.h"
#include "names/namelists.h"

using namespace lullara;
using namespace lullara::test;

namespace {
QStringList names(const NameList *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->at(i);
    return out;
}
} // namespace

class TestNameLists : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void diskChangesShowAtTheNextChoice();
    void failures_data();
    void failures();
    void usersOwnFileWins();
};

void TestNameLists::filter_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("B, case-sensitive, comment") << QStringList{"Bob", "bob", "#Ben", "Bill"} << "B"
                                                << QStringList{"Bill", "Bob"};
    QTest::newRow("leading space and empty line") << QStringList{" Anna", "", "Anna"} << "A" << QStringList{"Anna"};
    QTest::newRow("All keeps empties and duplicates") << QStringList{"Zoe", "", "anna", "Zoe", "# x"} << "All"
                                                      << QStringList{"", "anna", "Zoe", "Zoe"};
    QTest::newRow("A is not All") << QStringList{"Alf", "Bea"} << "A" << QStringList{"Alf"};
    QTest::newRow("alphabetical, case-insensitive") << QStringList{"bea", "Abe", "Cy", "Ábel"} << "All"
                                                    << QStringList{"Abe", "Ábel", "bea", "Cy"};
    // The order of the collator, also where names of letters and hyphens
    // alone are ordered without it.
    QTest::newRow("hyphen before letters") << QStringList{"Anna", "Ann-Marie", "Annabel", "Ann"} << "All"
                                           << QStringList{"Ann", "Ann-Marie", "Anna", "Annabel"};
    QTest::newRow("same letters: capitals first") << QStringList{"bob", "Bob", "BOB", "bOb", "Bob"} << "All"
                                                  << QStringList{"BOB", "Bob", "Bob", "bOb", "bob"};
    QTest::newRow("longer than 12 letters")
        << QStringList{"Maximilianusb", "maximilianusA", "Maximilianus", "Maximilianusa", "Maximilianu"} << "All"
        << QStringList{"Maximilianu", "Maximilianus", "Maximilianusa", "maximilianusA", "Maximilianusb"};
    QTest::newRow("plain among accented") << QStringList{"Zoë", "zoe", "Anne-Marie", "Ånne", "Zoe", "Anne"} << "All"
                                          << QStringList{"Anne", "Ånne", "Anne-Marie", "Zoe", "zoe", "Zoë"};
}

void TestNameLists::filter()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);

    Folder folder(lines, lines);
    NameLists lists(folder.path());
    QVERIFY(!lists.chooseFilter(filter));
    QCOMPARE(names(lists.boys()), expected);
    QCOMPARE(names(lists.girls()), expected);
    QCOMPARE(lists.boys()->current(), -1);
}

void TestNameLists::diskChangesShowAtTheNextChoice()
{
    Folder folder;
    NameLists lists(folder.path());
    lists.chooseFilter(QStringLiteral("K"));
    QCOMPARE(names(lists.boys()), (QStringList{"Karl", "Kevin"}));
    writeNameFile(folder.file(QStringLiteral("guyname.txt")), {"Kai", "Ken"});
    QCOMPARE(names(lists.boys()), (QStringList{"Karl", "Kevin"}));
    lists.chooseFilter(QStringLiteral("K"));
    QCOMPARE(names(lists.boys()), (QStringList{"Kai", "Ken"}));
}

void TestNameLists::failures_data()
{
    // The kinds of failure are the name file's own; here: which file the
    // message names, and that the boys' list is read before the girls'.
    QTest::addColumn<QString>("broken");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("boysLoaded");

    QTest::newRow("boys missing") << "guyname.txt" << 53 << 0;
    QTest::newRow("girls a folder") << "girlname.txt" << 75 << 7;
}

void TestNameLists::failures()
{
    QFETCH(QString, broken);
    QFETCH(int, number);
    QFETCH(int, boysLoaded);

    Folder folder;
    QFile::remove(folder.file(broken));
    if (number == 75)
        QVERIFY(QDir().mkdir(folder.file(broken)));
    NameLists lists(folder.path());
    const auto failure = lists.chooseFilter(QStringLiteral("All"));
    QVERIFY(failure);
    QCOMPARE(failure->error.number, number);
    QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), QLatin1Char('/') + broken);
    QCOMPARE(lists.boys()->count(), boysLoaded);
}

void TestNameLists::usersOwnFileWins()
{
    Folder folder;
    const QString own = userNameFolder();
    QVERIFY(QDir().mkpath(own));
    writeNameFile(own + QStringLiteral("/girlname.txt"), {"Ada", "Una"});
    NameLists lists(folder.path());
    QVERIFY(!lists.chooseFilter(QStringLiteral("All")));
    QCOMPARE(names(lists.girls()), (QStringList{"Ada", "Una"}));
    QCOMPARE(lists.boys()->count(), 7); // the bundled boys' list
    // A user's file that cannot be read fails with its own path.
    QVERIFY(QFile::remove(own + QStringLiteral("/girlname.txt")) && QDir().mkdir(own + QStringLiteral("/girlname.txt")));
    const auto failure = lists.chooseFilter(QStringLiteral("All"));
    QDir(own).rmdir(QStringLiteral("girlname.txt"));
    QVERIFY(failure);
    QCOMPARE(failure->error.number, 75);
    QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), own + QStringLiteral("/girlname.txt"));
}

QTEST_GUILESS_MAIN(TestNameLists)
#include "tst_namelists.moc"
