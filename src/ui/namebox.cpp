#include "ui/namebox.h"
#include "ui/elidingdelegate.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace lullara {

NameBox::NameBox(QWidget *parent) : QWidget(parent), m_field(new QLineEdit(this)), m_view(new QListView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_field);
    layout->addWidget(m_view, 1);
    m_view->setItemDelegate(new ElidingDelegate(m_view));
    m_view->setUniformItemSizes(true); // keeps very long lists fast
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The field's new text (ten a second during a run) repaints the box
    // behind its rounded corners, not the frame around the box.
    setAutoFillBackground(true);
    // One Tab stop per box: the list; the field shows what is chosen there.
    m_field->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_view);
}

void NameBox::setList(NameList *list)
{
    m_list = list;
    m_view->setModel(list);
    // A click or a keyboard move in the list chooses that entry. (Taking the
    // focus only moves the view's cursor, which chooses nothing.)
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty()) {
                    const int row = selected.indexes().first().row();
                    if (row != m_list->current())
                        m_list->choose(row);
                }
            });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            m_list->choose(index.row());
    });
    connect(list, &NameList::chosen, this, &NameBox::showChosen);
    // After every load the text field shows the first entry, or nothing, and
    // the list shows its beginning.
    connect(list, &QAbstractItemModel::modelReset, this, [this] {
        showInField(m_list->count() > 0 ? m_list->at(0) : QString());
        m_view->scrollToTop();
    });
}

void NameBox::showChosen(int position)
{
    // The selection model's signals stay on: the view repaints the rows that
    // lose the selection through them.
    if (position < 0) {
        m_view->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_list->index(position);
    if (m_view->selectionModel()->currentIndex() != index || !m_view->selectionModel()->isSelected(index))
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(index);
    showInField(m_list->at(position));
}

void NameBox::showInField(const QString &name)
{
    // The field shows as much of a very long name as it can hold.
    m_field->setText(ElidingDelegate::fitted(name, m_field->fontMetrics(), m_field->width()));
}

} // namespace lullara
