#include "bookings/BerthAvailability.h"

#include "bookings/KeyChunks.h"
#include "bookings/PeriodIndex.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"

#include <QHash>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace BerthAvailability {
namespace {
// The index answers alone: each entry carries its berth and its period, so no booking row is read. A block holds
// its berth too, except for a booking it was confirmed over. Binds the booking left out twice. A berth comes
// once per stay that holds it: both readers want a set, and removing the repeats here would cost a sort.
QString busySql(const PeriodIndex::Condition& overlap)
{
    return QStringLiteral("SELECT %1 AS BerthID FROM %4 WHERE %2 AND %3 <> ? AND NOT (P.ID < 0 AND "
                          "-%3 IN (SELECT BlockID FROM BlockedBooking WHERE BookingID = ?))")
        .arg(PeriodIndex::berthIdSql(), overlap.sql, PeriodIndex::bookingIdSql(), overlap.from);
}

PeriodIndex::Condition overlapCondition(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to)
{
    return PeriodIndex::touching(db, from, false, to, false, PeriodIndex::Read::Alone);
}

struct BusyRead
{
    QSet<int> berths;
    std::optional<qint64> listVersion; // nothing when the database keeps no number: the list is read each time
};

// One row, the berths joined in a text: at thousands of berths a row costs far more than its bytes. The number of
// the berth list comes in the same row when asked for, so the free list costs one round trip while it holds.
Result<BusyRead> readBusy(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to, int excludeBookingId,
                          bool withListVersion)
{
    const auto overlap = overlapCondition(db, from, to);
    QString sql =
        QStringLiteral("SELECT (SELECT %1 FROM (%2) H)")
            .arg(Dialect::of(db).joinTexts(QStringLiteral("H.BerthID"), QStringLiteral(","), {}), busySql(overlap));
    if (withListVersion)
        sql += QStringLiteral(", (SELECT Version FROM BerthListVersion)");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::execKept(q, sql, overlap.numbers() << excludeBookingId << excludeBookingId, &error))
        return databaseFailure(error);
    if (!q.next())
        return databaseFailure(q.lastError().text());
    BusyRead read;
    const QString text = q.value(0).toString();
    read.berths.reserve(text.size() / 4);
    for (const QStringView id : QStringView(text).tokenize(u',', Qt::SkipEmptyParts))
        read.berths.insert(id.toInt());
    if (withListVersion && !q.value(1).isNull())
        read.listVersion = q.value(1).toLongLong();
    return read;
}

// The active berths in natural name order, as a desk last read them, by connection: a list of thousands of berths
// costs many times the question of which are taken, and it changes only when the berths do. Their order is kept
// beside it, so a list read again after a change sorts only the berths whose names changed, and each berth's own
// number (Berth.ListChange), so it reads again only the rows of the berths that changed.
struct BerthList
{
    std::optional<qint64> version; // nothing when the list was read without its number: it is not kept
    QList<AvailableBerth> berths;
    QHash<int, qint64> changes; // berth ID -> its number when read
};
struct KeptList
{
    BerthList list;
    Texts::KeptNaturalOrder order; // taken out while a new reading is sorted
};
QMutex& listsLock()
{
    static QMutex lock;
    return lock;
}
QHash<QString, KeptList>& lists()
{
    static QHash<QString, KeptList> byConnection;
    return byConnection;
}

const QString BerthColumns = QStringLiteral(
    "ID, ListChange, Name, Length, Width, HasPower, DailyHireCharge, MaxDraft, TakesMultihulls FROM Berth");

// A berth from a row of BerthColumns (after `at` columns before them).
AvailableBerth berthOf(const QSqlQuery& q, int at)
{
    const auto real = [&](int column) {
        const QVariant value = q.value(at + column);
        return value.isNull() ? std::nullopt : std::optional(value.toDouble());
    };
    AvailableBerth berth;
    berth.id = q.value(at).toInt();
    berth.name = q.value(at + 2).toString();
    berth.length = real(3);
    berth.width = real(4);
    berth.hasPower = q.value(at + 5).toInt() != 0;
    if (const QVariant charge = q.value(at + 6); !charge.isNull())
        berth.dailyHireCharge = Money::fromDb(charge);
    berth.maxDraft = real(7);
    berth.takesMultihulls = q.value(at + 8).toInt() != 0;
    return berth;
}

// The berths by ID put in natural order into read.
void sortInto(BerthList& read, QList<AvailableBerth>& byId, Texts::KeptNaturalOrder& order)
{
    QList<int> ids;
    ids.reserve(byId.size());
    QStringList names;
    names.reserve(byId.size());
    for (const AvailableBerth& berth : std::as_const(byId)) {
        ids.append(berth.id);
        names.append(berth.name);
    }
    read.berths.reserve(byId.size());
    for (const qsizetype at : order.sort(ids, names))
        read.berths.append(std::move(byId[at]));
}

// The list and its number from one statement, so neither can be newer than the other. With no active berth there
// is no row to carry the number, and the empty list is read again next time. In the order of the IDs, which orders
// berths of equal names.
Result<BerthList> readBerthList(const QSqlDatabase& db, Texts::KeptNaturalOrder& order, qsizetype expected)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT (SELECT Version FROM BerthListVersion), %1 WHERE Active <> 0 ORDER BY ID")
                       .arg(BerthColumns),
                   {}, &error))
        return databaseFailure(error);
    BerthList read;
    QList<AvailableBerth> byId;
    byId.reserve(expected);
    read.changes.reserve(expected);
    while (q.next()) {
        if (const QVariant version = q.value(0); !version.isNull())
            read.version = version.toLongLong();
        byId.append(berthOf(q, 1));
        read.changes.insert(byId.last().id, q.value(2).toLongLong());
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    sortInto(read, byId, order);
    return read;
}

