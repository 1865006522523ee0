#include "bookings/DependentBookings.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>

namespace DependentBookings {

namespace {
Status runAll(const QSqlDatabase& db, std::initializer_list<std::pair<QString, int>> statements, int id)
{
    for (const auto& [sql, binds] : statements) {
        QString error;
        if (!Sql::exec(db, sql, QVariantList(binds, id), &error))
            return databaseFailure(error);
    }
    return Done{};
}

// Bookings with money on their ledger stay for the accounts: whatever they hang on is not deleted either.
Status refuseWithPayments(const QSqlDatabase& db, const QString& bookingsOf, int id, const QString& refusal)
{
    QString error;
    const auto paid = Sql::scalar(
        db, QStringLiteral("SELECT COUNT(*) FROM Payment WHERE BookingID IN (%1)").arg(bookingsOf), {id}, &error);
    if (!paid)
        return databaseFailure(error);
    if (paid->toInt() > 0)
        return refused(refusal);
    return Done{};
}
} // namespace

Removal::Dependents ofCustomer()
{
    return {
        QCoreApplication::translate("DependentBookings",
                                    "1 booking was made at another desk since you were asked. Nothing was deleted."),
        QCoreApplication::translate("DependentBookings",
                                    "%1 bookings were made at another desk since you were asked. Nothing was deleted."),
        Removal::counting(QStringLiteral("SELECT COUNT(ID) AS c FROM Booking WHERE CustomerID = ?")),
        [](const QSqlDatabase& db, int id) {
            if (const Status kept = refuseWithPayments(
                    db, QStringLiteral("SELECT ID FROM Booking WHERE CustomerID = ?"), id,
                    QCoreApplication::translate("DependentBookings",
                                                "Payments have been recorded on this customer's bookings. They "
                                                "are kept for the accounts, so the customer cannot be deleted."));
                !kept)
                return kept;
            return runAll(db,
                          {{QStringLiteral("DELETE FROM BookingBerth WHERE BookingID IN "
                                           "(SELECT ID FROM Booking WHERE CustomerID = ?)"),
                            1},
                           {QStringLiteral("DELETE FROM Booking WHERE CustomerID = ?"), 1}},
                          id);
        }};
}

Removal::Dependents ofBerth()
{
    return {
        QCoreApplication::translate("DependentBookings",
                                    "1 booking was made at another desk since you were asked. Nothing was deleted."),
        QCoreApplication::translate("DependentBookings",
                                    "%1 bookings were made at another desk since you were asked. Nothing was deleted."),
        Removal::counting(QStringLiteral("SELECT COUNT(*) AS c FROM BookingBerth WHERE BerthID = ?")),
        [](const QSqlDatabase& db, int id) {
            if (const Status kept = refuseWithPayments(
                    db, QStringLiteral("SELECT BookingID FROM BookingBerth WHERE BerthID = ?"), id,
                    QCoreApplication::translate("DependentBookings",
                                                "Payments have been recorded on bookings of this berth. They are "
                                                "kept for the accounts: cancel those bookings first."));
                !kept)
                return kept;
            return runAll(db,
                          {{QStringLiteral("DELETE FROM Booking WHERE ID IN (SELECT BookingID FROM BookingBerth "
                                           "WHERE BerthID = ?) AND NOT EXISTS (SELECT 1 FROM BookingBerth BB "
                                           "WHERE BB.BookingID = Booking.ID AND BB.BerthID <> ?)"),
                            2},
                           {QStringLiteral("DELETE FROM BookingBerth WHERE BerthID = ?"), 1}},
                          id);
        }};
}

} // namespace DependentBookings
