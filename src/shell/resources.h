#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace lullara {
// Makes the built-in pictures available (safe to call more than once).
void initResources();

// The built-in picture `name` (":/pictures/<name>"), decoded the first time
// it is asked for and shared after that: a picture used by several controls
// or windows is decoded once. A null pixmap when there is no such picture.
QPixmap picture(const QString &name);

// The program's icon in the sizes a window icon is shown at (16, 32 and 48
// pixels: title bar, task switcher), one and the same for every window. The
// large one for software centres stays with the installed icons.
QIcon programIcon();
} // namespace lullara
