#include "ui/namebox.h"
#include "ui/elidingdelegate.h"

#include <QApplication>
#include <QHash>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QtMath>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace lullara {

namespace {

// Draws a name the way the style draws a plain text entry (background,
// text, focus frame), in one pass over the text: the style's own item
// drawing measures and lays the text out three times, and during a run the
// whole visible part of the list is redrawn ten times a second. Names of
// Latin-1 characters that fit the row take this way (every glyph comes from
// the font itself, so one line looks like any other); other names, and
// names too long for the row, are drawn by the style.
class NameDelegate : public ElidingDelegate {
public:
    using ElidingDelegate::ElidingDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        const QString text = index.data(Qt::DisplayRole).toString();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
        if (text.isEmpty() || !isLatin1(text) || !fits(text, option.fontMetrics, textRect.width())) {
            ElidingDelegate::paint(painter, option, index);
            return;
        }

        QPalette::ColorGroup group = (option.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const bool selected = option.state & QStyle::State_Selected;

        painter->save();
        painter->setClipRect(option.rect);
        if (selected) {
            QStyleOptionViewItem background = option;
            background.text = text;
            background.features |= QStyleOptionViewItem::HasDisplay;
            style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);
        }
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(QPointF(textRect.left(), option.rect.top() + baseline(option)), text);

        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = option.rect;
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            const QPalette::ColorGroup focusGroup = (option.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
            focus.backgroundColor = option.palette.color(focusGroup, selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }

private:
    static bool isLatin1(const QString &text)
    {
        return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    }

    // Whether one line of `text` fits into `width`; short texts need no
    // measuring: no character of the font is wider than its widest.
    static bool fits(const QString &text, const QFontMetrics &metrics, int width)
    {
        if (text.size() * qsizetype(metrics.maxWidth()) <= width)
            return true;
        // More characters than pixels never fit; measuring them could take long.
        if (text.size() > width)
            return false;
        return metrics.horizontalAdvance(text) <= width;
    }

    // How far below the row's top the style puts the baseline of a line of
    // text (the same for every such line of one font): centred in a box as
    // tall as the line, rounded up, itself centred in the row (or the row
    // itself, where the style selects whole rows), each step in whole pixels.
    qreal baseline(const QStyleOptionViewItem &option) const
    {
        const int rowHeight = option.rect.height();
        if (!m_baselineValid || rowHeight != m_rowHeight || option.showDecorationSelected != m_wholeRow
            || option.font != m_font) {
            QTextLayout layout(QStringLiteral("x"), option.font);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            line.setLineWidth(1000);
            layout.endLayout();
            const int box = option.showDecorationSelected ? rowHeight : std::min(qCeil(line.height()), rowHeight);
            const int boxTop = (rowHeight - box) / 2;
            const int lineTop = boxTop + (box - layout.boundingRect().size().toSize().height()) / 2;
            m_baseline = lineTop + line.ascent();
            m_rowHeight = rowHeight;
            m_wholeRow = option.showDecorationSelected;
            m_font = option.font;
            m_baselineValid = true;
        }
        return m_baseline;
    }

    mutable bool m_baselineValid = false;
    mutable int m_rowHeight = 0;
    mutable bool m_wholeRow = false;
    mutable QFont m_font;
    mutable qreal m_baseline = 0;
};

// How a line edit describes itself to the style when it draws its frame
// over `rect`, in the colours of `palette`.
QStyleOptionFrame frameOption(const QLineEdit *field, const QRect &rect, const QPalette &palette)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    QPalette colours = palette;
    colours.setCurrentColorGroup(option.palette.currentColorGroup());
    option.palette = colours;
    option.rect = rect;
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (field->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}

// The name box's text field, without a frame of its own: its parent, a
// FieldFrame, draws the frame around it. A framed field redraws its frame
// (rounded and anti-aliased in the Fusion style, twice over while it has the
// focus) and whatever shows through the frame's corners with every new text,
// and a run puts a new text into it ten times a second. This field paints
// its inside from a picture of the framed field's inside (the frame reaches
// into it a little: an inner shadow, the focus glow) kept until its size or
// state changes, then its text over it, as a framed field does.
class NameField : public QLineEdit {
public:
    explicit NameField(QWidget *parent) : QLineEdit(parent)
    {
        setFrame(false);
        // The picture covers every pixel: nothing behind needs repainting.
        setAttribute(Qt::WA_OpaquePaintEvent);
        // The line edit's own background fill would only cover the picture.
        QPalette clear = palette();
        clear.setBrush(QPalette::Base, Qt::transparent);
        setPalette(clear);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            painter.drawPixmap(0, 0, inside());
        }
        QLineEdit::paintEvent(event);
    }

private:
    // The inside of the framed field: the style's panel and frame drawn
    // around this field, cut to this field's area.
    const QPixmap &inside()
    {
        const QPalette colours = parentWidget() ? parentWidget()->palette() : QApplication::palette();
        QStyleOptionFrame option = frameOption(this, rect(), colours);
        const int w = option.lineWidth;
        option.rect = rect().adjusted(-w, -w, w, w);
        const qreal ratio = devicePixelRatioF();
        const Key key{size(), int(option.state), colours.cacheKey(), style(), ratio,
                      option.palette.currentColorGroup()};
        if (key != m_insideKey || m_inside.isNull()) {
            QPixmap framed((QSizeF(option.rect.size()) * ratio).toSize());
            framed.setDevicePixelRatio(ratio);
            framed.fill(Qt::transparent);
            {
                QPainter painter(&framed);
                painter.translate(w, w);
                style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
            }
            m_inside = framed.copy(QRect((QPointF(w, w) * ratio).toPoint(), (QSizeF(size()) * ratio).toSize()));
            m_inside.setDevicePixelRatio(ratio);
            m_insideKey = key;
        }
        return m_inside;
    }

