#include "fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include "names/namefolder.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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
    // Qt's test locations for the user's folders (the user's own name lists).
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(testSettingsFile());
    // Lists a failed test left in the user's folder would stand in for these.
    for (const QString &own : userNameFolders())
        QDir(own).removeRecursively();
    writeNameFile(file(QStringLiteral("guyname.txt")), boys);
    writeNameFile(file(QStringLiteral("girlname.txt")), girls);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
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
    return QDir::toNativeSeparators(testSettingsFile());
}

QSettings Folder::store()
{
    return QSettings(testSettingsFile(), QSettings::IniFormat);
}

#ifdef Q_OS_LINUX
std::optional<QByteArray> withoutRootRights(const std::function<QByteArray()> &run)
{
    if (::geteuid() != 0)
        return run();
    int pipe[2];
    if (::pipe(pipe) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        // Alone in the child, this thread may leave for a namespace of its own.
        ::close(pipe[0]);
        if (::unshare(CLONE_NEWUSER) != 0)
            ::_exit(3);
        const QByteArray result = run();
        for (qsizetype done = 0; done < result.size();) {
            const ssize_t n = ::write(pipe[1], result.constData() + done, size_t(result.size() - done));
            if (n <= 0)
                ::_exit(4);
            done += n;
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray result;
    char buffer[4096];
    ssize_t n = 0;
    while (child > 0 && (n = ::read(pipe[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return result;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // Past the limit the system sends SIGXFSZ, which would end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("getrlimit failed");
    m_saved = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_saved);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
#else
// Permission bits do not bind a Windows program: nothing to run as intended.
std::optional<QByteArray> withoutRootRights(const std::function<QByteArray()> &) { return std::nullopt; }
FileSizeLimit::FileSizeLimit(qint64) { qFatal("no file size limit on this system"); }
FileSizeLimit::~FileSizeLimit() = default;
#endif

} // namespace lullara::test
