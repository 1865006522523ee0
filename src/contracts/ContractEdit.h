#pragma once

#include "contracts/ContractStore.h"
#include "core/FieldChanges.h"

#include <optional>

/// A contract changed after it was made: its boat, berths, days, term, price, plan and notes.
namespace ContractEdit {

/// Saves what the clerk changed in loaded (mine), in one write transaction that reads the contract again and merges:
/// fields only another desk changed are kept, fields only mine changed are saved, and fields both changed to different
/// values come back as a Conflict (merge lists them; nothing saved). Invoiced instalments are kept; the rest are
/// re-planned to the new total when the plan was not typed, else the typed plan must add up. Refused: a cancelled
/// contract, days changed once an instalment is invoiced, a berth in the way (the contract's own aside), a total
/// below what is invoiced. The berths held follow the new berths and days. Returns what was written.
Result<ContractRecord> save(const QSqlDatabase& db, const ContractRecord& loaded, const ContractRecord& mine,
                            std::optional<FieldChanges::Merge<ContractRecord>>* merge = nullptr);

/// The merge of one contract's three versions, as save compares them.
FieldChanges::Merge<ContractRecord> merged(const ContractRecord& base, const ContractRecord& theirs,
                                           const ContractRecord& mine);

} // namespace ContractEdit
