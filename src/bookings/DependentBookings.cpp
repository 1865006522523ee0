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
} // namespace

Removal::Dependents ofCustomer()
{
    return {QCoreApplication::translate("DependentBookings", "booking"),
            Removal::counting(QStringLiteral("SELECT COUNT(ID) AS c FROM Booking WHERE CustomerID = ?")),
            [](const QSqlDatabase& db, int id) {
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
    return {QCoreApplication::translate("DependentBookings", "booking"),
            Removal::counting(QStringLiteral("SELECT COUNT(*) AS c FROM BookingBerth WHERE BerthID = ?")),
            [](const QSqlDatabase& db, int id) {
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
