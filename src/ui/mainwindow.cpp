#include "ui/mainwindow.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QScreen>
#include <QToolButton>
#include <cmath>
#include <tuple>

#include "app/settingsvalues.h"
#include "names/namefile.h"
#include "names/namefolder.h"
#include "names/usnames.h"
#include "output/comparison.h"
#include "output/formats.h"
#include "output/shortlist.h"
#include "shell/aboutwindow.h"
#include "shell/executelink.h"
#include "shell/resources.h"
#include "shell/settingsfile.h"
#include "shell/smallwidgets.h"
#include "ui/classiccolours.h"
#include "ui/comparisonwindow.h"
#include "ui/elidingdelegate.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"
#include "ui/namecard.h"
#include "ui/namelistsdialog.h"
#include "ui/statusbar.h"

namespace lullara {

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QToolButton *makePictureButton(QWidget *parent, const char *name, const QString &caption,
                               const QString &pictureName, const QSize &iconSize, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    if (!pictureName.isEmpty())
        button->setIcon(pictureIcon(pictureName));
    button->setIconSize(iconSize);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// The drawn name and the row counter: dark grey (64, 64, 64) on the classic
// light background.
const QColor kDarkGrey(64, 64, 64);

// Screen readers meet this window as a window (a frame), as they do the
// windows of other programs, not as a plain part of one.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->isWindow() && className == QLatin1String("lullara::MainWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// A group box whose caption sits on its top border, the border running
// through the middle of the caption's text, in the border and fill colours
// of the Fusion style's frames. A style sheet could do it, but would restyle
// every control inside at a cost of memory and start-up time; the Fusion
// style itself lowers the frame of a titled box below the title.
class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(117, 117, 117, 50));
        painter.setBrush(QColor(0, 0, 0, 3));
        const qreal borderTop = fontMetrics().height() / 2 + 0.5;
        const QRectF border = QRectF(rect()).adjusted(1.5, borderTop, -0.5, -0.5);
        painter.drawRoundedRect(border, 2, 2);
        painter.setPen(QColor(0, 0, 0, 5)); // the faint line inside the border
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(border.adjusted(1, 1, -1, -1), 1, 1);
        // The caption, with two pixels free of the border on either side.
        const QRect caption(6, 0, fontMetrics().horizontalAdvance(title()) + 4, fontMetrics().height());
        painter.fillRect(caption, palette().button());
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                              title(), QPalette::WindowText);
    }
};

void describe(QWidget *w, const QString &name, const QString &description = {})
{
    w->setAccessibleName(name);
    if (!description.isEmpty())
        w->setAccessibleDescription(description);
}

} // namespace

