#include "contracts/ContractRenewals.h"

#include "bookings/KeyChunks.h"
#include "contracts/ContractBatch.h"
#include "contracts/ContractDocuments.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "core/ui/DocumentRenderer.h"
#include "rates/RateStore.h"
#include "rates/TermRates.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace ContractRenewals {
namespace {

// Not renewed: no renewal of it is in force.
const char* const Unrenewed = "NOT EXISTS (SELECT 1 FROM Contract R WHERE R.RenewedFrom = K.ID AND R.Cancelled = 0)";

} // namespace

std::pair<QDate, QDate> nextDays(const std::optional<TermPricing::Term>& term, const QDate& firstDay,
                                 const QDate& lastDay)
{
    const QDate after = lastDay.addDays(1);
    if (term)
        for (QDate d = after; d <= after.addDays(400); d = d.addDays(1))
            if (const auto stretch = TermPricing::stretchOf(*term, d))
                return {std::max(stretch->first, after), stretch->last};
    return {after, after.addDays(firstDay.daysTo(lastDay))};
}

Result<QList<Due>> due(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    const auto table = TermRates::load(db);
    if (!table)
        return table.failure();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT CB.ContractID, CB.BerthID, B.Name FROM ContractBerth CB JOIN Contract K ON "
                                  "K.ID = CB.ContractID LEFT JOIN Berth B ON B.ID = CB.BerthID WHERE K.Cancelled = 0 "
                                  "AND K.LastDay BETWEEN ? AND ? ORDER BY B.Name, CB.BerthID"),
                   {Sql::dayValue(first), Sql::dayValue(last)}, &error))
        return databaseFailure(error);
    QHash<int, QList<std::pair<int, QString>>> berthsOf;
    QList<int> allBerths;
    while (q.next()) {
        berthsOf[q.value(0).toInt()].append({q.value(1).toInt(), q.value(2).toString()});
        allBerths << q.value(1).toInt();
    }
    std::sort(allBerths.begin(), allBerths.end());
    allBerths.erase(std::unique(allBerths.begin(), allBerths.end()), allBerths.end());
    const auto berthTerms = TermRates::berths(db, allBerths);
    if (!berthTerms)
        return berthTerms.failure();
    QHash<int, TermPricing::BerthTerms> termsOf;
    for (const TermPricing::BerthTerms& b : *berthTerms)
        termsOf.insert(b.berthId, b);

    if (!Sql::exec(q,
                   QStringLiteral(
                       "SELECT K.ID, K.CustomerID, C.Name, C.HouseName, C.Street, C.Area, C.Town, "
                       "C.PostCode, C.EmailAddress, K.BoatID, BO.Name, BO.LengthCm, K.TermID, T.Name, "
                       "K.FirstDay, K.LastDay, K.Hire, K.Total, K.Paid, (SELECT COUNT(*) FROM "
                       "ContractInstalment I WHERE I.ContractID = K.ID), C.Language FROM Contract K LEFT JOIN Customer "
                       "C ON C.ID = K.CustomerID LEFT JOIN Boat BO ON BO.ID = K.BoatID LEFT JOIN "
                       "ContractTerm T ON T.ID = K.TermID WHERE K.Cancelled = 0 AND K.LastDay BETWEEN ? "
                       "AND ? AND %1 ORDER BY K.LastDay, K.ID")
                       .arg(QLatin1String(Unrenewed)),
                   {Sql::dayValue(first), Sql::dayValue(last)}, &error))
        return databaseFailure(error);
    QList<Due> list;
    while (q.next()) {
        Due d;
        int at = 0;
        auto next = [&] { return q.value(at++); };
        d.contractId = next().toInt();
        d.customerId = next().toInt();
        d.holder.name = next().toString();
        d.holder.houseName = next().toString();
        d.holder.street = next().toString();
        d.holder.area = next().toString();
        d.holder.town = next().toString();
        d.holder.postcode = next().toString();
        d.holder.emailAddress = next().toString();
        if (const QVariant boat = next(); !boat.isNull())
            d.boatId = boat.toInt();
        d.boat = next().toString();
        const QVariant length = next();
        if (const QVariant term = next(); !term.isNull())
            d.termId = term.toLongLong();
        d.term = next().toString();
        d.firstDay = Sql::readDay(next());
        d.lastDay = Sql::readDay(next());
        d.hire = Money::fromDb(next());
        const Money total = Money::fromDb(next());
        d.balance = total - Money::fromDb(next());
        d.instalments = std::clamp(next().toInt(), 1, ContractPlan::MostInstalments);
        d.holder.language = next().toString();
        QList<TermPricing::BerthTerms> priced;
        for (const auto& [id, name] : berthsOf.value(d.contractId)) {
            d.berthIds << id;
            d.berths << name;
            if (termsOf.contains(id))
                priced << termsOf.value(id);
        }
        std::optional<TermPricing::Term> term;
        for (const TermPricing::Term& t : table->terms)
            if (d.termId && t.id == *d.termId)
                term = t;
        std::tie(d.nextFirst, d.nextLast) = nextDays(term, d.firstDay, d.lastDay);
        const TermPricing::Quote quote =
            TermPricing::price(table->terms, table->rates, priced, d.nextFirst, d.nextLast,
                               length.isNull() || length.toInt() <= 0 ? std::nullopt : std::optional(length.toInt()));
        if (quote.unpriced.isEmpty() && !priced.isEmpty()) {
            d.nextHire = quote.total;
            d.price = quote.total;
        } else {
            d.noRate = QCoreApplication::translate(
                           "ContractRenewals",
                           "No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.")
                           .arg(d.berths.join(QStringLiteral(", ")), DateTimes::dateText(d.nextFirst),
                                DateTimes::dateText(d.nextLast));
        }
        list << d;
    }
    return list;
}

