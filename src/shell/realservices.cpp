#include "shell/realservices.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <type_traits>

#if defined(LULLARA_HAVE_GIO)
// GLib names a struct member `signals`, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")
#include <dlfcn.h>
#endif

namespace lullara {

namespace detail {
#if defined(Q_OS_WIN)
// realservices_win.cpp
OpenResult windowsOpenLink(const QString &link);
bool windowsStartNotepad(const QString &path);
std::optional<bool> windowsLockKeyOn(Shell::LockKey key);
#endif
} // namespace detail

namespace {

// What the launcher reports when it cannot be started at all (as a shell
// reports a command that is not found).
constexpr int kCannotStart = 127;

QString displayText(QString text)
{
    // Line ends are CR LF throughout the program; the box wants plain LF.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Qt's name filters separate patterns by spaces, and "*.*" would hide files
// without an extension: "Html Document (*.htm;*.html)" becomes
// "Html Document (*.htm *.html)", "All Files (*.*)" becomes "All Files (*)".
QString qtNameFilter(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !filter.endsWith(QLatin1Char(')')))
        return filter;
    QString patterns = filter.mid(open + 1, filter.size() - open - 2);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &p : list) {
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    list.removeDuplicates();
    return filter.left(open + 1) + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

// ---------------------------------------------------------------- dialogs

MsgAnswer RealDialogs::message(QWidget *parent, const QString &title, const QString &text,
                               MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MsgButtons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    // Ctrl+C copies the box's title and text, as message boxes do on Windows,
    // so an error can be passed on as it stands.
    QShortcut copy(QKeySequence::Copy, &box);
    QObject::connect(&copy, &QShortcut::activated, &box, [&box] {
        const QString rule = QStringLiteral("---------------------------\n");
        QGuiApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule + box.text()
                                              + QLatin1Char('\n') + rule);
    });
    box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MsgAnswer::Yes : MsgAnswer::No;
}

std::optional<QString> RealDialogs::openFile(QWidget *parent, const OpenFileRequest &request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.resize(860, 500);
    QStringList filters;
    for (const QString &f : request.filters)
        filters.append(qtNameFilter(f));
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<SaveAsResult> RealDialogs::saveAs(QWidget *parent, const SaveAsRequest &request)
{
    const QString title =
        request.title.isEmpty() ? QCoreApplication::translate("lullara::OutputCommands", "Save As...", "title of the file dialog") : request.title;
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // Wide enough for the name, size, type and date columns to be read.
    dialog.resize(860, 500);

    QStringList filters;
    for (const QString &f : request.filters)
        filters.append(qtNameFilter(f));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty() || chosen.first().isEmpty())
            return std::nullopt;
        const QFileInfo info(chosen.first());

        if (!info.absoluteDir().exists()) {
            message(parent, title,
                    info.fileName() + QStringLiteral("\r\n")
                        + QCoreApplication::translate("lullara::RealDialogs", "Path does not exist.") + QStringLiteral("\r\n")
                        + QCoreApplication::translate("lullara::RealDialogs", "Check the path and try again."),
                    MsgButtons::Ok, MsgIcon::Exclamation);
            continue;
        }
        if (request.confirmCreate && !info.exists()) {
            const MsgAnswer create = message(
                parent, title,
                info.fileName() + QStringLiteral("\r\n")
                    + QCoreApplication::translate("lullara::RealDialogs", "This file does not exist.") + QStringLiteral("\r\n")
                    + QCoreApplication::translate("lullara::RealDialogs", "Do you want to create it?"),
                MsgButtons::YesNo, MsgIcon::Exclamation);
            if (create != MsgAnswer::Yes)
                continue;
        }

        SaveAsResult result;
        result.fileName = QDir::toNativeSeparators(info.absoluteFilePath());
        const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
        result.filterIndex = index >= 0 ? int(index) + 1 : request.filterIndex;
        return result;
    }
}

// ---------------------------------------------------------------- shell

namespace {

#if !defined(Q_OS_WIN)
QUrl urlForLink(const QString &link)
{
    const QUrl url(link, QUrl::TolerantMode);
    // A full path, or something without a scheme of its own, is a file.
    if (QDir::isAbsolutePath(link) || url.scheme().size() < 2)
        return QUrl::fromLocalFile(link);
    return url;
}
#endif

} // namespace

RealShell::~RealShell()
{
    // A launcher still running is left to finish on its own: killing it could
    // cut off the program it is about to start. Nobody is told any more.
    for (const QPointer<QProcess> &process : std::as_const(m_running)) {
        if (process)
            process->disconnect();
    }
}

void RealShell::openLink(const QString &link, std::function<void(OpenResult)> done)
{
#if defined(Q_OS_WIN)
    done(detail::windowsOpenLink(link));
#else
    m_running.removeAll(QPointer<QProcess>());
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        const bool ok = QDesktopServices::openUrl(urlForLink(link));
        done(ok ? OpenResult{} : OpenResult{false, 0});
        return;
    }

