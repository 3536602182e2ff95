#pragma once
#include "shell/services.h"

class QWidget;

namespace lullara {

// The maker's web site, opened by the About button and the About window's logo.
inline const QString kMakerWebSite = QStringLiteral("https://www.quorvel.example.org/");

// Hands `link` to the desktop's "open" action. Shows the busy pointer while it
// works and always restores the normal pointer. A failure, whenever the
// platform reports it, shows the box titled "ExecuteLink" with
// "error Opening Link to " + link, an empty line and the error code.
void ExecuteLink(const Services &services, QWidget *parent, const QString &link);

// Moves a borderless window with the mouse as its title bar would.
void DragWindow(const Services &services, QWidget *window);

} // namespace lullara
