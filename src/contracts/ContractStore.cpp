#include "contracts/ContractStore.h"

#include "bookings/BookingRules.h"
#include "bookings/HeldBerths.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "rates/RateStore.h"
#include "rates/TermRates.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace ContractStore {
namespace {

QString inTheWayText(const QString& berth, const HeldBerths::InTheWay& found)
{
    const QString from = DateTimes::dateText(found.from.date());
    const QString to = DateTimes::dateText(found.to.date());
    switch (found.kind) {
    case HeldBerths::InTheWay::Kind::Booking:
        return QCoreApplication::translate("ContractStore",
                                           "%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.")
            .arg(berth, from, to)
            .arg(found.id)
            .arg(found.what);
    case HeldBerths::InTheWay::Kind::Block:
        return QCoreApplication::translate("ContractStore",
                                           "%1 is blocked from %2 to %3 (%4): the contract was not saved.")
            .arg(berth, from, to, found.what);
    case HeldBerths::InTheWay::Kind::Contract:
        break;
    }
    return QCoreApplication::translate("ContractStore",
                                       "%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.")
        .arg(berth)
        .arg(found.id)
        .arg(found.what, from, to);
}

Result<bool> cancelledOf(const QSqlDatabase& db, int contractId, Money* paid = nullptr)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Cancelled, Paid FROM Contract WHERE ID = ?"), {contractId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("ContractStore", "Another desk removed this contract meanwhile."));
    if (paid)
        *paid = Money::fromDb(q.value(1));
    return q.value(0).toInt() != 0;
}

Result<Issued> issueIn(const QSqlDatabase& db, int contractId, int number, const QDateTime& when)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT DueDate, Amount, InvoiceNumber FROM ContractInstalment WHERE ContractID = ? "
                                  "AND Number = ?"),
                   {contractId, number}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("ContractStore", "The contract has no instalment %1.").arg(number));
    Issued issued{contractId, number, Sql::readDay(q.value(0)), Money::fromDb(q.value(1)), q.value(2).toLongLong()};
    if (!q.value(2).isNull())
        return issued;
    const auto drawn = Ledger::drawInvoiceNumber(db);
    if (!drawn)
        return drawn.failure();
    issued.invoiceNumber = *drawn;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE ContractInstalment SET InvoiceNumber = ?, IssuedAt = ? WHERE ContractID = ? "
                                  "AND Number = ?"),
                   {QVariant::fromValue<qlonglong>(*drawn), DateTimes::dbDateTime(when), contractId, number}, &error))
        return databaseFailure(error);
    return issued;
}

} // namespace

Status check(const ContractRecord& c)
{
    if (c.customerId <= 0)
        return refused(QCoreApplication::translate("ContractStore", "Please choose the holder."));
    if (c.berthIds.isEmpty())
        return refused(QCoreApplication::translate("ContractStore", "Please choose the berth the contract holds."));
    if (QSet<int>(c.berthIds.cbegin(), c.berthIds.cend()).size() != c.berthIds.size())
        return refused(QCoreApplication::translate("ContractStore", "A berth is chosen twice."));
    if (!c.firstDay.isValid() || !c.lastDay.isValid())
        return refused(QCoreApplication::translate("ContractStore", "Please give the contract's first and last days."));
    if (c.lastDay < c.firstDay)
        return refused(QCoreApplication::translate("ContractStore", "The contract ends before it starts."));
    if (!BookingRules::withinDateRange(HeldBerths::heldFrom(c.firstDay), HeldBerths::heldTo(c.lastDay)))
        return refused(QCoreApplication::translate("ContractStore", "A contract must lie between %1 and %2.")
                           .arg(DateTimes::dateText(BookingRules::earliestDate()),
                                DateTimes::dateText(BookingRules::latestDate())));
    if (c.firstDay.daysTo(c.lastDay) + 1 > MostDays)
        return refused(QCoreApplication::translate(
                           "ContractStore", "A contract runs for at most %1 days: make a new one for what follows.")
                           .arg(MostDays));
    if (c.hire < Money() || c.hire > Pricing::RateCeiling || !c.hire.isWholePence())
        return refused(QCoreApplication::translate("ContractStore", "The price must be from %1 to %2 in whole pence.")
                           .arg(Money().formatGrouped(), Pricing::RateCeiling.formatGrouped()));
    if (c.notes.size() > MaxNotesLength)
        return refused(QCoreApplication::translate("ContractStore", "The notes run to at most %1 characters.")
                           .arg(MaxNotesLength));
    return Done{};
}

