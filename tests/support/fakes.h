#pragma once
// Test doubles for the desktop seams: they record what the program asked and
// answer from a script, so widget tests never block on a modal dialog.

#include "shell/services.h"
#include "shell/settingsfile.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace lullara::test {

struct ShownMessage {
    QString title, text;
    MsgButtons buttons;
    MsgIcon icon;
    QWidget *parent = nullptr; // the box's parent window as handed over
};

class FakeDialogs : public Dialogs {
public:
    MsgAnswer message(QWidget *parent, const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon) override
    {
        const ShownMessage shown{title, text, buttons, icon, parent};
        messages.append(shown);
        if (onMessage)
            onMessage(shown);
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answers.isEmpty() ? MsgAnswer::No : answers.dequeue();
    }
    std::optional<SaveAsResult> saveAs(QWidget *, const SaveAsRequest &request) override
    {
        saveRequests.append(request);
        return saveResults.isEmpty() ? std::nullopt : saveResults.dequeue();
    }
    std::optional<QString> openFile(QWidget *, const OpenFileRequest &request) override
    {
        openRequests.append(request);
        return openResults.isEmpty() ? std::nullopt : openResults.dequeue();
    }
    QList<ShownMessage> messages;       // every box shown, in order
    QQueue<MsgAnswer> answers;          // answers for Yes/No boxes; Yes/No defaults to No
    QList<SaveAsRequest> saveRequests;  // every Save As dialog shown
    QQueue<std::optional<SaveAsResult>> saveResults; // empty queue: cancel
    QList<OpenFileRequest> openRequests;             // every Open dialog shown
    QQueue<std::optional<QString>> openResults;      // the files chosen; empty queue: cancel
    // Runs while a box is "open" (e.g. to tick timers meanwhile).
    std::function<void(const ShownMessage &)> onMessage;
};

class FakeShell : public Shell {
public:
    void openLink(const QString &link, std::function<void(OpenResult)> done) override
    {
        links.append(link);
        answerLater ? pending.append(std::move(done)) : done(linkResult);
    }
    void openTextFile(const QString &path, std::function<void(OpenResult)> done) override { textFiles.append(path); done(textFileResult); }
    void moveWindow(QWidget *window) override { moved.append(window); }
    std::optional<bool> lockKeyOn(LockKey key) override { return key == LockKey::Caps ? caps : key == LockKey::Scroll ? scroll : num; }

    QStringList links;          // every link handed over
    QStringList textFiles;      // every text file opened
    QList<QWidget *> moved;     // every window asked to move
    OpenResult linkResult;      // what openLink answers
    bool answerLater = false;   // keep `done` in `pending` instead of calling it
    QList<std::function<void(OpenResult)>> pending;
    OpenResult textFileResult;
    std::optional<bool> caps = false, scroll = false, num = true;
};

class FakePrinter : public Printer {
public:
    std::optional<PrintError> print(const QStringList &lines) override { printouts.append(lines); return failure; }
    QList<QStringList> printouts;         // every printout
    std::optional<PrintError> failure;    // answer with this failure when set
};

class FakeClipboard : public Clipboard {
public:
    void clear() override { text.reset(); ++clears; }
    void setText(const QString &t) override { text = t; }
    std::optional<QString> text; // nothing after a clear
    int clears = 0;
};

class FakeHalt : public Halt {
public:
    void halt(int exitCode) override { codes.append(exitCode); }
    QList<int> codes;
};

// The settings file of this test program, in a temporary folder of its own.
QString testSettingsFile();

// All the doubles together, with a Services view of them. The settings
// store, testSettingsFile(), is opened at the first services(), so a test
// may prepare the file before.
struct FakeServices {
    FakeDialogs dialogs;
    FakeShell shell;
    FakePrinter printer;
    FakeHalt halt;
    FakeClipboard clipboard;
    std::unique_ptr<SettingsFile> settings;
    Services services()
    {
        if (!settings)
            settings = std::make_unique<SettingsFile>(testSettingsFile());
        return Services{&dialogs, &shell, &printer, &halt, &clipboard, settings.get()};
    }
};

} // namespace lullara::test
