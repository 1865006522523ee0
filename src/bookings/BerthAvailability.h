#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"

#include <QSet>
#include <QSqlDatabase>

/// Which berths can be booked for a period.
namespace BerthAvailability {

/// The berths held by bookings that overlap [from, to): a booking overlaps when it starts before `to` and ends
/// after `from` (back-to-back stays do not clash). The booking excludeBookingId never counts.
Result<QSet<int>> busyBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to, int excludeBookingId);

/// The active berths that no overlapping booking holds, in natural name order (A2 before A10).
Result<QList<AvailableBerth>> freeBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to,
                                         int excludeBookingId);

} // namespace BerthAvailability
