#pragma once
// The five-panel status bar: status text, CAPS, SCRL, NUM and the time of day.

#include <QStatusBar>
#include <QTimer>
#include <array>
#include <optional>

#include "shell/services.h"

class QLabel;

namespace lullara {

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    StatusBar(Shell *shell, QWidget *parent = nullptr);

    // Panels by position, 1 to 5.
    void setPanelText(int position, const QString &text);
    QLabel *panel(int position) const { return m_panels[static_cast<size_t>(position - 1)]; }

    // Re-reads the lock keys and the clock. The bar does so by itself once a
    // second (just after the clock's second changes), and reads the lock keys
    // again whenever a lock key is pressed or released in this program and
    // whenever the program becomes active.
    void refresh();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshLockKeys();
    void refreshClock();
    void setIndicator(int position, std::optional<bool> on);
    Shell *m_shell;
    std::array<QLabel *, 5> m_panels{};
    std::array<std::optional<bool>, 5> m_on{}; // what the indicator panels show; none yet
    QTimer m_refresh;
};

} // namespace lullara
