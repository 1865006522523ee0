#include "bookings/BerthBlocks.h"

#include "bookings/BookingRules.h"
#include "bookings/KeyChunks.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

namespace BerthBlocks {
namespace {
QString when(const QDateTime& t)
{
    return t.toString(DateTimes::dateTimeFormat());
}

constexpr auto Columns = "K.ID, K.BerthID, BE.Name, K.FromDate, K.ToDate, K.Reason, K.ContractID";

Block blockOf(const QSqlQuery& q)
{
    Block b;
    b.id = q.value(0).toInt();
    b.berthId = q.value(1).toInt();
    b.berthName = q.value(2).toString();
    b.from = DateTimes::readDateTime(q.value(3));
    b.to = DateTimes::readDateTime(q.value(4));
    b.reason = q.value(5).toString();
    b.contractId = q.value(6).toInt();
    return b;
}

// The other blocks of the berth over the period; few per berth, so compared here.
Result<std::optional<Block>> otherBlockOver(const QSqlDatabase& db, const Block& block)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1 FROM BerthBlock K LEFT JOIN Berth BE ON BE.ID = K.BerthID "
                                  "WHERE K.BerthID = ? AND K.ID <> ? ORDER BY K.ID")
                       .arg(QLatin1String(Columns)),
                   {block.berthId, block.id}, &error))
        return databaseFailure(error);
    while (q.next()) {
        const Block other = blockOf(q);
        if (other.from < block.to && other.to > block.from)
            return std::optional<Block>(other);
    }
    return std::optional<Block>();
}

} // namespace

Result<QSet<int>> blockedOver(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from,
                              const QDateTime& to, int bookingId)
{
    QSet<int> blocked;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // A berth has few blocks, so they are compared here.
    for (const int berthId : berthIds) {
        if (!Sql::exec(q,
                       QStringLiteral("SELECT %1 FROM BerthBlock K LEFT JOIN Berth BE ON BE.ID = K.BerthID WHERE "
                                      "K.BerthID = ? AND K.ID NOT IN (SELECT BlockID FROM BlockedBooking WHERE "
                                      "BookingID = ?)")
                           .arg(QLatin1String(Columns)),
                       {berthId, bookingId}, &error))
            return databaseFailure(error);
        while (q.next()) {
            const Block block = blockOf(q);
            if (block.from < to && block.to > from)
                blocked.insert(berthId);
        }
    }
    return blocked;
}

