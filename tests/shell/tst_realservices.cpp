// The real desktop services: the Save As dialog driven by keys, and links and
// the text viewer against a throwaway desktop set-up (Linux).

#include "shell/realservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

// Writes a file that may also run as a script.
static bool writeFile(const QString &path, const QString &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) >= 0 && file.flush()
        && file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestRealServices : public QObject {
    Q_OBJECT

    QString path(const QString &name) const { return m_desktop.filePath(name); }
    QTemporaryDir m_desktop;

private slots:
    // A throwaway desktop for the whole run (GIO reads the XDG folders once): a handler for
    // x-lullara-test: links and HTML files, and a plain-text viewer that runs in a terminal.
    // The scripts write down their arguments.
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path("data/applications")) && QDir().mkpath(path("config")) && QDir().mkpath(path("terminal")));
        const QString record = QStringLiteral("#!/bin/sh\nfor a; do printf '%s|' \"$a\"; done > '%1'\n");
        const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Test\nExec=%1\nMimeType=%2;\n");
        QVERIFY(writeFile(path("link-handler"), record.arg(path("link.out"))) && writeFile(path("viewer"), "#!/bin/sh\n")
                && writeFile(path("terminal/xterm"), record.arg(path("terminal.out")))
                && writeFile(path("data/applications/test-link.desktop"),
                             entry.arg(path("link-handler") + " %u", "x-scheme-handler/x-lullara-test;text/html"))
                && writeFile(path("data/applications/test-viewer.desktop"),
                             entry.arg(path("viewer") + " %f", "text/plain") + "Terminal=true\n")
                && writeFile(path("config/mimeapps.list"), "[Default Applications]\nx-scheme-handler/x-lullara-test="
                             "test-link.desktop\ntext/html=test-link.desktop\ntext/plain=test-viewer.desktop\n"));
        // No desktop environment and no session bus: xdg-open takes its generic
        // way, which asks xdg-mime (and does so only when it sees a display).
        for (const char *name : {"XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                 "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION", "XDG_MENU_PREFIX"})
            qunsetenv(name);
        for (const auto &[name, value] : {std::pair{"XDG_DATA_HOME", path("data")}, {"XDG_CONFIG_HOME", path("config")},
                                          {"XDG_DATA_DIRS", path("none")}, {"XDG_CONFIG_DIRS", path("none")},
                                          {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path("no-bus")}, {"BROWSER", "false"}})
            qputenv(name, value.toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("DISPLAY", ":97");
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("name"); // typed into the dialog, in a folder that holds old.txt
        QTest::addColumn<bool>("askToCreate");
        QTest::addColumn<QString>("box");  // the box's text; empty: no box
        QTest::addColumn<bool>("chosen");  // Yes to the box (else No or Escape), the file chosen
        const QString create = QStringLiteral("\nThis file does not exist.\nDo you want to create it?");
        QTest::newRow("new file, Yes") << "names.txt" << true << "names.txt" + create << true;
        QTest::newRow("new file, No") << "names" << true << "names" + create << false;
        QTest::newRow("new file, not asked") << "names.htm" << false << "" << true;
        QTest::newRow("existing file, No") << "old.txt" << true << "old.txt already exists." << false;
        QTest::newRow("missing folder") << "gone/names.txt" << true
                                        << "names.txt\nPath does not exist.\nCheck the path and try again." << false;
    }

    void saveAs()
    {
        QFETCH(QString, name);
        QFETCH(bool, askToCreate);
        QFETCH(QString, box);
        QFETCH(bool, chosen);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        QVERIFY(writeFile(dir.filePath("old.txt"), QStringLiteral("Anna\r\n")));
        // Plays the user: the file typed into the first dialog, the box answered, a dialog that comes back cancelled.
        QString title, filter, asked;
        int dialogs = 0;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->isVisible()) {
                asked = box->text();
                QTest::keyClick(box, chosen ? Qt::Key_Return : Qt::Key_Escape);
            } else if (dialog && dialog->isVisible() && dialogs++ == 0) {
                title = dialog->windowTitle();
                filter = dialog->selectedNameFilter();
                auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                edit->setText(file);
                QTimer::singleShot(0, edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }); // may ask, in a loop of its own
            } else if (modal && modal->isVisible()) {
                modal->close();
            }
        });
        user.start(20);
        SaveAsRequest request{QStringLiteral("Save As..."), {"All Files (*.*)", "Text Document (*.txt)", "Html Document (*.htm;*.html)"}};
        request.confirmCreate = askToCreate;
        const auto result = RealDialogs().saveAs(nullptr, request);
        QCOMPARE(title + QLatin1Char('|') + filter, QStringLiteral("Save As...|Text Document (*.txt)"));
        QVERIFY2(box.isEmpty() ? asked.isEmpty() : asked.startsWith(box), qPrintable(asked));
        QCOMPARE(result ? QDir::fromNativeSeparators(result->fileName) + QString::number(result->filterIndex) : "",
                 chosen ? file + "2" : "");
        QCOMPARE(readFile(dir.filePath("old.txt")), QByteArray("Anna\r\n")); // the dialog only chooses
        QVERIFY(name == "old.txt" || !QFile::exists(file));
    }

    void launch_data()
    {
        QTest::addColumn<bool>("textFile"); // else a link
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("out");    // where the program started writes down its arguments
        QTest::addColumn<QString>("handed"); // what it writes; empty: a failure, nothing runs
        const QString names = path("saved names.htm"), viewer = "-e|" + path("viewer") + '|' + names + '|';
        QTest::newRow("link, handler runs") << false << "x-lullara-test:Anna%20Ben" << "link.out" << "x-lullara-test:Anna%20Ben|";
        QTest::newRow("link, no handler") << false << "x-lullara-none:Anna" << "link.out" << "";
        QTest::newRow("text file, the viewer runs in a terminal") << true << names << "terminal.out" << viewer;
        QTest::newRow("text file, no terminal") << true << names << "terminal.out" << "";
    }

    void launch()
    {
        QFETCH(bool, textFile);
        QFETCH(QString, target);
        QFETCH(QString, out);
        QFETCH(QString, handed);
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
            QSKIP("the desktop set-up needs xdg-open (package xdg-utils)");
        QFile::remove(path(out));
        const QByteArray systemPath = qgetenv("PATH");
        if (textFile) // the folder that holds the terminal, or none
            qputenv("PATH", path(handed.isEmpty() ? "none" : "terminal").toLocal8Bit());
        QList<OpenResult> answers;
        RealShell shell;
        const auto done = [&](OpenResult r) { answers.append(r); };
        textFile ? shell.openTextFile(target, done) : shell.openLink(target, done);
        qputenv("PATH", systemPath);
        QVERIFY(textFile || answers.isEmpty()); // the launcher answers later; the window does not wait
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 20000);
        QCOMPARE(std::pair(answers.first().ok, answers.first().errorCode != 0), std::pair(!handed.isEmpty(), handed.isEmpty()));
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(readFile(path(out))), handed, 5000);
    }
};

QTEST_MAIN(TestRealServices)
#include "tst_realservices.moc"
