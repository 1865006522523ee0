#include "bookings/BerthAvailability.h"

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
// beside it, so a list read again after a change sorts only the berths whose names changed.
struct BerthList
{
    std::optional<qint64> version; // nothing when the list was read without its number: it is not kept
    QList<AvailableBerth> berths;
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

// The list and its number from one statement, so neither can be newer than the other. With no active berth there
// is no row to carry the number, and the empty list is read again next time. In the order of the IDs, which orders
// berths of equal names.
Result<BerthList> readBerthList(const QSqlDatabase& db, Texts::KeptNaturalOrder& order, qsizetype expected)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT (SELECT Version FROM BerthListVersion), ID, Name, Length, Width, HasPower, "
                                  "DailyHireCharge, MaxDraft, TakesMultihulls FROM Berth WHERE Active <> 0 "
                                  "ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    BerthList read;
    QList<AvailableBerth> byId;
    byId.reserve(expected);
    QList<int> ids;
    ids.reserve(expected);
    QStringList names;
    names.reserve(expected);
    const auto real = [](const QVariant& value) {
        return value.isNull() ? std::nullopt : std::optional(value.toDouble());
    };
    while (q.next()) {
        if (const QVariant version = q.value(0); !version.isNull())
            read.version = version.toLongLong();
        AvailableBerth berth;
        berth.id = q.value(1).toInt();
        berth.name = q.value(2).toString();
        berth.length = real(q.value(3));
        berth.width = real(q.value(4));
        berth.hasPower = q.value(5).toInt() != 0;
        if (const QVariant charge = q.value(6); !charge.isNull())
            berth.dailyHireCharge = Money::fromDb(charge);
        berth.maxDraft = real(q.value(7));
        berth.takesMultihulls = q.value(8).toInt() != 0;
        ids.append(berth.id);
        names.append(berth.name);
        byId.append(std::move(berth));
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    read.berths.reserve(byId.size());
    for (const qsizetype at : order.sort(ids, names))
        read.berths.append(std::move(byId[at]));
    return read;
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
    Texts::KeptNaturalOrder order;
    qsizetype expected = 0;
    {
        const QMutexLocker lock(&listsLock());
        const auto it = lists().find(db.connectionName());
        if (it != lists().end()) {
            if (busy->listVersion && it->list.version == busy->listVersion)
                kept = it->list;
            else {
                order = std::move(it->order);
                expected = it->list.berths.size();
            }
        }
    }
    if (!kept) {
        auto read = readBerthList(db, order, expected);
        if (!read)
            return read.failure();
        kept = std::move(*read);
        const QMutexLocker lock(&listsLock());
        if (kept->version)
            lists().insert(db.connectionName(), {*kept, std::move(order)});
        else
            lists().remove(db.connectionName());
    }
    QList<AvailableBerth> free;
    free.reserve(std::max<qsizetype>(0, kept->berths.size() - busy->berths.size()));
    for (const AvailableBerth& berth : std::as_const(kept->berths))
        if (!busy->berths.contains(berth.id))
            free.append(berth);
    return free;
}

} // namespace BerthAvailability
