#pragma once
// The name card: one name's story in the US name data, in a window of its
// own. A chart of the births per decade for boys and for girls, and in words
// the name's rank, peak decade, trend and share. The data is read when the
// first card of a session opens (nameHistory()).

#include <QWidget>

#include "names/namehistory.h"

class QLabel;

namespace lullara {

// US births per decade, the 1880s to the 2020s: one line for each sex that
// has births, over a grid with the births on the left and the decades below.
// Drawn in the palette's text and base colours, so it reads on a dark
// palette too; every length is in logical pixels, so a scaled screen draws
// it sharper, not smaller.
class BirthsChart : public QWidget {
    Q_OBJECT
public:
    explicit BirthsChart(QWidget *parent = nullptr);
    void setStory(const NameStory &story);

    // The colour of a sex's line on `palette` (its base colour behind).
    static QColor seriesColour(Gender gender, const QPalette &palette);
    // The rectangle the lines are drawn in, and the middle of a decade's
    // column (0: the 1880s) across it.
    QRectF plotArea() const;
    double decadeX(int decade) const;

    QSize sizeHint() const override { return {560, 260}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The births at the top of the scale and the step between grid lines.
    std::pair<quint32, quint32> scale() const;

    NameStory m_story;
};

class NameCard : public QWidget {
    Q_OBJECT
public:
    explicit NameCard(QWidget *parent = nullptr);

    // Shows `name` as the US data at `dataPath` tells it; when the data
    // cannot be read, the reason.
    void showName(const QString &name, const QString &dataPath);

private:
    void showStory(const NameStory &story);

    QLabel *m_title, *m_caption, *m_boys, *m_girls, *m_note;
    BirthsChart *m_chart;
};

} // namespace lullara
