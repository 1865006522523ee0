#pragma once

#include "core/Removal.h"

/// Deleting berths: a berth with its bookings, and the berths that go with a deleted owner.
namespace BerthRemoval {

/// The question before deleting the berth, counting its booking rows.
Result<Removal::Question> askRemove(const QSqlDatabase& db, int id);

/// The berth's bookings (see DependentBookings::ofBerth), then the berth, inside a transaction the caller owns.
Status removeRows(const QSqlDatabase& db, int id);

/// An owner's berths. Their bookings stay, with their money: the owner's question names the berths only, so no
/// reservation disappears unasked.
Removal::Dependents ofOwner();

} // namespace BerthRemoval
