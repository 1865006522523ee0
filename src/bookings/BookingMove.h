#pragma once

#include "bookings/BookingRecord.h"
#include "bookings/BookingStore.h"
#include "core/Result.h"

#include <QDateTime>
#include <QSqlDatabase>

/// Moving a booking as the booking chart does it: to other days, to another berth, or both, and lengthening or
/// shortening it by its ends. A move is saved through the store's one save, so the berths' availability, the
/// stamp of what was loaded and the ranges are checked again inside its transaction.
namespace BookingMove {

/// What the person moved: the booking as its bar showed it, and where it went.
struct Request
{
    int bookingId = 0;
    int berthId = 0;    // the bar's berth
    QDateTime seenFrom; // the period the bar showed
    QDateTime seenTo;
    int toBerthId = 0;     // where the bar went: its own berth when only the days change
    int arrivalDays = 0;   // days the arrival moves (negative: earlier)
    int departureDays = 0; // days the departure moves: the same for a move, different for a longer or shorter stay
};

/// The move worked out, before anything is saved.
struct Plan
{
    BookingRecord before; // as stored now
    BookingRecord after;  // moved, at the agreed price
    Money agreedTotal;
    /// The price with today's rates for the new period and berths, and what it would make the total.
    Money repricedHire;
    Money repricedTotal;
    int repricedTaxRate = 0;
    QList<Pricing::Line> repricedLines;
    /// Whether the person is to be asked: today's rates give another total than the one agreed.
    bool priceDiffers() const { return repricedTotal != agreedTotal; }
};

/// Reads the booking and works the move out. A Conflict when the booking is gone, cancelled, or no longer holds
/// the berth and period the bar showed (another desk moved it); Refused when nothing moves, when the stay would end
/// before it starts, lie outside the years bookings may take, or go onto a berth that is inactive or already one of
/// the booking's own.
Result<Plan> plan(const QSqlDatabase& db, const Request& request);

/// The booking as save() writes it: moved, at the agreed price or repriced with today's rates.
BookingRecord moved(const Plan& plan, bool reprice);

/// Works out the move back of a booking that was moved from before to saved (as moved() gave it): the berth and
/// days it had, at the price it had. A Conflict when another desk changed the booking since, so that undoing would
/// undo their change too.
Result<Plan> planUndo(const QSqlDatabase& db, const BookingRecord& before, const BookingRecord& saved);

/// Saves the moved booking, at the agreed price or repriced with today's rates; its berth rows and charge lines are
/// rewritten by the store, which checks again that the berths are free and the booking is as it was read.
Result<BookingStore::SavedBooking> save(const QSqlDatabase& db, const Plan& plan, bool reprice,
                                        BookingStore::Overtaken* overtaken = nullptr);

} // namespace BookingMove
