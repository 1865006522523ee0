#pragma once

#include "core/Result.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

/// What an import needs of the Booking table beyond the wizard's one-booking save: the bookings found by their old
/// references, what holds imported customers and berths, and the removal of exactly what one import added.
namespace BookingImport {

/// The bookings with an old reference, by it.
Result<QHash<QString, int>> byOldRef(const QSqlDatabase& db);
/// The reference an opening balance's ledger line carries, so a second import of the same balances finds it.
QString openingBalanceReference();
/// Whether the booking already has an opening balance on its ledger.
Result<bool> hasOpeningBalance(const QSqlDatabase& db, int bookingId);

/// Confirmation numbers of the bookings an undo of the batch would leave behind or cannot take back: bookings
/// made since for the batch's customers, boats or berths, and the batch's own bookings with money on their ledger.
Result<QStringList> heldSince(const QSqlDatabase& db, int batchId);
/// Deletes the bookings the batch added with their berth rows, inside the caller's transaction.
Status removeBatch(const QSqlDatabase& db, int batchId);

} // namespace BookingImport