Result<QList<Renewed>> renew(const QSqlDatabase& db, const QList<Due>& chosen, const QDateTime& now)
{
    for (const Due& d : chosen)
        if (d.price < Money() || d.price > Pricing::RateCeiling || !d.price.isWholePence())
            return refused(QCoreApplication::translate(
                               "ContractRenewals",
                               "The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing "
                               "was renewed.")
                               .arg(d.contractId)
                               .arg(d.holder.name, Money().formatGrouped(), Pricing::RateCeiling.formatGrouped()));
    // Everything a letter shows is worked out and laid out before the write lock is taken.
    const auto taxes = RateStore::taxes(db);
    if (!taxes)
        return taxes.failure();
    const auto office = ContractDocuments::company(db);
    if (!office)
        return office.failure();
    QList<ContractRecord> made;
    made.reserve(chosen.size());
    QList<Doc::Document> letters;
    letters.reserve(chosen.size());
    const auto officeLanguage = DocumentLanguage::office(db);
    if (!officeLanguage)
        return officeLanguage.failure();
    ContractDocuments::Papers papers;
    papers.company = *office;
    papers.date = now.date();
    for (const Due& d : chosen) {
        ContractRecord c;
        c.customerId = d.customerId;
        c.customer = d.holder.name;
        c.boatId = d.boatId;
        c.boat = d.boat;
        c.termId = d.termId;
        c.term = d.term;
        c.berthIds = d.berthIds;
        c.berths = d.berths;
        c.firstDay = d.nextFirst;
        c.lastDay = d.nextLast;
        c.hire = d.price;
        if (const Status checked = ContractStore::check(c); !checked)
            return refused(QCoreApplication::translate("ContractRenewals", "Contract %1 (%2): %3")
                               .arg(d.contractId)
                               .arg(d.holder.name, checked.error()));
        const Pricing::Charges charged =
            Pricing::charges(c.hire, Money(), Pricing::taxInForce(*taxes, c.firstDay).hundredthsOfPercent);
        c.tax = charged.tax;
        c.total = charged.total;
        c.plan = ContractPlan::split(c.total, d.instalments, c.firstDay, c.lastDay);
        papers.holder = d.holder;
        papers.words = DocumentLanguage::wordsFor(d.holder.language, *officeLanguage);
        papers.contract = c;
        papers.renews = d.contractId;
        letters << ContractDocuments::renewalLetter(papers);
        made << c;
    }
    // The run's letters are one PDF, kept once; each contract's letter is its pages in it.
    const auto bound = DocumentRenderer::pdfBytesBound(letters);
    if (!bound)
        return bound.failure();

    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    // Each contract as it was listed: still in force, not renewed elsewhere, its end and price unchanged.
    QHash<int, std::pair<QDate, Money>> standing;
    std::vector<int> keys;
    for (const Due& d : chosen)
        keys.push_back(d.contractId);
    QString error;
    for (const KeyChunk& chunk : keyChunks(keys)) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q,
                       QStringLiteral("SELECT K.ID, K.LastDay, K.Hire FROM Contract K WHERE K.Cancelled = 0 AND "
                                      "K.ID IN (%1) AND %2")
                           .arg(chunk.marks, QLatin1String(Unrenewed)),
                       chunk.binds, &error))
            return databaseFailure(error);
        while (q.next())
            standing.insert(q.value(0).toInt(), {Sql::readDay(q.value(1)), Money::fromDb(q.value(2))});
    }
    QList<ContractBatch::NewContract> making;
    making.reserve(made.size());
    for (qsizetype i = 0; i < made.size(); ++i) {
        const Due& d = chosen[i];
        if (standing.value(d.contractId) != std::pair(d.lastDay, d.hire))
            return conflict(QCoreApplication::translate(
                                "ContractRenewals",
                                "Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: "
                                "nothing was renewed. Read the list again.")
                                .arg(d.contractId)
                                .arg(d.holder.name));
        making << ContractBatch::NewContract{made[i], d.contractId, ContractDocuments::RenewalLetterKind,
                                             bound->parts.at(i)};
    }
    const auto ids = ContractBatch::addAllIn(
        db, making, now,
        [&](qsizetype at, const Failure& why) {
            return Failure{why.kind == FailureKind::Database ? FailureKind::Database : FailureKind::Refused,
                           QCoreApplication::translate("ContractRenewals",
                                                       "Contract %1 (%2) could not be renewed, so nothing was: %3")
                               .arg(chosen[at].contractId)
                               .arg(chosen[at].holder.name, why.text)};
        },
        bound->pdf);
    if (!ids)
        return ids.failure();
    QList<Renewed> renewed;
    for (qsizetype i = 0; i < made.size(); ++i)
        renewed << Renewed{chosen[i].contractId, ids->at(i), made[i].total};
    if (!tx.commit(&error)) {
        ContractRecord all;
        for (const Due& d : chosen)
            all.berths << d.berths;
        return ContractStore::commitFailure(db, tx, all, error);
    }
    return renewed;
}

Result<QList<Lapsed>> lapse(const QSqlDatabase& db, const QDate& today)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.ID, K.LastDay, CB.BerthID FROM Contract K JOIN ContractBerth CB ON "
                                  "CB.ContractID = K.ID WHERE K.Cancelled = 0 AND K.Lapsed = 0 AND K.LastDay < ? AND "
                                  "%1 ORDER BY K.ID, CB.BerthID")
                       .arg(QLatin1String(Unrenewed)),
                   {Sql::dayValue(today)}, &error))
        return databaseFailure(error);
    QList<Lapsed> lapsed;
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (lapsed.isEmpty() || lapsed.last().contractId != id)
            lapsed << Lapsed{id, {}, Sql::readDay(q.value(1))};
        lapsed.last().berthIds << q.value(2).toInt();
    }
    for (const Lapsed& l : std::as_const(lapsed))
        if (!Sql::exec(db, QStringLiteral("UPDATE Contract SET Lapsed = 1 WHERE ID = ?"), {l.contractId}, &error))
            return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    return lapsed;
}

} // namespace ContractRenewals
