// The main window as the user meets it: what it shows after loading from
// the settings store, what keys and clicks change on screen, what it stores
// on closing, its lock-key panels and its "Name lists" window.

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/qttranslations.h"
#include "app/splashwindow.h"
#include "fixture.h"
#include "names/namefolder.h"
#include "names/usnames.h"
#include "output/comparison.h"
#include "output/formats.h"
#include "output/shortlist.h"
#include "ui/mainwindow.h"
#include "ui/namecard.h"
#include "ui/namelistsdialog.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

namespace {

QSettings store() { return Folder::store(); }

// The smallest rectangle around the pixels of `image` that pass `test`.
QRect boxOf(const QImage &image, const std::function<bool(QColor)> &test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}
std::function<bool(QColor)> darkerThan(int grey) { return [grey](QColor c) { return qGray(c.rgb()) < grey; }; }

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text as drawn: its background is the commonest colour of
// the picture, its text the colour that stands out most from it.
double textContrast(const QImage &shot)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = counts.constBegin().key();
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double most = 1;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        most = std::max(most, contrast(QColor(background), QColor(it.key())));
    return most;
}

// A dark palette as dark desktop themes have it, window colour #323232.
QPalette darkPalette()
{
    QPalette dark(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return dark;
}

// A program folder and a main window loaded from it, on the screen if asked.
struct Opened {
    explicit Opened(bool shown = false, const QStringList &boys = Folder::defaultBoys())
        : folder(boys), w(folder.fakes.services(), folder.path())
    {
        QVERIFY(w.load());
        if (shown) {
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
        }
    }
    Folder folder;
    MainWindow w;
};

// A window that paints its background with the button face behind a status
// bar, with the three locks (Caps, Scroll, Num) on, off or unreadable.
using Lock = std::optional<bool>;
struct Locks : FakeShell {
    Locks(Lock c, Lock s, Lock n) { caps = c, scroll = s, num = n; }
    void set(bool on) { caps = scroll = num = on; }
};
struct PanelWindow {
    explicit PanelWindow(bool on) : PanelWindow(on, on, on) {}
    PanelWindow(Lock caps, Lock scroll, Lock num) : shell(caps, scroll, num), bar(&shell, &widget)
    {
        widget.setBackgroundRole(QPalette::Button);
        widget.setAutoFillBackground(true);
        bar.setGeometry(0, 0, 577, 22);
        widget.show();
    }
    // The darkest grey level inside a panel's bevel, as drawn on the screen: the text's colour.
    int darkest(int position)
    {
        const QLabel *panel = bar.panel(position);
        const QImage image = widget.grab(panel->contentsRect().translated(panel->mapTo(&widget, QPoint())))
                                 .toImage().convertToFormat(QImage::Format_RGB32); // one QRgb a pixel, no padding
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
        return qGray(*std::min_element(pixels, pixels + image.width() * image.height(),
                                       [](QRgb a, QRgb b) { return qGray(a) < qGray(b); }));
    }
    Locks shell;
    QWidget widget;
    StatusBar bar;
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadsStoredChoices_data();
    void loadsStoredChoices();
    void storesChoicesOnClose();
    void unreadableNameFileHaltsAtOnce();
    void namesAreShownAsTheyStand();
    void aVeryLongNameShowsItsBeginning();
    void looks();
    void everyTextReadsOnADarkPalette();
    void tabVisitsEachControlOnce();
    void qtButtonsSpeakTheUsersLanguage();
    void nameBoxRepaintsTheRowsItLeaves();
    void lockPanelsDimWhileTheLockIsOff_data();
    void lockPanelsDimWhileTheLockIsOff();
    void clockAndLocksKeepUp();
    void lockKeysShowAtOnce();
    void usNamesBecomeTheListsAndGoAgain();
    void nameCardOpensFromEveryName();
    void keptListComesBack();
    void comparesWithASavedList();
};

void TestMainWindow::loadsStoredChoices_data()
{
    QTest::addColumn<QStringList>("stored"); // key=value
    QTest::addColumn<QStringList>("shown");  // number, interval, letter, then the boys' list
    QTest::newRow("K, 100, 0.25") << QStringList{"optAll=False", "optSel=10", "cmbNum=27", "cmbInterval=0"}
                                  << QStringList{"100", "0.25", "K", "Karl", "Kevin"};
    QTest::newRow("All wins over optSel")
        << QStringList{"optAll=True", "optSel=10"}
        << QStringList{"5", "1", "All", "Adam", "Ben", "Bob", "Karl", "Kevin", "Mark", "Zack"};
}

void TestMainWindow::loadsStoredChoices()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);
    Folder folder;
    for (const QString &kv : stored)
        store().setValue("Setting/" + kv.section('=', 0, 0), kv.section('=', 1));
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    QStringList seen{child<QComboBox>(&w, "cmbNamesNum")->currentText(),
                     child<QComboBox>(&w, "cmbLotteryInterval")->currentText(), child<QLineEdit>(&w, "txtLet")->text()};
    const QAbstractItemModel *boys = child(&w, "lstBoys")->findChild<QListView *>()->model();
    for (int i = 0; i < boys->rowCount(); ++i)
        seen << boys->index(i, 0).data().toString();
    QCOMPARE(seen, shown);
    QCOMPARE(child(&w, "lstBoys")->findChild<QLineEdit *>()->text(), shown.value(3));
    QCOMPARE(child<QLabel>(&w, "lblSname")->text(), QStringLiteral("......"));
}

