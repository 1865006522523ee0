#include "core/ImportTags.h"

#include "core/SqlHelpers.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ImportTags {
namespace {
// Only the tables an import writes: the name is pasted into the statement.
bool taggable(const QString& table)
{
    return QStringList{QStringLiteral("Customer"), QStringLiteral("Boat"), QStringLiteral("Berth"),
                       QStringLiteral("Booking")}
        .contains(table);
}

Failure unknownTable(const QString& table)
{
    return databaseFailure(QStringLiteral("No import columns on %1").arg(table));
}

// What the row q stands on holds, every column but the import's own, as a digest: NULL and empty text differ.
QString stampOf(const QSqlQuery& q)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i).toLower();
        if (name == u"oldref" || name == u"importbatchid" || name == u"importstamp")
            continue;
        const QVariant value = q.value(i);
        hash.addData(value.isNull() ? QByteArrayView("\x01N") : QByteArrayView("\x01V"));
        hash.addData(value.toString().toUtf8());
    }
    return QString::fromLatin1(hash.result().toHex());
}
} // namespace

Status tag(const QSqlDatabase& db, const QString& table, int id, const QString& oldRef, int batchId)
{
    if (!taggable(table))
        return unknownTable(table);
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT * FROM %1 WHERE ID = ?").arg(table), {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QStringLiteral("%1 %2 is gone").arg(table).arg(id));
    const QString stamp = stampOf(q);
    if (!Sql::exec(
            db, QStringLiteral("UPDATE %1 SET OldRef = ?, ImportBatchID = ?, ImportStamp = ? WHERE ID = ?").arg(table),
            {oldRef.isEmpty() ? Sql::nullText() : QVariant(oldRef), batchId, stamp, id}, &error))
        return databaseFailure(error);
    return Done{};
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
    QStringList changed;
    while (q.next())
        if (q.value(stampColumn).toString() != stampOf(q))
            changed.append(q.value(nameColumn).toString());
    return changed;
}

} // namespace ImportTags
