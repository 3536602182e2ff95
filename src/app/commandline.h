#pragma once
// What the command line asks for, decided before Qt opens a display: an
// answer on the terminal (--help, --version), a refusal of an option nobody
// knows, or the window. Qt's own options (-platform, -style, ...) are left
// for Qt; other arguments that are no option are ignored.

#include <QString>
#include <QStringList>

namespace lullara {

struct CommandLine {
    enum Action { OpenWindow, Help, Version, Refuse } action = OpenWindow;
    QString refused; // the option refused
};

CommandLine parseCommandLine(const QStringList &arguments); // without the program's name

} // namespace lullara