void TestMainWindow::storesChoicesOnClose()
{
    Folder folder;
    const auto session = [&](const std::function<void(MainWindow &)> &use) {
        MainWindow w(folder.fakes.services(), folder.path());
        QVERIFY(w.load());
        use(w);
        w.close();
    };
    session([](MainWindow &) {});
    const QByteArray untouched = readAll(Folder::settingsFile());
    for (const char *key : {"Setting/DrawEachNameOnce", "Setting/KeepListBetweenSessions"})
        QVERIFY2(!store().contains(key), key); // never turned on, never written
    session([](MainWindow &) {});
    QCOMPARE(readAll(Folder::settingsFile()), untouched);
    store().setValue("Setting/optSel", "10");
    store().sync();
    session([](MainWindow &w) {
        child<QComboBox>(&w, "cmbNamesNum")->setCurrentIndex(27);
        child<QComboBox>(&w, "cmbLotteryInterval")->setCurrentIndex(0);
        QTest::mouseClick(child(&w, "optLetAll"), Qt::LeftButton);
        auto *once = child<QAction>(&w, "mnuDrawOnce");
        QVERIFY(once->isCheckable() && !once->isChecked());
        once->trigger();
        QVERIFY(w.lottery()->drawEachNameOnce());
        w.move(40, 60);
    });
    QStringList stored;
    for (const char *key : {"cmbNum", "cmbInterval", "optAll", "optSel", "Left", "Top", "DrawEachNameOnce"})
        stored << store().value(QStringLiteral("Setting/") + key).toString();
    QCOMPARE(stored, (QStringList{"27", "0", "True", "10", "600", "900", "True"})); // optSel kept from before
    session([](MainWindow &w) {
        QVERIFY(child<QAction>(&w, "mnuDrawOnce")->isChecked() && w.lottery()->drawEachNameOnce());
    });

    // A store that cannot be written is reported once, naming the file.
    const QString settingsFolder = QFileInfo(Folder::settingsFile()).absolutePath();
    QVERIFY(QDir(settingsFolder).removeRecursively());
    QVERIFY(QFile(settingsFolder).open(QIODevice::WriteOnly)); // a file where the folder belongs
    session([](MainWindow &) {});
    QFile::remove(settingsFolder);
    QCOMPARE(folder.fakes.dialogs.messages.size(), 1); // and nothing before
    QVERIFY(folder.fakes.dialogs.messages.first().text.contains(Folder::settingsFile()));
}

