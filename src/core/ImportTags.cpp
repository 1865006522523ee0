#include "core/ImportTags.h"

#include "core/SqlHelpers.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ImportTags {
namespace {
// Only the tables an import writes: the name is pasted into the statement.
bool taggable(const QString& table)
{
    return QStringList{QStringLiteral("Customer"), QStringLiteral("Boat"), QStringLiteral("Berth"),
                       QStringLiteral("Booking"), QStringLiteral("Contract")}
        .contains(table);
}

Failure unknownTable(const QString& table)
{
    return databaseFailure(QStringLiteral("No import columns on %1").arg(table));
}

// The columns of q's rows a stamp covers: every one but the import's own.
QList<int> stampedColumns(const QSqlQuery& q)
{
    QList<int> columns;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i).toLower();
        if (name != u"oldref" && name != u"importbatchid" && name != u"importstamp")
            columns.append(i);
    }
    return columns;
}

// One value of a row into its stamp: NULL and empty text differ. text is the value as the driver reads it back (a
// NULL's too, which for some column types is not empty).
void addToStamp(QCryptographicHash& hash, bool null, const QString& text)
{
    hash.addData(null ? QByteArrayView("\x01N") : QByteArrayView("\x01V"));
    hash.addData(text.toUtf8());
}

// What the row q stands on holds in those columns, as a digest.
QString stampOf(const QSqlQuery& q, const QList<int>& columns)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const int i : columns) {
        const QVariant value = q.value(i);
        addToStamp(hash, value.isNull(), value.toString());
    }
    return QString::fromLatin1(hash.result().toHex());
}

// Whether a bound value is written as NULL: the drivers write a null text as NULL too.
bool boundAsNull(const QVariant& value)
{
    if (value.isNull())
        return true;
    if (value.typeId() == QMetaType::QString)
        return value.toString().isNull();
    return value.typeId() == QMetaType::QByteArray && value.toByteArray().isNull();
}
} // namespace

InsertStamps::InsertStamps(const QSqlDatabase& db, const QString& table, const QStringList& columns)
    : m_db(db), m_table(table)
{
    for (const QString& column : columns)
        m_columns.append(column.toLower());
}

Status InsertStamps::readColumns()
{
    if (!taggable(m_table))
        return unknownTable(m_table);
    // One row of NULLs in the table's columns, read as a stored row is read: the table's column order, and what
    // each column's NULL reads back as.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT T.* FROM (SELECT 1 AS One) O LEFT JOIN %1 T ON 1 = 0").arg(m_table), {},
                   &error))
        return databaseFailure(error);
    if (!q.next())
        return databaseFailure(QStringLiteral("No row of NULLs read from %1").arg(m_table));
    m_read = true;
    const QSqlRecord record = q.record();
    for (const int i : stampedColumns(q)) {
        const int at = int(m_columns.indexOf(record.fieldName(i).toLower()));
        if (at < 0)
            return Done{}; // not named: stamped by finish()
        m_order.append(at);
        m_nullTexts.append(q.value(i).toString());
    }
    m_asWritten = true;
    return Done{};
}

Result<QVariant> InsertStamps::of(const QVariantList& values)
{
    if (!m_read)
        if (const Status read = readColumns(); !read)
            return read.failure();
    if (!m_asWritten)
        return Sql::nullText();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (qsizetype i = 0; i < m_order.size(); ++i) {
        const QVariant& value = values.at(m_order.at(i));
        const bool null = boundAsNull(value);
        addToStamp(hash, null, null ? m_nullTexts.at(i) : value.toString());
    }
    return QVariant(QString::fromLatin1(hash.result().toHex()));
}

Status InsertStamps::finish(int batchId) const
{
    if (!m_read || m_asWritten) // no row added, or each stamped as written
        return Done{};
    return stampBatch(m_db, m_table, batchId);
}

namespace {
// Rows a statement when many are tagged or stamped: few statements, each well inside either engine's limit of
// bound values.
constexpr int Chunk = 200;
} // namespace

Status tag(const QSqlDatabase& db, const QString& table, const QList<Added>& rows, int batchId)
{
    if (!taggable(table))
        return unknownTable(table);
    QString error;
    for (qsizetype first = 0; first < rows.size(); first += Chunk) {
        const QList<Added> chunk = rows.mid(first, Chunk);
        QVariantList binds;
        QVariantList ids;
        for (const Added& row : chunk) {
            binds << row.id << (row.oldRef.isEmpty() ? Sql::nullText() : QVariant(row.oldRef));
            ids << row.id;
        }
        QStringList whens;
        whens.fill(QStringLiteral("WHEN ? THEN ?"), chunk.size());
        QStringList marks;
        marks.fill(QStringLiteral("?"), chunk.size());
        binds << batchId;
        if (!Sql::exec(db,
                       QStringLiteral("UPDATE %1 SET OldRef = CASE ID %2 END, ImportBatchID = ? WHERE ID IN (%3)")
                           .arg(table, whens.join(u' '), marks.join(u',')),
                       binds + ids, &error))
            return databaseFailure(error);
    }
    return stampBatch(db, table, batchId);
}

