#include "bookings/BerthAvailability.h"

#include "bookings/PeriodIndex.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"

#include <QSqlQuery>
#include <algorithm>

namespace BerthAvailability {
namespace {
// The index answers alone: each entry carries its berth and its period, so no booking row is read. A block holds
// its berth too, except for a booking it was confirmed over. Binds the booking left out twice. A berth comes
// once per stay that holds it: both readers want a set, and removing the repeats here would cost a sort.
QString busySql(const PeriodIndex::Condition& overlap)
{
    return QStringLiteral("SELECT %1 AS BerthID FROM BookingPeriod P WHERE %2 AND %3 <> ? AND NOT (P.ID < 0 AND "
                          "-%3 IN (SELECT BlockID FROM BlockedBooking WHERE BookingID = ?))")
        .arg(PeriodIndex::berthIdSql(), overlap.sql, PeriodIndex::bookingIdSql());
}

PeriodIndex::Condition overlapCondition(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to)
{
    return PeriodIndex::touching(db, from, false, to, false);
}
} // namespace

Result<QSet<int>> busyBerths(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to, int excludeBookingId)
{
    // One row, the berths joined in a text: at thousands of berths a row costs far more than its bytes.
    const auto overlap = overlapCondition(db, from, to);
    const QString sql =
        QStringLiteral("SELECT %1 FROM (%2) H")
            .arg(Dialect::of(db).joinTexts(QStringLiteral("H.BerthID"), QStringLiteral(","), {}), busySql(overlap));
    QString error;
    const auto joined = Sql::scalar(db, sql, overlap.binds + QVariantList{excludeBookingId, excludeBookingId}, &error);
    if (!joined)
        return databaseFailure(error);
    const QString text = joined->toString();
    QSet<int> busy;
    busy.reserve(text.size() / 4);
    for (const QStringView id : QStringView(text).tokenize(u',', Qt::SkipEmptyParts))
        busy.insert(id.toInt());
    return busy;
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
                   QStringLiteral("SELECT %1, P.FromMinute, P.ToMinute FROM BookingPeriod P WHERE %2 AND %1 IN (%3)")
                       .arg(PeriodIndex::berthIdSql(), overlap.sql, marks.join(u',')),
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
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto overlap = overlapCondition(db, from, to);
    const QString sql = QStringLiteral("SELECT ID, Name, Length, Width, HasPower, DailyHireCharge, MaxDraft, "
                                       "TakesMultihulls FROM Berth "
                                       "WHERE Active <> 0 AND ID NOT IN (") +
                        busySql(overlap) + u')';
    QString error;
    if (!Sql::exec(q, sql, overlap.binds + QVariantList{excludeBookingId, excludeBookingId}, &error))
        return databaseFailure(error);
    QList<AvailableBerth> berths;
    while (q.next()) {
        AvailableBerth berth;
        berth.id = q.value(0).toInt();
        berth.name = q.value(1).toString();
        if (!q.value(2).isNull())
            berth.length = q.value(2).toDouble();
        if (!q.value(3).isNull())
            berth.width = q.value(3).toDouble();
        berth.hasPower = q.value(4).toInt() != 0;
        if (!q.value(5).isNull())
            berth.dailyHireCharge = Money::fromDb(q.value(5));
        if (!q.value(6).isNull())
            berth.maxDraft = q.value(6).toDouble();
        berth.takesMultihulls = q.value(7).toInt() != 0;
        berths.append(berth);
    }
    Texts::sortNaturally(berths, [](const AvailableBerth& berth) { return berth.name; });
    return berths;
}

} // namespace BerthAvailability