MainWindow::MainWindow(const Services &services, const QString &programDir, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_services(services), m_names(programDir, userNameFolders(), this), m_rows(this),
      m_lottery(&m_names, &m_rows, services.dialogs, this), m_output(&m_rows, services, this)
{
    initResources();
    [[maybe_unused]] static const bool windowRole = (QAccessible::installFactory(windowAccessible), true);
    setObjectName(QStringLiteral("frmRandom"));
    //: Window caption; %1 is the version, 2.0
    setWindowTitle(tr("Lullara v%1").arg(versionText()));
    setWindowIcon(programIcon());
    setFixedSize(577, 562);
    setFont(m_fonts.font(QStringLiteral("MS Sans Serif"), 8));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    m_rows.setIcons({{QStringLiteral("Doc"), pictureIcon(QStringLiteral("doc.png"))},
                     {QStringLiteral("men"), pictureIcon(QStringLiteral("men.png"))},
                     {QStringLiteral("women"), pictureIcon(QStringLiteral("women.png"))}});
    m_handPointer = handPointer();

    m_lottery.setDialogParent(this);
    m_output.setDialogParent(this);
    m_output.setPictureChoice(programDir, [this] { return m_lottery.gender() == Gender::Boys; });
    m_output.setSaveFilterMemory([this] { return StoredSettings(*m_services.settings).saveFilter(); },
                                 [this](int filter) { StoredSettings(*m_services.settings).rememberSaveFilter(filter); });

    // While "Keep the list between sessions" is on, every change of the rows is written at once.
    m_keptListFolder = userNameFolder();
    m_keeper = new ShortlistKeeper(&m_rows, m_keptListFolder, this);
    connect(m_keeper, &ShortlistKeeper::writeFailed, this, [this](const QString &reason) {
        if (m_keepFailureSaid)
            return;
        m_keepFailureSaid = true;
        m_services.dialogs->message(this, QStringLiteral("Lullara"),
                                    tr("The list could not be kept for the next session:") + QStringLiteral("\r\n")
                                        + reason + QStringLiteral("\r\n\r\n")
                                        + tr("This is said once; turn \"Keep the list between sessions\" off and on "
                                             "again to try anew."),
                                    MsgButtons::Ok, MsgIcon::Exclamation);
    });

    buildControls();
    buildMenu();
    buildTabOrder();
    bindCore();
    bindNameCards();
    m_built = true;
    applyPalette();
}

void MainWindow::applyPalette()
{
    for (QLabel *label : {m_nameLabel, m_counterLabel})
        setClassicTextColour(label, kDarkGrey);
    // The letter display lies on the letter frame's top border, filled with
    // the colour the frame's caption is drawn on.
    QPalette onBorder = palette();
    onBorder.setColor(QPalette::Base, onBorder.color(QPalette::Button));
    m_letterDisplay->setPalette(onBorder);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A theme switched while the program runs (light to dark or back).
    if (event->type() == QEvent::PaletteChange && m_built)
        applyPalette();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    // Side picture.
    m_sidePicture = new ClickLabel(this);
    m_sidePicture->setObjectName(QStringLiteral("imgLogo"));
    m_sidePicture->setGeometry(0, 0, 50, 540);
    m_sidePicture->setPixmap(picture(QStringLiteral("side.png")));
    // The menu's "About Lullara..." is the keyboard's way to the same window.
    m_sidePicture->setFocusPolicy(Qt::NoFocus);
    describe(m_sidePicture, tr("About Lullara"), tr("Opens the About window"));
    connect(m_sidePicture, &ClickLabel::clicked, this, &MainWindow::showAbout);

    buildGenderFrames();
    buildCountersAndSelectors();
    buildLetterFrame();
    buildListFrame();
    buildRunButtons();
    buildOutputButtons();
    buildStatusBar();

    // Hidden helpers.
    m_mailBody = new QPlainTextEdit(this);
    m_mailBody->setObjectName(QStringLiteral("txtMailList"));
    m_mailBody->setGeometry(641, 281, 29, 29);
    m_mailBody->hide();

    // Screen readers hear a run through this label: each announcement
    // becomes its accessible name, which sends one "name changed" event
    // (Qt 6.4 has no announcement event of its own). It has no size and
    // lies outside the client area like the mail body, so nobody sees it,
    // but it is not hidden: readers skip events of hidden objects.
    m_announcer = new QLabel(this);
    m_announcer->setObjectName(QStringLiteral("lblAnnounce"));
    m_announcer->setGeometry(641, 320, 0, 0);
    m_announcer->setTextFormat(Qt::PlainText);
    describe(m_announcer, tr("Lottery announcements"), tr("Says each name a run adds, and when the run ends"));

    // Stacking: these lie in front of their neighbours.
    for (QWidget *w : std::initializer_list<QWidget *>{m_progressBar, m_counterBox, m_clearButton, m_tickAllButton,
                                                       m_untickAllButton, m_addBoyButton, m_addGirlButton, m_boysOption,
                                                       m_girlsOption, m_letterDisplay, m_webSiteButton})
        w->raise();
}

void MainWindow::buildGenderFrames()
{
    const QFont terminal6 = m_fonts.font(QStringLiteral("Terminal"), 6, true);
    const QFont arial11b = m_fonts.font(QStringLiteral("Arial"), 11.25, true);
    // Boys' and girls' frames.
    m_boysFrame = new QGroupBox(this);
    m_boysFrame->setObjectName(QStringLiteral("Frame2"));
    m_boysFrame->setGeometry(63, 9, 169, 135);
    m_girlsFrame = new QGroupBox(this);
    m_girlsFrame->setObjectName(QStringLiteral("Frame3"));
    m_girlsFrame->setGeometry(399, 9, 169, 135);
    // Frames without a caption of their own are named for screen readers.
    describe(m_boysFrame, tr("Boys' list"));
    describe(m_girlsFrame, tr("Girls' list"));

    m_boysBox = new NameBox(m_boysFrame);
    m_boysBox->setObjectName(QStringLiteral("lstBoys"));
    m_boysBox->setGeometry(8, 21, 153, 103);
    describe(m_boysBox, tr("Boys' names"));
    m_girlsBox = new NameBox(m_girlsFrame);
    m_girlsBox->setObjectName(QStringLiteral("lstGirls"));
    m_girlsBox->setGeometry(8, 21, 153, 103);
    describe(m_girlsBox, tr("Girls' names"));
    m_boysBox->view()->setAccessibleName(tr("List of boys' names"));
    m_boysBox->field()->setAccessibleName(tr("Chosen boys' name"));
    m_girlsBox->view()->setAccessibleName(tr("List of girls' names"));
    m_girlsBox->field()->setAccessibleName(tr("Chosen girls' name"));
    m_boysBox->setList(m_names.boys());
    m_girlsBox->setList(m_names.girls());

    m_boysOption = new QRadioButton(tr("BOY", "the boys' option, 57 pixels wide"), m_boysFrame);
    m_boysOption->setObjectName(QStringLiteral("optBoys"));
    m_boysOption->setGeometry(14, 0, 57, 21);
    m_boysOption->setFont(arial11b);
    m_boysOption->setAutoFillBackground(true);
    m_boysOption->setChecked(true);
    describe(m_boysOption, tr("Boy"), tr("Draw names from the boys' list"));
    m_girlsOption = new QRadioButton(tr("GiRL", "the girls' option, 63 pixels wide; the small i is on purpose"), m_girlsFrame);
    m_girlsOption->setObjectName(QStringLiteral("optGirls"));
    m_girlsOption->setGeometry(98, -1, 63, 21);
    m_girlsOption->setFont(arial11b);
    m_girlsOption->setAutoFillBackground(true);
    describe(m_girlsOption, tr("Girl"), tr("Draw names from the girls' list"));
    // The two buttons sit in different frames, so each is a Tab stop of its
    // own. Alone in its frame, a button would let a click (or Space) take
    // the choice back: a click always leaves the clicked one chosen and
    // clears the other.
    for (auto [self, other, gender] : {std::tuple{m_boysOption, m_girlsOption, Gender::Boys},
                                       std::tuple{m_girlsOption, m_boysOption, Gender::Girls}}) {
        connect(self, &QRadioButton::clicked, this, [this, self = self, other = other, gender = gender] {
            self->setChecked(true);
            other->setChecked(false);
            m_lottery.setGender(gender);
        });
    }

    m_addBoyButton = makeButton(m_boysFrame, "cmdBoysAdd", tr(".add", "adds the chosen name by hand; 33 pixels wide"), QRect(193 - 63, 0, 33, 17));
    m_addGirlButton = makeButton(m_girlsFrame, "cmdGirlsAdd", tr(".add", "adds the chosen name by hand; 33 pixels wide"), QRect(409 - 399, 0, 33, 17));
    for (QPushButton *b : {m_addBoyButton, m_addGirlButton})
        b->setFont(terminal6);
    describe(m_addBoyButton, tr("Add boy's name"), tr("Adds the chosen boy's name to the generated list"));
    describe(m_addGirlButton, tr("Add girl's name"), tr("Adds the chosen girl's name to the generated list"));
    connect(m_addBoyButton, &QPushButton::clicked, this, [this] { m_lottery.addByHand(Gender::Boys); });
    connect(m_addGirlButton, &QPushButton::clicked, this, [this] { m_lottery.addByHand(Gender::Girls); });
}

void MainWindow::buildCountersAndSelectors()
{
    // Counters between the frames, each one text line high; showDrawnNumber()
    // and showDrawnName() place them.
    m_numberLabel = makeLabel(this, "lblNumber", QStringLiteral("0000"), QPoint(294, 23));
    m_numberLabel->setFont(m_fonts.font(QStringLiteral("Times New Roman"), 15.75));
    m_numberLabel->setAlignment(Qt::AlignCenter);
    m_numberLabel->adjustSize();
    m_numberLabel->clear(); // shown again through showDrawnNumber(), which places it
    showDrawnNumber(QStringLiteral("0000"));
    describe(m_numberLabel, tr("Drawn number"));
    m_nameLabel = makeLabel(this, "lblSname", QStringLiteral("......"), QPoint(292, 45));
    m_nameLabel->setFont(m_fonts.font(QStringLiteral("Verdana"), 15.75, true));
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->adjustSize();
    // Names come from files: shown as they are, never read as markup.
    for (QLabel *label : {m_numberLabel, m_nameLabel})
        label->setTextFormat(Qt::PlainText);
    m_nameLabel->clear();
    showDrawnName(QStringLiteral("......"));
    describe(m_nameLabel, tr("Drawn name"));

    m_wantedLabel = makeLabel(this, "Label2", tr("Create names:", "label of the number of names a run creates; ends left of the selector at x 329"), QPoint(257, 99));
    m_intervalLabel = makeLabel(this, "Label5", tr("Timer interval:", "label of the seconds between two names; ends left of the selector at x 329"), QPoint(257, 123));
    m_wantedSelector = new QComboBox(this);
    m_wantedSelector->setObjectName(QStringLiteral("cmbNamesNum"));
    // A little wider than the classic 41 pixels: this style's drop-down arrow
    // is wider, and "0.25" must show whole.
    m_wantedSelector->setGeometry(329, 95, 52, 21);
    m_intervalSelector = new QComboBox(this);
    m_intervalSelector->setObjectName(QStringLiteral("cmbLotteryInterval"));
    m_intervalSelector->setGeometry(329, 119, 52, 21);
    for (QComboBox *c : {m_wantedSelector, m_intervalSelector}) {
        c->setMaxVisibleItems(12);
        c->view()->setMinimumWidth(60);
    }
    describe(m_wantedSelector, tr("Create names"), tr("How many names a run creates"));
    describe(m_intervalSelector, tr("Timer interval"), tr("Seconds between two added names"));
    m_wantedLabel->setBuddy(m_wantedSelector);
    m_intervalLabel->setBuddy(m_intervalSelector);
}

void MainWindow::buildLetterFrame()
{
    // First-letter frame.
    const QFont terminal6 = m_fonts.font(QStringLiteral("Terminal"), 6, true);
    m_letterFrame = new CaptionFrame(tr("Only choose/show name that start with :", "caption of the first-letter frame"), this);
    m_letterFrame->setObjectName(QStringLiteral("Frame1"));
    m_letterFrame->setGeometry(63, 154, 505, 57);
    for (int i = 0; i < 26; ++i) {
        const QString letter(QChar(u'A' + i));
        auto *b = new QRadioButton(letter, m_letterFrame);
        b->setObjectName(QStringLiteral("optLet%1").arg(i));
        b->setFont(terminal6);
        if (i <= 16)
            b->setGeometry(7 + 28 * i, 21, 29, 15);
        else
            b->setGeometry(7 + 28 * (i - 17), 35, 29, 15);
        //: Accessible name of a letter button; %1 is the letter A to Z
        describe(b, tr("Names starting with %1").arg(letter));
        connect(b, &QRadioButton::clicked, this, [this, letter] { chooseLetter(letter); });
        m_letterOptions[static_cast<size_t>(i)] = b;
    }
    m_allOption = new QRadioButton(allText(), m_letterFrame);
    m_allOption->setObjectName(QStringLiteral("optLetAll"));
    m_allOption->setGeometry(455, 35, 43, 15);
    m_allOption->setFont(terminal6);
    describe(m_allOption, tr("All names"));
    connect(m_allOption, &QRadioButton::clicked, this, [this] { chooseLetter(QStringLiteral("All")); });
    // The group's one Tab stop is the chosen button, however it was chosen
    // (a click, the arrow keys or the stored settings); the arrow keys still
    // move among all of them.
    for (QRadioButton *b : m_letterFrame->findChildren<QRadioButton *>()) {
        b->setFocusPolicy(Qt::ClickFocus);
        connect(b, &QRadioButton::toggled, b,
                [b](bool chosen) { b->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    m_letterDisplay = new QLineEdit(allShownText(), m_letterFrame);
    m_letterDisplay->setObjectName(QStringLiteral("txtLet"));
    m_letterDisplay->setGeometry(462, 0, 29, 12);
    m_letterDisplay->setFont(m_fonts.font(QStringLiteral("Terminal"), 9));
    m_letterDisplay->setAlignment(Qt::AlignCenter);
    m_letterDisplay->setReadOnly(true);
    m_letterDisplay->setFrame(false);
    m_letterDisplay->setFocusPolicy(Qt::NoFocus);
    m_letterDisplay->setTextMargins(0, 0, 0, 0);
    describe(m_letterDisplay, tr("Letter in force"));
}

void MainWindow::buildListFrame()
{
    // Generated-list frame.
    const QFont terminal6 = m_fonts.font(QStringLiteral("Terminal"), 6, true);
    m_listFrame = new QGroupBox(this);
    m_listFrame->setObjectName(QStringLiteral("Fram5"));
    m_listFrame->setGeometry(63, 217, 505, 307);
    describe(m_listFrame, tr("Generated list and its commands"));
    m_generatedList = new GeneratedList(m_listFrame);
    m_generatedList->setObjectName(QStringLiteral("lstGenerator"));
    m_generatedList->setGeometry(7, 21, 333, 278);
    m_generatedList->setFont(m_fonts.font(QStringLiteral("Verdana"), 8.25));
    m_generatedList->setRows(&m_rows);
    describe(m_generatedList, tr("Generated names"), tr("Tick names to save or copy only those"));

    m_counterBox = new QFrame(m_listFrame);
    m_counterBox->setObjectName(QStringLiteral("Picture1"));
    m_counterBox->setGeometry(238, 28, 22, 8);
    m_counterBox->setBackgroundRole(QPalette::Base);
    m_counterBox->setAutoFillBackground(true);
    m_counterBox->setFocusPolicy(Qt::TabFocus);
    describe(m_counterBox, tr("Row counter"));
    m_counterLabel = new QLabel(QStringLiteral("0"), m_counterBox);
    m_counterLabel->setObjectName(QStringLiteral("lblIDNumber"));
    m_counterLabel->setFont(terminal6);
    m_counterLabel->setAlignment(Qt::AlignCenter);
    m_counterLabel->setTextFormat(Qt::PlainText);
    m_counterLabel->setGeometry(0, -2, 22, 12);
    describe(m_counterLabel, tr("Names in the list"));

    m_clearButton = makeButton(m_listFrame, "cmdGeneratorClear", tr("&Clear", "button of 40 pixels over the list"), QRect(259, 24, 40, 17));
    m_clearButton->setFont(m_fonts.font(QStringLiteral("Arial"), 6.75));
    describe(m_clearButton, tr("Clear"), tr("Empties the generated list"));
    m_tickAllButton = makeButton(m_listFrame, "cmdSelectAll", QString(), QRect(302, 24, 17, 17));
    m_tickAllButton->setIcon(pictureIcon(QStringLiteral("check.png")));
    m_tickAllButton->setToolTip(tr("select all items"));
    describe(m_tickAllButton, tr("Select all"), tr("Ticks every name of the list"));
    m_untickAllButton = makeButton(m_listFrame, "cmdDeselectAll", QString(), QRect(318, 24, 17, 17));
    m_untickAllButton->setIcon(pictureIcon(QStringLiteral("cross.png")));
    m_untickAllButton->setToolTip(tr("deselect all items"));
    describe(m_untickAllButton, tr("Deselect all"), tr("Clears every tick of the list"));
    for (QPushButton *b : {m_tickAllButton, m_untickAllButton})
        b->setIconSize(QSize(16, 16));
}

void MainWindow::buildRunButtons()
{
    const QFont arial11b = m_fonts.font(QStringLiteral("Arial"), 11.25, true);
    const QFont sans8b = m_fonts.font(QStringLiteral("MS Sans Serif"), 8.25, true);
    m_startButton = makePictureButton(m_listFrame, "cmdStart",
                                 //: The start button; [F6] names its key. 143 pixels wide
                                 tr("&GO!       [F6]"),
                                 QStringLiteral("hourglass.png"), QSize(32, 32), QRect(350, 21, 143, 57));
    m_startButton->setFont(arial11b);
    m_startButton->setToolTip(tr("Start the Random Function"));
    m_startButton->setCursor(m_handPointer);
    describe(m_startButton, tr("Go"), tr("Starts drawing names (F6)"));
    m_pauseButton = makePictureButton(m_listFrame, "chkPause", m_lottery.pauseCaption(),
                                 QString(), QSize(20, 20), QRect(350, 84, 73, 43));
    {
        QIcon pauseIcon;
        addPicture(pauseIcon, QStringLiteral("pause.png"), QIcon::Normal, QIcon::Off);
        addPicture(pauseIcon, QStringLiteral("play.png"), QIcon::Normal, QIcon::On);
        addPicture(pauseIcon, QStringLiteral("pause.png"), QIcon::Disabled, QIcon::Off);
        addPicture(pauseIcon, QStringLiteral("play.png"), QIcon::Disabled, QIcon::On);
        m_pauseButton->setIcon(pauseIcon);
    }
    m_pauseButton->setCheckable(true);
    m_pauseButton->setFont(sans8b);
    describe(m_pauseButton, tr("Pause"), tr("Pauses or resumes the run (F8, F9)"));
    m_stopButton = makePictureButton(m_listFrame, "cmdStop", tr("S&top", "button of 66 pixels"),
                                QStringLiteral("stop.png"), QSize(20, 20), QRect(427, 84, 66, 43));
    m_stopButton->setFont(sans8b);
    describe(m_stopButton, tr("Stop"), tr("Stops the run (F7)"));
    connect(m_startButton, &QToolButton::clicked, &m_lottery, &Lottery::start);
    connect(m_pauseButton, &QToolButton::clicked, &m_lottery, &Lottery::setPaused);
    connect(m_stopButton, &QToolButton::clicked, &m_lottery, &Lottery::stop);
}

void MainWindow::buildOutputButtons()
{
    const QFont terminal6 = m_fonts.font(QStringLiteral("Terminal"), 6, true);
    struct Cmd { QPushButton **slot; const char *name; const char *caption; int top; const char *tip; const char *what; void (OutputCommands::*act)(); };
    const Cmd cmds[] = {
        //: The six output buttons are 143 pixels wide, in a small bold font
        {&m_saveAllButton, "cmdSaveAll", QT_TR_NOOP("&Save All As..."), 133, QT_TR_NOOP("Export the generated list to a file"), QT_TR_NOOP("Saves every generated name to a file"), &OutputCommands::saveAll},
        {&m_saveSelectedButton, "cmdSaveSelected", QT_TR_NOOP("Sa&ve Selected As..."), 161, nullptr, QT_TR_NOOP("Saves the ticked names to a file"), &OutputCommands::saveSelected},
        {&m_emailButton, "cmdEmail", QT_TR_NOOP("e&Mail Names"), 189, QT_TR_NOOP("send this list to your friend"), QT_TR_NOOP("Writes an e-mail with the generated names"), &OutputCommands::email},
        {&m_copyAllButton, "cmdCopyAll", QT_TR_NOOP("Copy &All"), 217, QT_TR_NOOP("copy all items to clipboard"), QT_TR_NOOP("Copies every generated name to the clipboard"), &OutputCommands::copyAll},
        {&m_copyButton, "cmdCopy", QT_TR_NOOP("Copy Selecte&d"), 245, QT_TR_NOOP("copy selected items to clipboard"), QT_TR_NOOP("Copies the ticked names to the clipboard"), &OutputCommands::copyTicked},
        {&m_printButton, "cmdPrint", QT_TR_NOOP("&Print"), 273, nullptr, QT_TR_NOOP("Prints the generated names"), &OutputCommands::print},
    };
    for (const Cmd &c : cmds) {
        QPushButton *b = makeButton(m_listFrame, c.name, tr(c.caption), QRect(350, c.top, 143, 22));
        b->setFont(terminal6);
        if (c.tip)
            b->setToolTip(tr(c.tip));
        describe(b, tr(c.caption).remove(QLatin1Char('&')), tr(c.what));
        connect(b, &QPushButton::clicked, &m_output, c.act);
        *c.slot = b;
    }
    connect(m_clearButton, &QPushButton::clicked, &m_lottery, &Lottery::clearList);
    connect(m_tickAllButton, &QPushButton::clicked, &m_output, &OutputCommands::tickAll);
    connect(m_untickAllButton, &QPushButton::clicked, &m_output, &OutputCommands::untickAll);
}

void MainWindow::buildStatusBar()
{
    // Status bar, with the About button and the progress bar in front of it.
    m_statusBar = new StatusBar(m_services.shell, this);
    m_statusBar->setObjectName(QStringLiteral("stuMain"));
    m_statusBar->setGeometry(0, 540, 577, 22);
    m_statusBar->setFont(m_fonts.font(QStringLiteral("Arial"), 8.25));
    describe(m_statusBar, tr("Status bar"));
    m_webSiteButton = makeButton(this, "cmdAbout", QString(), QRect(308, 544, 25, 17));
    m_webSiteButton->setIcon(pictureIcon(QStringLiteral("icon16.png")));
    m_webSiteButton->setIconSize(QSize(16, 16));
    m_webSiteButton->setToolTip(tr("Author Website"));
    describe(m_webSiteButton, tr("Author web site"), tr("Opens the maker's web site"));
    connect(m_webSiteButton, &QPushButton::clicked, this, [this] { executeLink(m_services, this, kMakerWebSite); });
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("pgbGenerator"));
    m_progressBar->setGeometry(338, 544, 239, 19);
    m_progressBar->setRange(0, 10000); // showProgress() scales the run's progress into this
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    describe(m_progressBar, tr("Run progress"));
}

void MainWindow::buildMenu()
{
    m_menu = new QMenu(tr("x", "caption of the one menu, never shown"), this);
    m_menu->setObjectName(QStringLiteral("mnuMain"));
    m_startAction = m_menu->addAction(tr("&Start") + QStringLiteral("\tF6"));
    m_stopAction = m_menu->addAction(tr("S&top", "menu item") + QStringLiteral("\tF7"));
    m_pauseAction = m_menu->addAction(tr("&Pause") + QStringLiteral("\tF8"));
    m_resumeAction = m_menu->addAction(tr("&Resume") + QStringLiteral("\tF9"));
    m_menu->addSeparator();
    m_aboutAction = m_menu->addAction(tr("&About Lullara..."));
    m_startAction->setObjectName(QStringLiteral("mnuGo"));
    m_stopAction->setObjectName(QStringLiteral("mnuStop"));
    m_pauseAction->setObjectName(QStringLiteral("mnuPause"));
    m_resumeAction->setObjectName(QStringLiteral("mnuResume"));
    m_aboutAction->setObjectName(QStringLiteral("mnuAbout"));
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        m_resumeAction->setEnabled(m_lottery.isPaused());
        m_pauseAction->setEnabled(!m_lottery.isPaused());
    });
    connect(m_startAction, &QAction::triggered, &m_lottery, &Lottery::start);
    connect(m_stopAction, &QAction::triggered, &m_lottery, &Lottery::stop);
    connect(m_pauseAction, &QAction::triggered, &m_lottery, &Lottery::pause);
    connect(m_resumeAction, &QAction::triggered, &m_lottery, &Lottery::resume);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    m_menu->addSeparator();
    m_drawOnceAction = m_menu->addAction(tr("Draw each name &once"));
    m_drawOnceAction->setObjectName(QStringLiteral("mnuDrawOnce"));
    m_drawOnceAction->setCheckable(true);
    connect(m_drawOnceAction, &QAction::toggled, &m_lottery, &Lottery::setDrawEachNameOnce);
    m_keepListAction = m_menu->addAction(tr("Keep the list between sessions"));
    m_keepListAction->setObjectName(QStringLiteral("mnuKeepList"));
    m_keepListAction->setCheckable(true);
    connect(m_keepListAction, &QAction::toggled, this, [this](bool on) {
        m_keepFailureSaid = false;
        m_keeper->setEnabled(on);
    });
    m_menu->addSeparator();
    QAction *nameListsAction = m_menu->addAction(tr("&Name lists…"));
    nameListsAction->setObjectName(QStringLiteral("mnuNameLists"));
    connect(nameListsAction, &QAction::triggered, this, &MainWindow::showNameLists);

    // The right-click menu on a name: its own items, then the main menu's.
    m_nameMenu = new QMenu(this);
    m_nameMenu->setObjectName(QStringLiteral("mnuName"));
    m_aboutNameAction = m_nameMenu->addAction(tr("About this name\u2026"));
    m_aboutNameAction->setObjectName(QStringLiteral("mnuAboutName"));
    connect(m_aboutNameAction, &QAction::triggered, this, [this] { showNameCard(m_menuName); });
    m_compareAction = m_nameMenu->addAction(tr("Compare with a saved list\u2026"));
    m_compareAction->setObjectName(QStringLiteral("mnuCompare"));
    connect(m_compareAction, &QAction::triggered, this, &MainWindow::compareWithSavedList);
    m_nameMenu->addSeparator();
    m_nameMenu->addActions(m_menu->actions());
    connect(m_nameMenu, &QMenu::aboutToShow, m_menu, &QMenu::aboutToShow);

    // The shortcut keys act whenever this window is active, whatever state the
    // menu items were left in when the menu was last opened.
    const std::pair<Qt::Key, void (Lottery::*)()> keys[] = {
        {Qt::Key_F6, &Lottery::start},
        {Qt::Key_F7, &Lottery::stop},
        {Qt::Key_F8, &Lottery::pause},
        {Qt::Key_F9, &Lottery::resume},
    };
    for (const auto &[key, command] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, &m_lottery, command);
    }
}

