#include "core/ui/SendEmail.h"

#include "core/Seams.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void sendEmail(Services& services, const QString& address, const QString& title)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The address goes over as typed; an empty one opens a message without a recipient.
    const bool opened = services.desktop.open(QUrl(QStringLiteral("mailto:") + address));
    QGuiApplication::restoreOverrideCursor();
    if (!opened)
        services.messages.show(
            QCoreApplication::translate("SendEmail", "No e-mail program could be started for this address."), title,
            MsgIcon::Exclamation);
}
