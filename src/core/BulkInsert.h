#pragma once

#include "core/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

/// Many new rows of one table written inside the caller's transaction a few hundred a statement (one round trip
/// each on a server), for an import of thousands. A row that later rows must name takes its ID from reserveId()
/// first: on a file the next IDs above any the table has had (nobody else writes during the transaction), on a server
/// a block of the table's own sequence.
class BulkInsert final
{
public:
    /// parent: the rows this table's rows name (a booking's, for its berth rows), written before each statement.
    BulkInsert(const QSqlDatabase& db, const QString& table, const QStringList& columns, BulkInsert* parent = nullptr);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    /// An ID of the table no other row has or will be given; write it in the row's "ID" column.
    Result<qint64> reserveId();

    /// A row, its values in the columns' order; written with the rows after it.
    Status add(const QVariantList& values);

    /// Writes the rows still held; called after the last add().
    Status flush();

    /// Rows a statement.
    static constexpr qsizetype Chunk = 200;

private:
    QString statement(qsizetype rows) const;

    QSqlDatabase m_db;
    QString m_table;
    QStringList m_columns;
    BulkInsert* m_parent = nullptr;
    QList<QVariantList> m_rows;
    std::unique_ptr<QSqlQuery> m_full; // a full chunk's statement, prepared once
    QList<qint64> m_reserved;          // a server's block of IDs not yet given
    qint64 m_nextId = 0;               // a file's next ID; 0 until read
};
