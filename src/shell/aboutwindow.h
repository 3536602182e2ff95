#pragma once
// The About window `frmAbout`: a small borderless window that tells who made
// the program and links to the maker's web site. It belongs to the window
// that opens it: it stays in front of that window, is minimised with it and
// closes with it. The owner keeps one at most.

#include "shell/services.h"

#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lullara {

class ClickLabel;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow(const Services &services, QWidget *owner);
    ~AboutWindow() override;

    // Shows the window, or brings it back to the front when it is open.
    void bringToFront();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void load();

    Services m_services;
    bool m_placed = false;
    QLabel *m_banner;             // imgSplash: a press drags the window
    QFrame *m_rule;               // Line1, under the banner
    QPushButton *m_closeButton;   // cmdExit, "x"
    QPlainTextEdit *m_text;       // txtDec
    ClickLabel *m_logo;           // quorvelLogo: a click opens the web site
};

} // namespace lullara
