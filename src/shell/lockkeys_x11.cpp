// Lock-key states from the X server's keyboard indicators. The X11 headers
// define macros such as None, Bool and Status that clash with Qt, so they
// come last and nothing follows them.

#include "shell/lockkeys.h"

#include <QtGui/qtguiglobal.h>

#if defined(LULLARA_HAVE_X11) && QT_CONFIG(xcb)

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <chrono>
#include <memory>
#include <optional>

#include <X11/Xlib.h>
#include <X11/XKBlib.h>

namespace lullara::detail {

namespace {

// What one display told about its keyboard indicators.
struct IndicatorReading {
    Display *display = nullptr;
    // The indicators' bits in the state mask, by Shell::LockKey.
    unsigned int bits[3] = {};
    std::chrono::steady_clock::time_point bitsRead;
    std::optional<unsigned int> states;
    std::chrono::steady_clock::time_point statesRead;
};

// The bit of the indicator called `name`. The name first: keyboard maps may
// number the indicators differently; the common numbering otherwise.
unsigned int indicatorBit(Display *display, const char *name, unsigned int fallbackBit)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom != 0) {
        int index = -1;
        if (XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr) && index >= 0 && index < 32)
            return 1u << index;
    }
    return fallbackBit;
}

} // namespace

struct LockKeyReader::State : IndicatorReading {};

LockKeyReader::LockKeyReader() : d(std::make_unique<State>()) {}
LockKeyReader::~LockKeyReader() = default;

std::optional<bool> LockKeyReader::read(Shell::LockKey key)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;

    // The three keys are asked for one after another: one query of all the
    // indicators serves them all (each query is a round trip to the X
    // server). Which bit is which is looked up far more rarely, in case a new
    // keyboard map numbers them differently.
    using Clock = std::chrono::steady_clock;
    IndicatorReading &reading = *d;
    const Clock::time_point now = Clock::now();
    if (reading.display != display || now - reading.bitsRead > std::chrono::minutes(1)) {
        reading.display = display;
        reading.bits[0] = indicatorBit(display, "Caps Lock", 0x1);
        reading.bits[1] = indicatorBit(display, "Scroll Lock", 0x4);
        reading.bits[2] = indicatorBit(display, "Num Lock", 0x2);
        reading.bitsRead = now;
        reading.states.reset();
    }
    if (!reading.states || now - reading.statesRead > std::chrono::milliseconds(20)) {
        unsigned int states = 0;
        if (XkbGetIndicatorState(display, XkbUseCoreKbd, &states) == Success)
            reading.states = states;
        else
            reading.states.reset();
        reading.statesRead = now;
    }
    if (!reading.states)
        return std::nullopt;

    unsigned int bit = reading.bits[0];
    switch (key) {
    case Shell::LockKey::Caps: bit = reading.bits[0]; break;
    case Shell::LockKey::Scroll: bit = reading.bits[1]; break;
    case Shell::LockKey::Num: bit = reading.bits[2]; break;
    }
    return (*reading.states & bit) != 0;
}

} // namespace lullara::detail

#else

namespace lullara::detail {
struct LockKeyReader::State {};
LockKeyReader::LockKeyReader() : d(std::make_unique<State>()) {}
LockKeyReader::~LockKeyReader() = default;
std::optional<bool> LockKeyReader::read(Shell::LockKey) { return std::nullopt; }
} // namespace lullara::detail

#endif