Result<Pricing::Charges> charges(const QSqlDatabase& db, Money hire, const QDate& firstDay)
{
    const auto taxes = RateStore::taxes(db);
    if (!taxes)
        return taxes.failure();
    return Pricing::charges(hire, Money(), Pricing::taxInForce(*taxes, firstDay).hundredthsOfPercent);
}

Result<TermPricing::Quote> propose(const QSqlDatabase& db, const QList<int>& berthIds, const QDate& firstDay,
                                   const QDate& lastDay, std::optional<int> boatLengthCm)
{
    const auto table = TermRates::load(db);
    if (!table)
        return table.failure();
    const auto berths = TermRates::berths(db, berthIds);
    if (!berths)
        return berths.failure();
    return TermPricing::price(table->terms, table->rates, *berths, firstDay, lastDay, boatLengthCm);
}

Result<int> addIn(const QSqlDatabase& db, const ContractRecord& contract, const QDateTime& now, int renewedFrom)
{
    if (const Status checked = check(contract); !checked)
        return checked.failure();
    QString error;
    QSqlQuery holder(db);
    if (!Sql::exec(holder, QStringLiteral("SELECT Name FROM Customer WHERE ID = ?"), {contract.customerId}, &error))
        return databaseFailure(error);
    if (!holder.next())
        return conflict(QCoreApplication::translate("ContractStore", "The holder is no longer in the customer list."));
    const QString holderName = holder.value(0).toString();
    const auto held = checkBerths(db, contract, 0);
    if (!held)
        return held.failure();
    const auto charged = charges(db, contract.hire, contract.firstDay);
    if (!charged)
        return charged.failure();
    const QList<ContractPlan::Instalment> plan = ContractPlan::numbered(contract.plan);
    if (const Status planned = ContractPlan::check(plan, charged->total, contract.lastDay); !planned)
        return planned.failure();
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral(
            "INSERT INTO Contract (CustomerID, BoatID, TermID, FirstDay, LastDay, Hire, Tax, Total, Paid, "
            "Cancelled, Created, Desk, Notes, RenewedFrom) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?, ?, ?, ?)"),
        {contract.customerId, contract.boatId ? QVariant(*contract.boatId) : Sql::nullInt(),
         contract.termId ? QVariant::fromValue<qlonglong>(*contract.termId) : Sql::nullInt(),
         Sql::dayValue(contract.firstDay), Sql::dayValue(contract.lastDay), contract.hire.toDb(), charged->tax.toDb(),
         charged->total.toDb(), DateTimes::dbDateTime(now), Ledger::deskName(), contract.notes.trimmed(),
         renewedFrom > 0 ? QVariant(renewedFrom) : Sql::nullInt()},
        &error);
    if (!id)
        return databaseFailure(error);
    const int contractId = int(*id);
    if (const Status placed = placeBerths(db, contractId, contract, holderName); !placed)
        return placed.failure();
    if (const Status written = writePlan(db, contractId, plan); !written)
        return written.failure();
    return contractId;
}

Result<int> add(const QSqlDatabase& db, const ContractRecord& contract, const QDateTime& now)
{
    if (const Status checked = check(contract); !checked)
        return checked.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto id = addIn(db, contract, now);
    if (!id)
        return id;
    QString error;
    if (!tx.commit(&error))
        return commitFailure(db, tx, contract, error);
    return id;
}

