#include "ui/captionframe.h"

#include <QPainter>
#include <QStyle>

namespace lullara {

namespace {
// Where the caption starts.
constexpr int kCaptionIndent = 6;
} // namespace

void CaptionFrame::paintEvent(QPaintEvent *)
{
    // Drawn here rather than by a style sheet: the sheet would restyle every
    // control in the frame, and costs more memory and start-up time than
    // the whole frame is worth.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(117, 117, 117, 50));
    painter.setBrush(QColor(0, 0, 0, 3));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, borderTop() + 0.5, -0.5, -0.5), 2, 2);

    // The caption's ground is a space wider than its text, the text centred on it.
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, title() + u' ');
    const QRect caption(QPoint(kCaptionIndent, 0), text);
    painter.fillRect(caption, palette().button());
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace lullara