// The list read again after a change from what was kept: every active berth's number, then the rows of those
// whose number moved or that are new. Nothing when a berth changed again between the two statements: the caller
// then reads the whole list.
Result<std::optional<BerthList>> rereadChanged(const QSqlDatabase& db, const BerthList& kept,
                                               Texts::KeptNaturalOrder& order)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT (SELECT Version FROM BerthListVersion), ID, ListChange FROM Berth "
                                  "WHERE Active <> 0 ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    BerthList read;
    read.changes.reserve(kept.changes.size());
    std::vector<int> changed;
    QList<int> ids;
    ids.reserve(kept.changes.size());
    while (q.next()) {
        if (const QVariant version = q.value(0); !version.isNull())
            read.version = version.toLongLong();
        const int id = q.value(1).toInt();
        const qint64 change = q.value(2).toLongLong();
        read.changes.insert(id, change);
        ids.append(id);
        if (const auto was = kept.changes.constFind(id); was == kept.changes.cend() || *was != change)
            changed.push_back(id);
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    QHash<int, AvailableBerth> fresh;
    for (const KeyChunk& chunk : keyChunks(changed)) {
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        if (!Sql::exec(rows,
                       QStringLiteral("SELECT %1 WHERE Active <> 0 AND ID IN (%2)").arg(BerthColumns, chunk.marks),
                       chunk.binds, &error))
            return databaseFailure(error);
        while (rows.next()) {
            if (rows.value(1).toLongLong() != read.changes.value(rows.value(0).toInt()))
                return std::optional<BerthList>();
            const AvailableBerth berth = berthOf(rows, 0);
            fresh.insert(berth.id, berth);
        }
        if (rows.lastError().isValid())
            return databaseFailure(rows.lastError().text());
    }
    if (fresh.size() != qsizetype(changed.size()))
        return std::optional<BerthList>(); // made inactive or removed in between
    QHash<int, const AvailableBerth*> keptById;
    keptById.reserve(kept.berths.size());
    for (const AvailableBerth& berth : kept.berths)
        keptById.insert(berth.id, &berth);
    QList<AvailableBerth> byId;
    byId.reserve(ids.size());
    for (const int id : std::as_const(ids)) {
        if (const auto now = fresh.constFind(id); now != fresh.cend())
            byId.append(*now);
        else if (const AvailableBerth* same = keptById.value(id))
            byId.append(*same); // unchanged, so kept
        else
            return std::optional<BerthList>();
    }
    sortInto(read, byId, order);
    return std::optional(std::move(read));
}
} // namespace

Result<QSet<int>> busyBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to, int excludeBookingId)
{
    const auto busy = readBusy(db, from, to, excludeBookingId, false);
    if (!busy)
        return busy.failure();
    return busy->berths;
}

Result<QList<HeldStretch>> heldStretches(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from,
                                         const QDateTime& to)
{
    if (berthIds.isEmpty())
        return QList<HeldStretch>{};
    const auto overlap = overlapCondition(db, from, to);
    QStringList marks;
    QVariantList binds = overlap.binds;
    for (const int id : berthIds) {
        marks << QStringLiteral("?");
        binds << id;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1, P.FromMinute, P.ToMinute FROM %4 WHERE %2 AND %1 IN (%3)")
                       .arg(PeriodIndex::berthIdSql(), overlap.sql, marks.join(u','), overlap.from),
                   binds, &error))
        return databaseFailure(error);
    QList<HeldStretch> held;
    while (q.next())
        held << HeldStretch{q.value(0).toInt(), q.value(1).toLongLong(), q.value(2).toLongLong()};
    return held;
}

bool freeOver(const QList<HeldStretch>& held, int berthId, const QDateTime& from, const QDateTime& to)
{
    // As the index condition reads it: a stretch that starts before the end and ends after the start.
    const qint64 after = PeriodIndex::floorMinute(from);
    const qint64 before = PeriodIndex::ceilMinute(to);
    return std::none_of(held.begin(), held.end(), [&](const HeldStretch& stretch) {
        return stretch.berthId == berthId && stretch.fromMinute < before && stretch.toMinute > after;
    });
}

Result<QList<AvailableBerth>> freeBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to,
                                         int excludeBookingId)
{
    const auto busy = readBusy(db, from, to, excludeBookingId, true);
    if (!busy)
        return busy.failure();
    std::optional<BerthList> kept;
    std::optional<BerthList> before; // the kept list out of date, whose unchanged rows need not be read again
    Texts::KeptNaturalOrder order;
    {
        const QMutexLocker lock(&listsLock());
        const auto it = lists().find(db.connectionName());
        if (it != lists().end()) {
            if (busy->listVersion && it->list.version == busy->listVersion)
                kept = it->list;
            else {
                order = std::move(it->order);
                before = std::move(it->list);
                lists().erase(it);
            }
        }
    }
    const bool warm = kept.has_value();
    if (!kept && before) {
        auto changed = rereadChanged(db, *before, order);
        if (!changed)
            return changed.failure();
        kept = std::move(*changed);
    }
    if (!kept) {
        auto read = readBerthList(db, order, before ? before->berths.size() : 0);
        if (!read)
            return read.failure();
        kept = std::move(*read);
    }
    if (!warm && kept->version) {
        const QMutexLocker lock(&listsLock());
        lists().insert(db.connectionName(), {*kept, std::move(order)});
    }
    QList<AvailableBerth> free;
    free.reserve(std::max<qsizetype>(0, kept->berths.size() - busy->berths.size()));
    for (const AvailableBerth& berth : std::as_const(kept->berths))
        if (!busy->berths.contains(berth.id))
            free.append(berth);
    return free;
}

} // namespace BerthAvailability