void MainWindow::buildTabOrder()
{
    QList<QWidget *> order = {m_boysBox, m_girlsBox, m_startButton, m_pauseButton, m_stopButton, m_generatedList,
                              m_tickAllButton, m_untickAllButton, m_saveAllButton, m_saveSelectedButton,
                              m_clearButton, m_printButton, m_boysOption, m_girlsOption, m_wantedSelector,
                              m_intervalSelector, m_addBoyButton, m_addGirlButton, m_emailButton, m_webSiteButton,
                              m_copyButton, m_copyAllButton};
    for (QRadioButton *b : m_letterOptions)
        order.append(b);
    order.append(m_allOption);
    order.append(m_counterBox);
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
}

namespace {
// The drawn number and name stand centred on x = 316, between the boys'
// frame (ending at x 231) and the girls' frame (from x 399).
constexpr int kDrawnCentre = 316;
constexpr int kDrawnWidth = 164;

// Keeps a label of the drawn number or name centred. It normally spans the
// gap between the frames, so a new text (ten a second during a run) only
// repaints it; a text too wide for the gap widens it as far as the text
// needs, still centred. The height stays as set up. The size is fixed, so a
// new text does not make the window re-check its layout either.
void placeDrawnLabel(QLabel *label, int top)
{
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    int width = kDrawnWidth;
    if (textWidth + 2 > kDrawnWidth)
        width = std::max({kDrawnWidth, textWidth + 2, label->sizeHint().width()});
    label->setFixedSize(width, label->height());
    label->move(kDrawnCentre - width / 2, top);
}
} // namespace

