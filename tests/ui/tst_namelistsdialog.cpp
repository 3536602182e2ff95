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
QString text(QObject *dialog, const char *label) { return child<QLabel>(dialog, label)->text(); }

NameListsDialog *openDialog(MainWindow &w)
{
    child<QAction>(&w, "mnuNameLists")->trigger();
    return child<NameListsDialog>(&w, "dlgNameLists");
}
} // namespace

class TestNameListsDialog : public QObject {
    Q_OBJECT
private slots:
    void usNamesBecomeTheListsAndGoAgain();
};

void TestNameListsDialog::usNamesBecomeTheListsAndGoAgain()
{
    Folder folder;
    QDir(userNameFolder()).removeRecursively();
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    // Without the data, only the bundled lists can be chosen.
    NameListsDialog *dialog = openDialog(w);
    QVERIFY(!child<QRadioButton>(dialog, "optUsNames")->isEnabled() && !child<QComboBox>(dialog, "cmbTopNames")->isEnabled());
    QVERIFY(child<QRadioButton>(dialog, "optUsNames")->toolTip().contains(kUsNamesFile));
    dialog->close();
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());

    // 12 boys and 12 girls born in the 2010s (12, 11, ... 1), one of each in the 1880s.
    QFile data(nameFilePath(folder.path(), kUsNamesFile));
    QVERIFY(data.open(QIODevice::WriteOnly));
    for (int i = 0; i < 12; ++i)
        data.write(QStringLiteral("M\tBoy%1\t,,,,,,,,,,,,,%2,\nF\tGirl%1\t,,,,,,,,,,,,,%2,\n").arg(QChar('a' + i)).arg(12 - i).toUtf8());
    data.write("M\tOldboy\t5,,,,,,,,,,,,,,\nF\tOldgirl\t5,,,,,,,,,,,,,,\n");
    data.close();
    dialog = openDialog(w);
    QVERIFY(dialog->isVisible() && child<QRadioButton>(dialog, "optBundledNames")->isChecked());

    QTest::mouseClick(child<QRadioButton>(dialog, "optUsNames"), Qt::LeftButton);
    auto *from = child<QComboBox>(dialog, "cmbFromDecade");
    auto *to = child<QComboBox>(dialog, "cmbToDecade");
    to->setCurrentText(QStringLiteral("1880s")); // the first decade follows
    QCOMPARE(from->currentText() + text(dialog, "lblBoysCount"), QStringLiteral("1880sBoys: 1 of 1 names"));
    from->setCurrentText(QStringLiteral("2010s")); // the last decade follows
    child<QComboBox>(dialog, "cmbTopNames")->setCurrentText(QStringLiteral("10"));
    QCOMPARE(to->currentText() + text(dialog, "lblBoysCount"), QStringLiteral("2010sBoys: 10 of 12 names"));
    QCOMPARE(text(dialog, "lblGirlsCount"), QStringLiteral("Girls: 10 of 12 names"));
    QVERIFY(text(dialog, "lblGirlsPreview").startsWith(QStringLiteral("Girla, Girlb, Girlc, ")));

    QTest::mouseClick(child<QPushButton>(dialog, "cmdUseLists"), Qt::LeftButton);
    const QString boysFile = nameFilePath(userNameFolder(), QStringLiteral("guyname.txt"));
    QFile written(boysFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith(kUsListMark.toUtf8() + ": boys' names\r\n"));
    QVERIFY(bytes.contains("\r\n# Chosen: the 10 most popular names of the 2010s, 10 names.\r\n"));
    QVERIFY(bytes.endsWith("again.\r\nBoya\r\nBoyb\r\nBoyc\r\nBoyd\r\nBoye\r\nBoyf\r\nBoyg\r\nBoyh\r\nBoyi\r\nBoyj\r\n"));
    QCOMPARE(w.names()->boys()->count(), 10);
    QCOMPARE(w.names()->girls()->at(0), QStringLiteral("Girla"));

    // Opened again, the window starts from the lists in use.
    dialog->close();
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());
    dialog = openDialog(w);
    QVERIFY(child<QRadioButton>(dialog, "optUsNames")->isChecked());
    QTest::mouseClick(child<QPushButton>(dialog, "cmdBundledLists"), Qt::LeftButton);
    QVERIFY(!QFile::exists(boysFile) && !QFile::exists(nameFilePath(userNameFolder(), QStringLiteral("girlname.txt"))));
    QCOMPARE(w.names()->boys()->count(), Folder::defaultBoys().size() - 1); // its comment aside
    QVERIFY(folder.fakes.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestNameListsDialog)
#include "tst_namelistsdialog.moc"
