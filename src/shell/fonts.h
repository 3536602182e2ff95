#pragma once
#include <QFont>
#include <QStringList>

namespace lullara {

// The windows' fonts by their classic Windows names, mapped to the
// metric-compatible faces installed on this system.
class ClassicFonts {
public:
    ClassicFonts();
    // Sizes are in points at 96 dots per inch and are turned into pixel
    // sizes, so the layout keeps its proportions on every screen (Qt scales
    // pixels on HiDPI screens).
    QFont font(const QString &family, double points, bool bold = false) const;

    // Maps the classic names to installed fonts for every font of the program.
    static void installSubstitutions();

private:
    QString installedFace(const QString &family) const;
    QStringList m_installed;
};

} // namespace lullara
