#include "bookings/ClosedBookings.h"

#include "core/ClosedPeriods.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>

namespace ClosedBookings {
namespace {

Status checkDay(const QSqlDatabase& db, const QDate& day)
{
    if (!day.isValid())
        return Done{};
    const auto closed = ClosedPeriods::isClosed(db, day);
    if (!closed)
        return closed.failure();
    if (*closed)
        return refused(ClosedPeriods::refusal(day));
    return Done{};
}

} // namespace

Status check(const QSqlDatabase& db, int bookingId, const QDateTime& departure)
{
    if (bookingId != 0) {
        QString error;
        const auto stored =
            Sql::scalar(db, QStringLiteral("SELECT MAX(ToDate) FROM Booking WHERE ID = ?"), {bookingId}, &error);
        if (!stored)
            return databaseFailure(error);
        if (const Status open = checkDay(db, DateTimes::readDateTime(*stored).date()); !open)
            return open;
    }
    return checkDay(db, departure.date());
}

Status checkLine(const QSqlDatabase& db, const QDateTime& when)
{
    const auto closed = ClosedPeriods::isClosed(db, when.date());
    if (!closed)
        return closed.failure();
    if (!*closed)
        return Done{};
    return refused(QCoreApplication::translate("ClosedBookings",
                                               "%1 is closed: its ledger takes no more lines. Date the correction "
                                               "today.")
                       .arg(ClosedPeriods::monthName(when.date())));
}

} // namespace ClosedBookings
