#include "meters/MeterRows.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

// MeterStore's reads and writes of many readings at once: a berth's usual use, its use over time and by month, every
// meter's last reading, and readings added in batches.
namespace MeterStore {

using namespace Meters;

std::optional<double> usualOver(const QList<std::pair<QList<Reading>, int>>& meterReadings, const QDateTime& at)
{
    const QDateTime from = at.addDays(-30);
    qint64 use = 0;
    qint64 seconds = 0;
    for (const auto& [all, digits] : meterReadings) {
        QList<Reading> recent;
        for (const Reading& r : all)
            if (r.readAt >= from && r.readAt <= at)
                recent << r;
        if (recent.size() < 2)
            continue;
        use += useOver(recent, digits);
        seconds += recent.first().readAt.secsTo(recent.last().readAt);
    }
    if (seconds < 86400)
        return std::nullopt;
    return static_cast<double>(use) / (static_cast<double>(seconds) / 86400.0);
}

Result<std::optional<double>> usualPerDay(const QSqlDatabase& db, int berthId, Kind kind, const QDateTime& at)
{
    const auto onBerth =
        readMetersWhere(db, QStringLiteral(" WHERE M.BerthID = ? AND M.Kind = ?"), {berthId, static_cast<int>(kind)});
    if (!onBerth)
        return onBerth.failure();
    QList<std::pair<QList<Reading>, int>> each;
    for (const Meter& m : *onBerth) {
        const auto recent = readings(db, m.id, at.addDays(-30), at);
        if (!recent)
            return recent.failure();
        each.append({*recent, m.digits});
    }
    return usualOver(each, at);
}

Result<QHash<qint64, Reading>> lastReadings(const QSqlDatabase& db)
{
    const auto found =
        readReadingsWhere(db,
                          QStringLiteral("AND R.ID IN (SELECT (SELECT X.ID FROM MeterReading X WHERE "
                                         "X.MeterID = M.ID AND X.Corrects IS NULL ORDER BY X.ReadAt DESC, "
                                         "X.ID DESC LIMIT 1) FROM Meter M)"),
                          {});
    if (!found)
        return found.failure();
    QHash<qint64, Reading> last;
    for (const Reading& r : *found)
        last.insert(r.meterId, r);
    return last;
}

Result<QHash<qint64, QList<Reading>>> readingsSince(const QSqlDatabase& db, const QList<qint64>& meterIds,
                                                    const QDateTime& from)
{
    QHash<qint64, QList<Reading>> found;
    if (meterIds.isEmpty())
        return found;
    QStringList ids;
    for (const qint64 id : meterIds)
        ids << QString::number(id); // whole numbers of our own, not typed text
    const auto all = readReadingsWhere(
        db,
        // The rows found through the meter's index first: asked directly, a file without statistics walks the
        // index of corrections over the whole table instead.
        QStringLiteral("AND R.ID IN (SELECT Y.ID FROM MeterReading Y WHERE Y.MeterID IN (%1) AND Y.ReadAt >= ?) ORDER "
                       "BY R.MeterID, R.ReadAt, R.ID")
            .arg(ids.join(QLatin1Char(','))),
        {DateTimes::dbDateTime(from)});
    if (!all)
        return all.failure();
    for (const Reading& r : *all)
        found[r.meterId] << r;
    return found;
}

Status insertReadings(const QSqlDatabase& db, const QList<Reading>& list, const QDateTime& now, const QString& desk)
{
    constexpr qsizetype Batch = 100; // 800 values a statement, under either engine's limit
    const QVariant added = DateTimes::dbDateTime(now);
    for (qsizetype start = 0; start < list.size(); start += Batch) {
        const qsizetype count = std::min(Batch, list.size() - start);
        QStringList rows;
        QVariantList binds;
        for (qsizetype i = start; i < start + count; ++i) {
            const Reading& r = list.at(i);
            rows << QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?)");
            binds << r.meterId << DateTimes::dbDateTime(r.readAt) << QVariant::fromValue<qlonglong>(r.value)
                  << (r.rolledOver ? 1 : 0) << (r.flagged ? 1 : 0) << desk
                  << (r.note.isEmpty() ? Sql::nullText() : QVariant(r.note)) << added;
        }
        QString error;
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO MeterReading (MeterID, ReadAt, Value, RolledOver, Flagged, Desk, "
                                      "Note, Added) VALUES ") +
                           rows.join(QStringLiteral(", ")),
                       binds, &error))
            return databaseFailure(error);
    }
    return Done{};
}

Result<qint64> berthUse(const QSqlDatabase& db, int berthId, Kind kind, const QDateTime& from, const QDateTime& to)
{
    const auto onBerth =
        readMetersWhere(db, QStringLiteral(" WHERE M.BerthID = ? AND M.Kind = ?"), {berthId, static_cast<int>(kind)});
    if (!onBerth)
        return onBerth.failure();
    qint64 use = 0;
    for (const Meter& m : *onBerth) {
        const auto span = readings(db, m.id, from, to);
        if (!span)
            return span.failure();
        use += useOver(*span, m.digits);
    }
    return use;
}

Result<QList<MonthUse>> useByMonth(const QSqlDatabase& db, Kind kind, const QDate& from, const QDate& to)
{
    const auto all =
        readMetersWhere(db, QStringLiteral(" WHERE M.Kind = ? ORDER BY B.Name, M.Fitted"), {static_cast<int>(kind)});
    if (!all)
        return all.failure();
    QList<MonthUse> found;
    for (const Meter& m : *all) {
        const auto span = readings(db, m.id, DateTimes::wallTime(from), DateTimes::wallTime(to.addDays(1)));
        if (!span)
            return span.failure();
        for (qsizetype i = 1; i < span->size(); ++i) {
            const Reading& r = span->at(i);
            const QString month = r.readAt.date().toString(QStringLiteral("yyyy-MM"));
            const qint64 use = useBetween(span->at(i - 1).value, r.value, r.rolledOver, m.digits);
            const auto same = std::find_if(found.begin(), found.end(),
                                           [&](const MonthUse& u) { return u.berth == m.berth && u.month == month; });
            if (same != found.end())
                same->use += use;
            else
                found << MonthUse{m.berth, month, use};
        }
    }
    return found;
}

Result<QList<Reading>> remarkable(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to)
{
    return readReadingsWhere(db,
                             QStringLiteral("AND R.ReadAt >= ? AND R.ReadAt < ? AND (R.Flagged = 1 OR "
                                            "COALESCE(C.RolledOver, R.RolledOver) = 1 OR C.ID IS NOT NULL) ORDER BY "
                                            "R.ReadAt, R.ID"),
                             {DateTimes::dbDateTime(from), DateTimes::dbDateTime(to)});
}

} // namespace MeterStore