namespace {
// Writes the stamps of rows IDs (each ID followed by its stamp in binds) through one join with the rows' values: a
// statement of a full chunk is prepared once and run again; a CASE over every ID would compare each row with them all.
QString stampStatement(const QString& table, qsizetype rows)
{
    QStringList tuples;
    tuples.fill(QStringLiteral("(CAST(? AS INTEGER), ?)"), rows);
    return QStringLiteral("UPDATE %1 SET ImportStamp = V.column2 FROM (VALUES %2) AS V WHERE %1.ID = V.column1")
        .arg(table, tuples.join(u','));
}
} // namespace

Status stampBatch(const QSqlDatabase& db, const QString& table, int batchId)
{
    if (!taggable(table))
        return unknownTable(table);
    // Read and written a chunk at a time by ID, so the memory does not grow with the batch.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QSqlQuery full(db);
    bool fullPrepared = false;
    QString error;
    for (qint64 last = 0;;) {
        if (!Sql::exec(q,
                       QStringLiteral("SELECT * FROM %1 WHERE ImportBatchID = ? AND ID > ? ORDER BY ID LIMIT %2")
                           .arg(table)
                           .arg(Chunk),
                       {batchId, last}, &error))
            return databaseFailure(error);
        QVariantList binds;
        const QList<int> columns = stampedColumns(q);
        const int idColumn = q.record().indexOf(QStringLiteral("ID"));
        while (q.next()) {
            last = q.value(idColumn).toLongLong();
            binds << last << stampOf(q, columns);
        }
        const qsizetype rows = binds.size() / 2;
        if (rows == 0)
            return Done{};
        QSqlQuery shorter(db);
        QSqlQuery* update = rows == Chunk ? &full : &shorter;
        if ((rows != Chunk || !fullPrepared) && !update->prepare(stampStatement(table, rows)))
            return databaseFailure(update->lastError().text());
        fullPrepared = fullPrepared || rows == Chunk;
        for (qsizetype i = 0; i < binds.size(); ++i)
            update->bindValue(int(i), binds.at(i));
        if (!update->exec())
            return databaseFailure(update->lastError().text());
        update->finish();
    }
}

Result<QString> oldRefOf(const QSqlDatabase& db, const QString& table, int id)
{
    if (!taggable(table))
        return unknownTable(table);
    QString error;
    const auto ref =
        Sql::scalar(db, QStringLiteral("SELECT MAX(OldRef) FROM %1 WHERE ID = ?").arg(table), {id}, &error);
    if (!ref)
        return databaseFailure(error);
    return ref->isNull() ? QString() : ref->toString();
}

Result<std::optional<int>> findByOldRef(const QSqlDatabase& db, const QString& table, const QString& oldRef)
{
    if (!taggable(table))
        return unknownTable(table);
    if (oldRef.isEmpty())
        return std::optional<int>();
    QString error;
    const auto id =
        Sql::scalar(db, QStringLiteral("SELECT MIN(ID) FROM %1 WHERE OldRef = ?").arg(table), {oldRef}, &error);
    if (!id)
        return databaseFailure(error);
    return id->isNull() ? std::optional<int>() : std::optional<int>(id->toInt());
}

Result<QList<int>> rowsOf(const QSqlDatabase& db, const QString& table, int batchId)
{
    if (!taggable(table))
        return unknownTable(table);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID FROM %1 WHERE ImportBatchID = ? ORDER BY ID").arg(table), {batchId},
                   &error))
        return databaseFailure(error);
    QList<int> ids;
    while (q.next())
        ids.append(q.value(0).toInt());
    return ids;
}

Result<QStringList> changedSince(const QSqlDatabase& db, const QString& table, int batchId)
{
    if (!taggable(table))
        return unknownTable(table);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT * FROM %1 WHERE ImportBatchID = ? ORDER BY ID").arg(table), {batchId},
                   &error))
        return databaseFailure(error);
    // Field names are looked up without regard to case: a server gives them in lower case.
    const QSqlRecord record = q.record();
    const int stampColumn = record.indexOf(QStringLiteral("ImportStamp"));
    int nameColumn = record.indexOf(QStringLiteral("Name"));
    if (nameColumn < 0)
        nameColumn = record.indexOf(QStringLiteral("BerthConfirmationNumber"));
    if (nameColumn < 0)
        nameColumn = record.indexOf(QStringLiteral("ID")); // a contract goes by its number
    QStringList changed;
    const QList<int> columns = stampedColumns(q);
    while (q.next())
        if (q.value(stampColumn).toString() != stampOf(q, columns))
            changed.append(q.value(nameColumn).toString());
    return changed;
}

} // namespace ImportTags