    auto *process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({link});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // `done` is called once, whichever signal comes first; the process goes
    // away only after `done` has returned (it may show a modal box).
    auto answered = std::make_shared<bool>(false);
    auto answer = [process, done = std::move(done), answered](OpenResult result) {
        if (*answered)
            return;
        *answered = true;
        done(result);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [answer](int exitCode, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit)
                             answer(exitCode == 0 ? OpenResult{} : OpenResult{false, exitCode});
                         else
                             answer(OpenResult{false, 128 + exitCode}); // killed by a signal
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [answer](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             answer(OpenResult{false, kCannotStart});
                     });
    m_running.append(process);
    process->start();
#endif
}

#if defined(LULLARA_HAVE_GIO) && !defined(Q_OS_WIN)
namespace {
// The part of GIO the text viewer needs, loaded when a file is first shown:
// GIO brings libraries of its own, which would cost every start some
// milliseconds and more than a megabyte of memory, and most sessions never
// show a saved file. Null when GIO cannot be loaded.
struct Gio {
    decltype(&g_app_info_get_default_for_type) defaultForType;
    decltype(&g_file_new_for_path) fileForPath;
    decltype(&g_app_info_launch) launch;
    decltype(&g_error_free) freeError;
    decltype(&g_object_unref) unref;
};

const Gio *gio()
{
    static const std::optional<Gio> loaded = []() -> std::optional<Gio> {
        void *lib = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return std::nullopt;
        // Symbols of GLib and GObject are found through GIO's own dependencies.
        const auto symbol = [lib](auto &fn, const char *name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
            return fn != nullptr;
        };
        Gio g{};
        if (!symbol(g.defaultForType, "g_app_info_get_default_for_type")
            || !symbol(g.fileForPath, "g_file_new_for_path") || !symbol(g.launch, "g_app_info_launch")
            || !symbol(g.freeError, "g_error_free") || !symbol(g.unref, "g_object_unref"))
            return std::nullopt;
        return g;
    }();
    return loaded ? &*loaded : nullptr;
}
} // namespace
#endif

void RealShell::openTextFile(const QString &path, std::function<void(OpenResult)> done)
{
#if defined(Q_OS_WIN)
    if (detail::windowsStartNotepad(path))
        done(OpenResult{});
    else
        done(OpenResult{false, kCannotStart});
#elif defined(LULLARA_HAVE_GIO)
    // The desktop's viewer for plain text, not the one for the file's
    // extension. GIO reads the user's choice as the desktop does, runs a
    // program that wants a terminal in one, and tells when it could start
    // neither. It only starts the program; it never waits for it.
    // Without GIO, the desktop's general launcher as below.
    const Gio *g = gio();
    if (!g) {
        openLink(path, std::move(done));
        return;
    }
    GAppInfo *viewer = g->defaultForType("text/plain", FALSE);
    if (!viewer) {
        done(OpenResult{false, kCannotStart});
        return;
    }
    GFile *file = g->fileForPath(QFile::encodeName(path).constData());
    GList files{file, nullptr, nullptr};
    GError *error = nullptr;
    const bool started = g->launch(viewer, &files, nullptr, &error);
    if (error)
        g->freeError(error);
    g->unref(file);
    g->unref(viewer);
    done(started ? OpenResult{} : OpenResult{false, kCannotStart});
#else
    // The desktop's general launcher, whose exit status tells whether it
    // found a program for the file.
    openLink(path, std::move(done));
#endif
}

namespace {

// Moves a window with the mouse where the window system has no move of its
// own: the window follows the pointer until the mouse buttons are released.
class WindowMover : public QObject {
public:
    explicit WindowMover(QWidget *window)
        : m_window(window), m_startPos(window->pos()), m_anchor(QCursor::pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_window) {
            finish();
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons() == Qt::NoButton) {
                finish(); // the release went elsewhere
                break;
            }
            // Absolute from the start, so an event seen twice (by the native
            // window and by the widget) does no harm.
            m_window->move(m_startPos + (mouse->globalPosition().toPoint() - m_anchor));
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons() == Qt::NoButton)
                finish();
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void finish()
    {
        if (m_done)
            return;
        m_done = true;
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPoint m_startPos;
    QPoint m_anchor;
    bool m_done = false;
};

} // namespace

void RealShell::moveWindow(QWidget *window)
{
    if (!window)
        return;
    QWidget *top = window->window();
    if (QWindow *handle = top->windowHandle(); handle && handle->startSystemMove())
        return;
    new WindowMover(top);
}

std::optional<bool> RealShell::lockKeyOn(LockKey key)
{
#if defined(Q_OS_WIN)
    return detail::windowsLockKeyOn(key);
#elif defined(LULLARA_HAVE_X11)
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return m_lockKeys.read(key);
    return std::nullopt;
#else
    Q_UNUSED(key);
    return std::nullopt;
#endif
}

// ----------------------------------------------------------- clipboard

void RealClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void RealClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

// ---------------------------------------------------------------- halt

void RealHalt::halt(int exitCode)
{
    // The program writes through C's streams only (so no C++ stream object
    // is set up at every start).
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

} // namespace lullara
