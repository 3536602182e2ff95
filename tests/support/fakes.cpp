#include "fakes.h"

namespace lullara::test {

MsgAnswer FakeDialogs::message(QWidget *parent, const QString &title, const QString &text,
                               MsgButtons buttons, MsgIcon icon)
{
    ShownMessage shown{title, text, buttons, icon, parent};
    messages.append(shown);
    if (onMessage)
        onMessage(shown);
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answers.isEmpty() ? MsgAnswer::No : answers.dequeue();
}

std::optional<SaveAsResult> FakeDialogs::saveAs(QWidget *, const SaveAsRequest &request)
{
    saveRequests.append(request);
    if (saveResults.isEmpty())
        return std::nullopt;
    return saveResults.dequeue();
}

void FakeShell::openLink(const QString &link, std::function<void(OpenResult)> done)
{
    links.append(link);
    if (answerLater)
        pending.append(std::move(done));
    else
        done(linkResult);
}

void FakeShell::openTextFile(const QString &path, std::function<void(OpenResult)> done)
{
    textFiles.append(path);
    done(textFileResult);
}

void FakeShell::moveWindow(QWidget *window) { moved.append(window); }

std::optional<bool> FakeShell::lockKeyOn(LockKey key)
{
    switch (key) {
    case LockKey::Caps: return caps;
    case LockKey::Scroll: return scroll;
    case LockKey::Num: return num;
    }
    return std::nullopt;
}

std::optional<PrintError> FakePrinter::print(const QStringList &lines)
{
    printouts.append(lines);
    return failure;
}

} // namespace lullara::test
