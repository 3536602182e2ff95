#pragma once
// Files written whole or not at all: every write and the final flush are
// checked, and a failure carries the system's own reason.

#include <QByteArray>
#include <QString>
#include <optional>

class QFileDevice;

namespace lullara {

// Writes all of `bytes` to `file` and flushes them. A write or flush that
// gets only part of the way out (the disk filled up meanwhile) carries no
// error of its own, so this carries on until everything is out or the device
// fails and says why (file.errorString()). With a QSaveFile the flush must
// come before commit(), which renames the file into place even when its own
// final flush fails; a small file is written by that flush alone.
bool writeWhole(QFileDevice &file, const QByteArray &bytes);

// Renames `from` to `to`, replacing a file already called `to`, in one step
// of the file system. On failure: the system's reason.
std::optional<QString> replaceFile(const QString &from, const QString &to);

// The reason the last operation on `file` failed, as the system says it;
// never empty.
QString failureReason(const QFileDevice &file);

} // namespace lullara
