#include "shell/wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <filesystem>
#include <system_error>

namespace lullara {

bool writeWhole(QFileDevice &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    qint64 pending = file.bytesToWrite();
    while (!file.flush()) {
        const qint64 left = file.bytesToWrite();
        if (left == 0 || left >= pending)
            return false;
        pending = left;
    }
    return true;
}

namespace {
std::filesystem::path fsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}
} // namespace

std::optional<QString> replaceFile(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(fsPath(from), fsPath(to), error);
    if (!error)
        return std::nullopt;
    return QString::fromLocal8Bit(error.message());
}

QString failureReason(const QFileDevice &file)
{
    if (file.error() == QFileDevice::NoError || file.errorString().isEmpty())
        return QCoreApplication::translate("lullara::WholeFile", "The system gave no reason.");
    return file.errorString();
}

} // namespace lullara
