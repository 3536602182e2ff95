// The name box's shortcuts give what the general ways give: plain names
// sorted by their letters come out in the collator's order, and the list's
// own entry drawing looks exactly like the style's.

#include <QApplication>
#include <QCollator>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTest>

#include <algorithm>

#include "fixture.h"
#include "ui/namebox.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// Names that test the collator: accents, hyphens, apostrophes, spaces,
// digits, case variants, prefixes of one another, and letter pairs that
// some languages sort apart (Danish "aa", Czech "ch", Lithuanian "y").
QStringList trickyNames()
{
    return {QStringLiteral("Anna"), QStringLiteral("anna"), QStringLiteral("ANNA"), QStringLiteral("aNNa"),
            QStringLiteral("Ann"), QStringLiteral("Annabel"), QStringLiteral("Anne-Marie"),
            QStringLiteral("Ann-Marie"), QStringLiteral("Annemarie"), QStringLiteral("Anne Marie"),
            QStringLiteral("D'Arcy"), QStringLiteral("Darcy"), QStringLiteral("O'Brien"), QStringLiteral("Obrien"),
            QStringLiteral("OBrien"), QStringLiteral("\u00c1ngel"), QStringLiteral("Angel"), QStringLiteral("angel"),
            QStringLiteral("\u00c9mile"), QStringLiteral("Emile"), QStringLiteral("Zo\u00eb"), QStringLiteral("Zoe"),
            QStringLiteral("Zoey"), QStringLiteral("\u00d6zt\u00fcrk"), QStringLiteral("Ozturk"),
            QStringLiteral("\u0141ukasz"), QStringLiteral("Lukas"), QStringLiteral("\u00c5sa"), QStringLiteral("Asa"),
            QStringLiteral("\u00d8ystein"), QStringLiteral("Oystein"), QStringLiteral("\u00c6sa"),
            QStringLiteral("Aaron"), QStringLiteral("Aase"), QStringLiteral("Chris"), QStringLiteral("Christa"),
            QStringLiteral("Hugo"), QStringLiteral("Ivy"), QStringLiteral("Yvonne"), QStringLiteral("Jim"),
            QStringLiteral("Name01"), QStringLiteral("Name1"), QStringLiteral("Name10"), QStringLiteral("Zack"),
            QStringLiteral("zack"), QStringLiteral("Zuzana"), QStringLiteral("Stra\u00dfe"), QStringLiteral("Strasse"),
            QStringLiteral("Ren\u00e9e"), QStringLiteral("Renee"), QStringLiteral("Ana-Lu\u00edsa"),
            QStringLiteral("Mary Ann"), QStringLiteral("MaryAnn"), QStringLiteral("Mary-Ann"), QStringLiteral(""),
            QStringLiteral("Anna"), QStringLiteral("Zoe")};
}

// Many made-up names from a fixed seed: mostly plain letters in random case,
// some with an accent, a hyphen, an apostrophe or a space.
QStringList manyNames(int count)
{
    static const char16_t extras[] = {u'\u00e9', u'\u00f6', u'\u00c5', u'-', u'\'', u' ', u'\u00f1', u'\u00df'};
    quint64 state = 20240601;
    auto next = [&state](quint64 below) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (state >> 33) % below;
    };
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name;
        const int length = 1 + int(next(7));
        for (int k = 0; k < length; ++k) {
            // Few different letters, so that many names share beginnings.
            const char16_t letter = char16_t(u'a' + next(5));
            name += QChar(next(3) == 0 ? char16_t(letter - 32) : letter);
            if (next(40) == 0)
                name += QChar(extras[next(sizeof extras / sizeof *extras)]);
        }
        names << name;
    }
    return names;
}

// The order the collator gives, case-insensitive, with the case-sensitive
// tie-break of the name box (Anna before anna).
QStringList collatorOrder(QStringList names, const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}

// A window like the main window's corner: a frame holding a name box.
struct BoxInFrame {
    QWidget window;
    QGroupBox frame{&window};
    NameBox box{&frame};

    BoxInFrame()
    {
        window.resize(240, 160);
        window.setBackgroundRole(QPalette::Button);
        window.setAutoFillBackground(true);
        frame.setGeometry(13, 9, 169, 135);
        box.setGeometry(8, 21, 153, 103);
    }
};

// What is on screen (the window's backing store), not a fresh rendering.
QImage onScreen(QWidget *window)
{
    return window->screen()->grabWindow(window->winId()).toImage();
}

bool samePicture(const QImage &first, const QImage &second, const char *what)
{
    // Pixels only: an opaque widget's picture comes without an alpha channel.
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    if (a == b)
        return true;
    a.save(QDir::temp().filePath(QStringLiteral("namebox-%1-a.png").arg(QLatin1String(what))));
    b.save(QDir::temp().filePath(QStringLiteral("namebox-%1-b.png").arg(QLatin1String(what))));
    return false;
}

} // namespace

