#pragma once

#include "bookings/BookingRecord.h"
#include "bookings/CreditNotes.h"
#include "core/Result.h"
#include "core/SqlHelpers.h"

#include <QSqlDatabase>

/// Reads, saves and deletes bookings with their berth rows.
namespace BookingStore {

/// The booking with its berths (in natural name order); a Conflict when it no longer exists.
Result<BookingRecord> loadBooking(const QSqlDatabase& db, int id);

/// The lines a booking's hire was agreed on, in their order; none for a booking saved without them.
Result<QList<Pricing::Line>> chargeLines(const QSqlDatabase& db, int bookingId);

/// The confirmation number a new booking proposes: the highest on record plus one, or 1 when there is none.
Result<qint64> nextConfirmationNumber(const QSqlDatabase& db);

/// The columns a booking's row is written with, and its values for them in that order.
QString columns();
QVariantList columnValues(const BookingRecord& booking);
/// What no box lets through (dates, amounts, counts out of range), as the refusal's text; empty when in range.
QString outOfRange(const BookingRecord& booking);

/// A booking as saved.
struct SavedBooking
{
    int id = 0;                    // the booking's ID after saving
    qint64 confirmationNumber = 0; // the number saved (a proposed one taken meanwhile is replaced)
};

/// What another desk did that the save's re-check found; the save then fails as a Conflict.
enum class Overtaken
{
    Nothing,
    BerthsTaken,    // another booking or a block took some of the berths (the failure's text names them)
    BookingChanged, // the changed booking was changed or cancelled since it was loaded
    CustomerGone,   // the customer was deleted
    BoatGone        // the boat was removed or is no longer the customer's
};

/// Writes the booking row, one BookingBerth row per berth and its charge lines in one transaction (a changed
/// booking's berth rows and lines are all rewritten). Inside the transaction it checks again that the customer still
/// exists, that a changed booking is still as it was loaded and that every berth is still free for the period; if not,
/// nothing is written and the save fails as a Conflict whose text is the message for the user (*overtaken says which,
/// so the wizard knows which page to go back to). Dates, amounts or counts out of range are Refused. A proposed
/// confirmation number that another booking took meanwhile becomes the next free one. The card number is stored
/// masked and the security code never.
Result<SavedBooking> saveBooking(const QSqlDatabase& db, const BookingRecord& booking, Overtaken* overtaken = nullptr);

/// Deletes one booking (its berth rows go with it); one with ledger lines is Refused (it is cancelled instead). Asks
/// nothing and writes no event: the window that asked does. Given what was stored when the booking was loaded
/// (BookingRecord::storedStamp), it deletes only a booking still as it was then: one another desk changed or cancelled
/// meanwhile is a Conflict, and nothing is deleted.
Status deleteBooking(const QSqlDatabase& db, int id, const QString& storedStamp = {});

/// What becomes of the money paid on a booking that is cancelled.
enum class MoneyKept
{
    Refunded, // a refund line gives it back
    AsFee,    // the office keeps it as a cancellation fee
    AsCredit  // the customer keeps it as credit for another booking
};

/// Cancels a booking that has money on its ledger: the money goes as kept says (a refund or credit line), and the
/// booking stays on record as cancelled, its berths free and out of every calendar. Checked against storedStamp
/// inside the transaction as deleteBooking is. Returns what had been paid, and the credit note a refund of invoiced
/// money issued.
struct Cancellation
{
    Money paid;
    std::optional<CreditNotes::Note> creditNote;
};
Result<Cancellation> cancelBooking(const QSqlDatabase& db, int id, const QString& storedStamp, MoneyKept kept,
                                   const QDateTime& when, const QString& desk);

/// An (ID, name) pair for a pick list.
using Choice = Sql::LookupItem;
/// The customers by name, for the wizard's customer list.
Result<QList<Choice>> customerChoices(const QSqlDatabase& db);
/// The payment methods in their stored order.
Result<QList<Choice>> paymentMethodChoices(const QSqlDatabase& db);

/// "Name, HouseName" of a customer, as confirmations and cancellations show it; empty when there is none.
Result<QString> customerLine(const QSqlDatabase& db, int customerId);

} // namespace BookingStore
