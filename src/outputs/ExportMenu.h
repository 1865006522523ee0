#pragma once

#include <QDate>

struct Services;

/// The File menu's three exports: the rows, the save dialog, the file, and the event written after every use.
/// "There is no data to export" is said; a failed write is not (it is in the diagnostic log). True when written.
namespace ExportMenu {

bool exportCustomers(const Services& services);
bool exportReservations(const Services& services);
bool exportTodaysReservations(const Services& services);
/// The payments recorded from the first day to the last.
bool exportPayments(const Services& services, const QDate& first, const QDate& last);

} // namespace ExportMenu
