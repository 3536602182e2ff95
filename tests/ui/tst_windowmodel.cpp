// A seeded random walk through what a user can do with the main window:
// clicks on the controls by name, F6 to F9, the menu, letters, gender,
// selectors, ticks, Clear, adding by hand, the run's timers (driven through
// the engine rather than waited for) and closing and reopening with the same
// settings store. After every step the window must show what a user who did
// these things expects. A failure prints the seed and the steps that led to
// it; LULLARA_SEED=<n> LULLARA_STEPS=<n> replays one walk.

#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <set>

#include "fixture.h"
#include "generator/draw.h"
#include "names/namefolder.h"
#include "output/shortlist.h"
#include "ui/mainwindow.h"
#include "ui/statusbar.h"

using namespace lullara;
using namespace lullara::test;

namespace {


// Lists long enough to scroll, with letters that hold no name at all.
QStringList longList(const QString &comment, const QString &letters, int perLetter)
{
    QStringList names{comment};
    for (const QChar letter : letters)
        for (int i = 0; i < perLetter; ++i)
            names << letter + QStringLiteral("a%1n").arg(QChar(u'a' + (i * 7) % 26)) + QString(i / 26 + 1, u'e');
    return names;
}

// What the window shows of the progress bar's fill: the run of highlight
// coloured pixels along its middle row, read from the screen (not repainted
// for the occasion, as grab() would).
[[maybe_unused]] int paintedFill(QWidget *bar)
{
    QWidget *window = bar->window();
    const QPoint at = bar->mapTo(window, QPoint(0, 0));
    const QImage shot = window->screen()
                            ->grabWindow(window->winId(), at.x(), at.y(), bar->width(), bar->height())
                            .toImage();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    int filled = 0;
    for (int x = 0; x < shot.width(); ++x) {
        const QColor c = shot.pixelColor(x, shot.height() / 2);
        if (c.hsvSaturation() > 60 && qAbs(c.hsvHue() - highlight.hsvHue()) < 20)
            ++filled;
    }
    return filled;
}

// Swallows the timer events of the objects it watches.
class TimerSilencer : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }
};

class Walk {
public:
    Walk(quint32 seed) : m_rng(seed), m_seed(seed) { open(); }
    ~Walk() { close(); }

    // Runs `steps` random steps; returns the first broken promise, or nothing.
    QString run(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            step();
            const QString broken = check();
            if (!broken.isEmpty())
                return QStringLiteral("seed %1, step %2: %3\nsteps:\n  %4")
                    .arg(m_seed).arg(i + 1).arg(broken, m_log.mid(std::max<qsizetype>(0, m_log.size() - 40)).join("\n  "));
        }
        return {};
    }

