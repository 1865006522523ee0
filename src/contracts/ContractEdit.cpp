#include "contracts/ContractEdit.h"

#include "contracts/ContractMeters.h"

#include "bookings/HeldBerths.h"
#include "contracts/AwayPeriods.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <algorithm>

namespace ContractEdit {
namespace {

QString planText(const QList<ContractPlan::Instalment>& plan)
{
    QStringList parts;
    for (const ContractPlan::Instalment& i : plan)
        parts << QStringLiteral("%1 %2").arg(DateTimes::dateText(i.due), i.amount.formatGrouped());
    return parts.join(QStringLiteral("; "));
}

QList<ContractPlan::Instalment> invoicedOf(const QList<ContractPlan::Instalment>& plan, bool invoiced)
{
    QList<ContractPlan::Instalment> part;
    std::copy_if(plan.cbegin(), plan.cend(), std::back_inserter(part),
                 [invoiced](const ContractPlan::Instalment& i) { return i.invoiceNumber.has_value() == invoiced; });
    return part;
}

} // namespace

FieldChanges::Merge<ContractRecord> merged(const ContractRecord& base, const ContractRecord& theirs,
                                           const ContractRecord& mine)
{
    FieldChanges::Merge<ContractRecord> merge(base, theirs, mine);
    merge.field(QCoreApplication::translate("ContractEdit", "Boat:"), &ContractRecord::boatId,
                [&](const std::optional<int>& id) {
                    return id ? QString::number(*id) : QCoreApplication::translate("ContractEdit", "none");
                });
    merge.field(
        QCoreApplication::translate("ContractEdit", "Berths:"), [](const ContractRecord& c) { return c.berthIds; },
        [](ContractRecord& into, const ContractRecord& from) {
            into.berthIds = from.berthIds;
            into.berths = from.berths;
        },
        [](const QList<int>& ids) {
            QStringList names;
            for (const int id : ids)
                names << QString::number(id);
            return names.join(QStringLiteral(", "));
        });
    merge.field(
        QCoreApplication::translate("ContractEdit", "Days:"),
        [](const ContractRecord& c) { return std::pair(c.firstDay, c.lastDay); },
        [](ContractRecord& into, const ContractRecord& from) {
            into.firstDay = from.firstDay;
            into.lastDay = from.lastDay;
        },
        [](const std::pair<QDate, QDate>& days) {
            return QCoreApplication::translate("ContractEdit", "%1 to %2")
                .arg(DateTimes::dateText(days.first), DateTimes::dateText(days.second));
        });
    merge.field(QCoreApplication::translate("ContractEdit", "Term:"), &ContractRecord::termId,
                [](const std::optional<qint64>& id) {
                    return id ? QString::number(*id) : QCoreApplication::translate("ContractEdit", "none");
                });
    merge.field(QCoreApplication::translate("ContractEdit", "Price before tax:"), &ContractRecord::hire,
                [](const Money& m) { return m.formatGrouped(); });
    merge.field(QCoreApplication::translate("ContractEdit", "Plan:"), &ContractRecord::plan, planText);
    merge.field(QCoreApplication::translate("ContractEdit", "Notes:"), &ContractRecord::notes);
    return merge;
}

Result<ContractRecord> save(const QSqlDatabase& db, const ContractRecord& loaded, const ContractRecord& mine,
                            std::optional<FieldChanges::Merge<ContractRecord>>* merge)
{
    if (const Status checked = ContractStore::check(mine); !checked)
        return checked.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto theirs = ContractStore::load(db, loaded.id);
    if (!theirs)
        return theirs;
    if (theirs->cancelled)
        return refused(QCoreApplication::translate("ContractEdit",
                                                   "The contract has been cancelled: it can no longer be changed."));
    auto written = FieldChanges::toWrite(merged(loaded, *theirs, mine), merge);
    if (!written)
        return written;
    ContractRecord& c = *written;
    c.id = loaded.id;
    c.customerId = theirs->customerId;
    const QList<ContractPlan::Instalment> invoiced = invoicedOf(theirs->plan, true);
    const bool daysChanged = c.firstDay != theirs->firstDay || c.lastDay != theirs->lastDay;
    if (daysChanged && !invoiced.isEmpty())
        return refused(QCoreApplication::translate(
            "ContractEdit", "An instalment of this contract has been invoiced, so its days stay as they are: cancel "
                            "it and make a new one to change them."));
    const auto berths = ContractStore::checkBerths(db, c, c.id);
    if (!berths)
        return berths.failure();
    c.berths = *berths;
    const auto charged = ContractStore::charges(db, c.hire, c.firstDay);
    if (!charged)
        return charged.failure();
    // The meters billed to the contract stay in its total: they are invoiced already.
    const auto metered = ContractMeters::billed(db, c.id);
    if (!metered)
        return metered.failure();
    c.tax = charged->tax + metered->tax;
    c.total = charged->total + metered->total;
    // Only the instalments not yet invoiced are the clerk's to change; a plan nobody typed follows the new total.
    QList<ContractPlan::Instalment> plan = invoiced + invoicedOf(c.plan, false);
    if (mine.plan == loaded.plan) {
        const auto replanned = ContractPlan::replan(plan, c.total, c.firstDay, c.lastDay);
        if (!replanned)
            return replanned.failure();
        plan = *replanned;
    }
    if (const Status planned = ContractPlan::check(plan, c.total, c.lastDay); !planned)
        return planned.failure();
    QList<ContractPlan::Instalment> open = invoicedOf(plan, false);
    std::stable_sort(open.begin(), open.end(), [](const auto& a, const auto& b) { return a.due < b.due; });
    int number = 0;
    for (const ContractPlan::Instalment& i : invoiced)
        number = std::max(number, i.number);
    for (ContractPlan::Instalment& i : open)
        i.number = ++number;
    c.plan = invoiced + open;

    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Contract SET BoatID = ?, TermID = ?, FirstDay = ?, LastDay = ?, Hire = ?, "
                                  "Tax = ?, Total = ?, Notes = ? WHERE ID = ?"),
                   {c.boatId ? QVariant(*c.boatId) : Sql::nullInt(),
                    c.termId ? QVariant::fromValue<qlonglong>(*c.termId) : Sql::nullInt(), Sql::dayValue(c.firstDay),
                    Sql::dayValue(c.lastDay), c.hire.toDb(), c.tax.toDb(), c.total.toDb(), c.notes.trimmed(), c.id},
                   &error))
        return databaseFailure(error);
    if (daysChanged || c.berthIds != theirs->berthIds) {
        if (const Status freed = HeldBerths::release(db, c.id); !freed)
            return freed.failure();
        if (!Sql::exec(db, QStringLiteral("DELETE FROM ContractBerth WHERE ContractID = ?"), {c.id}, &error))
            return databaseFailure(error);
        if (const Status held = ContractStore::placeBerths(db, c.id, c, theirs->customer); !held)
            return held.failure();
        // A holder's absences stay cut out of the new hold.
        if (const Status cut = AwayPeriods::rehold(db, c.id); !cut)
            return cut.failure();
    }
    if (!Sql::exec(db, QStringLiteral("DELETE FROM ContractInstalment WHERE ContractID = ? AND InvoiceNumber IS NULL"),
                   {c.id}, &error))
        return databaseFailure(error);
    if (const Status written = ContractStore::writePlan(db, c.id, open); !written)
        return written.failure();
    if (!tx.commit(&error))
        return ContractStore::commitFailure(db, tx, c, error);
    return c;
}

} // namespace ContractEdit
