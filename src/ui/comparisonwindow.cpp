#include "ui/comparisonwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/formats.h"
#include "output/generatedrows.h"

namespace lullara {

namespace {
QString namesText(int count)
{
    return count == 1 ? ComparisonWindow::tr("1 name") : ComparisonWindow::tr("%1 names").arg(count);
}
} // namespace

ComparisonWindow::ComparisonWindow(const Comparison &comparison, const QString &savedName, const Services &services,
                                   GeneratedRows *rows, QWidget *parent)
    : QDialog(parent), m_comparison(comparison), m_services(services), m_rows(rows)
{
    setObjectName(QStringLiteral("dlgCompare"));
    setWindowTitle(tr("Names on both lists"));
    auto *counts = new QLabel(tr("This list: %1").arg(namesText(comparison.here)) + QLatin1Char('\n')
                                  + tr("%1: %2").arg(savedName, namesText(comparison.there)) + QLatin1Char('\n')
                                  + (comparison.shared.isEmpty()
                                         ? tr("No name is on both lists.")
                                         : tr("On both lists: %1").arg(namesText(int(comparison.shared.size())))),
                              this);
    counts->setObjectName(QStringLiteral("lblCompareCounts"));
    counts->setTextFormat(Qt::PlainText); // a file name is no markup
    auto *shared = new QListWidget(this);
    shared->setObjectName(QStringLiteral("lstShared"));
    shared->addItems(comparison.shared);

    auto *tick = new QPushButton(tr("&Tick these here"), this);
    tick->setObjectName(QStringLiteral("cmdTickShared"));
    auto *copy = new QPushButton(tr("C&opy"), this);
    copy->setObjectName(QStringLiteral("cmdCopyShared"));
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdCompareClose"));
    for (QPushButton *b : {tick, copy})
        b->setEnabled(!comparison.shared.isEmpty());
    connect(tick, &QPushButton::clicked, this, &ComparisonWindow::tickShared);
    connect(copy, &QPushButton::clicked, this, [this] {
        m_services.clipboard->clear();
        m_services.clipboard->setText(clipboardText(m_comparison.shared));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(tick);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(counts);
    layout->addWidget(shared, 1);
    layout->addLayout(buttons);
}

void ComparisonWindow::tickShared()
{
    if (!m_rows)
        return;
    for (int position = 1; position <= m_rows->count(); ++position) {
        if (m_comparison.shared.contains(m_rows->text(position)))
            m_rows->setTicked(position, true);
    }
}

} // namespace lullara
