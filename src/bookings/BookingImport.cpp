#include "bookings/BookingImport.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace BookingImport {

Result<QHash<QString, int>> byOldRef(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, OldRef FROM Booking WHERE OldRef IS NOT NULL ORDER BY ID"), {},
                   &error))
        return databaseFailure(error);
    QHash<QString, int> found;
    while (q.next())
        found.insert(q.value(1).toString(), q.value(0).toInt());
    return found;
}

QString openingBalanceReference()
{
    return QStringLiteral("Opening balance");
}

Result<bool> hasOpeningBalance(const QSqlDatabase& db, int bookingId)
{
    QString error;
    const auto count =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Payment WHERE BookingID = ? AND Reference = ?"),
                    {bookingId, openingBalanceReference()}, &error);
    if (!count)
        return databaseFailure(error);
    return count->toInt() > 0;
}

Result<QStringList> heldSince(const QSqlDatabase& db, int batchId)
{
    // Bookings of others on what the batch added, and the batch's bookings that took money since.
    const QString sql =
        QStringLiteral("SELECT DISTINCT K.ID, K.BerthConfirmationNumber FROM Booking K "
                       "LEFT JOIN BookingBerth BB ON BB.BookingID = K.ID "
                       "WHERE (K.ImportBatchID IS NULL OR K.ImportBatchID <> ?) AND ("
                       "K.CustomerID IN (SELECT ID FROM Customer WHERE ImportBatchID = ?) OR "
                       "K.BoatID IN (SELECT ID FROM Boat WHERE ImportBatchID = ?) OR "
                       "BB.BerthID IN (SELECT ID FROM Berth WHERE ImportBatchID = ?)) "
                       "UNION SELECT K.ID, K.BerthConfirmationNumber FROM Booking K WHERE K.ImportBatchID = ? AND "
                       "EXISTS (SELECT 1 FROM Payment P WHERE P.BookingID = K.ID) ORDER BY 1");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, sql, {batchId, batchId, batchId, batchId, batchId}, &error))
        return databaseFailure(error);
    QStringList held;
    while (q.next())
        held.append(q.value(1).isNull()
                        ? QCoreApplication::translate("BookingImport", "booking %1").arg(q.value(0).toInt())
                        : QString::number(q.value(1).toLongLong()));
    return held;
}

Status removeBatch(const QSqlDatabase& db, int batchId)
{
    QString error;
    for (const QString& sql :
         {QStringLiteral(
              "DELETE FROM BookingCharge WHERE BookingID IN (SELECT ID FROM Booking WHERE ImportBatchID = ?)"),
          QStringLiteral(
              "DELETE FROM BookingBerth WHERE BookingID IN (SELECT ID FROM Booking WHERE ImportBatchID = ?)"),
          QStringLiteral("DELETE FROM Booking WHERE ImportBatchID = ?")})
        if (!Sql::exec(db, sql, {batchId}, &error))
            return databaseFailure(error);
    return Done{};
}

} // namespace BookingImport
