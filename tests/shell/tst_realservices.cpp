// The real desktop services: the Save As dialog driven by keys, and links and
// the text viewer against a throwaway desktop set-up (Linux).

#include "shell/realservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace lullara;

namespace {

// Runs `action` on the next modal widget of type T, from inside its event
// loop; after 10 s it closes whatever modal is open, so no test can hang.
template <typename T>
void onModal(std::function<void(T *)> action)
{
    auto *timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("modalWatcher"));
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, waited] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *wanted = qobject_cast<T *>(modal);
        if (!(wanted && wanted->isVisible()) && ++*waited < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (wanted && wanted->isVisible())
            action(wanted);
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    timer->start(20);
}

// Writes a file that may also run as a script.
bool writeFile(const QString &path, const QString &content)
{
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) >= 0;
    file.close();
    return ok && file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRealServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { qDeleteAll(qApp->findChildren<QTimer *>(QStringLiteral("modalWatcher"))); }
    void saveAs_data();
    void saveAs();
    void openLink_data();
    void openLink();
    void openTextFile_data();
    void openTextFile();

private:
    QString path(const char *name) const { return m_desktop.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_desktop;
};

// A throwaway desktop for the whole run (GIO reads the XDG folders once): a
// handler for x-lullara-test: links and HTML files, and a plain-text viewer
// that runs in a terminal. The scripts write down their arguments.
void TestRealServices::initTestCase()
{
    QVERIFY(QDir().mkpath(path("data/applications")) && QDir().mkpath(path("config")) && QDir().mkpath(path("terminal")));
    const QString record = QStringLiteral("#!/bin/sh\nfor a; do printf '%s|' \"$a\"; done > '%1'\n");
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Test\nExec=%1\nMimeType=%2;\n");
    QVERIFY(writeFile(path("link-handler"), record.arg(path("link.out"))));
    QVERIFY(writeFile(path("terminal/xterm"), record.arg(path("terminal.out"))));
    QVERIFY(writeFile(path("viewer"), QStringLiteral("#!/bin/sh\n")));
    QVERIFY(writeFile(path("data/applications/test-link.desktop"),
                      entry.arg(path("link-handler") + " %u", "x-scheme-handler/x-lullara-test;text/html")));
    QVERIFY(writeFile(path("data/applications/test-viewer.desktop"),
                      entry.arg(path("viewer") + " %f", "text/plain") + "Terminal=true\n"));
    QVERIFY(writeFile(path("config/mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/x-lullara-test=test-link.desktop\n"
                      "text/html=test-link.desktop\ntext/plain=test-viewer.desktop\n"));
    qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", path("none").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", path("none").toLocal8Bit());
    // No desktop environment and no session bus: xdg-open takes its generic
    // way, which asks xdg-mime (and does so only when it sees a display).
    for (const char *name : {"XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION", "XDG_MENU_PREFIX"})
        qunsetenv(name);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path("no-bus").toLocal8Bit());
    qputenv("BROWSER", "false");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("DISPLAY", ":97");
}

void TestRealServices::saveAs_data()
{
    QTest::addColumn<QString>("name");       // typed into the dialog
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("askToCreate");
    QTest::addColumn<bool>("yes");           // the answer to the box
    QTest::addColumn<QString>("box");        // the box's text; empty: no box
    QTest::addColumn<bool>("chosen");        // false: the dialog came back and was cancelled
    QTest::newRow("new file, Yes") << "names.txt" << false << true << true
                                   << "names.txt\nThis file does not exist.\nDo you want to create it?" << true;
    QTest::newRow("new file, No") << "names" << false << true << false
                                  << "names\nThis file does not exist.\nDo you want to create it?" << false;
    QTest::newRow("new file, not asked") << "names.htm" << false << false << true << "" << true;
    QTest::newRow("existing file, No") << "old.txt" << true << true << false << "old.txt already exists." << false;
    QTest::newRow("missing folder") << "gone/names.txt" << false << true << true
                                    << "names.txt\nPath does not exist.\nCheck the path and try again." << false;
}

