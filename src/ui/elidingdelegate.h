#pragma once
// Draws an entry of a list as the style does, but never lays out more of a
// very long text than the row can show: a name of megabytes costs no more
// than a short one.

#include <QStyledItemDelegate>

namespace lullara {

class ElidingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The part of `text` that can show in `width` pixels, elided at the right.
    static QString fitted(const QString &text, const QFontMetrics &metrics, int width);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace lullara
