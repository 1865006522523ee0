#include "bookings/BookingReads.h"

#include "bookings/KeyChunks.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace BookingReads {

namespace {
// The index entries of the bookings touching day; with IDs from firstId to lastId only (an entry's ID holds its
// booking's in its high bits).
PeriodIndex::Condition entriesOfDay(const QSqlDatabase& db, const QDate& day, int firstId, int lastId,
                                    PeriodIndex::Read read = PeriodIndex::Read::Joined)
{
    auto touching =
        PeriodIndex::touching(db, DateTimes::wallTime(day), true, DateTimes::wallTime(day.addDays(1)), false, read);
    if (firstId > 0 || lastId < std::numeric_limits<int>::max()) {
        touching.sql += QStringLiteral(" AND P.ID >= ? AND P.ID < ?");
        touching.binds << (qint64(qMax(0, firstId)) << 31) << ((qint64(lastId) + 1) << 31);
    }
    return touching;
}
} // namespace

Result<std::vector<int>> bookingIdsOfDay(const QSqlDatabase& db, const QDate& day)
{
    const auto touching = entriesOfDay(db, day, 0, std::numeric_limits<int>::max(), PeriodIndex::Read::Alone);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // Blocks have entries below 0. Asked at every day chosen, so the server keeps its plan.
    if (!Sql::execKept(q, QStringLiteral("SELECT P.ID FROM %2 WHERE %1 AND P.ID >= 0").arg(touching.sql, touching.from),
                       touching.numbers(), &error))
        return databaseFailure(error);
    std::vector<int> ids;
    while (q.next())
        ids.push_back(int(q.value(0).toLongLong() >> 31));
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

Result<QList<DayEntry>> bookingsOfDay(const QSqlDatabase& db, const QDate& day, int firstId, int lastId)
{
    // The index finds the bookings of the day and names their berths, an entry each, so of a booking only its own
    // row is read: its berth rows would cost two more pages each. Those of several berths read their rows after,
    // for the order they were saved in.
    const auto touching = entriesOfDay(db, day, firstId, lastId);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // Read at every block of the list a desk scrolls to, so the server keeps the plan.
    if (!Sql::execKept(q,
                       QStringLiteral("SELECT B.ID, B.CustomerID, C.Name, C.HouseName, B.FromDate, B.ToDate, BE.ID, "
                                      "BE.Name, B.TotalPayable, B.AmountPayed "
                                      "FROM (SELECT %1 AS BookingID, %2 AS BerthID FROM %4 WHERE %3) D "
                                      "JOIN Booking B ON B.ID = D.BookingID "
                                      "LEFT JOIN Customer C ON C.ID = B.CustomerID "
                                      "LEFT JOIN Berth BE ON BE.ID = D.BerthID")
                           .arg(PeriodIndex::bookingIdSql(), PeriodIndex::berthIdSql(), touching.sql, touching.from),
                       touching.numbers(), &error))
        return databaseFailure(error);
    QList<DayEntry> bookings;
    QHash<int, qsizetype> rowOf;
    QList<int> firstBerth;                          // by row: the berth of its first name
    QHash<int, QHash<int, QString>> namesOfSeveral; // booking -> berth -> name, for those of several berths
    while (q.next()) {
        const int id = q.value(0).toInt();
        auto row = rowOf.constFind(id);
        if (row == rowOf.cend()) {
            DayEntry b;
            b.id = id;
            b.customerId = q.value(1).toInt();
            b.name = q.value(2).toString();
            b.houseName = q.value(3).toString();
            b.fromDate = DateTimes::readDateTime(q.value(4));
            b.toDate = DateTimes::readDateTime(q.value(5));
            b.balance = Money::fromDb(q.value(8)) - Money::fromDb(q.value(9));
            row = rowOf.insert(id, bookings.size());
            bookings.append(b);
            firstBerth.append(0);
        }
        if (q.value(6).isNull()) // a berth row whose berth is gone names nothing
            continue;
        const int berth = q.value(6).toInt();
        QStringList& berths = bookings[*row].berths;
        berths << q.value(7).toString();
        if (berths.size() == 1) {
            firstBerth[*row] = berth;
            continue;
        }
        QHash<int, QString>& names = namesOfSeveral[id];
        if (names.isEmpty())
            names.insert(firstBerth[*row], berths.first());
        names.insert(berth, berths.last());
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    if (!namesOfSeveral.isEmpty()) {
        // The berth rows of just those bookings, by their keys: a few among thousands.
        std::vector<int> several;
        for (auto it = namesOfSeveral.cbegin(); it != namesOfSeveral.cend(); ++it) {
            several.push_back(it.key());
            bookings[rowOf.value(it.key())].berths.clear();
        }
        std::sort(several.begin(), several.end());
        for (const KeyChunk& chunk : keyChunks(several)) {
            QSqlQuery saved(db);
            saved.setForwardOnly(true);
            if (!Sql::exec(saved,
                           QStringLiteral("SELECT BB.BookingID, BB.BerthID FROM BookingBerth BB WHERE BB.BookingID IN "
                                          "(%1) ORDER BY BB.BookingID, %2")
                               .arg(chunk.marks, Dialect::of(db).insertOrder(QStringLiteral("BB"))),
                           chunk.binds, &error))
                return databaseFailure(error);
            while (saved.next()) {
                const auto names = namesOfSeveral.constFind(saved.value(0).toInt());
                if (names == namesOfSeveral.cend())
                    continue;
                // A berth another desk added since the first read is left for the next one.
                if (const auto name = names->constFind(saved.value(1).toInt()); name != names->cend())
                    bookings[rowOf.value(names.key())].berths << *name;
            }
            if (saved.lastError().isValid())
                return databaseFailure(saved.lastError().text());
        }
    }
    std::sort(bookings.begin(), bookings.end(), [](const DayEntry& a, const DayEntry& b) { return a.id < b.id; });
    return bookings;
}

Result<std::vector<Occupation>> occupancy(const QSqlDatabase& db, qint64 fromMinute, qint64 toMinute, Inside inside)
{
    auto overlapping = PeriodIndex::overlapping(db, fromMinute, toMinute);
    if (inside == Inside::Starts) {
        overlapping.sql += QStringLiteral(" AND P.FromMinute >= ?");
        overlapping.binds << fromMinute;
    } else if (inside == Inside::Ends) {
        overlapping.sql += QStringLiteral(" AND P.ToMinute <= ?");
        overlapping.binds << toMinute;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // The grid asks at every fill and every slot it scrolls, so the server keeps the plan.
    if (!Sql::execKept(q,
                       QStringLiteral("SELECT P.ID, P.FromMinute, P.ToMinute FROM %1 WHERE %2")
                           .arg(overlapping.from, overlapping.sql),
                       overlapping.numbers(), &error))
        return databaseFailure(error);
    std::vector<Occupation> entries;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        const int booking = int(id >> 31); // the entry's ID is BookingID * 2^31 + BerthID
        const int berth = int(id & 0x7FFFFFFF);
        entries.push_back({booking, berth, q.value(1).toLongLong(), q.value(2).toLongLong()});
    }
    return entries;
}

Result<QList<std::pair<int, int>>> bookedBerthsTouching(const QSqlDatabase& db, const QDateTime& start,
                                                        const QDateTime& end)
{
    const auto touching = PeriodIndex::touching(db, start, true, end, true);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1, %2 FROM %4 WHERE %3 AND P.ID >= 0")
                       .arg(PeriodIndex::bookingIdSql(), PeriodIndex::berthIdSql(), touching.sql, touching.from),
                   touching.binds, &error))
        return databaseFailure(error);
    QList<std::pair<int, int>> pairs;
    while (q.next())
        pairs.append({q.value(0).toInt(), q.value(1).toInt()});
    return pairs;
}

