// The Windows side of the desktop seams: the shell's "open" request, the
// text viewer (Notepad) and the lock-key states. windows.h comes last so its
// macros touch nothing else.

#include "shell/services.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)

#include <QDir>
#include <QProcess>
#include <QString>

#include <optional>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#pragma comment(lib, "user32.lib")
#endif

namespace lullara::detail {

OpenResult windowsOpenLink(const QString &link)
{
    // Shown normally and without a working folder: whoever asks expects the
    // page, document or mail window to appear.
    const std::wstring file = link.toStdWString();
    const HINSTANCE answer =
        ShellExecuteW(nullptr, L"open", file.c_str(), L"", nullptr, SW_SHOWNORMAL);
    // Only an answer of exactly 0 counts as a failure; the small error values
    // (1 to 32) are let through as they always were.
    if (reinterpret_cast<INT_PTR>(answer) == 0)
        return OpenResult{false, static_cast<int>(GetLastError())};
    return OpenResult{};
}

bool windowsStartNotepad(const QString &path)
{
    // The command line is "notepad.exe " and the path as it stands, without
    // quotation marks: Notepad takes the rest of its command line as the
    // file's name, spaces and all. Shown normally, with the focus.
    QProcess notepad;
    notepad.setProgram(QStringLiteral("notepad.exe"));
    notepad.setNativeArguments(QDir::toNativeSeparators(path));
    return notepad.startDetached();
}

std::optional<bool> windowsLockKeyOn(Shell::LockKey key)
{
    int virtualKey = VK_CAPITAL;
    switch (key) {
    case Shell::LockKey::Caps: virtualKey = VK_CAPITAL; break;
    case Shell::LockKey::Scroll: virtualKey = VK_SCROLL; break;
    case Shell::LockKey::Num: virtualKey = VK_NUMLOCK; break;
    }
    return (GetKeyState(virtualKey) & 1) != 0;
}

} // namespace lullara::detail

#endif // Q_OS_WIN
