#include "bookings/BookingMailMenu.h"

#include "bookings/BookingMail.h"
#include "core/Actor.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/SendEmail.h"
#include "mail/MailSettings.h"
#include "mail/OutboxSender.h"

#include <QApplication>
#include <QCoreApplication>

namespace BookingMailMenu {

bool queueConfirmation(Services& services, int bookingId, QWidget* /*parent*/)
{
    if (!MailSettings::isSetUp())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto queued = BookingMail::queueConfirmation(services.db(), bookingId, services.clock.now(), Actor::label());
    QApplication::restoreOverrideCursor();
    const QString title = QCoreApplication::translate("BookingMailMenu", "Send confirmation");
    if (!queued) {
        if (queued.kind() == FailureKind::Database || queued.kind() == FailureKind::File)
            MessageLog::logError(QStringLiteral("Queuing a confirmation: ") + queued.error());
        services.messages.show(
            QCoreApplication::translate("BookingMailMenu", "The confirmation was not queued: %1").arg(queued.error()),
            title, MsgIcon::Exclamation);
        return false;
    }
    services.events.log(EventLog::MailQueued,
                        QCoreApplication::translate("BookingMailMenu", "Confirmation of booking %1").arg(bookingId));
    if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    return true;
}

bool email(Services& services, int bookingId, const QString& address, const QString& title, QWidget* parent)
{
    if (!MailSettings::isSetUp()) {
        sendEmail(services, address, title);
        return false;
    }
    return queueConfirmation(services, bookingId, parent);
}

} // namespace BookingMailMenu
