#pragma once

#include <functional>

class QMenu;
class QString;
class QWidget;
struct Services;

/// A booking's mail on its way out from a window: queued in the outbox when the office has a mail server, else
/// handed to the desktop's mail program as before.
namespace BookingMailMenu {

/// Queues the booking's confirmation with its PDF and wakes the sender; the user is told why when it cannot be
/// queued. False then, or when no mail server is set up.
bool queueConfirmation(Services& services, int bookingId, QWidget* parent);

/// The summary's "Email": the confirmation queued when a server is set up, else the mail program opened on address.
/// True when a message was queued.
bool email(Services& services, int bookingId, const QString& address, const QString& title, QWidget* parent);

/// Queues the booking's invoice with its PDF, numbering it first if it has no number yet, and wakes the sender;
/// the user is told what happened. True when a message was queued.
bool emailInvoice(Services& services, int bookingId, QWidget* parent);

/// Adds "E-mail Invoice" to menu for the booking bookingId() gives: disabled, saying why, when no mail server is
/// set up.
void addInvoiceAction(QMenu* menu, Services& services, const std::function<int()>& bookingId);

} // namespace BookingMailMenu
