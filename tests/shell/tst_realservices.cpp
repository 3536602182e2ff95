// The real desktop services: message boxes and the Save As dialog driven by
// keys, desktop entry command lines, the launcher against a throwaway XDG
// setup (Linux), the window move fallback, lock keys and the halt.

#include "shell/realservices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

using namespace lullara;

namespace {

// Watchers still waiting; every test ends by stopping them.
QList<QPointer<QTimer>> &pendingWatchers()
{
    static QList<QPointer<QTimer>> watchers;
    return watchers;
}

void stopWatchers()
{
    for (const QPointer<QTimer> &timer : std::as_const(pendingWatchers()))
        delete timer.data();
    pendingWatchers().clear();
}

// Runs `action` on the next visible modal widget of type T, from inside its
// event loop. Gives up after 15 s and closes whatever modal is open, so a
// test that goes wrong cannot hang; `*seen` tells whether it came.
template <typename T>
void onModal(std::function<void(T *)> action, bool *seen = nullptr)
{
    if (seen)
        *seen = false;
    auto *timer = new QTimer(qApp);
    pendingWatchers().append(timer);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action, seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *wanted = qobject_cast<T *>(modal); wanted && wanted->isVisible()) {
            timer->stop();
            timer->deleteLater();
            if (seen)
                *seen = true;
            action(wanted);
        } else if (clock->elapsed() > 15000) {
            timer->stop();
            timer->deleteLater();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    timer->start(20);
}

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

BoxSeen describe(QMessageBox *box)
{
    return BoxSeen{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
}

QLineEdit *fileNameEdit(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

QComboBox *fileTypeCombo(QFileDialog *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
}

// Types a file name into the dialog and presses Return.
void typeFileName(QFileDialog *dialog, const QString &name)
{
    QLineEdit *edit = fileNameEdit(dialog);
    if (!edit) {
        dialog->reject();
        return;
    }
    edit->setFocus();
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

SaveAsRequest exportRequest(const QString &fileName = QString())
{
    SaveAsRequest request;
    request.title = QStringLiteral("Save As...");
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Text Document (*.txt)"),
                       QStringLiteral("Html Document (*.htm;*.html)")};
    request.filterIndex = 2;
    request.fileName = fileName;
    return request;
}

// Sets and unsets environment variables for one test, and puts them back.
class EnvironmentScope {
public:
    ~EnvironmentScope()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
            if (it.value())
                qputenv(it.key().constData(), *it.value());
            else
                qunsetenv(it.key().constData());
        }
    }
    void set(const char *name, const QByteArray &value)
    {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        remember(name);
        qunsetenv(name);
    }

private:
    void remember(const char *name)
    {
        if (m_saved.contains(name))
            return;
        m_saved.insert(name, qEnvironmentVariableIsSet(name)
                                 ? std::optional<QByteArray>(qgetenv(name))
                                 : std::nullopt);
    }
    QMap<QByteArray, std::optional<QByteArray>> m_saved;
};

bool writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The halt, run in a child copy of this program: what is buffered is
// written, exit handlers and destructors are not run.
int haltChild(int exitCode)
{
    std::atexit([] { std::fputs(" exit handlers ran", stdout); });
    struct Local {
        ~Local() { std::fputs(" destructors ran", stdout); }
    } local;
    std::fputs("buffered before the halt", stdout);
    RealHalt().halt(exitCode);
    return 0;
}

} // namespace

class TestRealServices : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { stopWatchers(); }

    void message_data();
    void message();

    void saveAsShowsTheRequest();
    void saveAsConfirmsCreating_data();
    void saveAsConfirmsCreating();
    void saveAsNoToCreatingShowsTheDialogAgain();
    void saveAsWithoutCreatePrompt();
    void saveAsConfirmsOverwriting_data();
    void saveAsConfirmsOverwriting();
    void saveAsReturnsTheChosenFilter();
    void saveAsMissingFolder();

    void expandDesktopExec_data();
    void expandDesktopExec();

    void openLinkRunsTheSchemeHandler();
    void openLinkReportsTheLauncherFailure();
    void openLinkWithoutLauncher();
    void openTextFileUsesThePlainTextViewer();

    void moveWindowFollowsTheMouse();
    void lockKeysUnreadableOffscreen();

    void haltEndsAtOnce_data();
    void haltEndsAtOnce();

private:
    // A throwaway desktop setup; returns false (after QSKIP) when the tools
    // are missing.
    bool prepareDesktop(QTemporaryDir &dir, EnvironmentScope &env);
};

// ---------------------------------------------------------------- message

