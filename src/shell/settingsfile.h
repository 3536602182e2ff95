#pragma once
// The program's settings store, with the care a file deserves. Its file is read only when it is a regular file of a
// sane size (a pipe would never answer, a device never end), and nothing is
// written over anything else. Writing never waits long on the store's lock
// file, and a failure is one only when the values do not read back from the
// file. Where the store is no file (the registry on Windows), it is QSettings
// as it stands.

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <utility>

class QSettings;

namespace lullara {

// The file behind the user's settings store, organisation and application
// "Lullara"; empty where the store is no file (the registry on Windows).
QString settingsFilePath();

class SettingsFile {
public:
    // Reads the store in the INI file `path` (the registry's "Lullara"
    // entry when empty), unless its file must be left alone (see problem()).
    explicit SettingsFile(const QString &path);
    ~SettingsFile();
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    // Why the store is left alone, neither read nor written: its file is not
    // a regular file, or is far too large. Empty when it is used.
    QString problem() const { return m_problem; }
    // The file, with the platform's separators.
    QString fileName() const;

    // Keys below the group, as QSettings has them.
    void beginGroup(const QString &group);
    void endGroup();
    // A stored value; empty when missing or when the store is left alone.
    QVariant value(const QString &key) const;
    bool contains(const QString &key) const;
    // Kept until store().
    void setValue(const QString &key, const QString &value);

    // Writes the values set since the store was read or last written. The reason, as the
    // user is told it, when they do not read back from the file afterwards.
    std::optional<QString> store();

private:
    QString fullKey(const QString &key) const;

    QString m_path;
    QString m_problem;
    QString m_group;
    std::unique_ptr<QSettings> m_settings;
    QList<std::pair<QString, QString>> m_changes;
};

} // namespace lullara
