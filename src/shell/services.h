#pragma once
// The seams between Lullara and the desktop. Every message box, file dialog,
// link, viewer, window move and printout goes through one of these
// interfaces, and every setting through the one settings store; the program uses the real implementations (realservices.h),
// the tests use doubles that record what they were asked.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class QWindow;

namespace lullara {

// YesNoDefaultNo: Yes and No, with No taken by Return (a box before something
// the user made is lost).
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo };
enum class MsgIcon { None, Information, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

struct SaveAsRequest {
    QString title;          // "Save As..."
    QStringList filters;    // e.g. "Text Document (*.txt)"; index 1 is the first
    int filterIndex = 2;    // preselected entry, counted from 1
    QString fileName;       // what the file-name box opens with
    bool confirmOverwrite = true;
    bool confirmCreate = true;
};

struct OpenFileRequest {
    QString title;
    QStringList filters; // e.g. "Text Document (*.txt)"; the first is chosen
};

struct SaveAsResult {
    QString fileName;
    int filterIndex = 2; // counted from 1
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box; returns the button pressed.
    virtual MsgAnswer message(QWidget *parent, const QString &title, const QString &text,
                              MsgButtons buttons, MsgIcon icon) = 0;
    // The Save As dialog; std::nullopt when the user cancels.
    virtual std::optional<SaveAsResult> saveAs(QWidget *parent, const SaveAsRequest &request) = 0;
    // The Open dialog for one existing file; std::nullopt when the user cancels.
    virtual std::optional<QString> openFile(QWidget *parent, const OpenFileRequest &request) = 0;
};

// Outcome of handing a link to the desktop. `ok` false carries the
// platform's error code (the launcher's exit status on Linux).
struct OpenResult {
    bool ok = true;
    int errorCode = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hand a link (web address, mailto: link or a file path) to the desktop.
    // `done` is called exactly once, possibly later, on the GUI thread.
    virtual void openLink(const QString &link, std::function<void(OpenResult)> done) = 0;
    // Open a saved text file in the platform's text viewer. `done` is
    // called exactly once, possibly later, on the GUI thread.
    virtual void openTextFile(const QString &path, std::function<void(OpenResult)> done) = 0;
    // Move a borderless window with the mouse, as a title bar would.
    virtual void moveWindow(QWidget *window) = 0;
    enum class LockKey { Caps, Scroll, Num };
    // The state of a lock key; std::nullopt where it cannot be read.
    virtual std::optional<bool> lockKeyOn(LockKey key) = 0;
};

struct PrintError {
    int number = 0;
    QString description;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Print the lines, in order, on the default printer. Returns the failure, if any.
    virtual std::optional<PrintError> print(const QStringList &lines) = 0;
};

// The system clipboard's text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
};

// Ends the program at once with a failure exit status, without running the
// main window's close step. The test double records the call instead.
class Halt {
public:
    virtual ~Halt() = default;
    virtual void halt(int exitCode) = 0;
};

class SettingsFile;

struct Services {
    Dialogs *dialogs = nullptr;
    Shell *shell = nullptr;
    Printer *printer = nullptr;
    Halt *halt = nullptr;
    Clipboard *clipboard = nullptr;
    // The user's settings, opened once at start-up (the tests: a file of their own).
    SettingsFile *settings = nullptr;
};

} // namespace lullara
