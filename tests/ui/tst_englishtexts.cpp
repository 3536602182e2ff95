// Without a translation (the C locale) every text the user reads is the
// English one, to the character: captions, tooltips, menu items, status
// texts and message boxes. A slip in an English source text fails here.

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "app/splashwindow.h"
#include "fixture.h"
#include "shell/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

namespace {

struct Opened {
    explicit Opened(const QStringList &boys = Folder::defaultBoys(), const QStringList &girls = Folder::defaultGirls())
        : folder(boys, girls), w(folder.fakes.services(), folder.path())
    {
        QVERIFY(w.load());
    }
    QString status() { return child<StatusBar>(&w, "stuMain")->panel(1)->text(); }
    QString lastBox()
    {
        const QList<ShownMessage> &shown = folder.fakes.dialogs.messages;
        return shown.isEmpty() ? QStringLiteral("<no box>") : shown.last().title + QLatin1Char('|') + shown.last().text;
    }
    Folder folder;
    MainWindow w;
};

// What a user reads on a control: a menu item's caption without its key.
QString shownText(QObject *object, const QByteArray &property)
{
    if (auto *action = qobject_cast<QAction *>(object))
        return property == "shortcut" ? action->text().section(QLatin1Char('\t'), 1) : action->text().section(QLatin1Char('\t'), 0, 0);
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    return object->property(property.constData()).toString();
}

} // namespace

class TestEnglishTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void controls_data();
    void controls();
    void statusTexts_data();
    void statusTexts();
    void boxes_data();
    void boxes();
    void otherWindows();
};

void TestEnglishTexts::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");
    const struct { const char *control, *property, *expected; } rows[] = {
        {"frmRandom", "windowTitle", "Lullara v2.0"},
        {"optBoys", "text", "BOY"},
        {"optGirls", "text", "GiRL"},
        {"cmdBoysAdd", "text", ".add"},
        {"cmdGirlsAdd", "text", ".add"},
        {"lblNumber", "text", "0000"},
        {"lblSname", "text", "......"},
        {"Label2", "text", "Create names:"},
        {"Label5", "text", "Timer interval:"},
        {"Frame1", "title", "Only choose/show name that start with :"},
        {"optLet0", "text", "A"},
        {"optLet25", "text", "Z"},
        {"optLetAll", "text", "All"},
        {"txtLet", "text", "All"},
        {"lblIDNumber", "text", "0"},
        {"cmdGeneratorClear", "text", "&Clear"},
        {"cmdSelectAll", "toolTip", "select all items"},
        {"cmdDeselectAll", "toolTip", "deselect all items"},
        {"cmdStart", "text", "&GO!       [F6]"},
        {"cmdStart", "toolTip", "Start the Random Function"},
        {"chkPause", "text", "Pa&use"},
        {"cmdStop", "text", "S&top"},
        {"cmdSaveAll", "text", "&Save All As..."},
        {"cmdSaveAll", "toolTip", "Export the generated list to a file"},
        {"cmdSaveSelected", "text", "Sa&ve Selected As..."},
        {"cmdSaveSelected", "toolTip", ""},
        {"cmdEmail", "text", "e&Mail Names"},
        {"cmdEmail", "toolTip", "send this list to your friend"},
        {"cmdCopyAll", "text", "Copy &All"},
        {"cmdCopyAll", "toolTip", "copy all items to clipboard"},
        {"cmdCopy", "text", "Copy Selecte&d"},
        {"cmdCopy", "toolTip", "copy selected items to clipboard"},
        {"cmdPrint", "text", "&Print"},
        {"cmdPrint", "toolTip", ""},
        {"cmdAbout", "toolTip", "Author Website"},
        {"cmdAbout", "text", ""},
        {"mnuMain", "title", "x"},
        {"mnuGo", "text", "&Start"},
        {"mnuGo", "shortcut", "F6"},
        {"mnuStop", "text", "S&top"},
        {"mnuStop", "shortcut", "F7"},
        {"mnuPause", "text", "&Pause"},
        {"mnuPause", "shortcut", "F8"},
        {"mnuResume", "text", "&Resume"},
        {"mnuResume", "shortcut", "F9"},
        {"mnuAbout", "text", "&About Lullara..."},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.control, r.property) << r.control << QByteArray(r.property) << r.expected;
}

