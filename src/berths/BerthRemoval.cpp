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
    // The noun is shown in the message when another desk added berths since the question.
    return ContractStore::guardingBerths(
        {QCoreApplication::translate("BerthRemoval", "berth"),
         Removal::counting(QStringLiteral("SELECT COUNT(ID) AS c FROM Berth WHERE OwnerID = ?")),
         Removal::statement(QStringLiteral("DELETE FROM Berth WHERE OwnerID = ?"))},
        ContractStore::BerthsOf::Owner);
}

} // namespace BerthRemoval
