#pragma once

#include "bookings/BookingRecord.h"
#include "core/SqlHelpers.h"

#include <QSqlDatabase>

class IMessageBox;

/// Reads, saves and deletes bookings with their berth rows.
namespace BookingStore {

/// The booking with its berths (in natural name order); nothing when it does not exist or cannot be read.
std::optional<BookingRecord> loadBooking(const QSqlDatabase& db, int id, QString* error = nullptr);

/// The confirmation number a new booking proposes: the highest on record plus one, or 1.
qint64 nextConfirmationNumber(const QSqlDatabase& db);

struct SaveResult
{
    bool ok = false;
    int id = 0;                    // the booking's ID after saving
    QStringList takenBerths;       // berths another booking took meanwhile (nothing was saved)
    bool changedMeanwhile = false; // a changed booking was changed or cancelled at another desk since it was
                                   // loaded (nothing was saved)
    bool customerGone = false;     // the customer was deleted meanwhile (nothing was saved)
    qint64 confirmationNumber = 0; // the number saved (a proposed one taken meanwhile is replaced)
    QString refused;               // dates, amounts or counts out of range (nothing was saved)
    QString error;                 // a database error (nothing was saved)
};

/// Writes the booking row and one BookingBerth row per berth in one transaction (a changed booking's berth rows
/// are all rewritten). Inside the transaction it checks again that the customer still exists and every berth
/// is still free for the period; if not, nothing is written and the result says why. A proposed confirmation
/// number that another booking took meanwhile becomes the next free one. The card number is stored masked and
/// the security code never.
SaveResult saveBooking(const QSqlDatabase& db, const BookingRecord& booking);

/// Deletes one booking (its berth rows go with it).
bool deleteBooking(const QSqlDatabase& db, int id, QString* error = nullptr);

/// The one way a booking is cancelled: asks "Do you want to delete existing reservation?" (titled "Cancel booking",
/// or the caller's title) and deletes the booking on Yes. Writes no event: the caller does. False on No, or when
/// the delete failed with the reason in *error.
bool cancelBooking(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                   const QString& title = QStringLiteral("Cancel booking"));

/// An (ID, name) pair for a pick list.
using Choice = Sql::LookupItem;
/// The customers by name, for the wizard's customer list; empty when they cannot be read.
QList<Choice> customerChoices(const QSqlDatabase& db);
/// The payment methods in their stored order.
QList<Choice> paymentMethodChoices(const QSqlDatabase& db);

/// "Name, HouseName" of a customer, as confirmations and cancellations show it; empty when there is none.
QString customerLine(const QSqlDatabase& db, int customerId);

} // namespace BookingStore