Result<std::vector<ChartBooking>> chartBookings(const QSqlDatabase& db, const std::vector<int>& ids)
{
    std::vector<ChartBooking> found;
    found.reserve(ids.size());
    for (const KeyChunk& chunk : keyChunks(ids)) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(
                q,
                QStringLiteral("SELECT B.ID, B.FromDate, B.ToDate, C.Name, Boat.Name, B.TotalPayable, "
                               "B.AmountPayed, B.Status FROM Booking B LEFT JOIN Customer C ON C.ID = B.CustomerID "
                               "LEFT JOIN Boat ON Boat.ID = B.BoatID WHERE B.ID IN (%1)")
                    .arg(chunk.marks),
                chunk.binds, &error))
            return databaseFailure(error);
        while (q.next()) {
            found.push_back({q.value(0).toInt(), DateTimes::readDateTime(q.value(1)),
                             DateTimes::readDateTime(q.value(2)), q.value(3).toString(), q.value(4).toString(),
                             Money::fromDb(q.value(5)), Money::fromDb(q.value(6)), q.value(7).toInt()});
        }
    }
    return found;
}

Result<QHash<int, CellHolder>> cellHolders(const QSqlDatabase& db, const std::vector<int>& ids)
{
    QHash<int, CellHolder> found;
    // Asked for each screen of the grid, so the server keeps the plan.
    for (const KeyChunk& chunk : paddedKeyChunks(ids)) {
        QList<qint64> keys;
        keys.reserve(chunk.binds.size());
        for (const QVariant& key : chunk.binds)
            keys << key.toLongLong();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::execKept(q,
                           QStringLiteral("SELECT B.ID, C.Name, B.FromDate, B.ToDate FROM Booking B LEFT JOIN Customer "
                                          "C ON C.ID = B.CustomerID WHERE B.ID IN (%1)")
                               .arg(chunk.marks),
                           keys, &error))
            return databaseFailure(error);
        while (q.next())
            found.insert(q.value(0).toInt(), CellHolder{q.value(1).toString(), DateTimes::readDateTime(q.value(2)),
                                                        DateTimes::readDateTime(q.value(3))});
        if (q.lastError().isValid())
            return databaseFailure(q.lastError().text());
    }
    return found;
}

Result<int> bookingRowsOnBerth(const QSqlDatabase& db, int berthId)
{
    QString error;
    const auto rows =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BerthID = ?"), {berthId}, &error);
    if (!rows)
        return databaseFailure(error);
    return rows->toInt();
}

QString berthHasBookingsSql(const QString& berthAlias)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM BookingBerth BB WHERE BB.BerthID = %1.ID)").arg(berthAlias);
}

} // namespace BookingReads
