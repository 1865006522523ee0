#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"

#include <QSet>
#include <QSqlDatabase>

/// Which berths can be booked for a period.
namespace BerthAvailability {

/// The berths held by bookings that overlap [from, to): a booking overlaps when it starts before `to` and ends
/// after `from` (back-to-back stays do not clash). The booking excludeBookingId never counts (a block's ID negated:
/// that block never counts).
Result<QSet<int>> busyBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to, int excludeBookingId);

/// A stretch of time a booking holds a berth for, in the period index's minutes.
struct HeldStretch
{
    int berthId = 0;
    qint64 fromMinute = 0;
    qint64 toMinute = 0;
};
/// What holds the given berths within [from, to), read once from the index, for many questions about shorter
/// periods inside it (the waiting list asks one per entry).
Result<QList<HeldStretch>> heldStretches(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from,
                                         const QDateTime& to);
/// Whether none of held keeps the berth over [from, to), by the rule busyBerths applies.
bool freeOver(const QList<HeldStretch>& held, int berthId, const QDateTime& from, const QDateTime& to);

/// The active berths that no overlapping booking holds, in natural name order (A2 before A10).
Result<QList<AvailableBerth>> freeBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to,
                                         int excludeBookingId);

} // namespace BerthAvailability
