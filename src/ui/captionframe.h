#pragma once
// A frame whose caption lies on its top border, interrupting the line, the
// way classic frames draw it: the border runs through the middle of the
// caption's text instead of below a title row.

#include <QGroupBox>

namespace lullara {

class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);
    QString caption() const { return m_caption; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int styleBorderInset() const;

    QString m_caption;
    int m_borderInset = -1;
};

} // namespace lullara
