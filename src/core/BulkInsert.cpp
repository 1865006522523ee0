#include "core/BulkInsert.h"

#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlError>

BulkInsert::BulkInsert(const QSqlDatabase& db, const QString& table, const QStringList& columns, BulkInsert* parent)
    : m_db(db), m_table(table), m_columns(columns), m_parent(parent)
{
}

BulkInsert::~BulkInsert() = default;

Result<qint64> BulkInsert::reserveId()
{
    QString error;
    if (Dialect::of(m_db).kind() == Engine::PostgreSQL) {
        if (m_reserved.isEmpty()) {
            QSqlQuery q(m_db);
            q.setForwardOnly(true);
            if (!Sql::exec(q,
                           QStringLiteral("SELECT nextval(pg_get_serial_sequence(?, 'id')) FROM generate_series(1, %1)")
                               .arg(Chunk),
                           {m_table.toLower()}, &error))
                return databaseFailure(error);
            while (q.next())
                m_reserved.append(q.value(0).toLongLong());
            if (m_reserved.isEmpty())
                return databaseFailure(QStringLiteral("No IDs could be reserved for %1").arg(m_table));
        }
        return m_reserved.takeFirst();
    }
    if (m_nextId == 0) {
        // Above every ID the table has had: its highest, and what AUTOINCREMENT remembers of deleted ones.
        const auto highest =
            Sql::scalar(m_db,
                        QStringLiteral("SELECT max(coalesce((SELECT MAX(ID) FROM %1), 0), coalesce((SELECT seq FROM "
                                       "sqlite_sequence WHERE name = '%1'), 0))")
                            .arg(m_table),
                        {}, &error);
        if (!highest)
            return databaseFailure(error);
        m_nextId = highest->toLongLong() + 1;
    }
    return m_nextId++;
}

QString BulkInsert::statement(qsizetype rows) const
{
    QStringList marks;
    marks.fill(QStringLiteral("?"), m_columns.size());
    QStringList tuples;
    tuples.fill(u'(' + marks.join(u',') + u')', rows);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(m_table, m_columns.join(QStringLiteral(", ")), tuples.join(u','));
}

Status BulkInsert::add(const QVariantList& values)
{
    m_rows.append(values);
    return m_rows.size() >= Chunk ? flush() : Status(Done{});
}

Status BulkInsert::flush()
{
    if (m_rows.isEmpty())
        return Done{};
    if (m_parent)
        if (const Status written = m_parent->flush(); !written)
            return written;
    std::unique_ptr<QSqlQuery> shorter;
    QSqlQuery* insert = m_full.get();
    if (m_rows.size() != Chunk || !insert) {
        shorter = std::make_unique<QSqlQuery>(m_db);
        if (!shorter->prepare(statement(m_rows.size())))
            return databaseFailure(shorter->lastError().text());
        insert = shorter.get();
        if (m_rows.size() == Chunk)
            m_full = std::move(shorter);
    }
    int at = 0;
    for (const QVariantList& row : std::as_const(m_rows))
        for (const QVariant& value : row)
            insert->bindValue(at++, value);
    m_rows.clear();
    if (!insert->exec())
        return databaseFailure(insert->lastError().text());
    insert->finish();
    return Done{};
}