void TestMainWindow::unreadableNameFileHaltsAtOnce()
{
    Folder folder;
    QFile::remove(folder.file("guyname.txt"));
    SplashWindow splash(folder.fakes.services(), folder.path());
    const auto closeHalted = qScopeGuard([&splash] { delete splash.mainWindow(); }); // even after a failed check
    splash.show();
    QTRY_VERIFY(!folder.fakes.halt.codes.isEmpty());
    const auto &messages = folder.fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title + '|' + messages.first().text,
             "Error 53|File not found\r\n" + QDir::toNativeSeparators("/guyname.txt")
                 + "\r\n\r\nProgram can not continue and will halt now!");
    QCOMPARE(messages.first().parent, &splash);
    QVERIFY(splash.mainWindow() && !splash.mainWindow()->isVisible());
    QVERIFY(!QFile::exists(Folder::settingsFile())); // nothing stored

    // The splash stays until the main window shows; a later failure's box belongs to the main window.
    Folder later;
    SplashWindow shown(later.fakes.services(), later.path());
    const auto closeMain = qScopeGuard([&shown] { delete shown.mainWindow(); }); // even after a failed check
    struct SplashAtShow : QObject {
        QWidget *splash = nullptr;
        std::optional<bool> visible;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Show && qobject_cast<MainWindow *>(o) && !visible)
                visible = splash->isVisible();
            return false;
        }
    } atShow;
    atShow.splash = &shown;
    qApp->installEventFilter(&atShow);
    shown.show();
    QTRY_VERIFY(shown.mainWindow() && shown.mainWindow()->isVisible());
    QCOMPARE(atShow.visible, std::optional<bool>(true));
    QTRY_VERIFY(!shown.isVisible());
    QFile::remove(later.file("girlname.txt"));
    QTest::mouseClick(child(shown.mainWindow(), "optLet10"), Qt::LeftButton);
    QCOMPARE(later.fakes.dialogs.messages.size(), 1);
    QCOMPARE(later.fakes.dialogs.messages.first().parent, shown.mainWindow());
}

void TestMainWindow::namesAreShownAsTheyStand()
{
    Opened o(false, {"<b>Bo</b>", "<img src=\"/dev/zero\">"});
    o.w.names()->boys()->choose(0);
    auto *name = child<QLabel>(&o.w, "lblSname");
    QCOMPARE(name->text(), QStringLiteral("<b>Bo</b>"));
    // Drawn as text, tags and all: as wide as the literal characters.
    QVERIFY(name->sizeHint().width() >= name->fontMetrics().horizontalAdvance(QStringLiteral("<b>Bo</b>")));
    o.w.names()->boys()->choose(1);
    QVERIFY(name->sizeHint().height() < 100);
}

void TestMainWindow::aVeryLongNameShowsItsBeginning()
{
    const QString longName = "Anna" + QString(10 * 1024 * 1024, 'x');
    Opened o(true, {longName, "Ben"});
    o.w.names()->boys()->choose(0);
    o.w.rows()->append(longName, QStringLiteral("men"));
    const QString shown[] = {child<QLabel>(&o.w, "lblSname")->text(),
                             child(&o.w, "lstBoys")->findChild<QLineEdit *>()->text()};
    for (const QString &text : shown)
        QVERIFY2(text.startsWith("Annaxx") && text.size() < 2000, qPrintable(QString::number(text.size())));
    // Every list paints (a full layout of the line would take minutes).
    QVERIFY(!o.w.grab().isNull());
}

void TestMainWindow::looks()
{
    Opened o(true);
    // A name box's chosen row: the highlight's fill, the name in the highlighted text's colour.
    // (The Windows style draws the selection from the system theme, not the palette.)
#ifndef Q_OS_WIN
    o.w.names()->boys()->choose(1);
    auto *view = child(&o.w, "lstBoys")->findChild<QListView *>();
    const QRect row = view->visualRect(view->model()->index(1, 0));
    const QImage chosen = view->viewport()->grab(row).toImage();
    const QPalette::ColorGroup group = view->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const auto distance = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
    };
    const QPalette colours = view->palette();
    int fill = 0, text = 0; // the glyphs' pixels: off the fill, nearer the highlighted text than the text
    for (int y = 0; y < chosen.height(); ++y) {
        for (int x = 0; x < chosen.width(); ++x) {
            const QColor c = chosen.pixelColor(x, y);
            const bool filled = distance(c, colours.color(group, QPalette::Highlight)) < 24;
            fill += filled;
            text += !filled
                && distance(c, colours.color(group, QPalette::HighlightedText)) < distance(c, colours.color(group, QPalette::Text));
        }
    }
    QVERIFY2(fill > chosen.width() * chosen.height() / 2 && text > 5, qPrintable(QStringLiteral("%1 %2").arg(fill).arg(text)));
