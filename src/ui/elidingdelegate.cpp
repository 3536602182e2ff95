#include "ui/elidingdelegate.h"

#include <QApplication>
#include <QPainter>

namespace lullara {

namespace {
// Texts up to this length are left to the style as they are.
constexpr qsizetype kShortText = 256;
} // namespace

QString ElidingDelegate::fitted(const QString &text, const QFontMetrics &metrics, int width)
{
    if (text.size() <= kShortText)
        return text;
    // No visible character is narrower than one pixel, so more characters
    // than pixels can never show.
    const qsizetype room = std::max<qsizetype>(kShortText, width + 2);
    return metrics.elidedText(text.left(room), Qt::ElideRight, std::max(width, 1));
}

void ElidingDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > kShortText)
        option->text = fitted(option->text, option->fontMetrics, option->rect.width());
}

void ElidingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // A row of plain text, the most a run repaints (ten times a second): its
    // fill and its text in one pass, where the style lays the text out three
    // times. Rows with a check box or an icon are left to the style.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    painter->save();
    painter->setClipRect(opt.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (opt.state & QStyle::State_Active)                                ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(margin, 0, -margin, 0);
    painter->drawText(text, int(opt.displayAlignment) | Qt::TextSingleLine, opt.text);
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, widget);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor = opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                                  opt.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize ElidingDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.text.size() > kShortText)
        opt.text = fitted(opt.text, opt.fontMetrics, 2000);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : nullptr;
    return style ? style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget)
                 : QStyledItemDelegate::sizeHint(option, index);
}

} // namespace lullara
