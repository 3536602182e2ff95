#include "ui/generatedlist.h"

#include "output/generatedrows.h"
#include "ui/elidingdelegate.h"

namespace lullara {

GeneratedList::GeneratedList(QWidget *parent) : QListView(parent)
{
    // One row carries the selection mark at a time: the newest, or the one
    // the user picked; the check boxes are what the commands act on.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    setItemDelegate(new ElidingDelegate(this));
}

void GeneratedList::setRows(GeneratedRows *rows)
{
    setModel(rows);
    connect(rows, &GeneratedRows::marked, this, &GeneratedList::markRow);
}

void GeneratedList::markRow(int position)
{
    const QModelIndex row = model()->index(position - 1, 0);
    if (!row.isValid())
        return;
    setCurrentIndex(row);
    scrollTo(row);
}

} // namespace lullara
