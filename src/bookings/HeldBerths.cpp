#include "bookings/HeldBerths.h"

#include "bookings/BerthBlocks.h"
#include "core/BulkInsert.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace HeldBerths {

QDateTime heldFrom(const QDate& firstDay)
{
    return DateTimes::wallTime(firstDay, QTime(12, 0));
}

QDateTime heldTo(const QDate& lastDay)
{
    return DateTimes::wallTime(lastDay.addDays(1), QTime(12, 0));
}

QList<Span> heldSpans(const QDate& firstDay, const QDate& lastDay, QList<Away> away)
{
    std::sort(away.begin(), away.end(), [](const Away& a, const Away& b) { return a.firstDay < b.firstDay; });
    QList<Span> spans;
    QDateTime from = heldFrom(firstDay);
    const QDateTime to = heldTo(lastDay);
    for (const Away& a : away) {
        const QDateTime gone = std::max(heldFrom(a.firstDay), from);
        const QDateTime back = std::min(heldFrom(a.returnDay), to);
        if (gone >= back)
            continue;
        if (from < gone)
            spans.append({from, gone});
        from = back;
    }
    if (from < to)
        spans.append({from, to});
    return spans;
}

Result<std::optional<InTheWay>> inTheWay(const QSqlDatabase& db, int berthId, const QDateTime& from,
                                         const QDateTime& to, int exceptContract)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // A berth has few blocks, so they are compared here.
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, FromDate, ToDate, Reason, ContractID FROM BerthBlock WHERE BerthID = ? "
                                  "ORDER BY FromDate, ID"),
                   {berthId}, &error))
        return databaseFailure(error);
    while (q.next()) {
        const int contract = q.value(4).toInt();
        const QDateTime blockFrom = DateTimes::readDateTime(q.value(1));
        const QDateTime blockTo = DateTimes::readDateTime(q.value(2));
        if ((contract != 0 && contract == exceptContract) || !(blockFrom < to && blockTo > from))
            continue;
        return std::optional<InTheWay>(InTheWay{contract ? InTheWay::Kind::Contract : InTheWay::Kind::Block,
                                                contract ? contract : q.value(0).toInt(), q.value(3).toString(),
                                                blockFrom, blockTo});
    }
    BerthBlocks::Block period;
    period.berthId = berthId;
    period.from = from;
    period.to = to;
    const auto bookings = BerthBlocks::bookingsInTheWay(db, period);
    if (!bookings)
        return bookings.failure();
    if (bookings->isEmpty())
        return std::optional<InTheWay>();
    const BerthBlocks::BookingInTheWay& b = bookings->first();
    return std::optional<InTheWay>(InTheWay{InTheWay::Kind::Booking, b.bookingId, b.customer, b.from, b.to});
}

Result<QList<HeldStretch>> heldOn(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT K.BerthID, coalesce(BE.TypeID, 0), K.FromDate, K.ToDate FROM BerthBlock K "
                           "JOIN Berth BE ON BE.ID = K.BerthID WHERE K.ContractID IS NOT NULL AND BE.Active <> 0 "
                           "AND K.FromDate < ? AND K.ToDate > ?"),
            {DateTimes::dbDateTime(to), DateTimes::dbDateTime(from)}, &error))
        return databaseFailure(error);
    QList<HeldStretch> held;
    while (q.next())
        held.append({q.value(0).toInt(), q.value(1).toInt(), DateTimes::readDateTime(q.value(2)),
                     DateTimes::readDateTime(q.value(3))});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return held;
}

Result<QList<AwayBerth>> awayOver(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // Absences are few; the days are compared loosely here and to the minute below.
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT CB.BerthID, A.ContractID, C.Name, A.FirstDay, A.ReturnDay FROM ContractAway A "
                           "JOIN Contract K ON K.ID = A.ContractID JOIN ContractBerth CB ON CB.ContractID = "
                           "K.ID LEFT JOIN Customer C ON C.ID = K.CustomerID WHERE K.Cancelled = 0 AND "
                           "A.FirstDay <= ? AND A.ReturnDay >= ? ORDER BY CB.BerthID, A.FirstDay"),
            {Sql::dayValue(to.date()), Sql::dayValue(from.date())}, &error))
        return databaseFailure(error);
    QList<AwayBerth> away;
    while (q.next()) {
        const AwayBerth a{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), Sql::readDay(q.value(3)),
                          Sql::readDay(q.value(4))};
        if (a.from() < to && a.to() > from)
            away.append(a);
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return away;
}

Result<int> hold(const QSqlDatabase& db, int contractId, int berthId, const QDateTime& from, const QDateTime& to,
                 const QString& reason)
{
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason, ContractID) VALUES (?, ?, ?, ?, ?)"),
        {berthId, DateTimes::dbDateTime(from), DateTimes::dbDateTime(to), reason.left(BerthBlocks::MaxReasonLength),
         contractId},
        &error);
    if (!id)
        return databaseFailure(error);
    return int(*id);
}

BulkHolds::BulkHolds(const QSqlDatabase& db, BulkInsert* parent)
    : m_rows(std::make_unique<BulkInsert>(db, QStringLiteral("BerthBlock"),
                                          QStringList{QStringLiteral("ID"), QStringLiteral("BerthID"),
                                                      QStringLiteral("FromDate"), QStringLiteral("ToDate"),
                                                      QStringLiteral("Reason"), QStringLiteral("ContractID")},
                                          parent))
{
}

BulkHolds::~BulkHolds() = default;

Result<int> BulkHolds::hold(int contractId, int berthId, const QDateTime& from, const QDateTime& to,
                            const QString& reason)
{
    const auto id = m_rows->reserveId();
    if (!id)
        return id.failure();
    if (const Status added = m_rows->add({*id, berthId, DateTimes::dbDateTime(from), DateTimes::dbDateTime(to),
                                          reason.left(BerthBlocks::MaxReasonLength), contractId});
        !added)
        return added.failure();
    return int(*id);
}

Status BulkHolds::flush()
{
    return m_rows->flush();
}

Status release(const QSqlDatabase& db, int contractId)
{
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE ContractID = ?"), {contractId}, &error))
        return databaseFailure(error);
    return Done{};
}

} // namespace HeldBerths