    struct Key {
        QSize size;
        int state = 0;
        qint64 palette = 0;
        const QStyle *style = nullptr;
        qreal ratio = 1;
        int group = 0;
        bool operator!=(const Key &o) const
        {
            return size != o.size || state != o.state || palette != o.palette || style != o.style
                || ratio != o.ratio || group != o.group;
        }
    };
    QPixmap m_inside;
    Key m_insideKey;
};

// The frame around a NameField: what a framed field draws outside its text
// area. It changes only with the field's state (focus, enabled, palette).
class FieldFrame : public QWidget {
public:
    FieldFrame(NameField *field, QWidget *parent) : QWidget(parent), m_field(field)
    {
        field->setParent(this);
        auto *layout = new QVBoxLayout(this);
        layout->setSpacing(0);
        layout->addWidget(field);
        setSizePolicy(field->sizePolicy());
        field->installEventFilter(this);
        updateMargins();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QStyleOptionFrame option = frameOption(m_field, rect(), palette());
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, m_field);
    }

    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange)
            updateMargins();
        QWidget::changeEvent(event);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::EnabledChange:
        case QEvent::ReadOnlyChange:
        case QEvent::StyleChange:
        case QEvent::HoverEnter:
        case QEvent::HoverLeave:
            update(); // the frame shows the field's state
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    // The field fills the frame's inside, where a framed field's text area is.
    void updateMargins()
    {
        const int w = frameOption(m_field, rect(), palette()).lineWidth;
        layout()->setContentsMargins(w, w, w, w);
    }

    NameField *m_field;
};

