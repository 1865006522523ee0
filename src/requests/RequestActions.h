#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"
#include "mail/Outbox.h"
#include "requests/RequestStore.h"

#include <QList>
#include <QSqlDatabase>
#include <optional>

/// What the queue does with a request, without a window: the berths it fits, the booking it starts (customer found
/// by e-mail or added, a boat of the size asked for), the reply that declines it. Who asks and tells is the queue's.
namespace RequestActions {

/// The free berths over the request's nights that the boat asked about fits, tightest first (every free berth when
/// it gives no size); empty without dates.
Result<QList<AvailableBerth>> fittingBerths(const QSqlDatabase& db, const RequestMessage::Request& request);

/// Why the wizard will find nothing for the request: "No berth is free from ... to ... for a boat of ..." when no
/// free berth fits; empty when one does or the request gives no dates.
Result<QString> fitProblem(const QSqlDatabase& db, const RequestMessage::Request& request);

/// What the wizard starts from.
struct Start
{
    int customerId = 0;
    bool newCustomer = false;
    std::optional<int> boatId;
    QList<int> berthIds; // the berth the request held, lifted for the wizard to book
};
/// Takes the request for who (a Conflict when another desk has it), finds its customer by e-mail or adds one with
/// its name, phone and address, adds a boat of the size asked for when the customer has none that size, and lifts
/// its hold so the wizard can book that berth: all in one transaction.
Result<Start> startBooking(const QSqlDatabase& db, int requestId, const QString& who, const QDateTime& now);

/// The office's "request declined" wording filled from the request, to the request's address; Refused when it has
/// none that can be written to.
Result<Outbox::Item> declineMessage(const QSqlDatabase& db, const RequestMessage::Request& request);

/// Declines the request and queues reply (as the clerk edited it) by who, in one transaction: both or neither.
Status decline(const QSqlDatabase& db, int requestId, const Outbox::Item& reply, const QString& who,
               const QDateTime& now);

} // namespace RequestActions