#endif
    // The drawn name and the row counter in dark grey: no pixel darker, some as dark.
    for (const char *name : {"lblSname", "lblIDNumber"}) {
        const QImage shot = child(&o.w, name)->grab().toImage();
        QVERIFY2(boxOf(shot, darkerThan(60)).isEmpty() && !boxOf(shot, darkerThan(71)).isEmpty(), name);
    }
    // The tick pictures drawn whole: the box around the coloured pixels on screen is that of the
    // picture itself, laid on a light grey like the button's face, at its own size.
    const auto coloured = [](QColor c) { return c.hsvSaturation() > 100; };
    for (const auto &[button, picture] :
         {std::pair{"cmdSelectAll", ":/pictures/check.png"}, {"cmdDeselectAll", ":/pictures/cross.png"}}) {
        QImage alone(16, 16, QImage::Format_RGB32);
        alone.fill(QColor(239, 239, 239));
        QPainter(&alone).drawImage(0, 0, QImage(picture));
        QCOMPARE(boxOf(child(&o.w, button)->grab().toImage(), coloured).size(), boxOf(alone, coloured).size());
    }
    // The letter frame's top border (the first row that differs from the window's background between the
    // caption and the letter display) runs through the caption's text and through txtLet's.
    const QImage frame = child(&o.w, "Frame1")->grab().toImage();
    int border = 1;
    while (border < 30 && frame.pixel(380, border) == frame.pixel(380, 0))
        ++border;
    for (const QRect span : {QRect(6, 0, 144, 20), QRect(462, 0, 29, 20)}) {
        const QRect text = boxOf(frame.copy(span), darkerThan(100));
        const QString rows = QString("text rows %1-%2, border %3").arg(text.top()).arg(text.bottom()).arg(border);
        QVERIFY2(text.top() < border && border < text.bottom(), qPrintable(rows));
        // ...but not through the ground on either side of the text.
        for (const int x : {span.left(), span.left() + text.left() - 2, span.left() + text.right() + 2})
            QVERIFY2(frame.pixel(x, border) == frame.pixel(380, 0), qPrintable(rows + QString(", x %1").arg(x)));
    }
    // The splash's rule under the banner, across the banner picture, and its outline.
    const QImage splash = SplashWindow(o.folder.fakes.services(), o.folder.path()).grab().toImage();
    for (const QPoint p :
         {QPoint(200, 49), QPoint(400, 49), QPoint(0, 20), QPoint(469, 20), QPoint(300, 0), QPoint(300, 119)})
        QCOMPARE(splash.pixel(p) & 0xffffffu, 0x808080u);
}

void TestMainWindow::everyTextReadsOnADarkPalette()
{
    const QPalette before = QApplication::palette();
    for (bool atStart : {true, false}) { // the desktop dark from the start, or switched to dark meanwhile
        if (atStart)
            QApplication::setPalette(darkPalette());
        Opened o(true);
        QApplication::setPalette(darkPalette());
        // The application's palette reaches existing windows through posted events.
        QTRY_COMPARE(o.w.palette().color(QPalette::Button), darkPalette().color(QPalette::Button));
        o.w.names()->boys()->choose(1);
        o.w.rows()->append("Ben", "men");
        o.w.lottery()->lotteryTick(); // a row counted
        QStringList poor;
        for (QWidget *w : o.w.findChildren<QWidget *>()) {
            // The Windows style paints a line edit's field from the system
            // theme, whatever the palette: only its text follows the palette.
#ifdef Q_OS_WIN
            const bool field = false;
#else
            const bool field = qobject_cast<QLineEdit *>(w);
#endif
            const bool text = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || field
                || qobject_cast<QComboBox *>(w);
            // Disabled controls and dimmed lock panels are meant to recede.
            if (!text || !w->isVisible() || !w->isEnabled() || w->accessibleDescription() == "off"
                || w->objectName() == "imgLogo" || w->size().isEmpty())
                continue;
            const double ratio = textContrast(w->grab().toImage());
            if (ratio < 4.5 && !(qobject_cast<QAbstractButton *>(w) && static_cast<QAbstractButton *>(w)->text().isEmpty()))
                poor << QStringLiteral("%1 %2").arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName()).arg(ratio, 0, 'f', 2);
        }
        // The letter display lies on the frame's border in the window's own ground, light or dark.
        const QImage frame = child(&o.w, "Frame1")->grab().toImage();
        const QRgb ground = frame.pixel(463, 1), window = frame.pixel(380, 0);
        QApplication::setPalette(before);
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(", ")));
        QCOMPARE(ground, window);
    }
}

