#pragma once
// A name box: a text field above an always-open list whose entries are kept in
// alphabetical order as a person reads it (locale-aware, case-insensitive).
// Setting the selected position from code runs the box's click action
// (the clicked() signal) before the setter returns.

#include <QAbstractListModel>
#include <QCollator>
#include <QCollatorSortKey>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListView;

namespace lullara {

class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NameListModel(QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void clear();
    // Replaces the content with `names`, sorted (stable: equal names keep file order).
    void setNames(const QStringList &names);
    // Inserts one name at its sorted place; returns its position.
    int insertSorted(const QString &name);
    const QString &at(int position) const { return m_names[static_cast<size_t>(position)]; }
    int count() const { return static_cast<int>(m_names.size()); }

    // Whether names made only of the letters A-Z and a-z are ordered without
    // the collator (their order is then the order of their lower-case
    // letters, which is what the collator gives for them in English).
    bool comparesPlainNamesDirectly() const { return m_plainDirect; }

private:
    int compareNames(const QString &a, const QString &b) const;
    bool lessThan(const QString &a, const QString &b) const;
    QCollator m_collator;
    bool m_plainDirect = false;
    std::vector<QString> m_names;
};

class NameBox : public QWidget {
    Q_OBJECT
public:
    explicit NameBox(QWidget *parent = nullptr);

    void clear();
    void addItem(const QString &name);
    void setNames(const QStringList &names);
    int count() const;
    QString itemText(int position) const;
    int currentIndex() const { return m_current; }
    // Selects `position` (-1: none) and runs the click action before returning.
    void setCurrentIndex(int position);
    QString text() const;
    void setText(const QString &text);

    QLineEdit *field() const { return m_field; }
    QListView *view() const { return m_view; }
    NameListModel *model() const { return m_model; }

signals:
    void clicked();

private:
    QLineEdit *m_field;
    QListView *m_view;
    NameListModel *m_model;
    int m_current = -1;
};

} // namespace lullara
