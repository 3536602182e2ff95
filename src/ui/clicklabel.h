#pragma once
#include <QLabel>
#include <QMouseEvent>

namespace lullara {

// A picture that acts on a click, like a button without a frame. It takes the
// keyboard focus too (Space or Enter clicks it) so keyboard users reach it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        emit pressed(event->button());
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter) {
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
};

} // namespace lullara