class TestNameBoxShortcuts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void orderIsTheCollatorsOrder_data();
    void orderIsTheCollatorsOrder();
    void entriesLookLikeTheStylesEntries_data();
    void entriesLookLikeTheStylesEntries();
    void selectionStaysInView();
    void fieldLooksLikeAFramedLineEdit_data();
    void fieldLooksLikeAFramedLineEdit();
    void scrollBarsLookTheSame();
    void screenStaysRightDuringARun();
    void tabGoesFromTheFieldToTheList();
};

void TestNameBoxShortcuts::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestNameBoxShortcuts::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestNameBoxShortcuts::orderIsTheCollatorsOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("plainDirect"); // plain names skip the collator
    QTest::addColumn<QStringList>("names");
    // The C locale sorts as English.
    const struct {
        const char *name;
        bool plainDirect;
    } locales[] = {{"C", true},      {"en_US", true},  {"en_GB", true},  {"de_DE", false},
                   {"da_DK", false}, {"sv_SE", false}, {"cs_CZ", false}, {"lt_LT", false}};
    for (const auto &l : locales) {
        QTest::addRow("%s, tricky names", l.name) << QString::fromLatin1(l.name) << l.plainDirect << trickyNames();
        QTest::addRow("%s, 3000 made-up names", l.name)
            << QString::fromLatin1(l.name) << l.plainDirect << manyNames(3000);
    }
    QTest::addRow("C, plain names only") << QStringLiteral("C") << true
                                         << QStringList{QStringLiteral("bob"), QStringLiteral("Bob"),
                                                        QStringLiteral("Al"), QStringLiteral("al"),
                                                        QStringLiteral("alan")};
    QTest::addRow("C, no plain names") << QStringLiteral("C") << true
                                       << QStringList{QStringLiteral("\u00c9va"), QStringLiteral("Ev-a"),
                                                      QStringLiteral("E'va"), QStringLiteral("\u00e9va")};
}

void TestNameBoxShortcuts::orderIsTheCollatorsOrder()
{
    QFETCH(QString, locale);
    QFETCH(bool, plainDirect);
    QFETCH(QStringList, names);
    QLocale::setDefault(QLocale(locale));
    const QLocale collation = QLocale().language() == QLocale::C
        ? QLocale(QLocale::English, QLocale::UnitedStates)
        : QLocale();
    const QStringList expected = collatorOrder(names, collation);

    // All at once, as a name file loads.
    NameBox box;
    box.setNames(names);
    QCOMPARE(boxNames(&box), expected);

    // One by one, as names are added by hand.
    NameBox added;
    for (const QString &name : names)
        added.addItem(name);
    QCOMPARE(boxNames(&added), expected);

    // English takes the shortcut (so the comparisons above covered it); no
    // other language does.
    QCOMPARE(box.model()->comparesPlainNamesDirectly(), plainDirect);
}

void TestNameBoxShortcuts::entriesLookLikeTheStylesEntries_data()
{
    QTest::addColumn<int>("selected");   // -1: none
    QTest::addColumn<bool>("focused");   // the list has the keyboard focus
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("firstShown"); // the entry scrolled to the top
    QTest::addColumn<QString>("family"); // empty: the default font
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");

    const struct {
        const char *tag;
        int selected;
        bool focused;
        bool enabled;
        int firstShown;
    } states[] = {
        {"nothing selected", -1, false, true, 0},
        {"one selected", 2, false, true, 0},
        {"selected with focus", 3, true, true, 0},
        {"long names, cut short", 7, false, true, 5},
        {"accents, selected with focus", 10, true, true, 9},
        {"other scripts", 16, false, true, 14},
        {"disabled, one selected", 1, false, false, 0},
    };
    // The window's font (Liberation Sans at 11 pixels) and others, whose
    // line heights round differently.
    const struct {
        const char *family;
        int pixels;
        bool bold;
    } fonts[] = {{"", 0, false},
                 {"Liberation Sans", 11, false},
                 {"Liberation Sans", 12, true},
                 {"DejaVu Sans", 11, false},
                 {"DejaVu Sans", 13, false},
                 {"Liberation Serif", 15, false},
                 {"DejaVu Sans Mono", 10, false}};
    for (const auto &f : fonts) {
        for (const auto &st : states) {
            QTest::addRow("%s, %s %d", st.tag, *f.family ? f.family : "default font", f.pixels)
                << st.selected << st.focused << st.enabled << st.firstShown << QString::fromLatin1(f.family)
                << f.pixels << f.bold;
        }
    }
}

