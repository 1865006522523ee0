#pragma once

struct Services;

/// The File menu's three exports: the rows, the save dialog, the file, and the event written after every use.
/// "There is no data to export" is said; a failed write is not (it is in the diagnostic log). True when written.
namespace ExportMenu {

bool exportCustomers(const Services& services);
bool exportReservations(const Services& services);
bool exportTodaysReservations(const Services& services);

} // namespace ExportMenu
