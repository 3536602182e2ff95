#include "fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace lullara::test {

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
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsFile());
    writeNameFile(file(QStringLiteral("guyname.txt")), boys);
    writeNameFile(file(QStringLiteral("girlname.txt")), girls);
}

QString Folder::settingsFile()
{
    QStandardPaths::setTestModeEnabled(true);
    return QSettings(QStringLiteral("Lullara"), QStringLiteral("Lullara")).fileName();
}

} // namespace lullara::test
