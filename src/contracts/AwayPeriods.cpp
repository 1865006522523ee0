#include "contracts/AwayPeriods.h"

#include "bookings/BerthBlocks.h"
#include "bookings/HeldBerths.h"
#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <algorithm>

namespace AwayPeriods {
namespace {

struct Held
{
    QDate firstDay;
    QDate lastDay;
    bool cancelled = false;
    QString holder;
    QList<int> berths;
};

Result<Held> heldBy(const QSqlDatabase& db, int contractId)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.FirstDay, K.LastDay, K.Cancelled, C.Name FROM Contract K LEFT JOIN "
                                  "Customer C ON C.ID = K.CustomerID WHERE K.ID = ?"),
                   {contractId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("AwayPeriods", "Another desk removed this contract meanwhile."));
    Held held{Sql::readDay(q.value(0)), Sql::readDay(q.value(1)), q.value(2).toInt() != 0, q.value(3).toString(), {}};
    if (!Sql::exec(q, QStringLiteral("SELECT BerthID FROM ContractBerth WHERE ContractID = ? ORDER BY BerthID"),
                   {contractId}, &error))
        return databaseFailure(error);
    while (q.next())
        held.berths << q.value(0).toInt();
    return held;
}

// The first visitor booked on the contract's berths over [from, to), as a refusal; nothing when there is none.
Status noVisitor(const QSqlDatabase& db, const QList<int>& berths, const QDateTime& from, const QDateTime& to,
                 const QString& refusal)
{
    for (const int berthId : berths) {
        BerthBlocks::Block period;
        period.berthId = berthId;
        period.from = from;
        period.to = to;
        const auto found = BerthBlocks::bookingsInTheWay(db, period);
        if (!found)
            return found.failure();
        if (!found->isEmpty()) {
            const BerthBlocks::BookingInTheWay& b = found->first();
            return refused(refusal.arg(b.bookingId)
                               .arg(b.customer, DateTimes::dateText(b.from.date()), DateTimes::dateText(b.to.date())));
        }
    }
    return Done{};
}

Status checkDays(const Away& away, const Held& held)
{
    if (!away.firstDay.isValid() || !away.returnDay.isValid())
        return refused(QCoreApplication::translate("AwayPeriods", "Enter the first day away and the day back."));
    if (away.returnDay <= away.firstDay)
        return refused(QCoreApplication::translate("AwayPeriods", "The day back must come after the first day away."));
    if (away.firstDay < held.firstDay || away.returnDay > held.lastDay.addDays(1))
        return refused(
            QCoreApplication::translate("AwayPeriods", "The absence must lie within the contract's term, %1 to %2.")
                .arg(DateTimes::dateText(held.firstDay), DateTimes::dateText(held.lastDay)));
    if (away.note.trimmed().size() > MaxNoteLength)
        return refused(
            QCoreApplication::translate("AwayPeriods", "The note is longer than %1 characters.").arg(MaxNoteLength));
    return Done{};
}

} // namespace

Result<QList<Away>> list(const QSqlDatabase& db, int contractId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT ID, FirstDay, ReturnDay, Note FROM ContractAway WHERE ContractID = ? ORDER BY "
                           "FirstDay, ID"),
            {contractId}, &error))
        return databaseFailure(error);
    QList<Away> found;
    while (q.next())
        found.append({q.value(0).toInt(), contractId, Sql::readDay(q.value(1)), Sql::readDay(q.value(2)),
                      q.value(3).toString()});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return found;
}

Status rehold(const QSqlDatabase& db, int contractId)
{
    const auto held = heldBy(db, contractId);
    if (!held)
        return held.failure();
    if (held->cancelled)
        return Done{};
    const auto away = list(db, contractId);
    if (!away)
        return away.failure();
    QList<HeldBerths::Away> gaps;
    for (const Away& a : *away)
        gaps.append({a.firstDay, a.returnDay});
    const QList<HeldBerths::Span> spans = HeldBerths::heldSpans(held->firstDay, held->lastDay, gaps);
    if (const Status freed = HeldBerths::release(db, contractId); !freed)
        return freed;
    QString error;
    for (const int berthId : held->berths) {
        QVariant first = Sql::nullInt();
        for (const HeldBerths::Span& span : spans) {
            const auto block = HeldBerths::hold(db, contractId, berthId, span.from, span.to, held->holder);
            if (!block)
                return block.failure();
            if (first.isNull())
                first = *block;
        }
        if (!Sql::exec(db, QStringLiteral("UPDATE ContractBerth SET BlockID = ? WHERE ContractID = ? AND BerthID = ?"),
                       {first, contractId, berthId}, &error))
            return databaseFailure(error);
    }
    return Done{};
}

