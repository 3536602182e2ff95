#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <cstdio>

#include "app/commandline.h"
#include "app/qttranslations.h"
#include "app/splashwindow.h"
#include "shell/realservices.h"
#include "shell/fonts.h"
#include "shell/resources.h"
#include "shell/settingsfile.h"

#define LULLARA_STR2(x) #x
#define LULLARA_STR(x) LULLARA_STR2(x)

namespace {

const char kHelp[] =
    "Usage: lullara [--help | --version]\n"
    "Let the computer choose a name for your baby.\n"
    "\n"
    "Without an option, opens the Lullara window. Qt's own options (-platform,\n"
    "-style, ...) are passed to Qt; any other option is refused.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "The name lists guyname.txt and girlname.txt are read from\n"
    "~/.local/share/Lullara/ when they are there, then from\n"
    "~/.local/share/Lullara/Lullara/ (where earlier versions kept them), else\n"
    "from the program's own folder. See lullara(1).\n"
    "\n"
    "Report bugs to: lullara@quorvel.example.org\n"
    "Lullara home page: <https://www.quorvel.example.org/>\n";

const char kVersion[] =
    "Lullara " LULLARA_STR(LULLARA_VERSION_MAJOR) "." LULLARA_STR(LULLARA_VERSION_MINOR) "\n"
    "Copyright 2026 Quorvel team.\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// Prints `text`; the exit status tells whether all of it reached standard output.
int printAndExit(const char *text)
{
    std::fputs(text, stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is answered on the terminal without opening a
    // display, so it is read before the application object exists.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const lullara::CommandLine line = lullara::parseCommandLine(arguments);
    if (line.action == lullara::CommandLine::Help)
        return printAndExit(kHelp);
    if (line.action == lullara::CommandLine::Version)
        return printAndExit(kVersion);
    if (line.action == lullara::CommandLine::Refuse) {
        std::fprintf(stderr, "lullara: unknown option %s\n\n%s", line.refused.toLocal8Bit().constData(), kHelp);
        return 2;
    }

    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lullara"));
    QApplication::setApplicationName(QStringLiteral("Lullara"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.quorvel.lullara"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    lullara::ClassicFonts::installSubstitutions();

    // Qt's own dialog texts (file dialog, Yes and No) and the program's own
    // texts in the user's language. Exported files, the printout and the
    // e-mail body stay English: other programs and people read them.
    lullara::installQtTranslations(QLocale(), &app);
    lullara::installProgramTranslations(QLocale(), &app);

    // Every window's icon, also of boxes shown before the main window.
    QApplication::setWindowIcon(lullara::programIcon());

    // The one settings store, for everything that remembers a choice.
    lullara::SettingsFile settings(lullara::settingsFilePath());
    lullara::RealServices real;
    lullara::Services services = real.services();
    services.settings = &settings;
    lullara::SplashWindow splash(services, QCoreApplication::applicationDirPath());
    lullara::centreOnScreen(&splash);
    splash.show();
    return app.exec();
}
