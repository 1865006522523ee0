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
    int berthId = 0;
    QDateTime from;
    QDateTime to;
};

// Rows of (ID, UID, berth, from, to) by UID.
Result<QHash<QString, Kept>> keptOf(const QSqlDatabase& db, const QString& sql, int feedId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, sql, {feedId}, &error))
        return databaseFailure(error);
    QHash<QString, Kept> kept;
    while (q.next())
        kept.insert(q.value(1).toString(), {q.value(0).toInt(), q.value(2).toInt(), DateTimes::readDateTime(q.value(3)),
                                            DateTimes::readDateTime(q.value(4))});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return kept;
}

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
    // The feed's blocks as they stand, and its events as it gave them at the last read.
    const auto blocks = keptOf(db,
                               QStringLiteral("SELECT ID, FeedUid, BerthID, FromDate, ToDate FROM BerthBlock "
                                              "WHERE FeedID = ?"),
                               feedId);
    const auto said =
        keptOf(db, QStringLiteral("SELECT 0, Uid, 0, FromDate, ToDate FROM FeedEvent WHERE FeedID = ?"), feedId);
    if (!blocks || !said)
        return databaseFailure(blocks.error() + said.error());
    QHash<QString, Kept> block = *blocks;
    QHash<QString, Kept> before = *said;
    Outcome outcome;
    QString error;
    const QString shown = reason.left(BerthBlocks::MaxReasonLength);
    QSet<QString> met;
    for (const Event& e : events) {
        if (met.contains(e.uid)) // one block per event: a UID given twice is the first one
            continue;
        met.insert(e.uid);
        const auto was = before.constFind(e.uid);
        const bool known = was != before.constEnd();
        const bool unchanged = known && was->from == e.from && was->to == e.to;
        if (known)
            before.erase(was);
        const auto it = block.constFind(e.uid);
        const bool blocked = it != block.constEnd();
        const Kept held = blocked ? *it : Kept{};
        if (blocked)
            block.erase(it);
        const bool asTheFeedSays = blocked && held.berthId == berthId && held.from == e.from && held.to == e.to;
        if (unchanged) {
            // The feed says what it said before: a block a clerk moved, changed or removed stays as they left it.
            if (!asTheFeedSays)
                ++outcome.leftAsChanged;
            continue;
        }
        const QVariantList period{DateTimes::dbDateTime(e.from), DateTimes::dbDateTime(e.to)};
        if (!Sql::exec(
                db,
                known ? QStringLiteral("UPDATE FeedEvent SET FromDate = ?, ToDate = ? WHERE FeedID = ? AND "
                                       "Uid = ?")
                      : QStringLiteral("INSERT INTO FeedEvent (FromDate, ToDate, FeedID, Uid) VALUES (?, ?, ?, ?)"),
                period + QVariantList{feedId, e.uid}, &error))
            return databaseFailure(error);
        if (asTheFeedSays)
            continue;
        int blockId = held.id;
        if (blocked) {
            // The event itself changed: the block follows it, whatever a clerk did to it before.
            if (!Sql::exec(db,
                           QStringLiteral("UPDATE BerthBlock SET BerthID = ?, FromDate = ?, ToDate = ? WHERE ID = ?"),
                           QVariantList{berthId} + period + QVariantList{blockId}, &error))
                return databaseFailure(error);
            ++outcome.moved;
        } else {
            const auto id = Sql::insertReturningId(
                db,
                QStringLiteral("INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason, FeedID, FeedUid) VALUES "
                               "(?, ?, ?, ?, ?, ?)"),
                QVariantList{berthId} + period + QVariantList{shown, feedId, e.uid}, &error);
            if (!id)
                return databaseFailure(error);
            blockId = int(*id);
            ++outcome.added;
        }
        if (Status confirmed = confirmOver(db, blockId, berthId, e.from, e.to, outcome.conflicts, feedId); !confirmed)
            return confirmed.failure();
    }
    // An event gone from the feed releases its block, and what the feed said of it is forgotten.
    for (const Kept& gone : std::as_const(block)) {
        if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE ID = ?"), {gone.id}, &error))
            return databaseFailure(error);
        ++outcome.released;
    }
    for (auto gone = before.cbegin(); gone != before.cend(); ++gone)
        if (!Sql::exec(db, QStringLiteral("DELETE FROM FeedEvent WHERE FeedID = ? AND Uid = ?"), {feedId, gone.key()},
                       &error))
            return databaseFailure(error);
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
