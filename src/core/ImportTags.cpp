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

// What the row q stands on holds in those columns, as a digest: NULL and empty text differ.
QString stampOf(const QSqlQuery& q, const QList<int>& columns)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const int i : columns) {
        const QVariant value = q.value(i);
        hash.addData(value.isNull() ? QByteArrayView("\x01N") : QByteArrayView("\x01V"));
        hash.addData(value.toString().toUtf8());
    }
    return QString::fromLatin1(hash.result().toHex());
}
} // namespace

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
