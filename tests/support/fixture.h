#pragma once
// A main window on its own temporary program folder and settings file, with
// the desktop replaced by test doubles.

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "fakes.h"
#include "ui/mainwindow.h"

namespace lullara {
class NameBox;
}

namespace lullara::test {

// Every entry of a name box, in its order.
QStringList boxNames(const NameBox *box);

// Writes a name file: the given lines joined with CR LF (and a final CR LF).
void writeNameFile(const QString &path, const QStringList &lines);

class WindowFixture {
public:
    // Creates the folder with both name files; does not load the window yet.
    WindowFixture(const QStringList &boys = defaultBoys(), const QStringList &girls = defaultGirls());
    ~WindowFixture();

    static QStringList defaultBoys();
    static QStringList defaultGirls();

    // Creates (again) the main window and runs its load step.
    frmRandom *open();
    // Closes the window, storing the settings.
    void close();

    QString dir() const { return m_dir.path(); }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("settings/Lullara.conf")); }
    frmRandom *window() const { return m_window.get(); }

    FakeServices fakes;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<frmRandom> m_window;
};

} // namespace lullara::test
