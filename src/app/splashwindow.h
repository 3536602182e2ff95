#pragma once
// frmLoading, the splash window: shown at start-up while the main window is
// created and the name lists are read.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "shell/services.h"
#include "ui/mainwindow.h"

class QLabel;

namespace lullara {



class frmLoading : public QWidget {
    Q_OBJECT
public:
    explicit frmLoading(const Services &services, QWidget *parent = nullptr);

    QLabel *imgSplash;
    QLabel *Label1, *Label2, *Label3;
    QTimer Timer1;

    // The main window, once the tick has created it.
    frmRandom *mainWindow() const { return m_main; }
    // How many times the start-up sequence has run (never more than once).
    int sequenceRuns() const { return m_runs; }
    // Lets tests prepare the main window before it loads (program folder).
    void setBeforeLoad(std::function<void(frmRandom *)> hook) { m_beforeLoad = std::move(hook); }

    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Services m_services;
    QPointer<frmRandom> m_main;
    std::function<void(frmRandom *)> m_beforeLoad;
    int m_runs = 0;
    bool m_painted = false;
    int m_waitedTicks = 0;
};

// Centres a window on the screen it is on (the primary screen by default).
void centreOnScreen(QWidget *window);

} // namespace lullara
