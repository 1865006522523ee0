#include "people/PeopleImport.h"

#include "core/SqlHelpers.h"

#include <QSqlQuery>

namespace PeopleImport {

QString registrationKey(const QString& registration)
{
    QString key;
    for (const QChar c : registration)
        if (c.isLetterOrNumber())
            key += c.toUpper();
    return key;
}

Result<Known> known(const QSqlDatabase& db)
{
    Known found;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, OldRef, EmailAddress FROM Customer ORDER BY ID"), {}, &error))
        return databaseFailure(error);
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (const QString ref = q.value(1).toString(); !ref.isEmpty())
            found.customerByRef.insert(ref, id);
        if (const QString mail = q.value(2).toString().trimmed().toLower(); !mail.isEmpty())
            found.customerByEmail.insert(mail, id);
    }
    if (!Sql::exec(q, QStringLiteral("SELECT ID, CustomerID, Registration, OldRef FROM Boat ORDER BY ID"), {}, &error))
        return databaseFailure(error);
    while (q.next()) {
        const KnownBoat boat{q.value(0).toInt(), q.value(1).toInt()};
        if (const QString key = registrationKey(q.value(2).toString()); !key.isEmpty())
            found.boatByRegistration.insert(key, boat);
        if (const QString ref = q.value(3).toString(); !ref.isEmpty())
            found.boatByRef.insert(ref, boat);
    }
    return found;
}

Result<QStringList> boatsAddedSince(const QSqlDatabase& db, int batchId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT B.Name FROM Boat B JOIN Customer C ON C.ID = B.CustomerID "
                                  "WHERE C.ImportBatchID = ? AND (B.ImportBatchID IS NULL OR B.ImportBatchID <> ?) "
                                  "ORDER BY B.ID"),
                   {batchId, batchId}, &error))
        return databaseFailure(error);
    QStringList names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

Status removeBatch(const QSqlDatabase& db, int batchId)
{
    QString error;
    for (const QString& sql : {QStringLiteral("DELETE FROM Boat WHERE ImportBatchID = ?"),
                               QStringLiteral("DELETE FROM Customer WHERE ImportBatchID = ?")})
        if (!Sql::exec(db, sql, {batchId}, &error))
            return databaseFailure(error);
    return Done{};
}

} // namespace PeopleImport