void TestRealServices::message_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<MsgAnswer>("answer");

    QTest::newRow("ExecuteLink failure")
        << "ExecuteLink" << "error Opening Link to x:y\r\n\r\n3" << MsgButtons::Ok << MsgIcon::None
        << "return" << "ExecuteLink" << "error Opening Link to x:y\n\n3" << QMessageBox::NoIcon
        << MsgAnswer::Ok;
    QTest::newRow("untitled box gets the application title")
        << "" << "There is nothing to be printed!" << MsgButtons::Ok << MsgIcon::Exclamation
        << "escape" << "Lullara" << "There is nothing to be printed!" << QMessageBox::Warning
        << MsgAnswer::Ok;
    QTest::newRow("Yes by Return")
        << "Suggestion" << "Would you like it?" << MsgButtons::YesNo << MsgIcon::Information
        << "return" << "Suggestion" << "Would you like it?" << QMessageBox::Information
        << MsgAnswer::Yes;
    QTest::newRow("No by click")
        << "Lullara" << "File saved successfully!\r\nWould you like to view the saved file?"
        << MsgButtons::YesNo << MsgIcon::None << "no" << "Lullara"
        << "File saved successfully!\nWould you like to view the saved file?" << QMessageBox::NoIcon
        << MsgAnswer::No;
    QTest::newRow("Escape is No") << "Q" << "<b>not markup</b>" << MsgButtons::YesNo << MsgIcon::None
                                  << "escape" << "Q" << "<b>not markup</b>" << QMessageBox::NoIcon
                                  << MsgAnswer::No;
}

void TestRealServices::message()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgIcon, icon);
    QFETCH(QString, press);
    QFETCH(QString, shownTitle);
    QFETCH(QString, shownText);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(MsgAnswer, answer);

    BoxSeen seen;
    Qt::TextFormat format = Qt::AutoText;
    bool shown = false;
    onModal<QMessageBox>(
        [&](QMessageBox *box) {
            seen = describe(box);
            format = box->textFormat();
            if (press == "return")
                QTest::keyClick(box, Qt::Key_Return);
            else if (press == "escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::No)->click();
        },
        &shown);

    RealDialogs dialogs;
    const MsgAnswer got = dialogs.message(nullptr, title, text, buttons, icon);

    QVERIFY(shown);
    QCOMPARE(got, answer);
    QCOMPARE(seen.title, shownTitle);
    QCOMPARE(seen.text, shownText);
    QCOMPARE(seen.icon, shownIcon);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(seen.buttons, buttons == MsgButtons::Ok
                               ? QMessageBox::StandardButtons(QMessageBox::Ok)
                               : QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
}

// ---------------------------------------------------------------- Save As

void TestRealServices::saveAsShowsTheRequest()
{
    QTemporaryDir dir;
    const QString start = dir.filePath(QStringLiteral("last time.txt"));
    QString title, typed, filter;
    QStringList filters;
    bool native = true;
    bool shown = false;
    onModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            typed = fileNameEdit(dialog) ? fileNameEdit(dialog)->text() : QString();
            filter = dialog->selectedNameFilter();
            filters = dialog->nameFilters();
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        },
        &shown);

    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, exportRequest(start));

    QVERIFY(shown);
    QVERIFY(!result);
    QCOMPARE(title, QStringLiteral("Save As..."));
    QCOMPARE(typed, QStringLiteral("last time.txt"));
    QCOMPARE(filter, QStringLiteral("Text Document (*.txt)"));
    QCOMPARE(filters, (QStringList{QStringLiteral("All Files (*)"),
                                   QStringLiteral("Text Document (*.txt)"),
                                   QStringLiteral("Html Document (*.htm *.html)")}));
    QVERIFY(!native);
}

void TestRealServices::saveAsConfirmsCreating_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("text file") << "names.txt";
    QTest::newRow("no extension, nothing added") << "names";
    QTest::newRow("html name with the text entry") << "names.htm";
}