void TestEnglishTexts::controls()
{
    QFETCH(QString, control);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);
    Opened o;
    QObject *object = control == o.w.objectName() ? &o.w : o.w.findChild<QObject *>(control);
    QVERIFY2(object, qPrintable(control));
    QCOMPARE(shownText(object, property), expected);
}

void TestEnglishTexts::statusTexts_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("pauseCaption");
    QTest::newRow("window opened") << "" << "Ready" << "Pa&use";
    QTest::newRow("start") << "start" << "Starting..." << "Pa&use";
    QTest::newRow("a name added") << "start,lottery" << "1 Names Added, Analyzing..." << "Pa&use";
    QTest::newRow("pause") << "start,pause" << "Paused..." << "Resume";
    QTest::newRow("pause blinks") << "start,pause,flash" << " " << "Resume";
    QTest::newRow("resume") << "start,pause,resume" << "0 Names Added, Analyzing..." << "Pause";
    QTest::newRow("stop") << "start,lottery,stop" << "Finished. 1 names added successfully." << "Pa&use";
    QTest::newRow("stop while paused") << "start,pause,stop" << "Finished. 0 names added successfully." << "Pause";
    QTest::newRow("print") << "add,print" << "Printing..." << "Pa&use";
    QTest::newRow("clear") << "start,clear" << "Ready" << "Pa&use";
}

void TestEnglishTexts::statusTexts()
{
    QFETCH(QString, step);
    QFETCH(QString, expected);
    QFETCH(QString, pauseCaption);
    Opened o;
    Lottery *lottery = o.w.lottery();
    const QHash<QString, std::function<void()>> steps = {
        {"start", [&] { lottery->start(); }},
        {"lottery", [&] { lottery->numberTick(); lottery->lotteryTick(); }},
        {"pause", [&] { lottery->pause(); }},
        {"flash", [&] { lottery->flashTick(); }},
        {"resume", [&] { lottery->resume(); }},
        {"stop", [&] { lottery->stop(); }},
        {"add", [&] { child<QAbstractButton>(&o.w, "cmdBoysAdd")->click(); }},
        {"print", [&] { child<QAbstractButton>(&o.w, "cmdPrint")->click(); }},
        {"clear", [&] { child<QAbstractButton>(&o.w, "cmdGeneratorClear")->click(); }},
    };
    for (const QString &s : step.split(QLatin1Char(','), Qt::SkipEmptyParts))
        steps.value(s)();
    QCOMPARE(o.status(), expected);
    QCOMPARE(child<QAbstractButton>(&o.w, "chkPause")->text(), pauseCaption);
}

void TestEnglishTexts::boxes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected"); // title|text of the last box
    QTest::newRow("boys list too short") << "too many boys" << "Lullara|The boys name list must contain at least 100 items to continue.";
    QTest::newRow("girls list too short") << "too many girls" << "Lullara|The girls name list must contain at least 100 items to continue.";
    QTest::newRow("save empty list") << "save" << "Error|Come on!\r\nThere is nothing to save,";
    QTest::newRow("save empty list, offer")
        << "save offer"
        << "Suggestion|Would you like the program to add some Lullara to the generator in order you can save it to a text file?";
    QTest::newRow("saved") << "saved" << "Lullara|File saved successfully!\r\nWould you like to view the saved file?";
    QTest::newRow("print empty list") << "print" << "Lullara|There is nothing to be printed!";
    QTest::newRow("mail empty list") << "mail" << "Lullara|Send what!!!?";
    QTest::newRow("no boys' names") << "no boys" << "Error|There are no names in the Boys name list.";
    QTest::newRow("no girls' names") << "no girls" << "Error|There are no names in the Girls name list.";
    QTest::newRow("link not opened") << "link" << "ExecuteLink|error Opening Link to https://www.quorvel.example.org/\r\n\r\n5";
    QTest::newRow("name file missing") << "halt"
        << "Error 53|File not found\r\n" + QDir::toNativeSeparators("/guyname.txt") + "\r\n\r\nProgram can not continue and will halt now!";
}

