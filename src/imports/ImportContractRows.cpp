// The checker's rows of contracts: the holder and berth matched as a booking's are, the days from the row or its
// term, the price as the old records agreed it (else the rates'), and the plan in equal instalments; written through
// the contract's own save, which holds the berths.
#include "imports/ImportRows.h"

#include "contracts/ContractEdit.h"
#include "contracts/ContractImport.h"
#include "core/InputParsing.h"
#include "rates/TermRates.h"

#include <QCoreApplication>

#include <algorithm>

namespace ImportRun {

Status Rows::prepareContracts()
{
    auto contracts = ContractImport::byOldRef(m_db);
    if (!contracts)
        return contracts.failure();
    m_contracts = std::move(*contracts);
    const auto terms = TermRates::load(m_db);
    if (!terms)
        return terms.failure();
    m_terms = terms->terms;
    return Done{};
}

bool Rows::claimedByFile(int berthId, const QDate& first, const QDate& last) const
{
    const auto held = m_heldByFile.constFind(berthId);
    if (held == m_heldByFile.constEnd())
        return false;
    return std::any_of(held->begin(), held->end(),
                       [&](const std::pair<QDate, QDate>& days) { return days.first <= last && first <= days.second; });
}

Result<Row> Rows::contract(Row row)
{
    const QString ref = cell(QStringLiteral("ref"));
    const std::optional<Holder> holder = holderOf(row, ref);
    if (!holder)
        return row;

    ContractRecord record;
    record.customerId = holder->customerId;
    record.berthIds = {holder->berth.id};
    if (const QString termName = cell(QStringLiteral("term")); !termName.isEmpty()) {
        const auto term = std::find_if(m_terms.cbegin(), m_terms.cend(), [&](const TermPricing::Term& t) {
            return t.name.compare(termName, Qt::CaseInsensitive) == 0;
        });
        if (term == m_terms.cend())
            return refusedRow(row, QCoreApplication::translate("ImportRun", "No term is called \"%1\".").arg(termName));
        record.termId = term->id;
        record.firstDay = term->firstNight;
        record.lastDay = term->lastNight;
    }
    // Days in the row win over the term's.
    for (const auto& [key, member] :
         {std::pair{u"first", &ContractRecord::firstDay}, {u"last", &ContractRecord::lastDay}})
        if (const QString text = cell(QString::fromUtf16(key)); !text.isEmpty()) {
            const auto day = m_cells.date(text);
            if (!day)
                return refusedRow(row, day.error());
            record.*member = *day;
        }
    if (!record.firstDay.isValid() || !record.lastDay.isValid())
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The row needs its first and last days, or a "
                                                                        "term."));
    if (const QString price = cell(QStringLiteral("price")); !price.isEmpty()) {
        const auto amount = m_cells.amount(price, InputChecks::ChargeCeiling);
        if (!amount)
            return refusedRow(row, amount.error());
        record.hire = *amount;
    } else {
        const auto quote = ContractStore::propose(m_db, record.berthIds, record.firstDay, record.lastDay);
        if (!quote)
            return quote.failure();
        if (!quote->unpriced.isEmpty())
            return refusedRow(row, QCoreApplication::translate("ImportRun", "The row has no price and the rates do not "
                                                                            "price berth %1 over its days.")
                                       .arg(holder->berth.name));
        record.hire = quote->total;
    }
    const auto count = m_cells.count(cell(QStringLiteral("instalments")), ContractPlan::MostInstalments);
    if (!count)
        return refusedRow(row, count.error());
    if (const Status checked = ContractStore::check(record); !checked)
        return refusedRow(row, checked.error());
    const auto charged = ContractStore::charges(m_db, record.hire, record.firstDay);
    if (!charged)
        return charged.failure();
    record.plan = ContractPlan::split(charged->total, std::max(1, count->value_or(1)), record.firstDay, record.lastDay);

    const Result<Row> unique = duplicateInFile(row, {ref.isEmpty() ? QString() : QStringLiteral("t:ref:") + ref},
                                               {QCoreApplication::translate("ImportRun", "old reference")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;
    if (claimedByFile(holder->berth.id, record.firstDay, record.lastDay))
        return refusedRow(
            row, QCoreApplication::translate("ImportRun", "Another row of the file holds berth %1 on these days.")
                     .arg(holder->berth.name));
    if (!ref.isEmpty() && m_contracts.contains(ref)) {
        if (m_options.duplicates == OnDuplicate::Skip) {
            row.verdict = Verdict::Duplicate;
            row.reason = QCoreApplication::translate("ImportRun", "On record (same old reference): skipped.");
            return row;
        }
        return updateContract(row, m_contracts.value(ref), record);
    }
    // What holds the berth on record: a booking, a block or another contract (read, so a dry run asks too).
    const auto free = ContractStore::checkBerths(m_db, record, 0);
    if (const auto stop = fatal(free, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    m_heldByFile[holder->berth.id].append({record.firstDay, record.lastDay});
    if (!m_write)
        return row;
    const auto id = ContractStore::addIn(m_db, record, m_now);
    if (const auto stop = fatal(id, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    m_added[QStringLiteral("Contract")].append({*id, ref});
    return row;
}

Result<Row> Rows::updateContract(Row row, int contractId, const ContractRecord& mine)
{
    row.verdict = Verdict::Duplicate;
    row.reason = QCoreApplication::translate("ImportRun", "On record (same old reference): updated.");
    const auto loaded = ContractStore::load(m_db, contractId);
    if (const auto stop = fatal(loaded, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    if (loaded->cancelled)
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The contract on record is cancelled."));
    // What the file has replaces what is on record; the holder's boat, notes and what is invoiced are kept, and the
    // plan follows the new price.
    ContractRecord changed = *loaded;
    changed.customerId = mine.customerId;
    changed.berthIds = mine.berthIds;
    changed.firstDay = mine.firstDay;
    changed.lastDay = mine.lastDay;
    changed.termId = mine.termId;
    changed.hire = mine.hire;
    const auto free = ContractStore::checkBerths(m_db, changed, contractId);
    if (const auto stop = fatal(free, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    m_heldByFile[changed.berthIds.value(0)].append({changed.firstDay, changed.lastDay});
    if (!m_write)
        return row;
    const auto saved = ContractEdit::save(m_db, *loaded, changed);
    if (const auto stop = fatal(saved, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    ++m_updated;
    return row;
}

} // namespace ImportRun
