#include "app/commandline.h"

#include <algorithm>
#include <iterator>

namespace lullara {

namespace {
// Options QGuiApplication and QApplication take themselves, with one dash or
// two; the first group takes a value (as the next argument or after "=").
const char *const kQtWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                                    "geometry", "title", "name", "dpi", "visual", "ncols", "cmap", "qmljsdebugger"};
const char *const kQtAlone[] = {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};

bool among(const QString &name, const char *const *first, const char *const *last)
{
    return std::any_of(first, last, [&name](const char *known) { return name == QLatin1String(known); });
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    // --help and --version answer whatever else is there.
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help"))
            return {CommandLine::Help, {}};
        if (argument == QLatin1String("--version"))
            return {CommandLine::Version, {}};
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (among(name, std::begin(kQtWithValue), std::end(kQtWithValue))) {
            if (!argument.contains(QLatin1Char('=')))
                ++i; // its value
            continue;
        }
        if (!among(name, std::begin(kQtAlone), std::end(kQtAlone)) || argument.contains(QLatin1Char('=')))
            return {CommandLine::Refuse, argument};
    }
    return {};
}

} // namespace lullara
