#include "ui/generatedlist.h"

namespace lullara {

namespace {
constexpr int IconKeyRole = Qt::UserRole + 1;
}

GeneratedList::GeneratedList(QWidget *parent) : QListWidget(parent)
{
    // One row carries the selection mark at a time: the newest, or the one
    // the user picked; the check boxes are what the commands act on.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
}

void GeneratedList::appendRow(const QString &text, const QString &iconKey)
{
    auto *item = new QListWidgetItem(m_images.value(iconKey), text);
    item->setData(IconKeyRole, iconKey);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    addItem(item);
}

QString GeneratedList::rowText(int position) const
{
    auto *r = row(position);
    return r ? r->text() : QString();
}

QString GeneratedList::rowIconKey(int position) const
{
    auto *r = row(position);
    return r ? r->data(IconKeyRole).toString() : QString();
}

bool GeneratedList::isTicked(int position) const
{
    auto *r = row(position);
    return r && r->checkState() == Qt::Checked;
}

void GeneratedList::setTicked(int position, bool ticked)
{
    if (auto *r = row(position))
        r->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void GeneratedList::markSelected(int position)
{
    if (auto *r = row(position)) {
        setCurrentItem(r, QItemSelectionModel::ClearAndSelect);
        scrollToItem(r);
    }
}

bool GeneratedList::isMarked(int position) const
{
    auto *r = row(position);
    return r && r->isSelected();
}

QStringList GeneratedList::allTexts() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

QStringList GeneratedList::tickedTexts() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked)
            out.append(item(i)->text());
    return out;
}

} // namespace lullara
