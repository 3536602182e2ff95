// How stored settings text is read back, how window positions and numbers
// are written and read, the remembered Save As entry, keeping a restored
// window on a screen, and the settings file on disk as the main window meets
// it at start and on closing.

#include "app/settingsvalues.h"
#include "generator/draw.h"
#include "output/formats.h"

#include <QtTest>
#include <QtWidgets>

#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "fixture.h"
#include "shell/settingsfile.h"
#include "ui/mainwindow.h"

using namespace lullara;
using namespace lullara::test;

namespace {

// The locale whose decimal separator is a comma and whose full stop groups
// thousands: values written in one locale must read back in another.
struct GermanLocale {
    QLocale saved;
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(saved); }
};

// Nothing of the settings may hang the program. Should it all the same, this
// takes the obstacles away after a while (a pipe gets a writer, then goes,
// a folder goes), so that the test fails instead of waiting for ever.
class Watchdog {
public:
    explicit Watchdog(QStringList obstacles) : m_thread([this, obstacles] {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_done.wait_for(lock, std::chrono::seconds(20), [this] { return m_finished; }))
            return;
        m_barked = true;
        for (const QString &path : obstacles) {
#ifdef Q_OS_UNIX
            const QByteArray name = QFile::encodeName(path);
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (::rmdir(name.constData()) != 0)
                ::unlink(name.constData());
            if (fd >= 0)
                ::close(fd);
#else
            if (!QDir().rmdir(path))
                QFile::remove(path);
#endif
        }
    }) {}
    ~Watchdog() { stop(); }
    // Whether it had to take the obstacles away.
    bool stop()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_barked;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_barked = false;
    std::thread m_thread;
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

} // namespace