Result<int> save(const QSqlDatabase& db, const Away& away, const QDateTime& now)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto held = heldBy(db, away.contractId);
    if (!held)
        return held.failure();
    if (held->cancelled)
        return refused(QCoreApplication::translate("AwayPeriods",
                                                   "The contract has been cancelled: its berths are no longer held."));
    if (const Status days = checkDays(away, *held); !days)
        return days.failure();
    const auto others = list(db, away.contractId);
    if (!others)
        return others.failure();
    std::optional<Away> before;
    for (const Away& other : *others) {
        if (other.id == away.id) {
            before = other;
            continue;
        }
        if (other.firstDay < away.returnDay && other.returnDay > away.firstDay)
            return refused(QCoreApplication::translate(
                               "AwayPeriods", "The holder is already away from %1 to %2: change that absence instead.")
                               .arg(DateTimes::dateText(other.firstDay), DateTimes::dateText(other.returnDay)));
    }
    if (away.id != 0 && !before)
        return conflict(QCoreApplication::translate("AwayPeriods", "Another desk removed this absence meanwhile."));
    // Nights that go back under the hold must have no visitor on them.
    if (before) {
        const QString refusal = QCoreApplication::translate(
            "AwayPeriods",
            "Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening "
            "the absence.");
        const QList<HeldBerths::Span> regained = HeldBerths::heldSpans(
            before->firstDay, before->returnDay.addDays(-1), {HeldBerths::Away{away.firstDay, away.returnDay}});
        for (const HeldBerths::Span& span : regained)
            if (const Status free = noVisitor(db, held->berths, span.from, span.to, refusal); !free)
                return free.failure();
    }
    QString error;
    int id = away.id;
    if (id == 0) {
        const auto added = Sql::insertReturningId(
            db,
            QStringLiteral("INSERT INTO ContractAway (ContractID, FirstDay, ReturnDay, Note, Created, Desk) VALUES (?, "
                           "?, ?, ?, ?, ?)"),
            {away.contractId, Sql::dayValue(away.firstDay), Sql::dayValue(away.returnDay), away.note.trimmed(),
             DateTimes::dbDateTime(now), Ledger::deskName()},
            &error);
        if (!added)
            return databaseFailure(error);
        id = int(*added);
    } else if (!Sql::exec(
                   db, QStringLiteral("UPDATE ContractAway SET FirstDay = ?, ReturnDay = ?, Note = ? WHERE ID = ?"),
                   {Sql::dayValue(away.firstDay), Sql::dayValue(away.returnDay), away.note.trimmed(), id}, &error))
        return databaseFailure(error);
    if (const Status cut = rehold(db, away.contractId); !cut)
        return cut.failure();
    if (!tx.commit(&error)) {
        if (Dialect::of(db).isOverlapRefusal(tx.commitError()))
            return conflict(QCoreApplication::translate(
                "AwayPeriods", "A visitor was booked on the berth meanwhile: the absence was not changed."));
        return databaseFailure(error);
    }
    return id;
}

Status remove(const QSqlDatabase& db, int awayId)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ContractID, FirstDay, ReturnDay FROM ContractAway WHERE ID = ?"), {awayId},
                   &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("AwayPeriods", "Another desk removed this absence meanwhile."));
    const int contractId = q.value(0).toInt();
    const auto held = heldBy(db, contractId);
    if (!held)
        return held.failure();
    if (const Status free = noVisitor(
            db, held->berths, HeldBerths::heldFrom(Sql::readDay(q.value(1))),
            HeldBerths::heldFrom(Sql::readDay(q.value(2))),
            QCoreApplication::translate(
                "AwayPeriods", "Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence "
                               "cannot be removed."));
        !free)
        return free;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM ContractAway WHERE ID = ?"), {awayId}, &error))
        return databaseFailure(error);
    if (const Status cut = rehold(db, contractId); !cut)
        return cut;
    if (!tx.commit(&error)) {
        if (Dialect::of(db).isOverlapRefusal(tx.commitError()))
            return conflict(QCoreApplication::translate(
                "AwayPeriods", "A visitor was booked on the berth meanwhile: the absence was kept."));
        return databaseFailure(error);
    }
    return Done{};
}

} // namespace AwayPeriods
