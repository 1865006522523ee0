#include "rates/TermRates.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace TermRates {
namespace {

std::optional<int> readId(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}
QVariant idValue(std::optional<int> id)
{
    return id ? QVariant(*id) : Sql::nullInt();
}

} // namespace

Result<TermTable> load(const QSqlDatabase& db)
{
    TermTable table;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, Name, FirstDay, LastDay, Yearly FROM ContractTerm ORDER BY ID"), {},
                   &error))
        return databaseFailure(error);
    while (q.next()) {
        TermPricing::Term term;
        term.id = q.value(0).toLongLong();
        term.name = q.value(1).toString();
        term.firstNight = Sql::readDay(q.value(2));
        term.lastNight = Sql::readDay(q.value(3));
        term.yearly = q.value(4).toInt() != 0;
        table.terms << term;
    }
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, TermID, BerthTypeID, BerthID, PerMetre, Price, EffectiveFrom "
                                  "FROM ContractRate ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    while (q.next())
        table.rates << TermPricing::TermRate{q.value(0).toLongLong(),
                                             q.value(1).toLongLong(),
                                             readId(q.value(2)),
                                             readId(q.value(3)),
                                             q.value(4).toInt() ? Pricing::Basis::PerMetre : Pricing::Basis::PerBerth,
                                             Money::fromDb(q.value(5)),
                                             Sql::readDay(q.value(6))};
    return table;
}

Status save(const QSqlDatabase& db, const TermTable& loaded, const TermTable& edited)
{
    for (const TermPricing::Term& term : edited.terms)
        if (const Status checked = TermPricing::checkTerm(term); !checked)
            return checked;
    for (const TermPricing::TermRate& rate : edited.rates) {
        if (const Status checked = TermPricing::checkRate(rate); !checked)
            return checked;
        if (std::none_of(edited.terms.cbegin(), edited.terms.cend(),
                         [&](const TermPricing::Term& t) { return t.id == rate.termId; }))
            return refused(QCoreApplication::translate("TermRates", "A price names a term that is not in the list."));
    }
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto now = load(db);
    if (!now)
        return now.failure();
    if (!(*now == loaded))
        return conflict(QCoreApplication::translate(
            "TermRates", "Another desk changed the terms meanwhile: close the list and open it again."));
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM ContractRate"), {}, &error))
        return databaseFailure(error);
    QHash<qint64, qint64> ids; // as edited -> as saved
    for (const TermPricing::Term& term : edited.terms) {
        const QVariantList values{term.name.trimmed(), Sql::dayValue(term.firstNight), Sql::dayValue(term.lastNight),
                                  term.yearly ? 1 : 0};
        if (term.id > 0) {
            if (!Sql::exec(db,
                           QStringLiteral("UPDATE ContractTerm SET Name = ?, FirstDay = ?, LastDay = ?, Yearly = ? "
                                          "WHERE ID = ?"),
                           values + QVariantList{term.id}, &error))
                return databaseFailure(error);
            ids.insert(term.id, term.id);
        } else {
            const auto id = Sql::insertReturningId(
                db, QStringLiteral("INSERT INTO ContractTerm (Name, FirstDay, LastDay, Yearly) VALUES (?, ?, ?, ?)"),
                values, &error);
            if (!id)
                return databaseFailure(error);
            ids.insert(term.id, *id);
        }
    }
    // A term taken out of the list goes; the contracts made on it keep their days and price.
    for (const TermPricing::Term& term : loaded.terms)
        if (!ids.contains(term.id) &&
            !Sql::exec(db, QStringLiteral("DELETE FROM ContractTerm WHERE ID = ?"), {term.id}, &error))
            return databaseFailure(error);
    for (const TermPricing::TermRate& rate : edited.rates)
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO ContractRate (TermID, BerthTypeID, BerthID, PerMetre, Price, "
                                      "EffectiveFrom) VALUES (?, ?, ?, ?, ?, ?)"),
                       {ids.value(rate.termId), idValue(rate.berthTypeId), idValue(rate.berthId),
                        rate.basis == Pricing::Basis::PerMetre ? 1 : 0, rate.price.toDb(), Sql::dayValue(rate.from)},
                       &error))
            return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<TermPricing::BerthTerms>> berths(const QSqlDatabase& db, const QList<int>& berthIds)
{
    QHash<int, TermPricing::BerthTerms> found;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    for (const int id : berthIds) {
        if (found.contains(id))
            continue;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT b.ID, b.Name, b.TypeID, b.Length, t.MinimumLength FROM Berth b "
                                      "LEFT JOIN BerthType t ON t.ID = b.TypeID WHERE b.ID = ?"),
                       {id}, &error))
            return databaseFailure(error);
        if (q.next())
            found.insert(id, {q.value(0).toInt(), q.value(1).toString(), readId(q.value(2)),
                              qRound(q.value(3).toDouble() * 100), qRound(q.value(4).toDouble() * 100)});
    }
    QList<TermPricing::BerthTerms> result;
    for (const int id : berthIds)
        if (found.contains(id))
            result << found.value(id);
    return result;
}

} // namespace TermRates
