#include "berths/BerthRemoval.h"

#include "bookings/DependentBookings.h"

namespace BerthRemoval {

Result<Removal::Question> askRemove(const QSqlDatabase& db, int id)
{
    return Removal::ask(db, id, DependentBookings::ofBerth(),
                        QStringLiteral("Deleting this customer will also remove any reservations that have been made "
                                       "with it. Are you sure you want to delete the berth?"));
}

Status removeRows(const QSqlDatabase& db, int id)
{
    return Removal::removeRows(db, id, DependentBookings::ofBerth(),
                               Removal::statement(QStringLiteral("DELETE FROM Berth WHERE ID = ?")));
}

Removal::Dependents ofOwner()
{
    return {QStringLiteral("berth"),
            Removal::counting(QStringLiteral("SELECT COUNT(ID) AS c FROM Berth WHERE OwnerID = ?")),
            Removal::statement(QStringLiteral("DELETE FROM Berth WHERE OwnerID = ?"))};
}

} // namespace BerthRemoval
