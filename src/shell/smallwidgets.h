#pragma once
// Small widgets the program's windows share: labels, a picture that acts on
// a click, and the thin grey lines of the borderless windows.

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace lullara {

// A picture that acts on a left click, like a button without a frame. With
// the keyboard focus, Space or Enter clicks it too.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
};

// A label named `name` showing `text`, placed at `at` and as large as its text.
inline QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QPoint at = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

inline const QColor kLineGrey(128, 128, 128);

// A grey outline over `area` of its window, drawn in front of every control
// made before it and letting the mouse through to them.
class GreyOutline : public QWidget {
public:
    GreyOutline(QWidget *window, const QRect &area) : QWidget(window)
    {
        setObjectName(QStringLiteral("Shape1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(area);
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(kLineGrey);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
};

// A grey rule, one pixel high, named `Line1`.
inline QFrame *makeGreyRule(QWidget *parent, const QRect &geometry)
{
    auto *rule = new QFrame(parent);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::NoFrame);
    rule->setGeometry(geometry);
    QPalette grey = rule->palette();
    grey.setColor(QPalette::Window, kLineGrey);
    rule->setPalette(grey);
    rule->setAutoFillBackground(true);
    return rule;
}

} // namespace lullara
