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

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow(const Services &services, QWidget *owner);
    ~AboutWindow() override;

    // Shows the window, or brings it back to the front when it is open.
    void bringToFront();

    // The controls, by their names.
    QLabel *imgSplash = nullptr;         // the banner; a press drags the window
    QFrame *Line1 = nullptr;             // grey rule under the banner
    QWidget *Shape1 = nullptr;           // grey frame round the window
    QPushButton *cmdExit = nullptr;      // "x": closes the window
    QPlainTextEdit *txtDec = nullptr;    // the About text
    QLabel *Label1 = nullptr;            // "a product by:"
    QLabel *quorvelLogo = nullptr;       // the maker's logo; a click opens the web site

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void load();

    Services m_services;
    bool m_placed = false;
    bool m_logoPressed = false;
};

} // namespace lullara
