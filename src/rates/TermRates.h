#pragma once

#include "core/Result.h"
#include "rates/TermPricing.h"

#include <QSqlDatabase>

/// The office's terms and their prices (the ContractTerm and ContractRate tables), saved as one.
struct TermTable
{
    QList<TermPricing::Term> terms;
    QList<TermPricing::TermRate> rates;
    bool operator==(const TermTable&) const = default;
};

namespace TermRates {

Result<TermTable> load(const QSqlDatabase& db);
/// Replaces the table with edited when it is still as loaded (a Conflict, nothing saved, when another desk saved
/// meanwhile). Refused, nothing saved, when a term or a price fails its checks or a price names no term. A term not
/// saved yet carries an id below 1, which its prices name until the save gives it its own.
Status save(const QSqlDatabase& db, const TermTable& loaded, const TermTable& edited);

/// What prices each of the berths, in the order given; a berth that is not there is left out.
Result<QList<TermPricing::BerthTerms>> berths(const QSqlDatabase& db, const QList<int>& berthIds);

} // namespace TermRates
