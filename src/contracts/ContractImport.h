#pragma once

#include "core/Result.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

/// What an import needs of the Contract tables beyond ContractStore's one-contract save: the contracts found by
/// their old references, what an undo cannot take back, and the removal of exactly what one import added.
namespace ContractImport {

/// The contracts with an old reference, by it (cancelled ones too: a second import finds them).
Result<QHash<QString, int>> byOldRef(const QSqlDatabase& db);

/// The batch's contracts an undo cannot take back: an instalment invoiced or money on the ledger since; "contract
/// 12" each.
Result<QStringList> heldSince(const QSqlDatabase& db, int batchId);

/// Deletes the contracts the batch added with their berths, the holds on them and their instalments, inside the
/// caller's transaction.
Status removeBatch(const QSqlDatabase& db, int batchId);

} // namespace ContractImport
