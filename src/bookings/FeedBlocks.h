#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// The blocks a calendar feed read from elsewhere puts on its berth: each event of the feed is one block marked with
/// the feed (BerthBlock.FeedID) and the event's UID, so it holds the berth as any block does. A booking already there
/// keeps its berth (the block is confirmed over it) and the pair is listed as a conflict for the clerk to move.
namespace FeedBlocks {

/// One event of a feed, as the period it holds the berth for.
struct Event
{
    QString uid;
    QDateTime from;
    QDateTime to;
};

/// A feed's block lying over a booking of this office.
struct Conflict
{
    int blockId = 0;
    int feedId = 0;
    int berthId = 0;
    QString berthName;
    QDateTime from;
    QDateTime to;
    int bookingId = 0;
    QString customer;
};

/// What one pass over a feed changed.
struct Outcome
{
    int added = 0;
    int moved = 0;
    int released = 0;
    int leftAsChanged = 0;     // events the feed gave as before whose block a clerk changed or removed: left so
    QList<Conflict> conflicts; // new or moved blocks that lie over a booking
};

/// Makes the blocks of feedId on berthId be events, in one transaction: a new event adds a block showing reason, an
/// event whose period changed since the last read moves its block (back to berthId, or anew when it was removed), and
/// a block whose event is gone is released. An event the feed gives as before leaves its block as it is: a clerk's
/// change or removal stands until the event itself changes. What the feed gave is kept (the FeedEvent table).
Result<Outcome> apply(const QSqlDatabase& db, int feedId, int berthId, const QList<Event>& events,
                      const QString& reason);

/// Releases every block of feedId (the feed was removed). Inside the caller's transaction when there is one.
Status release(const QSqlDatabase& db, int feedId);

/// Every feed block that lies over a booking now, by berth and date.
Result<QList<Conflict>> conflicts(const QSqlDatabase& db);

/// The IDs of the feed blocks that lie over a booking now (the chart draws them red).
Result<QList<int>> conflictingBlocks(const QSqlDatabase& db);

} // namespace FeedBlocks