void TestRealServices::saveAsConfirmsCreating()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    BoxSeen box;
    bool boxShown = false;
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        onModal<QMessageBox>(
            [&](QMessageBox *b) {
                box = describe(b);
                QTest::keyClick(b, Qt::Key_Return); // Yes
            },
            &boxShown);
        typeFileName(dialog, path);
    });

    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, exportRequest());

    QVERIFY(boxShown);
    QCOMPARE(box.title, QStringLiteral("Save As..."));
    QCOMPARE(box.text, name + QStringLiteral("\nThis file does not exist.\nDo you want to create it?"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    QVERIFY(result);
    QCOMPARE(QDir::fromNativeSeparators(result->fileName), path);
    QCOMPARE(result->filterIndex, 2);
    QVERIFY(!QFile::exists(path)); // the dialog only chooses; nothing is written
}

void TestRealServices::saveAsNoToCreatingShowsTheDialogAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.txt"));
    bool again = false;
    QString typedAgain;
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        onModal<QMessageBox>([&](QMessageBox *box) {
            onModal<QFileDialog>(
                [&](QFileDialog *second) {
                    typedAgain = fileNameEdit(second) ? fileNameEdit(second)->text() : QString();
                    QTest::keyClick(second, Qt::Key_Escape);
                },
                &again);
            box->button(QMessageBox::No)->click();
        });
        typeFileName(dialog, path);
    });

    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, exportRequest());

    QVERIFY(again);
    QVERIFY(typedAgain.endsWith(QStringLiteral("new.txt")));
    QVERIFY(!result);
}

void TestRealServices::saveAsWithoutCreatePrompt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quiet.txt"));
    bool boxShown = false;
    onModal<QFileDialog>([&](QFileDialog *dialog) { typeFileName(dialog, path); });
    onModal<QMessageBox>([](QMessageBox *box) { box->reject(); }, &boxShown);

    SaveAsRequest request = exportRequest();
    request.confirmCreate = false;
    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, request);

    QVERIFY(result);
    QCOMPARE(QDir::fromNativeSeparators(result->fileName), path);
    QCoreApplication::processEvents();
    QVERIFY(!boxShown);
}

void TestRealServices::saveAsConfirmsOverwriting_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("Yes, replace") << true;
    QTest::newRow("No, choose again") << false;
}

void TestRealServices::saveAsConfirmsOverwriting()
{
    QFETCH(bool, replace);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    QVERIFY(writeFile(path, "Anna\r\n"));
    QString question;
    int boxes = 0;
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        onModal<QMessageBox>([&](QMessageBox *box) {
            ++boxes;
            question = box->text();
            if (replace) {
                box->button(QMessageBox::Yes)->click();
            } else {
                // The dialog stays open after No; leave it.
                onModal<QFileDialog>([](QFileDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
                box->button(QMessageBox::No)->click();
            }
        });
        typeFileName(dialog, path);
    });

    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, exportRequest());

    QCOMPARE(boxes, 1); // the file exists: asked once, about replacing it
    QVERIFY(question.contains(QStringLiteral("old.txt")));
    QCOMPARE(bool(result), replace);
    if (replace)
        QCOMPARE(QDir::fromNativeSeparators(result->fileName), path);
    QCOMPARE(readFile(path), QByteArray("Anna\r\n"));
}

void TestRealServices::saveAsReturnsTheChosenFilter()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page"));
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        QComboBox *types = fileTypeCombo(dialog);
        if (types) {
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down); // Text -> Html
        }
        onModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        typeFileName(dialog, path);
    });

    SaveAsRequest request = exportRequest();
    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, request);

    QVERIFY(result);
    QCOMPARE(result->filterIndex, 3);
    QCOMPARE(QDir::fromNativeSeparators(result->fileName), path); // no extension added
}

void TestRealServices::saveAsMissingFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/names.txt"));
    BoxSeen box;
    bool again = false;
    onModal<QFileDialog>([&](QFileDialog *dialog) {
        onModal<QMessageBox>([&](QMessageBox *b) {
            box = describe(b);
            onModal<QFileDialog>([](QFileDialog *d) { QTest::keyClick(d, Qt::Key_Escape); },
                                 &again);
            QTest::keyClick(b, Qt::Key_Return);
        });
        typeFileName(dialog, path);
    });

    RealDialogs dialogs;
    const auto result = dialogs.saveAs(nullptr, exportRequest());

    QVERIFY(!result);
    QVERIFY(again);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box.text.contains(QStringLiteral("Path does not exist.")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no such folder"))));
}

// ---------------------------------------------------------------- desktop entries

void TestRealServices::expandDesktopExec_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("expected");
    const QString f = QStringLiteral("/tmp/my names.htm");
    QTest::newRow("%f") << "gedit %f" << QStringList{"gedit", f};
    QTest::newRow("%U with %i and %c dropped")
        << "kate -b %U %i %c" << QStringList{"kate", "-b", f};
    QTest::newRow("%u inside a word") << "viewer --file=%u" << QStringList{"viewer", "--file=" + f};
    QTest::newRow("no field code: file appended") << "mousepad" << QStringList{"mousepad", f};
    QTest::newRow("quoted program with a space")
        << "\"/opt/My Editor/edit\" --new-window %F"
        << QStringList{"/opt/My Editor/edit", "--new-window", f};
    QTest::newRow("escapes inside quotes")
        << "sh -c \"echo \\\\\"$0\\\\\"\" %f" << QStringList{"sh", "-c", "echo \"$0\"", f};
    QTest::newRow("percent sign") << "printf 100%% %f" << QStringList{"printf", "100%", f};
    QTest::newRow("string escape for a space, quoted")
        << "\"my\\sviewer\" %f" << QStringList{"my viewer", f};
    QTest::newRow("string escape for a space, bare") << "my\\sviewer %f"
                                                     << QStringList{"my", "viewer", f};
    QTest::newRow("extra blanks") << "  leafpad    %f  " << QStringList{"leafpad", f};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("unterminated quote") << "\"/opt/edit %f" << QStringList{};
}

