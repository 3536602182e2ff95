// The two name lists: the letter filter, the order of the boxes, reading
// both files again at every choice, and the failures that end the program.

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

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
    void chooseAnnouncesEveryChoice();
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
    QTest::newRow("no match") << QStringList{"Alf"} << "Q" << QStringList{};
    QTest::newRow("alphabetical, case-insensitive") << QStringList{"bea", "Abe", "Cy", "Ábel"} << "All"
                                                    << QStringList{"Abe", "Ábel", "bea", "Cy"};
}

void TestNameLists::filter()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);

    Folder folder(lines, lines);
    NameLists lists(folder.path());
    QVERIFY(!lists.chooseFilter(filter));
    QCOMPARE(lists.letterFilter(), filter);
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
    QTest::addColumn<QString>("broken"); // which file
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("boysLoaded");

    QTest::newRow("boys missing") << "guyname.txt" << "missing" << 53 << "/guyname.txt" << 0;
    QTest::newRow("girls missing") << "girlname.txt" << "missing" << 53 << "/girlname.txt" << 7;
    QTest::newRow("boys a folder") << "guyname.txt" << "folder" << 75 << "/guyname.txt" << 0;
    QTest::newRow("girls unreadable") << "girlname.txt" << "unreadable" << 70 << "/girlname.txt" << 7;
    QTest::newRow("boys a pipe that never ends") << "guyname.txt" << "fifo" << 75 << "/guyname.txt" << 0;
    QTest::newRow("boys a link to a device") << "guyname.txt" << "device" << 75 << "/guyname.txt" << 0;
    QTest::newRow("girls over 64 MiB") << "girlname.txt" << "huge" << 7 << "/girlname.txt" << 7;
}

void TestNameLists::failures()
{
    QFETCH(QString, broken);
    QFETCH(QString, how);
    QFETCH(int, number);
    QFETCH(QString, shown);
    QFETCH(int, boysLoaded);

    Folder folder;
    const QString path = folder.file(broken);
    QFile::remove(path);
    if (how == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (how == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (how == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (how == QLatin1String("huge")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(kMaxNameFileBytes + 1)); // sparse
    } else if (how == QLatin1String("unreadable")) {
        writeNameFile(path, {"Anna"});
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
    }
    NameLists lists(folder.path());
    const auto failure = lists.chooseFilter(QStringLiteral("All"));
    QVERIFY(failure);
    QCOMPARE(failure->error.number, number);
    QVERIFY(!failure->error.description.isEmpty());
    QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), shown);
    QCOMPARE(lists.boys()->count(), boysLoaded);
}

void TestNameLists::chooseAnnouncesEveryChoice()
{
    Folder folder;
    NameLists lists(folder.path());
    lists.chooseFilter(QStringLiteral("All"));
    QList<int> chosen;
    connect(lists.boys(), &NameList::chosen, this, [&](int p) { chosen << p; });
    lists.boys()->choose(3);
    lists.boys()->choose(3); // again: a click on the same entry acts again
    lists.boys()->choose(99);
    QCOMPARE(chosen, (QList<int>{3, 3, -1}));
    QCOMPARE(lists.boys()->at(3), QStringLiteral("Karl"));
    QCOMPARE(lists.boys()->at(99), QString());
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
    QFile::remove(own + QStringLiteral("/girlname.txt"));
    QVERIFY(QDir().mkdir(own + QStringLiteral("/girlname.txt")));
    const auto failure = lists.chooseFilter(QStringLiteral("All"));
    QDir(own).rmdir(QStringLiteral("girlname.txt"));
    QVERIFY(failure);
    QCOMPARE(failure->error.number, 75);
    QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), own + QStringLiteral("/girlname.txt"));
}

QTEST_GUILESS_MAIN(TestNameLists)
#include "tst_namelists.moc"
