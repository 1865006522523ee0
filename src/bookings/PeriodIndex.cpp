#include "bookings/PeriodIndex.h"

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

Condition Touching(const QDateTime& start, bool startInclusive, const QDateTime& end, bool endInclusive)
{
    // Stored arrivals are rounded down and departures up to the minute (exact for what the program writes).
    // A period starts before end when its minute is below end's minute rounded up; it starts at or before end
    // when its minute is at or below end's rounded down; and the mirror images for the departure.
    Condition c;
    c.sql = QStringLiteral("P.FromMinute %1 ? AND P.ToMinute %2 ?")
                .arg(endInclusive ? QStringLiteral("<=") : QStringLiteral("<"),
                     startInclusive ? QStringLiteral(">=") : QStringLiteral(">"));
    c.binds = {endInclusive ? FloorMinute(end) : CeilMinute(end),
               startInclusive ? CeilMinute(start) : FloorMinute(start)};
    return c;
}

} // namespace PeriodIndex
