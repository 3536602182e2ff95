#pragma once
// The generated list on screen: each row a check box, a 16 x 16 picture and
// the name, in the order the rows were added. The newest row carries the
// selection mark.

#include <QListView>

namespace lullara {

class GeneratedRows;

class GeneratedList : public QListView {
    Q_OBJECT
public:
    explicit GeneratedList(QWidget *parent = nullptr);
    void setRows(GeneratedRows *rows);

private:
    void markRow(int position);
};

} // namespace lullara
