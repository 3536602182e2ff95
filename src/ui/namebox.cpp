#include "ui/namebox.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace lullara {

namespace {
QLocale collationLocale()
{
    // The C locale would compare code points; people read names alphabetically.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}
} // namespace

NameListModel::NameListModel(QObject *parent)
    : QAbstractListModel(parent), m_collator(collationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
}

int NameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant NameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return at(index.row());
    return {};
}

void NameListModel::clear()
{
    beginResetModel();
    m_names.clear();
    endResetModel();
}

bool NameListModel::lessThan(const QString &a, const QString &b) const
{
    const int c = m_collator.compare(a, b);
    if (c != 0)
        return c < 0;
    // Tie-break so the order is total and repeatable (Anna before anna).
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

void NameListModel::setNames(const QStringList &names)
{
    beginResetModel();
    // Sort through precomputed keys: one collation pass per name instead of
    // one per comparison, which keeps 100,000 names fast.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(names.size()));
    for (const QString &n : names)
        keys.push_back(m_collator.sortKey(n));
    std::vector<int> order(static_cast<size_t>(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
        if (c != 0)
            return c < 0;
        return QString::compare(names.at(a), names.at(b), Qt::CaseSensitive) < 0;
    });
    m_names.clear();
    m_names.reserve(order.size());
    for (int i : order)
        m_names.push_back(names.at(i));
    endResetModel();
}

int NameListModel::insertSorted(const QString &name)
{
    auto it = std::upper_bound(m_names.begin(), m_names.end(), name,
                               [this](const QString &a, const QString &b) { return lessThan(a, b); });
    const int row = static_cast<int>(it - m_names.begin());
    beginInsertRows({}, row, row);
    m_names.insert(it, name);
    endInsertRows();
    return row;
}

NameBox::NameBox(QWidget *parent)
    : QWidget(parent), m_field(new QLineEdit(this)), m_view(new QListView(this)),
      m_model(new NameListModel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_field);
    layout->addWidget(m_view, 1);
    m_view->setModel(m_model);
    m_view->setUniformItemSizes(true); // keeps very long lists fast
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_field->setFocusProxy(nullptr);
    setFocusProxy(m_view);

    // A click or a keyboard move in the list selects that entry. (Taking the
    // focus only moves the view's cursor, which selects nothing.)
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty()) {
                    const int row = selected.indexes().first().row();
                    if (row != m_current)
                        setCurrentIndex(row);
                }
            });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            setCurrentIndex(index.row());
    });
}

void NameBox::clear()
{
    m_current = -1;
    m_model->clear();
}

void NameBox::addItem(const QString &name)
{
    const int row = m_model->insertSorted(name);
    if (m_current >= row)
        ++m_current;
}

void NameBox::setNames(const QStringList &names)
{
    m_current = -1;
    m_model->setNames(names);
}

int NameBox::count() const { return m_model->count(); }

QString NameBox::itemText(int position) const
{
    if (position < 0 || position >= count())
        return {};
    return m_model->at(position);
}

void NameBox::setCurrentIndex(int position)
{
    if (position < -1 || position >= count())
        position = -1;
    m_current = position;
    {
        const QSignalBlocker block(m_view->selectionModel());
        if (position < 0) {
            m_view->selectionModel()->clear();
        } else {
            const QModelIndex index = m_model->index(position);
            m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            m_view->scrollTo(index);
        }
    }
    if (position >= 0)
        m_field->setText(m_model->at(position));
    emit clicked();
}

QString NameBox::text() const { return m_field->text(); }
void NameBox::setText(const QString &text) { m_field->setText(text); }

} // namespace lullara
