// Lock-key states from the X server's keyboard indicators. The X11 headers
// define macros such as None, Bool and Status that clash with Qt, so they
// come last and nothing follows them.

#include "shell/services.h"

#if defined(LULLARA_HAVE_X11)

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <optional>

#if QT_CONFIG(xcb)
#include <X11/Xlib.h>
#include <X11/XKBlib.h>

namespace lullara::detail {

std::optional<bool> x11LockKeyOn(Shell::LockKey key)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;

    const char *name = "Caps Lock";
    unsigned int fallbackBit = 0x1;
    switch (key) {
    case Shell::LockKey::Caps: name = "Caps Lock"; fallbackBit = 0x1; break;
    case Shell::LockKey::Num: name = "Num Lock"; fallbackBit = 0x2; break;
    case Shell::LockKey::Scroll: name = "Scroll Lock"; fallbackBit = 0x4; break;
    }

    // The indicator by name first: keyboard maps may number them differently.
    const Atom atom = XInternAtom(display, name, True);
    if (atom != 0) {
        int index = 0;
        Bool state = False;
        if (XkbGetNamedIndicator(display, atom, &index, &state, nullptr, nullptr))
            return state != False;
    }
    unsigned int states = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &states) == 0)
        return (states & fallbackBit) != 0;
    return std::nullopt;
}

} // namespace lullara::detail

#else

namespace lullara::detail {
std::optional<bool> x11LockKeyOn(Shell::LockKey) { return std::nullopt; }
} // namespace lullara::detail

#endif // QT_CONFIG(xcb)
#endif // LULLARA_HAVE_X11
