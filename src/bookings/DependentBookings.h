#pragma once

#include "core/Removal.h"

/// The bookings that go when a customer or a berth is deleted: counted for the question and removed with it.
namespace DependentBookings {

/// A customer's bookings with their berth rows.
Removal::Dependents ofCustomer();

/// A berth's booking rows, and the bookings that had this berth alone (a booking that also has another berth
/// keeps it; one left without berths by some other change is not this removal's to delete).
Removal::Dependents ofBerth();

} // namespace DependentBookings
