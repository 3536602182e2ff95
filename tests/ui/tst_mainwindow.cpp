// The main window as the user meets it: what it shows after loading from
// the settings store, what keys and clicks change on screen, and what it
// stores on closing.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <memory>

#include "app/qttranslations.h"
#include "app/splashwindow.h"
#include "fixture.h"
#include "ui/mainwindow.h"

using namespace lullara;
using namespace lullara::test;

namespace {
template <typename T = QWidget>
T *child(QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QSettings store() { return QSettings(QStringLiteral("Lullara"), QStringLiteral("Lullara")); }

// A program folder and a main window loaded from it.
struct Opened {
    explicit Opened(const QStringList &boys = Folder::defaultBoys())
        : folder(boys), w(folder.fakes.services(), folder.path())
    {
        loaded = w.load();
    }
    Folder folder;
    MainWindow w;
    bool loaded = false;
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadsStoredChoices_data();
    void loadsStoredChoices();
    void storesChoicesOnClose();
    void unreadableNameFileHaltsAtOnce();
    void keysAndClicksShowTheRun();
    void namesAreShownAsTheyStand();
    void aVeryLongNameShowsItsBeginning();
    void labelsDrawInDarkGrey();
    void tabVisitsEachControlOnce_data();
    void tabVisitsEachControlOnce();
    void splashDrawsItsRuleAndOutline();
    void letterCaptionsLieOnTheBorder();
    void tickPicturesAreDrawnWhole_data();
    void tickPicturesAreDrawnWhole();
    void qtButtonsSpeakTheUsersLanguage_data();
    void qtButtonsSpeakTheUsersLanguage();
    void nameBoxRepaintsTheRowsItLeaves();
};

void TestMainWindow::loadsStoredChoices_data()
{
    QTest::addColumn<QStringList>("stored"); // key=value
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QStringList>("boys");

    const QStringList all{"Adam", "Ben", "Bob", "Karl", "Kevin", "Mark", "Zack"};
    QTest::newRow("empty store") << QStringList{} << "5" << "1" << "All" << all;
    QTest::newRow("K, 100, 0.25") << QStringList{"optAll=False", "optSel=10", "cmbNum=27", "cmbInterval=0"} << "100"
                                  << "0.25" << "K" << QStringList{"Karl", "Kevin"};
    QTest::newRow("All wins over optSel") << QStringList{"optAll=True", "optSel=10"} << "5" << "1" << "All" << all;
}

void TestMainWindow::loadsStoredChoices()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, number);
    QFETCH(QString, interval);
    QFETCH(QString, letter);
    QFETCH(QStringList, boys);