class TestSettingsValues : public QObject {
    Q_OBJECT

private slots:
    void interpretStored()
    {
        // Stored: Top, Left, cmbNum, cmbInterval, optAll, optSel, DrawEachNameOnce, KeepListBetweenSessions.
        // Expected: the positions in twips, then what the number, interval and
        // letter selectors and the menu's "each name once" and "keep the list" show.
        const GermanLocale german; // the store is read the same whatever the user's locale
        const QList<double> unset{100, 100};
        const QStringList defaults{"5", "1", "All", "-", "-"};
        const std::tuple<const char *, QList<double>, QStringList> rows[] = {
            {"||||||", unset, defaults}, // an empty store
            {"1500|3000|27|0|False|10|True|True", {1500, 3000}, {"100", "0.25", "K", "once", "kept"}}, // letter K
            {"||||True|10|False", unset, defaults}, // All after an earlier K
            {"||0|52||25||True", unset, {"1", "50", "Z", "-", "kept"}}, // optAll missing
            // What the program cannot have written falls back to that key's default.
            {"||||False|26|true|true", unset, defaults},
            {"abc|nan|five|1.5|False|K|1|1", unset, defaults},
            {"-30000|1507.5|28|-1|False|-1|", {-30000, 1507.5}, defaults}};
        const QStringList numbers = namesNumEntries(), intervals = lotteryIntervalEntries();
        for (const auto &[row, twips, shown] : rows) {
            const QStringList s = QString(row).split(u'|');
            const StoredText text{s[0], s[1], s[2], s[3], s[4], s[5], s[6], s.value(7)};
            const RestoredChoices c = lullara::interpretStored(text, int(numbers.size()), int(intervals.size()));
            QCOMPARE((QList<double>{c.topTwips, c.leftTwips}), twips);
            QCOMPARE((QStringList{numbers.value(c.numIndex, "<none>"), intervals.value(c.intervalIndex, "<none>"),
                                  c.letterIndex < 0 ? QStringLiteral("All") : QString(QChar('A' + c.letterIndex)),
                                  c.drawEachNameOnce ? "once" : "-", c.keepList ? "kept" : "-"}),
                     shown);
        }
    }
    void numbers()
    {
        const GermanLocale german; // no exponent, no grouping, no decimal comma, whatever the locale
        const std::pair<int, const char *> written[] = {{100, "1500"}, {-7, "-105"}, {100000, "1500000"}};
        for (const auto &[pixels, text] : written)
            QCOMPARE(lullara::twipsText(pixels), QString(text));
        const double inf = std::numeric_limits<double>::infinity();
        const std::pair<double, int> read[] = {{1507, 100}, {1508, 101}, {-105, -7}, {1e300, 16777215}, {inf, 0}};
        for (const auto &[twips, pixels] : read)
            QCOMPARE(lullara::twipsToPixels(twips), pixels);
        QCOMPARE(lullara::selectorNumber("0.25"), 0.25); // not twenty-five
        QCOMPARE(lullara::selectorNumber("100"), 100.0);
        QCOMPARE(lullara::selectorNumber("nothing"), 0.0);
    }
    void saveMethod()
    {
        // The Save As entry to open on; -1: the stored text is no 16-bit number.
        const GermanLocale german;
        const std::pair<const char *, int> rows[] = {{"", 2},      {"1", 1},      {"3", 3},       {"0", 2},
                                                     {"2.5", 2},   {"-32768", 2}, {"32768", -1}, {"html", -1}};
        for (const auto &[stored, expected] : rows)
            QCOMPARE(parseSaveMethod(stored), expected);
        // The entry chosen last, "All Files" (1) too, is the one offered next time, read back from the file.
        QTemporaryDir dir;
        const QString path = dir.filePath("Lullara.conf");
        for (int chosen : {1, 3, 2, 1}) {
            {
                SettingsFile file(path);
                StoredSettings(file).rememberSaveFilter(chosen);
            }
            SettingsFile again(path);
            QCOMPARE(StoredSettings(again).saveFilter(), chosen);
        }
    }
    // What stands where the settings file or its lock file belongs: the
    // boxes shown (first line and reason), and what the file holds after a
    // session that chose 100 names.
    void storeOnDisk_data()
    {
        QTest::addColumn<QString>("conf"); // "pipe", "folder", or the bytes to write
        QTest::addColumn<QString>("lock"); // "pipe", "folder" or nothing
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("stored"); // a line of the file afterwards, or "<no file>"
        const QStringList leftAlone{"The settings are left alone: / The settings file is not a regular file."};
        const QStringList lockless{"The settings could not be stored: / Its lock file %1.lock is not a regular file."};
        QTest::newRow("none yet") << QString() << QString() << QStringList() << QByteArray("cmbNum=27");
        QTest::newRow("damaged: starts with FF FE") << "\xFF\xFE[Setting]\r\ncmbNum=3\r\n" << QString() << QStringList()
                                                    << QByteArray("cmbNum=27");
        QTest::newRow("damaged: a NUL") << QString::fromLatin1("\0[Setting]\ncmbNum=3\n", 20) << QString()
                                        << QStringList() << QByteArray("cmbNum=27");
        QTest::newRow("a folder") << "folder" << QString() << leftAlone << QByteArray("<no file>");
        QTest::newRow("the lock file is a folder") << QString() << "folder" << lockless << QByteArray("<no file>");
#ifdef Q_OS_UNIX // Windows has no named pipes in the file system
        QTest::newRow("a pipe") << "pipe" << QString() << leftAlone << QByteArray("<no file>");
        QTest::newRow("the lock file is a pipe") << QString() << "pipe" << lockless << QByteArray("<no file>");
#endif
    }
    void storeOnDisk()
    {
#ifdef Q_OS_WIN
        QSKIP("the settings live in the registry here, never in a file the user can spoil");
#endif
        QFETCH(QString, conf);
        QFETCH(QString, lock);
        QFETCH(QStringList, boxes);
        Folder folder;
        const QString file = Folder::settingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        const auto put = [](const QString &what, const QString &path) {
#ifdef Q_OS_UNIX
            if (what == "pipe")
                QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
            if (what == "folder")
                QVERIFY(QDir().mkdir(path));
        };
        put(conf, file);
        if (conf != "pipe" && conf != "folder" && !conf.isEmpty()) {
            QFile bytes(file);
            QVERIFY(bytes.open(QIODevice::WriteOnly) && bytes.write(conf.toLatin1()) == conf.size());
        }
        put(lock, file + ".lock");
        bool jammed = false;
        {
            Watchdog watchdog({file, file + ".lock"});
            {
                MainWindow w(folder.fakes.services(), folder.path());
                QVERIFY(w.load());
                w.findChild<QComboBox *>("cmbNamesNum")->setCurrentIndex(27);
                w.close();
            }
            jammed = watchdog.stop();
        }
        const QFileInfo left(file);
        const bool stillThere = conf == "pipe" ? left.exists() && !left.isFile() && !left.isDir()
                                               : conf == "folder" ? left.isDir() : true;
        QStringList shown;
        for (const ShownMessage &m : folder.fakes.dialogs.messages)
            shown << m.text.section("\r\n", 0, 0) + " / " + m.text.section("\r\n", 3, 3);
        const QByteArray after = fileBytes(file);
        // Tidied away before the verdict.
        for (const QString &path : {file, file + ".lock"}) {
            if (!QDir().rmdir(path))
                QFile::remove(path);
        }
        QVERIFY2(!jammed, "the program hung on the settings file");
        QVERIFY2(stillThere, "something was written over it");
        for (QString &box : boxes)
            box = box.arg(QDir::toNativeSeparators(file));
        QCOMPARE(shown, boxes);
        QFETCH(QByteArray, stored);
        QVERIFY2(stored == "<no file>" ? after == stored : after.contains(stored), after.constData());
    }

    void keepOnScreen()
    {
        const QList<QRect> one{QRect(0, 0, 1920, 1080)};
        const QList<QRect> two{one[0], QRect(1920, 0, 1280, 1024)};
        const QList<QRect> gap{QRect(0, 0, 1000, 800), QRect(2000, 0, 1000, 800)};
        const std::tuple<QList<QRect>, QRect, QPoint> rows[] = {
            {one, QRect(-399, -299, 400, 300), QPoint(-399, -299)}, // one pixel on, above and left
            {one, QRect(1920, 100, 400, 300), QPoint(1520, 100)},   // just past the right edge
            {one, QRect(5000, 5000, 3000, 2000), QPoint(0, 0)},     // larger than the screen
            {{}, QRect(-5000, 0, 400, 300), QPoint(-5000, 0)},      // no screens
            {two, QRect(2500, 1050, 400, 300), QPoint(2500, 724)},  // below the shorter second screen
            {gap, QRect(1600, 100, 200, 100), QPoint(2000, 100)}};  // in the gap, nearer the right screen
        for (const auto &[screens, window, expected] : rows)
            QCOMPARE(lullara::keepOnScreen(window, screens), expected);
    }
};

QTEST_MAIN(TestSettingsValues)
#include "tst_settingsvalues.moc"
