#pragma once
// The classic fixed text colours, kept where they read well.

class QColor;
class QWidget;

namespace lullara {

// Gives `widget` the text colour `classic` when the background it sits on
// (its parent's background) is light, as the classic desktop has it. On a
// dark background a fixed dark text would all but vanish, so the widget then
// takes the palette's own text colour, which the dark theme made to be read.
// Call again when the palette changes.
void setClassicTextColour(QWidget *widget, const QColor &classic);

} // namespace lullara