void TestRealServices::saveAs()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QFETCH(bool, askToCreate);
    QFETCH(bool, yes);
    QFETCH(QString, box);
    QFETCH(bool, chosen);
    QTemporaryDir dir;
    const QString file = dir.filePath(name);
    QVERIFY(!exists || writeFile(file, QStringLiteral("Anna\r\n")));
    QString title, filter, asked;
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        filter = dialog->selectedNameFilter();
        onModal<QMessageBox>([&](QMessageBox *shown) {
            asked = shown->text();
            onModal<QFileDialog>([](QFileDialog *again) { QTest::keyClick(again, Qt::Key_Escape); });
            QTest::keyClick(shown, yes ? Qt::Key_Return : Qt::Key_Escape);
        });
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setText(file);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    SaveAsRequest request{QStringLiteral("Save As..."), {"All Files (*.*)", "Text Document (*.txt)", "Html Document (*.htm;*.html)"}};
    request.confirmCreate = askToCreate;
    const auto result = RealDialogs().saveAs(nullptr, request);
    QCOMPARE(title + QLatin1Char('|') + filter, QStringLiteral("Save As...|Text Document (*.txt)"));
    QVERIFY2(box.isEmpty() ? asked.isEmpty() : asked.startsWith(box), qPrintable(asked));
    QCOMPARE(bool(result), chosen);
    if (chosen)
        QCOMPARE(QDir::fromNativeSeparators(result->fileName) + QString::number(result->filterIndex), file + "2");
    QCOMPARE(readFile(file), QByteArray(exists ? "Anna\r\n" : "")); // the dialog only chooses
}

void TestRealServices::openLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QByteArray>("handed"); // empty: no handler, a failure
    QTest::newRow("handler runs") << "x-lullara-test:Anna%20Ben" << QByteArray("x-lullara-test:Anna%20Ben|");
    QTest::newRow("no handler") << "x-lullara-none:Anna" << QByteArray();
}

void TestRealServices::openLink()
{
    QFETCH(QString, link);
    QFETCH(QByteArray, handed);
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        QSKIP("xdg-open is not installed (package xdg-utils)");
    QFile::remove(path("link.out"));
    QList<OpenResult> answers;
    RealShell shell;
    shell.openLink(link, [&](OpenResult r) { answers.append(r); });
    QVERIFY(answers.isEmpty()); // the launcher answers later; the window does not wait
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 20000);
    QCOMPARE(answers.first().ok, !handed.isEmpty());
    QCOMPARE(answers.first().errorCode != 0, handed.isEmpty()); // the launcher's exit status
    QTRY_COMPARE_WITH_TIMEOUT(readFile(path("link.out")), handed, 5000);
}

void TestRealServices::openTextFile_data()
{
    QTest::addColumn<QString>("programs"); // the folder PATH names
    QTest::addColumn<bool>("ok");
    QTest::newRow("the viewer runs in a terminal") << "terminal" << true;
    QTest::newRow("no terminal: a failure") << "none" << false;
}

void TestRealServices::openTextFile()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QSKIP("the desktop set-up is Linux's");
#endif
    QFETCH(QString, programs);
    QFETCH(bool, ok);
    const QByteArray systemPath = qgetenv("PATH");
    qputenv("PATH", m_desktop.filePath(programs).toLocal8Bit());
    QList<OpenResult> answers;
    RealShell shell;
    shell.openTextFile(path("saved names.htm"), [&](OpenResult r) { answers.append(r); });
    qputenv("PATH", systemPath);
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 5000);
    QCOMPARE(answers.first().ok, ok);
    const QString command = "-e|" + path("viewer") + '|' + path("saved names.htm") + '|';
    QTRY_COMPARE_WITH_TIMEOUT(readFile(path("terminal.out")), ok ? command.toLocal8Bit() : QByteArray(), 5000);
    QFile::remove(path("terminal.out"));
}

QTEST_MAIN(TestRealServices)
#include "tst_realservices.moc"
