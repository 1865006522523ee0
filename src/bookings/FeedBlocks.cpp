#include "bookings/FeedBlocks.h"

#include "bookings/BerthBlocks.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace FeedBlocks {
namespace {
struct Kept
{
    int id = 0;
    QDateTime from;
    QDateTime to;
};

// The bookings the block now lies over are confirmed under it, so they keep their berth (and may still be saved
// there) until the clerk moves them; each is returned as a conflict.
Status confirmOver(const QSqlDatabase& db, int blockId, int berthId, const QDateTime& from, const QDateTime& to,
                   QList<Conflict>& found, int feedId)
{
    BerthBlocks::Block block;
    block.id = blockId;
    block.berthId = berthId;
    block.from = from;
    block.to = to;
    const auto inTheWay = BerthBlocks::bookingsInTheWay(db, block);
    if (!inTheWay)
        return inTheWay.failure();
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM BlockedBooking WHERE BlockID = ?"), {blockId}, &error))
        return databaseFailure(error);
    for (const BerthBlocks::BookingInTheWay& b : *inTheWay) {
        if (!Sql::exec(db, QStringLiteral("INSERT INTO BlockedBooking (BlockID, BookingID) VALUES (?, ?)"),
                       {blockId, b.bookingId}, &error))
            return databaseFailure(error);
        found.append({blockId, feedId, berthId, {}, from, to, b.bookingId, b.customer});
    }
    return Done{};
}
} // namespace

Result<Outcome> apply(const QSqlDatabase& db, int feedId, int berthId, const QList<Event>& events,
                      const QString& reason)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, FeedUid, FromDate, ToDate FROM BerthBlock WHERE FeedID = ?"), {feedId},
                   &error))
        return databaseFailure(error);
    QHash<QString, Kept> kept;
    while (q.next())
        kept.insert(q.value(1).toString(),
                    {q.value(0).toInt(), DateTimes::readDateTime(q.value(2)), DateTimes::readDateTime(q.value(3))});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    Outcome outcome;
    const QString shown = reason.left(BerthBlocks::MaxReasonLength);
    for (const Event& e : events) {
        const auto it = kept.constFind(e.uid);
        int blockId = 0;
        if (it != kept.constEnd()) {
            blockId = it->id;
            const bool same = it->from == e.from && it->to == e.to;
            kept.erase(it);
            if (same)
                continue;
            if (!Sql::exec(db, QStringLiteral("UPDATE BerthBlock SET FromDate = ?, ToDate = ? WHERE ID = ?"),
                           {DateTimes::dbDateTime(e.from), DateTimes::dbDateTime(e.to), blockId}, &error))
                return databaseFailure(error);
            ++outcome.moved;
        } else {
            const auto id = Sql::insertReturningId(
                db,
                QStringLiteral("INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason, FeedID, FeedUid) VALUES "
                               "(?, ?, ?, ?, ?, ?)"),
                {berthId, DateTimes::dbDateTime(e.from), DateTimes::dbDateTime(e.to), shown, feedId, e.uid}, &error);
            if (!id)
                return databaseFailure(error);
            blockId = int(*id);
            ++outcome.added;
        }
        if (Status confirmed = confirmOver(db, blockId, berthId, e.from, e.to, outcome.conflicts, feedId); !confirmed)
            return confirmed.failure();
    }
    for (const Kept& gone : std::as_const(kept)) {
        if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE ID = ?"), {gone.id}, &error))
            return databaseFailure(error);
        ++outcome.released;
    }
    if (!tx.commit(&error))
        return databaseFailure(error);
    return outcome;
}

Status release(const QSqlDatabase& db, int feedId)
{
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE FeedID = ?"), {feedId}, &error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Conflict>> conflicts(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // A booking's berth rows are what the period index holds for it: a cancelled booking has none.
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.ID, K.FeedID, K.BerthID, BE.Name, K.FromDate, K.ToDate, B.ID, C.Name "
                                  "FROM BerthBlock K JOIN BookingBerth BB ON BB.BerthID = K.BerthID "
                                  "JOIN Booking B ON B.ID = BB.BookingID AND B.FromDate < K.ToDate "
                                  "AND B.ToDate > K.FromDate LEFT JOIN Berth BE ON BE.ID = K.BerthID "
                                  "LEFT JOIN Customer C ON C.ID = B.CustomerID WHERE K.FeedID IS NOT NULL "
                                  "ORDER BY BE.Name, K.FromDate, B.ID"),
                   {}, &error))
        return databaseFailure(error);
    QList<Conflict> found;
    while (q.next())
        found.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toString(),
                      DateTimes::readDateTime(q.value(4)), DateTimes::readDateTime(q.value(5)), q.value(6).toInt(),
                      q.value(7).toString()});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return found;
}

Result<QList<int>> conflictingBlocks(const QSqlDatabase& db)
{
    const auto all = conflicts(db);
    if (!all)
        return all.failure();
    QList<int> ids;
    QSet<int> seen;
    for (const Conflict& c : *all)
        if (!seen.contains(c.blockId)) {
            seen.insert(c.blockId);
            ids.append(c.blockId);
        }
    return ids;
}

} // namespace FeedBlocks
