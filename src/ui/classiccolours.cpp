#include "ui/classiccolours.h"

#include <QPalette>
#include <QWidget>

namespace lullara {

void setClassicTextColour(QWidget *widget, const QColor &classic)
{
    const QWidget *under = widget->parentWidget() ? widget->parentWidget() : widget;
    // The window's palette, not the parent's: while a new theme spreads, the
    // window has it before the widgets inside.
    QPalette pal = widget->window()->palette();
    if (pal.color(under->backgroundRole()).lightness() >= 128)
        pal.setColor(QPalette::WindowText, classic);
    widget->setPalette(pal);
    widget->setForegroundRole(QPalette::WindowText);
}

} // namespace lullara
