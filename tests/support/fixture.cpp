#include "fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace lullara::test {

namespace {
// Qt's test locations for the user's folders. On Windows the program keeps
// its settings in the registry, which every program of the user shares; the
// tests there give it an INI file of the test program's own instead, in
// LULLARA_TEST_HOME (set by CTest) or else in the temporary folder.
void isolateStore()
{
    QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
    static const bool isolated = [] {
        QString home = qEnvironmentVariable("LULLARA_TEST_HOME");
        if (home.isEmpty())
            home = QDir::tempPath() + QStringLiteral("/lullara-") + QCoreApplication::applicationName();
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home);
        return true;
    }();
    Q_UNUSED(isolated);
#endif
}
} // namespace

void writeNameFile(const QString &path, const QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString &line : lines)
        f.write(line.toUtf8() + "\r\n");
}

Folder::Folder(const QStringList &boys, const QStringList &girls)
{
    isolateStore();
    QFile::remove(settingsFile());
    writeNameFile(file(QStringLiteral("guyname.txt")), boys);
    writeNameFile(file(QStringLiteral("girlname.txt")), girls);
}

Folder::~Folder()
{
    // A window that closes itself away (the main window the splash opens)
    // but was left open by a failed check would outlive the test doubles it
    // calls: it goes with them.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w->testAttribute(Qt::WA_DeleteOnClose))
            delete w;
    }
}

QString Folder::settingsFile()
{
    isolateStore();
    return QDir::toNativeSeparators(store().fileName());
}

QSettings Folder::store()
{
    isolateStore();
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Lullara"),
                     QStringLiteral("Lullara"));
}

} // namespace lullara::test
