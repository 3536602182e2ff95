#include "shell/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace lullara {

namespace {

// A settings file of this program holds a few short lines.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;
// How long a lock file that nobody answers for counts as held, and how long
// storing waits for a lock that is held.
constexpr int kStaleLockMs = 10000;
constexpr int kLockWaitMs = 3000;

// Why the file at `path` may be neither read nor written; empty when it may.
QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isFile())
        return QCoreApplication::translate("lullara::SettingsFile", "The settings file is not a regular file.");
    if (info.size() > kMaxSettingsBytes)
        return QCoreApplication::translate("lullara::SettingsFile", "The settings file is far too large for one (%1 bytes).").arg(info.size());
    return {};
}

// The values of the settings file `path` as they stand on disk. QSettings
// keeps what was set but not written in a cache of its own for every file
// name, so the bytes are read through a copy under another name.
std::unique_ptr<QSettings> readBack(const QString &path, QTemporaryDir &scratch)
{
    QFile file(path);
    if (!refusal(path).isEmpty() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    QFile copy(scratch.filePath(QStringLiteral("readback.conf")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(file.read(kMaxSettingsBytes)) < 0 || !copy.flush())
        return nullptr;
    copy.close();
    return std::make_unique<QSettings>(copy.fileName(), QSettings::IniFormat);
}

} // namespace

QString settingsFilePath()
{
#ifdef Q_OS_WIN
    return {};
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Lullara/Lullara.conf");
#endif
}

SettingsFile::SettingsFile(const QString &path) : m_path(path)
{
    if (m_path.isEmpty()) {
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QStringLiteral("Lullara"), QStringLiteral("Lullara"));
        return;
    }
    m_problem = refusal(m_path);
    if (m_problem.isEmpty())
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::fileName() const
{
    return QDir::toNativeSeparators(m_path.isEmpty() && m_settings ? m_settings->fileName() : m_path);
}

void SettingsFile::beginGroup(const QString &group) { m_group = group; }
void SettingsFile::endGroup() { m_group.clear(); }

QString SettingsFile::fullKey(const QString &key) const
{
    return m_group.isEmpty() ? key : m_group + QLatin1Char('/') + key;
}

QVariant SettingsFile::value(const QString &key) const
{
    return m_settings ? m_settings->value(fullKey(key)) : QVariant();
}

bool SettingsFile::contains(const QString &key) const
{
    return m_settings && m_settings->contains(fullKey(key));
}

void SettingsFile::setValue(const QString &key, const QString &value)
{
    m_changes.append({fullKey(key), value});
}

std::optional<QString> SettingsFile::store()
{
    if (!m_problem.isEmpty())
        return m_problem;
    if (m_changes.isEmpty())
        return std::nullopt;
    // Each value is written once: a later store() writes only what was set since.
    const QList<std::pair<QString, QString>> changes = std::exchange(m_changes, {});
    if (m_path.isEmpty()) {
        for (const auto &[key, value] : changes)
            m_settings->setValue(key, value);
        m_settings->sync();
        if (m_settings->status() == QSettings::NoError)
            return std::nullopt;
        return QCoreApplication::translate("lullara::SettingsFile", "The settings could not be written.");
    }

    // Checked again: the file may have been replaced since it was read.
    if (const QString now = refusal(m_path); !now.isEmpty())
        return now;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("lullara::SettingsFile", "Its folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
    // QSettings waits on its lock file for ever, and reading a pipe that
    // stands in its place never ends: the lock is tried first, for a while.
    // It is let go at once, for QSettings takes it itself.
    const QString lockPath = m_path + QStringLiteral(".lock");
    const QFileInfo lockInfo(lockPath);
    if ((lockInfo.exists() || lockInfo.isSymLink()) && !lockInfo.isFile())
        return QCoreApplication::translate("lullara::SettingsFile", "Its lock file %1 is not a regular file.").arg(QDir::toNativeSeparators(lockPath));
    {
        QLockFile lock(lockPath);
        lock.setStaleLockTime(kStaleLockMs);
        if (!lock.tryLock(kLockWaitMs)) {
            switch (lock.error()) {
            case QLockFile::LockFailedError:
                return QCoreApplication::translate("lullara::SettingsFile", "Its lock file %1 is held by another program.").arg(QDir::toNativeSeparators(lockPath));
            case QLockFile::PermissionError:
                return QCoreApplication::translate("lullara::SettingsFile", "Its lock file %1 cannot be made: permission denied.").arg(QDir::toNativeSeparators(lockPath));
            default:
                return QCoreApplication::translate("lullara::SettingsFile", "Its lock file %1 cannot be made.").arg(QDir::toNativeSeparators(lockPath));
            }
        }
    }

    for (const auto &[key, value] : changes)
        m_settings->setValue(key, value);
    m_settings->sync();
    const QSettings::Status status = m_settings->status();

    // A store that could not be read (a damaged file) is written anew all
    // the same: what counts is whether the values now read back.
    QTemporaryDir scratch;
    if (!scratch.isValid() && status == QSettings::NoError)
        return std::nullopt; // no room to look: QSettings' word for it
    const std::unique_ptr<QSettings> stored = scratch.isValid() ? readBack(m_path, scratch) : nullptr;
    bool same = stored != nullptr;
    for (const auto &[key, value] : changes)
        same = same && stored->value(key).toString() == value;
    if (same)
        return std::nullopt;
    if (status == QSettings::AccessError || !QFileInfo(m_path).isWritable())
        return QCoreApplication::translate("lullara::SettingsFile", "The file or its folder cannot be written.");
    return QCoreApplication::translate("lullara::SettingsFile", "The file is not in a form that can be read.");
}

} // namespace lullara
