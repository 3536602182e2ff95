#pragma once
// The generated list: rows of a name, an icon key ("men" or "women") and a
// tick, kept in the order they were added. Positions count from 1. The list
// on screen shows this model; the run appends to it and the output commands
// read it.

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QStringList>
#include <vector>

namespace lullara {

class GeneratedRows : public QAbstractListModel {
    Q_OBJECT
public:
    explicit GeneratedRows(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The pictures shown for the icon keys ("Doc", "men", "women").
    void setIcons(const QHash<QString, QIcon> &icons) { m_icons = icons; }

    int count() const { return static_cast<int>(m_rows.size()); }
    // Appends an unticked row and puts the selection mark on it.
    void append(const QString &text, const QString &iconKey);
    // Appends the name unless a row already holds exactly this text (of
    // either gender); returns whether it was added.
    bool appendUnique(const QString &text, const QString &iconKey);
    // Whether a row holds exactly `text`.
    bool contains(const QString &text) const;
    void clear();

    QString text(int position) const;
    QString iconKey(int position) const;
    bool isTicked(int position) const;
    void setTicked(int position, bool ticked);
    void setAllTicked(bool ticked);

    QStringList texts() const;
    QStringList tickedTexts() const;

signals:
    // The selection mark goes to this row (the newest one).
    void marked(int position);

private:
    struct Row {
        QString text;
        QString iconKey;
        bool ticked = false;
    };
    const Row *row(int position) const;
    std::vector<Row> m_rows;
    QHash<QString, QIcon> m_icons;
};

} // namespace lullara
