#include "contracts/ContractMeters.h"

#include "contracts/ContractStore.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace ContractMeters {
namespace {

/// A berth of a contract in force in the period.
struct Held
{
    int contractId = 0;
    QString holder;
    QDate firstDay;
    QDate lastDay;
    int berthId = 0;
    QString berth;
};

Result<QList<Held>> held(const QSqlDatabase& db, const QDate& from, const QDate& to)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.ID, C.Name, K.FirstDay, K.LastDay, CB.BerthID, B.Name FROM Contract K "
                                  "JOIN ContractBerth CB ON CB.ContractID = K.ID JOIN Berth B ON B.ID = CB.BerthID "
                                  "LEFT JOIN Customer C ON C.ID = K.CustomerID WHERE K.Cancelled = 0 AND K.FirstDay "
                                  "<= ? AND K.LastDay >= ? ORDER BY K.ID, B.Name, B.ID"),
                   {Sql::dayValue(to), Sql::dayValue(from)}, &error))
        return databaseFailure(error);
    QList<Held> found;
    while (q.next())
        found << Held{q.value(0).toInt(),       q.value(1).toString(), Sql::readDay(q.value(2)),
                      Sql::readDay(q.value(3)), q.value(4).toInt(),    q.value(5).toString()};
    return found;
}

/// One meter's line for a contract: from the reading opening the period (never before the contract's first day
/// nor before where its last bill ended) to its last reading in the period.
Result<Line> lineOf(const QSqlDatabase& db, const Held& h, const Meters::Meter& m, const QList<Meters::Tariff>& tariffs,
                    const QDate& from, const QDate& to)
{
    Line line{h.contractId, h.holder, h.berth, m, 0, 0, {}, {}, {}, {}, {}};
    const QDateTime periodStart = DateTimes::wallTime(std::max(from, h.firstDay));
    const QDateTime periodEnd = DateTimes::wallTime(std::min(to, h.lastDay).addDays(1)).addSecs(-1);
    const auto billedTo = MeterStore::lastBilled(db, h.contractId, m.id);
    if (!billedTo)
        return billedTo.failure();
    const QDateTime floor = *billedTo ? (*billedTo)->readAt : DateTimes::wallTime(h.firstDay);
    const auto opening = MeterStore::readingAt(db, m.id, periodStart);
    if (!opening)
        return opening.failure();
    const QDateTime start = *opening && (*opening)->readAt >= floor ? (*opening)->readAt : floor;
    const auto span = MeterStore::readings(db, m.id, start, periodEnd);
    if (!span)
        return span.failure();
    if (span->size() < 2) {
        line.why = *billedTo && (*billedTo)->readAt >= periodStart
                       ? QCoreApplication::translate("ContractMeters", "Billed already up to the reading of %1.")
                             .arg(DateTimes::dateText((*billedTo)->readAt.date()))
                       : QCoreApplication::translate("ContractMeters", "Not read twice in the period.");
        return line;
    }
    line.fromReadingId = span->first().id;
    line.toReadingId = span->last().id;
    line.firstDay = span->first().readAt.date();
    line.endDay = span->last().readAt.date();
    line.read = Meters::readOver(m.serial, *span, m.digits);
    line.bill =
        Meters::price(tariffs, m.kind, {{line.firstDay, line.endDay, line.read.use}}, line.firstDay, line.endDay);
    if (!line.bill.unpriced.isEmpty())
        line.why = QCoreApplication::translate("ContractMeters", "No %1 tariff is in force on %2.")
                       .arg(Meters::kindText(m.kind).toLower(), DateTimes::dateText(line.bill.unpriced.first()));
    else if (line.bill.lines.isEmpty())
        line.why = QCoreApplication::translate("ContractMeters", "Nothing used in the period.");
    return line;
}

Result<Run> work(const QSqlDatabase& db, const QDate& from, const QDate& to)
{
    if (const Status ok = checkPeriod(from, to); !ok)
        return ok.failure();
    const auto contracts = held(db, from, to);
    if (!contracts)
        return contracts.failure();
    const auto tariffs = MeterStore::tariffs(db);
    if (!tariffs)
        return tariffs.failure();
    Run run;
    for (const Held& h : *contracts) {
        const auto meters =
            MeterStore::metersOfBerths(db, {h.berthId}, std::max(from, h.firstDay), std::min(to, h.lastDay));
        if (!meters)
            return meters.failure();
        for (const Meters::Meter& m : *meters) {
            const auto line = lineOf(db, h, m, *tariffs, from, to);
            if (!line)
                return line.failure();
            run.lines << *line;
            if (!line->billable())
                continue;
            if (run.invoices.isEmpty() || run.invoices.last().contractId != h.contractId)
                run.invoices << Invoice{h.contractId, h.holder, {}, {}, {}, 0, 0};
            run.invoices.last().net += line->bill.total;
        }
    }
    for (Invoice& invoice : run.invoices) {
        const auto first = std::find_if(contracts->cbegin(), contracts->cend(),
                                        [&](const Held& h) { return h.contractId == invoice.contractId; });
        const auto charged = ContractStore::charges(db, invoice.net, first->firstDay);
        if (!charged)
            return charged.failure();
        invoice.tax = charged->tax;
        invoice.total = charged->total;
    }
    return run;
}

