#pragma once
// The names both lists hold: this list (its ticked rows, or every row when
// none is ticked) against a list saved by Lullara, perhaps on the other
// parent's computer. Shows the shared names and how many each side had, and
// ticks them here or copies them.

#include <QDialog>
#include <QPointer>

#include "output/comparison.h"
#include "shell/services.h"

namespace lullara {

class GeneratedRows;

class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    // `savedName`: the saved list's file name, as the user knows it.
    ComparisonWindow(const Comparison &comparison, const QString &savedName, const Services &services,
                     GeneratedRows *rows, QWidget *parent = nullptr);

private:
    void tickShared();

    Comparison m_comparison;
    Services m_services;
    QPointer<GeneratedRows> m_rows;
};

} // namespace lullara
