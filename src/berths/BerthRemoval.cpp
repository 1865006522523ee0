#include "berths/BerthRemoval.h"

#include "bookings/DependentBookings.h"
#include "contracts/ContractStore.h"

#include <QCoreApplication>

namespace BerthRemoval {

Result<Removal::Question> askRemove(const QSqlDatabase& db, int id)
{
    if (const Status unheld = ContractStore::berthsUnheld(db, id, ContractStore::BerthsOf::Berth); !unheld)
        return unheld.failure();
    return Removal::ask(db, id, DependentBookings::ofBerth(),
                        QCoreApplication::translate(
                            "BerthRemoval", "Deleting this customer will also remove any reservations that "
                                            "have been made with it. Are you sure you want to delete the berth?"));
}

Status removeRows(const QSqlDatabase& db, int id)
{
    return Removal::removeRows(
        db, id, ContractStore::guardingBerths(DependentBookings::ofBerth(), ContractStore::BerthsOf::Berth),
        Removal::statement(QStringLiteral("DELETE FROM Berth WHERE ID = ?")));
}

Removal::Dependents ofOwner()
{
    return ContractStore::guardingBerths(
        {QCoreApplication::translate("BerthRemoval",
                                     "1 berth was made at another desk since you were asked. Nothing was deleted."),
         QCoreApplication::translate("BerthRemoval",
                                     "%1 berths were made at another desk since you were asked. Nothing was deleted."),
         Removal::counting(QStringLiteral("SELECT COUNT(ID) AS c FROM Berth WHERE OwnerID = ?")),
         Removal::statement(QStringLiteral("DELETE FROM Berth WHERE OwnerID = ?"))},
        ContractStore::BerthsOf::Owner);
}

} // namespace BerthRemoval
