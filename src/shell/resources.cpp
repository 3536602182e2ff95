#include "shell/resources.h"

#include <QHash>
#include <QtGlobal>

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
    if (it == decoded.constEnd())
        it = decoded.insert(name, QPixmap(QStringLiteral(":/pictures/") + name));
    return *it;
}

QIcon programIcon()
{
    // A window icon is decoded and sent to the window system as the window
    // is made, so every window had better share the decoded pictures.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addPixmap(picture(QStringLiteral("icon%1.png").arg(size)));
        return i;
    }();
    return icon;
}

} // namespace lullara