Result<QStringList> checkBerths(const QSqlDatabase& db, const ContractRecord& contract, int exceptContract)
{
    const QDateTime from = HeldBerths::heldFrom(contract.firstDay);
    const QDateTime to = HeldBerths::heldTo(contract.lastDay);
    QStringList names;
    QString error;
    for (const int berthId : contract.berthIds) {
        QSqlQuery q(db);
        if (!Sql::exec(q, QStringLiteral("SELECT Name, Active FROM Berth WHERE ID = ?"), {berthId}, &error))
            return databaseFailure(error);
        if (!q.next())
            return conflict(
                QCoreApplication::translate("ContractStore", "A berth of the contract is no longer in the register."));
        const QString name = q.value(0).toString();
        if (q.value(1).toInt() == 0)
            return refused(QCoreApplication::translate("ContractStore",
                                                       "%1 is not in use: make it active in the berth register first.")
                               .arg(name));
        const auto found = HeldBerths::inTheWay(db, berthId, from, to, exceptContract);
        if (!found)
            return found.failure();
        if (*found)
            return refused(inTheWayText(name, **found));
        names << name;
    }
    return names;
}

Status placeBerths(const QSqlDatabase& db, int contractId, const ContractRecord& contract, const QString& holder)
{
    const QDateTime from = HeldBerths::heldFrom(contract.firstDay);
    const QDateTime to = HeldBerths::heldTo(contract.lastDay);
    QString error;
    for (const int berthId : contract.berthIds) {
        const auto block = HeldBerths::hold(db, contractId, berthId, from, to, holder);
        if (!block)
            return block.failure();
        if (!Sql::exec(db, QStringLiteral("INSERT INTO ContractBerth (ContractID, BerthID, BlockID) VALUES (?, ?, ?)"),
                       {contractId, berthId, *block}, &error))
            return databaseFailure(error);
    }
    return Done{};
}

Status writePlan(const QSqlDatabase& db, int contractId, const QList<ContractPlan::Instalment>& plan)
{
    QString error;
    for (const ContractPlan::Instalment& i : plan)
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO ContractInstalment (ContractID, Number, DueDate, Amount) "
                                      "VALUES (?, ?, ?, ?)"),
                       {contractId, i.number, Sql::dayValue(i.due), i.amount.toDb()}, &error))
            return databaseFailure(error);
    return Done{};
}

Failure commitFailure(const QSqlDatabase& db, const Sql::Transaction& tx, const ContractRecord& contract,
                      const QString& error)
{
    if (Dialect::of(db).isOverlapRefusal(tx.commitError())) {
        QStringList names = contract.berths;
        if (names.isEmpty())
            for (const int id : contract.berthIds)
                names << QString::number(id);
        return conflict(
            QCoreApplication::translate("ContractStore",
                                        "%1 was booked over the contract's days meanwhile: the contract was not saved.")
                .arg(names.join(QStringLiteral(", "))));
    }
    return databaseFailure(error);
}

Result<ContractRecord> load(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.CustomerID, C.Name, K.BoatID, BO.Name, K.TermID, T.Name, K.FirstDay, "
                                  "K.LastDay, K.Hire, K.Tax, K.Total, K.Paid, K.Cancelled, K.Created, K.Desk, K.Notes, "
                                  "K.RenewedFrom "
                                  "FROM Contract K LEFT JOIN Customer C ON C.ID = K.CustomerID "
                                  "LEFT JOIN Boat BO ON BO.ID = K.BoatID LEFT JOIN ContractTerm T ON T.ID = K.TermID "
                                  "WHERE K.ID = ?"),
                   {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("ContractStore", "Another desk removed this contract meanwhile."));
    ContractRecord c;
    c.id = id;
    c.customerId = q.value(0).toInt();
    c.customer = q.value(1).toString();
    if (!q.value(2).isNull())
        c.boatId = q.value(2).toInt();
    c.boat = q.value(3).toString();
    if (!q.value(4).isNull())
        c.termId = q.value(4).toLongLong();
    c.term = q.value(5).toString();
    c.firstDay = Sql::readDay(q.value(6));
    c.lastDay = Sql::readDay(q.value(7));
    c.hire = Money::fromDb(q.value(8));
    c.tax = Money::fromDb(q.value(9));
    c.total = Money::fromDb(q.value(10));
    c.paid = Money::fromDb(q.value(11));
    c.cancelled = q.value(12).toInt() != 0;
    c.created = DateTimes::readDateTime(q.value(13));
    c.desk = q.value(14).toString();
    c.notes = q.value(15).toString();
    c.renewedFrom = q.value(16).toInt();
    if (!Sql::exec(q,
                   QStringLiteral("SELECT CB.BerthID, B.Name FROM ContractBerth CB LEFT JOIN Berth B "
                                  "ON B.ID = CB.BerthID WHERE CB.ContractID = ? ORDER BY B.Name, CB.BerthID"),
                   {id}, &error))
        return databaseFailure(error);
    while (q.next()) {
        c.berthIds << q.value(0).toInt();
        c.berths << q.value(1).toString();
    }
    if (!Sql::exec(q,
                   QStringLiteral("SELECT Number, DueDate, Amount, InvoiceNumber, IssuedAt FROM ContractInstalment "
                                  "WHERE ContractID = ? ORDER BY Number"),
                   {id}, &error))
        return databaseFailure(error);
    while (q.next())
        c.plan << ContractPlan::Instalment{q.value(0).toInt(), Sql::readDay(q.value(1)), Money::fromDb(q.value(2)),
                                           q.value(3).isNull() ? std::nullopt
                                                               : std::optional<qint64>(q.value(3).toLongLong()),
                                           DateTimes::readDateTime(q.value(4))};
    return c;
}