    Folder folder;
    for (const QString &kv : stored)
        store().setValue(QStringLiteral("Setting/") + kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    QCOMPARE(child<QComboBox>(&w, "cmbNamesNum")->currentText(), number);
    QCOMPARE(child<QComboBox>(&w, "cmbLotteryInterval")->currentText(), interval);
    QCOMPARE(child<QLineEdit>(&w, "txtLet")->text(), letter);
    auto *boysList = child<QWidget>(&w, "lstBoys")->findChild<QListView *>();
    QStringList shown;
    for (int i = 0; i < boysList->model()->rowCount(); ++i)
        shown << boysList->model()->index(i, 0).data().toString();
    QCOMPARE(shown, boys);
    QCOMPARE(child<QWidget>(&w, "lstBoys")->findChild<QLineEdit *>()->text(), boys.value(0));
    QCOMPARE(child<QLabel>(&w, "lblSname")->text(), QStringLiteral("......"));
    QVERIFY(child<QToolButton>(&w, "cmdStart")->isEnabled() && !child<QToolButton>(&w, "chkPause")->isEnabled());
}

void TestMainWindow::storesChoicesOnClose()
{
    Folder folder;
    {
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(w.load());
        w.close();
    }
    QVERIFY(!store().contains(QStringLiteral("Setting/DrawEachNameOnce"))); // never turned on, never written
    store().setValue(QStringLiteral("Setting/optSel"), QStringLiteral("10"));
    store().sync();
    {
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(w.load());
        child<QComboBox>(&w, "cmbNamesNum")->setCurrentIndex(27);
        child<QComboBox>(&w, "cmbLotteryInterval")->setCurrentIndex(0);
        QTest::mouseClick(child<QRadioButton>(&w, "optLetAll"), Qt::LeftButton);
        auto *once = w.findChild<QAction *>(QStringLiteral("mnuDrawOnce"));
        QVERIFY(once && once->isCheckable() && !once->isChecked());
        once->trigger();
        QVERIFY(w.lottery()->drawEachNameOnce());
        w.move(40, 60);
        w.close();
    }
    QSettings s = store();
    s.beginGroup(QStringLiteral("Setting"));
    QCOMPARE(s.value(QStringLiteral("cmbNum")).toString(), QStringLiteral("27"));
    QCOMPARE(s.value(QStringLiteral("cmbInterval")).toString(), QStringLiteral("0"));
    QCOMPARE(s.value(QStringLiteral("optAll")).toString(), QStringLiteral("True"));
    QCOMPARE(s.value(QStringLiteral("optSel")).toString(), QStringLiteral("10")); // kept from before
    QCOMPARE(s.value(QStringLiteral("Left")).toString(), QStringLiteral("600"));
    QCOMPARE(s.value(QStringLiteral("Top")).toString(), QStringLiteral("900"));
    QCOMPARE(s.value(QStringLiteral("DrawEachNameOnce")).toString(), QStringLiteral("True"));
    QVERIFY(folder.fakes.dialogs.messages.isEmpty());
    {
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(w.load());
        QVERIFY(w.findChild<QAction *>(QStringLiteral("mnuDrawOnce"))->isChecked() && w.lottery()->drawEachNameOnce());
    }

    // A store that cannot be written is reported once, naming the file.
    const QString settingsFolder = QFileInfo(Folder::settingsFile()).absolutePath();
    QVERIFY(QDir(settingsFolder).removeRecursively());
    QVERIFY(QFile(settingsFolder).open(QIODevice::WriteOnly)); // a file where the folder belongs
    {
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(w.load());
        w.close();
    }
    QFile::remove(settingsFolder);
    QCOMPARE(folder.fakes.dialogs.messages.size(), 1);
    QVERIFY(folder.fakes.dialogs.messages.first().text.contains(Folder::settingsFile()));
}

void TestMainWindow::unreadableNameFileHaltsAtOnce()
{
    Folder folder;
    QFile::remove(folder.file(QStringLiteral("guyname.txt")));
    SplashWindow splash(folder.fakes.services(), folder.path());
    splash.show();
    QTRY_VERIFY(!folder.fakes.halt.codes.isEmpty());
    const auto &messages = folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("Error 53"));
    QCOMPARE(messages.first().text,
             QStringLiteral("File not found\r\n/guyname.txt\r\n\r\nProgram can not continue and will halt now!"));
    QCOMPARE(messages.first().parent, &splash);
    QVERIFY(splash.mainWindow() && !splash.mainWindow()->isVisible());
    splash.mainWindow()->close();
    QVERIFY(!QFile::exists(Folder::settingsFile())); // nothing stored
}

