#include "bookings/PeriodIndex.h"

#include "core/Dialect.h"

#include <algorithm>

namespace PeriodIndex {
namespace {
// 2000-01-01 00:00 as seconds since 1970: the index's epoch, so 32-bit minutes reach far beyond 2199.
constexpr qint64 Epoch = 946684800;

qint64 seconds(const QDateTime& when)
{
    return when.toSecsSinceEpoch() - Epoch;
}
} // namespace

qint64 floorMinute(const QDateTime& when)
{
    const qint64 s = seconds(when);
    return (s - ((s % 60 + 60) % 60)) / 60;
}

qint64 ceilMinute(const QDateTime& when)
{
    const qint64 s = seconds(when);
    return (s + ((60 - s % 60) % 60)) / 60;
}

QString bookingIdSql(const QString& alias)
{
    return QStringLiteral("(%1.ID >> 31)").arg(alias);
}
QString berthIdSql(const QString& alias)
{
    return QStringLiteral("(%1.ID & 2147483647)").arg(alias);
}

Condition overlapping(const QSqlDatabase& db, qint64 afterMinute, qint64 beforeMinute)
{
    // Periods are whole minutes, so this is two closed intervals sharing a minute.
    constexpr qint64 Lowest = -2147483647 - 1;
    constexpr qint64 Highest = 2147483646; // the index's minutes are 32-bit; a closed range needs one above
    const qint64 low = std::clamp(afterMinute + 1, Lowest, Highest);
    const qint64 high = std::clamp(beforeMinute - 1, Lowest, Highest);
    Condition c;
    if (low <= high) {
        c.sql = Dialect::of(db).intervalOverlap(QStringLiteral("P.FromMinute"), QStringLiteral("P.ToMinute"));
        c.binds = {low, high};
    } else {
        // Less than a minute between the two (or none): the periods that span the whole of it. They are among
        // those that hold minute high, a range test a server answers from its index (two plain comparisons
        // would read the whole table there); the second test drops those that end before low.
        c.sql = Dialect::of(db).intervalOverlap(QStringLiteral("P.FromMinute"), QStringLiteral("P.ToMinute")) +
                QStringLiteral(" AND P.ToMinute >= ?");
        c.binds = {high, high, low};
    }
    return c;
}

Condition touching(const QSqlDatabase& db, const QDateTime& start, bool startInclusive, const QDateTime& end,
                   bool endInclusive)
{
    // Stored arrivals are rounded down and departures up to the minute (exact for what the program writes).
    // A period starts before end when its minute is below end's minute rounded up; it starts at or before end
    // when its minute is below the minute after end's rounded down; and the mirror images for the departure.
    return overlapping(db, startInclusive ? ceilMinute(start) - 1 : floorMinute(start),
                       endInclusive ? floorMinute(end) + 1 : ceilMinute(end));
}

} // namespace PeriodIndex
