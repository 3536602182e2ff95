#include <QApplication>
#include <QStyleFactory>

#include "app/splashwindow.h"
#include "shell/realservices.h"
#include "ui/fonts.h"

int main(int argc, char *argv[])
{
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lullara"));
    QApplication::setApplicationName(QStringLiteral("Lullara"));
    QApplication::setDesktopFileName(QStringLiteral("lullara"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    lullara::installFontSubstitutions();

    lullara::RealServices real;
    lullara::frmLoading splash(real.services());
    lullara::centreOnScreen(&splash);
    splash.show();
    return app.exec();
}
