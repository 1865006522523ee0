#include "bookings/BerthAvailability.h"

#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QCollator>
#include <QSqlQuery>
#include <algorithm>

namespace BerthAvailability {
namespace {
// Minutes since 1970 of a wall-clock time, as the BookingPeriod index keeps them.
qint64 IndexMinute(const QDateTime& when) { return when.toSecsSinceEpoch() / 60; }

// The index narrows the search to bookings whose minutes overlap; the exact text comparison then decides.
const QString BusySql = QStringLiteral(
    "SELECT DISTINCT BB.BerthID FROM BookingPeriod P "
    "JOIN Booking BO ON BO.ID = P.ID "
    "JOIN BookingBerth BB ON BB.BookingID = BO.ID "
    "WHERE P.FromMinute < ? AND P.ToMinute > ? AND BO.FromDate < ? AND BO.ToDate > ? AND BO.ID <> ?");

QVariantList BusyBinds(const QDateTime& from, const QDateTime& to, int excludeBookingId)
{
    // One minute of slack on the index side: seconds are cut off there, the exact test follows.
    return {IndexMinute(to) + 1, IndexMinute(from) - 1, modFunctions::DbDateTime(to), modFunctions::DbDateTime(from),
            excludeBookingId};
}
} // namespace

std::optional<QSet<int>> BusyBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to,
                                    int excludeBookingId, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::Exec(q, BusySql, BusyBinds(from, to, excludeBookingId), error))
        return std::nullopt;
    QSet<int> busy;
    while (q.next())
        busy.insert(q.value(0).toInt());
    return busy;
}

std::optional<QList<AvailableBerth>> FreeBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to,
                                                int excludeBookingId, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT ID, Name, Length, Width, HasPower, DailyHireCharge FROM Berth "
                                       "WHERE Active <> 0 AND ID NOT IN (") +
                        BusySql + u')';
    if (!Sql::Exec(q, sql, BusyBinds(from, to, excludeBookingId), error))
        return std::nullopt;
    QList<AvailableBerth> berths;
    while (q.next()) {
        AvailableBerth berth;
        berth.id = q.value(0).toInt();
        berth.name = q.value(1).toString();
        if (!q.value(2).isNull())
            berth.length = q.value(2).toDouble();
        if (!q.value(3).isNull())
            berth.width = q.value(3).toDouble();
        berth.hasPower = q.value(4).toInt() != 0;
        if (!q.value(5).isNull())
            berth.dailyHireCharge = Money::FromDb(q.value(5));
        berths.append(berth);
    }
    const QCollator collator = modFunctions::NaturalOrder();
    std::stable_sort(berths.begin(), berths.end(), [&](const AvailableBerth& a, const AvailableBerth& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return berths;
}

} // namespace BerthAvailability