void TestMainWindow::tabVisitsEachControlOnce()
{
    Opened o(true);
    QTest::mouseClick(child(&o.w, "optLet10"), Qt::LeftButton);
    child(&o.w, "lstBoys")->setFocus();
    QStringList visited;
    for (int i = 0; i < 24; ++i) {
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        visited << (focus ? focus->objectName() : "-");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Pause and Stop are disabled outside a run; of the letters, only the chosen one is a stop.
    QCOMPARE(visited, (QStringList{"lstBoys", "lstGirls", "cmdStart", "lstGenerator", "cmdSelectAll",
                                   "cmdDeselectAll", "cmdSaveAll", "cmdSaveSelected", "cmdGeneratorClear", "cmdPrint",
                                   "optBoys", "optGirls", "cmbNamesNum", "cmbLotteryInterval", "cmdBoysAdd",
                                   "cmdGirlsAdd", "cmdEmail", "cmdAbout", "cmdCopy", "cmdCopyAll", "optLet10",
                                   "Picture1", "lstBoys", "lstGirls"}));
}

void TestMainWindow::qtButtonsSpeakTheUsersLanguage()
{
    for (const auto &[locale, yes] : {std::pair{"de_DE", "&Ja"}, {"fr_FR", "&Oui"}, {"C", "&Yes"}}) {
        std::unique_ptr<QTranslator> installed(installQtTranslations(QLocale(locale), nullptr));
        QMessageBox box(QMessageBox::Question, "Lullara", "View?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString(yes));
    }
}

void TestMainWindow::nameBoxRepaintsTheRowsItLeaves()
{
    Opened o;
    auto *view = child(&o.w, "lstBoys")->findChild<QListView *>();
    // The view repaints a row that loses the selection when it is told so.
    QList<int> left;
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [&](const QItemSelection &, const QItemSelection &deselected) {
                for (const QModelIndex &i : deselected.indexes())
                    left << i.row();
            });
    for (int row : {1, 4, 2})
        o.w.names()->boys()->choose(row);
    QCOMPARE(left, (QList<int>{1, 4}));
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
}

void TestMainWindow::lockPanelsDimWhileTheLockIsOff_data()
{
    QTest::addColumn<Lock>("caps");
    QTest::addColumn<Lock>("scroll");
    QTest::addColumn<Lock>("num");
    QTest::newRow("Caps Lock alone") << Lock(true) << Lock(false) << Lock(false);
    QTest::newRow("Scroll Lock alone") << Lock(false) << Lock(true) << Lock(false);
    QTest::newRow("Num Lock alone") << Lock(false) << Lock(false) << Lock(true);
    QTest::newRow("none can be read") << Lock() << Lock() << Lock();
    QTest::newRow("Scroll Lock unreadable") << Lock(true) << Lock() << Lock(true);
}

void TestMainWindow::lockPanelsDimWhileTheLockIsOff()
{
    QFETCH(Lock, caps);
    QFETCH(Lock, scroll);
    QFETCH(Lock, num);
    PanelWindow lit(true), dim(false), window(caps, scroll, num);
    const int windowText = qGray(lit.bar.palette().color(QPalette::Active, QPalette::WindowText).rgb());
    const Lock locks[] = {caps, scroll, num};
    for (int panel : {2, 3, 4}) {
        // Normal text is the window text colour (give or take the smoothing of the glyphs' edges);
        // dimmed text is clearly lighter. A lock that cannot be read shows as off.
        const int normal = lit.darkest(panel), dimmed = dim.darkest(panel);
        QVERIFY2(qAbs(normal - windowText) <= 32 && dimmed - normal >= 60,
                 qPrintable(QStringLiteral("panel %1: normal %2, dimmed %3").arg(panel).arg(normal).arg(dimmed)));
        const bool on = locks[panel - 2].value_or(false);
        QVERIFY2(window.darkest(panel) == (on ? normal : dimmed),
                 qPrintable(QStringLiteral("panel %1 should read %2").arg(panel).arg(on ? "on" : "off")));
    }
}

void TestMainWindow::clockAndLocksKeepUp()
{
    PanelWindow window(false);
    // The clock shows the short time of the user's locale (read on either side, as a minute may turn).
    const QString before = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    const QString shown = window.bar.panel(5)->text();
    const QString after = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    QVERIFY2(shown == before || shown == after, qPrintable(shown + " / " + before));
    // A lock switched in another program shows within a second or so, with no event reaching this one.
    const int dimmed = window.darkest(3);
    window.shell.set(true);
    QTRY_VERIFY_WITH_TIMEOUT(window.darkest(3) < dimmed, 3000);
}

void TestMainWindow::lockKeysShowAtOnce()
{
    QKeyEvent caps(QEvent::KeyPress, Qt::Key_CapsLock, {}), scroll(QEvent::KeyRelease, Qt::Key_ScrollLock, {}),
        num(QEvent::KeyPress, Qt::Key_NumLock, {});
    QApplicationStateChangeEvent active(Qt::ApplicationActive); // the program becomes active
    PanelWindow window(false);
    const int dimmed = window.darkest(2);
    for (QEvent *event : std::initializer_list<QEvent *>{&caps, &scroll, &num, &active}) {
        for (bool on : {true, false}) { // switched on, and off again
            window.shell.set(on);
            QCoreApplication::sendEvent(&window.widget, event); // to the window, not to the bar
            QCOMPARE(std::pair(event->type(), window.darkest(2) < dimmed), std::pair(event->type(), on));
        }
    }
}

// The US names chosen in the "Name lists" window become the user's two name files and fill the
// main window's boxes; the bundled lists come back when those files are removed.
void TestMainWindow::usNamesBecomeTheListsAndGoAgain()
{
    Folder folder;
    QDir(userNameFolder()).removeRecursively();
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    const auto open = [&w] {
        child<QAction>(&w, "mnuNameLists")->trigger();
        return child<NameListsDialog>(&w, "dlgNameLists");
    };
    const auto text = [](QObject *dialog, const char *label) { return child<QLabel>(dialog, label)->text(); };
    // Without the data, only the bundled lists can be chosen.
    NameListsDialog *dialog = open();
    QVERIFY(!child(dialog, "optUsNames")->isEnabled() && !child(dialog, "cmbTopNames")->isEnabled());
    QVERIFY(child(dialog, "optUsNames")->toolTip().contains(kUsNamesFile));
    dialog->close();
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());

    // 12 boys and 12 girls born in the 2010s (12, 11, ... 1), one of each in the 1880s.
    QFile data(nameFilePath(folder.path(), kUsNamesFile));
    QVERIFY(data.open(QIODevice::WriteOnly));
    for (int i = 0; i < 12; ++i)
        data.write(QStringLiteral("M\tBoy%1\t,,,,,,,,,,,,,%2,\nF\tGirl%1\t,,,,,,,,,,,,,%2,\n")
                       .arg(QChar('a' + i)).arg(12 - i).toUtf8());
    data.write("M\tOldboy\t5,,,,,,,,,,,,,,\nF\tOldgirl\t5,,,,,,,,,,,,,,\n");
    data.close();
    dialog = open();
    QVERIFY(dialog->isVisible() && child<QRadioButton>(dialog, "optBundledNames")->isChecked());

    // On its indicator: the button is wider than its label, and the middle
    // lies beyond the label with Windows' smaller dialog font.
    QTest::mouseClick(child(dialog, "optUsNames"), Qt::LeftButton, {}, QPoint(6, child(dialog, "optUsNames")->height() / 2));
    auto *from = child<QComboBox>(dialog, "cmbFromDecade");
    auto *to = child<QComboBox>(dialog, "cmbToDecade");
    to->setCurrentText("1880s"); // the first decade follows
    QCOMPARE(from->currentText() + text(dialog, "lblBoysCount"), "1880sBoys: 1 of 1 names");
    from->setCurrentText("2010s"); // the last decade follows
    child<QComboBox>(dialog, "cmbTopNames")->setCurrentText("10");
    QCOMPARE(to->currentText() + text(dialog, "lblBoysCount"), "2010sBoys: 10 of 12 names");
    QCOMPARE(text(dialog, "lblGirlsCount"), "Girls: 10 of 12 names");
    QVERIFY(text(dialog, "lblGirlsPreview").startsWith("Girla, Girlb, Girlc, "));

    QTest::mouseClick(child(dialog, "cmdUseLists"), Qt::LeftButton);
    // Said in the status text; the window goes.
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());
    QCOMPARE(child<StatusBar>(&w, "stuMain")->panel(1)->text(), "The US names are in use: 10 boys' and 10 girls' names.");
    const QString boysFile = nameFilePath(userNameFolder(), "guyname.txt");
    QFile written(boysFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    written.close(); // Windows removes no open file
    QVERIFY(bytes.startsWith(kUsListMark.toUtf8() + ": boys' names\r\n"));
    QVERIFY(bytes.contains("\r\n# Chosen: the 10 most popular names of the 2010s, 10 names.\r\n"));
    QVERIFY(bytes.endsWith("again.\r\nBoya\r\nBoyb\r\nBoyc\r\nBoyd\r\nBoye\r\n"
                           "Boyf\r\nBoyg\r\nBoyh\r\nBoyi\r\nBoyj\r\n"));
    QCOMPARE(w.names()->boys()->count(), 10);
    QCOMPARE(w.names()->girls()->at(0), QStringLiteral("Girla"));

    // Opened again, the window starts from the lists in use.
    dialog = open();
    QVERIFY(child<QRadioButton>(dialog, "optUsNames")->isChecked());
    QCOMPARE(child<QComboBox>(dialog, "cmbTopNames")->currentText() + text(dialog, "lblBoysInUse"),
             "10Boys: US names, the 10 most popular of the 2010s: 10 names");
    QTest::mouseClick(child(dialog, "optBundledNames"), Qt::LeftButton, {}, QPoint(6, child(dialog, "optBundledNames")->height() / 2));
    QTest::mouseClick(child(dialog, "cmdUseLists"), Qt::LeftButton);
    QTRY_VERIFY(!w.findChild<NameListsDialog *>());
    QCOMPARE(child<StatusBar>(&w, "stuMain")->panel(1)->text(), "The bundled name lists are in use.");
    QVERIFY(!QFile::exists(boysFile) && !QFile::exists(nameFilePath(userNameFolder(), "girlname.txt")));
    QCOMPARE(w.names()->boys()->count(), Folder::defaultBoys().size() - 1); // its comment aside
    QVERIFY(folder.fakes.dialogs.messages.isEmpty());
}

