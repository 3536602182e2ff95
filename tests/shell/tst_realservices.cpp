// The real desktop services: the Save As dialog driven by keys, links and
// the text viewer against a throwaway desktop set-up (Linux), and real
// printouts written as PDF files and read back, words and their places on the
// page, with pdftotext -bbox.

#include "shell/printing.h"
#include "shell/realservices.h"

#include <QPrinterInfo>
#include <QtTest>
#include <QtWidgets>

using namespace lullara;

struct PdfPage {
    qreal height = 0;
    QStringList words; // in reading order
    qreal top = 1e9, bottom = 0, lineHeight = 0; // of the text, in points from the top
};

// The pages of a PDF file as pdftotext sees them.
static QList<PdfPage> pdfPages(const QString &tool, const QString &pdf)
{
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(60000);
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (const auto &m : tag.globalMatch(QString::fromUtf8(run.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            pages.append(PdfPage{m.captured(1).toDouble(), {}});
            continue;
        }
        PdfPage &page = pages.last();
        const qreal top = m.captured(2).toDouble(), bottom = m.captured(3).toDouble();
        page.words << m.captured(4);
        page.top = std::min(page.top, top), page.bottom = std::max(page.bottom, bottom), page.lineHeight = bottom - top;
    }
    return pages;
}

class TestRealServices : public QObject {
    Q_OBJECT

    QString path(const QString &name) const { return m_desktop.filePath(name); }
    QTemporaryDir m_desktop;

private slots:
    // A throwaway desktop for the whole run (GIO reads the XDG folders once): a handler for x-lullara-test:
    // links, and a plain-text viewer that runs in a terminal. The handler and the terminal write down
    // their arguments.
    void initTestCase()
    {
        const QString record = QStringLiteral("#!/bin/sh\nfor a; do printf '%s|' \"$a\"; done > '%1'\n").arg(path("out"));
        const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Test\nExec=%1\nMimeType=%2;\n");
        for (const auto &[name, text] : {std::pair{"link-handler", record}, {"terminal/xterm", record}, {"viewer", record},
                                         {"data/applications/test-link.desktop",
                                          entry.arg(path("link-handler") + " %u", "x-scheme-handler/x-lullara-test")},
                                         {"data/applications/test-viewer.desktop",
                                          entry.arg(path("viewer") + " %f", "text/plain") + "Terminal=true\n"},
                                         {"config/mimeapps.list", "[Default Applications]\nx-scheme-handler/x-lullara-test="
                                                                  "test-link.desktop\ntext/plain=test-viewer.desktop\n"}}) {
            QFile file(path(name));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0
                    && file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        }
        // No desktop environment and no session bus: xdg-open takes its generic
        // way, which asks xdg-mime (and does so only when it sees a display).
        for (const auto &[name, value] :
             {std::pair{"XDG_DATA_HOME", path("data")}, {"XDG_CONFIG_HOME", path("config")}, {"XDG_DATA_DIRS", path("none")},
              {"XDG_CONFIG_DIRS", path("none")}, {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path("no-bus")}, {"BROWSER", "false"},
              {"XDG_CURRENT_DESKTOP", ""}, {"KDE_FULL_SESSION", ""}, {"GNOME_DESKTOP_SESSION_ID", ""}, {"DESKTOP_SESSION", ""},
              {"MATE_DESKTOP_SESSION_ID", ""}, {"XDG_MENU_PREFIX", ""}, {"DISPLAY", qEnvironmentVariable("DISPLAY", ":97")}})
            qputenv(name, value.toLocal8Bit());
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("name"); // typed into the dialog, in a folder that holds old.txt
        QTest::addColumn<QString>("box");  // the text of the box that asks
        QTest::addColumn<bool>("chosen");  // Yes to the box (else No or Escape), the file chosen
        const QString create = QStringLiteral("\nThis file does not exist.\nDo you want to create it?");
        QTest::newRow("new file, Yes") << "names.txt" << "names.txt" + create << true;
        QTest::newRow("new file, No") << "names" << "names" + create << false;
        QTest::newRow("existing file, No") << "old.txt" << "old.txt already exists." << false;
        QTest::newRow("missing folder") << "gone/names.txt" << "names.txt\nPath does not exist.\nCheck the path and try again." << false;
    }

    void saveAs()
    {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(bool, chosen);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        QVERIFY(QFile(dir.filePath("old.txt")).open(QIODevice::WriteOnly));
        // Plays the user: the file typed into the dialog, the box answered, the dialog cancelled when it comes back.
        QString dialog, asked;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && modal->inherits("QMessageBox")) {
                asked = modal->property("text").toString();
                QTest::keyClick(modal, chosen ? Qt::Key_Return : Qt::Key_Escape);
            } else if (modal && modal->isVisible() && dialog.isEmpty()) {
                const auto *files = modal->findChild<QTreeView *>(QStringLiteral("treeView"));
                if (files->model()->rowCount(files->rootIndex()) == 0)
                    return; // the folder is still being read
                dialog = modal->windowTitle() + '|' + qobject_cast<QFileDialog *>(modal)->selectedNameFilter();
                QWidget *edit = modal->findChild<QWidget *>(QStringLiteral("fileNameEdit"));
                edit->setProperty("text", file);
                QTimer::singleShot(0, edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }); // may ask, in a loop of its own
            } else if (modal && modal->isVisible()) {
                modal->close();
            }
        });
        user.start(20);
        SaveAsRequest request;
        request.title = QStringLiteral("Save As...");
        request.filters = {"All Files (*.*)", "Text Document (*.txt)", "Html Document (*.htm;*.html)"};
        const auto result = RealDialogs().saveAs(nullptr, request);
        QCOMPARE(dialog, QStringLiteral("Save As...|Text Document (*.txt)"));
        QVERIFY2(asked.startsWith(box), qPrintable(asked));
        QCOMPARE(result ? QDir::fromNativeSeparators(result->fileName) + QString::number(result->filterIndex) : "",
                 chosen ? file + "2" : "");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"}); // the dialog only chooses
    }

    void launch_data()
    {
        QTest::addColumn<bool>("textFile"); // else a link
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("handed"); // what the program started writes down; empty: a failure, nothing runs
        const QString names = path("saved names.htm"), viewer = "-e|" + path("viewer") + '|' + names + '|';
        QTest::newRow("link, handler runs") << false << "x-lullara-test:Anna%20Ben" << "x-lullara-test:Anna%20Ben|";
        QTest::newRow("link, no handler") << false << "x-lullara-none:Anna" << "";
        QTest::newRow("text file, the viewer runs in a terminal") << true << names << viewer;
        QTest::newRow("text file, no terminal") << true << names << "";
    }

    void launch()
    {
        QFETCH(bool, textFile);
        QFETCH(QString, target);
        QFETCH(QString, handed);
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
            QSKIP("the desktop set-up needs xdg-open (package xdg-utils)");
        QFile::remove(path("out"));
        const QByteArray systemPath = qgetenv("PATH"); // for a text file, the folder that holds the terminal, or none:
        qputenv("PATH", textFile ? path(handed.isEmpty() ? "none" : "terminal").toLocal8Bit() : systemPath);
        QList<OpenResult> answers;
        RealShell shell;
        const auto done = [&](OpenResult r) { answers.append(r); };
        textFile ? shell.openTextFile(target, done) : shell.openLink(target, done);
        qputenv("PATH", systemPath);
        QVERIFY(textFile || answers.isEmpty()); // the launcher answers later; the window does not wait
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 20000);
        QCOMPARE(std::pair(answers.first().ok, answers.first().errorCode != 0), std::pair(!handed.isEmpty(), handed.isEmpty()));
        const auto written = [&] { QFile out(path("out")); return out.open(QIODevice::ReadOnly) ? out.readAll() : ""; };
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(written()), handed, 5000);
    }

    void printout()
    {
        // The lines in order, inside the 20 mm margins, every page but the last filled down to the
        // bottom margin, and only this job's lines although another job went to the same file before.
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext is not installed: the printout cannot be read back");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Name %1").arg(i, 4, 10, QLatin1Char('0'));
        QtPrinter printer(pdf);
        QVERIFY(!printer.print({"Earlier 1", "Earlier 2"}));
        QVERIFY(!printer.print(lines));

        const QList<PdfPage> printed = pdfPages(tool, pdf);
        const qreal margin = 20 / 25.4 * 72; // 20 mm in points
        QCOMPARE(printed.size(), 3);
        QStringList words;
        for (const PdfPage &page : printed) {
            words += page.words;
            QVERIFY2(page.top >= margin - 1 && page.bottom <= page.height - margin + 1,
                     qPrintable(QStringLiteral("text from %1 to %2 pt").arg(page.top).arg(page.bottom)));
            QVERIFY(&page == &printed.last() || page.height - margin - page.bottom < page.lineHeight); // no room left
        }
        QCOMPARE(words, lines.join(QLatin1Char(' ')).split(QLatin1Char(' ')));
    }

    // A name of 10 MB prints its beginning, cut at the right margin, and is
    // never laid out whole (that took seconds, the window frozen meanwhile).
    void printoutElidesWhatCannotFit()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext is not installed: the printout cannot be read back");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QVERIFY(!QtPrinter(pdf).print({"Ben", "Anna" + QString(10 * 1024 * 1024, 'x'), "Carl"}));
        const QList<PdfPage> printed = pdfPages(tool, pdf);
        QCOMPARE(printed.size(), 1);
        const QStringList words = printed.first().words;
        QCOMPARE(words.size(), 3);
        QVERIFY2(words.at(1).startsWith("Annaxxx") && words.at(1).endsWith(QChar(0x2026)) && words.at(1).size() < 200,
                 qPrintable(words.at(1).left(300)));
        QCOMPARE(words.at(2), QStringLiteral("Carl"));
    }

    // Return in a box that asks before something the user made is lost
    // answers No; in the other Yes/No boxes it answers Yes.
    void returnTakesTheDefaultButton()
    {
        RealDialogs dialogs;
        for (const auto &[buttons, answer] : {std::pair{MsgButtons::YesNoDefaultNo, MsgAnswer::No},
                                              std::pair{MsgButtons::YesNo, MsgAnswer::Yes}}) {
            QTimer::singleShot(0, [] {
                QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
            });
            QCOMPARE(dialogs.message(nullptr, "Name lists", "Your own name list will be replaced", buttons,
                                     MsgIcon::Exclamation),
                     answer);
        }
    }

    void printerErrors()
    {
        QTemporaryDir dir;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        std::optional<PrintError> error = QtPrinter(dir.filePath("no such folder/printout.pdf")).print({"Anna"});
        QVERIFY(error && error->number == 482 && error->description.startsWith(QStringLiteral("Printer error: ")));
        // The default printer, else the only one; never a guess among several.
        const QStringList chosen = {choosePrinter("Office", {"Home", "Office"}).name,
                                    choosePrinter({}, {"Home"}).name, choosePrinter({}, {"Home", "Office"}).failure,
                                    choosePrinter({}, {}).failure};
        QCOMPARE(chosen, (QStringList{"Office", "Home", "no default printer is set", "no printer is installed"}));
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer: a real job would be printed");
        error = QtPrinter().print({"Anna"});
        QVERIFY(error && error->number == 482 && error->description == "Printer error: no printer is installed");
    }
};

QTEST_MAIN(TestRealServices)
#include "tst_realservices.moc"