namespace {
Result<QList<int>> confirmedOf(const QSqlDatabase& db, int blockId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT BookingID FROM BlockedBooking WHERE BlockID = ?"), {blockId}, &error))
        return databaseFailure(error);
    QList<int> ids;
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

Failure changedMeanwhile(const QSqlDatabase& db, const Block& seen, std::optional<Block>* theirs)
{
    const auto now = load(db, seen.id);
    if (!now)
        return now.failure();
    if (theirs)
        *theirs = *now;
    return conflict(*now ? QCoreApplication::translate("BerthBlocks", "Another desk changed this block meanwhile.")
                         : QCoreApplication::translate("BerthBlocks", "Another desk removed this block meanwhile."));
}
} // namespace

QString heldText()
{
    return QCoreApplication::translate(
        "BerthBlocks", "A contract holds this berth over the period: change or cancel the contract in Contracts.");
}

bool Block::sameAs(const Block& other) const
{
    return id == other.id && berthId == other.berthId && from == other.from && to == other.to && reason == other.reason;
}

Status check(const Block& block)
{
    if (block.berthId <= 0)
        return refused(QCoreApplication::translate("BerthBlocks", "Please choose the berth to block."));
    if (!block.from.isValid() || !block.to.isValid() || block.to <= block.from)
        return refused(QCoreApplication::translate("BerthBlocks", "The block must end after it starts."));
    if (!BookingRules::withinDateRange(block.from, block.to))
        return refused(QCoreApplication::translate("BerthBlocks", "A block must lie between %1 and %2.")
                           .arg(BookingRules::earliestDate().toString(DateTimes::dateFormat()),
                                BookingRules::latestDate().toString(DateTimes::dateFormat())));
    if (block.reason.trimmed().isEmpty())
        return refused(QCoreApplication::translate("BerthBlocks", "Please give the reason for the block."));
    if (block.reason.size() > MaxReasonLength)
        return refused(QCoreApplication::translate("BerthBlocks", "The reason may be at most %1 characters long.")
                           .arg(MaxReasonLength));
    return Done{};
}

Result<QList<BookingInTheWay>> bookingsInTheWay(const QSqlDatabase& db, const Block& block)
{
    const auto touching = PeriodIndex::touching(db, block.from, false, block.to, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT B.ID, C.Name, B.FromDate, B.ToDate FROM "
                                  "(SELECT DISTINCT %1 AS BookingID FROM %4 WHERE %2 AND %3 = ? AND "
                                  "P.ID >= 0) D JOIN Booking B ON B.ID = D.BookingID "
                                  "LEFT JOIN Customer C ON C.ID = B.CustomerID ORDER BY B.FromDate, B.ID")
                       .arg(PeriodIndex::bookingIdSql(), touching.sql, PeriodIndex::berthIdSql(), touching.from),
                   touching.binds + QVariantList{block.berthId}, &error))
        return databaseFailure(error);
    QList<BookingInTheWay> found;
    while (q.next())
        found.append({q.value(0).toInt(), q.value(1).toString(), DateTimes::readDateTime(q.value(2)),
                      DateTimes::readDateTime(q.value(3))});
    return found;
}

Result<int> save(const QSqlDatabase& db, const Block& typed, const QList<int>& confirmed,
                 const std::optional<Block>& seen, std::optional<FieldChanges::Merge<Block>>* merge)
{
    if (const Status checked = check(typed); !checked)
        return checked.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    Block block = typed;
    QSet<int> allowed(confirmed.cbegin(), confirmed.cend());
    if (seen) {
        const auto now = load(db, seen->id);
        if (!now)
            return now.failure();
        if (!*now)
            return conflict(QCoreApplication::translate("BerthBlocks", "Another desk removed this block meanwhile."));
        if ((*now)->contractId != 0)
            return refused(heldText());
        const auto merged = FieldChanges::toWrite(BerthBlocks::merged(*seen, **now, typed), merge);
        if (!merged)
            return merged.failure();
        block = *merged;
        // Each desk's period may hold alone and not together.
        if (const Status checked = check(block); !checked)
            return checked.failure();
        const auto before = confirmedOf(db, seen->id);
        if (!before)
            return before.failure();
        allowed.unite(QSet<int>(before->cbegin(), before->cend()));
    }
    QSqlQuery named(db);
    if (!Sql::exec(named, QStringLiteral("SELECT Name FROM Berth WHERE ID = ?"), {block.berthId}, &error))
        return databaseFailure(error);
    if (!named.next())
        return conflict(QCoreApplication::translate("BerthBlocks", "The berth is no longer in the register."));
    const QString berth = named.value(0).toString();
    Block saving = block;
    saving.id = seen ? seen->id : 0;
    const auto other = otherBlockOver(db, saving);
    if (!other)
        return other.failure();
    if (*other)
        return conflict(QCoreApplication::translate("BerthBlocks", "%1 is already blocked from %2 to %3: %4")
                            .arg(berth, when((*other)->from), when((*other)->to), (*other)->reason));
    const auto inTheWay = bookingsInTheWay(db, saving);
    if (!inTheWay)
        return inTheWay.failure();
    for (const BookingInTheWay& b : *inTheWay)
        if (!allowed.contains(b.bookingId))
            return conflict(
                QCoreApplication::translate(
                    "BerthBlocks", "Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.")
                    .arg(b.bookingId)
                    .arg(b.customer, when(b.from), when(b.to), berth));
    const QVariantList values{block.berthId, DateTimes::dbDateTime(block.from), DateTimes::dbDateTime(block.to),
                              block.reason.trimmed()};
    if (seen) {
        if (!Sql::exec(db,
                       QStringLiteral("UPDATE BerthBlock SET BerthID = ?, FromDate = ?, ToDate = ?, Reason = ? "
                                      "WHERE ID = ?"),
                       values + QVariantList{seen->id}, &error))
            return databaseFailure(error);
    } else {
        const auto id = Sql::insertReturningId(
            db, QStringLiteral("INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason) VALUES (?, ?, ?, ?)"),
            values, &error);
        if (!id)
            return databaseFailure(error);
        saving.id = int(*id);
    }
    // The bookings it lies over now, and only those, stay allowed under it.
    if (!Sql::exec(db, QStringLiteral("DELETE FROM BlockedBooking WHERE BlockID = ?"), {saving.id}, &error))
        return databaseFailure(error);
    for (const BookingInTheWay& b : *inTheWay)
        if (!Sql::exec(db, QStringLiteral("INSERT INTO BlockedBooking (BlockID, BookingID) VALUES (?, ?)"),
                       {saving.id, b.bookingId}, &error))
            return databaseFailure(error);
    if (!tx.commit(&error)) {
        // A server checks blocks against bookings at commit: a booking another program wrote meanwhile.
        if (Dialect::of(db).isOverlapRefusal(tx.commitError()))
            return conflict(QCoreApplication::translate(
                                "BerthBlocks", "%1 was booked over the period meanwhile: the block was not saved.")
                                .arg(berth));
        return databaseFailure(error);
    }
    return saving.id;
}

