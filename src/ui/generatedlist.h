#pragma once
// The generated list: rows of a name, an icon key ("men" or "women"), a check
// box and a selection mark, kept in the order they were added. Positions are
// counted from 1.

#include <QHash>
#include <QIcon>
#include <QListWidget>

namespace lullara {

class GeneratedList : public QListWidget {
    Q_OBJECT
public:
    explicit GeneratedList(QWidget *parent = nullptr);

    // The image list: key -> picture ("Doc", "men", "women").
    void setImageList(const QHash<QString, QIcon> &images) { m_images = images; }

    int rowCount() const { return count(); }
    void appendRow(const QString &text, const QString &iconKey);
    void removeAllRows() { clear(); }
    QString rowText(int position) const;
    QString rowIconKey(int position) const;
    bool isTicked(int position) const;
    void setTicked(int position, bool ticked);
    // Sets the selection mark on one row (the mark moves there from any other).
    void markSelected(int position);
    bool isMarked(int position) const;

    QStringList allTexts() const;
    QStringList tickedTexts() const;

private:
    QListWidgetItem *row(int position) const { return item(position - 1); }
    QHash<QString, QIcon> m_images;
};

} // namespace lullara
