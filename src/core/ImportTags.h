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

/// A row added by an import: its ID and old reference (empty: none).
struct Added
{
    int id = 0;
    QString oldRef;
};
/// Tags the rows of table with their old references and batch, then stamps them (stampBatch): once, after the last
/// row is added, a few hundred rows a statement. Inside the caller's transaction.
Status tag(const QSqlDatabase& db, const QString& table, const QList<Added>& rows, int batchId);
/// Stamps every row of table the batch added (their old reference and batch written with them) with what it holds
/// now, a few hundred rows a statement: for many rows written at once. Inside the caller's transaction.
Status stampBatch(const QSqlDatabase& db, const QString& table, int batchId);
/// The old reference row id of table keeps; empty when it has none.
Result<QString> oldRefOf(const QSqlDatabase& db, const QString& table, int id);
/// The row of table with this old reference (the lowest ID when several have it); nothing when there is none.
Result<std::optional<int>> findByOldRef(const QSqlDatabase& db, const QString& table, const QString& oldRef);
/// The rows of table the batch added, in ID order.
Result<QList<int>> rowsOf(const QSqlDatabase& db, const QString& table, int batchId);
/// Those of them changed since they were stamped, each by its name (a booking by its confirmation number).
Result<QStringList> changedSince(const QSqlDatabase& db, const QString& table, int batchId);

} // namespace ImportTags