void TestNameBoxShortcuts::entriesLookLikeTheStylesEntries()
{
    QFETCH(int, selected);
    QFETCH(bool, focused);
    QFETCH(bool, enabled);
    QFETCH(int, firstShown);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);

    QWidget window;
    window.resize(200, 160);
    NameBox box(&window);
    box.setGeometry(8, 21, 153, 103);
    if (!family.isEmpty()) {
        QFont font(family);
        font.setPixelSize(pixels);
        font.setBold(bold);
        box.setFont(font);
    }
    // In their sorted order (positions as the rows above expect them).
    box.setNames({QStringLiteral("Adam"), QStringLiteral("Ben"), QStringLiteral("Carl"), QStringLiteral("Dora"),
                  QStringLiteral("Eve"), QStringLiteral("Fabian"), QStringLiteral("Gustav"),
                  QStringLiteral("Hildegard-Wilhelmina-Josephine"), QStringLiteral("Ida"),
                  QStringLiteral("J\u00f6rg"), QStringLiteral("K\u00e9vin \u00c5ngstr\u00f6m-M\u00fcller"),
                  QStringLiteral("Lu"), QStringLiteral("Mia"), QStringLiteral("Nils"), QStringLiteral("Ole"),
                  QStringLiteral("Pi\u0142sudski"), QStringLiteral("Qi \u674e"), QStringLiteral("R\u00f3is\u00edn"),
                  QStringLiteral("S\u00f8ren"), QStringLiteral("Tam\u00e1s")});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView *view = box.view();
    if (selected >= 0)
        box.setCurrentIndex(selected);
    if (focused) {
        window.activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
    }
    box.setEnabled(enabled);
    view->scrollTo(box.model()->index(firstShown), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();

    const QImage ours = view->viewport()->grab().toImage();
    QAbstractItemDelegate *own = view->itemDelegate();
    QStyledItemDelegate standard;
    view->setItemDelegate(&standard);
    const QImage styles = view->viewport()->grab().toImage();
    view->setItemDelegate(own);

    if (ours != styles) {
        ours.save(QDir::temp().filePath(QStringLiteral("namebox-ours.png")));
        styles.save(QDir::temp().filePath(QStringLiteral("namebox-style.png")));
        QFAIL("the list's entries differ from the style's (pictures saved in the temporary folder)");
    }
}

void TestNameBoxShortcuts::selectionStaysInView()
{
    // Selecting from code scrolls the list so that the entry shows, as a
    // run does ten times a second, wherever the mouse is.
    QStringList names;
    for (int i = 0; i < 500; ++i)
        names << QStringLiteral("Name%1").arg(i, 3, 10, QLatin1Char('0'));
    NameBox box;
    box.resize(153, 103);
    box.setNames(names);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (int position : {250, 3, 499, 0, 377, 378, 120}) {
        box.setCurrentIndex(position);
        QCoreApplication::processEvents();
        const QRect shown = box.view()->visualRect(box.model()->index(position));
        QVERIFY2(box.view()->viewport()->rect().contains(shown), qPrintable(QString::number(position)));
        QCOMPARE(box.view()->selectionModel()->selectedIndexes().value(0).row(), position);
    }
}

void TestNameBoxShortcuts::fieldLooksLikeAFramedLineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("a name") << QStringLiteral("Maximilian") << false << true;
    QTest::newRow("empty") << QString() << false << true;
    QTest::newRow("with focus") << QStringLiteral("Zo\u00eb") << true << true;
    QTest::newRow("disabled") << QStringLiteral("Anna") << false << false;
    QTest::newRow("too long") << QStringLiteral("Hildegard-Wilhelmina-Josephine von Hohenstein") << false << true;
}

void TestNameBoxShortcuts::fieldLooksLikeAFramedLineEdit()
{
    QFETCH(QString, text);
    QFETCH(bool, focused);
    QFETCH(bool, enabled);

    // The name box's field and, in the same place of an identical frame, a
    // standard framed line edit as tall as it wants to be.
    BoxInFrame ours;
    ours.box.setNames({QStringLiteral("Adam"), QStringLiteral("Ben")});
    QWidget *fieldFrame = ours.box.field()->parentWidget();
    QVERIFY(fieldFrame != &ours.box);
    BoxInFrame reference;
    reference.box.hide();
    QLineEdit standard(&reference.frame);
    QList<QWidget *> windows{&ours.window, &reference.window};
    for (QWidget *w : windows) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    QCOMPARE(fieldFrame->geometry(), QRect(0, 0, 153, standard.sizeHint().height()));
    standard.setGeometry(QRect(ours.box.mapTo(&ours.frame, fieldFrame->pos()), fieldFrame->size()));
    ours.box.setText(text);
    standard.setText(text);
    ours.box.setEnabled(enabled);
    standard.setEnabled(enabled);
    const QRect area(standard.geometry().translated(reference.frame.pos()));
    if (focused) {
        // Each window in turn is the active one, with its field focused.
        auto focusedPicture = [&area](QWidget *window, QWidget *field) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window))
                return QImage();
            field->setFocus();
            QCoreApplication::processEvents();
            return field->hasFocus() ? onScreen(window).copy(area) : QImage();
        };
        const QImage a = focusedPicture(&ours.window, ours.box.field());
        const QImage b = focusedPicture(&reference.window, &standard);
        QVERIFY(!a.isNull() && !b.isNull());
        QVERIFY(samePicture(a, b, "field-focused"));
        return;
    }
    // Neither field has the focus (a window gives it to its first control).
    for (QWidget *w : windows) {
        if (QWidget *f = w->focusWidget())
            f->clearFocus();
    }
    QCoreApplication::processEvents();
    QVERIFY(samePicture(ours.window.grab().toImage().copy(area), reference.window.grab().toImage().copy(area),
                        "field"));
}