void TestRealServices::expandDesktopExec()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, expected);
    QCOMPARE(lullara::expandDesktopExec(exec, QStringLiteral("/tmp/my names.htm")), expected);
}

// ---------------------------------------------------------------- launcher (Linux)

bool TestRealServices::prepareDesktop(QTemporaryDir &dir, EnvironmentScope &env)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        QTest::qSkip("xdg-open is not installed (package xdg-utils)", __FILE__, __LINE__);
        return false;
    }
    if (!dir.isValid() || dir.path().contains(QLatin1Char(' '))) {
        QTest::qSkip("no usable temporary folder", __FILE__, __LINE__);
        return false;
    }
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(data + QStringLiteral("/applications"));
    QDir().mkpath(config);

    // The link handler records its argument.
    const QString linkHandler = dir.filePath(QStringLiteral("link-handler.sh"));
    writeFile(linkHandler,
              QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n")
                  .arg(dir.filePath(QStringLiteral("link.out")))
                  .toUtf8(),
              true);
    writeFile(data + QStringLiteral("/applications/lullara-test-link.desktop"),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=Lullara test link handler\n"
                             "Exec=%1 %u\nMimeType=x-scheme-handler/x-lullara-test;\nNoDisplay=true\n")
                  .arg(linkHandler)
                  .toUtf8());

    // The text viewer records both its arguments; its name needs quoting.
    const QString viewer = dir.filePath(QStringLiteral("view text.sh"));
    writeFile(viewer,
              QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > '%1'\n")
                  .arg(dir.filePath(QStringLiteral("text.out")))
                  .toUtf8(),
              true);
    writeFile(data + QStringLiteral("/applications/lullara-test-viewer.desktop"),
              QStringLiteral("# A viewer for the test\n[Desktop Entry]\nType=Application\n"
                             "Name=Lullara test viewer\nExec=\"%1\" --from-lullara %f\n"
                             "Terminal=false\nMimeType=text/plain;\nActions=other;\n\n"
                             "[Desktop Action other]\nName=Other\nExec=false %f\n")
                  .arg(viewer)
                  .toUtf8());
    writeFile(config + QStringLiteral("/mimeapps.list"),
              "[Default Applications]\n"
              "x-scheme-handler/x-lullara-test=lullara-test-link.desktop\n"
              "text/plain=lullara-test-viewer.desktop\n");

    env.set("XDG_DATA_HOME", data.toLocal8Bit());
    env.set("XDG_CONFIG_HOME", config.toLocal8Bit());
    env.set("XDG_DATA_DIRS", dir.filePath(QStringLiteral("no-system-data")).toLocal8Bit());
    env.set("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("no-system-config")).toLocal8Bit());
    // No desktop environment: xdg-open takes its generic way, which asks
    // xdg-mime for the handler; it only does so when it sees a display.
    for (const char *name : {"XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION", "LXQT_SESSION_CONFIG",
                             "DESKTOP", "XDG_MENU_PREFIX"})
        env.unset(name);
    // A bus that is not there: no session bus is asked or started.
    env.set("DBUS_SESSION_BUS_ADDRESS",
            "unix:path=" + dir.filePath(QStringLiteral("no-bus")).toLocal8Bit());
    env.set("BROWSER", "false");
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        env.set("DISPLAY", ":97");
    return true;
}

void TestRealServices::openLinkRunsTheSchemeHandler()
{
#if defined(Q_OS_WIN)
    QSKIP("the Windows shell is not driven by this test");
#else
    QTemporaryDir dir;
    EnvironmentScope env;
    if (!prepareDesktop(dir, env))
        return;
    RealShell shell;
    int calls = 0;
    OpenResult result{false, -1};
    shell.openLink(QStringLiteral("x-lullara-test:hello%20world"), [&](OpenResult r) {
        ++calls;
        result = r;
    });
    QCOMPARE(calls, 0); // the answer comes from the event loop, never at once

    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 20000);
    QVERIFY(result.ok);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("link.out"))),
             QByteArray("x-lullara-test:hello%20world"));
    QTest::qWait(100);
    QCOMPARE(calls, 1);
