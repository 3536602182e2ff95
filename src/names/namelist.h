#pragma once
// One loaded name list, kept in alphabetical order as a person reads it
// (locale-aware, case-insensitive), with the position chosen in it. A name
// box on screen shows a NameList; the run and the add buttons read it.

#include <QAbstractListModel>
#include <QCollator>
#include <QStringList>
#include <vector>

namespace lullara {

class NameList : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NameList(QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Replaces the content with `names`, sorted (stable: equal names keep
    // file order). Nothing is chosen afterwards.
    void setNames(QStringList names);
    int count() const { return static_cast<int>(m_names.size()); }
    // The name at `position`, or an empty text outside the list.
    QString at(int position) const;

    // The chosen position, -1 for none.
    int current() const { return m_current; }
    // Chooses `position` (anything outside the list chooses none) and
    // announces it through chosen(), also when it was chosen already: a
    // choice made by the program acts like a click in the box.
    void choose(int position);

signals:
    void chosen(int position);

private:
    QCollator m_collator;
    std::vector<QString> m_names;
    int m_current = -1;
};

} // namespace lullara