Status cancel(const QSqlDatabase& db, int id)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto cancelled = cancelledOf(db, id);
    if (!cancelled)
        return cancelled.failure();
    if (*cancelled)
        return refused(QCoreApplication::translate("ContractStore", "The contract has already been cancelled."));
    QString error;
    if (!Sql::exec(db, QStringLiteral("UPDATE Contract SET Cancelled = 1 WHERE ID = ?"), {id}, &error))
        return databaseFailure(error);
    if (const Status freed = HeldBerths::release(db, id); !freed)
        return freed;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Row>> list(const QSqlDatabase& db, bool withCancelled)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // A contract's first berth by name gives its place in the list; its berths are joined here.
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.ID, BT.Type, C.Name, B.Name, T.Name, K.FirstDay, K.LastDay, K.Total, "
                                  "K.Paid, K.Cancelled FROM Contract K LEFT JOIN Customer C ON C.ID = K.CustomerID "
                                  "LEFT JOIN ContractTerm T ON T.ID = K.TermID "
                                  "LEFT JOIN ContractBerth CB ON CB.ContractID = K.ID "
                                  "LEFT JOIN Berth B ON B.ID = CB.BerthID LEFT JOIN BerthType BT ON BT.ID = B.TypeID "
                                  "WHERE K.Cancelled = 0 OR ? = 1 ORDER BY K.ID, B.Name"),
                   {withCancelled ? 1 : 0}, &error))
        return databaseFailure(error);
    QList<Row> rows;
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (!rows.isEmpty() && rows.last().id == id) {
            rows.last().berths += QStringLiteral(", ") + q.value(3).toString();
            continue;
        }
        rows << Row{id,
                    q.value(1).toString(),
                    q.value(2).toString(),
                    q.value(3).toString(),
                    q.value(4).toString(),
                    Sql::readDay(q.value(5)),
                    Sql::readDay(q.value(6)),
                    Money::fromDb(q.value(7)),
                    Money::fromDb(q.value(8)),
                    q.value(9).toInt() != 0};
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        const int byType = QString::compare(a.berthType, b.berthType, Qt::CaseInsensitive);
        if (byType != 0)
            return byType < 0;
        const int byBerth = QString::compare(a.berths, b.berths, Qt::CaseInsensitive);
        return byBerth != 0 ? byBerth < 0 : a.firstDay < b.firstDay;
    });
    return rows;
}

Result<Issued> issue(const QSqlDatabase& db, int contractId, int number, const QDateTime& when)
{
    // Immediate: the invoice sequence is taken by one desk at a time on both engines.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto cancelled = cancelledOf(db, contractId);
    if (!cancelled)
        return cancelled.failure();
    if (*cancelled)
        return refused(QCoreApplication::translate(
            "ContractStore", "The contract has been cancelled: its instalments are not invoiced."));
    const auto issued = issueIn(db, contractId, number, when);
    if (!issued)
        return issued;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return issued;
}