/// Writes one contract's invoice: its instalment issued, the contract's tax and total raised, each line's charge
/// kept with its share of the tax (the last line takes what rounding leaves).
Status invoice(const QSqlDatabase& db, Invoice& inv, const QList<Line>& lines, const QDateTime& now,
               const QString& desk)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT LastDay, (SELECT COALESCE(MAX(Number), 0) FROM ContractInstalment WHERE "
                                  "ContractID = ?) FROM Contract WHERE ID = ? AND Cancelled = 0"),
                   {inv.contractId, inv.contractId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(
            QCoreApplication::translate("ContractMeters", "Contract %1 was cancelled meanwhile.").arg(inv.contractId));
    const QDate lastDay = Sql::readDay(q.value(0));
    inv.instalment = q.value(1).toInt() + 1;
    if (inv.total > Money()) {
        const QDate due = std::min(now.date(), lastDay);
        if (const Status planned =
                ContractStore::writePlan(db, inv.contractId, {{inv.instalment, due, inv.total, {}, {}}});
            !planned)
            return planned;
        if (!Sql::exec(db, QStringLiteral("UPDATE Contract SET Tax = Tax + ?, Total = Total + ? WHERE ID = ?"),
                       {inv.tax.toDb(), inv.total.toDb(), inv.contractId}, &error))
            return databaseFailure(error);
        const auto issued = ContractStore::issue(db, inv.contractId, inv.instalment, now);
        if (!issued)
            return issued.failure();
        inv.invoiceNumber = issued->invoiceNumber;
    }
    Money taxLeft = inv.tax;
    QList<const Line*> mine;
    for (const Line& l : lines)
        if (l.contractId == inv.contractId && l.billable())
            mine << &l;
    for (qsizetype i = 0; i < mine.size(); ++i) {
        const Line& l = *mine.at(i);
        MeterStore::Charge c;
        c.contractId = l.contractId;
        c.meterId = l.meter.id;
        c.fromReadingId = l.fromReadingId;
        c.toReadingId = l.toReadingId;
        c.firstDay = l.firstDay;
        c.endDay = l.endDay;
        c.units = l.bill.units;
        c.amount = l.bill.total;
        c.breakdown = {l.meter.kind, l.meter.unit, l.berth, {l.read}, l.bill.lines};
        c.tax = i + 1 == mine.size() || inv.net == Money()
                    ? taxLeft
                    : inv.tax.ratioToPenny(l.bill.total.roundedPence(), inv.net.roundedPence());
        taxLeft -= c.tax;
        if (inv.total > Money())
            c.instalment = inv.instalment;
        if (const Status kept = MeterStore::addCharge(db, c, now, desk); !kept)
            return kept;
    }
    return Done{};
}

} // namespace

Status checkPeriod(const QDate& from, const QDate& to)
{
    if (!from.isValid() || !to.isValid())
        return refused(
            QCoreApplication::translate("ContractMeters", "Choose the first and the last day of the period to bill."));
    if (to < from)
        return refused(QCoreApplication::translate("ContractMeters", "The period ends before it starts."));
    if (from.daysTo(to) + 1 > MostDays)
        return refused(
            QCoreApplication::translate("ContractMeters", "A period billed at once is at most %1 days.").arg(MostDays));
    return Done{};
}

Result<Run> dryRun(const QSqlDatabase& db, const QDate& from, const QDate& to)
{
    return work(db, from, to);
}

Result<Run> bill(const QSqlDatabase& db, const QDate& from, const QDate& to, const QDateTime& now, const QString& desk)
{
    // Immediate: a second desk billing the same period waits, then finds the periods billed and bills nothing.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    auto run = work(db, from, to);
    if (!run)
        return run;
    for (Invoice& inv : run->invoices)
        if (const Status written = invoice(db, inv, run->lines, now, desk); !written)
            return written.failure();
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return run;
}

Result<Pricing::Charges> billed(const QSqlDatabase& db, int contractId)
{
    const auto charges = MeterStore::contractCharges(db, contractId);
    if (!charges)
        return charges.failure();
    Pricing::Charges sum;
    for (const MeterStore::Charge& c : *charges) {
        sum.tax += c.tax;
        sum.total += c.amount + c.tax;
    }
    return sum;
}

} // namespace ContractMeters
