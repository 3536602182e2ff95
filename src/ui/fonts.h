#pragma once
#include <QFont>

namespace lullara {

// The window's fonts by their classic names; sizes are in points at 96 dots
// per inch and are turned into pixel sizes, so the layout keeps its
// proportions on every screen (Qt scales pixels on HiDPI screens).
QFont uiFont(const QString &family, double points, bool bold = false);

// Maps the classic Windows font names to metric-compatible installed fonts.
void installFontSubstitutions();

} // namespace lullara
