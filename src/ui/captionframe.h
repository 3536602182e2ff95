#pragma once
// A group box whose caption sits on its top border, the border running
// through the middle of the caption's text, as the frames of the classic
// Windows look have it. Border and fill are those of the Fusion style's
// frames beside it.

#include <QGroupBox>

namespace lullara {

class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    // The row the top border runs along.
    int borderTop() const { return fontMetrics().height() / 2; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lullara
