// The comparable window: what the main window would be if it were built from
// stock Qt widgets, as the anchor the benchmarks measure Lullara against. One
// window of the main window's size (577 x 562) with about 60 stock widgets
// of the main window's kinds: four group boxes, 29 radio buttons, two combo
// boxes filled with the selectors' entries, two name boxes (a line edit over a
// list view) filled from the same name files, read and sorted at start-up
// (case-insensitive, the stock QStringList sort; rows of one height, the
// stock setting for long lists), the generated list (a list widget), the letter field, push and tool buttons, a progress bar and status
// labels. The default font and style, no pictures.
//
//   lullara_bench_comparable [--dir D] [--tick]
//
// --dir: the folder of guyname.txt and girlname.txt (default: ../bin beside
// this program, where the build puts the bundled lists).
// --tick: F6 starts what a running lottery at the shortest interval shows:
// ten times a second a new number and name in the two labels, the name in the
// name box's field, the chosen row in its list and the progress bar moved on;
// every 0.25 s one name more in the generated list, the counter and the status
// text. The run has no end.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

namespace {

// The names of a name file: one a line, '#' lines skipped.
QStringList readNames(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        QString name = QString::fromUtf8(line);
        if (name.endsWith(QLatin1Char('\r')))
            name.chop(1);
        if (!name.startsWith(QLatin1Char('#')))
            names.append(name);
    }
    if (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    names.sort(Qt::CaseInsensitive);
    return names;
}

struct NameBox {
    QLineEdit *field;
    QListView *view;
    QStringListModel *model;
};

NameBox makeNameBox(QGroupBox *frame, const QString &file)
{
    NameBox box;
    box.model = new QStringListModel(readNames(file), frame);
    box.field = new QLineEdit(frame);
    box.field->setGeometry(8, 21, 153, 20);
    box.view = new QListView(frame);
    box.view->setGeometry(8, 41, 153, 83);
    box.view->setModel(box.model);
    box.view->setUniformItemSizes(true); // the stock setting for long lists
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString dir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));
    const int dirAt = args.indexOf(QStringLiteral("--dir"));
    if (dirAt > 0 && dirAt + 1 < args.size())
        dir = args.at(dirAt + 1);
    const bool ticking = args.contains(QStringLiteral("--tick"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Lullara bench comparable"));
    window.setFixedSize(577, 562);

    auto *side = new QLabel(QStringLiteral("Lullara"), &window);
    side->setGeometry(0, 0, 50, 540);

    // The two name boxes, each with its radio button and add button.
    auto *boysFrame = new QGroupBox(&window);
    boysFrame->setGeometry(63, 9, 169, 135);
    auto *girlsFrame = new QGroupBox(&window);
    girlsFrame->setGeometry(399, 9, 169, 135);
    const NameBox boys = makeNameBox(boysFrame, QDir(dir).filePath(QStringLiteral("guyname.txt")));
    makeNameBox(girlsFrame, QDir(dir).filePath(QStringLiteral("girlname.txt")));
    auto *boyOption = new QRadioButton(QStringLiteral("BOY"), boysFrame);
    boyOption->setGeometry(14, 0, 57, 21);
    boyOption->setChecked(true);
    (new QRadioButton(QStringLiteral("GiRL"), girlsFrame))->setGeometry(98, 0, 63, 21);
    (new QPushButton(QStringLiteral(".add"), boysFrame))->setGeometry(130, 0, 33, 17);
    (new QPushButton(QStringLiteral(".add"), girlsFrame))->setGeometry(10, 0, 33, 17);

    // The drawn number and name, the two selectors.
    auto *number = new QLabel(QStringLiteral("0000"), &window);
    number->setAlignment(Qt::AlignCenter);
    number->setGeometry(234, 23, 164, 20);
    auto *name = new QLabel(QStringLiteral("......"), &window);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(234, 45, 164, 22);
    (new QLabel(QStringLiteral("Create names:"), &window))->move(257, 99);
    (new QLabel(QStringLiteral("Timer interval:"), &window))->move(257, 123);
    auto *wanted = new QComboBox(&window);
    wanted->setGeometry(329, 95, 52, 21);
    for (int n = 1; n <= 100; n += n < 10 ? 1 : 5)
        wanted->addItem(QString::number(n));
    auto *interval = new QComboBox(&window);
    interval->setGeometry(329, 119, 52, 21);
    interval->addItems({QStringLiteral("0.25"), QStringLiteral("0.50"), QStringLiteral("0.75")});
    for (int n = 1; n <= 50; ++n)
        interval->addItem(QString::number(n));

    // The first letters.
    auto *letters = new QGroupBox(QStringLiteral("Only choose/show name that start with :"), &window);
    letters->setGeometry(63, 154, 505, 57);
    for (int i = 0; i < 26; ++i) {
        auto *b = new QRadioButton(QString(QChar(u'A' + i)), letters);
        b->setGeometry(i <= 16 ? 7 + 28 * i : 7 + 28 * (i - 17), i <= 16 ? 21 : 35, 29, 15);
    }
    auto *all = new QRadioButton(QStringLiteral("All"), letters);
    all->setGeometry(455, 35, 43, 15);
    all->setChecked(true);
    auto *letterField = new QLineEdit(QStringLiteral("All"), letters);
    letterField->setGeometry(462, 0, 29, 14);
    letterField->setReadOnly(true);

    // The generated list and its commands.
    auto *listFrame = new QGroupBox(&window);
    listFrame->setGeometry(63, 217, 505, 307);
    auto *generated = new QListWidget(listFrame);
    generated->setGeometry(7, 21, 333, 278);
    generated->setUniformItemSizes(true);
    auto *counter = new QLabel(QStringLiteral("0"), listFrame);
    counter->setGeometry(238, 26, 22, 12);
    (new QPushButton(QStringLiteral("&Clear"), listFrame))->setGeometry(259, 24, 40, 17);
    (new QPushButton(QStringLiteral("+"), listFrame))->setGeometry(302, 24, 17, 17);
    (new QPushButton(QStringLiteral("-"), listFrame))->setGeometry(318, 24, 17, 17);
    auto *go = new QToolButton(listFrame);
    go->setText(QStringLiteral("&GO!       [F6]"));
    go->setGeometry(350, 21, 143, 57);
    auto *pause = new QToolButton(listFrame);
    pause->setText(QStringLiteral("Pa&use"));
    pause->setCheckable(true);
    pause->setGeometry(350, 84, 73, 43);
    auto *stop = new QToolButton(listFrame);
    stop->setText(QStringLiteral("S&top"));
    stop->setGeometry(427, 84, 66, 43);
    const char *const commands[] = {"&Save All As...", "Sa&ve Selected As...", "e&Mail Names",
                                    "Copy &All", "Copy Selecte&d", "&Print"};
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QString::fromLatin1(commands[i]), listFrame))->setGeometry(350, 133 + 28 * i, 143, 22);

    // The status line.
    auto *status = new QLabel(QStringLiteral("Ready"), &window);
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    status->setGeometry(0, 540, 305, 22);
    (new QPushButton(&window))->setGeometry(308, 544, 25, 17);
    auto *progress = new QProgressBar(&window);
    progress->setGeometry(338, 544, 239, 19);
    progress->setRange(0, 10000);
    progress->setTextVisible(false);
    progress->hide();

    if (ticking) {
        auto *tick = new QTimer(&window);
        tick->setInterval(100);
        auto *append = new QTimer(&window);
        append->setInterval(250);
        static quint32 seed = 1;
        auto next = [] { return seed = seed * 1664525u + 1013904223u; };
        QObject::connect(tick, &QTimer::timeout, &window, [=] {
            const int rows = boys.model->rowCount();
            if (rows == 0)
                return;
            const int k = int((next() >> 8) % quint32(rows));
            const QModelIndex at = boys.model->index(k);
            const QString drawn = at.data().toString();
            number->setText(QString::number(k));
            name->setText(drawn);
            boys.field->setText(drawn);
            boys.view->setCurrentIndex(at);
            progress->setValue((progress->value() + 40) % 10000);
        });
        QObject::connect(append, &QTimer::timeout, &window, [=] {
            generated->addItem(name->text());
            generated->setCurrentRow(generated->count() - 1);
            generated->scrollToItem(generated->currentItem());
            counter->setText(QString::number(generated->count()));
            status->setText(QString::number(generated->count()) + QStringLiteral(" Names Added, Analyzing..."));
        });
        auto *start = new QShortcut(QKeySequence(Qt::Key_F6), &window);
        QObject::connect(start, &QShortcut::activated, &window, [=] {
            progress->show();
            go->setEnabled(false);
            tick->start();
            append->start();
        });
    }
    window.show();
    return app.exec();
}
