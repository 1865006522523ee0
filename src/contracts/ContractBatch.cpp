#include "contracts/ContractBatch.h"

#include "bookings/BerthAvailability.h"
#include "bookings/HeldBerths.h"
#include "bookings/KeyChunks.h"
#include "core/BulkInsert.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "rates/RateStore.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <vector>

namespace ContractBatch {
namespace {

// The messages addIn gives, in its words.
struct Named
{
    QString name;
    bool active = true;
};

// Each key's row (its name, and whether it is in use where the table says so), read a few hundred keys at a time.
Result<QHash<int, Named>> names(const QSqlDatabase& db, const QString& select, std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QHash<int, Named> found;
    QString error;
    for (const KeyChunk& chunk : keyChunks(ids)) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q, select.arg(chunk.marks), chunk.binds, &error))
            return databaseFailure(error);
        while (q.next())
            found.insert(q.value(0).toInt(), Named{q.value(1).toString(), q.value(2).toInt() != 0});
        if (q.lastError().isValid())
            return databaseFailure(q.lastError().text());
    }
    return found;
}

} // namespace

Result<QList<int>> addAllIn(const QSqlDatabase& db, const QList<NewContract>& contracts, const QDateTime& now,
                            const Naming& named, const QByteArray& letters)
{
    std::vector<int> customerIds;
    std::vector<int> berthIds;
    for (qsizetype i = 0; i < contracts.size(); ++i) {
        const ContractRecord& c = contracts[i].record;
        if (const Status checked = ContractStore::check(c); !checked)
            return named(i, checked.failure());
        customerIds.push_back(c.customerId);
        berthIds.insert(berthIds.end(), c.berthIds.cbegin(), c.berthIds.cend());
    }
    if (contracts.isEmpty())
        return QList<int>{};
    const auto holders = names(db, QStringLiteral("SELECT ID, Name, 1 FROM Customer WHERE ID IN (%1)"), customerIds);
    if (!holders)
        return holders.failure();
    const auto berths = names(db, QStringLiteral("SELECT ID, Name, Active FROM Berth WHERE ID IN (%1)"), berthIds);
    if (!berths)
        return berths.failure();
    const auto taxes = RateStore::taxes(db);
    if (!taxes)
        return taxes.failure();

    // What holds the berths over the run's days, read once; a stretch in the way is named as addIn names it.
    QDateTime first;
    QDateTime last;
    for (const NewContract& n : contracts) {
        const QDateTime from = HeldBerths::heldFrom(n.record.firstDay);
        const QDateTime to = HeldBerths::heldTo(n.record.lastDay);
        first = first.isValid() ? std::min(first, from) : from;
        last = last.isValid() ? std::max(last, to) : to;
    }
    const auto held = BerthAvailability::heldStretches(db, QList<int>(berthIds.cbegin(), berthIds.cend()), first, last);
    if (!held)
        return held.failure();
    QHash<int, QList<BerthAvailability::HeldStretch>> heldOn;
    for (const BerthAvailability::HeldStretch& s : *held)
        heldOn[s.berthId].append(s);
    // The run's own holds, so that two contracts of it on one berth over the same days are refused.
    QHash<int, QList<std::pair<QDateTime, QDateTime>>> taking;

    struct Checked
    {
        QString holder;
        Pricing::Charges charged;
        QList<ContractPlan::Instalment> plan;
    };
    QList<Checked> checked;
    checked.reserve(contracts.size());
    for (qsizetype i = 0; i < contracts.size(); ++i) {
        const ContractRecord& c = contracts[i].record;
        if (!holders->contains(c.customerId))
            return named(i, conflict(QCoreApplication::translate("ContractStore",
                                                                 "The holder is no longer in the customer list.")));
        const QDateTime from = HeldBerths::heldFrom(c.firstDay);
        const QDateTime to = HeldBerths::heldTo(c.lastDay);
        for (const int berthId : c.berthIds) {
            const auto berth = berths->constFind(berthId);
            if (berth == berths->cend())
                return named(i, conflict(QCoreApplication::translate(
                                    "ContractStore", "A berth of the contract is no longer in the register.")));
            if (!berth->active)
                return named(
                    i, refused(QCoreApplication::translate(
                                   "ContractStore", "%1 is not in use: make it active in the berth register first.")
                                   .arg(berth->name)));
            if (!BerthAvailability::freeOver(heldOn.value(berthId), berthId, from, to)) {
                // Named exactly by the one-by-one check, which reads what is in the way.
                const auto inTheWay = ContractStore::checkBerths(db, c, 0);
                return named(i, inTheWay ? refused(QCoreApplication::translate(
                                                       "ContractBatch",
                                                       "%1 is held over the contract's days: the contract was not "
                                                       "saved.")
                                                       .arg(berth->name))
                                         : inTheWay.failure());
            }
            for (const auto& [takenFrom, takenTo] : taking.value(berthId))
                if (takenFrom < to && takenTo > from)
                    return named(i, refused(QCoreApplication::translate(
                                                "ContractBatch",
                                                "%1 would be held twice from %2 to %3 by contracts of this run: "
                                                "nothing was saved.")
                                                .arg(berth->name, DateTimes::dateText(std::max(from, takenFrom).date()),
                                                     DateTimes::dateText(std::min(to, takenTo).date()))));
            taking[berthId].append({from, to});
        }
        const Pricing::Charges charged =
            Pricing::charges(c.hire, Money(), Pricing::taxInForce(*taxes, c.firstDay).hundredthsOfPercent);
        const QList<ContractPlan::Instalment> plan = ContractPlan::numbered(c.plan);
        if (const Status planned = ContractPlan::check(plan, charged.total, c.lastDay); !planned)
            return named(i, planned.failure());
        checked << Checked{holders->value(c.customerId).name, charged, plan};
    }

    BulkInsert rows(db, QStringLiteral("Contract"),
                    {QStringLiteral("ID"), QStringLiteral("CustomerID"), QStringLiteral("BoatID"),
                     QStringLiteral("TermID"), QStringLiteral("FirstDay"), QStringLiteral("LastDay"),
                     QStringLiteral("Hire"), QStringLiteral("Tax"), QStringLiteral("Total"), QStringLiteral("Paid"),
                     QStringLiteral("Cancelled"), QStringLiteral("Created"), QStringLiteral("Desk"),
                     QStringLiteral("Notes"), QStringLiteral("RenewedFrom")});
    HeldBerths::BulkHolds holds(db, &rows);
    BulkInsert placed(db, QStringLiteral("ContractBerth"),
                      {QStringLiteral("ContractID"), QStringLiteral("BerthID"), QStringLiteral("BlockID")}, &rows);
    BulkInsert instalments(
        db, QStringLiteral("ContractInstalment"),
        {QStringLiteral("ContractID"), QStringLiteral("Number"), QStringLiteral("DueDate"), QStringLiteral("Amount")},
        &rows);
    BulkInsert kept(db, QStringLiteral("ContractLetter"),
                    {QStringLiteral("ContractID"), QStringLiteral("Kind"), QStringLiteral("Created"),
                     QStringLiteral("Desk"), QStringLiteral("Pdf"), QStringLiteral("RunID"),
                     QStringLiteral("FirstPage"), QStringLiteral("PageCount"), QStringLiteral("Title")},
                    &rows);
    const QString desk = Ledger::deskName();
    const QVariant created = DateTimes::dbDateTime(now);
    // The run's letters go to the database once; each contract's row names its pages and holds no bytes itself.
    QVariant runId = Sql::nullInt();
    if (std::any_of(contracts.cbegin(), contracts.cend(), [](const NewContract& n) { return n.letter.has_value(); })) {
        if (letters.isEmpty())
            return fileFailure(QCoreApplication::translate("ContractBatch", "The renewal letters were not laid out."));
        QString error;
        const auto run = Sql::insertReturningId(
            db, QStringLiteral("INSERT INTO ContractLetterRun (Created, Desk, Pdf) VALUES (?, ?, ?)"),
            {created, desk, letters}, &error);
        if (!run)
            return databaseFailure(error);
        runId = QVariant::fromValue<qlonglong>(*run);
    }
    QList<int> ids;
    ids.reserve(contracts.size());
    for (qsizetype i = 0; i < contracts.size(); ++i) {
        const NewContract& n = contracts[i];
        const ContractRecord& c = n.record;
        const auto id = rows.reserveId();
        if (!id)
            return id.failure();
        const int contractId = int(*id);
        if (const Status added =
                rows.add({contractId, c.customerId, c.boatId ? QVariant(*c.boatId) : Sql::nullInt(),
                          c.termId ? QVariant::fromValue<qlonglong>(*c.termId) : Sql::nullInt(),
                          Sql::dayValue(c.firstDay), Sql::dayValue(c.lastDay), c.hire.toDb(),
                          checked[i].charged.tax.toDb(), checked[i].charged.total.toDb(), 0, 0, created, desk,
                          c.notes.trimmed(), n.renewedFrom > 0 ? QVariant(n.renewedFrom) : Sql::nullInt()});
            !added)
            return added.failure();
        for (const int berthId : c.berthIds) {
            const auto block = holds.hold(contractId, berthId, HeldBerths::heldFrom(c.firstDay),
                                          HeldBerths::heldTo(c.lastDay), checked[i].holder);
            if (!block)
                return block.failure();
            if (const Status added = placed.add({contractId, berthId, *block}); !added)
                return added.failure();
        }
        for (const ContractPlan::Instalment& p : checked[i].plan)
            if (const Status added = instalments.add({contractId, p.number, Sql::dayValue(p.due), p.amount.toDb()});
                !added)
                return added.failure();
        if (n.letter)
            if (const Status added = kept.add({contractId, n.letterKind, created, desk, QByteArray(""), runId,
                                               n.letter->firstPage, n.letter->pageCount, n.letter->title});
                !added)
                return added.failure();
        ids << contractId;
    }
    for (BulkInsert* table : {&rows, &placed, &instalments, &kept})
        if (const Status written = table->flush(); !written)
            return written.failure();
    if (const Status written = holds.flush(); !written)
        return written.failure();
    return ids;
}

} // namespace ContractBatch
