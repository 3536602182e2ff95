// The "Name lists" window against hostile data and a hostile disk: what it
// shows of a damaged usnames.txt, that paths and names stay plain text, that
// the user's own lists are never lost by one Return or by a full disk.

#include <QtTest>
#include <QtWidgets>

#include "fixture.h"
#include "names/namefile.h"
#include "names/namefolder.h"
#include "names/usnames.h"
#include "ui/namelistsdialog.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// A tooltip as QToolTip shows it: as markup when it looks like markup.
QString shownToolTip(const QString &tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

const QByteArray kBirths = "\t,,,,,,,,,,,,,5,\n";

// A program folder (named `folderName` inside a temporary one) with the
// bundled lists and the given usnames.txt, a window on it, and the user's
// folder empty.
struct Window {
    explicit Window(const QByteArray &data, const QString &folderName = QStringLiteral("program"))
        : programDir(folder.file(folderName))
    {
        for (const QString &own : userNameFolders())
            QDir(own).removeRecursively();
        QDir().mkpath(programDir);
        if (!data.isNull()) {
            QFile file(nameFilePath(programDir, kUsNamesFile));
            if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
                qFatal("cannot write usnames.txt");
        }
        dialog = std::make_unique<NameListsDialog>(folder.fakes.services(), programDir, [this] { ++reloads; });
        dialog->show();
    }
    QString label(const char *name) const { return child<QLabel>(dialog.get(), name)->text(); }
    // A click on the option's round button: the Windows style takes clicks
    // on its text and button only, not on the rest of its row.
    void chooseUsNames() const { choose("optUsNames"); }
    void choose(const char *option) const
    {
        QWidget *button = child(dialog.get(), option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void use(const char *option = "optUsNames") const
    {
        choose(option);
        QTest::mouseClick(child(dialog.get(), "cmdUseLists"), Qt::LeftButton);
    }
    QStringList boxes() const
    {
        QStringList shown;
        for (const ShownMessage &m : folder.fakes.dialogs.messages)
            shown << m.text;
        return shown;
    }
    Folder folder;
    QString programDir;
    std::unique_ptr<NameListsDialog> dialog;
    int reloads = 0;
};

} // namespace

class TestNameListsDialog : public QObject {
    Q_OBJECT
private slots:
    // The window opens on the latest decades and the 100 most popular names, previews eight names
    // (an ellipsis only when there are more), and shows the bundled lists chosen once they are back.
    void choicesPreviewsAndBundledListsAgain()
    {
        QByteArray data;
        for (int i = 0; i < 9; ++i)
            data += QByteArray(i < 8 ? "M\tBoy" : "") + (i < 8 ? QByteArray(1, char('a' + i)) + kBirths : QByteArray())
                + "F\tGirl" + QByteArray(1, char('a' + i)) + kBirths;
        Window w(data);
        auto *from = child<QComboBox>(w.dialog.get(), "cmbFromDecade");
        auto *to = child<QComboBox>(w.dialog.get(), "cmbToDecade");
        QCOMPARE(QStringList({from->currentText(), to->currentText(), to->itemText(to->count() - 1),
                              child<QComboBox>(w.dialog.get(), "cmbTopNames")->currentText()}),
                 QStringList({"2010s", "2020s", "2020s", "100"}));
        w.chooseUsNames();
        QCOMPARE(w.label("lblBoysPreview"), QStringLiteral("Boya, Boyb, Boyc, Boyd, Boye, Boyf, Boyg, Boyh"));
        QCOMPARE(w.label("lblGirlsPreview"), QStringLiteral("Girla, Girlb, Girlc, Girld, Girle, Girlf, Girlg, Girlh, \u2026"));
        w.use();
        QVERIFY(!w.dialog->isVisible()); // done: the window goes
        w.dialog->show();
        w.use("optBundledNames");
        QVERIFY(!QFile::exists(nameFilePath(userNameFolder(), kBoysFile)));
        QCOMPARE(w.reloads, 2);
    }

    void pathsStayPlainText()
    {
        // No data beside a program whose folder is named like markup.
        Window w(QByteArray(), QStringLiteral("<h1>HUGE"));
        const QString tip = shownToolTip(child(w.dialog.get(), "optUsNames")->toolTip());
        QVERIFY2(tip.contains(QDir::toNativeSeparators(nameFilePath(w.programDir, kUsNamesFile))), qPrintable(tip));
    }

    void damagedDataIsLeftOutAndSaid()
    {
        const QByteArray longName(64, 'W');
        Window w("M\tJo\rhn" + kBirths + "M\t#Jo" + kBirths + "M\t" + QByteArray(65536, 'x') + kBirths + "M\t"
                 + longName + kBirths + "M\tBob" + kBirths + "F\tAnna" + kBirths);
        QCOMPARE(w.label("lblSkippedLines"), "3 lines of " + QDir::toNativeSeparators(nameFilePath(w.programDir, kUsNamesFile))
                                                 + " are not a name with its births and were left out.");
        QVERIFY(child(w.dialog.get(), "lblSkippedLines")->isVisible());
        w.chooseUsNames();
        QCOMPARE(w.label("lblBoysCount"), QStringLiteral("Boys: 2 of 2 names"));
        // The long name shows its beginning; the window keeps to the screen.
        const QString preview = w.label("lblBoysPreview");
        QVERIFY2(preview.startsWith("Bob, WWW") && preview.endsWith(QChar(0x2026)) && preview.size() < 40,
                 qPrintable(preview));
        QVERIFY2(w.dialog->width() < 700, qPrintable(QString::number(w.dialog->width())));
        w.use();
        QCOMPARE(parseNameFile(readAll(nameFilePath(userNameFolder(), kBoysFile))), (QStringList{"Bob", QString(longName)}));
    }

    void emptyListIsNeverWritten()
    {
        // A data file cut off before its boys.
        Window w("F\tAnna" + kBirths + "F\tEve" + kBirths + "M\tBo");
        w.chooseUsNames();
        QCOMPARE(w.label("lblBoysCount") + '|' + w.label("lblSkippedLines"),
                 "Boys: 0 of 0 names|1 line of " + QDir::toNativeSeparators(nameFilePath(w.programDir, kUsNamesFile))
                     + " is not a name with its births and was left out.");
        w.use();
        QCOMPARE(w.boxes(), QStringList{"The US name data holds no boys' name born in these decades.\r\n"
                                        "No list was written; the lists in use stay as they are."});
        QVERIFY(!QFile::exists(nameFilePath(userNameFolder(), kBoysFile)));
        QCOMPARE(w.reloads, 0);
    }

    // The user's own list, in either of the user's folders, is replaced or
    // removed only on a Yes that Return does not give. The lists are written
    // in the first folder; the older place keeps none beside them.
    void ownListsAskWithNoAsDefault()
    {
        const std::tuple<const char *, int, MsgAnswer> rows[] = {
            {"optUsNames", 0, MsgAnswer::No}, {"optBundledNames", 0, MsgAnswer::No},
            {"optUsNames", 1, MsgAnswer::No}, {"optUsNames", 1, MsgAnswer::Yes}};
        for (const auto &[option, place, answer] : rows) {
            Window w("M\tBob" + kBirths + "F\tAnna" + kBirths);
            const QStringList folders = userNameFolders();
            QCOMPARE(folders.size(), 2);
            const QString mine = nameFilePath(folders[place], kBoysFile);
            QVERIFY(QDir().mkpath(folders[place]));
            writeNameFile(mine, {"Mine"});
            w.folder.fakes.dialogs.answers.enqueue(answer);
            w.use(option);
            const auto &messages = w.folder.fakes.dialogs.messages;
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages.first().text.section("\r\n", 0, 1),
                     "Your own name list will be " + QString(option == QString("optUsNames") ? "replaced" : "removed")
                         + ":\r\n" + QDir::toNativeSeparators(mine));
            QVERIFY2(messages.first().buttons == MsgButtons::YesNoDefaultNo, option);
            QCOMPARE(w.dialog->isVisible(), answer == MsgAnswer::No); // a No leaves the window open
            const QByteArray written = readAll(nameFilePath(folders[0], kBoysFile));
            if (answer == MsgAnswer::No) {
                QCOMPARE(readAll(mine), QByteArray("Mine\r\n"));
            } else {
                QVERIFY2(written.contains("Bob"), written.constData());
                QCOMPARE(readAll(mine), QByteArray("<missing>"));
            }
        }
    }

    // A full disk (a file size limit, which binds root too): the user's own
    // list is kept, the box gives the system's reason, the boxes are not
    // loaded again.
    void listsInUse_data();
    void listsInUse();

    void fullDiskKeepsTheOwnList()
    {
        NEEDS_FILE_SIZE_LIMIT();
        Window w("M\tBob" + kBirths + "F\tAnna" + kBirths);
        QVERIFY(QDir().mkpath(userNameFolder()));
        const QString boys = nameFilePath(userNameFolder(), kBoysFile);
        writeNameFile(boys, {"Mine"});
        w.folder.fakes.dialogs.answers.enqueue(MsgAnswer::Yes);
        {
            FileSizeLimit full(0);
            w.use();
        }
        QCOMPARE(w.boxes().value(1), "The name list could not be written:\r\n" + QDir::toNativeSeparators(boys)
                                         + "\r\n\r\nFile too large");
        QCOMPARE(readAll(boys), QByteArray("Mine\r\n"));
        QCOMPARE(QDir(userNameFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{kBoysFile});
        QCOMPARE(w.reloads, 0);
    }
};

void TestNameListsDialog::listsInUse_data()
{
    QTest::addColumn<QString>("boys");  // where each list comes from: "-" bundled, "us" the US names
    QTest::addColumn<QString>("girls"); // (1940s-1950s, the 10 most popular), "own" or "older own"
    QTest::addColumn<QStringList>("shown"); // the two lines "In use now", the choice shown
    const QString us = "US names, the 10 most popular of the 1940s to the 1950s: 1 name";
    QTest::newRow("bundled") << "-" << "-"
                             << QStringList{"Boys: the bundled list", "Girls: the bundled list", "bundled 2010s 2020s 100"};
    QTest::newRow("US and own") << "us" << "own"
                                << QStringList{"Boys: " + us, "Girls: your own list, {0}/girlname.txt", "US 1940s 1950s 10"};
    QTest::newRow("both US") << "us" << "us" << QStringList{"Boys: " + us, "Girls: " + us, "US 1940s 1950s 10"};
    QTest::newRow("own in the older place") << "older own" << "-"
                                            << QStringList{"Boys: your own list, {1}/guyname.txt", "Girls: the bundled list",
                                                           "bundled 2010s 2020s 100"};
}

// Opened again, the window shows where each list comes from now, and its choice starts from the US
// names in use. "Open folder" hands the user's folder, made if missing, to the launcher.
void TestNameListsDialog::listsInUse()
{
    QFETCH(QString, boys);
    QFETCH(QString, girls);
    QFETCH(QStringList, shown);
    Folder folder; // the user's folders emptied
    const QStringList folders = userNameFolders();
    UsNameSelection selection;
    selection.boys = QStringList{"Bob"};
    selection.girls = QStringList{"Anna"};
    QVERIFY(!writeUsNameFiles(folders[0], selection, {1940, 1950, 10}));
    for (const auto &[source, file] : {std::pair{boys, kBoysFile}, std::pair{girls, kGirlsFile}}) {
        if (source == "-" || source == "older own")
            QFile::remove(nameFilePath(folders[0], file));
        if (source == "own")
            writeNameFile(nameFilePath(folders[0], file), {"Mine"});
        if (source == "older own") {
            QVERIFY(QDir().mkpath(folders[1]));
            writeNameFile(nameFilePath(folders[1], file), {"Mine"});
        }
    }
    QFile data(nameFilePath(folder.path(), kUsNamesFile));
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write("M\tBob" + kBirths + "F\tAnna" + kBirths) > 0);
    data.close();
    NameListsDialog dialog(folder.fakes.services(), folder.path(), [] {});
    const auto native = [&](int i) { return QDir::toNativeSeparators(folders[i]); };
    QCOMPARE((QStringList{child<QLabel>(&dialog, "lblBoysInUse")->text(), child<QLabel>(&dialog, "lblGirlsInUse")->text(),
                          QStringList{child<QRadioButton>(&dialog, "optUsNames")->isChecked() ? "US" : "bundled",
                                      child<QComboBox>(&dialog, "cmbFromDecade")->currentText(),
                                      child<QComboBox>(&dialog, "cmbToDecade")->currentText(),
                                      child<QComboBox>(&dialog, "cmbTopNames")->currentText()}
                              .join(' ')}),
             (QStringList{QString(shown[0]).replace("{0}", native(0)).replace("{1}", native(1)).replace('/', QDir::separator()),
                          QString(shown[1]).replace("{0}", native(0)).replace("{1}", native(1)).replace('/', QDir::separator()),
                          shown[2]}));
    // Each line shown whole, also when it wraps.
    for (const char *name : {"lblBoysInUse", "lblGirlsInUse", "lblUserFolder"}) {
        auto *label = child<QLabel>(&dialog, name);
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
    }
    QDir(folders[0]).removeRecursively();
    QTest::mouseClick(child(&dialog, "cmdOpenFolder"), Qt::LeftButton);
    QCOMPARE(folder.fakes.shell.links, QStringList{native(0)});
    QVERIFY(QFileInfo(folders[0]).isDir());
    QVERIFY(child<QLabel>(&dialog, "lblUserFolder")->text().endsWith(native(0)));
}

QTEST_MAIN(TestNameListsDialog)
#include "tst_namelistsdialog.moc"
