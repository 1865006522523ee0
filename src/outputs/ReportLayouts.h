#pragma once

#include "bookings/BookingReports.h"
#include "bookings/Ledger.h"
#include "core/ui/Document.h"

/// The printed layouts of the report manager, built as documents for the renderer: the four booking lists
/// (rptAllBooking, rptTodaysBooking, rptTodayLeft, rptPeriodsales) and the balance-due report (Outstanding).
namespace ReportLayouts {

/// A layout's name, the caption of its preview window (also the print job's title) and its title label.
struct Names
{
    QString layout;
    QString caption;
    QString title;
};
Names namesOf(BookingReports::List list);

/// One booking list: the report header (title and heading) at the top of the first page, one record per
/// booking, and the page footer "List: %p of %P".
Doc::Document layout(BookingReports::List list, const BookingReports::BookingList& table);

/// "Reservations With Balance Due", stamped with now.
Doc::Document outstanding(const QList<BookingReports::BalanceDueRow>& rows, const QDateTime& now);
/// "Payments due": what each booking owes, grouped overdue, due within 7 days and later, with each group's total.
Doc::Document paymentsDue(const QList<Ledger::Owing>& rows, const QDateTime& now);

} // namespace ReportLayouts
