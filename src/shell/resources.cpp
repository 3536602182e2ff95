#include "shell/resources.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QtGlobal>
#include <QtMath>
#include <algorithm>

static void registerLullaraResources() { Q_INIT_RESOURCE(lullara); }

namespace lullara {

void initResources()
{
    // The pictures are compiled into a static library, which Qt only finds
    // once they are registered; once is enough.
    static const bool done = [] {
        registerLullaraResources();
        return true;
    }();
    Q_UNUSED(done);
}

QPixmap picture(const QString &name)
{
    initResources();
    static QHash<QString, QPixmap> decoded;
    auto it = decoded.constFind(name);
    if (it == decoded.constEnd()) {
        // Told that the file is PNG and not to guess, the reader decodes it
        // at once. Otherwise Qt first loads every image-format plugin of the
        // system (GIF, ICO, JPEG with libjpeg, ...) to ask whether one of
        // them would rather read PNG: milliseconds and memory at every start.
        QImageReader reader(QStringLiteral(":/pictures/") + name, "png");
        reader.setAutoDetectImageFormat(false);
        it = decoded.insert(name, QPixmap::fromImage(reader.read()));
    }
    return *it;
}

void addPicture(QIcon &icon, const QString &name, QIcon::Mode mode, QIcon::State state)
{
    initResources();
    icon.addFile(QStringLiteral(":/pictures/") + name, QSize(), mode, state);
}

QIcon pictureIcon(const QString &name)
{
    QIcon icon;
    addPicture(icon, name);
    return icon;
}

QIcon programIcon()
{
    // A window icon is decoded and sent to the window system as the window
    // is made, so every window had better share the decoded pictures.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            addPicture(i, QStringLiteral("icon%1.png").arg(size));
        return i;
    }();
    return icon;
}

QCursor handPointer()
{
    const QPixmap hand = picture(QStringLiteral("hand.png"));
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 4, 0);
}

} // namespace lullara
