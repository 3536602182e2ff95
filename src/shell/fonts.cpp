#include "shell/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace lullara {

ClassicFonts::ClassicFonts()
{
#ifndef Q_OS_WIN
    // The font system's list, read once (hasFamily() would have each name
    // resolved by fontconfig first).
    m_installed = QFontDatabase::families();
#endif
}

QString ClassicFonts::installedFace(const QString &family) const
{
#ifndef Q_OS_WIN
    // Asking for the installed face by name spares the font system its
    // search for a replacement of a family it does not have, and a single
    // family spares it the list of fallback fonts that it draws up at once
    // for a font of several families (a fontconfig query of some
    // milliseconds per font at start-up). Fallbacks for characters the face
    // lacks are still found, when first needed.
    struct Face {
        const char *classic;
        const char *installed;
    };
    // The first choices of installSubstitutions() below.
    static const Face faces[] = {
        {"MS Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"}, {"Verdana", "DejaVu Sans"},
        {"Terminal", "DejaVu Sans Mono"},
    };
    for (const Face &face : faces) {
        if (family != QLatin1String(face.classic))
            continue;
        const QString name = QString::fromLatin1(face.installed);
        return m_installed.contains(name) ? name : QString();
    }
#else
    Q_UNUSED(family);
#endif
    return {};
}

QFont ClassicFonts::font(const QString &family, double points, bool bold) const
{
    // Where the face is missing, the classic name and its substitutions
    // take over.
    const QString face = installedFace(family);
    QFont font(face.isEmpty() ? family : face);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void ClassicFonts::installSubstitutions()
{
#ifndef Q_OS_WIN
    // Liberation has the metrics of Arial and Times New Roman; DejaVu Sans is
    // the Verdana-like face; DejaVu Sans Mono stands in for the Terminal
    // bitmap font. These serve the fonts named outside uiFont() (the About
    // window) and systems without the first choices.
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