#endif
}

void TestRealServices::openLinkReportsTheLauncherFailure()
{
#if defined(Q_OS_WIN)
    QSKIP("the Windows shell is not driven by this test");
#else
    QTemporaryDir dir;
    EnvironmentScope env;
    if (!prepareDesktop(dir, env))
        return;
    RealShell shell;
    int calls = 0;
    OpenResult result;
    shell.openLink(QStringLiteral("x-lullara-unknown:nothing"), [&](OpenResult r) {
        ++calls;
        result = r;
    });
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 20000);
    QVERIFY(!result.ok);
    QVERIFY(result.errorCode != 0); // xdg-open's exit status
    QTest::qWait(100);
    QCOMPARE(calls, 1);
#endif
}

void TestRealServices::openLinkWithoutLauncher()
{
#if defined(Q_OS_WIN)
    QSKIP("Linux only");
#else
    QTemporaryDir dir;
    EnvironmentScope env;
    env.set("PATH", dir.path().toLocal8Bit()); // no xdg-open, no browser
    env.unset("BROWSER");
    env.unset("DEFAULT_BROWSER");
    RealShell shell;
    int calls = 0;
    OpenResult result;
    shell.openLink(QStringLiteral("x-lullara-test:nothing"), [&](OpenResult r) {
        ++calls;
        result = r;
    });
    // The desktop services answer at once; a failure carries no code.
    QCOMPARE(calls, 1);
    if (!result.ok)
        QCOMPARE(result.errorCode, 0);
#endif
}

void TestRealServices::openTextFileUsesThePlainTextViewer()
{
#if defined(Q_OS_WIN)
    QSKIP("Notepad is not driven by this test");
#else
    QTemporaryDir dir;
    EnvironmentScope env;
    if (!prepareDesktop(dir, env))
        return;
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        QSKIP("xdg-mime is not installed (package xdg-utils)");
    // An HTML name: the plain-text viewer opens it all the same.
    const QString file = dir.filePath(QStringLiteral("saved names.htm"));
    QVERIFY(writeFile(file, " \r\nAnna\r\n"));

    RealShell shell;
    std::optional<OpenResult> result;
    shell.openTextFile(file, [&](OpenResult r) { result = r; });
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);
    QVERIFY(result->ok);
    QTRY_COMPARE_WITH_TIMEOUT(readFile(dir.filePath(QStringLiteral("text.out"))),
                              QStringLiteral("--from-lullara|%1").arg(file).toUtf8(), 20000);
#endif
}

// ---------------------------------------------------------------- window, keys, halt

void TestRealServices::moveWindowFollowsTheMouse()
{
    // Where the window system has a move of its own (X11, Windows) it takes
    // over; offscreen has none, so the fallback is what moves the window.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("runs under the offscreen platform");
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 200, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    RealShell shell;

    QTest::mouseMove(&window, QPoint(20, 20));
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(20, 20));
    shell.moveWindow(&window);
    QTest::mouseMove(&window, QPoint(50, 60));
    QCOMPARE(window.pos(), start + QPoint(30, 40));
    // Positions are taken in the moved window: (10, 15) there is 20, 35 away
    // from where the button went down.
    QTest::mouseMove(&window, QPoint(10, 15));
    QCOMPARE(window.pos(), start + QPoint(20, 35));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(10, 15));
    QCoreApplication::processEvents();

    // Released: the window stays where it is.
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 15));
    QTest::mouseMove(&window, QPoint(90, 90));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(90, 90));
    QCOMPARE(window.pos(), start + QPoint(20, 35));
}

void TestRealServices::lockKeysUnreadableOffscreen()
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("runs under the offscreen platform");
    RealShell shell;
    QCOMPARE(shell.lockKeyOn(Shell::LockKey::Caps), std::nullopt);
    QCOMPARE(shell.lockKeyOn(Shell::LockKey::Scroll), std::nullopt);
    QCOMPARE(shell.lockKeyOn(Shell::LockKey::Num), std::nullopt);
}

void TestRealServices::haltEndsAtOnce_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("1") << 1;
    QTest::newRow("42") << 42;
}

void TestRealServices::haltEndsAtOnce()
{
    QFETCH(int, code);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--halt-child"), QString::number(code)});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), code);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("buffered before the halt"));
}

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--halt-child") == 0)
        return haltChild(std::atoi(argv[2]));
    QApplication app(argc, argv);
    TestRealServices test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realservices.moc"
