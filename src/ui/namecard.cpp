#include "ui/namecard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace lullara {

namespace {

QString decadeLabel(int index) { return usDecadeName(kUsFirstDecade + 10 * index); }

// A share as a percentage: one decimal from 1 % up, else two significant digits.
QString percent(double share)
{
    const double value = share * 100;
    const QLocale locale;
    return NameCard::tr("%1%", "a share in percent")
        .arg(value == 0 ? locale.toString(0) : value >= 1 ? locale.toString(value, 'f', 1) : locale.toString(value, 'g', 2));
}

QString storyText(const SexStory &s, Gender gender)
{
    const QLocale locale;
    const bool boys = gender == Gender::Boys;
    const QString latest = usDecadeName(kUsLastDecade);
    QStringList lines;
    if (s.rank > 0)
        lines << (boys ? NameCard::tr("Boys: number %1 of %2 boys' names in the %3")
                       : NameCard::tr("Girls: number %1 of %2 girls' names in the %3"))
                     .arg(locale.toString(s.rank), locale.toString(s.rankedNames), latest);
    else
        lines << (boys ? NameCard::tr("Boys: not given in the %1") : NameCard::tr("Girls: not given in the %1")).arg(latest);
    lines << NameCard::tr("Peak decade: the %1").arg(usDecadeName(s.peakDecade));
    switch (s.trend) {
    case Trend::Rising: lines << NameCard::tr("Trend: rising over the last three decades"); break;
    case Trend::Falling: lines << NameCard::tr("Trend: falling over the last three decades"); break;
    case Trend::Steady: lines << NameCard::tr("Trend: steady over the last three decades"); break;
    case Trend::None: lines << NameCard::tr("Trend: none, no births in the last three decades"); break;
    }
    lines << (boys ? NameCard::tr("Share: %1 of the boys born in the %2, %3 of all boys since %4")
                   : NameCard::tr("Share: %1 of the girls born in the %2, %3 of all girls since %4"))
                 .arg(percent(s.latestShare), latest, percent(s.overallShare), QString::number(kUsFirstDecade));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

BirthsChart::BirthsChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chtBirths"));
    setMinimumSize(420, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BirthsChart::setStory(const NameStory &story)
{
    m_story = story;
    update();
}

QColor BirthsChart::seriesColour(Gender gender, const QPalette &palette)
{
    // Blue for boys, a deep pink for girls: dark on a light base, light on a dark one.
    const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
    return QColor::fromHsl(gender == Gender::Boys ? 212 : 332, 200, darkBase ? 175 : 95);
}

std::pair<quint32, quint32> BirthsChart::scale() const
{
    quint32 most = 0;
    for (const SexStory *s : {&m_story.boys, &m_story.girls})
        most = std::max(most, *std::max_element(s->births.begin(), s->births.end()));
    // Four to five grid lines at 1, 2, 2.5 or 5 times a power of ten.
    const double rough = std::max(1.0, most / 4.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    }
    const auto whole = static_cast<quint32>(std::max(1.0, std::ceil(step)));
    const quint32 top = std::max<quint32>(whole, (most + whole - 1) / whole * whole);
    return {top, whole};
}

QRectF BirthsChart::plotArea() const
{
    const QFontMetricsF fm(font());
    const double left = fm.horizontalAdvance(QLocale().toString(scale().first)) + fm.averageCharWidth() * 2;
    const double top = fm.height() * 1.8; // the legend's line
    const double bottom = fm.height() * 1.6; // the decades' line
    return QRectF(left, top, std::max(1.0, width() - left - fm.averageCharWidth() * 2),
                  std::max(1.0, height() - top - bottom));
}

double BirthsChart::decadeX(int decade) const
{
    const QRectF plot = plotArea();
    return plot.left() + plot.width() * (decade + 0.5) / kUsDecadeCount;
}

void BirthsChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QColor text = palette().color(QPalette::Text);
    QColor grid = text;
    grid.setAlpha(50);
    const QFontMetricsF fm(font());
    const QRectF plot = plotArea();
    const auto [top, step] = scale();
    const auto yOf = [&](double births) { return plot.bottom() - plot.height() * births / top; };

    // Grid and births on the left.
    const QLocale locale;
    for (quint32 births = 0; births <= top; births += step) {
        const double y = yOf(births);
        p.setPen(QPen(births == 0 ? text : grid, 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(text);
        p.drawText(QRectF(0, y - fm.height() / 2, plot.left() - fm.averageCharWidth(), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, locale.toString(births));
        if (top - births < step)
            break;
    }
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // Decades below, every one that fits.
    const double labelWidth = fm.horizontalAdvance(decadeLabel(0)) + fm.averageCharWidth();
    const int every = std::max(1, static_cast<int>(std::ceil(labelWidth / (plot.width() / kUsDecadeCount))));
    for (int i = 0; i < kUsDecadeCount; ++i) {
        const double x = decadeX(i);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        if (i % every == 0)
            p.drawText(QRectF(x - labelWidth / 2, plot.bottom() + 3, labelWidth, fm.height()), Qt::AlignCenter,
                       decadeLabel(i));
    }

    // One line for each sex that has births, with a dot on each decade, and its
    // name in the legend above.
    double legendX = plot.left();
    for (Gender gender : {Gender::Boys, Gender::Girls}) {
        const SexStory &s = m_story.of(gender);
        if (!s.given())
            continue;
        const QColor colour = seriesColour(gender, palette());
        QPolygonF line;
        for (int i = 0; i < kUsDecadeCount; ++i)
            line << QPointF(decadeX(i), yOf(s.births[static_cast<size_t>(i)]));
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        for (const QPointF &point : line)
            p.drawEllipse(point, 3, 3);
        const double legendY = fm.height() * 0.8;
        p.drawEllipse(QPointF(legendX + 6, legendY), 4, 4);
        p.setPen(text);
        const QString name = gender == Gender::Boys ? tr("Boys") : tr("Girls");
        p.drawText(QPointF(legendX + 14, legendY + fm.ascent() / 2 - 1), name);
        legendX += 14 + fm.horizontalAdvance(name) + fm.averageCharWidth() * 3;
        p.setBrush(Qt::NoBrush);
    }
}

NameCard::NameCard(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNameCard"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblCardName"));
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_title->setFont(big);
    m_caption = new QLabel(tr("US births per decade, %1 to %2")
                               .arg(usDecadeName(kUsFirstDecade), usDecadeName(kUsLastDecade)), this);
    m_caption->setObjectName(QStringLiteral("lblCardCaption"));
    m_chart = new BirthsChart(this);
    m_boys = new QLabel(this);
    m_boys->setObjectName(QStringLiteral("lblCardBoys"));
    m_girls = new QLabel(this);
    m_girls->setObjectName(QStringLiteral("lblCardGirls"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblCardNote"));
    m_note->setWordWrap(true);
    // Names and paths come from files: shown as they stand, never as markup.
    for (QLabel *label : {m_title, m_boys, m_girls, m_note}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdCardClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *words = new QHBoxLayout;
    words->addWidget(m_boys, 1, Qt::AlignTop);
    words->addWidget(m_girls, 1, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_caption);
    layout->addWidget(m_chart, 1);
    layout->addLayout(words);
    layout->addWidget(m_note);
    layout->addLayout(buttons);
}

void NameCard::showName(const QString &name, const QString &dataPath)
{
    const auto history = nameHistory(dataPath);
    if (const auto *reason = std::get_if<QString>(&history)) {
        NameStory unknown;
        unknown.name = name.trimmed();
        showStory(unknown);
        m_note->setText(*reason);
        return;
    }
    showStory(std::get<const NameHistory *>(history)->story(name));
}

void NameCard::showStory(const NameStory &story)
{
    setWindowTitle(tr("About this name: %1").arg(story.name));
    m_title->setText(story.name);
    m_chart->setStory(story);
    m_boys->setText(story.boys.given() ? storyText(story.boys, Gender::Boys) : QString());
    m_girls->setText(story.girls.given() ? storyText(story.girls, Gender::Girls) : QString());
    m_note->setText(story.inData ? QString() : notInDataText(story.name));
    for (QWidget *w : std::initializer_list<QWidget *>{m_caption, m_chart})
        w->setVisible(story.inData);
    m_boys->setVisible(story.boys.given());
    m_girls->setVisible(story.girls.given());
    m_note->setVisible(!story.inData);
}

} // namespace lullara