void TestNameBoxShortcuts::scrollBarsLookTheSame()
{
    // The list's scroll bar keeps pictures of itself; each looks like a
    // standard scroll bar at the same place, and a picture is never shown
    // for another slider place.
    BoxInFrame setup;
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QStringLiteral("Name%1").arg(i);
    setup.box.setNames(names);
    // A standard list of the same size beside it.
    QStringListModel model(names);
    QListView standardList(&setup.window);
    standardList.setModel(&model);
    standardList.setUniformItemSizes(true);
    setup.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&setup.window));
    QScrollBar *bar = setup.box.view()->verticalScrollBar();
    QVERIFY(bar->isVisible());
    standardList.setGeometry(QRect(QPoint(190, 0), setup.box.view()->size()));
    QScrollBar *standard = standardList.verticalScrollBar();
    QTRY_COMPARE(standard->maximum(), bar->maximum());
    // Next to each end, the slider may stand where it stands at the end.
    for (int position : {120, 1, 0, 198, 199, 120, 57, 58, 1, 0, 150, 199, 198}) {
        setup.box.setCurrentIndex(position);
        standard->setValue(bar->value());
        QCoreApplication::processEvents();
        QVERIFY2(samePicture(bar->grab().toImage(), standard->grab().toImage(), "scrollbar"),
                 qPrintable(QString::number(position)));
    }
    // Filling the bar first changes nothing either.
    const QImage filled = setup.window.grab().toImage();
    bar->setAutoFillBackground(false);
    const QImage plain = setup.window.grab().toImage();
    bar->setAutoFillBackground(true);
    QVERIFY(samePicture(filled, plain, "scrollbar-fill"));
}

void TestNameBoxShortcuts::screenStaysRightDuringARun()
{
    // Ten draws a second repaint only parts of the box; what is on screen
    // afterwards is what a full repaint draws.
    BoxInFrame setup;
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names << QStringLiteral("Name %1").arg(i * 7919 % 1000);
    setup.box.setNames(names);
    setup.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&setup.window));
    for (int position : {250, 3, 299, 0, 177, 178, 64, 12, 290}) {
        setup.box.setCurrentIndex(position);
        QCoreApplication::processEvents();
    }
    // The field taking and losing the focus changes how its frame is drawn.
    setup.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&setup.window));
    setup.box.field()->setFocus();
    QTRY_VERIFY(setup.box.field()->hasFocus());
    setup.box.setCurrentIndex(40);
    QCoreApplication::processEvents();
    setup.box.view()->setFocus();
    QTRY_VERIFY(!setup.box.field()->hasFocus());
    setup.box.setCurrentIndex(41);
    QCoreApplication::processEvents();
    const QImage afterDraws = onScreen(&setup.window);
    setup.window.repaint();
    QCoreApplication::processEvents();
    QVERIFY(samePicture(afterDraws, onScreen(&setup.window), "run"));
}

void TestNameBoxShortcuts::tabGoesFromTheFieldToTheList()
{
    QWidget window;
    NameBox box(&window);
    QLineEdit after(&window);
    box.setNames({QStringLiteral("Adam"), QStringLiteral("Ben")});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box.field()->setFocus();
    QTRY_VERIFY(box.field()->hasFocus());
    QTest::keyClick(box.field(), Qt::Key_Tab);
    QVERIFY(box.view()->hasFocus());
    QTest::keyClick(box.view(), Qt::Key_Tab);
    QVERIFY(after.hasFocus());
    QTest::keyClick(&after, Qt::Key_Backtab);
    QVERIFY(box.view()->hasFocus());
    QTest::keyClick(box.view(), Qt::Key_Backtab);
    QVERIFY(box.field()->hasFocus());
}

QTEST_MAIN(TestNameBoxShortcuts)
#include "tst_namebox_perf.moc"