private:
    // ---- the window ----------------------------------------------------------
    void open()
    {
        m_w = std::make_unique<MainWindow>(m_folder.fakes.services(), m_folder.path());
        QVERIFY(m_w->load());
        m_w->show();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        m_w->lottery()->setRandomSource([this] { return float(m_rng.bounded(1000)) / 1000.0f; });
        // The walk's own ticks are a run's only ones, and the paused status does
        // not blink: the real timers would also tick whenever a step takes longer
        // than their interval (a slow machine, Wine).
        for (const char *name : {"TimerNumber", "TimerLottery", "stuFlash"})
            child<QTimer>(m_w->lottery(), QString::fromLatin1(name))->installEventFilter(&m_silencer);
        // What every fresh window shows.
        m_gender = Gender::Boys;
        m_running = m_timers = m_paused = false;
        m_freshLoad = true;
        m_rows.clear();
        m_ticks = 0;
        m_tainted = false;
    }
    void close()
    {
        if (m_w) {
            // Off again, so the next window opens on an empty list, as the walk expects.
            if (m_kept) {
                c<QAction>("mnuKeepList")->trigger();
                m_kept = false;
            }
            m_w->close();
            m_w.reset();
        }
    }
    QWidget *c(const char *name) { return child(m_w.get(), QString::fromLatin1(name)); }
    template <typename T> T *c(const char *name) { return child<T>(m_w.get(), QString::fromLatin1(name)); }
    NameList *list(Gender g) { return m_w->names()->list(g); }
    int wanted() { return int(selectorNumber(c<QComboBox>("cmbNamesNum")->currentText())); }
    void click(const char *name) { QTest::mouseClick(c(name), Qt::LeftButton); }
    void key(Qt::Key k) { QTest::keyClick(m_w.get(), k); }
    int pick(int n) { return int(m_rng.bounded(n)); }
    void log(const QString &s) { m_log << s; }

    // ---- the user's commands, as the model expects them to act ----------------
    void startRun()
    {
        const int n = wanted();
        NameList *source = list(m_gender);
        std::set<QString> drawable;
        for (int p = 1; p < source->count(); ++p)
            drawable.insert(source->at(p));
        if (n > source->count() || (m_once && n > int(drawable.size())))
            return; // refused with a message; nothing changes
        m_running = m_timers = true;
        m_rows.clear();
        m_ticks = m_progressTicks = 0;
        m_wantedAtStart = n;
        m_intervalAtStart = selectorNumber(c<QComboBox>("cmbLotteryInterval")->currentText());
        m_tainted = false;
        m_onceRun = m_once;
    }
    void stopRun() { m_running = m_timers = m_paused = false; }
    void pauseRun() { m_paused = true; m_timers = false; }
    void resumeRun()
    {
        m_tainted = m_tainted || !m_running; // resumed without a Start: the rows were never emptied
        m_paused = false;
        m_timers = true;
    }

    void step()
    {
        m_freshLoad = false; // the boxes' first look is checked right after a load only
        m_status.clear(); // known after the steps that set it
        m_added = false;
        const int action = pick(28);
        switch (action >= 24 ? 6 : action) { // the run's commands twice as often
        case 0: case 1: {
            const char *g = pick(2) ? "optBoys" : "optGirls";
            if (pick(2)) {
                log(QStringLiteral("click %1").arg(g));
                click(g);
            } else {
                log(QStringLiteral("Space on %1").arg(g));
                c(g)->setFocus();
                QTest::keyClick(c(g), Qt::Key_Space);
            }
            m_gender = QByteArray(g) == "optBoys" ? Gender::Boys : Gender::Girls;
            break;
        }
        case 2: case 3: {
            // Mostly letters that hold names, so that runs can start.
            static const int filled[] = {0, 1, 10, 11, 12, 25, 26, 26};
            const int i = pick(3) == 0 ? pick(27) : filled[pick(8)];
            const QString name = i == 26 ? QStringLiteral("optLetAll") : QStringLiteral("optLet%1").arg(i);
            log("click " + name);
            QTest::mouseClick(child(m_w.get(), name), Qt::LeftButton);
            m_letter = i == 26 ? QStringLiteral("All") : QString(QChar(u'A' + i));
            m_freshLoad = true;
            break;
        }
        case 4: {
            auto *num = c<QComboBox>("cmbNamesNum");
            const int i = pick(6) == 0 ? pick(num->count()) : pick(8); // mostly short runs
            log(QStringLiteral("cmbNamesNum %1").arg(num->itemText(i)));
            num->setCurrentIndex(i);
            m_tainted = m_tainted || m_timers || m_paused;
            break;
        }
        case 5: {
            auto *interval = c<QComboBox>("cmbLotteryInterval");
            const int i = pick(8);
            log(QStringLiteral("cmbLotteryInterval %1").arg(interval->itemText(i)));
            interval->setCurrentIndex(i);
            break;
        }
        case 6: case 7: {
            const int how = pick(3);
            const int command = pick(4);
            static const char *const buttons[] = {"cmdStart", "cmdStop", "chkPause", "chkPause"};
            static const char *const items[] = {"mnuGo", "mnuStop", "mnuPause", "mnuResume"};
            static const Qt::Key keys[] = {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9};
            if (how == 0) {
                log(QStringLiteral("key F%1").arg(6 + command));
                key(keys[command]);
            } else if (how == 1) {
                auto *menu = c<QMenu>("mnuMain");
                emit menu->aboutToShow();
                // The opened menu offers Pause or Resume as the pause says.
                if (c<QAction>("mnuPause")->isEnabled() == m_paused || c<QAction>("mnuResume")->isEnabled() != m_paused)
                    m_broken = QStringLiteral("paused %1, the menu offers Pause %2, Resume %3").arg(m_paused)
                                   .arg(c<QAction>("mnuPause")->isEnabled()).arg(c<QAction>("mnuResume")->isEnabled());
                auto *item = c<QAction>(items[command]);
                log(QStringLiteral("menu %1%2").arg(items[command], item->isEnabled() ? "" : " (disabled)"));
                if (!item->isEnabled())
                    return;
                item->trigger();
            } else {
                QWidget *b = c(buttons[command]);
                log(QStringLiteral("click %1%2").arg(buttons[command], b->isEnabled() ? "" : " (disabled)"));
                if (!b->isEnabled())
                    return;
                const bool pausing = command >= 2 && !c<QToolButton>("chkPause")->isChecked();
                QTest::mouseClick(b, Qt::LeftButton);
                if (command >= 2) {
                    pausing ? pauseRun() : resumeRun();
                    return;
                }
            }
            switch (command) {
            case 0: startRun(); break;
            case 1: stopRun(); break;
            case 2: pauseRun(); break;
            case 3: resumeRun(); break;
            }
            break;
        }
        case 8: case 9: case 10: case 11: case 12: case 13: {
            if (!m_timers) {
                log("(no timer runs)");
                return;
            }
            // 100 ms of the run: a number tick, and the lottery tick when its interval is up.
            // A list of fewer than two names draws nothing, and the bar stays.
            const bool draws = list(m_gender)->count() >= 2;
            m_progressTicks += draws;
            ++m_ticks;
            log(QStringLiteral("number tick %1").arg(m_ticks));
            m_w->lottery()->numberTick();
            // The drawn number and name agree with the box the run draws from.
            const int drawn = c<QLabel>("lblNumber")->text().toInt();
            if (draws && !m_once
                && (c<QLabel>("lblSname")->text() != list(m_gender)->at(drawn) || list(m_gender)->current() != drawn
                    || c(m_gender == Gender::Boys ? "lstBoys" : "lstGirls")->findChild<QLineEdit *>()->text()
                        != list(m_gender)->at(drawn)))
                m_broken = QStringLiteral("number %1 shows %2, the box has %3 at %1 and chose %4")
                               .arg(drawn).arg(c<QLabel>("lblSname")->text(), list(m_gender)->at(drawn))
                               .arg(list(m_gender)->current());
            // The run ends at the tick that finds as many rows as the selector asks for.
            if (draws && m_rows.size() == wanted()) {
                stopRun();
                m_status = QStringLiteral("Finished. %1 names added successfully.").arg(m_rows.size());
                return;
            }
            const int every = std::max(1, int(std::floor(m_intervalAtStart * 1000.0)) / 100);
            if (m_ticks % every == 0 || (m_intervalAtStart < 0.1)) {
                const int messages = int(m_folder.fakes.dialogs.messages.size());
                const QString number = c<QLabel>("lblNumber")->text();
                log("lottery tick at " + number);
                // The name on display joins the list; a number the list no longer reaches (it was
                // reloaded meanwhile) or a list too short to draw from is said in a box, and the run ends.
                NameList *source = list(m_gender);
                const int k = number.toInt();
                const bool fails = source->count() < 2 || k >= source->count();
                m_w->lottery()->lotteryTick();
                if (fails != (m_folder.fakes.dialogs.messages.size() > messages))
                    m_broken = QStringLiteral("the tick at %1 of %2 names %3 a box").arg(k).arg(source->count())
                                   .arg(fails ? "showed no" : "showed");
                if (fails) {
                    stopRun();
                } else if (!(m_once && m_rows.contains(source->at(k)))) {
                    m_rows << source->at(k);
                    m_status = QStringLiteral("%1 Names Added, Analyzing...").arg(m_rows.size());
                    m_added = true;
                }
            }
            break;
        }
        case 14: {
            log("click cmdGeneratorClear");
            click("cmdGeneratorClear");
            m_rows.clear();
            m_status = QStringLiteral("Ready");
            if (c<QLabel>("lblNumber")->text() != "0000" || c<QLabel>("lblIDNumber")->text() != "0")
                m_broken = "Clear left the counters at " + c<QLabel>("lblNumber")->text() + "/"
                    + c<QLabel>("lblIDNumber")->text();
            break;
        }
        case 15: {
            const bool boys = pick(2);
            NameList *source = list(boys ? Gender::Boys : Gender::Girls);
            const QString name = source->count() == 0 ? QString()
                                                      : source->at(source->current() < 0 ? 0 : source->current());
            log(QStringLiteral("click %1 (%2)").arg(boys ? "cmdBoysAdd" : "cmdGirlsAdd", name));
            click(boys ? "cmdBoysAdd" : "cmdGirlsAdd");
            if (!name.isEmpty() && !m_rows.contains(name)) {
                m_rows << name;
                m_tainted = m_added = true;
            }
            break;
        }
        case 16: {
            // A name picked in a box, with the mouse, where the box shows it.
            auto *view = c(pick(2) ? "lstBoys" : "lstGirls")->findChild<QListView *>();
            const QModelIndex index = view->indexAt(QPoint(5, 2 + pick(view->viewport()->height() - 4)));
            if (!index.isValid())
                return;
            log(QStringLiteral("click %1 in %2").arg(index.data().toString(), view->parentWidget()->objectName()));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            if (c<QLabel>("lblSname")->text() != index.data().toString())
                m_broken = "the drawn name shows " + c<QLabel>("lblSname")->text() + " after a click on "
                    + index.data().toString();
            break;
        }
        case 17: {
            auto *view = c(pick(2) ? "lstBoys" : "lstGirls")->findChild<QListView *>();
            QScrollBar *bar = view->verticalScrollBar();
            const int to = bar->maximum() > 0 ? pick(bar->maximum() + 1) : 0;
            log(QStringLiteral("scroll %1 to %2").arg(view->parentWidget()->objectName()).arg(to));
            bar->setValue(to);
            break;
        }
        case 18: {
            // Ticks with the keyboard, then all or none with the buttons; Copy Selected shows them.
            auto *generated = c<QListView>("lstGenerator");
            const int what = pick(3);
            if (what == 0 && !m_rows.isEmpty()) {
                const int row = pick(int(m_rows.size()));
                log(QStringLiteral("Space on row %1").arg(row + 1));
                generated->setFocus();
                generated->setCurrentIndex(generated->model()->index(row, 0));
                QTest::keyClick(generated, Qt::Key_Space);
                toggle(row);
            } else if (what == 1) {
                log("click cmdSelectAll");
                click("cmdSelectAll");
                m_tickedRows.assign(m_rows.size(), true);
            } else {
                log("click cmdDeselectAll");
                click("cmdDeselectAll");
                m_tickedRows.assign(m_rows.size(), false);
            }
            click("cmdCopy");
            QStringList ticked;
            for (int i = 0; i < m_rows.size(); ++i)
                if (i < int(m_tickedRows.size()) && m_tickedRows[size_t(i)])
                    ticked << m_rows.at(i);
            const auto &clip = m_folder.fakes.clipboard.text;
            const QString copied = clip ? *clip : QString();
            const QString expected = ticked.isEmpty() ? QString() : ticked.join("\r\n") + "\r\n";
            if (copied != expected)
                m_broken = "Copy Selected gave [" + copied + "], the ticked rows are [" + ticked.join(',') + "]";
            break;
        }
        case 19: {
            log("click cmdCopyAll");
            click("cmdCopyAll");
            const auto &clip = m_folder.fakes.clipboard.text;
            const QString expected = m_rows.isEmpty() ? QString() : m_rows.join("\r\n") + "\r\n";
            if ((clip ? *clip : QString()) != expected)
                m_broken = "Copy All gave [" + (clip ? *clip : QString()) + "]";
            break;
        }
        case 20: {
            if (pick(3) == 0) {
                log(QStringLiteral("menu mnuKeepList %1").arg(m_kept ? "off" : "on"));
                c<QAction>("mnuKeepList")->trigger();
                m_kept = !m_kept;
                break;
            }
            auto *once = c<QAction>("mnuDrawOnce");
            log(QStringLiteral("menu mnuDrawOnce %1").arg(m_once ? "off" : "on"));
            once->trigger();
            m_once = !m_once;
            m_onceRun = false;
            break;
        }
        case 22: {
            // A name picked with the keyboard in a box shows in its field and as the drawn name.
            QWidget *box = c(pick(2) ? "lstBoys" : "lstGirls");
            auto *view = box->findChild<QListView *>();
            const Qt::Key k = pick(2) ? Qt::Key_Down : Qt::Key_Up;
            log(QStringLiteral("%1 in %2").arg(k == Qt::Key_Down ? "Down" : "Up", box->objectName()));
            view->setFocus();
            const QModelIndexList before = view->selectionModel()->selectedIndexes();
            QTest::keyClick(view, k);
            const QModelIndexList chosen = view->selectionModel()->selectedIndexes();
            const QString name = chosen.isEmpty() ? QString() : chosen.first().data().toString();
            if (!chosen.isEmpty() && chosen != before
                && (c<QLabel>("lblSname")->text() != name || box->findChild<QLineEdit *>()->text() != name))
                m_broken = "the keys chose " + name + ", the field shows " + box->findChild<QLineEdit *>()->text()
                    + ", the drawn name " + c<QLabel>("lblSname")->text();
            break;
        }
        case 23: {
            const QPoint to(pick(400), pick(300));
            log(QStringLiteral("move the window to %1,%2").arg(to.x()).arg(to.y()));
            m_w->move(to);
            break;
        }
        case 21: {
            if (pick(4))
                return; // reopening is slow: now and then
            const QStringList before = shown();
            log("close and reopen");
            close();
            open();
            if (shown() != before)
                m_broken = "reopened as " + shown().join('|') + ", closed as " + before.join('|');
            break;
        }
        }
    }

    // What a closed and reopened window must show again.
    QStringList shown()
    {
        return {c<QComboBox>("cmbNamesNum")->currentText(), c<QComboBox>("cmbLotteryInterval")->currentText(),
                c<QLineEdit>("txtLet")->text(), c<QAction>("mnuDrawOnce")->isChecked() ? "once" : "repeat",
                QStringLiteral("%1,%2").arg(m_w->pos().x()).arg(m_w->pos().y())};
    }

    void toggle(int row)
    {
        m_tickedRows.resize(m_rows.size(), false);
        m_tickedRows[size_t(row)] = !m_tickedRows[size_t(row)];
    }

    // ---- what the window must show -----------------------------------------------
    QString check()
    {
        if (!m_broken.isEmpty())
            return m_broken;
        m_tickedRows.resize(m_rows.size(), false);
        if (m_rows.isEmpty())
            m_tickedRows.clear();
        for (int i = 0; i < 2; ++i)
            QCoreApplication::processEvents(); // the window repaints what changed

        auto *boys = c<QRadioButton>("optBoys");
        auto *girls = c<QRadioButton>("optGirls");
        if (boys->isChecked() == girls->isChecked())
            return QStringLiteral("BOY %1, GiRL %2").arg(boys->isChecked()).arg(girls->isChecked());
        if (girls->isChecked() != (m_gender == Gender::Girls) || m_w->lottery()->gender() != m_gender)
            return "the gender chosen is not the one last clicked";

        // The letter: shown, in force, chosen, and the letter group's Tab stop.
        QRadioButton *chosen = nullptr;
        for (auto *b : c("Frame1")->findChildren<QRadioButton *>())
            if (b->isChecked())
                chosen = chosen ? (m_broken = "two letters chosen", b) : b;
        if (!chosen || chosen->text() != m_letter || c<QLineEdit>("txtLet")->text() != m_letter
            || m_w->names()->letterFilter() != m_letter)
            return QStringLiteral("letter %1: chosen %2, shown %3").arg(m_letter, chosen ? chosen->text() : "none",
                                                                          c<QLineEdit>("txtLet")->text());
        QWidget *focus = QApplication::focusWidget();
        c("cmdCopyAll")->setFocus();
        QTest::keyClick(c("cmdCopyAll"), Qt::Key_Tab);
        if (QApplication::focusWidget() != chosen)
            return "Tab after Copy All reaches " + (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "nothing")
                + ", not the chosen letter " + chosen->objectName();
        if (focus)
            focus->setFocus();
        for (Gender g : {Gender::Boys, Gender::Girls}) {
            NameList *names = list(g);
            for (int i = 0; i < names->count(); ++i)
                if (m_letter != "All" && !names->at(i).startsWith(m_letter))
                    return names->at(i) + " is listed under " + m_letter;
        }

        // Each box after a load: its first entry in the field and at the top of the list.
        if (m_freshLoad) {
            for (const char *name : {"lstBoys", "lstGirls"}) {
                QWidget *box = c(name);
                auto *view = box->findChild<QListView *>();
                const QString first = view->model()->rowCount() ? view->model()->index(0, 0).data().toString() : "";
                const QString top = view->indexAt(QPoint(5, 2)).data().toString();
                if (box->findChild<QLineEdit *>()->text() != first || top != first)
                    return QStringLiteral("%1 after a load: field %2, top row %3, first entry %4")
                        .arg(name, box->findChild<QLineEdit *>()->text(), top, first);
            }
        }

        // The run's controls.
        const bool startOn = c("cmdStart")->isEnabled(), stopOn = c("cmdStop")->isEnabled();
        auto *pause = c<QToolButton>("chkPause");
        if (startOn == m_running || stopOn != m_running || pause->isEnabled() != m_running
            || pause->isChecked() != m_paused || c("pgbGenerator")->isVisible() != m_running)
            return QStringLiteral("run %1, paused %2: Start %3, Stop %4, Pause %5 (ticked %6), bar %7")
                .arg(m_running).arg(m_paused).arg(startOn).arg(stopOn).arg(pause->isEnabled()).arg(pause->isChecked())
                .arg(c("pgbGenerator")->isVisible());
        if (m_paused && pause->text() != "Resume")
            return "paused, but the button says " + pause->text();
        if (m_running && m_w->lottery()->lotteryInterval() != int(std::floor(m_intervalAtStart * 1000.0)))
            return QStringLiteral("the run adds a name every %1 ms, the selector said %2 s")
                .arg(m_w->lottery()->lotteryInterval()).arg(m_intervalAtStart);

        // The bar's painted fill follows the run's progress. (The Windows
        // styles draw it in chunks, and Windows shows a repaint later.)
#ifndef Q_OS_WIN
        if (m_running) {
            auto *bar = c<QProgressBar>("pgbGenerator");
            const double max = m_wantedAtStart * std::floor(m_intervalAtStart * 100.0);
            double value = 0;
            for (int i = 0; i < m_progressTicks && value + 10 <= max; ++i)
                value += 10;
            const int expected = int(std::lround(value / max * (bar->width() - 4)));
            const int painted = paintedFill(bar);
            if (qAbs(painted - expected) > 4)
                return QStringLiteral("the bar shows %1 px of fill, its value %2 of %3 wants %4 px")
                    .arg(painted).arg(value).arg(max).arg(expected);
        }
#endif

        const QString status = c<StatusBar>("stuMain")->panel(1)->text();
        if (!m_status.isEmpty() && status != m_status)
            return "the status says " + status + ", not " + m_status;
        if (m_added && c<QListView>("lstGenerator")->currentIndex().row() != m_rows.size() - 1)
            return QStringLiteral("the mark is on row %1 of %2, not on the newest")
                .arg(c<QListView>("lstGenerator")->currentIndex().row() + 1).arg(m_rows.size());
        if (c<QAction>("mnuDrawOnce")->isChecked() != m_once)
            return "Draw each name once shows the other state";
        // While the list is kept, the file holds it as it stands.
        if (m_kept) {
            const auto kept = readShortlist(userNameFolder());
            if (!std::holds_alternative<Shortlist>(kept) || !(std::get<Shortlist>(kept) == shortlistOf(*m_w->rows())))
                return QStringLiteral("the kept list is not the list on screen");
        }
        if (m_onceRun && QSet<QString>(m_rows.begin(), m_rows.end()).size() != m_rows.size())
            return "a name was drawn twice: " + m_rows.join(',');

        // The generated list holds what the run and the user added, never more than asked.
        if (m_w->rows()->texts() != m_rows)
            return "the list holds [" + m_w->rows()->texts().join(',') + "], expected [" + m_rows.join(',') + "]";
        if (!m_tainted && m_wantedAtStart > 0 && m_rows.size() > m_wantedAtStart)
            return QStringLiteral("%1 rows of %2 wanted").arg(m_rows.size()).arg(m_wantedAtStart);
        if (c<QListView>("lstGenerator")->model()->rowCount() != m_rows.size())
            return "the generated list shows another number of rows";
        return {};
    }

    Folder m_folder{longList("# boys", "ABKMZ", 9), longList("# girls", "ABKLZ", 8)};
    std::unique_ptr<MainWindow> m_w;
    QRandomGenerator m_rng;
    quint32 m_seed;
    QStringList m_log;
    QString m_broken;

    Gender m_gender = Gender::Boys;
    QString m_letter = QStringLiteral("All");
    TimerSilencer m_silencer;
    bool m_running = false, m_timers = false, m_paused = false;
    bool m_freshLoad = true;
    bool m_once = false;     // Draw each name once, as the menu was last set
    bool m_onceRun = false;  // ... and so since the run started
    bool m_kept = false;     // Keep the list between sessions, as the menu was last set
    QString m_status;        // what the status must say after this step, where known
    bool m_added = false;    // this step added a row
    bool m_tainted = false; // N changed or a name added by hand during the run
    int m_wantedAtStart = 0;
    double m_intervalAtStart = 1;
    int m_ticks = 0;         // number ticks since Start
    int m_progressTicks = 0; // of them, those that moved the bar
    QStringList m_rows;
    std::vector<bool> m_tickedRows;
};

} // namespace

class TestWindowModel : public QObject {
    Q_OBJECT
public:
    // A window's update requests go out at the next turn of the event loop
    // rather than after Qt's usual 5 ms, so a step need not wait to see them.
    static void initMain() { qputenv("QT_QPA_UPDATE_IDLE_TIME", "0"); }

private slots:
    void init() { QFile::remove(Folder::settingsFile()); }
    void randomWalks_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps");
        const quint32 seed = qEnvironmentVariableIntValue("LULLARA_SEED");
        const int steps = qEnvironmentVariableIsSet("LULLARA_STEPS") ? qEnvironmentVariableIntValue("LULLARA_STEPS") : 600;
        if (seed) {
            QTest::newRow("replay") << seed << steps;
            return;
        }
        for (quint32 s : {1u, 2u, 3u, 4u, 5u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s << steps;
    }
    void randomWalks()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        Walk walk(seed);
        const QString broken = walk.run(steps);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_MAIN(TestWindowModel)
#include "tst_windowmodel.moc"
