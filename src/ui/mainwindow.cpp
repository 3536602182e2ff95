#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

#include "app/resources.h"
#include "output/formats.h"
#include "ui/clicklabel.h"
#include "ui/fonts.h"
#include "ui/generatedlist.h"
#include "ui/namebox.h"
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
                               const QString &picture, const QSize &iconSize, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(QIcon(picture));
    button->setIconSize(iconSize);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QPoint &at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

void describe(QWidget *w, const QString &name, const QString &description = {})
{
    w->setAccessibleName(name);
    if (!description.isEmpty())
        w->setAccessibleDescription(description);
}

} // namespace

frmRandom::frmRandom(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_services(services), m_programDir(QCoreApplication::applicationDirPath())
{
    initResources();
    setObjectName(QStringLiteral("frmRandom"));
    setWindowTitle(QStringLiteral("Lullara v") + versionText());
    // The sizes a window icon is shown at (title bar, task switcher). Each
    // picture added is decoded at once and sent to the window system, so the
    // large one for software centres stays with the installed icons.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFixedSize(577, 562);
    setFont(uiFont(QStringLiteral("MS Sans Serif"), 8));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    imglstDocument.insert(QStringLiteral("Doc"), QIcon(QStringLiteral(":/pictures/doc.png")));
    imglstDocument.insert(QStringLiteral("men"), QIcon(QStringLiteral(":/pictures/men.png")));
    imglstDocument.insert(QStringLiteral("women"), QIcon(QStringLiteral(":/pictures/women.png")));
    handCursor = QCursor(QPixmap(QStringLiteral(":/pictures/hand.png")), 4, 0);
    if (QPixmap(QStringLiteral(":/pictures/hand.png")).isNull())
        handCursor = QCursor(Qt::PointingHandCursor);

    m_random = [this] { return m_lottery.next(); };
    m_clock = [] { return QDateTime::currentDateTime(); };

    buildControls();
    buildMenu();
    buildTabOrder();
}

frmRandom::~frmRandom() = default;

void frmRandom::buildControls()
{
    const QFont terminal6 = uiFont(QStringLiteral("Terminal"), 6, true);
    const QFont arial11b = uiFont(QStringLiteral("Arial"), 11.25, true);
    const QFont sans8b = uiFont(QStringLiteral("MS Sans Serif"), 8.25, true);

    // Side picture.
    imgLogo = new ClickLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(0, 0, 50, 540);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/pictures/side.png")));
    imgLogo->setFocusPolicy(Qt::StrongFocus);
    describe(imgLogo, QStringLiteral("About Lullara"), QStringLiteral("Opens the About window"));
    connect(imgLogo, &ClickLabel::clicked, this, &frmRandom::imgLogo_Click);

    // Boys' and girls' frames.
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(63, 9, 169, 135);
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(399, 9, 169, 135);

    lstBoys = new NameBox(Frame2);
    lstBoys->setObjectName(QStringLiteral("lstBoys"));
    lstBoys->setGeometry(8, 21, 153, 103);
    describe(lstBoys, QStringLiteral("Boys' names"));
    lstGirls = new NameBox(Frame3);
    lstGirls->setObjectName(QStringLiteral("lstGirls"));
    lstGirls->setGeometry(8, 21, 153, 103);
    describe(lstGirls, QStringLiteral("Girls' names"));
    for (auto [box, who] : {std::pair{lstBoys, QStringLiteral("boys'")}, std::pair{lstGirls, QStringLiteral("girls'")}}) {
        box->view()->setAccessibleName(QStringLiteral("List of ") + who + QStringLiteral(" names"));
        box->field()->setAccessibleName(QStringLiteral("Chosen ") + who + QStringLiteral(" name"));
    }
    connect(lstBoys, &NameBox::clicked, this, &frmRandom::lstBoys_Click);
    connect(lstGirls, &NameBox::clicked, this, &frmRandom::lstGirls_Click);

    optBoys = new QRadioButton(QStringLiteral("BOY"), Frame2);
    optBoys->setObjectName(QStringLiteral("optBoys"));
    optBoys->setGeometry(14, 0, 57, 21);
    optBoys->setFont(arial11b);
    optBoys->setAutoFillBackground(true);
    optBoys->setChecked(true);
    describe(optBoys, QStringLiteral("Boy"), QStringLiteral("Draw names from the boys' list"));
    optGirls = new QRadioButton(QStringLiteral("GiRL"), Frame3);
    optGirls->setObjectName(QStringLiteral("optGirls"));
    optGirls->setGeometry(98, -1, 63, 21);
    optGirls->setFont(arial11b);
    optGirls->setAutoFillBackground(true);
    describe(optGirls, QStringLiteral("Girl"), QStringLiteral("Draw names from the girls' list"));
    // The two buttons sit in different frames; one group keeps them a pair.
    auto *genderGroup = new QButtonGroup(this);
    genderGroup->addButton(optBoys);
    genderGroup->addButton(optGirls);
    connect(optBoys, &QRadioButton::clicked, this, &frmRandom::optBoys_Click);
    connect(optGirls, &QRadioButton::clicked, this, &frmRandom::optGirls_Click);

    cmdBoysAdd = makeButton(Frame2, "cmdBoysAdd", QStringLiteral(".add"), QRect(193 - 63, 0, 33, 17));
    cmdGirlsAdd = makeButton(Frame3, "cmdGirlsAdd", QStringLiteral(".add"), QRect(409 - 399, 0, 33, 17));
    for (QPushButton *b : {cmdBoysAdd, cmdGirlsAdd})
        b->setFont(terminal6);
    describe(cmdBoysAdd, QStringLiteral("Add boy's name"), QStringLiteral("Adds the chosen boy's name to the generated list"));
    describe(cmdGirlsAdd, QStringLiteral("Add girl's name"), QStringLiteral("Adds the chosen girl's name to the generated list"));
    connect(cmdBoysAdd, &QPushButton::clicked, this, &frmRandom::cmdBoysAdd_Click);
    connect(cmdGirlsAdd, &QPushButton::clicked, this, &frmRandom::cmdGirlsAdd_Click);

    // Counters between the frames, each one text line high; showDrawnNumber()
    // and showDrawnName() place them.
    lblNumber = makeLabel(this, "lblNumber", QStringLiteral("0000"), QPoint(294, 23));
    lblNumber->setFont(uiFont(QStringLiteral("Times New Roman"), 15.75));
    lblNumber->setAlignment(Qt::AlignCenter);
    lblNumber->adjustSize();
    lblNumber->clear(); // shown again through showDrawnNumber(), which places it
    showDrawnNumber(QStringLiteral("0000"));
    describe(lblNumber, QStringLiteral("Drawn number"));
    lblSname = makeLabel(this, "lblSname", QStringLiteral("......"), QPoint(292, 45));
    lblSname->setFont(uiFont(QStringLiteral("Verdana"), 15.75, true));
    lblSname->setAlignment(Qt::AlignCenter);
    lblSname->adjustSize();
    {
        QPalette pal = lblSname->palette();
        pal.setColor(QPalette::WindowText, QColor(64, 64, 64));
        lblSname->setPalette(pal);
    }
    lblSname->clear();
    showDrawnName(QStringLiteral("......"));
    describe(lblSname, QStringLiteral("Drawn name"));

    Label2 = makeLabel(this, "Label2", QStringLiteral("Create names:"), QPoint(257, 99));
    Label5 = makeLabel(this, "Label5", QStringLiteral("Timer interval:"), QPoint(257, 123));
    cmbNamesNum = new QComboBox(this);
    cmbNamesNum->setObjectName(QStringLiteral("cmbNamesNum"));
    // A little wider than the classic 41 pixels: this style's drop-down arrow
    // is wider, and "0.25" must show whole.
    cmbNamesNum->setGeometry(329, 95, 52, 21);
    cmbLotteryInterval = new QComboBox(this);
    cmbLotteryInterval->setObjectName(QStringLiteral("cmbLotteryInterval"));
    cmbLotteryInterval->setGeometry(329, 119, 52, 21);
    for (QComboBox *c : {cmbNamesNum, cmbLotteryInterval}) {
        c->setMaxVisibleItems(12);
        c->view()->setMinimumWidth(60);
    }
    describe(cmbNamesNum, QStringLiteral("Create names"), QStringLiteral("How many names a run creates"));
    describe(cmbLotteryInterval, QStringLiteral("Timer interval"), QStringLiteral("Seconds between two added names"));
    Label2->setBuddy(cmbNamesNum);
    Label5->setBuddy(cmbLotteryInterval);

    // First-letter frame.
    Frame1 = new QGroupBox(QStringLiteral("Only choose/show name that start with :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(63, 154, 505, 57);
    for (int i = 0; i < 26; ++i) {
        const QString letter(QChar(u'A' + i));
        auto *b = new QRadioButton(letter, Frame1);
        b->setObjectName(QStringLiteral("optLet%1").arg(i));
        b->setFont(terminal6);
        if (i <= 16)
            b->setGeometry(7 + 28 * i, 21, 29, 15);
        else
            b->setGeometry(7 + 28 * (i - 17), 35, 29, 15);
        describe(b, QStringLiteral("Names starting with ") + letter);
        connect(b, &QRadioButton::clicked, this, [this, i] { optLet_Click(i); });
        optLet[static_cast<size_t>(i)] = b;
    }
    optLetAll = new QRadioButton(QStringLiteral("All"), Frame1);
    optLetAll->setObjectName(QStringLiteral("optLetAll"));
    optLetAll->setGeometry(455, 35, 43, 15);
    optLetAll->setFont(terminal6);
    describe(optLetAll, QStringLiteral("All names"));
    connect(optLetAll, &QRadioButton::clicked, this, &frmRandom::optLetAll_Click);
    txtLet = new QLineEdit(QStringLiteral("All"), Frame1);
    txtLet->setObjectName(QStringLiteral("txtLet"));
    txtLet->setGeometry(462, 0, 29, 12);
    txtLet->setFont(uiFont(QStringLiteral("Terminal"), 9));
    txtLet->setAlignment(Qt::AlignCenter);
    txtLet->setReadOnly(true);
    txtLet->setFrame(false);
    txtLet->setFocusPolicy(Qt::NoFocus);
    txtLet->setTextMargins(0, 0, 0, 0);
    txtLet->setBackgroundRole(QPalette::Button);
    {
        QPalette pal = txtLet->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        txtLet->setPalette(pal);
    }
    describe(txtLet, QStringLiteral("Letter in force"));

    // Generated-list frame.
    Fram5 = new QGroupBox(this);
    Fram5->setObjectName(QStringLiteral("Fram5"));
    Fram5->setGeometry(63, 217, 505, 307);
    lstGenerator = new GeneratedList(Fram5);
    lstGenerator->setObjectName(QStringLiteral("lstGenerator"));
    lstGenerator->setGeometry(7, 21, 333, 278);
    lstGenerator->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    lstGenerator->setImageList(imglstDocument);
    describe(lstGenerator, QStringLiteral("Generated names"), QStringLiteral("Tick names to save or copy only those"));

    Picture1 = new QFrame(Fram5);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(238, 28, 22, 8);
    Picture1->setBackgroundRole(QPalette::Base);
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::TabFocus);
    describe(Picture1, QStringLiteral("Row counter"));
    lblIDNumber = new QLabel(QStringLiteral("0"), Picture1);
    lblIDNumber->setObjectName(QStringLiteral("lblIDNumber"));
    lblIDNumber->setFont(terminal6);
    lblIDNumber->setAlignment(Qt::AlignCenter);
    {
        QPalette pal = lblIDNumber->palette();
        pal.setColor(QPalette::WindowText, QColor(64, 64, 64));
        lblIDNumber->setPalette(pal);
    }
    lblIDNumber->setGeometry(0, -2, 22, 12);
    describe(lblIDNumber, QStringLiteral("Names in the list"));

    cmdGeneratorClear = makeButton(Fram5, "cmdGeneratorClear", QStringLiteral("&Clear"), QRect(259, 24, 40, 17));
    cmdGeneratorClear->setFont(uiFont(QStringLiteral("Arial"), 6.75));
    describe(cmdGeneratorClear, QStringLiteral("Clear"), QStringLiteral("Empties the generated list"));
    cmdSelectAll = makeButton(Fram5, "cmdSelectAll", QString(), QRect(302, 24, 17, 17));
    cmdSelectAll->setIcon(QIcon(QStringLiteral(":/pictures/check.png")));
    cmdSelectAll->setToolTip(QStringLiteral("select all items"));
    describe(cmdSelectAll, QStringLiteral("Select all"), QStringLiteral("Ticks every name of the list"));
    cmdDeselectAll = makeButton(Fram5, "cmdDeselectAll", QString(), QRect(318, 24, 17, 17));
    cmdDeselectAll->setIcon(QIcon(QStringLiteral(":/pictures/cross.png")));
    cmdDeselectAll->setToolTip(QStringLiteral("deselect all items"));
    describe(cmdDeselectAll, QStringLiteral("Deselect all"), QStringLiteral("Clears every tick of the list"));
    for (QPushButton *b : {cmdSelectAll, cmdDeselectAll})
        b->setIconSize(QSize(14, 14));

    cmdStart = makePictureButton(Fram5, "cmdStart", QStringLiteral("&GO!       [F6]"),
                                 QStringLiteral(":/pictures/hourglass.png"), QSize(32, 32), QRect(350, 21, 143, 57));
    cmdStart->setFont(arial11b);
    cmdStart->setToolTip(QStringLiteral("Start the Random Function"));
    cmdStart->setCursor(handCursor);
    describe(cmdStart, QStringLiteral("Go"), QStringLiteral("Starts drawing names (F6)"));
    chkPause = makePictureButton(Fram5, "chkPause", QStringLiteral("Pa&use"),
                                 QString(), QSize(20, 20), QRect(350, 84, 73, 43));
    {
        QIcon pauseIcon;
        pauseIcon.addFile(QStringLiteral(":/pictures/pause.png"), QSize(), QIcon::Normal, QIcon::Off);
        pauseIcon.addFile(QStringLiteral(":/pictures/play.png"), QSize(), QIcon::Normal, QIcon::On);
        pauseIcon.addFile(QStringLiteral(":/pictures/pause.png"), QSize(), QIcon::Disabled, QIcon::Off);
        pauseIcon.addFile(QStringLiteral(":/pictures/play.png"), QSize(), QIcon::Disabled, QIcon::On);
        chkPause->setIcon(pauseIcon);
    }
    chkPause->setCheckable(true);
    chkPause->setFont(sans8b);
    describe(chkPause, QStringLiteral("Pause"), QStringLiteral("Pauses or resumes the run (F8, F9)"));
    cmdStop = makePictureButton(Fram5, "cmdStop", QStringLiteral("S&top"),
                                QStringLiteral(":/pictures/stop.png"), QSize(20, 20), QRect(427, 84, 66, 43));
    cmdStop->setFont(sans8b);
    describe(cmdStop, QStringLiteral("Stop"), QStringLiteral("Stops the run (F7)"));
    connect(cmdStart, &QToolButton::clicked, this, &frmRandom::cmdStart_Click);
    connect(chkPause, &QToolButton::clicked, this, &frmRandom::chkPause_Click);
    connect(cmdStop, &QToolButton::clicked, this, &frmRandom::cmdStop_Click);

    struct Cmd { QPushButton **slot; const char *name; const char *caption; int top; const char *tip; const char *what; };
    const Cmd cmds[] = {
        {&cmdSaveAll, "cmdSaveAll", "&Save All As...", 133, "Export the generated list to a file", "Saves every generated name to a file"},
        {&cmdSaveSelected, "cmdSaveSelected", "Sa&ve Selected As...", 161, nullptr, "Saves the ticked names to a file"},
        {&cmdEmail, "cmdEmail", "e&Mail Names", 189, "send this list to your friend", "Writes an e-mail with the generated names"},
        {&cmdCopyAll, "cmdCopyAll", "Copy &All", 217, "copy all items to clipboard", "Copies every generated name to the clipboard"},
        {&cmdCopy, "cmdCopy", "Copy Selecte&d", 245, "copy selected items to clipboard", "Copies the ticked names to the clipboard"},
        {&cmdPrint, "cmdPrint", "&Print", 273, nullptr, "Prints the generated names"},
    };
    for (const Cmd &c : cmds) {
        QPushButton *b = makeButton(Fram5, c.name, QString::fromLatin1(c.caption), QRect(350, c.top, 143, 22));
        b->setFont(terminal6);
        if (c.tip)
            b->setToolTip(QString::fromLatin1(c.tip));
        QString plain = QString::fromLatin1(c.caption);
        plain.remove(QLatin1Char('&'));
        describe(b, plain, QString::fromLatin1(c.what));
        *c.slot = b;
    }
    connect(cmdSaveAll, &QPushButton::clicked, this, &frmRandom::cmdSaveAll_Click);
    connect(cmdSaveSelected, &QPushButton::clicked, this, &frmRandom::cmdSaveSelected_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmRandom::cmdEmail_Click);
    connect(cmdCopyAll, &QPushButton::clicked, this, &frmRandom::cmdCopyAll_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmRandom::cmdCopy_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmRandom::cmdPrint_Click);
    connect(cmdGeneratorClear, &QPushButton::clicked, this, &frmRandom::cmdGeneratorClear_Click);
    connect(cmdSelectAll, &QPushButton::clicked, this, &frmRandom::cmdSelectAll_Click);
    connect(cmdDeselectAll, &QPushButton::clicked, this, &frmRandom::cmdDeselectAll_Click);

    // Status bar, with the About button and the progress bar in front of it.
    stuMain = new StatusBar(m_services.shell, this);
    stuMain->setObjectName(QStringLiteral("stuMain"));
    stuMain->setGeometry(0, 540, 577, 22);
    stuMain->setFont(uiFont(QStringLiteral("Arial"), 8.25));
    cmdAbout = makeButton(this, "cmdAbout", QString(), QRect(308, 544, 25, 17));
    cmdAbout->setIcon(QIcon(QStringLiteral(":/pictures/icon16.png")));
    cmdAbout->setIconSize(QSize(16, 16));
    cmdAbout->setToolTip(QStringLiteral("Author Website"));
    describe(cmdAbout, QStringLiteral("Author web site"), QStringLiteral("Opens the maker's web site"));
    connect(cmdAbout, &QPushButton::clicked, this, &frmRandom::cmdAbout_Click);
    pgbGenerator = new QProgressBar(this);
    pgbGenerator->setObjectName(QStringLiteral("pgbGenerator"));
    pgbGenerator->setGeometry(338, 544, 239, 19);
    pgbGenerator->setRange(0, 100);
    pgbGenerator->setValue(0);
    pgbGenerator->setTextVisible(false);
    pgbGenerator->hide();
    describe(pgbGenerator, QStringLiteral("Run progress"));

    // Hidden helpers.
    txtMailList = new QPlainTextEdit(this);
    txtMailList->setObjectName(QStringLiteral("txtMailList"));
    txtMailList->setGeometry(641, 281, 29, 29);
    txtMailList->hide();
    PicPrint = new QLabel(this);
    PicPrint->setObjectName(QStringLiteral("PicPrint"));
    PicPrint->setGeometry(649, 185, 43, 15);
    PicPrint->hide();

    // Timers: all off when the window opens. Precise timers keep the
    // lottery's rhythm without drift.
    stuFlash.setInterval(500);
    TimerNumber.setInterval(100);
    TimerLottery.setInterval(1000);
    for (QTimer *t : {&stuFlash, &TimerNumber, &TimerLottery})
        t->setTimerType(Qt::PreciseTimer);
    connect(&stuFlash, &QTimer::timeout, this, &frmRandom::stuFlash_Timer);
    connect(&TimerNumber, &QTimer::timeout, this, &frmRandom::TimerNumber_Timer);
    connect(&TimerLottery, &QTimer::timeout, this, &frmRandom::TimerLottery_Timer);

    // Stacking: these lie in front of their neighbours.
    for (QWidget *w : std::initializer_list<QWidget *>{cmdAbout, pgbGenerator, Picture1, cmdGeneratorClear,
                                                       cmdSelectAll, cmdDeselectAll, cmdBoysAdd, cmdGirlsAdd,
                                                       optBoys, optGirls, txtLet})
        w->raise();
    cmdAbout->raise();
}

void frmRandom::buildMenu()
{
    mnuMain = new QMenu(QStringLiteral("x"), this);
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuGo = mnuMain->addAction(QStringLiteral("&Start\tF6"));
    mnuStop = mnuMain->addAction(QStringLiteral("S&top\tF7"));
    mnuPause = mnuMain->addAction(QStringLiteral("&Pause\tF8"));
    mnuResume = mnuMain->addAction(QStringLiteral("&Resume\tF9"));
    mnuSep = mnuMain->addSeparator();
    mnuAbout = mnuMain->addAction(QStringLiteral("&About Lullara..."));
    mnuGo->setObjectName(QStringLiteral("mnuGo"));
    mnuStop->setObjectName(QStringLiteral("mnuStop"));
    mnuPause->setObjectName(QStringLiteral("mnuPause"));
    mnuResume->setObjectName(QStringLiteral("mnuResume"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuMain, &QMenu::aboutToShow, this, &frmRandom::mnuMain_Click);
    connect(mnuGo, &QAction::triggered, this, &frmRandom::mnuGo_Click);
    connect(mnuStop, &QAction::triggered, this, &frmRandom::mnuStop_Click);
    connect(mnuPause, &QAction::triggered, this, &frmRandom::mnuPause_Click);
    connect(mnuResume, &QAction::triggered, this, &frmRandom::mnuResume_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmRandom::mnuAbout_Click);

    // The shortcut keys act whenever this window is active, whatever state the
    // menu items were left in when the menu was last opened.
    const std::pair<Qt::Key, void (frmRandom::*)()> keys[] = {
        {Qt::Key_F6, &frmRandom::mnuGo_Click},
        {Qt::Key_F7, &frmRandom::mnuStop_Click},
        {Qt::Key_F8, &frmRandom::mnuPause_Click},
        {Qt::Key_F9, &frmRandom::mnuResume_Click},
    };
    for (size_t i = 0; i < 4; ++i) {
        auto *shortcut = new QShortcut(QKeySequence(keys[i].first), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, keys[i].second);
        m_shortcuts[i] = shortcut;
    }
}

void frmRandom::buildTabOrder()
{
    QList<QWidget *> order = {lstBoys, lstGirls, cmdStart, chkPause, cmdStop, lstGenerator,
                              cmdSelectAll, cmdDeselectAll, cmdSaveAll, cmdSaveSelected,
                              cmdGeneratorClear, cmdPrint, optBoys, optGirls, cmbNamesNum,
                              cmbLotteryInterval, cmdBoysAdd, cmdGirlsAdd, cmdEmail, cmdAbout,
                              cmdCopy, cmdCopyAll};
    for (QRadioButton *b : optLet)
        order.append(b);
    order.append(optLetAll);
    order.append(Picture1);
    order.append(imgLogo);
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

void frmRandom::showDrawnName(const QString &name)
{
    // A run shows each drawn name twice (the tick, then the name box's click).
    if (name == lblSname->text())
        return;
    lblSname->setText(name);
    placeDrawnLabel(lblSname, 45);
}

void frmRandom::showDrawnNumber(const QString &number)
{
    if (number == lblNumber->text())
        return;
    lblNumber->setText(number);
    placeDrawnLabel(lblNumber, 23);
}

QString frmRandom::statusText() const { return stuMain->panelText(1); }
void frmRandom::setStatusText(const QString &text) { stuMain->setPanelText(1, text); }
void frmRandom::SetStatusReady() { setStatusText(QStringLiteral("Ready")); }

void frmRandom::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmRandom::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu has no bar of its own; a right click or the menu key opens it.
    mnuMain->popup(event->globalPos());
}

void frmRandom::enableTimer(QTimer &timer)
{
    // Enabling a timer starts a full interval from this moment.
    timer.start();
}

} // namespace lullara
