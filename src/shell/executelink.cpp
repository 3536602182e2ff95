#include "shell/executelink.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>

#include <memory>

namespace lullara {

namespace {

// The busy pointer for as long as the request is being handed over. It is
// taken back exactly once: by the answer if that comes first, else when
// executeLink returns (the desktop may answer much later, and the program
// is not busy meanwhile).
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { restore(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
    void restore()
    {
        if (m_active) {
            m_active = false;
            QGuiApplication::restoreOverrideCursor();
        }
    }

private:
    bool m_active = true;
};

} // namespace

void executeLink(const Services &services, QWidget *parent, const QObject *owner, const QString &link)
{
    if (!services.shell)
        return;
    auto busy = std::make_shared<BusyPointer>();
    const QPointer<const QObject> alive(owner);
    Dialogs *dialogs = services.dialogs;
    services.shell->openLink(link, [busy, parent, alive, dialogs, link](OpenResult result) {
        busy->restore();
        if (result.ok || !dialogs)
            return;
        // A long link is cut short, so the box and its button stay on screen.
        const QString shown = link.size() > 300 ? link.left(300) + QStringLiteral("...") : link;
        dialogs->message(alive ? parent : nullptr, QStringLiteral("ExecuteLink"),
                         //: Text of the box about a link that could not be opened; %1 is the link
                         QCoreApplication::translate("lullara::ExecuteLink", "error Opening Link to %1").arg(shown)
                             + QStringLiteral("\r\n\r\n") + QString::number(result.errorCode),
                         MsgButtons::Ok, MsgIcon::None);
    });
    busy->restore();
}

void dragWindow(const Services &services, QWidget *window)
{
    if (services.shell && window)
        services.shell->moveWindow(window);
}

} // namespace lullara
