#pragma once

#include <QDate>

struct Services;
namespace CsvExport {
struct Table;
}

/// The exports (the File menu's three, the payments, the cash-up and the figures): the rows, the save dialog, the
/// file, and the event written after every use.
/// "There is no data to export" is said; a failed write is not (it is in the diagnostic log). True when written.
namespace ExportMenu {

bool exportCustomers(const Services& services);
bool exportReservations(const Services& services);
bool exportTodaysReservations(const Services& services);
/// The payments recorded from the first day to the last.
bool exportPayments(const Services& services, const QDate& first, const QDate& last);
/// A table built in memory (the cash-up, a figure), in the plain style, to the file the person chooses.
bool exportTable(const Services& services, const CsvExport::Table& table, const QString& proposedName,
                 const QString& title);

} // namespace ExportMenu
