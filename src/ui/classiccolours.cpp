#include "ui/classiccolours.h"

#include <QPalette>
#include <QWidget>

namespace lullara {

void setClassicTextColour(QWidget *widget, const QColor &classic)
{
    const QWidget *under = widget->parentWidget() ? widget->parentWidget() : widget;
    QPalette pal = under->palette();
    if (pal.color(under->backgroundRole()).lightness() >= 128)
        pal.setColor(QPalette::WindowText, classic);
    widget->setPalette(pal);
    widget->setForegroundRole(QPalette::WindowText);
}

} // namespace lullara
