#pragma once

#include "contracts/ContractStore.h"
#include "core/ui/PdfPages.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

/// Many new contracts written at once inside the caller's write transaction (a renewal run of a whole harbour):
/// the same checks and rows as ContractStore::addIn makes one by one, but the holders, berths, taxes and what holds
/// the berths read once for all, and the rows written a few hundred a statement, so a server is asked a few dozen
/// times instead of a dozen times per contract.
namespace ContractBatch {

/// A contract to make, the contract it renews (0 for none), and a letter to keep with it: its pages in the run's
/// PDF of letters (none without).
struct NewContract
{
    ContractRecord record;
    int renewedFrom = 0;
    QString letterKind;
    std::optional<PdfPages::Part> letter;
};

/// How a failure of the contract at index `at` is told: the caller names the contract.
using Naming = std::function<Failure(qsizetype at, const Failure& why)>;

/// Checks every contract as addIn does (the holder and each berth still there, the berth in use, nothing holding it
/// over the days, not even another contract of this run, and the plan adding up to the total with the tax in force)
/// and writes them all with their berths held, plans and letters; nothing is written when one is refused. The
/// letters' PDF is kept once (ContractLetterRun), each contract's letter naming its pages in it. Returns the new
/// contracts' IDs in order.
Result<QList<int>> addAllIn(const QSqlDatabase& db, const QList<NewContract>& contracts, const QDateTime& now,
                            const Naming& named, const QByteArray& letters = {});

} // namespace ContractBatch
