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
    void chooseUsNames() const
    {
        QWidget *option = child(dialog.get(), "optUsNames");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    void use() const
    {
        chooseUsNames();
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
        QTest::mouseClick(child(w.dialog.get(), "cmdBundledLists"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(w.dialog.get(), "optBundledNames")->isChecked());
        QVERIFY(!QFile::exists(nameFilePath(userNameFolder(), kBoysFile)));
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
            {"cmdUseLists", 0, MsgAnswer::No}, {"cmdBundledLists", 0, MsgAnswer::No},
            {"cmdUseLists", 1, MsgAnswer::No}, {"cmdUseLists", 1, MsgAnswer::Yes}};
        for (const auto &[button, place, answer] : rows) {
            Window w("M\tBob" + kBirths + "F\tAnna" + kBirths);
            const QStringList folders = userNameFolders();
            QCOMPARE(folders.size(), 2);
            const QString mine = nameFilePath(folders[place], kBoysFile);
            QVERIFY(QDir().mkpath(folders[place]));
            writeNameFile(mine, {"Mine"});
            w.folder.fakes.dialogs.answers.enqueue(answer);
            w.chooseUsNames();
            QTest::mouseClick(child(w.dialog.get(), button), Qt::LeftButton);
            const auto &messages = w.folder.fakes.dialogs.messages;
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages.first().text.section("\r\n", 0, 1),
                     "Your own name list will be " + QString(button == QString("cmdUseLists") ? "replaced" : "removed")
                         + ":\r\n" + QDir::toNativeSeparators(mine));
            QVERIFY2(messages.first().buttons == MsgButtons::YesNoDefaultNo, button);
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

QTEST_MAIN(TestNameListsDialog)
#include "tst_namelistsdialog.moc"
