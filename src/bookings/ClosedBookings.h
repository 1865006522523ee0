#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QSqlDatabase>

/// The stores' check, inside their transaction, before they change a booking or add a ledger line: a closed month's
/// bookings and lines are refused with a clear message here, before the database's own triggers would refuse them.
namespace ClosedBookings {

/// Refused, naming the month, when the booking as stored (bookingId, 0 for a new one) departs in a closed month, or
/// departure (when valid) falls in one.
Status check(const QSqlDatabase& db, int bookingId, const QDateTime& departure = {});
/// Refused when a ledger line dated when would fall in a closed month.
Status checkLine(const QSqlDatabase& db, const QDateTime& when);

} // namespace ClosedBookings
