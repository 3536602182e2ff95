#include <QApplication>
#include <QStyleFactory>

#include "app/splashwindow.h"
#include "shell/realservices.h"
#include "shell/fonts.h"

int main(int argc, char *argv[])
{
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lullara"));
    QApplication::setApplicationName(QStringLiteral("Lullara"));
    QApplication::setDesktopFileName(QStringLiteral("lullara"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    lullara::ClassicFonts::installSubstitutions();

    lullara::RealServices real;
    lullara::SplashWindow splash(real.services(), QCoreApplication::applicationDirPath());
    lullara::centreOnScreen(&splash);
    splash.show();
    return app.exec();
}
