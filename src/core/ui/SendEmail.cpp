#include "core/ui/SendEmail.h"

#include "core/Seams.h"

#include <QCursor>
#include <QGuiApplication>

void SendEmail(Services& services, const QString& address, const QString& title)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The address goes over as typed; an empty one opens a message without a recipient.
    const bool opened = services.desktop.Open(QUrl(QStringLiteral("mailto:") + address));
    QGuiApplication::restoreOverrideCursor();
    if (!opened)
        services.messages.Show(QStringLiteral("No e-mail program could be started for this address."), title,
                               MsgIcon::Exclamation);
}
