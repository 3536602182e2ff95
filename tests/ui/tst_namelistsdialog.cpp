// The "Name lists" window through its controls: the US names chosen there
// become the user's two name files and fill the main window's boxes; the
// bundled lists come back when those files are removed.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include "fixture.h"
#include "names/namefile.h"
#include "names/namefolder.h"
#include "names/usnames.h"
#include "ui/mainwindow.h"
#include "ui/namelistsdialog.h"

using namespace lullara;
using namespace lullara::test;

namespace {
template <typename T>
T *child(QObject *w, const char *name)
{
    T *found = w->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// 12 boys and 12 girls with births in the 2010s only (12, 11, ... 1), and one
// name of each from the 1880s alone.
void writeData(const QString &path)
{
    QByteArray data = "# test data\n";
    for (int i = 0; i < 12; ++i) {
        const QByteArray births = ",,,,,,,,,,,,," + QByteArray::number(12 - i) + ",\n";
        data += "M\tBoy" + QByteArray(1, char('a' + i)) + '\t' + births;
        data += "F\tGirl" + QByteArray(1, char('a' + i)) + '\t' + births;
    }
    data += "M\tOldboy\t5,,,,,,,,,,,,,,\nF\tOldgirl\t5,,,,,,,,,,,,,,\n";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

NameListsDialog *openDialog(MainWindow &w)
{
    child<QAction>(&w, "mnuNameLists")->trigger();
    return child<NameListsDialog>(&w, "dlgNameLists");
}
} // namespace

class TestNameListsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void usNamesBecomeTheListsAndGoAgain();
    void withoutDataOnlyBundled();
};

void TestNameListsDialog::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(userNameFolder()).removeRecursively();
}

void TestNameListsDialog::usNamesBecomeTheListsAndGoAgain()
{
    Folder folder;
    writeData(nameFilePath(folder.path(), kUsNamesFile));
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    NameListsDialog *dialog = openDialog(w);
    QVERIFY(dialog->isVisible());
    QVERIFY(child<QRadioButton>(dialog, "optBundledNames")->isChecked());

    QTest::mouseClick(child<QRadioButton>(dialog, "optUsNames"), Qt::LeftButton);
    auto *from = child<QComboBox>(dialog, "cmbFromDecade");
    auto *to = child<QComboBox>(dialog, "cmbToDecade");
    to->setCurrentText(QStringLiteral("1880s")); // from follows: never after to
    QCOMPARE(from->currentText(), QStringLiteral("1880s"));
    QCOMPARE(child<QLabel>(dialog, "lblBoysCount")->text(), QStringLiteral("Boys: 1 of 1 names"));
    from->setCurrentText(QStringLiteral("2010s")); // to follows
    QCOMPARE(to->currentText(), QStringLiteral("2010s"));
    child<QComboBox>(dialog, "cmbTopNames")->setCurrentText(QStringLiteral("10"));
    QCOMPARE(child<QLabel>(dialog, "lblBoysCount")->text(), QStringLiteral("Boys: 10 of 12 names"));
    QCOMPARE(child<QLabel>(dialog, "lblGirlsCount")->text(), QStringLiteral("Girls: 10 of 12 names"));
    QVERIFY(child<QLabel>(dialog, "lblGirlsPreview")->text().startsWith(QStringLiteral("Girla, Girlb, Girlc, ")));

    QTest::mouseClick(child<QPushButton>(dialog, "cmdUseLists"), Qt::LeftButton);
    QVERIFY(folder.fakes.dialogs.messages.isEmpty());
    const QString boysFile = nameFilePath(userNameFolder(), kBoysFile);
    QFile written(boysFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith(kUsListMark.toUtf8()));
    QVERIFY(bytes.contains("# Chosen: the 10 most popular names of the 2010s, 10 names.\r\n"));
    const QStringList boys = parseNameFile(bytes);
    QCOMPARE(boys.size(), 10);
    QCOMPARE(boys.first(), QStringLiteral("Boya"));
    QCOMPARE(boys.last(), QStringLiteral("Boyj"));
    QCOMPARE(w.names()->boys()->count(), 10);
    QCOMPARE(w.names()->girls()->at(0), QStringLiteral("Girla"));

    // Opened again, the window starts from the lists in use.
    dialog->close();
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());
    dialog = openDialog(w);
    QVERIFY(child<QRadioButton>(dialog, "optUsNames")->isChecked());
    QTest::mouseClick(child<QPushButton>(dialog, "cmdBundledLists"), Qt::LeftButton);
    QVERIFY(!QFile::exists(boysFile));
    QVERIFY(!QFile::exists(nameFilePath(userNameFolder(), kGirlsFile)));
    QCOMPARE(w.names()->boys()->count(), Folder::defaultBoys().size() - 1); // its comment aside
    QVERIFY(child<QRadioButton>(dialog, "optBundledNames")->isChecked());
    QVERIFY(folder.fakes.dialogs.messages.isEmpty());
}

void TestNameListsDialog::withoutDataOnlyBundled()
{
    Folder folder;
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    NameListsDialog *dialog = openDialog(w);
    auto *us = child<QRadioButton>(dialog, "optUsNames");
    QVERIFY(!us->isEnabled());
    QVERIFY(us->toolTip().contains(kUsNamesFile));
    QVERIFY(child<QRadioButton>(dialog, "optBundledNames")->isChecked());
    QVERIFY(!child<QComboBox>(dialog, "cmbTopNames")->isEnabled());
}

QTEST_MAIN(TestNameListsDialog)
#include "tst_namelistsdialog.moc"