// Double-click, Enter and "About this name…" open the card of the name under them: on the generated
// list, in either name box, on the drawn name. One card at a time.
void TestMainWindow::nameCardOpensFromEveryName()
{
    Opened o(true, {"Leslie", "John"});
    QVERIFY(QFile::copy(QStringLiteral(LULLARA_TEST_DATA_DIR "/usnames_small.txt"), nameFilePath(o.folder.path(), kUsNamesFile)));
    o.w.rows()->append("Mary", "women");
    o.w.names()->girls()->choose(o.w.names()->girls()->count() - 1); // Zoe, drawn
    auto *generated = child<QAbstractItemView>(&o.w, "lstGenerator");
    auto *boys = child(&o.w, "lstBoys")->findChild<QListView *>();
    auto *girls = child(&o.w, "lstGirls")->findChild<QListView *>();
    const auto middleOf = [](QAbstractItemView *view, int row) { return view->visualRect(view->model()->index(row, 0)).center(); };
    // As the mouse gives it: a press and a release, then the double-click and its release.
    const auto doubleClick = [](QWidget *target, QPoint at) {
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    };
    const auto card = [&o] {
        auto *shown = o.w.findChild<QWidget *>("frmNameCard");
        return shown && shown->isVisible() ? child<QLabel>(shown, "lblCardName")->text() : QStringLiteral("none");
    };
    const std::pair<std::function<void()>, QString> ways[] = {
        {[&] { doubleClick(generated->viewport(), middleOf(generated, 0)); }, "Mary"},
        {[&] { doubleClick(child(&o.w, "lblSname"), QPoint(80, 10)); }, "Zoe"},
        {[&] { boys->setCurrentIndex(boys->model()->index(1, 0)); QTest::keyClick(boys, Qt::Key_Return); }, "Leslie"},
        {[&] {
             emit girls->customContextMenuRequested(middleOf(girls, 0));
             auto *menu = child<QMenu>(&o.w, "mnuName");
             QVERIFY(menu->isVisible() && !child<QAction>(menu, "mnuCompare")->isVisible());
             child<QAction>(menu, "mnuAboutName")->trigger();
             menu->close();
         }, "Anna"},
    };
    for (const auto &[open, name] : ways) {
        open();
        QCOMPARE(card(), name);
    }
    QCOMPARE(o.w.findChildren<NameCard *>().size(), 1);
}