void TestMainWindow::keysAndClicksShowTheRun()
{
    Opened o;
    MainWindow &w = o.w;
    QVERIFY(o.loaded);
    w.lottery()->setRandomSource([] { return 0.5f; });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QTest::keyClick(&w, Qt::Key_F6);
    QVERIFY(!child<QToolButton>(&w, "cmdStart")->isEnabled());
    QVERIFY(child<QToolButton>(&w, "cmdStop")->isEnabled());
    QVERIFY(child<QProgressBar>(&w, "pgbGenerator")->isVisible());
    w.lottery()->numberTick();
    QCOMPARE(child<QLabel>(&w, "lblNumber")->text(), QStringLiteral("4"));
    QCOMPARE(child<QLabel>(&w, "lblSname")->text(), QStringLiteral("Kevin"));
    w.lottery()->lotteryTick();
    QCOMPARE(child<QLabel>(&w, "lblIDNumber")->text(), QStringLiteral("1"));

    auto *pause = child<QToolButton>(&w, "chkPause");
    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(pause->text(), QStringLiteral("Resume"));
    QVERIFY(pause->isChecked());
    QTest::keyClick(&w, Qt::Key_F7);
    QVERIFY(child<QToolButton>(&w, "cmdStart")->isEnabled());
    QVERIFY(!pause->isEnabled());
    QVERIFY(child<QProgressBar>(&w, "pgbGenerator")->isHidden());

    QTest::mouseClick(child<QPushButton>(&w, "cmdGeneratorClear"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(&w, "lblNumber")->text(), QStringLiteral("0000"));
    QCOMPARE(child<QLabel>(&w, "lblIDNumber")->text(), QStringLiteral("0"));
    QCOMPARE(w.rows()->count(), 0);

    // A letter and the girls by mouse, then a girl's name added by hand.
    QTest::mouseClick(child<QRadioButton>(&w, "optLet10"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(&w, "txtLet")->text(), QStringLiteral("K"));
    QTest::mouseClick(child<QRadioButton>(&w, "optGirls"), Qt::LeftButton);
    QVERIFY(!child<QRadioButton>(&w, "optBoys")->isChecked());
    QTest::mouseClick(child<QPushButton>(&w, "cmdGirlsAdd"), Qt::LeftButton);
    QCOMPARE(w.rows()->texts(), QStringList{QStringLiteral("Karen")});
    QCOMPARE(child<QLabel>(&w, "lblSname")->text(), QStringLiteral("Karen"));
    QCOMPARE(w.lottery()->gender(), Gender::Girls);
}

void TestMainWindow::namesAreShownAsTheyStand()
{
    Opened o({"<b>Bo</b>", "<img src=\"/dev/zero\">"});
    MainWindow &w = o.w;
    w.names()->boys()->choose(0);
    auto *name = child<QLabel>(&w, "lblSname");
    QCOMPARE(name->text(), QStringLiteral("<b>Bo</b>"));
    // Drawn as text, tags and all: as wide as the literal characters.
    QVERIFY(name->sizeHint().width() >= name->fontMetrics().horizontalAdvance(QStringLiteral("<b>Bo</b>")));
    w.names()->boys()->choose(1);
    QVERIFY(name->sizeHint().height() < 100);
}

void TestMainWindow::aVeryLongNameShowsItsBeginning()
{
    const QString longName = QStringLiteral("Anna") + QString(10 * 1024 * 1024, QLatin1Char('x'));
    Opened o({longName, "Ben"});
    MainWindow &w = o.w;
    w.show();
    w.names()->boys()->choose(0);
    w.rows()->append(longName, QStringLiteral("men"));
    for (const char *shown : {"lblSname", "lstBoys"}) {
        QWidget *control = child<QWidget>(&w, shown);
        QLineEdit *field = control->findChild<QLineEdit *>();
        const QString text = field ? field->text() : static_cast<QLabel *>(control)->text();
        QVERIFY(text.startsWith(QStringLiteral("Annaxx")));
        QVERIFY2(text.size() < 2000, qPrintable(QString::number(text.size())));
    }
    // Every list paints (a full layout of the line would take minutes).
    QVERIFY(!w.grab().isNull());
}

void TestMainWindow::labelsDrawInDarkGrey()
{
    Opened o;
    MainWindow &w = o.w;
    QVERIFY(o.loaded);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const char *name : {"lblSname", "lblIDNumber"}) {
        const QImage shot = child<QLabel>(&w, name)->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                darkest = std::min(darkest, qGray(shot.pixel(x, y)));
        QVERIFY2(darkest >= 60 && darkest <= 70, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(darkest)));
    }
}

void TestMainWindow::tabVisitsEachControlOnce_data()
{
    QTest::addColumn<QString>("letter"); // the object name of the chosen letter
    QTest::newRow("All") << "optLetAll";
    QTest::newRow("K") << "optLet10";
}

