#pragma once
#include "shell/services.h"

class QObject;
class QWidget;

namespace lullara {

// The maker's web site, opened by the About button and the About window's logo.
inline const QString kMakerWebSite = QStringLiteral("https://www.quorvel.example.org/");

// Hands `link` to the desktop's "open" action. Shows the busy pointer while it
// works and always restores the normal pointer. A failure, whenever the
// platform reports it, shows the box titled "ExecuteLink" with
// "error Opening Link to " + link, an empty line and the error code, over
// `parent` while `owner` lives (the parent itself, or what owns it), else
// over no window.
void executeLink(const Services &services, QWidget *parent, const QObject *owner, const QString &link);
// The same from a window that owns itself (any QWidget).
template <typename Window>
void executeLink(const Services &services, Window *window, const QString &link)
{
    executeLink(services, window, window, link);
}

// The longest link, in bytes, that the desktop's "open" action can pass on.
// On Linux xdg-open hands the link to the mail program as one argument, and
// the kernel takes arguments of up to 128 KiB (MAX_ARG_STRLEN, the final NUL
// included); on Windows the mail program's command line holds 32,767
// characters, its own path and switches among them.
#ifdef Q_OS_WIN
constexpr qsizetype kLongestLink = 32767 - 1024;
#else
constexpr qsizetype kLongestLink = 128 * 1024 - 1;
#endif

// Moves a borderless window with the mouse as its title bar would.
void dragWindow(const Services &services, QWidget *window);

} // namespace lullara
