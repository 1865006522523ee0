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
/// The stamps of one table's new rows, for a writer adding many: each worked out from the values its insert writes
/// and written with its row, so nothing is read back once all are in. That needs an insert naming every column of
/// the table; where the table has one it does not (left to a default or a trigger, which the program cannot know
/// beforehand), the rows are read back and stamped by finish() as stampBatch does.
class InsertStamps final
{
public:
    /// For inserts into table naming columns (the ImportStamp among them or not).
    InsertStamps(const QSqlDatabase& db, const QString& table, const QStringList& columns);

    /// The ImportStamp of a new row, values in the order of columns (the stamp's own left out): what stampBatch
    /// would write for it. NULL when the rows are stamped by finish(). The table's columns are read the first time.
    Result<QVariant> of(const QVariantList& values);
    /// After the last row of batchId is written: the rows that could not be stamped as written, stamped.
    Status finish(int batchId) const;

private:
    Status readColumns();

    QSqlDatabase m_db;
    QString m_table;
    QStringList m_columns;
    bool m_read = false;
    bool m_asWritten = false;
    QList<int> m_order;      // for each column the stamp covers, in the table's order: the index of its value
    QStringList m_nullTexts; // and what a NULL in it reads back as
};

/// The old reference row id of table keeps; empty when it has none.
Result<QString> oldRefOf(const QSqlDatabase& db, const QString& table, int id);
/// The row of table with this old reference (the lowest ID when several have it); nothing when there is none.
Result<std::optional<int>> findByOldRef(const QSqlDatabase& db, const QString& table, const QString& oldRef);
/// The rows of table the batch added, in ID order.
Result<QList<int>> rowsOf(const QSqlDatabase& db, const QString& table, int batchId);
/// Those of them changed since they were stamped, each by its name (a booking by its confirmation number).
Result<QStringList> changedSince(const QSqlDatabase& db, const QString& table, int batchId);

} // namespace ImportTags
