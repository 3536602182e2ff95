#include "ui/elidingdelegate.h"

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