void MainWindow::showDrawnName(const QString &fullName)
{
    m_drawnName = fullName;
    // A name longer than the window is wide shows its beginning.
    const QString name = ElidingDelegate::fitted(fullName, m_nameLabel->fontMetrics(), width());
    // A run shows each drawn name twice (the tick, then the name box's click).
    if (name == m_nameLabel->text())
        return;
    m_nameLabel->setText(name);
    placeDrawnLabel(m_nameLabel, 45);
}

void MainWindow::showDrawnNumber(const QString &number)
{
    if (number == m_numberLabel->text())
        return;
    m_numberLabel->setText(number);
    placeDrawnLabel(m_numberLabel, 23);
}

void MainWindow::bindCore()
{
    connect(&m_lottery, &Lottery::runStateChanged, this, &MainWindow::showRunState);
    connect(&m_lottery, &Lottery::progressChanged, this, &MainWindow::showProgress);
    connect(&m_lottery, &Lottery::numberChanged, this, &MainWindow::showDrawnNumber);
    connect(&m_lottery, &Lottery::counterChanged, m_counterLabel, &QLabel::setText);
    connect(&m_lottery, &Lottery::statusChanged, this, [this](const QString &text) { showStatus(text); });
    connect(&m_lottery, &Lottery::announcement, this, &MainWindow::announce);
    connect(&m_output, &OutputCommands::statusChanged, this, &MainWindow::showStatus);
    connect(&m_output, &OutputCommands::mailBodyWritten, m_mailBody, &QPlainTextEdit::setPlainText);
    connect(&m_output, &OutputCommands::runOffered, this, [this](bool selectedOnly) {
        m_lottery.startOffered(selectedOnly);
        m_saveAllButton->setFocus();
    });
    connect(&m_names, &NameLibrary::filterChanged, this, [this](const QString &filter) {
        m_letterDisplay->setText(filter == QLatin1String("All") ? allShownText() : filter);
    });
    // A choice in either name box, by a click or by a run, shows that name.
    for (NameList *list : {m_names.boys(), m_names.girls()})
        connect(list, &NameList::chosen, this, [this, list](int position) { showDrawnName(list->at(position)); });
    connect(m_wantedSelector, &QComboBox::currentTextChanged, &m_lottery, &Lottery::setWantedText);
    connect(m_intervalSelector, &QComboBox::currentTextChanged, &m_lottery, &Lottery::setIntervalText);
}

