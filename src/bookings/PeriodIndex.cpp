#include "bookings/PeriodIndex.h"

#include "core/Dialect.h"

#include <algorithm>

namespace PeriodIndex {
namespace {
// 2000-01-01 00:00 as seconds since 1970: the index's epoch, so 32-bit minutes reach far beyond 2199.
constexpr qint64 Epoch = 946684800;

qint64 Seconds(const QDateTime& when)
{
    return when.toSecsSinceEpoch() - Epoch;
}
} // namespace

qint64 FloorMinute(const QDateTime& when)
{
    const qint64 s = Seconds(when);
    return (s - ((s % 60 + 60) % 60)) / 60;
}

qint64 CeilMinute(const QDateTime& when)
{
    const qint64 s = Seconds(when);
    return (s + ((60 - s % 60) % 60)) / 60;
}

QString BookingIdSql(const QString& alias)
{
    return QStringLiteral("(%1.ID >> 31)").arg(alias);
}
QString BerthIdSql(const QString& alias)
{
    return QStringLiteral("(%1.ID & 2147483647)").arg(alias);
}

Condition Overlapping(const QSqlDatabase& db, qint64 afterMinute, qint64 beforeMinute)
{
    // Periods are whole minutes, so this is two closed intervals sharing a minute.
    constexpr qint64 Lowest = -2147483647 - 1;
    constexpr qint64 Highest = 2147483646; // the index's minutes are 32-bit; a closed range needs one above
    const qint64 low = std::clamp(afterMinute + 1, Lowest, Highest);
    const qint64 high = std::clamp(beforeMinute - 1, Lowest, Highest);
    Condition c;
    if (low <= high) {
        c.sql = Dialect::Of(db).IntervalOverlap(QStringLiteral("P.FromMinute"), QStringLiteral("P.ToMinute"));
        c.binds = {low, high};
    } else {
        // Less than a minute between the two (or none): the periods that span the whole of it.
        c.sql = QStringLiteral("P.FromMinute <= ? AND P.ToMinute >= ?");
        c.binds = {high, low};
    }
    return c;
}

Condition Touching(const QSqlDatabase& db, const QDateTime& start, bool startInclusive, const QDateTime& end,
                   bool endInclusive)
{
    // Stored arrivals are rounded down and departures up to the minute (exact for what the program writes).
    // A period starts before end when its minute is below end's minute rounded up; it starts at or before end
    // when its minute is below the minute after end's rounded down; and the mirror images for the departure.
    return Overlapping(db, startInclusive ? CeilMinute(start) - 1 : FloorMinute(start),
                       endInclusive ? FloorMinute(end) + 1 : CeilMinute(end));
}

} // namespace PeriodIndex
