// The two name lists: the letter filter, the order of the boxes, reading
// both files again at every choice, and the failures that end the program.

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>

#include "fixture.h"
#include "names/namefolder.h"
#include "names/namelibrary.h"

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

// The order as far as this program decides it. Names that differ only in
// case or accents are ordered by the platform's collation, which on Windows
// may put "zoe" before "Zoe": there, each run of such names counts as a set.
QStringList programsOrder(QStringList list)
{
#ifdef Q_OS_WIN
    const auto folded = [](const QString &name) {
        QString bare;
        for (const QChar c : name.normalized(QString::NormalizationForm_D))
            if (!c.isMark())
                bare += c;
        return bare.toCaseFolded();
    };
    for (qsizetype from = 0; from < list.size();) {
        qsizetype to = from + 1;
        while (to < list.size() && folded(list.at(to)) == folded(list.at(from)))
            ++to;
        std::sort(list.begin() + from, list.begin() + to);
        from = to;
    }
#endif
    return list;
}
} // namespace

class TestNameLibrary : public QObject {
    Q_OBJECT
private slots:
    void filter()
    {
        // The file's lines, the letter chosen, the names both boxes show.
        const std::tuple<QStringList, QString, QStringList> rows[] = {
            {{"Bob", "bob", "#Ben", "Bill"}, "B", {"Bill", "Bob"}}, // case-sensitive, no comment
            {{" Anna", "", "Anna"}, "A", {"Anna"}},                 // not a leading space or an empty line
            {{"Zoe", "", "anna", "Zoe", "# x"}, "All", {"", "anna", "Zoe", "Zoe"}}, // empties and duplicates kept
            {{"Alf", "Bea"}, "A", {"Alf"}},                                       // A is not All
            {{"bea", "Abe", "Cy", "Ábel"}, "All", {"Abe", "Ábel", "bea", "Cy"}}, // case-insensitive order
            // The collator's order, also where names of letters and hyphens
            // alone are ordered without it: hyphens, capitals first, long names.
            {{"Anna", "Ann-Marie", "Annabel", "Ann"}, "All", {"Ann", "Ann-Marie", "Anna", "Annabel"}},
            {{"bob", "Bob", "BOB", "bOb", "Bob"}, "All", {"BOB", "Bob", "Bob", "bOb", "bob"}},
            {{"Maximilianusb", "maximilianusA", "Maximilianus", "Maximilianusa", "Maximilianu"}, "All",
             {"Maximilianu", "Maximilianus", "Maximilianusa", "maximilianusA", "Maximilianusb"}},
            {{"Zoë", "zoe", "Anne-Marie", "Ånne", "Zoe", "Anne"}, "All",
             {"Anne", "Ånne", "Anne-Marie", "Zoe", "zoe", "Zoë"}}};
        for (const auto &[lines, filter, expected] : rows) {
            Folder folder(lines, lines);
            NameLibrary lists(folder.path(), {folder.file("user")});
            QVERIFY(!lists.chooseFilter(filter));
            QCOMPARE(programsOrder(names(lists.boys())), programsOrder(expected));
            QCOMPARE(programsOrder(names(lists.girls())), programsOrder(expected));
            QCOMPARE(lists.boys()->current(), -1);
        }
    }
    void diskChangesShowAtTheNextChoice()
    {
        Folder folder;
        NameLibrary lists(folder.path(), {folder.file("user")});
        lists.chooseFilter(QStringLiteral("K"));
        QCOMPARE(names(lists.boys()), (QStringList{"Karl", "Kevin"}));
        writeNameFile(folder.file(QStringLiteral("guyname.txt")), {"Kai", "Ken"});
        QCOMPARE(names(lists.boys()), (QStringList{"Karl", "Kevin"}));
        lists.chooseFilter(QStringLiteral("K"));
        QCOMPARE(names(lists.boys()), (QStringList{"Kai", "Ken"}));
    }
    void failures()
    {
        // The kinds of failure are the name file's own; here: which file the
        // message names, and that the boys' list is read before the girls'.
        for (const auto &[broken, number, boysLoaded] : {std::tuple<QString, int, int>{"guyname.txt", 53, 0},
                                                         {"girlname.txt", 75, 7}}) { // missing; a folder
            Folder folder;
            QFile::remove(folder.file(broken));
            if (number == 75)
                QVERIFY(QDir().mkdir(folder.file(broken)));
            NameLibrary lists(folder.path(), {folder.file("user")});
            const auto failure = lists.chooseFilter(QStringLiteral("All"));
            QVERIFY(failure);
            QCOMPARE(failure->error.number, number);
            QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), QLatin1Char('/') + broken);
            QCOMPARE(lists.boys()->count(), boysLoaded);
        }
    }
    void usersOwnFileWins()
    {
        Folder folder;
        const QString own = folder.file("user");
        QVERIFY(QDir().mkpath(own));
        const QString girls = own + QStringLiteral("/girlname.txt");
        writeNameFile(girls, {"Ada", "Una"});
        NameLibrary lists(folder.path(), {folder.file("user")});
        QVERIFY(!lists.chooseFilter(QStringLiteral("All")));
        QCOMPARE(names(lists.girls()), (QStringList{"Ada", "Una"}));
        QCOMPARE(lists.boys()->count(), 7); // the bundled boys' list
        // Of the user's folders, the first that holds a list wins; the older
        // place is read where the first has none.
        const QString older = folder.file("older");
        QVERIFY(QDir().mkpath(older));
        writeNameFile(older + "/guyname.txt", {"Old"});
        writeNameFile(older + "/girlname.txt", {"Olga"});
        NameLibrary both(folder.path(), {own, older});
        QVERIFY(!both.chooseFilter(QStringLiteral("All")));
        QCOMPARE(names(both.boys()) + names(both.girls()), (QStringList{"Old", "Ada", "Una"}));
        // A user's file that cannot be read fails with its own path.
        QVERIFY(QFile::remove(girls) && QDir().mkdir(girls));
        const auto failure = lists.chooseFilter(QStringLiteral("All"));
        QDir().rmdir(girls);
        QVERIFY(failure);
        QCOMPARE(failure->error.number, 75);
        QCOMPARE(QDir::fromNativeSeparators(failure->shownFile), girls);

        // A user folder that may not be searched hides whether a list is
        // there: reading fails, naming the file, rather than falling back.
#ifdef Q_OS_WIN
        QSKIP("no permission bits on folders here");
#endif
        QVERIFY(QFile::setPermissions(own, {}));
        const auto hidden = withoutRootRights([&] {
            const auto f = NameLibrary(folder.path(), {own}).chooseFilter(QStringLiteral("All"));
            return f ? QStringLiteral("%1 %2 %3").arg(f->error.number).arg(f->error.description, f->shownFile).toUtf8()
                     : QByteArray("read");
        });
        QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(own).removeRecursively();
        if (!hidden)
            QSKIP("permissions cannot bind this test here (no user namespace for root, or no permission bits)");
        QCOMPARE(QString::fromUtf8(*hidden), "70 Permission denied " + QDir::toNativeSeparators(own + "/guyname.txt"));
    }
    // A program ended while the "Name lists" window wrote the two lists: at
    // the next start both lists come from the same choice, and no file of
    // the writing is left behind.
    void halfWrittenListsArePutRight_data()
    {
        QTest::addColumn<QStringList>("files"); // name=first line, in the user's folder
        QTest::addColumn<QString>("shown");     // the first boy and girl loaded
        QTest::newRow("ended between the two renames")
            << QStringList{"guyname.txt=New boy", "girlname.txt=Old girl", "girlname.txt.new=New girl"}
            << "New boy|New girl";
        QTest::newRow("ended before the renames")
            << QStringList{"guyname.txt=Old boy", "girlname.txt=Old girl", "guyname.txt.new=New boy",
                           "girlname.txt.new=New girl"}
            << "Old boy|Old girl";
        QTest::newRow("ended while writing the boys")
            << QStringList{"guyname.txt=Old boy", "girlname.txt=Old girl", "guyname.txt.new.Ab12Cd=New b"}
            << "Old boy|Old girl";
        QTest::newRow("ended while writing the girls, and an earlier version's leftover")
            << QStringList{"guyname.txt=Old boy", "girlname.txt=Old girl", "guyname.txt.new=New boy",
                           "girlname.txt.new.x1Y2z3=New", "girlname.txt.Qx81Zz=New girl"}
            << "Old boy|Old girl";
    }
    void halfWrittenListsArePutRight()
    {
        QFETCH(QStringList, files);
        Folder folder;
        const QDir own(folder.file("user"));
        QVERIFY(QDir().mkpath(own.path()));
        for (const QString &file : files)
            writeNameFile(own.filePath(file.section('=', 0, 0)), {"# " + file.section('=', 0, 0), file.section('=', 1)});
        writeNameFile(own.filePath("guyname.txt.bak"), {"kept"}); // not ours to remove
        NameLibrary lists(folder.path(), {folder.file("user")});
        QVERIFY(!lists.chooseFilter(QStringLiteral("All")));
        QTEST(lists.boys()->at(0) + '|' + lists.girls()->at(0), "shown");
        QCOMPARE(own.entryList(QDir::Files | QDir::Hidden), (QStringList{"girlname.txt", "guyname.txt", "guyname.txt.bak"}));
        QVERIFY(QDir(own).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TestNameLibrary)
#include "tst_namelibrary.moc"
