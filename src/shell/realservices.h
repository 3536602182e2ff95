#pragma once
// The real desktop behind the seams of services.h: Qt message boxes and the
// Save As dialog, the platform's launcher for links and text files, window
// moves, lock-key states, the printer and the immediate halt.

#include "shell/lockkeys.h"
#include "shell/printing.h"
#include "shell/services.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class QProcess;

namespace lullara {

// The application title; it titles message boxes that come without a title.
inline const QString kApplicationTitle = QStringLiteral("Lullara");

class RealDialogs : public Dialogs {
public:
    MsgAnswer message(QWidget *parent, const QString &title, const QString &text,
                      MsgButtons buttons, MsgIcon icon) override;
    // Qt's own (non-native) Save As dialog, so it looks and behaves the same
    // on every platform. Asks before overwriting (Qt) and, when asked to,
    // before creating a file that does not exist yet; a No there shows the
    // dialog again.
    std::optional<SaveAsResult> saveAs(QWidget *parent, const SaveAsRequest &request) override;
    std::optional<QString> openFile(QWidget *parent, const OpenFileRequest &request) override;
};

class RealShell : public Shell {
public:
    RealShell() = default;
    RealShell(const RealShell &) = delete;
    RealShell &operator=(const RealShell &) = delete;
    ~RealShell() override;

    // Never blocks the GUI thread: on Linux `xdg-open` runs as a child
    // process and `done` follows when it ends (exit status 0 is success,
    // anything else fails with that status; 127 when it cannot be started).
    void openLink(const QString &link, std::function<void(OpenResult)> done) override;
    // Opens the file in the desktop's default viewer for plain text, whatever
    // its extension (Notepad on Windows); on Linux through GIO, which also
    // runs a viewer that needs a terminal in one. Only starts the viewer and
    // answers at once: a failure when there is no viewer, or it (or the
    // terminal it needs) cannot be started.
    void openTextFile(const QString &path, std::function<void(OpenResult)> done) override;
    // The window system's own move; where there is none, the window follows
    // the mouse until the button is released.
    void moveWindow(QWidget *window) override;
    std::optional<bool> lockKeyOn(LockKey key) override;

private:
    QList<QPointer<QProcess>> m_running; // launchers that have not answered yet
    detail::LockKeyReader m_lockKeys;
};

class RealClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
};

// Ends the process at once: no destructors, no exit handlers, nothing stored.
class RealHalt : public Halt {
public:
    void halt(int exitCode) override;
};

// The four real services together, with a Services view of them.
struct RealServices {
    RealDialogs dialogs;
    RealShell shell;
    QtPrinter printer;
    RealHalt halt;
    RealClipboard clipboard;
    Services services() { return Services{&dialogs, &shell, &printer, &halt, &clipboard}; }
};

} // namespace lullara