// "Keep the list between sessions": the rows and their ticks come back at the next start, before
// "Ready"; off, nothing is written. A write that fails is said once.
void TestMainWindow::keptListComesBack()
{
    const QString kept = QDir(userNameFolder()).filePath(kShortlistFile);
    const Shortlist made = {{"Zoë", "women", true}, {"Ben", "men", false}};
    // How often the item is chosen; then what is kept, the stored setting and what comes back.
    const std::tuple<int, QByteArray, QString, Shortlist> rows[] = {
        {0, "<missing>", "", {}},                 // never turned on: no trace
        {2, shortlistBytes({}), "", {}},          // on, then off before the names came: off at close, unstored
        {1, shortlistBytes(made), "True", made}};
    for (const auto &[toggles, file, stored, restored] : rows) {
        Folder folder;
        QFile::remove(kept);
        {
            MainWindow w(folder.fakes.services(), folder.path());
            QVERIFY(w.load());
            QVERIFY(!child<QAction>(&w, "mnuKeepList")->isChecked());
            for (int i = 0; i < toggles; ++i)
                child<QAction>(&w, "mnuKeepList")->trigger();
            w.rows()->append("Zoë", "women");
            w.rows()->append("Ben", "men");
            w.rows()->setTicked(1, true);
            w.close();
        }
        QCOMPARE(readAll(kept), file);
        QCOMPARE(store().value("Setting/KeepListBetweenSessions").toString(), stored);
        MainWindow again(folder.fakes.services(), folder.path());
        QVERIFY(again.load());
        QVERIFY(shortlistOf(*again.rows()) == restored);
        QCOMPARE(child<QAction>(&again, "mnuKeepList")->isChecked(), toggles == 1);
        QCOMPARE(child<StatusBar>(&again, "stuMain")->panel(1)->text(), QStringLiteral("Ready"));
        QVERIFY(folder.fakes.dialogs.messages.isEmpty());
    }
    // A folder where the file belongs: each change fails to be written, and that is said once.
    Folder folder;
    QVERIFY(QDir().mkpath(kept));
    MainWindow w(folder.fakes.services(), folder.path());
    QVERIFY(w.load());
    child<QAction>(&w, "mnuKeepList")->trigger();
    w.rows()->append("Anna", "women");
    w.rows()->setTicked(1, true);
    QCOMPARE(folder.fakes.dialogs.messages.size(), 1);
    QVERIFY2(folder.fakes.dialogs.messages.first().text.startsWith("The list could not be kept for the next session:\r\n"),
             qPrintable(folder.fakes.dialogs.messages.first().text));
    QDir(kept).removeRecursively();
}

