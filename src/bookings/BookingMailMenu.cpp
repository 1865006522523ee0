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
#include <QMenu>

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

bool emailInvoice(Services& services, int bookingId, QWidget* /*parent*/)
{
    const QString title = QCoreApplication::translate("BookingMailMenu", "E-mail invoice");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto queued = BookingMail::queueInvoice(services.db(), bookingId, services.clock.now(), Actor::label());
    QApplication::restoreOverrideCursor();
    if (!queued) {
        if (queued.kind() == FailureKind::Database || queued.kind() == FailureKind::File)
            MessageLog::logError(QStringLiteral("Queuing an invoice: ") + queued.error());
        services.messages.show(
            QCoreApplication::translate("BookingMailMenu", "The invoice was not queued: %1").arg(queued.error()), title,
            MsgIcon::Exclamation);
        return false;
    }
    if (queued->numbered)
        services.events.log(EventLog::InvoiceIssued,
                            QCoreApplication::translate("BookingMailMenu", "Invoice %1 for booking %2")
                                .arg(queued->invoiceNumber)
                                .arg(bookingId));
    services.events.log(EventLog::MailQueued,
                        QCoreApplication::translate("BookingMailMenu", "Invoice %1 for booking %2 by e-mail")
                            .arg(queued->invoiceNumber)
                            .arg(bookingId));
    if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    services.messages.show(
        QCoreApplication::translate("BookingMailMenu", "Invoice %1 is in the outbox and goes out in the background.")
            .arg(queued->invoiceNumber),
        title, MsgIcon::Information);
    return true;
}

void addInvoiceAction(QMenu* menu, Services& services, const std::function<int()>& bookingId)
{
    menu->addSeparator();
    QAction* action = menu->addAction(QCoreApplication::translate("BookingMailMenu", "E-mail Invoice"));
    action->setObjectName(QStringLiteral("mnuEmailInvoice"));
    action->setEnabled(MailSettings::isSetUp());
    if (!MailSettings::isSetUp()) {
        menu->setToolTipsVisible(true);
        action->setToolTip(MailSettings::notSetUpText());
    }
    QObject::connect(action, &QAction::triggered, menu, [&services, bookingId, menu] {
        if (const int id = bookingId(); id > 0)
            emailInvoice(services, id, menu);
    });
}

} // namespace BookingMailMenu