Status remove(const QSqlDatabase& db, const Block& seen, std::optional<Block>* theirs)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto now = load(db, seen.id);
    if (!now)
        return now.failure();
    if (!*now || !(*now)->sameAs(seen))
        return changedMeanwhile(db, seen, theirs);
    if ((*now)->contractId != 0)
        return refused(heldText());
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE ID = ?"), {seen.id}, &error) || !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<std::optional<Block>> load(const QSqlDatabase& db, int id)
{
    const auto found = read(db, {id});
    if (!found)
        return found.failure();
    return found->contains(id) ? std::optional<Block>(found->value(id)) : std::nullopt;
}

Result<QHash<int, Block>> read(const QSqlDatabase& db, const std::vector<int>& ids)
{
    QHash<int, Block> blocks;
    for (const KeyChunk& chunk : keyChunks(ids)) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT %1 FROM BerthBlock K LEFT JOIN Berth BE ON BE.ID = K.BerthID "
                                      "WHERE K.ID IN (%2)")
                           .arg(QLatin1String(Columns), chunk.marks),
                       chunk.binds, &error))
            return databaseFailure(error);
        while (q.next()) {
            const Block b = blockOf(q);
            blocks.insert(b.id, b);
        }
    }
    return blocks;
}

FieldChanges::Merge<Block> merged(const Block& loaded, const Block& theirs, const Block& mine)
{
    FieldChanges::Merge<Block> merge(loaded, theirs, mine);
    // The berth's name goes with its ID.
    merge.field(
        QCoreApplication::translate("BerthBlocks", "Berth:"), [](const Block& b) { return b.berthId; },
        [](Block& into, const Block& from) {
            into.berthId = from.berthId;
            into.berthName = from.berthName;
        },
        [&](int id) { return id == theirs.berthId ? theirs.berthName : mine.berthName; });
    merge.field(QCoreApplication::translate("BerthBlocks", "From:"), &Block::from, when);
    merge.field(QCoreApplication::translate("BerthBlocks", "To:"), &Block::to, when);
    merge.field(QCoreApplication::translate("BerthBlocks", "Reason:"), &Block::reason);
    return merge;
}

QString describe(const Block& block)
{
    return QCoreApplication::translate("BerthBlocks", "%1 blocked from %2 to %3: %4")
        .arg(block.berthName, when(block.from), when(block.to), block.reason);
}

} // namespace BerthBlocks