void MainWindow::bindNameCards()
{
    for (QAbstractItemView *view :
         std::initializer_list<QAbstractItemView *>{m_generatedList, m_boysBox->view(), m_girlsBox->view()}) {
        connect(view, &QAbstractItemView::doubleClicked, this,
                [this](const QModelIndex &index) { showNameCard(index.data().toString()); });
        view->installEventFilter(this); // Enter
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
            QModelIndex index = view->indexAt(pos);
            if (!index.isValid())
                index = view->currentIndex();
            showNameMenu(view->viewport()->mapToGlobal(pos), index.data().toString(), view == m_generatedList);
        });
    }
    m_nameLabel->installEventFilter(this); // double-click
    m_nameLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_nameLabel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showNameMenu(m_nameLabel->mapToGlobal(pos), m_drawnName, false); });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameLabel && event->type() == QEvent::MouseButtonDblClick) {
        showNameCard(m_drawnName);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *view = qobject_cast<QAbstractItemView *>(watched);
        if (view && (key == Qt::Key_Return || key == Qt::Key_Enter) && view->currentIndex().isValid()) {
            showNameCard(view->currentIndex().data().toString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showNameMenu(const QPoint &globalPos, const QString &name, bool onGeneratedList)
{
    m_menuName = name;
    m_aboutNameAction->setEnabled(!name.isEmpty());
    m_compareAction->setVisible(onGeneratedList);
    m_nameMenu->popup(globalPos);
}

void MainWindow::showNameCard(const QString &name)
{
    if (name.trimmed().isEmpty())
        return;
    // One card at a time: the next name shows in it.
    if (!m_nameCard) {
        m_nameCard = new NameCard(this);
        m_nameCard->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_nameCard->showName(name, nameFilePath(m_names.programDir(), kUsNamesFile));
    m_nameCard->show();
    m_nameCard->raise();
    m_nameCard->activateWindow();
}

void MainWindow::compareWithSavedList()
{
    const QString title = tr("Compare with a saved list");
    const auto path = m_services.dialogs->openFile(
        this, {title, {tr("Lists saved by Lullara (*.txt;*.htm;*.html)"), QStringLiteral("All Files (*.*)")}});
    if (!path)
        return;
    const auto saved = readSavedList(*path);
    if (const auto *reason = std::get_if<QString>(&saved)) {
        m_services.dialogs->message(this, title, *reason, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    delete m_comparison;
    m_comparison = new ComparisonWindow(compareNames(comparedRows(m_rows), std::get<SavedList>(saved).names),
                                        QFileInfo(*path).fileName(), m_services, &m_rows, this);
    m_comparison->setAttribute(Qt::WA_DeleteOnClose);
    m_comparison->show();
}

void MainWindow::restoreKeptList()
{
    const auto kept = readShortlist(m_keptListFolder);
    if (const auto *list = std::get_if<Shortlist>(&kept)) {
        restoreShortlist(m_rows, *list);
        return;
    }
    m_services.dialogs->message(m_splash ? m_splash.data() : this, QStringLiteral("Lullara"),
                                tr("The list of the last session could not be read:") + QStringLiteral("\r\n")
                                    + std::get<QString>(kept) + QStringLiteral("\r\n\r\n")
                                    + tr("The list starts empty and is kept anew from now on."),
                                MsgButtons::Ok, MsgIcon::Exclamation);
}

void MainWindow::showRunState()
{
    m_startButton->setEnabled(m_lottery.canStart());
    m_stopButton->setEnabled(m_lottery.canStop());
    m_pauseButton->setEnabled(m_lottery.canPause());
    m_pauseButton->setChecked(m_lottery.isPaused());
    m_pauseButton->setText(m_lottery.pauseCaption());
    m_progressBar->setVisible(m_lottery.progressVisible());
}

void MainWindow::showProgress()
{
    // QProgressBar counts in int; the run's bar is kept as a float and shown
    // scaled into the widget's range.
    const float max = m_lottery.progressMaximum() > 0 ? m_lottery.progressMaximum() : 1.0f;
    const int value = static_cast<int>(std::lround(10000.0 * std::min(m_lottery.progressValue(), max) / max));
    if (value == m_progressBar->value())
        return;
    m_progressBar->setValue(value);
    // QProgressBar repaints itself only for a step it judges visible, against
    // the value it last painted; a paint of part of it (a neighbour's update
    // beneath) counts as painted, so the fill of a long run could lag behind
    // or never show. So the bar is repainted whole here, once its fill has
    // moved by a few pixels: a repaint for every pixel, ten a second at the
    // shortest interval, was a tenth of a run's CPU (the bar and the status
    // bar beneath it). Empty and full it repaints itself.
    constexpr int kFillStep = 3;
    const int fill = static_cast<int>(qint64(value) * m_progressBar->width() / 10000);
    if (std::abs(fill - m_progressFillShown) >= kFillStep) {
        m_progressFillShown = fill;
        m_progressBar->update();
    }
}

void MainWindow::showStatus(const QString &text, bool paintNow)
{
    m_statusBar->setPanelText(1, text);
    if (paintNow)
        m_statusBar->repaint();
}

void MainWindow::announce(const QString &text)
{
    // The name is set last: with a name of its own, the label's new text
    // sends nothing, so each announcement is one event.
    m_announcer->setText(text);
    m_announcer->setAccessibleName(text);
}

QString MainWindow::allText()
{
    return tr("All", "the first-letter choice of every name; 43 pixels wide, in a tiny font");
}

QString MainWindow::allShownText()
{
    return tr("All", "the letter display while every name is chosen; 29 pixels: three characters at most");
}

bool MainWindow::chooseLetter(const QString &filter)
{
    if (m_halted)
        return false;
    if (const auto failure = m_names.chooseFilter(filter)) {
        // A name file that cannot be read ends the program, without storing
        // the settings.
        m_halted = true;
        m_services.dialogs->message(
            m_splash ? m_splash.data() : this,
            //: Title of the box about a name file that cannot be read; %1 is the error's number
            tr("Error %1").arg(failure->error.number),
            failure->error.description + QStringLiteral("\r\n") + failure->shownFile + QStringLiteral("\r\n\r\n")
                + tr("Program can not continue and will halt now!"),
            MsgButtons::Ok, MsgIcon::Exclamation);
        m_services.halt->halt(1);
        return false;
    }
    return true;
}

void MainWindow::showNameLists()
{
    // Made anew each time, so the US name data is read only while it is open.
    if (m_nameListsDialog) {
        m_nameListsDialog->raise();
        m_nameListsDialog->activateWindow();
        return;
    }
    m_nameListsDialog = new NameListsDialog(
        m_services, m_names.programDir(), [this] { chooseLetter(m_names.letterFilter()); }, this);
    m_nameListsDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_nameListsDialog, &NameListsDialog::listsChanged, this, [this](const QString &text) { showStatus(text); });
    m_nameListsDialog->open();
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(m_services, this);
    m_about->bringToFront();
}

bool MainWindow::load()
{
    m_wantedSelector->clear();
    m_wantedSelector->addItems(namesNumEntries());

    for (QWidget *w : std::initializer_list<QWidget *>{
             m_addBoyButton, m_untickAllButton, m_clearButton, m_addGirlButton, m_printButton, m_saveAllButton,
             m_saveSelectedButton, m_tickAllButton, m_stopButton, m_pauseButton, m_copyButton, m_copyAllButton,
             m_emailButton, m_boysOption, m_girlsOption, m_webSiteButton, m_sidePicture})
        w->setCursor(m_startButton->cursor());

    m_startButton->setEnabled(false);
    m_pauseButton->setEnabled(false);
    m_stopButton->setEnabled(false);

    m_intervalSelector->clear();
    m_intervalSelector->addItems(lotteryIntervalEntries());

    SettingsFile &settings = *m_services.settings;
    if (!settings.problem().isEmpty())
        m_services.dialogs->message(
            m_splash ? m_splash.data() : this, QStringLiteral("Lullara"),
            tr("The settings are left alone:") + QStringLiteral("\r\n") + settings.fileName()
                + QStringLiteral("\r\n\r\n") + settings.problem() + QStringLiteral("\r\n")
                + tr("The default settings are used, and the choices of this session are not remembered."),
            MsgButtons::Ok, MsgIcon::Exclamation);
    const RestoredChoices choices =
        StoredSettings(settings).restore(m_wantedSelector->count(), m_intervalSelector->count());

    QPoint pos(twipsToPixels(choices.leftTwips), twipsToPixels(choices.topTwips));
    QList<QRect> screens;
    for (QScreen *s : QGuiApplication::screens())
        screens.append(s->availableGeometry());
    if (!screens.isEmpty())
        pos = keepOnScreen(QRect(pos, frameGeometry().size().expandedTo(size())), screens);
    move(pos);

    m_wantedSelector->setCurrentIndex(choices.numIndex);
    m_intervalSelector->setCurrentIndex(choices.intervalIndex);
    m_drawOnceAction->setChecked(choices.drawEachNameOnce);

    if (choices.letterIndex >= 0) {
        QRadioButton *letter = m_letterOptions[static_cast<size_t>(choices.letterIndex)];
        letter->setChecked(true);
        chooseLetter(letter->text());
    } else {
        m_allOption->setChecked(true);
        chooseLetter(QStringLiteral("All"));
    }
    if (m_halted)
        return false;
    if (choices.keepList) {
        restoreKeptList();
        m_keepListAction->setChecked(true);
    }

    showRunState();
    showStatus(Lottery::readyText());
    // From now on this window's boxes belong to it, not to the splash, which
    // goes once this window is on the screen.
    m_splash = nullptr;
    return true;
}

void MainWindow::storeSettings()
{
    if (m_stored || m_halted || !m_services.settings->problem().isEmpty())
        return;
    m_stored = true;
    WindowChoices choices;
    choices.position = pos();
    choices.numIndex = m_wantedSelector->currentIndex();
    choices.intervalIndex = m_intervalSelector->currentIndex();
    for (int i = 0; i < 26 && !m_allOption->isChecked(); ++i) {
        if (m_letterOptions[static_cast<size_t>(i)]->isChecked())
            choices.letterIndex = i;
    }
    choices.drawEachNameOnce = m_drawOnceAction->isChecked();
    choices.keepList = m_keepListAction->isChecked();
    if (const auto failure = StoredSettings(*m_services.settings).store(choices)) {
        // Said once, on closing: the choices of this run are lost.
        m_services.dialogs->message(
            this, QStringLiteral("Lullara"),
            tr("The settings could not be stored:") + QStringLiteral("\r\n") + m_services.settings->fileName()
                + QStringLiteral("\r\n\r\n") + *failure + QStringLiteral("\r\n")
                + tr("The choices of this session are not remembered."),
            MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    storeSettings();
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu has no bar of its own; a right click or the menu key opens it.
    m_menu->popup(event->globalPos());
}

} // namespace lullara
