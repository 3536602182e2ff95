#include "fixture.h"

#include <QDir>
#include <QFile>

#include "app/settingsvalues.h"
#include "ui/namebox.h"

namespace lullara::test {

QStringList boxNames(const NameBox *box)
{
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    return names;
}

void writeNameFile(const QString &path, const QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString &line : lines) {
        f.write(line.toUtf8());
        f.write("\r\n");
    }
}

QStringList WindowFixture::defaultBoys()
{
    return {QStringLiteral("# boys"), QStringLiteral("Adam"), QStringLiteral("Ben"), QStringLiteral("Karl"),
            QStringLiteral("Kevin"), QStringLiteral("Zack"), QStringLiteral("Mark"), QStringLiteral("Bob")};
}

QStringList WindowFixture::defaultGirls()
{
    return {QStringLiteral("# girls"), QStringLiteral("Anna"), QStringLiteral("Karen"), QStringLiteral("Mia"),
            QStringLiteral("Zoe"), QStringLiteral("Kate"), QStringLiteral("Beth")};
}

WindowFixture::WindowFixture(const QStringList &boys, const QStringList &girls)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("settings"));
    setSettingsFileForTesting(settingsFile());
    writeNameFile(m_dir.filePath(QStringLiteral("guyname.txt")), boys);
    writeNameFile(m_dir.filePath(QStringLiteral("girlname.txt")), girls);
}

WindowFixture::~WindowFixture()
{
    m_window.reset();
    setSettingsFileForTesting(QString());
}

frmRandom *WindowFixture::open()
{
    m_window = std::make_unique<frmRandom>(fakes.services());
    m_window->setProgramDir(m_dir.path());
    m_window->Form_Load();
    return m_window.get();
}

void WindowFixture::close()
{
    if (m_window)
        m_window->close();
}

} // namespace lullara::test
