#pragma once
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace lullara {
// Makes the built-in pictures available (safe to call more than once).
void initResources();

// The built-in picture `name` (":/pictures/<name>", a PNG file), decoded the
// first time it is asked for and shared after that. A null pixmap when there
// is no such picture.
QPixmap picture(const QString &name);

// Adds the built-in picture `name` to `icon`; QIcon takes "<name>@2x.png"
// too, where there is one, for screens that scale.
void addPicture(QIcon &icon, const QString &name, QIcon::Mode mode = QIcon::Normal,
                QIcon::State state = QIcon::Off);
// An icon of the built-in picture `name`, as QIcon(":/pictures/<name>").
QIcon pictureIcon(const QString &name);

// The program's icon in the sizes a window icon is shown at (16, 32 and 48
// pixels: title bar, task switcher), one and the same for every window. The
// large one for software centres stays with the installed icons.
QIcon programIcon();

// The hand pointer of the controls that open something (the built-in hand
// picture, its tip at 4, 0), or the system's pointing hand without it.
QCursor handPointer();
} // namespace lullara
