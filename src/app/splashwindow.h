#pragma once
// The splash window: shown at start-up while the main window is created and
// the name lists are read.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "shell/services.h"
#include "ui/mainwindow.h"

namespace lullara {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // `programDir`: the folder of the bundled name files and pictures.
    SplashWindow(const Services &services, const QString &programDir, QWidget *parent = nullptr);

    // The main window, once the start-up has created it.
    MainWindow *mainWindow() const { return m_main; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openMainWindow();
    // Closes the splash for good, once the main window is on the screen.
    void leave();

    Services m_services;
    QString m_programDir;
    QTimer m_timer;
    QPointer<MainWindow> m_main;
    bool m_started = false;
    bool m_painted = false;
    int m_waitedTicks = 0;
};

// Centres a window on the screen it is on (the primary screen by default).
void centreOnScreen(QWidget *window);

} // namespace lullara
