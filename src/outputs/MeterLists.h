#pragma once

#include "contracts/ContractLists.h"
#include "meters/Meters.h"

/// The office's lists of its meters, as tables that print and export as the contract lists do: use by berth and
/// month, meters not read for a number of days, and readings flagged (over three times the usual, rolled over or
/// corrected).
namespace MeterLists {

/// What each berth's meters of kind counted in each month from first to last, by the month of the later reading.
Result<ContractLists::List> useByBerth(const QSqlDatabase& db, Meters::Kind kind, const QDate& first,
                                       const QDate& last);
/// The meters in service on today whose last reading is more than days old, or that were never read; never read first,
/// then the longest unread.
Result<ContractLists::List> notRead(const QSqlDatabase& db, const QDate& today, int days);
/// The readings from first to last that were flagged, rolled over or corrected, and why each is listed.
Result<ContractLists::List> flagged(const QSqlDatabase& db, const QDate& first, const QDate& last);

/// Whether the office has any meter: the lists and the figure are offered only then.
bool any(const QSqlDatabase& db);

} // namespace MeterLists