Result<QList<Issued>> issueDue(const QSqlDatabase& db, const QDate& today, const QDateTime& when)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT I.ContractID, I.Number FROM ContractInstalment I JOIN Contract K "
                                  "ON K.ID = I.ContractID WHERE K.Cancelled = 0 AND I.InvoiceNumber IS NULL AND "
                                  "I.DueDate <= ? ORDER BY I.DueDate, I.ContractID, I.Number"),
                   {Sql::dayValue(today)}, &error))
        return databaseFailure(error);
    QList<std::pair<int, int>> due;
    while (q.next())
        due.append({q.value(0).toInt(), q.value(1).toInt()});
    QList<Issued> issued;
    for (const auto& [contractId, number] : due) {
        const auto one = issueIn(db, contractId, number, when);
        if (!one)
            return one.failure();
        issued << *one;
    }
    if (!tx.commit(&error))
        return databaseFailure(error);
    return issued;
}

Result<Money> pay(const QSqlDatabase& db, int contractId, const Ledger::Entry& entry, const QDateTime& when)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    Money paid;
    const auto cancelled = cancelledOf(db, contractId, &paid);
    if (!cancelled)
        return cancelled.failure();
    if (*cancelled && entry.kind != Ledger::Kind::Refund && entry.kind != Ledger::Kind::Correction)
        return refused(QCoreApplication::translate(
            "ContractStore", "The contract has been cancelled: only a refund or a correction can be recorded."));
    const auto after = Ledger::addContractLine(db, contractId, paid, entry, when, Ledger::deskName());
    if (!after)
        return after;
    QString error;
    if (!Sql::exec(db, QStringLiteral("UPDATE Contract SET Paid = ? WHERE ID = ?"), {after->toDb(), contractId},
                   &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return after;
}

Removal::Dependents guardingHolders(Removal::Dependents bookings)
{
    Removal::Dependents guarded = bookings;
    guarded.remove = [inner = bookings.remove](const QSqlDatabase& db, int id) -> Status {
        QString error;
        const auto held =
            Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Contract WHERE CustomerID = ?"), {id}, &error);
        if (!held)
            return databaseFailure(error);
        if (held->toInt() > 0)
            return refused(QCoreApplication::translate(
                "ContractStore", "This customer holds a contract, kept for the accounts even once cancelled, so the "
                                 "customer cannot be deleted."));
        return inner(db, id);
    };
    return guarded;
}

Status berthsUnheld(const QSqlDatabase& db, int id, BerthsOf of)
{
    QString error;
    const auto held = Sql::scalar(
        db,
        of == BerthsOf::Berth
            ? QStringLiteral("SELECT COUNT(*) FROM ContractBerth WHERE BerthID = ?")
            : QStringLiteral(
                  "SELECT COUNT(*) FROM ContractBerth WHERE BerthID IN (SELECT ID FROM Berth WHERE OwnerID = ?)"),
        {id}, &error);
    if (!held)
        return databaseFailure(error);
    if (held->toInt() == 0)
        return Done{};
    return refused(
        of == BerthsOf::Berth
            ? QCoreApplication::translate(
                  "ContractStore", "This berth is let under a contract, kept for the accounts even once cancelled or "
                                   "ended, so the berth cannot be deleted. Make it inactive instead.")
            : QCoreApplication::translate(
                  "ContractStore", "A berth of this owner is let under a contract, kept for the accounts even once "
                                   "cancelled or ended, so the owner cannot be deleted."));
}

Removal::Dependents guardingBerths(Removal::Dependents inner, BerthsOf of)
{
    Removal::Dependents guarded = inner;
    // Refused already when the question counts, and again inside the delete's transaction.
    guarded.count = [count = inner.count, of](const QSqlDatabase& db, int id) -> Result<int> {
        if (const Status unheld = berthsUnheld(db, id, of); !unheld)
            return unheld.failure();
        return count(db, id);
    };
    guarded.remove = [remove = inner.remove, of](const QSqlDatabase& db, int id) -> Status {
        if (const Status unheld = berthsUnheld(db, id, of); !unheld)
            return unheld;
        return remove(db, id);
    };
    return guarded;
}

QString describe(const ContractRecord& c)
{
    return QCoreApplication::translate("ContractStore", "Contract %1: %2, %3 from %4 to %5, %6")
        .arg(c.id)
        .arg(c.customer, c.berths.join(QStringLiteral(", ")), DateTimes::dateText(c.firstDay),
             DateTimes::dateText(c.lastDay), c.total.formatGrouped());
}

} // namespace ContractStore
