#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace lullara {

QFont uiFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void installFontSubstitutions()
{
#ifndef Q_OS_WIN
    // Liberation has the metrics of Arial and Times New Roman; DejaVu Sans is
    // the Verdana-like face; Terminus stands in for the Terminal bitmap font.
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Terminal"), QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
#else
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"));
#endif
}

} // namespace lullara
