#pragma once

#include "bookings/BookingRecord.h"
#include "bookings/BookingStore.h"
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

/// What the wizard starts from. Nothing is added before the booking is saved: a guest not known yet and a boat of
/// the size asked for come as records, added by saveBooking.
struct Start
{
    int customerId = 0;                        // the customer found by e-mail; 0 for a new one
    std::optional<CustomerRecord> newCustomer; // the guest as the request gives them, when no customer has the address
    std::optional<int> boatId;                 // the customer's boat of the size asked for
    std::optional<BoatRecord> newBoat;         // else a boat of that size, when the request gives a length
    QList<int> berthIds;                       // the berth the request holds, for the wizard to mark
    int heldBlockId = 0;                       // its hold, kept until the booking is saved
};
/// Takes the request for who (a Conflict when another desk has it) and says what the booking starts from: its
/// customer by e-mail or a new one from its name, phone and language, the customer's boat of the size asked for or
/// a new one, and the berth it holds. Writes nothing else: the hold stays until the booking is saved.
Result<Start> startBooking(const QSqlDatabase& db, int requestId, const QString& who, const QDateTime& now);

/// Saves the booking the wizard made from the request, in one transaction: the hold lifted, a new guest added as a
/// customer (their boat with the booking), the booking saved and the request linked to it, taken by who. What the
/// save refuses or finds overtaken (as BookingStore::saveBooking says) leaves everything as it was, the hold too.
Result<BookingStore::SavedBooking> saveBooking(const QSqlDatabase& db, int requestId, const BookingRecord& booking,
                                               const QString& who, const QDateTime& now,
                                               BookingStore::Overtaken* overtaken = nullptr);

/// The office's "request declined" wording filled from the request, to the request's address; Refused when it has
/// none that can be written to.
Result<Outbox::Item> declineMessage(const QSqlDatabase& db, const RequestMessage::Request& request);

/// Declines the request and queues reply (as the clerk edited it) by who, in one transaction: both or neither.
Status decline(const QSqlDatabase& db, int requestId, const Outbox::Item& reply, const QString& who,
               const QDateTime& now);

} // namespace RequestActions
