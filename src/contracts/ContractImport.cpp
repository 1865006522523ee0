#include "contracts/ContractImport.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace ContractImport {

Result<QHash<QString, int>> byOldRef(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT OldRef, ID FROM Contract WHERE OldRef IS NOT NULL ORDER BY ID DESC"), {},
                   &error))
        return databaseFailure(error);
    QHash<QString, int> found;
    while (q.next())
        found.insert(q.value(0).toString(), q.value(1).toInt()); // the lowest ID last, so it stays
    return found;
}

Result<QStringList> heldSince(const QSqlDatabase& db, int batchId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT C.ID FROM Contract C WHERE C.ImportBatchID = ? AND (C.Paid <> 0 OR EXISTS "
                                  "(SELECT 1 FROM ContractInstalment I WHERE I.ContractID = C.ID AND I.InvoiceNumber "
                                  "IS NOT NULL) OR EXISTS (SELECT 1 FROM Payment P WHERE P.ContractID = C.ID)) "
                                  "ORDER BY C.ID"),
                   {batchId}, &error))
        return databaseFailure(error);
    QStringList held;
    while (q.next())
        held.append(QCoreApplication::translate("ContractImport", "contract %1").arg(q.value(0).toInt()));
    return held;
}

Status removeBatch(const QSqlDatabase& db, int batchId)
{
    const QString batch = QStringLiteral("(SELECT ID FROM Contract WHERE ImportBatchID = ?)");
    const QString statements[] = {QStringLiteral("DELETE FROM ContractInstalment WHERE ContractID IN %1").arg(batch),
                                  QStringLiteral("DELETE FROM ContractBerth WHERE ContractID IN %1").arg(batch),
                                  QStringLiteral("DELETE FROM BerthBlock WHERE ContractID IN %1").arg(batch),
                                  QStringLiteral("DELETE FROM Contract WHERE ImportBatchID = ?")};
    QString error;
    for (const QString& sql : statements)
        if (!Sql::exec(db, sql, {batchId}, &error))
            return databaseFailure(error);
    return Done{};
}

} // namespace ContractImport
