#pragma once

#include "core/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The three columns an import leaves on each row it brings in (Customer, Boat, Berth, Booking): the old reference,
/// the batch and a stamp of what the row held when it was added. The statements are the machinery; which table is
/// tagged, and when, is decided by the folder that owns it.
namespace ImportTags {

/// Tags row id of table with its old reference (empty: none) and batch, stamping what it holds now. Inside the
/// caller's transaction.
Status tag(const QSqlDatabase& db, const QString& table, int id, const QString& oldRef, int batchId);
/// The row of table with this old reference (the lowest ID when several have it); nothing when there is none.
Result<std::optional<int>> findByOldRef(const QSqlDatabase& db, const QString& table, const QString& oldRef);
/// The rows of table the batch added, in ID order.
Result<QList<int>> rowsOf(const QSqlDatabase& db, const QString& table, int batchId);
/// Those of them changed since they were stamped, each by its name (a booking by its confirmation number).
Result<QStringList> changedSince(const QSqlDatabase& db, const QString& table, int batchId);

} // namespace ImportTags
