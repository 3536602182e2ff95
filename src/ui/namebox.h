#pragma once
// A name box: a text field above an always-open list, showing one NameList.
// A click or a keyboard move in the list chooses that entry; a choice made
// by the program shows as the list's selection and in the text field.

#include <QWidget>

#include "names/namelist.h"

class QLineEdit;
class QListView;

namespace lullara {

class NameBox : public QWidget {
    Q_OBJECT
public:
    explicit NameBox(QWidget *parent = nullptr);

    void setList(NameList *list);
    NameList *list() const { return m_list; }

    QLineEdit *field() const { return m_field; }
    QListView *view() const { return m_view; }

private:
    void showChosen(int position);
    void showInField(const QString &name);

    QLineEdit *m_field;
    QListView *m_view;
    NameList *m_list = nullptr;
};

} // namespace lullara