void TestMainWindow::tabVisitsEachControlOnce()
{
    QFETCH(QString, letter);
    Opened o;
    MainWindow &w = o.w;
    QVERIFY(o.loaded);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.findChild<QRadioButton *>(letter), Qt::LeftButton);
    child<QWidget>(&w, "lstBoys")->setFocus();
    QStringList visited;
    for (int i = 0; i < 24; ++i) {
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        visited << (focus ? focus->objectName() : QStringLiteral("-"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Pause and Stop are disabled outside a run.
    QCOMPARE(visited, (QStringList{"lstBoys", "lstGirls", "cmdStart", "lstGenerator", "cmdSelectAll",
                                   "cmdDeselectAll", "cmdSaveAll", "cmdSaveSelected", "cmdGeneratorClear", "cmdPrint",
                                   "optBoys", "optGirls", "cmbNamesNum", "cmbLotteryInterval", "cmdBoysAdd",
                                   "cmdGirlsAdd", "cmdEmail", "cmdAbout", "cmdCopy", "cmdCopyAll", letter, "Picture1",
                                   "lstBoys", "lstGirls"}));
}

void TestMainWindow::splashDrawsItsRuleAndOutline()
{
    Folder folder;
    SplashWindow splash(folder.fakes.services(), folder.path());
    const QImage shot = splash.grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    // The rule under the banner, across the banner picture, and the outline.
    for (const QPoint p : {QPoint(200, 49), QPoint(400, 49), QPoint(0, 20), QPoint(469, 20), QPoint(300, 0),
                           QPoint(300, 119)})
        QCOMPARE(shot.pixel(p) & 0xffffff, grey & 0xffffff);
}

void TestMainWindow::letterCaptionsLieOnTheBorder()
{
    Opened o;
    QVERIFY(o.loaded);
    o.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.w));
    const QImage shot = child(&o.w, "Frame1")->grab().toImage();
    // The top border: the first row that differs from the window's
    // background between the caption and the letter display.
    int border = -1;
    for (int y = 1; y < 30 && border < 0; ++y) {
        if (shot.pixel(380, y) != shot.pixel(380, 0))
            border = y;
    }
    // The border runs through the caption's text and through txtLet's.
    for (const QPair<int, int> &span : {qMakePair(6, 150), qMakePair(462, 491)}) {
        int top = -1, bottom = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = span.first; x < span.second; ++x)
                if (qGray(shot.pixel(x, y)) < 100) {
                    bottom = y;
                    top = top < 0 ? y : top;
                }
        QVERIFY2(top < border && border < bottom,
                 qPrintable(QStringLiteral("text rows %1-%2, border %3").arg(top).arg(bottom).arg(border)));
    }
}

void TestMainWindow::tickPicturesAreDrawnWhole_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::newRow("tick all") << "cmdSelectAll" << ":/pictures/check.png";
    QTest::newRow("untick all") << "cmdDeselectAll" << ":/pictures/cross.png";
}

void TestMainWindow::tickPicturesAreDrawnWhole()
{
    QFETCH(QString, button);
    QFETCH(QString, picture);
    // The box around the coloured pixels: on screen, and of the picture
    // itself laid on a light grey like the button's face, at its own size.
    const auto colouredBox = [](const QImage &image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).hsvSaturation() > 100)
                    box |= QRect(x, y, 1, 1);
        return box.size();
    };
    QImage alone(16, 16, QImage::Format_RGB32);
    alone.fill(QColor(239, 239, 239));
    QPainter(&alone).drawImage(0, 0, QImage(picture));
    Opened o;
    o.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.w));
    QCOMPARE(colouredBox(child(&o.w, qPrintable(button))->grab().toImage()), colouredBox(alone));
}

void TestMainWindow::qtButtonsSpeakTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");
    QTest::newRow("German") << "de_DE" << "&Ja";
    QTest::newRow("French") << "fr_FR" << "&Oui";
    QTest::newRow("C") << "C" << "&Yes";
}

void TestMainWindow::qtButtonsSpeakTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    std::unique_ptr<QTranslator> installed(installQtTranslations(QLocale(locale), nullptr));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Lullara"), QStringLiteral("View?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

void TestMainWindow::nameBoxRepaintsTheRowsItLeaves()
{
    Opened o;
    MainWindow &w = o.w;
    QVERIFY(o.loaded);
    auto *view = child<QWidget>(&w, "lstBoys")->findChild<QListView *>();
    // The view repaints a row that loses the selection when it is told so.
    QList<int> left;
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [&](const QItemSelection &, const QItemSelection &deselected) {
                for (const QModelIndex &i : deselected.indexes())
                    left << i.row();
            });
    for (int row : {1, 4, 2})
        w.names()->boys()->choose(row);
    QCOMPARE(left, (QList<int>{1, 4}));
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