// A scroll bar that keeps pictures of itself. During a run the list jumps
// ten times a second and its scroll bar is redrawn each time (gradients in
// the Fusion style); the slider takes only as many places as the bar is
// pixels long, so the pictures are soon all there and a redraw is a copy.
// While the mouse is over the bar or a button is down the style draws it
// directly (hover and pressed looks), and always for styles whose scroll
// bars fade in and out.
class PictureScrollBar : public QScrollBar {
public:
    explicit PictureScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr)
        : QScrollBar(orientation, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (underMouse() || isSliderDown() || QApplication::mouseButtons() != Qt::NoButton
            || style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, this)) {
            QScrollBar::paintEvent(event);
            return;
        }
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        option.activeSubControls = QStyle::SC_None;
        const QRect slider = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        const qreal ratio = devicePixelRatioF();
        // Some styles draw the arrows differently at either end of the range.
        const int ends = (option.sliderValue == option.minimum ? 1 : 0) | (option.sliderValue == option.maximum ? 2 : 0);
        const QString key = QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
                                .arg(size().width())
                                .arg(size().height())
                                .arg(slider.x())
                                .arg(slider.y())
                                .arg(slider.width())
                                .arg(slider.height())
                                .arg(int(option.state))
                                .arg(ends)
                                .arg(palette().cacheKey())
                                .arg(ratio);
        if (style() != m_pictureStyle || m_pictures.size() >= 256) {
            m_pictures.clear();
            m_pictureStyle = style();
        }
        auto it = m_pictures.find(key);
        if (it == m_pictures.end()) {
            QPixmap picture((QSizeF(size()) * ratio).toSize());
            picture.setDevicePixelRatio(ratio);
            picture.fill(palette().color(backgroundRole()));
            {
                QPainter painter(&picture);
                style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
            }
            it = m_pictures.insert(key, picture);
        }
        QPainter painter(this);
        painter.drawPixmap(0, 0, *it);
    }

private:
    QHash<QString, QPixmap> m_pictures;
    const QStyle *m_pictureStyle = nullptr;
};

// The name box's list. Scrolling normally makes the view ask the window
// system where the mouse is (a round trip to the display server), to update
// the entry under the mouse; during a run the box scrolls ten times a second.
// Only worth asking when the mouse is over the list.
class NameListView : public QListView {
public:
    using QListView::QListView;

protected:
    void verticalScrollbarValueChanged(int value) override
    {
        if (viewport()->underMouse())
            QListView::verticalScrollbarValueChanged(value);
    }
    void horizontalScrollbarValueChanged(int value) override
    {
        if (viewport()->underMouse())
            QListView::horizontalScrollbarValueChanged(value);
    }
};
} // namespace

NameBox::NameBox(QWidget *parent)
    : QWidget(parent), m_field(new NameField(this)), m_view(new NameListView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new FieldFrame(static_cast<NameField *>(m_field), this));
    layout->addWidget(m_view, 1);
    m_view->setItemDelegate(new NameDelegate(m_view));
    m_view->setUniformItemSizes(true); // keeps very long lists fast
    m_view->setVerticalScrollBar(new PictureScrollBar(Qt::Vertical));
    m_view->setHorizontalScrollBar(new PictureScrollBar(Qt::Horizontal));
    // The scroll bars cover themselves completely: filled first, nothing
    // behind them needs repainting when the list scrolls.
    for (QScrollBar *bar : {m_view->verticalScrollBar(), m_view->horizontalScrollBar()})
        bar->setAutoFillBackground(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop per box: the list; the field shows what is chosen there.
    m_field->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_view);
}

void NameBox::setList(NameList *list)
{
    m_list = list;
    m_view->setModel(list);
    // A click or a keyboard move in the list chooses that entry. (Taking the
    // focus only moves the view's cursor, which chooses nothing.)
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty()) {
                    const int row = selected.indexes().first().row();
                    if (row != m_list->current())
                        m_list->choose(row);
                }
            });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            m_list->choose(index.row());
    });
    connect(list, &NameList::chosen, this, &NameBox::showChosen);
    // After every load the text field shows the first entry, or nothing, and
    // the list shows its beginning.
    connect(list, &QAbstractItemModel::modelReset, this, [this] {
        showInField(m_list->count() > 0 ? m_list->at(0) : QString());
        m_view->scrollToTop();
    });
}

void NameBox::showChosen(int position)
{
    // The selection model's signals stay on: the view repaints the rows that
    // lose the selection through them.
    if (position < 0) {
        m_view->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_list->index(position);
    if (m_view->selectionModel()->currentIndex() != index || !m_view->selectionModel()->isSelected(index))
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(index);
    showInField(m_list->at(position));
}

void NameBox::showInField(const QString &name)
{
    // The field shows as much of a very long name as it can hold.
    m_field->setText(ElidingDelegate::fitted(name, m_field->fontMetrics(), m_field->width()));
}

QString NameBox::text() const { return m_field->text(); }

} // namespace lullara