// "Compare with a saved list…" on the generated list: the names on both lists, accents and case
// aside, how many each side had; ticked here or copied. A file of another kind is refused.
void TestMainWindow::comparesWithASavedList()
{
    Opened o(true);
    for (const char *name : {"Zoë", "Ben", "Anna", "José"})
        o.w.rows()->append(QString::fromUtf8(name), "women");
    QTemporaryDir dir;
    const QString saved = dir.filePath("from-dad.htm"), other = dir.filePath("notes.txt");
    QFile file(saved), notes(other);
    QVERIFY(file.open(QIODevice::WriteOnly) && notes.open(QIODevice::WriteOnly));
    file.write(htmlExport({{"ZOË", "Carl", "jose\u0301", "Anna"}, 4, "1/2/2025 10:00:00", "/x/girl.gif"}));
    notes.write("Anna\r\nBen\r\n");
    file.close();
    notes.close();
    auto *generated = child<QAbstractItemView>(&o.w, "lstGenerator");
    emit generated->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(child<QAction>(&o.w, "mnuCompare")->isVisible());
    child<QMenu>(&o.w, "mnuName")->close();

    o.folder.fakes.dialogs.openResults << std::nullopt << other << saved;
    for (int i = 0; i < 2; ++i) // cancelled, then a file of another kind
        child<QAction>(&o.w, "mnuCompare")->trigger();
    QVERIFY(!o.w.findChild<QDialog *>("dlgCompare"));
    QCOMPARE(o.folder.fakes.dialogs.messages.size(), 1);
    QCOMPARE(o.folder.fakes.dialogs.messages.first().text, std::get<QString>(readSavedList(other)));

    child<QAction>(&o.w, "mnuCompare")->trigger();
    auto *window = child<QDialog>(&o.w, "dlgCompare");
    QCOMPARE(child<QLabel>(window, "lblCompareCounts")->text(),
             "This list: 4 names\nfrom-dad.htm: 4 names\nOn both lists: 3 names");
    auto *shared = child<QListWidget>(window, "lstShared");
    QStringList names;
    for (int i = 0; i < shared->count(); ++i)
        names << shared->item(i)->text();
    QCOMPARE(names, QStringList({"Zoë", "Anna", "José"}));
    QTest::mouseClick(child(window, "cmdTickShared"), Qt::LeftButton);
    QCOMPARE(o.w.rows()->tickedTexts(), QStringList({"Zoë", "Anna", "José"}));
    QTest::mouseClick(child(window, "cmdCopyShared"), Qt::LeftButton);
    QCOMPARE(o.folder.fakes.clipboard.text, std::optional<QString>(clipboardText(names)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