void TestEnglishTexts::boxes()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    const bool shortList = command.startsWith(QLatin1String("no "));
    Opened o(command == QLatin1String("no boys") ? QStringList{"Adam"} : Folder::defaultBoys(),
             command == QLatin1String("no girls") ? QStringList{"Anna"} : Folder::defaultGirls());
    FakeDialogs &dialogs = o.folder.fakes.dialogs;
    Lottery *lottery = o.w.lottery();
    const auto click = [&](const char *name) { child<QAbstractButton>(&o.w, name)->click(); };
    if (command.startsWith(QLatin1String("too many"))) {
        child<QComboBox>(&o.w, "cmbNamesNum")->setCurrentText("100");
        if (command.endsWith(QLatin1String("girls")))
            click("optGirls");
        click("cmdStart");
    } else if (command == QLatin1String("save")) {
        click("cmdSaveAll");
        dialogs.messages.removeLast();
    } else if (command == QLatin1String("save offer")) {
        click("cmdSaveSelected");
    } else if (command == QLatin1String("saved")) {
        click("cmdBoysAdd");
        dialogs.saveResults.enqueue(SaveAsResult{o.folder.file("names.txt"), 2});
        click("cmdSaveAll");
        QCOMPARE(dialogs.saveRequests.last().title, QString("Save As..."));
        QCOMPARE(dialogs.saveRequests.last().filters,
                 QStringList({"All Files (*.*)", "Text Document (*.txt)", "Html Document (*.htm;*.html)"}));
    } else if (command == QLatin1String("print")) {
        click("cmdPrint");
    } else if (command == QLatin1String("mail")) {
        click("cmdEmail");
    } else if (shortList) {
        child<QComboBox>(&o.w, "cmbNamesNum")->setCurrentText("1");
        if (command.endsWith(QLatin1String("girls")))
            click("optGirls");
        lottery->start();
        lottery->lotteryTick();
    } else if (command == QLatin1String("link")) {
        o.folder.fakes.shell.linkResult = OpenResult{false, 5};
        click("cmdAbout");
    } else if (command == QLatin1String("halt")) {
        Folder folder;
        QFile::remove(folder.file("guyname.txt"));
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(!w.load());
        dialogs.messages = folder.fakes.dialogs.messages;
    }
    QCOMPARE(o.lastBox(), expected);
}

void TestEnglishTexts::otherWindows()
{
    Folder folder;
    SplashWindow splash(folder.fakes.services(), folder.path());
    QCOMPARE(child<QLabel>(&splash, "Label1")->text(), QString("Loading Database..."));
    AboutWindow about(folder.fakes.services(), nullptr);
    const QStringList lines = child<QPlainTextEdit>(&about, "txtDec")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines.at(2), QString("March 2005"));
    QCOMPARE(lines.mid(8, 3), QStringList({"Please report bugs to my email.     ", "Let me know how you think about it!",
                                           "Comments and suggestions are welcomed."}));
    QCOMPARE(lines.at(12), QString("With the all best wishes! ;)"));
    QCOMPARE(lines.at(13), QString("Lullara 2.0"));
    QCOMPARE(child<QLabel>(&about, "Label1")->text(), QString("a product by:"));
    QCOMPARE(child<QAbstractButton>(&about, "cmdExit")->text(), QString("x"));
    QCOMPARE(StatusBar(&folder.fakes.shell).panel(2)->text(), QString("CAPS"));
    QCOMPARE(StatusBar(&folder.fakes.shell).panel(3)->text(), QString("SCRL"));
    QCOMPARE(StatusBar(&folder.fakes.shell).panel(4)->text(), QString("NUM"));
}

QTEST_MAIN(TestEnglishTexts)
#include "tst_englishtexts.moc"
