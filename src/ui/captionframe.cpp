#include "captionframe.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace lullara {

namespace {
// Where the caption starts, and the gap kept free of the border on either
// side of its text.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;
} // namespace

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(parent), m_caption(caption)
{
    // The group box itself stays untitled, so the style draws a plain frame;
    // assistive tools still read the caption as the frame's name.
    setAccessibleName(caption);
}

int CaptionFrame::styleBorderInset() const
{
    // Where the style puts the top line of an untitled frame: drawn once into
    // a strip and looked up, since styles indent it by their own margins.
    QImage strip(width(), 24, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = strip.rect().adjusted(0, 0, 0, 24);
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    painter.end();
    const int x = width() / 2;
    for (int y = 0; y < strip.height(); ++y) {
        if (qAlpha(strip.pixel(x, y)) != 0)
            return y;
    }
    return 0;
}

void CaptionFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        m_borderInset = -1;
    QGroupBox::changeEvent(event);
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    if (m_borderInset < 0)
        m_borderInset = styleBorderInset();
    const int borderTop = metrics.height() / 2 - m_borderInset;

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, borderTop, 0, 0);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);

    if (m_caption.isEmpty())
        return;
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const QRect captionRect(kCaptionIndent, 0, textWidth + 2 * kCaptionGap, metrics.height());
    painter.fillRect(captionRect, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          m_caption, QPalette::WindowText);
}

} // namespace lullara
